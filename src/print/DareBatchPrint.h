#pragma once
// The DARE batch print of "Opções de Impressão" ("IMPRESSÃO DO DARE"): every
// stored DARE linked to a declaration of one reference period, of one
// taxpayer or of all, each computed afresh with its stored payment date and
// printed as one slip page (the slip report of the payment slips). The steps
// of "&Ok", their order and their messages live here; the screen and
// `vexa-cli print dare` each supply a view that shows the status line,
// enables the command and presents the pages (preview, or a PDF file).

#include "common/Check.h"
#include "common/Prompter.h"
#include "payment/SlipPage.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

class QPagedPaintDevice;

namespace vexa::print {

namespace dare_batch_field {
inline const QString Periodo = QStringLiteral("Periodo");
} // namespace dare_batch_field

namespace dare_batch_msg {
inline const QString InformePeriodo = QStringLiteral("Informe o Período!");
inline const QString Processando = QStringLiteral("Aguarde!!! Processando...");
} // namespace dare_batch_msg

// The version message of the batch print: two blanks before "até".
QString dareBatchVersionMessage();

// The choices of "Contribuinte:": "<TODOS>" followed by every taxpayer name
// in name order, each name once.
QStringList dareBatchTaxpayers();

// The `contribuinte` parameter of the slip report for a choice of the list:
// "<TODOS>" for "<TODOS>" or an empty choice, else the IE of the first
// taxpayer found with that name (in IE order); empty when no taxpayer has it.
QString contribuinteOfChoice(const QString& razaoSocial);

// The period checks of "&Ok", in order: a period of five characters or fewer
// (trimmed), or one that is no month of a year, is refused with
// "Informe o Período!" (field Periodo); then a period after the last one the
// program may issue (01/2025) with the version message (no field).
CheckResult checkBatchPeriod(const QString& periodo);
CheckResult checkBatchCutover(const QString& periodo);

// The slip pages of the period MMYYYY for `contribuinte` (an IE or
// "<TODOS>"), every rectification, DAREs of total 0 left out.
QList<payment::SlipPage> dareBatchPages(const QString& periodo, const QString& contribuinte);

// What the run shows as it goes.
class DareBatchView {
public:
    virtual ~DareBatchView() = default;
    virtual void setStatus(const QString& text) = 0;   // empty: the status line is cleared
    virtual void setOkEnabled(bool enabled) = 0;
    // Shows (or writes) the pages; false with *error when that fails.
    virtual bool present(const QList<payment::SlipPage>& pages, QString* error) = 0;
};

enum class DareBatchOutcome {
    Presented,    // the pages were shown or written
    Refused,      // a check refused: message shown, nothing presented
    Failed,       // presenting the pages failed: message shown
};

struct DareBatchResult {
    DareBatchOutcome outcome = DareBatchOutcome::Refused;
    CheckResult check;   // the refusal's message and field, or the failure's message
    int pages = 0;
};

// "&Ok": `periodo` as the period field holds it (MMYYYY, digits only),
// `contribuinte` an IE or "<TODOS>", as `contribuinteOfChoice` answers it
// (empty, a name no taxpayer has, prints nothing).
// Refusals go to the prompter: "Informe o Período!" as a warning, the version
// message and "Não há dados cadastrados para período e contribuinte
// informado!!!" as notices; a failure to present as an error.
DareBatchResult runDareBatchPrint(const QString& periodo, const QString& contribuinte, Prompter& prompter,
                                  DareBatchView& view);

// Draws the pages one after another on the device (A4 portrait, no margins),
// telling `progress` after each page (done, total). False and *error when the
// device cannot be painted on.
using PageProgress = std::function<void(int done, int total)>;
bool drawDareBatch(QPagedPaintDevice& device, const QList<payment::SlipPage>& pages, const PageProgress& progress,
                   QString* error);

// Writes the pages as one PDF file (one writer for every page, so the fonts
// are embedded once); the file takes its name only when complete.
bool writeDareBatchPdf(const QString& path, const QList<payment::SlipPage>& pages, const PageProgress& progress,
                       QString* error);

} // namespace vexa::print

#pragma once
// The standalone DARE (table `DareAvulsas`): a slip that belongs to no
// declaration, for a revenue of kind 1 tied to an originating document (a
// standalone invoice, a freight bill, a notice of interpellation, an
// administrative process). Every amount is typed and stored; only the total is
// computed. A taxpayer may hold several slips of one reference period, told
// apart by `Seq`.
//
// Here: the document names and their codes, the `Seq` a new slip gets,
// what leaving the year field finds, the save checks and the print checks in
// their fixed order with their messages and the field at fault, storing and
// deleting. No screen code: "Cadastrar DARE Avulso" and the batch program both
// run these, in the same order.

#include "common/Check.h"
#include "common/Prompter.h"
#include "payment/Gates.h"
#include "payment/Tributos.h"

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace vexa::payment {

// Key of a `DareAvulsas` row.
struct AvulsaKey {
    QString IE;              // 9 digits
    QString Ano;             // "YYYY"
    QString Mes;             // "MM"
    QString CodigoTributo;   // a `Tributos.CodigoID` of kind 1
    int Seq = 0;

    QString periodo() const { return Mes + Ano; }   // "MMYYYY"
    bool operator==(const AvulsaKey&) const = default;
};

// One `DareAvulsas` row.
struct DareAvulsa {
    AvulsaKey key;
    QDate DataVencimento;            // typed; invalid when empty
    double ValorReceita = 0;
    double Multa = 0;
    double Juros = 0;
    double AtualizacaoFinaceira = 0;
    double TSE = 0;                  // never typed; kept as stored
    QString Obs1, Obs2, Obs3;
    QString Doc_Origem;              // "DOCUMENTO ESPECIFIQUE"
    QString NumeroDoc;               // "NÚMERO DOCUMENTO"
    QString TipoDoc;                 // "NOME DOCUMENTO", the full text of the name chosen
    QString Objeto;                  // the document's code, set when stored

    // ValorReceita + Juros + Multa + TSE + AtualizacaoFinaceira, to the cent.
    double ccVlTotal() const;
    bool operator==(const DareAvulsa&) const = default;
};

namespace avulsa_width {
inline constexpr int CodigoTributo = 5;
inline constexpr int Obs = 40;
inline constexpr int Doc_Origem = 30;
inline constexpr int NumeroDoc = 20;
inline constexpr int TipoDoc = 255;
} // namespace avulsa_width

// Field names a failed check points at (the columns, and the screen's fields).
namespace avulsa_field {
inline const QString IE = QStringLiteral("IE");
inline const QString Mes = QStringLiteral("Mes");
inline const QString Ano = QStringLiteral("Ano");
inline const QString CodigoTributo = QStringLiteral("CodigoTributo");
inline const QString DataVencimento = QStringLiteral("DataVencimento");
inline const QString TipoDoc = QStringLiteral("TipoDoc");
inline const QString NumeroDoc = QStringLiteral("NumeroDoc");
inline const QString Doc_Origem = QStringLiteral("Doc_Origem");
inline const QString Obs1 = QStringLiteral("Obs1");
inline const QString Obs2 = QStringLiteral("Obs2");
inline const QString Obs3 = QStringLiteral("Obs3");
} // namespace avulsa_field

namespace avulsa_msg {
inline const QString IENaoLocalizada =
    QStringLiteral("Inscrição Estadual informada não localizado no cadastro de contribuintes!!!");
inline const QString PeriodoInvalido = QStringLiteral("Período de referência informado inválido!!!");
inline const QString NomeDocumento = QStringLiteral("Nome do documento deve ser informado!!!");
inline const QString NumeroDocumento = QStringLiteral("Número do documento deve ser informado!!!");
inline const QString NumeroInvalido = QStringLiteral("Número do documento inválido!!!");
// A due date that is empty, incomplete or no real day cannot be stored on the slip.
inline const QString VencimentoInvalido = QStringLiteral("Data de vencimento inválida!!!");
inline const QString TotalAcimaLimite =
    QStringLiteral("Valor total do DARE deve ser menor ou iqual a 99.999.999,99!!!");
inline const QString SelecioneTitulo = QStringLiteral("Foram encontradas os sequintes DARE's");
inline const QString SelecioneContribuinte = QStringLiteral("para o contribuintes ");
inline const QString SelecionePeriodo = QStringLiteral("no período de referência ");
// The batch program's answer for a key that names no stored slip.
inline const QString SemDareAvulso = QStringLiteral(
    "Não há DARE Avulso cadastrado para a Inscrição Estadual, período, receita e sequência informados!!!");
} // namespace avulsa_msg

// ---- the document named on the slip -------------------------------------------

struct DocumentoAvulso {
    QString nome;        // the text of the "NOME DOCUMENTO" list, stored in `TipoDoc`
    QString objeto;      // `Objeto`, the third character of `NossoNumero`
    QString kind;        // the kind `IsValidDocument` checks the number as; empty: not checked
    QString obsPrefix;   // what `Obs1` starts with when the number is left; empty: the description
    QString shortName;   // the batch program's name (--doc-name)
};

// The names offered, in list order: the blank item, NFA, CATC, N.I., PROCESSO, OUTROS A ESPECIFICAR.
const QList<DocumentoAvulso>& documentosAvulsos();
inline const QString kDocumentoOutros = QStringLiteral("OUTROS A ESPECIFICAR");
// The entry of a list text (or, for the batch program, of its short name,
// without regard to case); none for any other text.
std::optional<DocumentoAvulso> findDocumento(const QString& nomeOrShortName);
// `Objeto` for a document name: "2" NFA, "3" CATC, "4" N.I., "6" PROCESSO, "0" otherwise.
QString objetoOf(const QString& tipoDoc);
// A name counts as chosen unless it is blank.
bool documentoChosen(const QString& tipoDoc);

// What leaving the document number puts into `Obs1` while a new slip is being
// inserted: "NFA ", "CATC ", "N.I. " or "PROCESSO " followed by the number for
// those names; for any other name the description ("DOCUMENTO ESPECIFIQUE")
// when it is not blank. None: `Obs1` stays as it is.
std::optional<QString> obs1FromDocument(const QString& tipoDoc, const QString& numeroDoc, const QString& docOrigem);

// ---- finding slips -------------------------------------------------------------

std::optional<DareAvulsa> findDareAvulsa(const AvulsaKey& key);
// The last stored slip in key order (what the screen shows on opening); none for an empty table.
std::optional<DareAvulsa> lastDareAvulsa();

// The largest `Seq` of the whole table plus 1 (1 for an empty table); none when the engine fails.
std::optional<int> nextAvulsaSeq(QString* error = nullptr);

// A slip of the period as leaving the year field lists it.
struct PeriodSlip {
    QString CodigoTributo;   // "Código Tributo"
    double ValorReceita = 0; // "Valor da Receita"
    QString RazaoSocial;
    int Seq = 0;
    bool operator==(const PeriodSlip&) const = default;
};
// The taxpayer's slips of the period, joined with `Contribuintes`, in code and `Seq` order.
QList<PeriodSlip> slipsOfPeriod(const QString& ie, const QString& mes, const QString& ano);

enum class YearOutcome {
    New,      // no slip of the period, or a new slip asked for ("&Novo"): `slip` is a new row (not stored)
    Shown,    // exactly one slip: `slip` is that slip
    Choose,   // several: the user picks one of `choices` ("Selecione uma Gate")
    Failed,   // the next `Seq` could not be read: `error`
};
struct YearResult {
    YearOutcome outcome = YearOutcome::Failed;
    DareAvulsa slip;
    QList<PeriodSlip> choices;
    QString RazaoSocial;     // the taxpayer's name, for the selection's heading
    QString error;
};
// Leaving the year field with the typed IE, month and year. `novo`: the
// new-slip flag that "&Novo" sets. A new slip of a period without slips gets
// `Seq` 1; one asked for with "&Novo" on a period that has slips gets the next
// `Seq` of the whole table.
YearResult leaveYear(const QString& ie, const QString& mes, const QString& ano, bool novo);

// ---- what the screen and the page show with a slip ---------------------------------

// The taxpayer's name, CNPJ and municipality: findSlipTaxpayer() of Gates.h.

// The computed part of a slip: the total, the slip number, the bar-code
// number (empty when it cannot be formed), the digitable line and the due-date note.
struct AvulsaCodes {
    double ccVlTotal = 0;
    QString NossoNumero;
    QString CodBar;
    QString LinhaDigitavel;
    QString Obs4;
};
// From the stored amounts and `Objeto`, with the revenue's distribution class
// and ID; the due-date note compares the due date with today (Clock).
AvulsaCodes avulsaCodes(const DareAvulsa& slip, const std::optional<Tributo>& tributo);

// ---- save, print, delete ---------------------------------------------------------

// The save checks ("&Gravar"), in order: the taxpayer, the period (both also
// cancel the edit), the revenue, the document name, the document number (twice)
// and the due date. `refusal` passes when the slip may be stored.
struct AvulsaSaveCheck {
    CheckResult refusal;
    bool cancelsEdit = false;
    bool ok() const { return refusal.ok(); }
};
AvulsaSaveCheck checkSaveAvulsa(const DareAvulsa& slip);

// Texts wider than their columns (the screen's edits stop at the width; the
// batch program refuses them): "<caption> aceita no máximo N caracteres.".
CheckResult checkAvulsaWidths(const DareAvulsa& slip);

// Sets `Objeto` from the document name and stores the slip: `original` is the
// key the slip was read with (its revenue code may have been changed since),
// none for a new slip. Texts wider than their columns are refused. False and
// *error when refused or the engine fails (a key another slip holds included).
bool saveDareAvulsa(DareAvulsa& slip, const std::optional<AvulsaKey>& original, QString* error);

// The print checks ("&Imprimir DARE"), in order, on the stored slip.
CheckResult checkPrintAvulsa(const DareAvulsa& slip);

// Why a slip that passed the print checks has no page: the taxpayer's
// municipality is missing (the report joins `Municipios`), or no data at all.
QString noPageMessage(const DareAvulsa& slip);

// Deletes the slip after "Confirma Exclusão???".
DeleteOutcome deleteDareAvulsa(const AvulsaKey& key, Prompter& prompter, QString* error);

} // namespace vexa::payment

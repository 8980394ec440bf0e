#include "print/DareBatchPrint.h"

#include "common/Conversions.h"
#include "declaration/DeclSql.h"
#include "payment/ConsultaDare.h"
#include "payment/GateReport.h"
#include "payment/Gates.h"
#include "payment/SlipDraw.h"
#include "print/DeclarationPrint.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <QSqlQuery>

namespace vexa::print {

namespace sql = decl::sql;
using payment::kTodos;
using payment::SlipPage;

QString dareBatchVersionMessage() { return payment::versionMessage(QStringLiteral("  ")); }

QStringList dareBatchTaxpayers() {
    QStringList names{kTodos};
    QSqlQuery q;
    if (sql::read(q, QStringLiteral("select RazaoSocial from Contribuintes order by RazaoSocial"), {}))
        while (q.next()) {
            // Two taxpayers of the same name print the same slips (those of the
            // first IE): one line serves both. A taxpayer without a name cannot
            // be told from the empty choice, which prints everything.
            const QString name = sql::text(q.value(0));
            if (!name.isEmpty() && names.last() != name) names << name;
        }
    return names;
}

QString contribuinteOfChoice(const QString& razaoSocial) {
    if (razaoSocial.isEmpty() || razaoSocial == kTodos) return kTodos;
    QSqlQuery q;
    if (sql::read(q, QStringLiteral("select IE from Contribuintes where RazaoSocial = ? order by IE limit 1"),
                  {razaoSocial}) &&
        q.next())
        return sql::text(q.value(0));
    return {};
}

CheckResult checkBatchPeriod(const QString& periodo) {
    const QString typed = periodo.trimmed();
    // A month outside 01 to 12 is as good as no period at all.
    if (typed.size() <= 5 || !IsValidPeriod(typed))
        return CheckResult::fail(dare_batch_msg::InformePeriodo, dare_batch_field::Periodo);
    return CheckResult::pass();
}

CheckResult checkBatchCutover(const QString& periodo) {
    if (!PeriodBeforeCutover(periodo.trimmed())) return CheckResult::fail(dareBatchVersionMessage());
    return CheckResult::pass();
}

QList<SlipPage> dareBatchPages(const QString& periodo, const QString& contribuinte) {
    return payment::gatePages(payment::qrRelatorioGATE(contribuinte, periodo, kTodos));
}

DareBatchResult runDareBatchPrint(const QString& periodo, const QString& contribuinte, Prompter& prompter,
                                  DareBatchView& view) {
    DareBatchResult result;
    result.check = checkBatchPeriod(periodo);
    if (!result.check) {
        prompter.warn(result.check.message);
        return result;
    }
    const QString period = periodo.trimmed();
    view.setStatus(dare_batch_msg::Processando);
    result.check = checkBatchCutover(period);
    if (!result.check) {
        prompter.info(result.check.message);
        view.setStatus({});
        return result;
    }

    view.setOkEnabled(false);
    const QList<SlipPage> pages = dareBatchPages(period, contribuinte);
    if (pages.isEmpty()) {
        // No DARE of the period and taxpayer, or only DAREs with nothing to pay:
        // there is no page to show either way.
        result.check = CheckResult::fail(payment::dare_msg::SemDadosImpressao);
        prompter.info(result.check.message);
        view.setStatus({});
        view.setOkEnabled(true);
        return result;
    }
    QString error;
    const bool presented = view.present(pages, &error);
    view.setStatus({});
    view.setOkEnabled(true);
    result.pages = int(pages.size());
    if (!presented) {
        result.outcome = DareBatchOutcome::Failed;
        result.check = CheckResult::fail(error);
        prompter.error(error);
        return result;
    }
    result.outcome = DareBatchOutcome::Presented;
    result.check = CheckResult::pass();
    return result;
}

bool drawDareBatch(QPagedPaintDevice& device, const QList<SlipPage>& pages, const PageProgress& progress,
                   QString* error) {
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setPageOrientation(QPageLayout::Portrait);
    device.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&device)) {
        if (error) *error = QStringLiteral("Não foi possível iniciar a impressão do DARE.");
        return false;
    }
    const int total = int(pages.size());
    for (int i = 0; i < total; ++i) {
        if (i > 0 && !device.newPage()) {
            if (error) *error = QStringLiteral("Não foi possível iniciar uma nova página do DARE.");
            painter.end();
            return false;
        }
        payment::drawSlipPage(painter, device, pages[i]);
        if (progress) progress(i + 1, total);
    }
    return painter.end();
}

bool writeDareBatchPdf(const QString& path, const QList<SlipPage>& pages, const PageProgress& progress,
                       QString* error) {
    if (pages.isEmpty()) {
        if (error) *error = payment::dare_msg::SemDadosImpressao;
        return false;
    }
    return writePdf(
        path, [&](QPagedPaintDevice& device, QString* e) { return drawDareBatch(device, pages, progress, e); },
        error);
}

} // namespace vexa::print

#include "declfile/Export.h"

#include "declfile/DeclarationReader.h"
#include "declfile/DeclarationRecords.h"
#include "declfile/QxContainer.h"

#include <QFileInfo>
#include <QSaveFile>

namespace vexa::declfile {

namespace {

ExportOutcome outcome(ExportStatus status, QString message = {}) {
    ExportOutcome o;
    o.status = status;
    o.message = std::move(message);
    return o;
}

} // namespace

ExportOutcome runExport(const ExportRequest& request, const ProgramFolder& folder, DeclarationChecker& checker,
                        ReportPresenter& presenter, Prompter& prompter, const ExportProgress& progress) {
    const QString& period = request.period;
    if (period.size() != 6) return outcome(ExportStatus::Failed, QStringLiteral("Informe o Período!"));
    if (request.items.isEmpty())
        return outcome(ExportStatus::Failed,
                       QStringLiteral("Nenhuma VEXA foi selecionada, informe o período desejado e clique em Atualizar."));

    checker.beginRun();
    DeclarationReader reader;
    DeclarationData data;
    QByteArray text;
    const int count = int(request.items.size());

    for (int i = 0; i < count; ++i) {
        const ExportItem& item = request.items[i];
        if (progress && !progress(i, count, item)) return outcome(ExportStatus::Cancelled);

        const decl::DeclarationKey key{item.ie, period.mid(2, 4), period.left(2), item.retificacao};
        QString error;
        if (!reader.read(key, data, &error)) return outcome(ExportStatus::Failed, error);

        // A value without room in the layout refuses the run before any check
        // asks anything and before anything is written.
        RecordsResult records = buildRecords(data);
        if (!records.ok()) return outcome(ExportStatus::Refused, records.refusal->message);

        if (!checker.checkDeclaration(item, data, records.records, prompter, &error))
            return outcome(ExportStatus::Failed, error);
        appendRecords(text, records.records);
    }

    const QString reportPath = request.reportPath.isEmpty() ? folder.file(kReportFileName) : request.reportPath;
    ExportOutcome done;
    if (checker.hasErrors()) {
        QString error;
        if (!checker.writeReport(reportPath, &error)) return outcome(ExportStatus::Failed, error);
        presenter.showErrors(reportPath);
        done.status = ExportStatus::Errors;
        done.reportPath = reportPath;
        return done;
    }
    if (checker.hasAlerts()) {
        QString error;
        if (!checker.writeReport(reportPath, &error)) return outcome(ExportStatus::Failed, error);
        done.reportPath = reportPath;
        done.hadAlerts = true;
        if (!request.alertsWithoutQuestion && !presenter.askToContinue(reportPath)) {
            done.status = ExportStatus::AlertsDeclined;
            return done;
        }
    }

    done.text = std::move(text);
    if (!request.compress) {
        done.status = ExportStatus::Checked;
        return done;
    }
    if (progress && !progress(count, count, ExportItem{})) return outcome(ExportStatus::Cancelled);
    ContainerResult packed = encodeQx(done.text);
    if (!packed.ok()) return outcome(ExportStatus::Failed, packed.error);
    done.container = std::move(packed.bytes);
    done.status = ExportStatus::Ready;
    return done;
}

bool writeSubmissionFile(const QString& path, const QByteArray& bytes, QString* error) {
    auto fail = [&](const QString& why) {
        if (error) *error = QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2").arg(path, why);
        return false;
    };
    if (QFileInfo(path).isDir()) return fail(QStringLiteral("é uma pasta"));
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return fail(file.errorString());
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit()) return fail(file.errorString());
    return true;
}

} // namespace vexa::declfile

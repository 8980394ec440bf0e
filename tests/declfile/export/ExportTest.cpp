// The export run: the period's list and its items, the ticked declarations
// read, produced and checked in list order, errors and alerts, refusals,
// cancelling, and the file written in one piece.

#include "support/EngineSql.h"
#include "ExportFixture.h"

#include "declfile/DeclarationReader.h"
#include "declfile/DeclarationRecords.h"
#include "declfile/Export.h"
#include "declfile/ExportList.h"
#include "declfile/QxContainer.h"
#include "declfile/Validation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;

namespace {

const QString kPeriod = QStringLiteral("072025");

ExportRequest request(const QList<ExportItem>& chosen) {
    ExportRequest r;
    r.period = kPeriod;
    r.items = chosen;
    return r;
}

class ExportTest : public LayoutTest {
protected:
    ScriptedPrompter prompter;
    FakeChecker checker;
    RecordingPresenter presenter;

    QStringList items(const QString& period = kPeriod) {
        QStringList list;
        QString error;
        EXPECT_TRUE(exportListItems(period, list, &error)) << error.toStdString();
        return list;
    }
    QList<ExportItem> ticked(const QString& period = kPeriod) {
        QList<ExportItem> all;
        for (const QString& t : items(period)) all << exportItemFromText(t);
        return all;
    }
    ExportOutcome run(const QList<ExportItem>& chosen, const ExportProgress& progress = {}) {
        return runExport(request(chosen), folder().folder(), checker, presenter, prompter, progress);
    }
    static QByteArray textOf(const QList<decl::DeclarationKey>& keys) {
        QList<DeclarationRecords> all;
        for (const auto& k : keys) {
            DeclarationData data;
            QString error;
            EXPECT_TRUE(readDeclaration(k, data, &error));
            all << buildRecords(data).records;
        }
        return submissionText(all);
    }
    void twoTaxpayers() {
        storeCleanDeclaration(kOtherIE, QStringLiteral("Mercado Boa Vista"));
        storeCleanDeclaration(kTaxpayerIE, QStringLiteral("Armazém Central"));
        storeCleanDeclaration(kTaxpayerIE, QStringLiteral("Armazém Central"), QStringLiteral("01"));
    }
};

TEST_F(ExportTest, ItemTextAndTakingTheDeclarationBack) {
    const QString text = exportItemText(kTaxpayerIE, QString(60, QLatin1Char('X')), QStringLiteral("01"));
    EXPECT_EQ(text.size(), 72);
    EXPECT_EQ(text.left(14), QStringLiteral("29.000.000-9  "));
    EXPECT_EQ(text.mid(14, 51), QString(51, QLatin1Char('X'))) << "the first 51 characters of the name";
    EXPECT_EQ(text.mid(65, 5), QStringLiteral("     "));
    EXPECT_EQ(text.right(2), QStringLiteral("01"));
    const ExportItem item = exportItemFromText(text);
    EXPECT_EQ(item.ie, kTaxpayerIE);
    EXPECT_EQ(item.name, QString(50, QLatin1Char('X')));
    EXPECT_EQ(item.retificacao, QStringLiteral("01"));
    EXPECT_EQ(proposedFileName(QStringLiteral("07/2025")), QStringLiteral("VEXA072025.qx"));
}

TEST_F(ExportTest, ListHasOneItemPerTaxpayerWithItsLatestRectification) {
    twoTaxpayers();
    // Not listed: a declaration that is not Importado, and another period.
    storeCleanDeclaration(QStringLiteral("290000025"), QStringLiteral("Zeta"));
    exec("UPDATE Vexas SET Importado = 0 WHERE IE = ?", {"290000025"});
    storeCleanDeclaration(kOtherIE, QStringLiteral("Mercado Boa Vista"), "00", "2025", "06");

    const QStringList list = items();
    ASSERT_EQ(list.size(), 2);
    EXPECT_EQ(list[0], exportItemText(kTaxpayerIE, QStringLiteral("Armazém Central"), QStringLiteral("01")))
        << "name order";
    EXPECT_EQ(list[1].right(2), QStringLiteral("00"));
    EXPECT_TRUE(items(QStringLiteral("07202")).isEmpty()) << "five digits find nothing";
    EXPECT_TRUE(items(QStringLiteral("07' OR '1'='1")).isEmpty());
}

TEST_F(ExportTest, TickedDeclarationsGoIntoOneFileInListOrder) {
    twoTaxpayers();
    const ExportOutcome out = run(ticked());
    ASSERT_EQ(out.status, ExportStatus::Ready) << out.message.toStdString();
    EXPECT_EQ(checker.checked, QStringList({kTaxpayerIE, kOtherIE}));
    const QByteArray expected = textOf({{kTaxpayerIE, "2025", "07", "01"}, {kOtherIE, "2025", "07", "00"}});
    EXPECT_EQ(out.text, expected);
    const ContainerResult decoded = decodeQx(out.container);
    ASSERT_TRUE(decoded.ok());
    EXPECT_EQ(decoded.bytes, expected) << "two compression passes that undo to the text";
    EXPECT_TRUE(presenter.shown.isEmpty());
}

TEST_F(ExportTest, ErrorsShowTheReportAndStopTheRun) {
    twoTaxpayers();
    checker.errorsFor = {kOtherIE};
    checker.alertsFor = {kTaxpayerIE};
    const ExportOutcome out = run(ticked());
    EXPECT_EQ(out.status, ExportStatus::Errors);
    EXPECT_TRUE(out.container.isEmpty());
    const QString report = folder().path(kReportFileName);
    EXPECT_EQ(presenter.shown, QStringList({QStringLiteral("errors: ") + report})) << "no question with errors";
    QFile f(report);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "errors\r\n");
}

TEST_F(ExportTest, AlertsAskWhetherToGoOn) {
    twoTaxpayers();
    checker.alertsFor = {kOtherIE};
    presenter.answer = false;
    ExportOutcome out = run(ticked());
    EXPECT_EQ(out.status, ExportStatus::AlertsDeclined);
    EXPECT_TRUE(out.container.isEmpty());
    EXPECT_EQ(presenter.shown.size(), 1);

    presenter.answer = true;
    out = run(ticked());
    EXPECT_EQ(out.status, ExportStatus::Ready);
    EXPECT_TRUE(out.hadAlerts);
    EXPECT_FALSE(out.container.isEmpty());
}

TEST_F(ExportTest, AValueWithoutRoomRefusesTheRunBeforeItsChecks) {
    twoTaxpayers();
    exec("UPDATE Vexas SET C51 = ? WHERE IE = ?", {1e12, kOtherIE});
    const ExportOutcome out = run(ticked());
    EXPECT_EQ(out.status, ExportStatus::Refused);
    EXPECT_TRUE(out.message.contains(QStringLiteral("29.000.001-7"))) << out.message.toStdString();
    EXPECT_TRUE(out.message.contains(QStringLiteral("C51")));
    EXPECT_EQ(checker.checked, QStringList({kTaxpayerIE})) << "the refused declaration is never checked";
    EXPECT_TRUE(out.container.isEmpty());
    EXPECT_TRUE(presenter.shown.isEmpty());
}

TEST_F(ExportTest, CancellingWritesNothing) {
    twoTaxpayers();
    QStringList seen;
    ExportOutcome out = run(ticked(), [&](int index, int count, const ExportItem& item) {
        seen << QStringLiteral("%1/%2 %3").arg(index).arg(count).arg(item.ie);
        return index < 1;
    });
    EXPECT_EQ(out.status, ExportStatus::Cancelled);
    EXPECT_EQ(seen, QStringList({"0/2 290000009", "1/2 290000017"}));
    EXPECT_TRUE(out.container.isEmpty());

    // Cancelled while the text is compressed.
    out = run(ticked(), [](int index, int count, const ExportItem&) { return index < count; });
    EXPECT_EQ(out.status, ExportStatus::Cancelled);
    EXPECT_TRUE(out.container.isEmpty());
}

TEST_F(ExportTest, DatabaseFailureEndsTheRunWithTheEngineMessage) {
    twoTaxpayers();
    test::dropTable("NotasFiscal");
    const ExportOutcome out = run(ticked());
    EXPECT_EQ(out.status, ExportStatus::Failed);
    EXPECT_TRUE(out.message.contains(QStringLiteral("NotasFiscal"), Qt::CaseInsensitive)) << out.message.toStdString();

    test::recreateTable("NotasFiscal");
    checker.failOn = kOtherIE;
    const ExportOutcome failed = run(ticked());
    EXPECT_EQ(failed.status, ExportStatus::Failed);
    EXPECT_EQ(failed.message, QStringLiteral("falha de leitura"));
}

TEST_F(ExportTest, FileIsWrittenInOnePieceAndReplacesTheOldOne) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VEXA072025.qx"));
    QString error;
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(5000, 'x'));
    }
    ASSERT_TRUE(writeSubmissionFile(path, "new bytes", &error)) << error.toStdString();
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), "new bytes");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"VEXA072025.qx"})) << "no temporary file left";

    EXPECT_FALSE(writeSubmissionFile(dir.filePath("missing/VEXA.qx"), "x", &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing/VEXA.qx")));
    EXPECT_FALSE(writeSubmissionFile(dir.path(), "x", &error)) << "a folder is no file";
}

// The consistency checks of the program on the same run.
TEST_F(ExportTest, ConsistencyChecksDecideTheRun) {
    twoTaxpayers();
    ConsistencyChecker real(folder().folder());
    ExportOutcome out = runExport(request(ticked()), folder().folder(), real, presenter, prompter);
    ASSERT_EQ(out.status, ExportStatus::Ready) << real.result().errorRules().size() << " errors, first rule "
                                               << (real.result().errors.isEmpty() ? 0 : real.result().errors[0].rule);

    // 7.3 of 30,00 in July: below R$ 50,00 and not December, an error.
    exec("UPDATE Vexas SET C51 = 30 WHERE IE = ?", {kOtherIE});
    out = runExport(request(ticked()), folder().folder(), real, presenter, prompter);
    EXPECT_EQ(out.status, ExportStatus::Errors);
    EXPECT_TRUE(real.result().errorRules().contains(17));
    EXPECT_TRUE(QFile::exists(folder().path(kReportFileName)));
    EXPECT_TRUE(out.container.isEmpty());
}

} // namespace

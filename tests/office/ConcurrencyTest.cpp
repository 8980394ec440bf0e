// Several workstations at once: two saves of one declaration, two imports of
// one file, a taxpayer deleted while one of its declarations is saved, and a
// connection that drops in the middle of a save or an import.

#include "ManyDeclarations.h"
#include "OfficeFixture.h"

#include "common/Prompter.h"
#include "declaration/ChildTables.h"
#include "declaration/DeclarationChecks.h"
#include "declaration/DeclarationService.h"
#include "declaration/VexaRow.h"
#include "declfile/Import.h"
#include "registry/Contribuintes.h"
#include "storage/Database.h"
#include "storage/Portable.h"

using namespace vexa;
using namespace vexa::test;

namespace {

using ConcurrencyTest = OfficeTest;
const decl::DeclarationKey kMarch{kOfficeIE, QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("00")};

// Both engines: the change stamp works on one SQLite file as on the server.
TEST_F(ConcurrencyTest, TheSecondSaveOfADeclarationIsRefusedUntilItIsReadAgain) {
    addTaxpayer(kOfficeIE, QStringLiteral("COMERCIAL VERDALENA LTDA"));
    addDeclaration(kOfficeIE, 100);
    decl::OpenedDeclaration mine = decl::openDeclaration(kOfficeIE, QStringLiteral("03"), QStringLiteral("2024"));
    ASSERT_FALSE(mine.isNew);

    const ProcessResult other = runStation(QStringLiteral("office_station"), {home(), "save", kOfficeIE, "032024", "111.5"});
    ASSERT_EQ(other.code, 0) << other.output.toStdString();

    mine.row.C51 = 222;
    decl::SaveResult saved = decl::postDeclaration(mine.row, false);
    EXPECT_FALSE(saved.saved);
    EXPECT_TRUE(saved.changedElsewhere);
    EXPECT_EQ(saved.error, decl::kChangedElsewhere);
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT C51 FROM Vexas")).toDouble(), 111.5);

    // Read again, it saves; and saves again from that same reading.
    mine = decl::openDeclaration(kOfficeIE, QStringLiteral("03"), QStringLiteral("2024"));
    mine.row.C51 = 222;
    ASSERT_TRUE(decl::postDeclaration(mine.row, false).saved);
    mine.row.C51 = 333;
    ASSERT_TRUE(decl::postDeclaration(mine.row, false).saved);
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT C51 FROM Vexas")).toDouble(), 333);

    // The same declaration created by another station in the meantime.
    decl::VexaRow fresh = decl::prepareNewDeclaration({kOfficeIE, QStringLiteral("2024"), QStringLiteral("04"), {}});
    ASSERT_EQ(runStation(QStringLiteral("office_station"), {home(), "new", kOfficeIE, "042024"}).code, 0);
    saved = decl::postDeclaration(fresh, true);
    EXPECT_TRUE(saved.changedElsewhere);
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Vexas WHERE Mes = '04'")).toInt(), 1);
}

TEST_F(ConcurrencyTest, DeletingATaxpayerWaitsForTheDeclarationBeingSavedAndKeepsTheTaxpayer) {
    SKIP_UNLESS_ON_SERVER();
    addTaxpayer(kOfficeIE, QStringLiteral("COMERCIAL VERDALENA LTDA"));
    std::unique_ptr<Station> deleter;
    bool blocked = false;
    decl::setStatementRunner([&](QSqlQuery& q) {
        if (!deleter && q.lastQuery().contains(QLatin1String("INSERT INTO Vexas"))) {
            // This save holds the taxpayer's row: the other station's delete has to wait for it.
            deleter = std::make_unique<Station>(QStringLiteral("vexa-cli"),
                                                QStringList{"--home", home(), "--yes", "taxpayer", "delete", kOfficeIE});
            deleter->start();
            blocked = waitForBlockedStation();
        }
        return q.exec();
    });
    decl::VexaRow row = decl::prepareNewDeclaration(kMarch);
    const decl::SaveResult saved = decl::postDeclaration(row, true);
    decl::setStatementRunner({});
    ASSERT_TRUE(saved.saved) << saved.error.toStdString();
    ASSERT_TRUE(deleter);
    EXPECT_TRUE(blocked);
    const ProcessResult r = deleter->wait();
    EXPECT_EQ(r.code, 1) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(registry::taxpayer_msg::TemVexa)) << r.output.toStdString();
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Contribuintes WHERE IE = ?"), {kOfficeIE}).toInt(), 1);
    EXPECT_EQ(orphanRows(), 0);
}

TEST_F(ConcurrencyTest, ASaveWaitsForTheTaxpayerBeingDeletedAndIsRefused) {
    SKIP_UNLESS_ON_SERVER();
    addTaxpayer(kOfficeIE, QStringLiteral("COMERCIAL VERDALENA LTDA"));
    // This station deletes the taxpayer inside a unit it has not committed yet.
    storage::Transaction deleting;
    ScriptedPrompter yes(true);
    QString error;
    ASSERT_EQ(registry::deleteTaxpayer(kOfficeIE, yes, &error), registry::DeleteOutcome::Deleted) << error.toStdString();
    Station saver(QStringLiteral("office_station"), {home(), "new", kOfficeIE, "032024"});
    saver.start();
    EXPECT_TRUE(waitForBlockedStation());
    ASSERT_TRUE(deleting.commit());
    const ProcessResult r = saver.wait();
    EXPECT_EQ(r.code, 1) << r.output.toStdString();
    EXPECT_TRUE(r.output.contains(decl::vexa_msg::IENaoLocalizada)) << r.output.toStdString();
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Vexas")).toInt(), 0);
    EXPECT_EQ(orphanRows(), 0);
}

TEST_F(ConcurrencyTest, TwoImportsOfTheSameFileStoreEachDeclarationOnce) {
    SKIP_UNLESS_ON_SERVER();
    const int count = 40;
    QString error;
    ASSERT_TRUE(registerManyTaxpayers(count, &error)) << error.toStdString();
    const QString file = folder().file(QStringLiteral("contabil.txt"));
    ASSERT_TRUE(writeManyDeclarations(file, count));

    Station first(QStringLiteral("vexa-cli"), {"--home", home(), "import", file});
    Station second(QStringLiteral("vexa-cli"), {"--home", home(), "import", file});
    first.start();
    second.start();
    const ProcessResult a = first.wait();
    const ProcessResult b = second.wait();
    ASSERT_NE(a.code, 2) << a.output.toStdString();
    ASSERT_NE(b.code, 2) << b.output.toStdString();

    // Every declaration once, with its rows once: one station imported it, the other was told so.
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Vexas WHERE Importado = 1")).toInt(), count);
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM MovimentacaoPorOperacoes42")).toInt(), count * 16);
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM NotasFiscal")).toInt(), count * 2);
    const QString both = a.output + b.output;
    EXPECT_EQ(both.count(QStringLiteral("Importada com sucesso.")), count);
    EXPECT_EQ(both.count(QStringLiteral("Já cadastrada para esse Período de Referência.")), count);
    EXPECT_EQ(orphanRows(), 0);
}

TEST_F(ConcurrencyTest, ADroppedConnectionLeavesNothingHalfWrittenAndTheProgramReconnects) {
    SKIP_UNLESS_ON_SERVER();
    QStringList notices;
    storage::setConnectionNotice([&](const QString& m) { notices << m; });
    addTaxpayer(kOfficeIE, QStringLiteral("COMERCIAL VERDALENA LTDA"));
    addDeclaration(kOfficeIE, 100);

    // A save whose connection goes between its statements: the row and its domicile-B rows, or nothing.
    decl::VexaRow row = *decl::loadVexa(kMarch);
    row.C51 = 555;
    row.MudaDomicilio = QStringLiteral("S");
    row.CidadeB = 2900002;
    decl::setStatementRunner([](QSqlQuery& q) {
        if (q.lastQuery().contains(QLatin1String("INSERT INTO MovimentacaoPorOperacoes42"))) dropConnection();
        return q.exec();
    });
    decl::SaveResult saved = decl::postDeclaration(row, false);
    decl::setStatementRunner({});
    EXPECT_FALSE(saved.saved);
    EXPECT_EQ(saved.error, storage::connectionLostMessage());
    // The next statement finds the connection gone, opens it again and says so.
    EXPECT_DOUBLE_EQ(value(QStringLiteral("SELECT C51 FROM Vexas")).toDouble(), 100);
    EXPECT_EQ(value(QStringLiteral("SELECT MudaDomicilio FROM Vexas")).toString(), QStringLiteral("N"));
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].contains(QStringLiteral("restabelecida"))) << notices[0].toStdString();
    row = *decl::loadVexa(kMarch);
    row.C51 = 555;
    EXPECT_TRUE(decl::postDeclaration(row, false).saved);

    // An import whose connection goes in its second declaration keeps the first whole.
    for (const char* table : {"Vexas", "Contribuintes", "Declarante"}) exec(QStringLiteral("DELETE FROM ") + table);
    QString error;
    ASSERT_TRUE(registerManyTaxpayers(3, &error)) << error.toStdString();
    const QString file = folder().file(QStringLiteral("contabil.txt"));
    ASSERT_TRUE(writeManyDeclarations(file, 3));
    int operations = 0;
    decl::setStatementRunner([&](QSqlQuery& q) {
        if (q.lastQuery().contains(QLatin1String("movimentacaoporoperacoes42 (")) && ++operations == 20) dropConnection();
        return q.exec();
    });
    ScriptedPrompter prompter;
    const declfile::ImportResult imported = declfile::importAccountFile(file, prompter);
    decl::setStatementRunner({});
    EXPECT_EQ(imported.end, declfile::ImportEnd::Failed);
    EXPECT_EQ(imported.imported, 1);
    EXPECT_TRUE(imported.failure.contains(storage::connectionLostMessage())) << imported.failure.toStdString();
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Vexas WHERE IE = ?"), {manyIE(0)}).toInt(), 1);
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM Vexas WHERE IE IN (?, ?)"), {manyIE(1), manyIE(2)}).toInt(), 0);
    EXPECT_EQ(value(QStringLiteral("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE IE = ?"), {manyIE(0)}).toInt(), 16);
    EXPECT_EQ(orphanRows(), 0);
    EXPECT_EQ(notices.size(), 2);
    storage::setConnectionNotice({});
}

} // namespace

// The data module's start-up on databases of an earlier layout and on current
// ones: every row kept, the fills, the version row, the rebuilds, the errors.
#include "storage/DataModule.h"
#include "storage/Database.h"
#include "storage/StorageTestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;

namespace {

const QString kClosing = QStringLiteral("info: Programa será encerrado para concluir a atualização dos índices!");

struct StartRun {
    storage::StartUpResult result;
    QStringList errors;
    QStringList messages;
    QStringList progress;
};

StartRun startUp(const ProgramFolder& folder) {
    StartRun run;
    ScriptedPrompter prompter;
    RecordingProgress progress;
    {
        storage::DataModule module(folder, [&](const QString& m) { run.errors << m; });
        run.result = module.startUp(&progress, prompter);
    }
    run.messages = prompter.log();
    run.progress = progress.events;
    return run;
}

// Rows of an old database: declarations (one without IE), rate rows of three
// states (one without a rate in AliquotaUF), taxpayers and an accountant.
void fillOldRows(const ProgramFolder& f) {
    execute(f, QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51, C72, C76, C62, C74) VALUES "
                              "('111111111','2010','01','00',10.5,NULL,NULL,NULL,NULL),"
                              "('111111111','2010','02','00',NULL,1,2,3,4),"
                              "(NULL,'2010','03','00',1,1,1,1,1)"));
    execute(f, QStringLiteral("INSERT INTO Aliquota (IE, Ano, Mes, Retificacao, UF, DomicilioFiscal, VlrContabil, "
                              "VlrBaseCalculo, CidadeID) VALUES "
                              "('111111111','2010','01','00','35','A',100.25,90,2900001),"
                              "('111111111','2010','01','00','35','B',50,NULL,2900002),"
                              "('111111111','2010','01','00','33','A',70,60,2900001),"
                              "('111111111','2010','01','00','41','A',1,1,NULL)"));
    execute(f, QStringLiteral("INSERT INTO AliquotaComp (IE, Ano, Mes, Retificacao, UF, DomicilioFiscal, VlrContabil, "
                              "VlrBaseCalculo, VlrComAliquota, CidadeID) VALUES "
                              "('111111111','2010','01','00','29','A',10,9,0.6,2900001),"
                              "('222222222','2011','12','01','35','A',20,19,1.2,2900002)"));
    execute(f, QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial) VALUES ('111111111', 'JOÃO D''ÁVILA \"ME\"'),"
                              "('222222222', 'AÇÚCAR LTDA')"));
    execute(f, QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF) VALUES ('MARIA', 'QX-1', 'QX')"));
}

QList<QVariantList> rateRows(const ProgramFolder& f) {
    return query(f, QStringLiteral("SELECT IE, Ano, Mes, Retificacao, UF, DomicilioFiscal, Aliquota, VlrContabil, "
                                   "VlrBaseCalculo, VlrDifAliquota, CidadeID FROM Aliquota ORDER BY UF, DomicilioFiscal"));
}

} // namespace

TEST(StartUp, UpgradesAnOldLayoutKeepingEveryRow) {
    LaidOutFolder home;
    makeOldLayout(home.folder);
    fillOldRows(home.folder);

    const StartRun run = startUp(home.folder);
    EXPECT_TRUE(run.result.opened);
    EXPECT_TRUE(run.errors.isEmpty()) << run.errors.join('\n').toStdString();
    EXPECT_TRUE(run.result.endProgram);   // the first start of the layout rebuilds the indexes
    EXPECT_EQ(run.messages, QStringList{kClosing});
    EXPECT_EQ(run.progress, (QStringList{QStringLiteral("begin 53"), QStringLiteral("end")}));

    // Declarations: the row without IE is gone, the others imported, zeros filled.
    const auto vexas = query(home.folder, QStringLiteral("SELECT Mes, Importado, C51, C72, C76, C62, C74, C79, C710 "
                                                         "FROM Vexas ORDER BY Mes"));
    ASSERT_EQ(vexas.size(), 2);
    EXPECT_EQ(vexas[0][1].toInt(), 1);
    EXPECT_EQ(vexas[1][1].toInt(), 1);
    EXPECT_EQ(vexas[0][2].toDouble(), 10.5);
    for (int c = 3; c <= 6; ++c) EXPECT_EQ(vexas[0][c], QVariant(0)) << c;
    EXPECT_EQ(vexas[1][3].toDouble(), 1.0);
    EXPECT_EQ(vexas[1][6].toDouble(), 4.0);
    EXPECT_TRUE(vexas[0][7].isNull());

    // Aliquota: rebuilt with the rate in its key, every row kept, rates from AliquotaUF.
    const auto rates = rateRows(home.folder);
    ASSERT_EQ(rates.size(), 4);
    EXPECT_EQ(rates[0][4].toString(), QStringLiteral("33"));
    EXPECT_EQ(rates[0][6].toDouble(), 20.0);
    EXPECT_EQ(rates[1][6].toDouble(), 18.0);
    EXPECT_EQ(rates[1][7].toDouble(), 100.25);
    EXPECT_EQ(rates[1][10].toInt(), 2900001);
    EXPECT_EQ(rates[2][5].toString(), QStringLiteral("B"));
    EXPECT_EQ(rates[2][6].toDouble(), 18.0);
    EXPECT_TRUE(rates[2][8].isNull());
    EXPECT_TRUE(rates[3][6].isNull());   // state 41 has no rate: the row stays, without one
    EXPECT_TRUE(rates[3][10].isNull());

    const auto comp = query(home.folder, QStringLiteral("SELECT IE, UF, AliquotaComp, VlrContabil, VlrComAliquota, CidadeID "
                                                        "FROM AliquotaComp ORDER BY IE"));
    ASSERT_EQ(comp.size(), 2);
    EXPECT_EQ(comp[0][2].toDouble(), 18.0);
    EXPECT_EQ(comp[0][4].toDouble(), 0.6);
    EXPECT_EQ(comp[1][2].toDouble(), 18.0);
    EXPECT_EQ(comp[1][4].toDouble(), 1.2);
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM Aliquota2"))[0][0].toInt(), 0);

    // Registries: new columns and the values old rows get.
    const auto taxpayers = query(home.folder, QStringLiteral("SELECT RazaoSocial, UF, TipoRegime, EmailCont FROM Contribuintes ORDER BY IE"));
    ASSERT_EQ(taxpayers.size(), 2);
    EXPECT_EQ(taxpayers[0][0].toString(), QStringLiteral("JOÃO D'ÁVILA \"ME\""));
    EXPECT_EQ(taxpayers[0][1].toString(), QStringLiteral("QX"));
    EXPECT_EQ(taxpayers[0][2].toString(), QStringLiteral("N"));
    EXPECT_TRUE(taxpayers[0][3].isNull());
    EXPECT_TRUE(hasColumn(home.folder, QStringLiteral("Declarante"), QStringLiteral("email")));
    EXPECT_TRUE(hasColumn(home.folder, QStringLiteral("Leis"), QStringLiteral("PerRLeiFim")));

    // The version row, the two reference rows, and the indexes of the list.
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM Controle WHERE Versao = '979'"))[0][0].toInt(), 1);
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM CNAE15 WHERE CNAE = '3511501'"))[0][0].toInt(), 1);
    const auto revenue = query(home.folder, QStringLiteral("SELECT Descricao, ID, Tipo, Distribuicao FROM Tributos WHERE CodigoID = '105'"));
    ASSERT_EQ(revenue.size(), 1);
    EXPECT_EQ(revenue[0][0].toString(), QStringLiteral("ICMS Complementação de Alíquota"));
    EXPECT_EQ(revenue[0][2].toInt(), 4);
    const QStringList indexes = indexNames(home.folder);
    for (const char* name : {"pk_Contribuintes", "idxRazaoSocial", "idxNome", "idxDescricao", "pk_MovimentacaoPorOperacoes42",
                             "pk_Aliquota", "pk_AliquotaComp", "idxDataDesc"})
        EXPECT_TRUE(indexes.contains(QString::fromLatin1(name).toLower())) << name;
    // The rebuilt Aliquota refuses a second row with the same key and rate.
    EXPECT_THROW(execute(home.folder, QStringLiteral("INSERT INTO Aliquota (IE, Ano, Mes, Retificacao, UF, DomicilioFiscal, "
                                                     "Aliquota) VALUES ('111111111','2010','01','00','35','A',18)")),
                 std::runtime_error);

    // The second start: nothing rebuilt, nothing changed.
    const StartRun again = startUp(home.folder);
    EXPECT_TRUE(again.result.opened);
    EXPECT_FALSE(again.result.endProgram);
    EXPECT_TRUE(again.messages.isEmpty());
    EXPECT_TRUE(again.progress.isEmpty());
    EXPECT_TRUE(again.errors.isEmpty());
    EXPECT_EQ(rateRows(home.folder), rates);
    EXPECT_EQ(indexNames(home.folder), indexes);
}

TEST(StartUp, ACurrentDatabaseStartsWithoutRebuildAndLosesDeclarationsWithoutIE) {
    LaidOutFolder home;
    execute(home.folder, QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao) VALUES (NULL,'2024','01','00'), "
                                        "('123456789','2024','01','00')"));
    execute(home.folder, QStringLiteral("UPDATE Vexas SET C72 = NULL"));
    const StartRun run = startUp(home.folder);
    EXPECT_TRUE(run.result.opened);
    EXPECT_FALSE(run.result.endProgram);
    EXPECT_TRUE(run.messages.isEmpty());
    EXPECT_TRUE(run.errors.isEmpty());
    const auto rows = query(home.folder, QStringLiteral("SELECT IE, C72, Importado FROM Vexas"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][1], QVariant(0));
    EXPECT_EQ(rows[0][2].toInt(), 1);   // a new row is imported by default
}

TEST(StartUp, AMissingKeyIndexOfTheOperationsSheetRebuildsTheIndexes) {
    LaidOutFolder home;
    execute(home.folder, QStringLiteral("DROP INDEX pk_MovimentacaoPorOperacoes42"));
    const StartRun run = startUp(home.folder);
    EXPECT_TRUE(run.result.opened);
    EXPECT_TRUE(run.result.endProgram);
    EXPECT_EQ(run.messages, QStringList{kClosing});
    EXPECT_TRUE(indexNames(home.folder).contains(QStringLiteral("pk_movimentacaoporoperacoes42")));
    // The steps after the rebuild ran on the reopened connection.
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM Tributos WHERE CodigoID = '105'"))[0][0].toInt(), 1);
}

TEST(StartUp, AFailingStepGoesToTheErrorHandlerAndSkipsTheRest) {
    LaidOutFolder home;
    makeOldLayout(home.folder);
    fillOldRows(home.folder);
    execute(home.folder, QStringLiteral("DROP TABLE Aliquota2"));
    const QString rows = QStringLiteral("SELECT IE, Ano, Mes, Retificacao, UF, DomicilioFiscal, VlrContabil, "
                                        "VlrBaseCalculo, CidadeID FROM Aliquota ORDER BY UF, DomicilioFiscal");
    const auto before = query(home.folder, rows);

    const StartRun run = startUp(home.folder);
    EXPECT_TRUE(run.result.opened);
    ASSERT_EQ(run.errors.size(), 1);
    EXPECT_TRUE(run.errors[0].contains(QStringLiteral("Aliquota2"), Qt::CaseInsensitive)) << run.errors[0].toStdString();
    EXPECT_EQ(run.result.error, run.errors[0]);
    EXPECT_FALSE(run.result.endProgram);
    // The failed rebuild left Aliquota whole; the later steps did not run.
    EXPECT_EQ(query(home.folder, rows), before);
    EXPECT_FALSE(hasColumn(home.folder, QStringLiteral("Aliquota"), QStringLiteral("Aliquota")));
    EXPECT_FALSE(hasColumn(home.folder, QStringLiteral("Contribuintes"), QStringLiteral("UF")));
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM Controle"))[0][0].toInt(), 0);
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM Vexas"))[0][0].toInt(), 3);
}

TEST(StartUp, RemovesStaleLockFilesAndTheDestructorThoseOfTheDatabaseFolder) {
    LaidOutFolder home;
    const QString root = home.folder.root();
    writeFile(root + QStringLiteral("NetDir/PDOXUSRS.NET.lck"), "x");
    writeFile(root + QStringLiteral("PARADOX.LCK"), "x");
    writeFile(home.folder.dbDir() + QStringLiteral("Vexas.VAL"), "x");
    writeFile(home.folder.dbDir() + QStringLiteral("PDOXUSRS.lck"), "x");
    writeFile(root + QStringLiteral("keep.txt"), "x");
    ScriptedPrompter prompter;
    {
        storage::DataModule module(home.folder, [](const QString&) {});
        module.startUp(nullptr, prompter);
        EXPECT_TRUE(QDir(root + QStringLiteral("PrivDir")).exists());
        EXPECT_FALSE(QFile::exists(root + QStringLiteral("NetDir/PDOXUSRS.NET.lck")));
        EXPECT_FALSE(QFile::exists(root + QStringLiteral("PARADOX.LCK")));
        EXPECT_FALSE(QFile::exists(home.folder.dbDir() + QStringLiteral("Vexas.VAL")));
        EXPECT_TRUE(QFile::exists(home.folder.dbDir() + QStringLiteral("PDOXUSRS.lck")));
        EXPECT_TRUE(storage::isOpen());
        writeFile(root + QStringLiteral("again.lck"), "x");
    }
    EXPECT_FALSE(storage::isOpen());
    EXPECT_FALSE(QFile::exists(home.folder.dbDir() + QStringLiteral("PDOXUSRS.lck")));
    EXPECT_FALSE(QFile::exists(root + QStringLiteral("again.lck")));
    EXPECT_TRUE(QFile::exists(root + QStringLiteral("keep.txt")));
    EXPECT_TRUE(onServer() || QFile::exists(home.folder.dbFile()));
}

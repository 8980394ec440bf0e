// Laying out a program folder: every table with its columns, keys and indexes,
// the reference rows, the delivered files; refusal of an existing database.
#include "storage/IndexList.h"
#include "storage/ProgramFolderInit.h"
#include "storage/Schema.h"
#include "storage/StorageTestSupport.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;
namespace schema = vexa::storage::schema;

TEST(ProgramFolderInit, CreatesEveryTableWithItsColumnsKeysAndIndexes) {
    LaidOutFolder home;
    for (const schema::Table& t : schema::tables()) {
        SCOPED_TRACE(t.name.toStdString());
        const auto info = query(home.folder, QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), {t.name});
        QStringList expected;
        for (const schema::Column& c : t.columns) expected << c.name + QLatin1Char(' ') + schema::typeName(c);
        if (t.rowNumber) expected << QStringLiteral("Seq INTEGER");
        QStringList actual;
        for (const QVariantList& r : info) actual << r[0].toString() + QLatin1Char(' ') + r[1].toString();
        // The engine reports some type names in capitals.
        EXPECT_EQ(actual.join(QLatin1Char(',')).toLower(), expected.join(QLatin1Char(',')).toLower());

        const QStringList indexes = indexNames(home.folder, t.name);
        if (!t.key.isEmpty()) {
            EXPECT_TRUE(indexes.contains(schema::keyIndexName(t.name)));
        }
        for (const schema::Index& i : t.indexes) {
            EXPECT_TRUE(indexes.contains(i.name)) << i.name.toStdString();
            const auto sql = query(home.folder, QStringLiteral("SELECT sql FROM sqlite_master WHERE name = ?"), {i.name});
            ASSERT_EQ(sql.size(), 1);
            EXPECT_TRUE(sql[0][0].toString().contains(QStringLiteral("COLLATE NOCASE")));
        }
    }
    // The names the screens use.
    for (const char* name : {"idxRazaoSocial", "idxNome", "idxDescricao", "idxDataDesc"})
        EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM sqlite_master WHERE name = ?"),
                        {QString::fromLatin1(name)})[0][0].toInt(), 1) << name;
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT Versao FROM Controle"))[0][0].toString(), QStringLiteral("979"));
}

TEST(ProgramFolderInit, KeysRefuseRepeatedRowsAndSecondaryIndexesIgnoreCase) {
    LaidOutFolder home;
    execute(home.folder, QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF) VALUES ('B', '1', 'QX')"));
    EXPECT_THROW(execute(home.folder, QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF) VALUES ('C', '1', 'QX')")),
                 std::runtime_error);
    execute(home.folder, QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF) VALUES ('a', '1', 'SP')"));
    // The name order of the accountant search runs on idxNome, case-insensitive.
    const auto rows = query(home.folder, QStringLiteral("SELECT Nome FROM Declarante INDEXED BY idxNome "
                                                        "WHERE Nome >= 'A' COLLATE NOCASE ORDER BY Nome COLLATE NOCASE"));
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("a"));

    // Several cash registers of one declaration; SaidasMun counts its insertions.
    for (int i = 0; i < 2; ++i)
        execute(home.folder, QStringLiteral("INSERT INTO ECF (IE, Ano, Mes, Retificacao, NECF) VALUES ('1','2024','01','00','X')"));
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(DISTINCT Seq) FROM ECF"))[0][0].toInt(), 2);
    execute(home.folder, QStringLiteral("INSERT INTO SaidasMun (IE, Ano, Mes, Retificacao, MunicipioID, DomicilioFiscal) "
                                        "VALUES ('1','2024','01','00',2900002,'A')"));
    const auto mun = query(home.folder, QStringLiteral("SELECT VlrContabil, Devolucoes, Seq FROM SaidasMun"));
    EXPECT_EQ(mun[0][0].toDouble(), 0.0);
    EXPECT_EQ(mun[0][1].toDouble(), 0.0);
    EXPECT_FALSE(mun[0][2].isNull());
}

TEST(ProgramFolderInit, LoadsReferenceRowsWithQuotesAndAccentsAndCopiesDeliveredFiles) {
    LaidOutFolder home;
    const auto rows = query(home.folder, QStringLiteral("SELECT Descricao, ID, CodIBGE FROM Municipios WHERE CodigoID = ?"),
                            {QStringLiteral("2900001")});
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0][0].toString(), QStringLiteral("Santo Antônio d'Oeste, \"Velho\""));
    EXPECT_EQ(rows[0][1].toString(), QStringLiteral("001"));   // a code stays text, leading zeros kept
    EXPECT_EQ(rows[0][2].toInt(), 2900001);
    EXPECT_TRUE(query(home.folder, QStringLiteral("SELECT ID FROM Municipios WHERE CodigoID = '3550308'"))[0][0].isNull());
    const auto law = query(home.folder, QStringLiteral("SELECT DescLei, PerRLeiIni, PerRLeiFim FROM Leis"));
    EXPECT_EQ(law[0][0].toString(), QStringLiteral("Imposto inferior a R$ 50,00"));
    EXPECT_EQ(law[0][1].toString(), QStringLiteral("2009-01-01"));
    EXPECT_TRUE(law[0][2].isNull());   // open-ended
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT Mes FROM CalendarioFiscal"))[0][0].toString(), QStringLiteral("01"));
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT Aliquota FROM AliquotaUF WHERE CodigoUF = '29'"))[0][0].toDouble(), 18.0);

    EXPECT_TRUE(QFile::exists(home.folder.file(QStringLiteral("VexaIdx90.ini"))));
    EXPECT_TRUE(QFile::exists(home.folder.file(QStringLiteral("ajuda/Quemudou.htm"))));
    // Nothing but the database is left in DB/.
    EXPECT_EQ(QDir(home.folder.dbDir()).entryList(QDir::Files), QStringList{QStringLiteral("vexa.db")});
}

TEST(ProgramFolderInit, ASecondInitIsRefusedUnlessForced) {
    LaidOutFolder home;
    execute(home.folder, QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial) VALUES ('123456789', 'X')"));
    QString message;
    EXPECT_EQ(storage::layOutProgramFolder(home.folder, home.delivered, false, &message), storage::InitOutcome::Refused);
    EXPECT_TRUE(message.contains(QStringLiteral("--force")));
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM Contribuintes"))[0][0].toInt(), 1);

    EXPECT_EQ(storage::layOutProgramFolder(home.folder, home.delivered, true, &message), storage::InitOutcome::Done);
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM Contribuintes"))[0][0].toInt(), 0);
}

TEST(ProgramFolderInit, ABrokenReferenceFileLeavesNoDatabaseAndKeepsTheOldOne) {
    QTemporaryDir dir;
    auto files = smallReferenceFiles();
    files[QStringLiteral("UF.csv")] = "Codigo,Sigla\n29,QX\n";
    const QString delivered = writeDeliveredFolder(dir.path(), files);
    const ProgramFolder folder(dir.filePath(QStringLiteral("home")));
    QString message;
    EXPECT_EQ(storage::layOutProgramFolder(folder, delivered, false, &message), storage::InitOutcome::Failed);
    EXPECT_TRUE(message.contains(QStringLiteral("UF.csv"))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("Sigla"))) << message.toStdString();
    EXPECT_FALSE(QFile::exists(folder.dbFile()));
    EXPECT_TRUE(QDir(folder.dbDir()).entryList(QDir::Files).isEmpty());

    // With force over a working database: the failure leaves it as it was.
    LaidOutFolder home;
    const QByteArray before = readFile(home.folder.dbFile());
    EXPECT_EQ(storage::layOutProgramFolder(home.folder, delivered, true, &message), storage::InitOutcome::Failed);
    EXPECT_EQ(readFile(home.folder.dbFile()), before);
    EXPECT_EQ(QDir(home.folder.dbDir()).entryList(QDir::Files), QStringList{QStringLiteral("vexa.db")});
}

TEST(ProgramFolderInit, TheDeliveredIndexListNamesEveryKeyAndIndexInTableGroups) {
    const storage::IndexList list = storage::readIndexList(
        QDir(qEnvironmentVariable("VEXA_SOURCE_DIR")).filePath(QStringLiteral("data/program/VexaIdx90.ini")));
    ASSERT_EQ(list.entries.size(), list.total);
    QStringList fromList;
    for (const storage::IndexListEntry& e : list.entries)
        fromList << e.table + QLatin1Char('|') + e.name + QLatin1Char('|') + e.fields.join(QLatin1Char(';'));
    QStringList fromSchema;
    for (const schema::Table& t : schema::tables()) {
        if (!t.key.isEmpty()) fromSchema << t.name + QStringLiteral("||") + t.key.join(QLatin1Char(';'));
        for (const schema::Index& i : t.indexes)
            fromSchema << t.name + QLatin1Char('|') + i.name + QLatin1Char('|') + i.fields.join(QLatin1Char(';'));
    }
    EXPECT_EQ(fromList, fromSchema);
}

// The program folder that the other test binaries use, laid out from the real
// delivered reference data.
TEST(ProgramFolderInit, TheRealDeliveredDataLaysOutAProgramFolder) {
    if (!QFileInfo::exists(TempProgramFolder::deliveredDir() + QStringLiteral("/reference")))
        GTEST_SKIP() << "no delivered folder in the build";
    TempProgramFolder home(false);
    for (const char* table : {"UF", "AliquotaUF", "Municipios", "Atividades", "cfop", "Tributos", "CalendarioFiscal"})
        EXPECT_GT(query(home.folder(), QStringLiteral("SELECT count(*) FROM %1").arg(QString::fromLatin1(table)))[0][0].toInt(), 0)
            << table;
}

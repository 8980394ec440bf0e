// Laying out a program folder: every table with its columns, keys and indexes,
// the reference rows, the delivered files; refusal of an existing database.
#include "storage/Engine.h"
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

namespace {

// "name type" of each column as the engine's catalog tells it, in table order
// (PostgreSQL: every text compares byte by byte, COLLATE "C").
QStringList catalogColumns(const ProgramFolder& folder, const QString& table) {
    QStringList out;
    if (!onServer()) {
        for (const QVariantList& r : query(folder, QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), {table}))
            out << (r[0].toString() + QLatin1Char(' ') + r[1].toString()).toLower();
        return out;
    }
    for (const QVariantList& r :
         query(folder, QStringLiteral("SELECT column_name, data_type, collation_name FROM information_schema.columns "
                                      "WHERE table_schema = current_schema() AND table_name = lower(CAST(? AS text)) "
                                      "ORDER BY ordinal_position"),
               {table})) {
        QString c = r[0].toString() + QLatin1Char(' ') + r[1].toString();
        if (!r[2].isNull()) c += QStringLiteral(" collate \"") + r[2].toString() + QLatin1Char('"');
        out << c.toLower();
    }
    return out;
}

QStringList expectedColumns(const schema::Table& t) {
    const storage::Engine engine = onServer() ? storage::Engine::PostgreSQL : storage::Engine::SQLite;
    QStringList out;
    for (const schema::Column& c : t.columns) out << (c.name + QLatin1Char(' ') + storage::columnType(engine, c)).toLower();
    if (t.rowNumber) out << (onServer() ? QStringLiteral("seq bigint") : QStringLiteral("seq integer"));
    return out;
}

// The definition of an index: the case-insensitive ones say so.
QString indexDefinition(const ProgramFolder& folder, const QString& index) {
    const auto rows = onServer() ? query(folder, QStringLiteral("SELECT indexdef FROM pg_indexes WHERE indexname = lower(CAST(? AS text))"), {index})
                                 : query(folder, QStringLiteral("SELECT sql FROM sqlite_master WHERE name = ?"), {index});
    return rows.size() == 1 ? rows[0][0].toString() : QString();
}

} // namespace

TEST(ProgramFolderInit, CreatesEveryTableWithItsColumnsKeysAndIndexes) {
    LaidOutFolder home;
    for (const schema::Table& t : schema::tables()) {
        SCOPED_TRACE(t.name.toStdString());
        EXPECT_EQ(catalogColumns(home.folder, t.name), expectedColumns(t));

        const QStringList indexes = indexNames(home.folder, t.name);
        if (!t.key.isEmpty()) {
            EXPECT_TRUE(indexes.contains(schema::keyIndexName(t.name).toLower()));
        }
        for (const schema::Index& i : t.indexes) {
            EXPECT_TRUE(indexes.contains(i.name.toLower())) << i.name.toStdString();
            // PostgreSQL folds the case of text columns; a number has none to fold.
            bool text = false;
            for (const QString& f : i.fields)
                if (const schema::Column* c = schema::findColumn(t, f)) text = text || c->type == schema::Type::Text;
            const QString definition = indexDefinition(home.folder, i.name);
            if (!onServer() || text) {
                EXPECT_TRUE(definition.contains(onServer() ? QStringLiteral("lower(") : QStringLiteral("COLLATE NOCASE")))
                    << definition.toStdString();
            }
        }
    }
    // The names the screens use.
    const QStringList all = indexNames(home.folder);
    for (const char* name : {"idxRazaoSocial", "idxNome", "idxDescricao", "idxDataDesc"})
        EXPECT_EQ(all.count(QString::fromLatin1(name).toLower()), 1) << name;
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT Versao FROM Controle"))[0][0].toString(), QStringLiteral("979"));
}

TEST(ProgramFolderInit, KeysRefuseRepeatedRowsAndSecondaryIndexesIgnoreCase) {
    LaidOutFolder home;
    execute(home.folder, QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF) VALUES ('B', '1', 'QX')"));
    EXPECT_THROW(execute(home.folder, QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF) VALUES ('C', '1', 'QX')")),
                 std::runtime_error);
    execute(home.folder, QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF) VALUES ('a', '1', 'SP')"));
    if (!onServer()) {
        // The name order of the accountant search runs on idxNome, case-insensitive.
        const auto rows = query(home.folder, QStringLiteral("SELECT Nome FROM Declarante INDEXED BY idxNome "
                                                            "WHERE Nome >= 'A' COLLATE NOCASE ORDER BY Nome COLLATE NOCASE"));
        ASSERT_EQ(rows.size(), 2);
        EXPECT_EQ(rows[0][0].toString(), QStringLiteral("a"));
    }

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
    // Nothing but the database (or the connection file of the server's) is left in DB/.
    EXPECT_EQ(QDir(home.folder.dbDir()).entryList(QDir::Files),
              QStringList{onServer() ? QStringLiteral("conexao.ini") : QStringLiteral("vexa.db")});
}

TEST(ProgramFolderInit, ASecondInitIsRefusedUnlessForced) {
    LaidOutFolder home(LaidOutFolder::Kind::SqliteFile);
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
    LaidOutFolder home(LaidOutFolder::Kind::SqliteFile);
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

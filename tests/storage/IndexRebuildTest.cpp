// The index rebuild driven by the index list: groups, broken entries, a list
// without Total, and the list file's own format.
#include "storage/DataModule.h"
#include "storage/Database.h"
#include "storage/IndexList.h"
#include "storage/StorageTestSupport.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;

namespace {

QStringList rebuild(const ProgramFolder& folder, const QByteArray& ini, RecordingProgress* progress = nullptr) {
    const QString path = folder.file(QStringLiteral("VexaIdx90.ini"));
    writeFile(path, ini);
    ScriptedPrompter prompter;
    QString error;
    EXPECT_TRUE(storage::DataModule::rebuildIndexes(folder, path, progress, prompter, &error));
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    return prompter.log();
}

} // namespace

TEST(IndexRebuild, AListWithoutTotalRebuildsNothingButStillEndsTheProgram) {
    LaidOutFolder home;
    ASSERT_TRUE(storage::open(home.folder, nullptr));
    RecordingProgress progress;
    const QStringList shown = rebuild(home.folder, "[Tabelas]\n001=Contribuintes\n[Campos]\n001=IE\n", &progress);
    EXPECT_EQ(shown, QStringList{QStringLiteral("info: Programa será encerrado para concluir a atualização dos índices!")});
    EXPECT_EQ(progress.events, (QStringList{QStringLiteral("begin 0"), QStringLiteral("end")}));
    EXPECT_FALSE(storage::isOpen());   // the rebuild closed the connection
    EXPECT_TRUE(indexNames(home.folder).isEmpty());
    // The rows are all still there.
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM UF"))[0][0].toInt(), 4);
}

TEST(IndexRebuild, BrokenEntriesAreSkippedSilentlyAndTheRestBuilt) {
    LaidOutFolder home;
    execute(home.folder, QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial) VALUES ('1','A'), ('2','B')"));
    RecordingProgress progress;
    const QStringList shown = rebuild(home.folder,
                                      "; a list with faults\n"
                                      "[INDICES]\n"
                                      "total = 9\n"
                                      "001=\n002=\"idxRazaoSocial\"\n003=idxNada\n004=\n005=\n"
                                      "006=idx\"; DROP TABLE Contribuintes; --\n007=sqlite_x\n008=idxNome\n009=\n"
                                      "[tabelas]\n"
                                      "001=Contribuintes\n002=Contribuintes\n003=NaoExiste\n004=Municipios\n"
                                      "005=UF\n006=UF\n007=UF\n008=declarante\n"
                                      "[Campos]\n"
                                      "001= IE \n002=RazaoSocial\n003=Codigo\n004=UF\n005=Codigo;Inexistente\n"
                                      "006=UF\n007=UF\n008= Nome ;\n009=IE\n",
                                      &progress);
    EXPECT_EQ(shown.size(), 1);
    EXPECT_EQ(progress.last, 9);
    EXPECT_EQ(indexNames(home.folder, QStringLiteral("Contribuintes")),
              lowered({QStringLiteral("idxRazaoSocial"), QStringLiteral("pk_Contribuintes")}));
    // A key over a column with repeated values cannot be built.
    EXPECT_TRUE(indexNames(home.folder, QStringLiteral("Municipios")).isEmpty());
    // A name with quotes is a name like any other.
    // SQLite keeps names beginning with "sqlite_" for itself; PostgreSQL builds that one too.
    QStringList onUF = lowered({QStringLiteral("idx\"; DROP TABLE Contribuintes; --")});
    if (onServer()) onUF << QStringLiteral("sqlite_x");
    EXPECT_EQ(indexNames(home.folder, QStringLiteral("UF")), onUF);
    EXPECT_EQ(indexNames(home.folder, QStringLiteral("Declarante")), lowered({QStringLiteral("idxNome")}));
    EXPECT_EQ(query(home.folder, QStringLiteral("SELECT count(*) FROM Contribuintes"))[0][0].toInt(), 2);
}

TEST(IndexRebuild, ATableNamedAgainLaterStartsItsIndexesAfresh) {
    LaidOutFolder home;
    rebuild(home.folder,
            "[Indices]\nTotal=3\n001=\n002=\n003=idxRazaoSocial\n"
            "[Tabelas]\n001=Contribuintes\n002=Declarante\n003=Contribuintes\n"
            "[Campos]\n001=IE\n002=CRC;UF\n003=RazaoSocial\n");
    EXPECT_EQ(indexNames(home.folder, QStringLiteral("Contribuintes")), lowered({QStringLiteral("idxRazaoSocial")}));
    EXPECT_EQ(indexNames(home.folder, QStringLiteral("Declarante")), lowered({QStringLiteral("pk_Declarante")}));
}

TEST(IndexRebuild, AHugeTotalDoesNotMakeTheRebuildRunOn) {
    LaidOutFolder home;
    RecordingProgress progress;
    rebuild(home.folder, "[Indices]\nTotal=2000000000\n001=\n[Tabelas]\n001=UF\n[Campos]\n001=Codigo\n", &progress);
    EXPECT_EQ(progress.events.first(), QStringLiteral("begin 2000000000"));
    EXPECT_EQ(progress.last, 1);
    EXPECT_EQ(indexNames(home.folder), lowered({QStringLiteral("pk_UF")}));
}

TEST(IndexList, ReadsTheFileAsTheRebuildNeedsIt) {
    QTemporaryDir dir;
    EXPECT_EQ(storage::readIndexList(dir.filePath(QStringLiteral("none.ini"))).total, 0);
    writeFile(dir.filePath(QStringLiteral("vexaidx90.INI")),
              "[Indices]\r\nTotal=abc\r\n001=\r\n[Tabelas]\r\n001=UF\r\n");
    EXPECT_EQ(storage::indexListFile(dir.path()), dir.filePath(QStringLiteral("vexaidx90.INI")));
    EXPECT_EQ(storage::readIndexList(dir.filePath(QStringLiteral("vexaidx90.INI"))).total, 0);
    writeFile(dir.filePath(QStringLiteral("b.ini")),
              "[Indices]\r\nTotal= 3 \r\nTotal=1\r\n002=idxA\r\n[Tabelas]\r\n001= UF \r\n002=UF\r\n"
              "[Campos]\r\n002= Codigo ; UF ;\r\n003=x\r\n");
    const storage::IndexList list = storage::readIndexList(dir.filePath(QStringLiteral("b.ini")));
    EXPECT_EQ(list.total, 3);
    ASSERT_EQ(list.entries.size(), 3);
    EXPECT_EQ(list.entries[0].table, QStringLiteral("UF"));
    EXPECT_TRUE(list.entries[0].fields.isEmpty());
    EXPECT_EQ(list.entries[1].name, QStringLiteral("idxA"));
    EXPECT_EQ(list.entries[1].fields, (QStringList{QStringLiteral("Codigo"), QStringLiteral("UF")}));
    EXPECT_TRUE(list.entries[2].table.isEmpty());
}

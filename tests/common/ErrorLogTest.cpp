#include "common/Clock.h"
#include "common/Cp1252.h"
#include "common/ErrorLog.h"
#include "common/TableRoutines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vexa;

namespace {

class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::setInstance(&clock_); }
    void TearDown() override { Clock::setInstance(nullptr); }

    QByteArray logBytes() const {
        QFile f(folder_.file(QStringLiteral("Log.txt")));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    ProgramFolder folder_{dir_.path()};
    FixedClock clock_{QDateTime(QDate(2024, 3, 15), QTime(9, 5, 7))};
};

} // namespace

TEST_F(ErrorLogTest, FirstErrorCreatesTheLogWithOneLine) {
    ScriptedPrompter prompter;
    handleUnhandledError(folder_, QStringLiteral("Tabela não encontrada"), QString(), prompter);
    // Code page 1252, CR LF, an empty third field when no screen is active.
    EXPECT_EQ(logBytes(), QByteArray("\"15/03/2024 09:05:07\";\"Tabela n\xE3o encontrada\";\"\"\r\n"));
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("error: Tabela não encontrada")});
}

TEST_F(ErrorLogTest, LinesAreAppendedOldestFirstAndMessagesKeptAsTheyAre) {
    ASSERT_TRUE(appendErrorLog(folder_, QStringLiteral("um"), QStringLiteral("FrmContribuintes")));
    clock_.set(QDateTime(QDate(2024, 3, 16), QTime(23, 59, 59)));
    ASSERT_TRUE(appendErrorLog(folder_, QStringLiteral("Campo \"IE\"\r\nsegunda linha"), QStringLiteral("FrmVexas")));
    EXPECT_EQ(logBytes(), QByteArray("\"15/03/2024 09:05:07\";\"um\";\"FrmContribuintes\"\r\n"
                                     "\"16/03/2024 23:59:59\";\"Campo \"IE\"\r\nsegunda linha\";\"FrmVexas\"\r\n"));
}

TEST_F(ErrorLogTest, ExistingLogIsKeptWhole) {
    // An old log whose last line lost its line break, with bytes that are not UTF-8.
    {
        QFile f(folder_.file(QStringLiteral("Log.txt")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\"01/01/2020 10:00:00\";\"antigo \xE9\";\"\"");
    }
    ASSERT_TRUE(appendErrorLog(folder_, QStringLiteral("novo"), QString()));
    EXPECT_EQ(logBytes(), QByteArray("\"01/01/2020 10:00:00\";\"antigo \xE9\";\"\"\r\n"
                                     "\"15/03/2024 09:05:07\";\"novo\";\"\"\r\n"));
}

TEST_F(ErrorLogTest, AFolderInPlaceOfTheLogIsReportedAndTheMessageStillShown) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Log.txt")));   // a folder where the file should be
    QString error;
    EXPECT_FALSE(appendErrorLog(folder_, QStringLiteral("x"), QString(), &error));
    EXPECT_FALSE(error.isEmpty());
    ScriptedPrompter prompter;
    handleUnhandledError(folder_, QStringLiteral("x"), QString(), prompter);
    EXPECT_EQ(prompter.last(), QStringLiteral("error: x"));   // the message is still shown
}

TEST(UnhandledErrorHandler, ReachesTheInstalledHandler) {
    QStringList seen;
    setUnhandledErrorHandler([&](const QString& m) { seen << m; });
    reportUnhandledError(QStringLiteral("falhou"));
    setUnhandledErrorHandler({});
    reportUnhandledError(QStringLiteral("sem handler"));
    EXPECT_EQ(seen, QStringList{QStringLiteral("falhou")});
}

TEST(TableRoutines, FirstFailureIsShownAndStopsTheLoop) {
    QStringList loaded;
    QStringList busy;
    auto dataset = [&](const QString& name, const QString& failure, bool open = true) {
        return Dataset{name, [&loaded, name, failure] { loaded << name; return failure; },
                       [open] { return open; }};
    };
    const BusyCallback onBusy = [&](bool b) { busy << (b ? QStringLiteral("wait") : QStringLiteral("normal")); };

    ScriptedPrompter prompter;
    EXPECT_FALSE(OpenAllTables({dataset(QStringLiteral("TblContribuintes"), {}),
                                dataset(QStringLiteral("TblMunicipios"), QStringLiteral("no such table")),
                                dataset(QStringLiteral("TblUF"), {})},
                               prompter, onBusy));
    EXPECT_EQ(loaded, (QStringList{QStringLiteral("TblContribuintes"), QStringLiteral("TblMunicipios")}));
    EXPECT_EQ(prompter.log(),
              QStringList{QStringLiteral("error: Ocorreu um erro ao abrir a tabela TblMunicipios\nno such table")});
    EXPECT_EQ(busy, (QStringList{QStringLiteral("wait"), QStringLiteral("normal")}));

    loaded.clear();
    prompter.clear();
    EXPECT_FALSE(RefreshAllTables({dataset(QStringLiteral("TblFechada"), QStringLiteral("x"), false),
                                   dataset(QStringLiteral("qrVexas"), QStringLiteral("locked"))},
                                  prompter));
    EXPECT_EQ(loaded, QStringList{QStringLiteral("qrVexas")});   // a closed dataset is not refreshed
    EXPECT_EQ(prompter.last(), QStringLiteral("error: Ocorreu um erro ao Atualizar a tabela qrVexas\nlocked"));

    prompter.clear();
    EXPECT_TRUE(OpenTable(dataset(QStringLiteral("TblUF"), {}), prompter));
    EXPECT_TRUE(prompter.log().isEmpty());
}

// The application-wide handler: an error no screen caught is logged to
// Log.txt with the active screen's name and shown in an error box.
#include "AppTestSupport.h"

#include "app/ui/ErrorHandling.h"
#include "common/ErrorLog.h"
#include "common/ui/ActiveScreen.h"

#include <QDialog>
#include <QMessageBox>
#include <QTest>
#include <stdexcept>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;

namespace {

class ErrorHandling : public ::testing::Test {
protected:
    ErrorHandling() : folder(dir.path()) { app::installErrorHandler(folder, prompter); }
    ~ErrorHandling() override { setUnhandledErrorHandler({}); }

    QStringList logLines() const {
        QStringList lines = QString::fromLatin1(readFile(folder.file("Log.txt"))).split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }

    QTemporaryDir dir;
    ProgramFolder folder;
    ScriptedPrompter prompter;
};

} // namespace

TEST_F(ErrorHandling, ErrorWithoutAScreenLogsAnEmptyScreenName) {
    const bool ok = app::runGuarded([]() -> bool { throw std::runtime_error("Tabela Vexas não encontrada"); });
    EXPECT_FALSE(ok);
    const QStringList lines = logLines();
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("\"15/03/2024 "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral("\";\"Tabela Vexas não encontrada\";\"\""))) << lines[0].toStdString();
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("error: Tabela Vexas não encontrada")});
}

TEST_F(ErrorHandling, ErrorInAScreenLogsItsNameAndLaterErrorsAppend) {
    QDialog screen;
    screen.setObjectName(QStringLiteral("FrmContribuintes"));
    screen.show();
    screen.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(activeScreenName(), QStringLiteral("FrmContribuintes"));

    app::runGuarded([]() -> bool { throw std::runtime_error("Key violation.\nTabela Contribuintes"); });
    reportUnhandledError(QStringLiteral("Segundo \"erro\""));
    screen.hide();

    const QByteArray raw = readFile(folder.file("Log.txt"));
    EXPECT_TRUE(raw.contains(";\"Key violation.\nTabela Contribuintes\";\"FrmContribuintes\"\r\n")) << raw.toStdString();
    EXPECT_TRUE(raw.endsWith(";\"Segundo \"erro\"\";\"FrmContribuintes\"\r\n")) << raw.toStdString();
    EXPECT_EQ(prompter.log().size(), 2);
}

TEST_F(ErrorHandling, AMessageBoxOverAScreenCountsAsThatScreen) {
    QDialog screen;
    screen.setObjectName(QStringLiteral("FrmVexas"));
    screen.show();
    QMessageBox box(QMessageBox::Warning, kAppTitle, QStringLiteral("x"), QMessageBox::Ok, &screen);
    box.show();
    box.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    EXPECT_EQ(activeScreenName(), QStringLiteral("FrmVexas"));
}

TEST_F(ErrorHandling, UnknownExceptionsAreReportedToo) {
    EXPECT_FALSE(app::runGuarded([]() -> bool { throw 42; }));
    EXPECT_EQ(logLines().size(), 1);
    EXPECT_EQ(prompter.log().size(), 1);
}

TEST_F(ErrorHandling, WorkThatSucceedsAnswersItsResult) {
    EXPECT_TRUE(app::runGuarded([] { return true; }));
    EXPECT_FALSE(app::runGuarded([] { return false; }));
    EXPECT_TRUE(readFile(folder.file("Log.txt")).isEmpty());
    EXPECT_TRUE(prompter.log().isEmpty());
}

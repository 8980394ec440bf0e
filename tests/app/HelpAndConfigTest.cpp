// The changes page at start, the file Config and the help window.
#include "AppTestSupport.h"

#include "app/ui/AboutBox.h"
#include "app/ui/ProgramConfig.h"
#include "common/ErrorLog.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;

namespace {

void openChangesPageFromMenu(app::MainWindow& w) {
    for (QAction* m : w.menuBar()->actions())
        if (m->text() == QStringLiteral("Ajuda "))
            for (QAction* a : m->menu()->actions())
                if (a->text() == QStringLiteral("Exibir informativo de mudanças da versão")) a->trigger();
}

// The user ticks the box (when it is there) and presses "&Fechar".
void tickAndClose(QDialog& d) {
    auto* help = qobject_cast<app::HelpWindow*>(&d);
    ASSERT_TRUE(help);
    if (help->hideBoxOffered()) help->hideBox()->setChecked(true);
    help->closeAction()->trigger();
}

} // namespace

TEST(ChangesPage, OpensAtFirstStartWithTheBox) {
    ShellFixture f;
    f.show();
    ASSERT_EQ(f.dialogs.size(), 1u);
    EXPECT_EQ(f.dialogs[0].objectName, QStringLiteral("FrmAjuda"));
    EXPECT_EQ(f.dialogs[0].page, QStringLiteral("Quemudou.htm"));
    EXPECT_TRUE(f.dialogs[0].hideBoxVisible);
    EXPECT_FALSE(QFileInfo::exists(f.configPath()));   // closed without ticking: nothing written
}

TEST(ChangesPage, NotOpenedWhenConfigSaysExibir1) {
    for (const QByteArray& config : {QByteArray("EXIBIR=1\r\n"), QByteArray("EXIBIR=1"), QByteArray("exibir = 1 \n"),
                                    QByteArray("lixo\r\n\r\n=3\r\nOUTRO=x\r\nEXIBIR=1\r\n")}) {
        ShellFixture f;
        writeFile(f.configPath(), config);
        f.show();
        EXPECT_TRUE(f.dialogs.empty()) << config.toStdString();
    }
}

TEST(ChangesPage, StillOpensForAnyOtherConfig) {
    static const char binary[] = "\xff\xfe\x00\x01junk\x00" "EXIBIR=1";
    const QByteArray configs[] = {
        "EXIBIR=0\r\n",
        "EXIBIR=\r\n",
        "EXIBIR=11\r\n",
        "EXIBIR\r\n1\r\n",
        "MOSTRAR=1\r\n",
        "EXIBIR=2\r\nEXIBIR=1\r\n",     // the first line of a name is the one that counts
        QByteArray(binary, sizeof binary - 1),   // binary junk: the line's name is not EXIBIR
        "",
    };
    for (const QByteArray& config : configs) {
        ShellFixture f;
        writeFile(f.configPath(), config);
        f.show();
        EXPECT_EQ(f.dialogs.size(), 1u) << config.toStdString();
        EXPECT_EQ(readFile(f.configPath()), config);   // reading never rewrites it
    }
}

TEST(ChangesPage, ConfigThatIsAFolderIsIgnored) {
    ShellFixture f;
    ASSERT_TRUE(QDir().mkdir(f.configPath()));
    f.show();
    EXPECT_EQ(f.dialogs.size(), 1u);
}

TEST(ChangesPage, TickingTheBoxWritesTheSingleLineAndStopsIt) {
    {
        ShellFixture f;
        writeFile(f.configPath(), "EXIBIR=0\r\nOUTRA=coisa\r\n");
        f.answer = tickAndClose;
        f.show();
        ASSERT_EQ(f.dialogs.size(), 1u);
        EXPECT_EQ(readFile(f.configPath()), QByteArray("EXIBIR=1\r\n"));

        // Next start, same folder: no changes page.
        auto next = std::make_unique<app::MainWindow>(f.folder, f.prompter);
        bool opened = false;
        next->setDialogRunner([&](QDialog&) { opened = true; });
        next->show();
        for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
        EXPECT_FALSE(opened);
    }
}

TEST(ChangesPage, ClosingByTheFrameWritesNothing) {
    ShellFixture f;
    f.answer = [](QDialog& d) {
        static_cast<app::HelpWindow&>(d).hideBox()->setChecked(true);
        d.reject();   // the window's close box, not "&Fechar"
    };
    f.show();
    EXPECT_FALSE(QFileInfo::exists(f.configPath()));
}

TEST(ChangesPage, MenuPagesNeverTouchConfig) {
    ShellFixture f;
    writeFile(f.configPath(), "EXIBIR=1\r\n");
    f.show();
    const QDateTime before = QFileInfo(f.configPath()).lastModified();

    f.answer = tickAndClose;
    openChangesPageFromMenu(*f.window);
    ASSERT_EQ(f.dialogs.size(), 1u);
    EXPECT_FALSE(f.dialogs[0].hideBoxVisible);
    EXPECT_EQ(readFile(f.configPath()), QByteArray("EXIBIR=1\r\n"));
    EXPECT_EQ(QFileInfo(f.configPath()).lastModified(), before);

    // Without a Config at all the menu's page does not create one.
    ASSERT_TRUE(QFile::remove(f.configPath()));
    openChangesPageFromMenu(*f.window);
    EXPECT_FALSE(QFileInfo::exists(f.configPath()));
}

TEST(HelpWindow, ShowsThePageOfTheProgramFolder) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    writeFile(folder.file("Orientacoes.htm"),
              "<html><head><meta charset=\"utf-8\"></head><body><h1>Orientações</h1><p>Preenchimento da VEXA</p></body></html>");
    app::HelpWindow help(folder, app::kGuidancePage, false);
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Ajuda Vexa Eletrônica"));
    EXPECT_EQ(help.closeAction()->text(), QStringLiteral("&Fechar"));
    EXPECT_EQ(help.hideBox()->text(), QStringLiteral("Não exibir esta janela novamente"));
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Orientações")));
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Preenchimento da VEXA")));
}

TEST(HelpWindow, MissingPageShowsTheViewersOwnPage) {
    QTemporaryDir dir;
    app::HelpWindow help(ProgramFolder(dir.path()), app::kLayoutPage, false);
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Leiautevexa10.0.htm")));
}

TEST(HelpWindow, ConfigThatCannotBeWrittenIsReportedAndTheWindowStillCloses) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    ASSERT_TRUE(QDir().mkdir(folder.file("Config")));   // a folder where the file should be
    QStringList reported;
    setUnhandledErrorHandler([&](const QString& m) { reported << m; });
    app::HelpWindow help(folder, app::kChangesPage, true);
    help.hideBox()->setChecked(true);
    help.closeClicked();
    setUnhandledErrorHandler({});
    EXPECT_EQ(help.result(), QDialog::Accepted);
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported[0].contains(QStringLiteral("Config")));
    EXPECT_TRUE(QFileInfo(folder.file("Config")).isDir());
}

TEST(AboutBox, NamesTheProgramVersionAuthorityGovernmentAndDate) {
    app::AboutBox about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Sobre o Sistema"));
    QStringList texts;
    for (const QLabel* l : about.findChildren<QLabel*>()) texts << l->text();
    EXPECT_EQ(texts, (QStringList{"VEXA Eletrônica", "Versão 10.0", app::kTaxAuthorityName, app::kGovernmentName,
                                  "07.03.2024"}));
    EXPECT_TRUE(app::kTaxAuthorityName.contains(QStringLiteral("KORVA")));
}

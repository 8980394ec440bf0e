// The main window: captions, toolbar and menu as the user sees them, the
// commands they run, the status bar, the exit question and the index rebuild.
#include "AppTestSupport.h"

#include "app/ui/IndexProgressWindow.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QToolBar>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;
using app::Command;

namespace {

QStringList captions(const QList<QAction*>& actions) {
    QStringList out;
    for (const QAction* a : actions) out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

QMenu* menuTitled(app::MainWindow& w, const QString& title) {
    for (QAction* a : w.menuBar()->actions())
        if (a->text() == title) return a->menu();
    return nullptr;
}

QAction* actionIn(QMenu* menu, const QString& caption) {
    for (QAction* a : menu->actions())
        if (a->text() == caption) return a;
    return nullptr;
}

// Every screen command opens through its opener; the test records which ran.
void recordOpeners(app::MainWindow& w, std::vector<Command>& opened) {
    for (Command c : {Command::Contribuintes, Command::Contabilistas, Command::Vexa, Command::Dare,
                      Command::DareAvulso, Command::CopiarVexa, Command::Imprimir, Command::IGPDI, Command::SELIC,
                      Command::ImportarContabilidade, Command::ImportarVersao96, Command::CopiaSeguranca})
        w.setOpener(c, [&opened, c](QWidget*) { opened.push_back(c); });
}

} // namespace

TEST(MainWindow, CaptionAndDatabaseFolderInTheStatusBar) {
    ShellFixture f;
    writeFile(f.configPath(), "EXIBIR=1\r\n");
    f.show();
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("VEXA - Eletrônica versão 10.0"));
    ASSERT_TRUE(f.window->statusPanel(1));
    EXPECT_EQ(f.window->statusPanel(1)->text(),
              QStringLiteral("Base de Dados: ") + QDir::toNativeSeparators(f.dir.path() + QStringLiteral("/DB/")));
    EXPECT_TRUE(f.window->statusPanel(0)->text().isEmpty());

    // A command's hint shows in the first panel and leaves the database folder in place.
    QAction* exit = f.window->toolBar()->actions().last();
    exit->showStatusText(f.window->toolBar());
    EXPECT_EQ(f.window->statusPanel(0)->text(), QStringLiteral("Finaliza o Programa"));
    EXPECT_TRUE(f.window->statusPanel(1)->isVisible());
    EXPECT_TRUE(f.window->statusPanel(1)->text().startsWith(QStringLiteral("Base de Dados: ")));
}

TEST(MainWindow, ToolbarButtonsInOrderWithTheirHints) {
    ShellFixture f;
    writeFile(f.configPath(), "EXIBIR=1\r\n");
    f.show();
    const QList<QAction*> actions = f.window->toolBar()->actions();
    EXPECT_EQ(captions(actions),
              (QStringList{"&Contribuintes", "&VEXA", "&DARE", "D&ARE Avulso", "C&opiar VEXA", "&Imprimir", "Sai&r"}));
    QStringList hints;
    for (const QAction* a : actions) hints << a->toolTip();
    EXPECT_EQ(hints, (QStringList{"Contribuintes", "VEXA", "DARE", "DARE Avulso", "Cópia VEXA para disquete",
                                  "Imprime Gate ou Vexa por periodo ou contribuinte", "Finaliza o Programa"}));
    // The standalone slip's button exists but is never shown; the others are.
    for (QAction* a : actions) {
        QWidget* button = f.window->toolBar()->widgetForAction(a);
        ASSERT_TRUE(button);
        EXPECT_EQ(button->isVisible(), a->text() != QStringLiteral("D&ARE Avulso")) << a->text().toStdString();
    }
}

TEST(MainWindow, MenuItemsSeparatorsAndHints) {
    ShellFixture f;
    EXPECT_EQ(captions(f.window->menuBar()->actions()), (QStringList{"&Cadastro", "&Ferramentas", "Ajuda "}));

    QMenu* cadastro = menuTitled(*f.window, QStringLiteral("&Cadastro"));
    ASSERT_TRUE(cadastro);
    EXPECT_EQ(captions(cadastro->actions()), (QStringList{"&Contabilistas", "&Contribuintes", "&VEXA", "-", "&DARE",
                                                          "IGP-DI", "SELIC", "-", "&Sair"}));
    EXPECT_EQ(actionIn(cadastro, "&Contribuintes")->statusTip(),
              QStringLiteral("Cadastra novo contribuinte ou altera dados caso já esteja cadastrado"));
    EXPECT_EQ(actionIn(cadastro, "&VEXA")->statusTip(), QStringLiteral("Cadastra nova VEXA ou Altera VEXA já cadastrada."));
    EXPECT_EQ(actionIn(cadastro, "&DARE")->statusTip(), QStringLiteral("Cadastra nova GATE ou Altera GATE já cadastrada."));
    EXPECT_EQ(actionIn(cadastro, "&Sair")->statusTip(), QStringLiteral("Finaliza o programa"));

    QMenu* tools = menuTitled(*f.window, QStringLiteral("&Ferramentas"));
    ASSERT_TRUE(tools);
    EXPECT_EQ(captions(tools->actions()),
              (QStringList{"&Importar dados do sistema de contablidade p/ VEXA Eletrônica",
                           "Importar Contribuintes, Contabilistas e VEXAS da Versão 9.6", "-", "&Cópia de Segurança",
                           "&Reindexar Arquivos"}));

    QMenu* help = menuTitled(*f.window, QStringLiteral("Ajuda "));
    ASSERT_TRUE(help);
    EXPECT_EQ(captions(help->actions()), (QStringList{"&Orientação para preenchimento",
                                                      "Exibir informativo de mudanças da versão", "&LEIAUTE 10.0", "-",
                                                      "&Sobre o Sistema"}));
}

TEST(MainWindow, EachCommandOpensItsScreenAndNothingOpensTheStandaloneSlip) {
    ShellFixture f;
    std::vector<Command> opened;
    recordOpeners(*f.window, opened);

    for (QAction* a : f.window->toolBar()->actions())
        if (a->text() != QStringLiteral("Sai&r")) a->trigger();
    EXPECT_EQ(opened, (std::vector<Command>{Command::Contribuintes, Command::Vexa, Command::Dare, Command::DareAvulso,
                                            Command::CopiarVexa, Command::Imprimir}));

    opened.clear();
    for (const QString& title : {QStringLiteral("&Cadastro"), QStringLiteral("&Ferramentas")})
        for (QAction* a : menuTitled(*f.window, title)->actions())
            if (!a->isSeparator() && a->text() != QStringLiteral("&Sair") && a->text() != QStringLiteral("&Reindexar Arquivos"))
                a->trigger();
    EXPECT_EQ(opened, (std::vector<Command>{Command::Contabilistas, Command::Contribuintes, Command::Vexa, Command::Dare,
                                            Command::IGPDI, Command::SELIC, Command::ImportarContabilidade,
                                            Command::ImportarVersao96, Command::CopiaSeguranca}));
}

TEST(MainWindow, CommandsWithoutAScreenDoNothing) {
    ShellFixture f;
    EXPECT_FALSE(f.window->hasOpener(Command::Vexa));
    f.window->runCommand(Command::Vexa);
    f.window->toolBar()->actions().first()->trigger();
    EXPECT_TRUE(f.prompter.log().isEmpty());
    EXPECT_TRUE(f.dialogs.empty());
}

TEST(MainWindow, HelpMenuOpensThePagesWithoutTheBoxAndTheAboutBox) {
    ShellFixture f;
    QMenu* help = menuTitled(*f.window, QStringLiteral("Ajuda "));
    for (QAction* a : help->actions())
        if (!a->isSeparator()) a->trigger();
    ASSERT_EQ(f.dialogs.size(), 4u);
    EXPECT_EQ(f.dialogs[0].page, QStringLiteral("Orientacoes.htm"));
    EXPECT_EQ(f.dialogs[1].page, QStringLiteral("Quemudou.htm"));
    EXPECT_EQ(f.dialogs[2].page, QStringLiteral("Leiautevexa10.0.htm"));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.dialogs[i].title, QStringLiteral("Ajuda Vexa Eletrônica"));
        EXPECT_FALSE(f.dialogs[i].hideBoxVisible);
    }
    EXPECT_EQ(f.dialogs[3].title, QStringLiteral("Sobre o Sistema"));
}

TEST(MainWindow, ExitAsksForABackupAndOpensItOnYes) {
    ShellFixture f;
    writeFile(f.configPath(), "EXIBIR=1\r\n");
    std::vector<Command> opened;
    recordOpeners(*f.window, opened);
    f.show();
    f.prompter.queueAnswer(true);
    f.window->exitProgram();
    EXPECT_EQ(f.prompter.log(), QStringList{QStringLiteral("ask:  Deseja realizar cópia de segurança agora?")});
    EXPECT_EQ(opened, std::vector<Command>{Command::CopiaSeguranca});
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_TRUE(f.window->isEnding());
}

TEST(MainWindow, ExitAnsweredNoClosesWithoutBackup) {
    ShellFixture f;
    writeFile(f.configPath(), "EXIBIR=1\r\n");
    std::vector<Command> opened;
    recordOpeners(*f.window, opened);
    f.show();
    f.prompter.queueAnswer(false);
    // The menu's "&Sair" does the same as the toolbar's "Sai&r".
    actionIn(menuTitled(*f.window, QStringLiteral("&Cadastro")), QStringLiteral("&Sair"))->trigger();
    EXPECT_EQ(f.prompter.log().size(), 1);
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(f.window->isVisible());
}

TEST(MainWindow, ReindexShowsProgressThenEndsWithoutTheBackupQuestion) {
    ShellFixture f;
    writeFile(f.configPath(), "EXIBIR=1\r\n");
    f.show();
    int maximum = -1;
    bool windowShown = false;
    f.window->setReindexer([&](storage::RebuildProgress* progress, Prompter& p) {
        progress->begin(3);
        auto* w = dynamic_cast<app::IndexProgressWindow*>(progress);
        if (w) {
            windowShown = w->isVisible() && w->windowTitle() == QStringLiteral("Aguarde Criando Índices...");
            maximum = w->gauge()->maximum();
        }
        for (int i = 1; i <= 3; ++i) progress->step(i);
        progress->end();
        p.info(QStringLiteral("Programa será encerrado para concluir a atualização dos índices!"));
        return true;
    });
    actionIn(menuTitled(*f.window, QStringLiteral("&Ferramentas")), QStringLiteral("&Reindexar Arquivos"))->trigger();
    EXPECT_TRUE(windowShown);
    EXPECT_EQ(maximum, 3);
    EXPECT_EQ(f.prompter.log(),
              QStringList{QStringLiteral("info: Programa será encerrado para concluir a atualização dos índices!")});
    EXPECT_FALSE(f.window->isVisible());
    EXPECT_TRUE(f.window->isEnding());
}

TEST(IndexProgressWindow, GaugeFollowsTheRebuildAndRestoresTheCursor) {
    app::IndexProgressWindow w;
    w.begin(10);
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.gauge()->maximum(), 10);
    w.step(4);
    EXPECT_EQ(w.gauge()->value(), 4);
    w.step(99);   // never past the end
    EXPECT_EQ(w.gauge()->value(), 10);
    w.end();
    EXPECT_FALSE(w.isVisible());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The screen "Cópia de Segurança" driven by its buttons: a backup to a chosen
// file, a restore refused for its title, declined, then made; "Retornar" while
// the archive is written offers to abort it. With VEXA_SCREENSHOT_DIR set the
// screen is drawn there, idle and at work.

#include "ArchiveBuilder.h"
#include "BackupFixture.h"

#include "app/ui/MainWindow.h"
#include "app/ui/Screens.h"
#include "backup/ui/FrmCopiaSeguranca.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vexa;
using namespace vexa::backup;
using namespace vexa::test;
using Frm = vexa::backup::ui::FrmCopiaSeguranca;

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class FrmCopiaSegurancaTest : public BackupTest {
protected:
    std::unique_ptr<Frm> screen;
    QStringList proposed;
    QString toSave, toOpen;
    int ended = 0;

    void open() {
        screen = std::make_unique<Frm>(prompter, folder.folder());
        screen->setSaveChooser([this](QWidget*, const QString& name) {
            proposed << name;
            return toSave;
        });
        screen->setOpenChooser([this](QWidget*) { return toOpen; });
        screen->setProgramEnder([this] { ++ended; });
        screen->show();
        QApplication::setActiveWindow(screen.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        settle();
    }
    void TearDown() override {
        screen.reset();
        BackupTest::TearDown();
    }
    QPushButton* button(const char* name) const { return screen->findChild<QPushButton*>(QString::fromLatin1(name)); }
    QProgressBar* bar() const { return screen->findChild<QProgressBar*>(QStringLiteral("pbProgresso")); }
    QString textLine() const { return screen->findChild<QLabel*>(QStringLiteral("lblTexto"))->text(); }
    void press(const char* name) {
        QTest::mouseClick(button(name), Qt::LeftButton);
        settle();
    }
    void keep(const QString& name) {
        const QPixmap picture = screen->grab();
        ASSERT_FALSE(picture.isNull());
        const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
        if (!dir.isEmpty()) {
            EXPECT_TRUE(picture.save(QDir(dir).filePath(name + ".png")));
        }
    }
};

TEST_F(FrmCopiaSegurancaTest, BackupThenARestoreRefusedDeclinedAndMade) {
    storeSomeRows();
    const QStringList before = snapshot();
    open();
    EXPECT_EQ(screen->windowTitle(), "Cópia de Segurança");
    EXPECT_EQ(button("btnIniciar")->text(), "Iniciar Cópia");
    EXPECT_EQ(button("btnRestaurar")->text(), "Restaurar Cópia");
    EXPECT_EQ(button("btnRetornar")->text(), "Retornar");
    EXPECT_FALSE(bar()->isVisible()) << "hidden while idle";
    keep("FrmCopiaSeguranca");

    toSave = archivePath();
    press("btnIniciar");
    EXPECT_EQ(proposed, QStringList{"VEXA10-15032024-1030.bak"});
    EXPECT_EQ(prompter.log(), QStringList{"info: Cópia efetuada com sucesso!"});
    EXPECT_TRUE(QFileInfo(archivePath()).size() > 0);
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_TRUE(textLine().isEmpty());
    EXPECT_TRUE(button("btnIniciar")->isEnabled());
    EXPECT_TRUE(storage::isOpen());

    const QString other = elsewhere.filePath("outro.bak");
    ArchiveBuilder().header("VEXA96", 0, 0).end().save(other);
    toOpen = other;
    prompter.clear();
    press("btnRestaurar");
    EXPECT_EQ(prompter.log(), QStringList{"warn: O arquivo " + other + " não é um arquivo de BACKUP da VEXA 10.0 !"});

    exec("DELETE FROM Vexas");
    const QStringList changed = snapshot();
    toOpen = archivePath();
    prompter.clear();
    prompter.queueAnswer(false);
    press("btnRestaurar");
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_TRUE(prompter.log()[0].endsWith(archivePath() + "!\rDeseja continuar?"));
    EXPECT_EQ(snapshot(), changed);

    prompter.clear();
    prompter.queueAnswer(true);
    press("btnRestaurar");
    EXPECT_EQ(prompter.log().mid(1), (QStringList{"info: Programa será encerrado para concluir a atualização dos índices!",
                                                  "warn: Restauração concluída com sucesso!"}));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(screen->isVisible());
    ASSERT_TRUE(reopen());
    EXPECT_EQ(snapshot(), before);
}

TEST_F(FrmCopiaSegurancaTest, RetornarWhileTheArchiveIsWrittenOffersToAbort) {
    open();
    toSave = archivePath();
    int polls = 0;
    screen->setPollHook([&] {
        if (polls++ != 1) return;
        EXPECT_TRUE(bar()->isVisible());
        EXPECT_FALSE(button("btnIniciar")->isEnabled());
        keep("FrmCopiaSeguranca-copiando");
        QTest::mouseClick(button("btnRetornar"), Qt::LeftButton);
    });
    prompter.queueAnswer(false);   // go on
    press("btnIniciar");
    EXPECT_EQ(screen->lastOutcome(), BackupOutcome::Done);
    EXPECT_EQ(prompter.log(), (QStringList{"ask: Do you want to abort the operation", "info: Cópia efetuada com sucesso!"}));

    polls = 0;
    prompter.clear();
    prompter.queueAnswer(true);    // abort
    press("btnIniciar");
    EXPECT_EQ(screen->lastOutcome(), BackupOutcome::Failed);
    EXPECT_EQ(prompter.log(), (QStringList{"ask: Do you want to abort the operation", "info: Cópia falhou ou foi cancelada!"}));
    EXPECT_TRUE(screen->isVisible());
    EXPECT_TRUE(storage::isOpen());

    press("btnRetornar");
    EXPECT_FALSE(screen->isVisible()) << "idle, Retornar closes the screen";
}

TEST_F(FrmCopiaSegurancaTest, TheExitQuestionOpensTheScreen) {
    app::MainWindow window(folder.folder(), prompter);
    app::registerScreens(window);
    QString title;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            title = modal->windowTitle();
            static_cast<QDialog*>(modal)->reject();
        }
    });
    prompter.queueAnswer(true);
    window.exitProgram();
    EXPECT_EQ(prompter.log(), QStringList{"ask:  Deseja realizar cópia de segurança agora?"});
    EXPECT_EQ(title, "Cópia de Segurança");
}

} // namespace

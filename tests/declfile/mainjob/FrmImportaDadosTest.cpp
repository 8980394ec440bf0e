// The screen "Importa arquivo de VEXA" driven as a user would: the file
// dialog, the response area filling declaration by declaration, the progress
// bar over the file's declarations, "Cancelar" and closing the window in the
// middle of a run (the declaration in hand is finished, whole), refused
// files, a run that fails, and the main window's menu command.

#include "SampleFolder.h"

#include "app/ui/Commands.h"
#include "app/ui/MainWindow.h"
#include "app/ui/Screens.h"
#include "declfile/ui/FrmImportaDados.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;
using Frm = vexa::declfile::ui::FrmImportaDados;

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class FrmImportaDadosTest : public ::testing::Test {
protected:
    std::unique_ptr<SampleProgramFolder> folder;
    ScriptedPrompter prompter;
    std::unique_ptr<Frm> screen;
    QString chosen;          // what the file dialog answers (empty: cancel)
    int dialogs = 0;         // times the file dialog was opened
    QTemporaryDir files;

    void SetUp() override {
        folder = std::make_unique<SampleProgramFolder>();
        chosen = samplePath();
        screen = std::make_unique<Frm>(prompter);
        screen->setFileChooser([this](QWidget*) {
            ++dialogs;
            return chosen;
        });
        screen->show();
        QApplication::setActiveWindow(screen.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(screen.get()));
        settle();
    }
    void TearDown() override {
        screen.reset();
        folder.reset();
    }
    template <typename T>
    T* child(const char* name) const {
        return screen->findChild<T*>(QString::fromLatin1(name));
    }
    void press(const char* name) {
        QPushButton* b = child<QPushButton>(name);
        ASSERT_TRUE(b && b->isEnabled() && b->isVisible()) << name;
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    QString response() const { return child<QPlainTextEdit>("Response")->toPlainText(); }
    QString status() const { return child<QLabel>("StatusPanel")->text(); }
    QProgressBar* bar() const { return child<QProgressBar>("pbDeclaracoes"); }
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = files.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }
    // The keys of the sample's declarations, in file order.
    static QStringList sampleKeys() {
        QStringList keys;
        for (const AccountBlock& b : accountBlocks(splitLines(sampleBytes()))) keys << b.key;
        return keys;
    }
    // Declarations stored whole: marked as imported, with every record of the sample.
    static QStringList wholeDeclarations() {
        QStringList keys;
        const QMap<QString, StoredDeclaration> stored = storedDeclarations();
        for (const AccountBlock& b : accountBlocks(splitLines(sampleBytes())))
            if (stored.contains(b.key) && stored[b.key].imported && stored[b.key].records == b.records) keys << b.key;
        return keys;
    }
};

TEST_F(FrmImportaDadosTest, OpensWithItsButtonsAndAnEmptyResponse) {
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Importa arquivo de VEXA"));
    EXPECT_EQ(child<QPushButton>("btnImportar")->text(), QStringLiteral("Importar VEXA"));
    EXPECT_EQ(child<QPushButton>("btnRetornar")->text(), QStringLiteral("Retornar"));
    EXPECT_FALSE(child<QPushButton>("btnCancelar")->isVisible());
    EXPECT_FALSE(bar()->isVisible());
    EXPECT_TRUE(response().isEmpty());
    EXPECT_TRUE(child<QPlainTextEdit>("Response")->isReadOnly());
}

TEST_F(FrmImportaDadosTest, TheSampleFileIsImportedDeclarationByDeclarationWithItsResponse) {
    QStringList shownWhileRunning;
    QList<int> progressWhileRunning;
    screen->setProgressObserver([&](const ImportProgress& p) {
        shownWhileRunning << response();
        progressWhileRunning << bar()->value();
        EXPECT_TRUE(screen->running());
        EXPECT_FALSE(child<QPushButton>("btnImportar")->isEnabled());
        EXPECT_FALSE(child<QPushButton>("btnRetornar")->isEnabled());
        EXPECT_TRUE(child<QPushButton>("btnCancelar")->isEnabled());
        EXPECT_EQ(p.newLines.size(), 1);
        return true;
    });
    press("btnImportar");
    EXPECT_EQ(dialogs, 1);
    EXPECT_FALSE(screen->running());

    const ImportResult& r = screen->lastResult();
    EXPECT_EQ(r.end, ImportEnd::Finished);
    EXPECT_EQ(r.imported, 12);
    EXPECT_EQ(screen->declarationsInFile(), 12);
    EXPECT_EQ(bar()->maximum(), 12);
    EXPECT_EQ(bar()->value(), 12);
    EXPECT_TRUE(bar()->isVisible());
    EXPECT_FALSE(child<QPushButton>("btnCancelar")->isVisible());
    EXPECT_TRUE(child<QPushButton>("btnImportar")->isEnabled());
    EXPECT_EQ(status(), QStringLiteral("Importação concluída.   Importadas: 12   Recusadas: 0   Já cadastradas: 0"));

    // The area shows the response as it grew: before each declaration's
    // answer only the earlier ones, and at the end every line, its CR LF
    // breaks shown as lines.
    ASSERT_EQ(shownWhileRunning.size(), 12);
    EXPECT_TRUE(shownWhileRunning.first().isEmpty());
    EXPECT_EQ(progressWhileRunning, (QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
    for (int i = 1; i < 12; ++i) EXPECT_EQ(shownWhileRunning[i].count(QStringLiteral("Importada com sucesso.")), i);
    QString expected;
    for (const QString& line : r.response) expected += QStringLiteral("\n") + QString(line).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(response(), expected.mid(1));
    EXPECT_TRUE(response().startsWith(QStringLiteral("\nInscrição Estadual: 29.310.452-2\nRazão Social: SUPERMERCADO BOA "
                                                     "COLHEITA LTDA\nPeríodo de Referência: 01/2024 Importada com sucesso.")))
        << response().toStdString();
    EXPECT_EQ(wholeDeclarations(), sampleKeys());

    // The same file again: every declaration is already there.
    press("btnImportar");
    EXPECT_EQ(screen->lastResult().alreadyImported, 12);
    EXPECT_EQ(response().count(QStringLiteral("Já cadastrada para esse Período de Referência.")), 12);
    EXPECT_FALSE(response().contains(QStringLiteral("Importada com sucesso.")));
}

TEST_F(FrmImportaDadosTest, CancelStopsAfterTheDeclarationInHandAndLeavesTheRestForLater) {
    screen->setProgressObserver([&](const ImportProgress& p) {
        if (p.declarations == 3) {
            press("btnCancelar");
            EXPECT_FALSE(child<QPushButton>("btnCancelar")->isEnabled());
            EXPECT_TRUE(status().startsWith(QStringLiteral("Cancelando")));
        }
        return true;
    });
    press("btnImportar");
    EXPECT_EQ(screen->lastResult().end, ImportEnd::Cancelled);
    EXPECT_EQ(screen->lastResult().imported, 3);
    EXPECT_EQ(bar()->value(), 3);
    EXPECT_EQ(status(), QStringLiteral("Importação cancelada depois da declaração 3 de 12.   Importadas: 3   "
                                       "Recusadas: 0   Já cadastradas: 0"));
    EXPECT_EQ(response().count(QStringLiteral("Importada com sucesso.")), 3);
    // The three declarations read are whole; nothing of the others is stored.
    EXPECT_EQ(wholeDeclarations(), sampleKeys().mid(0, 3));
    EXPECT_EQ(storedDeclarations().size(), 3);
    EXPECT_EQ(orphanRows(), 0);

    // Importing the file again finds the first three and brings the others in.
    screen->setProgressObserver({});
    press("btnImportar");
    EXPECT_EQ(screen->lastResult().alreadyImported, 3);
    EXPECT_EQ(screen->lastResult().imported, 9);
    EXPECT_EQ(wholeDeclarations(), sampleKeys());
}

TEST_F(FrmImportaDadosTest, ClosingTheWindowDuringARunCancelsItAndTheScreenStaysOpen) {
    screen->setProgressObserver([&](const ImportProgress& p) {
        if (p.declarations == 2) {
            QTest::keyClick(screen.get(), Qt::Key_Escape);
            screen->close();
            EXPECT_TRUE(screen->isVisible());
        }
        return true;
    });
    press("btnImportar");
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->lastResult().end, ImportEnd::Cancelled);
    EXPECT_EQ(wholeDeclarations(), sampleKeys().mid(0, 2));
    press("btnRetornar");
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(FrmImportaDadosTest, CancellingTheFileDialogChangesNothing) {
    press("btnImportar");
    const QString before = response();
    chosen.clear();
    press("btnImportar");
    EXPECT_EQ(dialogs, 2);
    EXPECT_EQ(response(), before);
    EXPECT_EQ(screen->lastResult().imported, 12);
}

TEST_F(FrmImportaDadosTest, RefusedFilesAndAFailedRunAreShownAndLeaveNothing) {
    chosen = write(QStringLiteral("b.txt"), "B29310452  01202400\r\n");
    press("btnImportar");
    EXPECT_EQ(response(), QStringLiteral("Formato do Arquivo inválido!!!"));
    EXPECT_EQ(status(), QStringLiteral("Arquivo recusado: nenhuma VEXA foi importada."));

    chosen = write(QStringLiteral("vazio.txt"), "");
    press("btnImportar");
    EXPECT_EQ(response(), QStringLiteral("Formato do arquivo inválido!!!"));

    // The second declaration carries an amount that is no number: the run
    // stops there with the reason in a box and in the area; the first stays.
    QList<QByteArray> lines = splitLines(sampleBytes());
    int second = -1;
    for (int i = 1; i < lines.size() && second < 0; ++i)
        if (lines[i].startsWith('A')) second = i;
    lines[second + 1].replace(25, 14, "000000012A4500");
    chosen = write(QStringLiteral("quebrado.txt"), lines.join("\r\n") + "\r\n");
    prompter.clear();
    press("btnImportar");
    EXPECT_EQ(screen->lastResult().end, ImportEnd::Failed);
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_TRUE(prompter.last().startsWith(QStringLiteral("error: Importação interrompida na linha ")))
        << prompter.last().toStdString();
    EXPECT_TRUE(response().endsWith(screen->lastResult().failure));
    EXPECT_TRUE(status().startsWith(QStringLiteral("Importação interrompida.")));
    EXPECT_EQ(wholeDeclarations(), sampleKeys().mid(0, 1));
    EXPECT_EQ(storedDeclarations().size(), 1);
    EXPECT_TRUE(child<QPushButton>("btnImportar")->isEnabled());
}

TEST_F(FrmImportaDadosTest, APeriodBefore2009EndsTheRunAfterItsWarning) {
    QList<QByteArray> lines = splitLines(sampleBytes());
    int second = -1;
    for (int i = 1; i < lines.size() && second < 0; ++i)
        if (lines[i].startsWith('A')) second = i;
    lines[second].replace(14, 4, "2008");
    chosen = write(QStringLiteral("antigo.txt"), lines.join("\r\n") + "\r\n");
    press("btnImportar");
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: ") + kOldPeriodWarning});
    EXPECT_EQ(screen->lastResult().end, ImportEnd::OldPeriod);
    EXPECT_TRUE(status().startsWith(QStringLiteral("Importação encerrada no período anterior a 01/2009.")));
    EXPECT_EQ(wholeDeclarations(), sampleKeys().mid(0, 1));
}

TEST_F(FrmImportaDadosTest, TheMainWindowsToolsMenuOpensTheScreen) {
    app::MainWindow window(folder->folder(), prompter);
    app::registerScreens(window);
    ASSERT_TRUE(window.hasOpener(app::Command::ImportarContabilidade));
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        title = modal->windowTitle();
        if (modal->objectName() == QLatin1String("FrmImportaDados")) static_cast<QDialog*>(modal)->reject();
    });
    window.runCommand(app::Command::ImportarContabilidade);
    EXPECT_EQ(title, QStringLiteral("Importa arquivo de VEXA"));
}

// With VEXA_SCREENSHOT_DIR set the picture is written there, to be looked at.
TEST_F(FrmImportaDadosTest, Screenshot) {
    QList<QByteArray> lines = splitLines(sampleBytes());
    // One declaration refused, to show its messages among the answers.
    for (QByteArray& line : lines)
        if (line.startsWith("Z296331252  022024")) line.replace(20, 3, "099");
    chosen = write(QStringLiteral("vexa-exemplo.txt"), lines.join("\r\n") + "\r\n");
    screen->resize(820, 560);
    QPixmap running;   // in the middle of the run, with its cancel button
    screen->setProgressObserver([&](const ImportProgress& p) {
        if (p.declarations == 5) running = screen->grab();
        return true;
    });
    press("btnImportar");
    EXPECT_EQ(screen->lastResult().refused, 1);
    const QPixmap picture = screen->grab();
    ASSERT_FALSE(picture.isNull());
    ASSERT_FALSE(running.isNull());
    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(picture.save(QDir(dir).filePath(QStringLiteral("FrmImportaDados.png"))));
        EXPECT_TRUE(running.save(QDir(dir).filePath(QStringLiteral("FrmImportaDados-executando.png"))));
    }
}

} // namespace

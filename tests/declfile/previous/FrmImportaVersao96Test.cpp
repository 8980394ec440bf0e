// The screen of the 9.6 import: "Importar" follows the file list on the
// timer's tick, the run over the chosen folder, its messages.

#include "PreviousFixture.h"

#include "declfile/ui/FrmImportaVersao96.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;

namespace {

class FrmImportaVersao96Test : public PreviousTest {
protected:
    void SetUp() override {
        PreviousTest::SetUp();
        screen = std::make_unique<ui::FrmImportaVersao96>(prompter);
        screen->show();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        screen.reset();
        PreviousTest::TearDown();
    }
    QPushButton* button(const char* name) const { return screen->findChild<QPushButton*>(QString::fromLatin1(name)); }

    ScriptedPrompter prompter;
    std::unique_ptr<ui::FrmImportaVersao96> screen;
};

TEST_F(FrmImportaVersao96Test, ImportarFollowsTheFileListAndRunsTheImport) {
    EXPECT_EQ(screen->windowTitle(), QString());
    EXPECT_EQ(screen->timer()->interval(), 200);
    EXPECT_TRUE(screen->timer()->isActive());
    QStringList texts;
    for (const QLabel* l : screen->findChildren<QLabel*>()) texts << l->text();
    for (const char* t : {"Selecione a pasta onde encontram-se os arquivos da", "VEXA 9.6 e clique em importar.",
                          "Esta opção importa os dados dos contribuintes, ", "contabilistas e VEXAS cadastrados no ",
                          "programa ", "VEXA 9.6."})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;

    // An empty folder: nothing to import.
    screen->setFolder(source());
    screen->tick();
    EXPECT_TRUE(screen->files().isEmpty());
    EXPECT_FALSE(button("btnImportar")->isEnabled());

    // Only the three main tables are listed, spelled as in the folder.
    writeSampleFolder(source());
    screen->setFolder(QDir::tempPath());
    screen->setFolder(source());
    EXPECT_EQ(screen->files(), (QStringList{"Contribuintes.db", "Declarante.db", "VEXAS.DB"}));
    EXPECT_FALSE(button("btnImportar")->isEnabled());   // until the timer ticks
    QTRY_VERIFY_WITH_TIMEOUT(button("btnImportar")->isEnabled(), 2000);

    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) screen->grab().save(QDir(dir).filePath("frmimportaversao96.png"));

    QTest::mouseClick(button("btnImportar"), Qt::LeftButton);
    EXPECT_EQ(prompter.log(), QStringList{"info: " + kPreviousImportDone});
    EXPECT_TRUE(screen->lastResult().ok);
    EXPECT_EQ(count("SELECT count(*) FROM Vexas WHERE IE = ?", {kNewIE}), 3);
    EXPECT_TRUE(button("btnImportar")->isEnabled());

    QTest::mouseClick(button("btnRetornar"), Qt::LeftButton);
    EXPECT_FALSE(screen->isVisible());
}

TEST_F(FrmImportaVersao96Test, AFailureShowsItsMessageAndImportsNothing) {
    writeSampleFolder(source());
    QFile broken(sourceFile("VEXAS.DB"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write(QByteArray(3000, 'x'));
    broken.close();
    const QStringList before = picture();
    screen->setFolder(source());
    screen->tick();
    QTest::mouseClick(button("btnImportar"), Qt::LeftButton);
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_TRUE(prompter.last().startsWith("error: Não foi possível importar o arquivo \"VEXAS.DB\""))
        << prompter.last().toStdString();
    EXPECT_EQ(picture(), before);
    EXPECT_TRUE(QFile::exists(folder().path("Log.txt")));
}

} // namespace

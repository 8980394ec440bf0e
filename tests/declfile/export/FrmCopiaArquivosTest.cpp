// The screen "Cópia de Arquivos" driven as a user would: the period proposed
// on show, typed key by key, left; the list and its ticks; "Gravar Arquivo"
// through the checks, the save dialog and the message, the written file
// decoded and compared; cancel, errors and nothing ticked write nothing.

#include "support/EngineSql.h"
#include "ExportFixture.h"

#include "common/ui/MaskedLineEdit.h"
#include "declfile/DeclarationReader.h"
#include "declfile/DeclarationRecords.h"
#include "declfile/QxContainer.h"
#include "declfile/ui/FrmCopiaArquivos.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vexa;
using namespace vexa::declfile;
using namespace vexa::test;
using Frm = vexa::declfile::ui::FrmCopiaArquivos;

namespace {

void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

class FrmCopiaArquivosTest : public LayoutTest {
protected:
    ScriptedPrompter prompter;
    std::unique_ptr<Frm> screen;
    MaskedLineEdit* periodo = nullptr;
    QListWidget* list = nullptr;
    QTemporaryDir target;
    QStringList proposed;   // names the save dialog was given
    QString chosen;         // what the user picks in it (empty: cancel)

    void open() {
        screen = std::make_unique<Frm>(prompter);
        screen->setFileChooser([this](QWidget*, const QString& name) {
            proposed << name;
            return chosen;
        });
        screen->show();
        QApplication::setActiveWindow(screen.get());
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        settle();
        periodo = screen->findChild<MaskedLineEdit*>(QStringLiteral("EdtPeriodo"));
        list = screen->findChild<QListWidget*>(QStringLiteral("lstDeclaracoes"));
        ASSERT_TRUE(periodo && list);
    }
    void TearDown() override {
        screen.reset();
        LayoutTest::TearDown();
    }
    QString status() const { return screen->findChild<QLabel*>(QStringLiteral("StatusPanel"))->text(); }
    void typePeriod(const QString& digits) {
        periodo->setFocus(Qt::MouseFocusReason);
        periodo->selectAll();
        QTest::keyClick(periodo, Qt::Key_Backspace);
        QTest::keyClicks(periodo, digits);
        settle();
    }
    void leavePeriod() {
        QTest::keyClick(periodo, Qt::Key_Tab);
        settle();
    }
    void press(const char* name) {
        QTest::mouseClick(screen->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
        settle();
    }
    void twoTaxpayers() {
        storeCleanDeclaration(kOtherIE, QStringLiteral("Mercado Boa Vista"));
        storeCleanDeclaration(kTaxpayerIE, QStringLiteral("Armazém Central"));
        storeCleanDeclaration(kTaxpayerIE, QStringLiteral("Armazém Central"), QStringLiteral("01"));
    }
    static QByteArray textOf(const QList<decl::DeclarationKey>& keys) {
        QList<DeclarationRecords> all;
        for (const auto& k : keys) {
            DeclarationData data;
            QString error;
            EXPECT_TRUE(readDeclaration(k, data, &error));
            all << buildRecords(data).records;
        }
        return submissionText(all);
    }
    static QByteArray fileBytes(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

TEST_F(FrmCopiaArquivosTest, ShowProposesTheMonthBeforeAndListsItQuietly) {
    storeCleanDeclaration(kOtherIE, QStringLiteral("Mercado Boa Vista"), "00", "2024", "02");
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Cópia de Arquivos"));
    EXPECT_EQ(periodo->digits(), QStringLiteral("022024")) << "15/03/2024 minus 30 days";
    EXPECT_EQ(periodo->text(), QStringLiteral("02/2024"));
    ASSERT_EQ(screen->itemTexts().size(), 1);
    EXPECT_EQ(screen->tickedTexts(), screen->itemTexts());
    const QFontMetrics metrics(list->font());
    EXPECT_EQ(metrics.horizontalAdvance(QStringLiteral("iiii")), metrics.horizontalAdvance(QStringLiteral("MMMM")))
        << "fixed pitch, so that the columns of the item text line up";
    EXPECT_TRUE(prompter.log().isEmpty());
}

TEST_F(FrmCopiaArquivosTest, EmptyPeriodOnShowGivesNoWarning) {
    open();
    EXPECT_TRUE(screen->itemTexts().isEmpty());
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();
}

TEST_F(FrmCopiaArquivosTest, TypingListsThePeriodAsItStoodAndLeavingListsTheWholeOne) {
    twoTaxpayers();
    open();
    periodo->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(status(), QStringLiteral("Informe o período no formato MesAno(mmaaaa)"));
    typePeriod(QStringLiteral("072025"));
    EXPECT_TRUE(screen->itemTexts().isEmpty()) << "the sixth digit listed the five before it";
    EXPECT_TRUE(status().isEmpty());
    leavePeriod();
    EXPECT_EQ(screen->itemTexts(),
              QStringList({exportItemText(kTaxpayerIE, QStringLiteral("Armazém Central"), QStringLiteral("01")),
                           exportItemText(kOtherIE, QStringLiteral("Mercado Boa Vista"), QStringLiteral("00"))}));
    EXPECT_EQ(screen->tickedTexts().size(), 2);
    EXPECT_TRUE(prompter.log().isEmpty());

    // One more key lists the period as it stood: the six digits.
    QTest::keyClick(periodo, Qt::Key_Backspace);
    settle();
    EXPECT_EQ(screen->itemTexts().size(), 2);
}

TEST_F(FrmCopiaArquivosTest, AtualizarWarnsForAShortOrEmptyPeriod) {
    open();
    typePeriod(QStringLiteral("07202"));
    screen->atualizar();
    EXPECT_EQ(prompter.last(), QStringLiteral("warn: Informe o Período!"));
    EXPECT_EQ(QApplication::focusWidget(), periodo);

    typePeriod(QStringLiteral("062025"));
    prompter.clear();
    leavePeriod();
    EXPECT_EQ(prompter.log(), QStringList({"warn: Nenhuma VEXA cadastrada para o per&iacute;odo informado!!!"}))
        << "leaving the field runs Atualizar";
    EXPECT_EQ(QApplication::focusWidget(), periodo);
    EXPECT_EQ(periodo->selectedText(), periodo->text());
    press("btnAtualizar");
    EXPECT_EQ(prompter.log().size(), 3) << "the button, and leaving the field for it: "
                                        << prompter.log().join('|').toStdString();
}

TEST_F(FrmCopiaArquivosTest, RetornarFromThePeriodClosesWithoutAnotherWarning) {
    open();
    typePeriod(QStringLiteral("062025"));
    prompter.clear();
    leavePeriod();
    ASSERT_EQ(prompter.log().size(), 1) << "the warning for a period without declarations";
    ASSERT_EQ(QApplication::focusWidget(), periodo);
    // From the field the focus is back in, "Retornar" closes the screen at the first click.
    press("btnRetornar");
    EXPECT_FALSE(screen->isVisible());
    EXPECT_EQ(prompter.log().size(), 1) << prompter.log().join('|').toStdString();
}

TEST_F(FrmCopiaArquivosTest, NothingTickedWarnsAndWritesNothing) {
    twoTaxpayers();
    open();
    typePeriod(QStringLiteral("072025"));
    leavePeriod();
    press("btnDesmarcarTodas");
    EXPECT_TRUE(screen->tickedTexts().isEmpty());
    prompter.clear();
    screen->gravarArquivo();
    EXPECT_EQ(prompter.log(),
              QStringList({"warn: Nenhuma VEXA foi selecionada, informe o período desejado e clique em Atualizar."}));
    EXPECT_TRUE(proposed.isEmpty());
    press("btnMarcarTodas");
    EXPECT_EQ(screen->tickedTexts().size(), 2);
}

TEST_F(FrmCopiaArquivosTest, FromPeriodToWrittenFile) {
    twoTaxpayers();
    chosen = target.filePath(QStringLiteral("VEXA072025.qx"));
    {
        QFile old(chosen);   // an older file of the same name is replaced without a question
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    open();
    typePeriod(QStringLiteral("072025"));
    leavePeriod();
    // Only the second taxpayer goes.
    list->item(0)->setCheckState(Qt::Unchecked);
    prompter.clear();
    press("btnGravarArquivo");

    EXPECT_EQ(proposed, QStringList({"VEXA072025.qx"}));
    EXPECT_EQ(prompter.log(), QStringList({"info: Arquivo gravado com sucesso!!!"}));
    EXPECT_EQ(screen->lastStatus(), ExportStatus::Ready);
    const ContainerResult decoded = decodeQx(fileBytes(chosen));
    ASSERT_TRUE(decoded.ok()) << decoded.error.toStdString();
    EXPECT_EQ(decoded.bytes, textOf({{kOtherIE, "2025", "07", "00"}}));

    list->item(0)->setCheckState(Qt::Checked);
    press("btnGravarArquivo");
    EXPECT_EQ(decodeQx(fileBytes(chosen)).bytes,
              textOf({{kTaxpayerIE, "2025", "07", "01"}, {kOtherIE, "2025", "07", "00"}}))
        << "the taxpayer's rectification 01, in list order";
    EXPECT_EQ(QDir(target.path()).entryList(QDir::Files), QStringList({"VEXA072025.qx"}));
}

TEST_F(FrmCopiaArquivosTest, CancelledRunOrSaveDialogWritesNothing) {
    twoTaxpayers();
    chosen = target.filePath(QStringLiteral("saida.qx"));
    open();
    typePeriod(QStringLiteral("072025"));
    leavePeriod();
    screen->setProgressObserver([](int index, int, const ExportItem&) { return index == 0; });
    prompter.clear();
    screen->gravarArquivo();
    EXPECT_EQ(screen->lastStatus(), ExportStatus::Cancelled);
    EXPECT_TRUE(proposed.isEmpty()) << "no save dialog after a cancel";
    EXPECT_FALSE(QFile::exists(chosen));
    EXPECT_TRUE(prompter.log().isEmpty());

    screen->setProgressObserver({});
    chosen.clear();   // the user cancels the save dialog
    screen->gravarArquivo();
    EXPECT_EQ(proposed.size(), 1);
    EXPECT_TRUE(QDir(target.path()).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(prompter.log().isEmpty());
}

TEST_F(FrmCopiaArquivosTest, ErrorsShowTheReportAndNoSaveDialog) {
    twoTaxpayers();
    exec("UPDATE Vexas SET C51 = 30 WHERE IE = ?", {kOtherIE});   // 7.3 below R$ 50,00 in July
    RecordingPresenter presenter;
    open();
    screen->setReportPresenter(&presenter);
    typePeriod(QStringLiteral("072025"));
    leavePeriod();
    screen->gravarArquivo();
    EXPECT_EQ(screen->lastStatus(), ExportStatus::Errors);
    EXPECT_EQ(presenter.shown, QStringList({"errors: " + folder().path("vexacriticas.err")}));
    EXPECT_TRUE(proposed.isEmpty());
    EXPECT_TRUE(QFile::exists(folder().path("vexacriticas.err")));
}

TEST_F(FrmCopiaArquivosTest, ValueWithoutRoomIsRefusedWithItsMessage) {
    twoTaxpayers();
    exec("UPDATE Vexas SET C52 = ? WHERE IE = ?", {2e12, kOtherIE});
    open();
    typePeriod(QStringLiteral("072025"));
    leavePeriod();
    prompter.clear();
    screen->gravarArquivo();
    EXPECT_EQ(screen->lastStatus(), ExportStatus::Refused);
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_TRUE(prompter.last().startsWith(QStringLiteral("warn: A VEXA da Inscrição Estadual 29.000.001-7")));
    EXPECT_TRUE(proposed.isEmpty());
}

// The report comes up in "Validação de Dados"; for alerts its "Sim" lets the file be written.
TEST_F(FrmCopiaArquivosTest, AlertDialogAnsweredSimWritesTheFile) {
    twoTaxpayers();
    exec("UPDATE Vexas SET C61 = 10 WHERE IE = ?", {kOtherIE});   // item 6.1 without entries: an alert
    chosen = target.filePath(QStringLiteral("VEXA072025.qx"));
    open();
    typePeriod(QStringLiteral("072025"));
    leavePeriod();
    QStringList dialogs;
    QTimer poll;   // waits for the report dialog, then presses the button
    const char* button = nullptr;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal->objectName() != QLatin1String("FrmValidacao")) return;
        dialogs << modal->objectName() + QLatin1Char(' ') + modal->windowTitle();
        poll.stop();
        if (auto* b = modal->findChild<QPushButton*>(QString::fromLatin1(button))) b->click();
    });
    auto answer = [&](const char* which) {
        button = which;
        poll.start(10);
    };
    answer("btnNao");
    screen->gravarArquivo();
    EXPECT_EQ(screen->lastStatus(), ExportStatus::AlertsDeclined);
    EXPECT_FALSE(QFile::exists(chosen));

    answer("btnSim");
    screen->gravarArquivo();
    EXPECT_EQ(dialogs, QStringList({"FrmValidacao Validação de Dados", "FrmValidacao Validação de Dados"}));
    EXPECT_EQ(screen->lastStatus(), ExportStatus::Ready);
    EXPECT_TRUE(QFile::exists(chosen));
    EXPECT_EQ(prompter.last(), QStringLiteral("info: Arquivo gravado com sucesso!!!"));
}

TEST_F(FrmCopiaArquivosTest, DatabaseErrorIsShownAndLoggedAndTheScreenStaysOpen) {
    twoTaxpayers();
    open();
    typePeriod(QStringLiteral("072025"));
    leavePeriod();
    test::dropTable("Encerrantes");
    prompter.clear();
    screen->gravarArquivo();
    EXPECT_EQ(screen->lastStatus(), ExportStatus::Failed);
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_TRUE(prompter.last().startsWith(QStringLiteral("error: "))) << prompter.last().toStdString();
    EXPECT_TRUE(fileBytes(folder().path("Log.txt")).contains("FrmCopiaArquivos"));
    EXPECT_TRUE(proposed.isEmpty());
    EXPECT_TRUE(screen->isVisible());
}

// With VEXA_SCREENSHOT_DIR set the picture is written there, to be looked at.
TEST_F(FrmCopiaArquivosTest, Screenshot) {
    twoTaxpayers();
    storeCleanDeclaration(QStringLiteral("290000025"), QStringLiteral("Distribuidora de Bebidas e Alimentos do Vale Verde Sociedade Ltda"));
    open();
    typePeriod(QStringLiteral("072025"));
    leavePeriod();
    list->item(1)->setCheckState(Qt::Unchecked);
    settle();
    const QPixmap picture = screen->grab();
    ASSERT_FALSE(picture.isNull());
    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(picture.save(QDir(dir).filePath(QStringLiteral("FrmCopiaArquivos.png"))));
    }
}

} // namespace

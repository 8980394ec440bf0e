// The declaration screen driven as a user would: typing a new key, saving,
// filling grid 4.1.1, moving between declarations, locating, deleting, the
// refusals while something is being edited, and a screenshot of each sheet.

#include "ScreenFixture.h"

#include "common/ui/MaskedLineEdit.h"
#include "common/ui/MoneyLineEdit.h"
#include "declaration/ui/FrmVexas.h"
#include "declaration/ui/FrmVexasTabs.h"
#include "declaration/ui/OperationsModel.h"
#include "declaration/ui/SheetApuracao.h"
#include "declaration/ui/SheetDeclarante.h"
#include "declaration/ui/SheetIdentificacao.h"
#include "declaration/ui/SheetOperacoes.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

using namespace vexa;
using namespace vexa::test;
using namespace vexa::decl;
using namespace vexa::decl::ui;

namespace {

const QStringList kToolbar = {"btnNovo", "btnGravar", "btnCancelar", "btnExcluir", "btnLocalizar", "btnDare"};
const QStringList kFirstSheet = {"btnRetificar", "btnImprimir", "btnAnterior", "btnProxima", "EdtIE", "EdtMes",
                                 "EdtAno"};

class FrmVexasTest : public ScreenFixture {
protected:
    void TearDown() override {
        screen.reset();
        ScreenFixture::TearDown();
    }
    void open() {
        screen = std::make_unique<FrmVexas>(prompter);
        openingTitle = screen->windowTitle();
        activate(*screen);
        settle();
    }
    QStringList enabled(const QStringList& names) const { return enabledOf(*screen, names); }
    QLineEdit* edit(const QString& name) const { return child<QLineEdit>(*screen, name); }
    void type(const QString& name, const QString& text, bool leave = true) {
        QLineEdit* e = edit(name);
        if (!e->hasFocus()) e->setFocus(Qt::MouseFocusReason);
        settle();
        e->selectAll();
        typeText(e, text);
        if (leave) QTest::keyClick(e, Qt::Key_Tab);
        settle();
    }
    void press(const QString& button) {
        auto* b = child<QAbstractButton>(*screen, button);
        ASSERT_TRUE(b->isEnabled()) << button.toStdString() << " is disabled";
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    // Types IE, month and year as the user does, leaving each with Tab.
    void typeKey(const QString& ie, const QString& mes, const QString& ano) {
        type("EdtIE", ie);
        type("EdtMes", mes);
        type("EdtAno", ano);
    }
    QString title() {
        screen->tick();
        return screen->windowTitle();
    }
    static double stored(const QString& column, const QString& ie, const QString& ano, const QString& mes) {
        return value("SELECT " + column + " FROM Vexas WHERE IE = ? AND Ano = ? AND Mes = ?", {ie, ano, mes})
            .toDouble();
    }

    ScriptedPrompter prompter;
    std::unique_ptr<FrmVexas> screen;
    QString openingTitle;
};

TEST_F(FrmVexasTest, OpensOnTheKeyWithItsTwelveSheets) {
    open();
    EXPECT_EQ(openingTitle, "Cadastro de VEXA Eletrônica");
    const QStringList captions = {"Itens 2 - 3.9", "Item 4.1", "Item 4.2", "Itens 5 - 8.7", "Item 9",
                                  "Itens 10 - 10.3", "Itens 11 - 12.7", "Item 13", "Item 14", "Itens 15",
                                  "Item 16", "Itens 17 - 18.4"};
    ASSERT_EQ(screen->tabs()->count(), 12);
    for (int i = 0; i < 12; ++i) EXPECT_EQ(screen->tabs()->tabText(i), captions[i]);
    EXPECT_EQ(screen->width(), 800);
    EXPECT_EQ(screen->height(), 500);
    EXPECT_EQ(screen->timer()->interval(), 500);
    EXPECT_TRUE(screen->timer()->isActive());

    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_EQ(screen->declState(), DeclState::Search);
    EXPECT_EQ(title(), "VEXA Eletrônica");
    EXPECT_EQ(enabled(kToolbar), (QStringList{"btnNovo", "btnLocalizar"}));
    EXPECT_EQ(enabled(kFirstSheet), (QStringList{"EdtIE", "EdtMes", "EdtAno"}));
    EXPECT_FALSE(child<QWidget>(*screen, "lblVexaRetificadora")->isVisible());
    // Changing sheets while the key is typed is allowed; the apuração sheet is taller.
    EXPECT_TRUE(screen->goToSheet(Sheet::Itens5a87));
    EXPECT_EQ(screen->height(), 636);
    EXPECT_EQ(enabled(kToolbar), QStringList{"btnLocalizar"});
    EXPECT_TRUE(screen->goToSheet(Sheet::Itens2a39));
    EXPECT_EQ(screen->height(), 500);
}

TEST_F(FrmVexasTest, NewDeclarationTypedSavedAndItsEntriesGridFilled) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    open();
    type("EdtIE", "290000009");
    EXPECT_EQ(focused(), "EdtMes");
    // Entering the month proposes the month of today minus 30 days, selected.
    EXPECT_EQ(edit("EdtMes")->text(), "02");
    EXPECT_EQ(edit("EdtMes")->selectedText(), "02");
    type("EdtMes", "3");
    EXPECT_EQ(edit("EdtMes")->text(), "03");
    EXPECT_EQ(edit("EdtAno")->text(), "2024");
    type("EdtAno", "2024");
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();
    ASSERT_EQ(screen->declState(), DeclState::Insert);
    EXPECT_EQ(screen->row().Retificacao, "00");
    EXPECT_EQ(focused(), "EdtSaldoInicialCaixa");
    EXPECT_EQ(title(), "VEXA Eletrônica: 03/2024 - Ret. 00 - 29.000.000-9 - COMERCIAL VERDALENA LTDA");
    EXPECT_EQ(enabled(kToolbar), (QStringList{"btnGravar", "btnCancelar"}));
    EXPECT_EQ(enabled(kFirstSheet), QStringList{});

    // Nothing leaves the new declaration unsaved: neither a change of sheet nor closing.
    EXPECT_FALSE(screen->goToSheet(Sheet::Item41));
    EXPECT_EQ(prompter.last(), "warn: Grave ou Cancele as alterações antes de mudar de página!!!");
    EXPECT_EQ(screen->currentSheet(), Sheet::Itens2a39);
    press("btnRetornar");
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(prompter.last(), "warn: Grave ou Cancele as alterações antes de sair!!!");

    type("EdtSaldoInicialCaixa", "1500,50", false);
    prompter.clear();
    press("btnGravar");
    EXPECT_EQ(prompter.log(), QStringList{"warn: Informe se houve mudança de domicilio!"});
    EXPECT_EQ(screen->declState(), DeclState::Insert);
    EXPECT_EQ(count("SELECT count(*) FROM Vexas"), 0);

    press("rbMudaDomicilioNao");
    prompter.clear();
    press("btnGravar");
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();
    ASSERT_EQ(screen->declState(), DeclState::Browse);
    EXPECT_DOUBLE_EQ(stored("SaldoInicialCaixa", kIE1, "2024", "03"), 1500.5);
    EXPECT_EQ(value("SELECT MudaDomicilio FROM Vexas").toString(), "N");
    EXPECT_EQ(enabled(kToolbar), (QStringList{"btnNovo", "btnExcluir", "btnLocalizar", "btnDare"}));
    EXPECT_EQ(enabled(kFirstSheet), (QStringList{"btnRetificar", "btnImprimir", "EdtIE", "EdtMes", "EdtAno"}));
    EXPECT_EQ(child<QLabel>(*screen, "lblVexaRetificadora")->text().toStdString(), "3.9 VEXA NÃO RETIFICADORA");

    // Grid 4.1.1: New appends a row, the CFOP is typed, the amounts entered, Save posts it.
    ASSERT_TRUE(screen->goToSheet(Sheet::Item41));
    EXPECT_EQ(enabled(kToolbar), (QStringList{"btnNovo", "btnExcluir", "btnLocalizar", "btnDare"}));
    press("btnNovo");
    auto* sheet = qobject_cast<SheetOperacoes*>(screen->sheetWidget(Sheet::Item41));
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->tableState(), TableState::Insert);
    EXPECT_EQ(enabled(kToolbar), (QStringList{"btnGravar", "btnCancelar"}));
    EXPECT_FALSE(screen->goToSheet(Sheet::Item42));
    EXPECT_EQ(prompter.last(), "warn: Grave ou Cancele as alterações antes de mudar de página!!!");

    QWidget* cfopEditor = QApplication::focusWidget();
    ASSERT_NE(cfopEditor, nullptr);
    typeText(cfopEditor, "1102");
    QTest::keyClick(cfopEditor, Qt::Key_Tab);
    settle();
    OperationsModel* model = sheet->operations()->model(OperationKind::Domestic);
    ASSERT_EQ(model->rows(), 1);
    EXPECT_EQ(model->row(0).cfopText(), "1102");
    model->setData(model->index(0, OperationsModel::ValorContabil), 250.0);
    model->setData(model->index(0, OperationsModel::BaseCalculo), 250.0);
    prompter.clear();
    press("btnGravar");
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();
    EXPECT_EQ(sheet->tableState(), TableState::Browse);
    EXPECT_EQ(count("SELECT count(*) FROM MovimentacaoPorOperacoes42 WHERE IE = ? AND CodigoOperacao = 1102 "
                    "AND EntradaSaida = '0' AND TipoOperacao = '0' AND ValorContabil = 250",
                    {kIE1}),
              1);
    EXPECT_EQ(enabled(kToolbar), (QStringList{"btnNovo", "btnExcluir", "btnLocalizar", "btnDare"}));
    EXPECT_TRUE(screen->goToSheet(Sheet::Item42));
}

TEST_F(FrmVexasTest, KeyMessagesKeepWhatWasTypedAndTheLatestRectificationIsShown) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    addDeclaration(kIE1, "2024", "01", "00");
    addDeclaration(kIE1, "2024", "01", "01");
    open();

    type("EdtIE", "290000017");
    EXPECT_EQ(prompter.log(),
              QStringList{"warn: Inscrição Estadual informada não localizada no cadastro de contribuintes!!!"});
    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_EQ(child<MaskedLineEdit>(*screen, "EdtIE")->digits(), "290000017");

    prompter.clear();
    type("EdtIE", "290000009");
    type("EdtMes", "13");
    EXPECT_EQ(prompter.log(), QStringList{"warn: Mes de referência não infomado ou inválido!!!"});
    EXPECT_EQ(focused(), "EdtMes");
    EXPECT_EQ(edit("EdtMes")->text(), "02");

    prompter.clear();
    type("EdtMes", "1");
    type("EdtAno", "24");
    EXPECT_EQ(prompter.log(), QStringList{"warn: Ano de referência deve ser informado!!!"});
    EXPECT_EQ(focused(), "EdtAno");
    EXPECT_EQ(edit("EdtAno")->text(), "24");

    prompter.clear();
    type("EdtAno", "2024");
    EXPECT_TRUE(prompter.log().isEmpty());
    EXPECT_EQ(screen->declState(), DeclState::Browse);
    EXPECT_EQ(title(), "VEXA Eletrônica: 01/2024 - Ret. 01 - 29.000.000-9 - COMERCIAL VERDALENA LTDA");
    EXPECT_EQ(child<QLabel>(*screen, "lblVexaRetificadora")->text(), "3.9 VEXA RETIFICADORA 01");

    // Editing the row: the key fields close until it is saved or cancelled.
    type("EdtSaldoFinalCaixa", "10", false);
    EXPECT_EQ(screen->declState(), DeclState::Edit);
    EXPECT_EQ(enabled(kFirstSheet), QStringList{"btnImprimir"});
    press("btnCancelar");
    EXPECT_EQ(count("SELECT count(*) FROM Vexas WHERE SaldoFinalCaixa <> 0"), 0);
    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_EQ(screen->declState(), DeclState::Search);
}

TEST_F(FrmVexasTest, LocatesMovesAndDeletesWithScriptedAnswers) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    addTaxpayer(kIE2, kApostropheName);
    addDeclaration(kIE1, "2024", "01");
    addDeclaration(kIE1, "2024", "02");
    addDeclaration(kIE2, "2024", "01");
    exec("INSERT INTO ECF (IE, Ano, Mes, Retificacao) VALUES (?, '2024', '02', '00')", {kIE1});
    open();

    bool hiddenWhileSearching = false;
    screen->setDeclarationSearcher([&](QWidget*) -> std::optional<FoundDeclaration> {
        hiddenWhileSearching = !screen->isVisible();
        return FoundDeclaration{kIE1, QStringLiteral("COMERCIAL VERDALENA LTDA"), QStringLiteral("022024"),
                                QStringLiteral("00")};
    });
    press("btnLocalizar");
    EXPECT_TRUE(hiddenWhileSearching);
    EXPECT_TRUE(screen->isVisible());
    activate(*screen);   // the window manager's part: the screen shown again is active
    ASSERT_EQ(screen->declState(), DeclState::Browse);
    EXPECT_EQ(screen->row().key(), (DeclarationKey{kIE1, "2024", "02", "00"}));
    EXPECT_EQ(focused(), "EdtSaldoInicialCaixa");
    EXPECT_EQ(enabled({"btnAnterior", "btnProxima"}), (QStringList{"btnAnterior", "btnProxima"}));

    press("btnAnterior");
    EXPECT_EQ(screen->row().key(), (DeclarationKey{kIE1, "2024", "01", "00"}));
    EXPECT_EQ(enabled({"btnAnterior", "btnProxima"}), QStringList{"btnProxima"});
    press("btnProxima");
    press("btnProxima");
    EXPECT_EQ(screen->row().key(), (DeclarationKey{kIE2, "2024", "01", "00"}));
    EXPECT_EQ(title(), "VEXA Eletrônica: 01/2024 - Ret. 00 - 29.000.001-7 - " + kApostropheName);
    EXPECT_EQ(enabled({"btnAnterior", "btnProxima"}), QStringList{"btnAnterior"});

    // Delete asks first; No keeps the declaration.
    press("btnAnterior");
    prompter.clear();
    prompter.queueAnswer(false);
    press("btnExcluir");
    EXPECT_EQ(prompter.log(), QStringList{"ask: Confirma Exclusão desta VEXA?"});
    EXPECT_EQ(count("SELECT count(*) FROM Vexas"), 3);
    EXPECT_EQ(screen->declState(), DeclState::Browse);

    // Deleted from the apuração sheet: back to the first sheet, typing a key.
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens5a87));
    prompter.queueAnswer(true);
    press("btnExcluir");
    EXPECT_EQ(count("SELECT count(*) FROM Vexas WHERE IE = ? AND Mes = '02'", {kIE1}), 0);
    EXPECT_EQ(count("SELECT count(*) FROM Vexas"), 2);
    EXPECT_EQ(count("SELECT count(*) FROM ECF"), 1);   // cash registers stay
    EXPECT_EQ(screen->currentSheet(), Sheet::Itens2a39);
    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_EQ(screen->declState(), DeclState::Search);
    EXPECT_EQ(enabled(kToolbar), (QStringList{"btnNovo", "btnLocalizar"}));
}

TEST_F(FrmVexasTest, ApuracaoTakesTheListTotalBackWhileTheScreenHides) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    addDeclaration(kIE1, "2024", "02");
    exec("UPDATE Vexas SET C51 = 1000");
    open();
    typeKey(kIE1, "2", "2024");
    ASSERT_EQ(screen->declState(), DeclState::Browse);
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens5a87));
    EXPECT_EQ(screen->height(), 636);
    SheetApuracao* sheet = screen->apuracao();
    EXPECT_EQ(sheet->field("C54")->text(), "1.000,00");
    EXPECT_EQ(sheet->field("C71")->text(), "1.000,00");

    bool hidden = false;
    int opened = 0;
    screen->setListEditor(ListEditor::OutrosCred, [&](const DeclarationKey& key, Prompter&, QWidget*) {
        ++opened;
        hidden = !screen->isVisible();
        EXPECT_EQ(key, (DeclarationKey{kIE1, "2024", "02", "00"}));
        return std::optional<double>(1200.0);
    });
    press("btnItem621");
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(screen->isVisible());
    activate(*screen);
    EXPECT_DOUBLE_EQ(stored("C62", kIE1, "2024", "02"), 1200.0);
    EXPECT_EQ(screen->declState(), DeclState::Browse);
    EXPECT_EQ(sheet->field("C62")->text(), "1.200,00");
    EXPECT_EQ(sheet->field("C65")->text(), "1.200,00");
    EXPECT_EQ(sheet->field("C71")->text(), "0,00");
    EXPECT_EQ(sheet->field("C75")->text(), "200,00");
    EXPECT_EQ(opened, 1);

    // Leaving 6.1 forwards opens the list of 6.2.1 as well; a click on its total too.
    edit("EdtC61")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit("EdtC61"), Qt::Key_Tab);
    settle();
    EXPECT_EQ(opened, 2);
    activate(*screen);
    QTest::mouseClick(edit("EdtC62"), Qt::LeftButton);
    settle();
    EXPECT_EQ(opened, 3);
    activate(*screen);

    // Typing 8.3 computes 8.6 at once; leaving 8.3 warns of a small balance.
    type("EdtC83", "30", true);
    EXPECT_EQ(sheet->field("C86")->text(), "30,00");
    EXPECT_EQ(screen->declState(), DeclState::Edit);
    EXPECT_TRUE(prompter.last().startsWith("warn: Valores inferiores a R$ 50,00, lançados no campo 8.6"));
    // The same small balance refuses the save outside December.
    prompter.clear();
    press("btnGravar");
    ASSERT_EQ(prompter.log().size(), 1);
    EXPECT_TRUE(prompter.log().first().startsWith("warn: Valores inferiores a R$ 50,00, lançados no campo 8.6"));
    EXPECT_EQ(screen->declState(), DeclState::Edit);
    type("EdtC83", "80", false);
    press("btnGravar");
    EXPECT_EQ(screen->declState(), DeclState::Browse);
    EXPECT_DOUBLE_EQ(stored("C83", kIE1, "2024", "02"), 80.0);
}

TEST_F(FrmVexasTest, RegimeAndPeriodDecideWhichListsOpen) {
    addTaxpayer(kIE1, "SIMPLES COMERCIO ME", "S");
    addDeclaration(kIE1, "2012", "02");
    addDeclaration(kIE1, "2012", "03");
    open();
    int opened = 0;
    screen->setListEditor(ListEditor::AliquotaComp, [&](const DeclarationKey&, Prompter&, QWidget*) {
        ++opened;
        return std::optional<double>();
    });
    typeKey(kIE1, "2", "2012");
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens5a87));
    EXPECT_FALSE(screen->openListEditor(ListEditor::AliquotaComp));
    EXPECT_FALSE(screen->apuracao()->field("C51")->isEnabled());
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens2a39));
    press("btnProxima");
    EXPECT_EQ(screen->row().Mes, "03");
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens5a87));
    EXPECT_TRUE(screen->openListEditor(ListEditor::AliquotaComp));
    EXPECT_EQ(opened, 1);
}

TEST_F(FrmVexasTest, ChangeOfDomicileThroughThePicker) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    addDeclaration(kIE1, "2024", "03");
    const qint64 own = taxpayerIBGE(kIE1);
    open();
    typeKey(kIE1, "3", "2024");
    ASSERT_EQ(screen->declState(), DeclState::Browse);
    SheetIdentificacao* s0 = screen->identificacao();
    EXPECT_FALSE(s0->domicileGroup()->isVisible());

    press("rbMudaDomicilioSim");
    EXPECT_EQ(screen->declState(), DeclState::Edit);
    EXPECT_TRUE(s0->pickerShown());
    EXPECT_TRUE(s0->domicileGroup()->isVisible());
    press("btnCidadeAnteriorOK");   // nothing chosen yet
    EXPECT_EQ(prompter.last(), "warn: Selecione uma cidade.");
    EXPECT_TRUE(s0->pickerShown());

    // The taxpayer's own municipality as the previous one is refused on save and picked again.
    QComboBox* picker = s0->pickerBox();
    picker->setCurrentIndex(picker->findData(own));
    press("btnCidadeAnteriorOK");
    EXPECT_FALSE(s0->pickerShown());
    EXPECT_EQ(edit("EdtCidadeB")->text(), QString::number(own));
    type("EdtDtIniB", "01032024");
    type("EdtDtFimB", "14032024");
    type("EdtDtIniA", "15032024");
    type("EdtDtFimA", "31032024");
    prompter.clear();
    press("btnGravar");
    EXPECT_EQ(prompter.log(), QStringList{"warn: O município ATUAL não deve ser igual ao município ANTERIOR quando há "
                                          "mudança de domicílio"});
    EXPECT_TRUE(s0->pickerShown());
    EXPECT_TRUE(edit("EdtMunAntDesc")->text().isEmpty());

    const qint64 other =
        value("SELECT CodIBGE FROM Municipios WHERE UF = 'QX' AND CodIBGE <> ? ORDER BY CodIBGE LIMIT 1", {own})
            .toLongLong();
    picker->setCurrentIndex(picker->findData(other));
    press("btnCidadeAnteriorOK");
    type("EdtDtIniA", "16032024");
    prompter.clear();
    press("btnGravar");
    EXPECT_EQ(prompter.log(), QStringList{"warn: Datas do item 3.10.1 inválidas. Por favor verifique."});
    type("EdtDtIniA", "15032024");
    press("btnGravar");
    ASSERT_EQ(screen->declState(), DeclState::Browse) << prompter.last().toStdString();
    EXPECT_EQ(value("SELECT MudaDomicilio FROM Vexas").toString(), "S");
    EXPECT_EQ(value("SELECT CidadeB FROM Vexas").toLongLong(), other);
    EXPECT_EQ(screen->context().cidadeB, other);

    // "Não" hides picker and group.
    press("rbMudaDomicilioNao");
    EXPECT_FALSE(s0->domicileGroup()->isVisible());
    press("btnCancelar");
    EXPECT_EQ(value("SELECT MudaDomicilio FROM Vexas").toString(), "S");
}

TEST_F(FrmVexasTest, KeyboardFlowYearQuestionPostingPeriodAndTaxpayerSearch) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    addDeclaration(kIE1, "2024", "02");
    open();
    // Enter moves on as Tab does.
    QLineEdit* ie = edit("EdtIE");
    typeText(ie, "290000009");
    QTest::keyClick(ie, Qt::Key_Return);
    settle();
    EXPECT_EQ(focused(), "EdtMes");
    type("EdtMes", "12");
    // A year before 2000 asks; No goes back to the year.
    prompter.queueAnswer(false);
    type("EdtAno", "1999");
    EXPECT_TRUE(prompter.last().startsWith("ask: O calculo do DARE está disponível somente"));
    EXPECT_EQ(focused(), "EdtAno");
    EXPECT_EQ(screen->declState(), DeclState::Search);
    // A period before 01/2009 can be typed but not stored.
    type("EdtAno", "2008");
    ASSERT_EQ(screen->declState(), DeclState::Insert);
    press("rbMudaDomicilioNao");
    prompter.clear();
    press("btnGravar");
    EXPECT_EQ(prompter.log(), QStringList{"warn: A VEXA com período de referência anterior a 01/2009 deverá ser "
                                          "informada no programa VEXA 7.2"});
    EXPECT_EQ(count("SELECT count(*) FROM Vexas"), 1);
    press("btnCancelar");
    EXPECT_EQ(screen->declState(), DeclState::Search);
    EXPECT_EQ(focused(), "EdtIE");

    // "..." picks the taxpayer by name and starts the key with its IE.
    screen->setTaxpayerSearcher([](QWidget*) { return std::optional<QString>(kIE1); });
    press("btnProcurar");
    EXPECT_EQ(child<MaskedLineEdit>(*screen, "EdtIE")->digits(), kIE1);
    EXPECT_EQ(focused(), "EdtMes");
    EXPECT_EQ(edit("EdtMes")->text(), "02");
    type("EdtMes", "2");
    type("EdtAno", "2024");
    ASSERT_EQ(screen->declState(), DeclState::Browse);

    // Leaving 3.7 onwards, with nothing being edited, goes on to the entries.
    EXPECT_EQ(focused(), "EdtSaldoInicialCaixa");
    QTest::keyClick(edit("EdtSaldoInicialCaixa"), Qt::Key_Tab);
    settle();
    EXPECT_EQ(focused(), "EdtSaldoFinalCaixa");
    QTest::keyClick(edit("EdtSaldoFinalCaixa"), Qt::Key_Tab);
    settle();
    EXPECT_EQ(screen->currentSheet(), Sheet::Item41);

    // Returning closes the screen when nothing is pending.
    press("btnRetornar");
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(screen->timer()->isActive());
}

TEST_F(FrmVexasTest, TareAndEcfButtonsFollowTheTaxpayerEverySecondHalf) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    exec("UPDATE Contribuintes SET PortadorTare = 1, UsuarioECF = 0");
    addDeclaration(kIE1, "2024", "02");
    open();
    DeclarationKey edited;
    screen->setTareEditor([&](const DeclarationKey& key, Prompter&, QWidget*) { edited = key; });
    screen->tick();
    EXPECT_EQ(enabled({"btnTare", "btnEcf"}), QStringList{});
    typeKey(kIE1, "2", "2024");
    screen->tick();
    EXPECT_EQ(enabled({"btnTare", "btnEcf"}), QStringList{"btnTare"});
    EXPECT_EQ(edit("EdtTare")->text(), "SIM");
    EXPECT_EQ(edit("EdtEcf")->text(), "NÃO");
    press("btnTare");
    EXPECT_EQ(edited, (DeclarationKey{kIE1, "2024", "02", "00"}));
}

// A sheet of a later area, put in place of a placeholder.
class EditingSheet : public VexaSheet {
public:
    EditingSheet() : VexaSheet(Sheet::Item9) {}
    TableState tableState() const override { return editing ? TableState::Edit : TableState::Browse; }
    bool post() override {
        ++posts;
        editing = false;
        emit tableStateChanged();
        return true;
    }
    void startEditing() {
        editing = true;
        emit tableStateChanged();
    }
    bool editing = false;
    int posts = 0;
};

TEST_F(FrmVexasTest, ReplacedSheetHoldsTheScreenWhileItsTableEdits) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    addDeclaration(kIE1, "2024", "02");
    open();
    auto* sheet = new EditingSheet;
    screen->setSheetWidget(Sheet::Item9, sheet);
    EXPECT_EQ(screen->tabs()->tabText(4), "Item 9");
    typeKey(kIE1, "2", "2024");
    ASSERT_TRUE(screen->goToSheet(Sheet::Item9));
    EXPECT_EQ(sheet->context().key, (DeclarationKey{kIE1, "2024", "02", "00"}));
    sheet->startEditing();
    EXPECT_EQ(enabled(kToolbar), (QStringList{"btnGravar", "btnCancelar"}));
    EXPECT_FALSE(screen->goToSheet(Sheet::Itens2a39));
    press("btnGravar");
    EXPECT_EQ(sheet->posts, 1);
    EXPECT_TRUE(screen->goToSheet(Sheet::Itens2a39));
}

TEST_F(FrmVexasTest, AccountantSheetShowsTheRegistryAndReloadsItsPickers) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    addAccountant("1QX123456", "QX", "JOSE DA SILVA");
    addDeclaration(kIE1, "2024", "02");
    exec("UPDATE Vexas SET CRCContador = '1QX123456', UF = 'QX', CPF = ?, NomeResponsavel = 'ANA'", {kCPF});
    open();
    typeKey(kIE1, "2", "2024");
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens17a184));
    EXPECT_EQ(edit("EdtContadorNome")->text(), "JOSE DA SILVA");
    EXPECT_EQ(edit("EdtContadorFone")->text(), "(79) 3333-0000");
    EXPECT_EQ(edit("EdtContadorCPF")->text(), "529.982.247-25");
    screen->declarante()->setAccountantScreen(
        [](QWidget*) { addAccountant("2QX999", "SP", "MARIA CONTADORA"); });
    press("btnContabilistas");
    auto* crc = child<QComboBox>(*screen, "cbCRC");
    EXPECT_EQ(crc->count(), 2);
    EXPECT_EQ(crc->currentText(), "1QX123456");

    // An unknown CRC / UF pair is refused on save.
    child<QComboBox>(*screen, "cbUF")->setCurrentIndex(child<QComboBox>(*screen, "cbUF")->findText("SP"));
    settle();
    EXPECT_EQ(screen->declState(), DeclState::Edit);
    prompter.clear();
    press("btnGravar");
    EXPECT_EQ(prompter.log(), QStringList{"warn: CRC / UF não localizados no cadastro de contabilista."});
}

TEST_F(FrmVexasTest, ScreenshotOfEverySheet) {
    addTaxpayer(kIE1, "COMERCIAL VERDALENA LTDA");
    addAccountant("1QX123456", "QX", "JOSE DA SILVA");
    addDeclaration(kIE1, "2024", "02", "01");
    const qint64 other = value("SELECT CodIBGE FROM Municipios WHERE UF = 'QX' AND CodIBGE <> ? ORDER BY CodIBGE "
                               "LIMIT 1",
                               {taxpayerIBGE(kIE1)})
                             .toLongLong();
    exec("UPDATE Vexas SET MudaDomicilio = 'S', CidadeB = ?, DtIniB = '2024-02-01', DtFimB = '2024-02-14', "
         "DtIniA = '2024-02-15', DtFimA = '2024-02-29', SaldoInicialCaixa = 1234.5, C51 = 1000, C61 = 300, "
         "CRCContador = '1QX123456', UF = 'QX', CPF = ?, NomeResponsavel = 'ANA MARIA'",
         {other, kCPF});
    open();
    typeKey(kIE1, "2", "2024");
    ASSERT_EQ(screen->declState(), DeclState::Browse);
    EXPECT_TRUE(child<QGroupBox>(*screen, "gbDomicilio")->isVisible());
    for (int i = 0; i < kSheetCount; ++i) {
        ASSERT_TRUE(screen->goToSheet(Sheet(i))) << i;
        screen->tick();
        screenshot(*screen, QStringLiteral("frmvexas_sheet_%1").arg(i, 2, 10, QLatin1Char('0')));
    }
    // The municipality picker of item 3.10 on the first sheet.
    ASSERT_TRUE(screen->goToSheet(Sheet::Itens2a39));
    screen->identificacao()->openPicker();
    screenshot(*screen, QStringLiteral("frmvexas_picker"));
}

} // namespace

// "Cadastrar DARE Avulso" driven as a user would, with its companion screens
// "Selecione uma Gate" and "Consulta DARE Avulso": the key, the Seq of a new
// slip, the document name and number, the save checks with their focus, the
// print checks and the preview. With VEXA_SCREENSHOT_DIR set the three
// screens are written there as PNG.

#include "../PaymentFixture.h"
#include "Printers.h"
#include "registry/ScreenTestSupport.h"

#include "common/ui/MaskedLineEdit.h"
#include "payment/ui/AvulsaModels.h"
#include "payment/ui/FrmConsultaDareAvulsa.h"
#include "payment/ui/FrmDareAvulsas.h"
#include "payment/ui/FrmSelecionaGate.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

using namespace vexa;
using namespace vexa::payment;
using namespace vexa::test;
using Frm = vexa::payment::ui::FrmDareAvulsas;

namespace {

const QStringList kButtons = {"btnNovo", "btnGravar", "btnCancelar", "btnExcluir", "btnLocalizar", "btnImprimir",
                              "btnRetornar", "EdtIE", "EdtAno", "EdtCodigoTributo"};
const QStringList kKeyEntry = {"btnNovo", "btnLocalizar", "btnRetornar", "EdtIE", "EdtAno"};
const QStringList kBrowsing = {"btnNovo", "btnExcluir", "btnLocalizar", "btnImprimir", "btnRetornar", "EdtIE",
                               "EdtAno", "EdtCodigoTributo"};
const QStringList kEditing = {"btnGravar", "btnCancelar", "EdtCodigoTributo"};

class FrmDareAvulsasTest : public PaymentTest {
protected:
    void SetUp() override {
        PaymentTest::SetUp();
        addTaxpayer(kIE, "COMERCIAL VERDALENA LTDA");
    }
    void TearDown() override {
        screen.reset();
        PaymentTest::TearDown();
    }
    void open() {
        screen = std::make_unique<Frm>(prompter);
        screen->setPreviewer([this](QWidget*, const QList<SlipPage>& pages) {
            previewed = pages;
            printEnabledDuringPreview = child<QToolButton>(*screen, "btnImprimir")->isEnabled();
        });
        activate(*screen);
    }
    QStringList enabled() const { return enabledOf(*screen, kButtons); }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(*screen, name); }
    QComboBox* combo(const char* name) const { return child<QComboBox>(*screen, name); }
    void type(const char* name, const QString& text, bool leave = true) {
        typeInField(edit(name), text, leave);
    }
    void typeKey(const QString& ie, const QString& mes, const QString& ano) {
        type("EdtIE", ie, false);
        type("EdtMes", mes, false);
        type("EdtAno", ano);
    }
    void press(const char* button) { pressButton(*screen, button); }
    // A new slip typed in full: revenue, due date, principal, document.
    void fill(const QString& code, const QString& docName, const QString& number) {
        type("EdtCodigoTributo", code);
        type("EdtDataVencimento", "20032024");
        type("EdtValorReceita", "1000");
        choose(combo("cbTipoDoc"), docName);
        if (!number.isEmpty()) type("EdtNumeroDoc", number);
    }
    static int slips() { return count("SELECT count(*) FROM DareAvulsas"); }

    ScriptedPrompter prompter;
    std::unique_ptr<Frm> screen;
    QList<SlipPage> previewed;
    bool printEnabledDuringPreview = true;
};

TEST_F(FrmDareAvulsasTest, FirstSlipThenANewOneOfTheSamePeriodAndTheChoiceBetweenThem) {
    open();
    EXPECT_EQ(screen->windowTitle(), "Cadastrar DARE Avulso");
    EXPECT_EQ(child<QLabel>(*screen, "lblStatus")->text(), "Impressão do DARE valida até referência 01/2025");
    EXPECT_EQ(screen->state(), Frm::State::KeyEntry);
    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_EQ(enabled(), kKeyEntry);
    keepPicture(*screen, "FrmDareAvulsas-keyentry");

    typeKey(kIE, "2", "2024");
    ASSERT_EQ(screen->state(), Frm::State::Insert);
    EXPECT_EQ(screen->currentKey(), (AvulsaKey{kIE, "2024", "02", "", 1}));
    EXPECT_EQ(focused(), "EdtCodigoTributo");
    EXPECT_EQ(enabled(), kEditing);
    EXPECT_EQ(edit("EdtRazaoSocial")->text(), "COMERCIAL VERDALENA LTDA");
    EXPECT_EQ(edit("EdtMunicipio")->text(), kIBGE);

    // The description follows the code; choosing the name moves on to the number,
    // whose leaving writes the first observation line.
    fill("150", "NFA  -  NOTA FISCAL AVULSA", "");
    EXPECT_EQ(combo("cbTributo")->currentText(), "ICMS - Nota Fiscal Avulsa");
    QTest::keyClick(combo("cbTipoDoc"), Qt::Key_Tab);
    settle();
    EXPECT_EQ(focused(), "EdtNumeroDoc");
    type("EdtNumeroDoc", "1234567");
    EXPECT_EQ(edit("EdtObs1")->text(), "NFA 1234567");
    type("EdtMulta", "50");
    EXPECT_EQ(edit("EdtVlTotal")->text(), "1.050,00");
    press("btnGravar");
    EXPECT_EQ(prompter.log(), QStringList{"warn: Número do documento inválido!!!"});
    EXPECT_EQ(focused(), "EdtNumeroDoc");
    EXPECT_EQ(slips(), 0);
    type("EdtNumeroDoc", "1234560", false);
    press("btnGravar");
    ASSERT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(enabled(), kBrowsing);
    EXPECT_EQ(findDareAvulsa({kIE, "2024", "02", "150", 1})->Objeto, "2");

    // "&Novo" on the same period: the next Seq of the whole table; "OUTROS" needs no number.
    exec("INSERT INTO DareAvulsas (IE, Ano, Mes, CodigoTributo, Seq) VALUES ('290000009', '2023', '01', '150', 6)");
    press("btnNovo");
    EXPECT_TRUE(screen->newSlipFlag());
    EXPECT_TRUE(child<MaskedLineEdit>(*screen, "EdtIE")->isBlank());
    EXPECT_EQ(focused(), "EdtIE");
    typeKey(kIE, "02", "2024");
    EXPECT_EQ(screen->currentKey()->Seq, 7);
    fill("152", "OUTROS A ESPECIFICAR", "");
    QTest::keyClick(combo("cbTipoDoc"), Qt::Key_Tab);
    settle();
    EXPECT_EQ(focused(), "EdtDocOrigem");   // not moved to the number
    type("EdtDocOrigem", "TERMO 12");
    QTest::keyClick(edit("EdtNumeroDoc"), Qt::Key_Tab);   // leaving the number: the description becomes Obs1
    settle();
    press("btnGravar");
    ASSERT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_FALSE(screen->newSlipFlag());
    const std::optional<DareAvulsa> outros = findDareAvulsa({kIE, "2024", "02", "152", 7});
    ASSERT_TRUE(outros);
    EXPECT_EQ(outros->Objeto, "0");
    EXPECT_EQ(outros->Obs1, "TERMO 12");

    // Two slips of the period: leaving the year offers them; the one chosen is shown with its name.
    QList<PeriodSlip> offered;
    screen->setChooser([&](QWidget*, const QList<PeriodSlip>& slips, const QString& name, const QString& periodo) {
        offered = slips;
        EXPECT_EQ(name, "COMERCIAL VERDALENA LTDA");
        EXPECT_EQ(periodo, "022024");
        return std::optional<PeriodSlip>(slips.first());
    });
    edit("EdtIE")->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(screen->state(), Frm::State::KeyEntry);
    EXPECT_EQ(combo("cbTipoDoc")->currentIndex(), 0);
    type("EdtAno", "2024");
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(screen->currentKey(), (AvulsaKey{kIE, "2024", "02", "150", 1}));
    EXPECT_EQ(combo("cbTipoDoc")->currentText(), "NFA  -  NOTA FISCAL AVULSA");
    EXPECT_EQ(focused(), "EdtDataVencimento");
    keepPicture(*screen, "FrmDareAvulsas");

    // Choosing a name of a stored slip starts its edit; "&Cancelar" goes back to the key.
    choose(combo("cbTipoDoc"), "PROCESSO");
    EXPECT_EQ(screen->state(), Frm::State::Edit);
    press("btnCancelar");
    EXPECT_EQ(screen->state(), Frm::State::KeyEntry);
    EXPECT_EQ(edit("EdtAno")->text(), "");
    EXPECT_EQ(findDareAvulsa({kIE, "2024", "02", "150", 1})->TipoDoc, "NFA  -  NOTA FISCAL AVULSA");
}

TEST_F(FrmDareAvulsasTest, SaveChecksMoveTheFocusAndTheFirstTwoGiveUpTheEdit) {
    open();
    typeKey("290000017", "02", "2024");   // no such taxpayer: a new slip all the same
    ASSERT_EQ(screen->state(), Frm::State::Insert);
    fill("150", "NFA  -  NOTA FISCAL AVULSA", "1234560");
    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: " + avulsa_msg::IENaoLocalizada);
    EXPECT_EQ(screen->state(), Frm::State::KeyEntry);
    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_EQ(child<MaskedLineEdit>(*screen, "EdtIE")->digits(), "290000017");   // the key stays as typed

    struct Step {
        std::function<void()> typing;
        QString message, focus;
    } steps[] = {
        {[&] { type("EdtCodigoTributo", "101"); }, dare_msg::ReceitaNaoLocalizada, "EdtCodigoTributo"},
        {[&] { type("EdtCodigoTributo", "150"); }, avulsa_msg::NomeDocumento, "cbTipoDoc"},
        {[&] { choose(combo("cbTipoDoc"), "PROCESSO"); }, avulsa_msg::NumeroDocumento, "EdtNumeroDoc"},
        {[&] { type("EdtNumeroDoc", "12345"); }, avulsa_msg::NumeroInvalido, "EdtNumeroDoc"},
        {[&] { type("EdtNumeroDoc", "12343"); }, avulsa_msg::VencimentoInvalido, "EdtDataVencimento"},
    };
    typeKey(kIE, "02", "2024");
    ASSERT_EQ(screen->state(), Frm::State::Insert);
    for (const Step& s : steps) {
        s.typing();
        prompter.clear();
        press("btnGravar");
        EXPECT_EQ(prompter.log(), QStringList{"warn: " + s.message});
        EXPECT_EQ(focused(), s.focus) << s.message.toStdString();
        EXPECT_EQ(screen->state(), Frm::State::Insert);
    }
    EXPECT_EQ(slips(), 0);
    type("EdtDataVencimento", "20032024");
    press("btnGravar");
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(findDareAvulsa({kIE, "2024", "02", "150", 1})->Obs1, "PROCESSO 12343");
}

TEST_F(FrmDareAvulsasTest, PrintChecksPreviewLocateAndDelete) {
    addTaxpayer(kIE2, "SEM MUNICIPIO LTDA", "N", "");
    exec("INSERT INTO DareAvulsas (IE, Ano, Mes, CodigoTributo, Seq, DataVencimento, ValorReceita, TipoDoc, NumeroDoc, "
         "Objeto) VALUES (?, '2024', '02', '150', 1, '2024-03-20', 0, 'PROCESSO', '12343', '6'), "
         "(?, '2024', '02', '151', 2, '2024-03-20', 80, 'PROCESSO', '12343', '6'), "
         "(?, '2024', '03', '150', 3, '2024-03-20', 80, 'PROCESSO', '12343', '6')",
         {kIE, kIE, kIE2});
    open();
    // On opening: the last slip in key order, printed through the preview (its button off meanwhile).
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(screen->currentKey(), (AvulsaKey{kIE, "2024", "02", "151", 2}));
    EXPECT_EQ(focused(), "EdtDataVencimento");
    press("btnImprimir");
    EXPECT_TRUE(prompter.log().isEmpty());
    ASSERT_EQ(previewed.size(), 1);
    EXPECT_FALSE(printEnabledDuringPreview);
    EXPECT_TRUE(child<QToolButton>(*screen, "btnImprimir")->isEnabled());
    EXPECT_EQ(previewed[0].box(20).lines, QStringList{"80,00"});

    // Localizar: the very row chosen in the consult (code and Seq), focus on the revenue code.
    bool hiddenMeanwhile = false;
    AvulsaConsultRow row;
    row.IE = kIE;
    row.Periodo = "022024";
    row.CodigoTributo = "150";
    row.Seq = 1;
    screen->setConsulter([&](QWidget*) {
        hiddenMeanwhile = !screen->isVisible();
        return std::optional<AvulsaConsultRow>(row);
    });
    press("btnLocalizar");
    activate(*screen);
    EXPECT_TRUE(hiddenMeanwhile);
    EXPECT_EQ(screen->currentKey(), row.key());
    EXPECT_EQ(focused(), "EdtCodigoTributo");
    previewed.clear();
    press("btnImprimir");
    EXPECT_EQ(prompter.log(), QStringList{"warn: " + dare_msg::ReceitaNaoPositiva});

    row.IE = kIE2;
    row.Periodo = "032024";
    row.Seq = 3;
    press("btnLocalizar");
    prompter.clear();
    press("btnImprimir");
    EXPECT_EQ(prompter.log(), QStringList{"warn: " + dare_msg::SemMunicipio});
    EXPECT_TRUE(previewed.isEmpty());

    prompter.queueAnswer(true);
    press("btnExcluir");
    EXPECT_EQ(prompter.last(), "ask: Confirma Exclusão???");
    EXPECT_FALSE(findDareAvulsa(row.key()));
    EXPECT_EQ(screen->currentKey(), (AvulsaKey{kIE, "2024", "02", "151", 2}));
}

TEST_F(FrmDareAvulsasTest, SelectionAndConsultScreens) {
    const QList<PeriodSlip> slips = {{"150", 1000, "COMERCIAL VERDALENA LTDA", 1},
                                     {"152", 55.5, "COMERCIAL VERDALENA LTDA", 4}};
    {
        ui::FrmSelecionaGate dialog(slips, "COMERCIAL VERDALENA LTDA", "022024");
        QAbstractItemModelTester tester(dialog.grid()->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        activate(dialog);
        EXPECT_EQ(dialog.windowTitle(), "Selecione uma Gate");
        EXPECT_EQ(child<QLabel>(dialog, "lblTitulo")->text(), "Foram encontradas os sequintes DARE's");
        EXPECT_EQ(child<QLabel>(dialog, "lblContribuinte")->text(), "para o contribuintes COMERCIAL VERDALENA LTDA");
        EXPECT_EQ(child<QLabel>(dialog, "lblPeriodo")->text(), "no período de referência 02/2024");
        EXPECT_EQ(dialog.grid()->model()->index(1, 1).data().toString(), "55,50");
        keepPicture(dialog, "FrmSelecionaGate");
        dialog.grid()->selectRow(1);
        QTest::mouseClick(dialog.selectButton(), Qt::LeftButton);
        EXPECT_EQ(dialog.chosen(), slips[1]);
    }
    {
        ui::FrmSelecionaGate dialog(slips, "X", "022024");
        activate(dialog);
        QTest::mouseClick(dialog.cancelButton(), Qt::LeftButton);
        EXPECT_FALSE(dialog.chosen());
    }

    addTaxpayer(kIE2, "ABC COMERCIO");
    exec("INSERT INTO DareAvulsas (IE, Ano, Mes, CodigoTributo, Seq, ValorReceita) VALUES "
         "(?, '2024', '02', '150', 1, 1000), (?, '2024', '02', '150', 5, 20), (?, '2024', '03', '151', 2, 300)",
         {kIE, kIE, kIE2});
    ui::FrmConsultaDareAvulsa consult;
    QAbstractItemModelTester tester(consult.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    activate(consult);
    EXPECT_EQ(consult.windowTitle(), "Consulta DARE Avulso");
    EXPECT_FALSE(consult.current());
    consult.periodBox()->setEditText("");
    consult.localizar();
    EXPECT_EQ(consult.periodBox()->currentText(), "<TODOS>");
    ASSERT_EQ(consult.model()->rowCount(), 3);
    QStringList headers;
    for (int c = 0; c < consult.model()->columnCount(); ++c)
        headers << consult.model()->headerData(c, Qt::Horizontal).toString();
    EXPECT_EQ(headers, (QStringList{"Razão Social", "IE", "Período", "Tributo", "Valor Receita"}));
    EXPECT_EQ(consult.model()->index(0, 1).data().toString(), "29.000.000-9");
    EXPECT_EQ(consult.model()->index(0, 2).data().toString(), "03/2024");
    keepPicture(consult, "FrmConsultaDareAvulsa");
    consult.taxpayerBox()->setCurrentText("COMERCIAL VERDALENA LTDA");
    consult.localizar();
    ASSERT_EQ(consult.model()->rowCount(), 2);
    consult.grid()->selectRow(1);
    EXPECT_EQ(consult.current()->key(), (AvulsaKey{kIE, "2024", "02", "150", 5}));
}

} // namespace

// The taxpayer screen driven as a user would: type the IE, leave the field,
// answer the messages, press "&Gravar", and the focus and the buttons after
// each step.

#include "RegistryFixture.h"
#include "ScreenTestSupport.h"

#include "common/ui/MaskedLineEdit.h"
#include "registry/ui/FrmContribuintes.h"
#include "storage/ReferenceLookups.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QToolButton>

using namespace vexa;
using namespace vexa::registry;
using namespace vexa::test;
using Frm = vexa::registry::ui::FrmContribuintes;

namespace {

const QStringList kControls = {"btnGravar", "btnCancelar", "btnNovo", "btnExcluir", "btnRetornar", "btnLocalizar",
                               "EdtIE", "btnPrimeiro", "btnAnterior", "btnProximo", "btnUltimo", "btnExcluirSenha"};
const QStringList kEditing = {"btnGravar", "btnCancelar"};
const QStringList kBrowsing = {"btnNovo", "btnExcluir", "btnRetornar", "btnLocalizar", "EdtIE", "btnPrimeiro",
                               "btnAnterior", "btnProximo", "btnUltimo", "btnExcluirSenha"};
const QStringList kKeySearch = {"btnRetornar", "btnLocalizar", "EdtIE"};

class FrmContribuintesTest : public RegistryTest {
protected:
    void open() {
        screen = std::make_unique<Frm>(prompter);
        activate(*screen);
        ie = child<QLineEdit>(*screen, "EdtIE");
    }
    void TearDown() override {
        screen.reset();
        RegistryTest::TearDown();
    }
    QStringList enabled() const { return enabledOf(*screen, kControls); }
    void typeIE(const QString& digits, Qt::Key leaveWith = Qt::Key_Tab) {
        ie->selectAll();
        QTest::keyClick(ie, Qt::Key_Backspace);
        typeText(ie, digits);
        QTest::keyClick(ie, leaveWith);
        settle();
    }
    void press(const char* button) { pressButton(*screen, button); }
    void typeInto(const char* name, const QString& text) {
        auto* e = child<QLineEdit>(*screen, name);
        e->setFocus(Qt::MouseFocusReason);
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        typeText(e, text);
        settle();
    }
    bool passwordGroupOnShow() const { return child<QGroupBox>(*screen, "gbSenha")->isVisible(); }
    void saved(const Contribuinte& row) {
        QString error;
        ASSERT_TRUE(saveTaxpayer(row, &error)) << error.toStdString();
    }

    ScriptedPrompter prompter;
    std::unique_ptr<Frm> screen;
    QLineEdit* ie = nullptr;
};

TEST_F(FrmContribuintesTest, OpensAsIfNovoWasPressed) {
    saved(completeTaxpayer(kIE2));
    open();
    EXPECT_EQ(screen->windowTitle(), "Cadastro de Contribuintes");
    EXPECT_EQ(screen->state(), Frm::State::KeySearch);
    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_TRUE(ie->text().remove(QRegularExpression("[^0-9]")).isEmpty());
    EXPECT_EQ(enabled(), kKeySearch);
    EXPECT_EQ(child<QToolButton>(*screen, "btnPrimeiro")->toolTip(), "Primeiro regostro");
    EXPECT_EQ(child<QToolButton>(*screen, "btnUltimo")->toolTip(), "Último registro");
}

TEST_F(FrmContribuintesTest, NewTaxpayerIsTypedInAndEveryCheckStopsTheSaveInItsField) {
    open();
    typeIE(kIEBadDigit);
    EXPECT_EQ(prompter.log(), QStringList{"warn: Inscrição Estadual Inválida!!!"});
    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_EQ(screen->state(), Frm::State::KeySearch);

    typeIE("");
    EXPECT_EQ(prompter.last(), "warn: Informe  a Inscrição Estadual!!!");
    EXPECT_EQ(focused(), "EdtIE");

    // Enter leaves the field as Tab does; a valid new IE starts a row with its defaults.
    prompter.clear();
    typeIE(kIE1, Qt::Key_Return);
    EXPECT_TRUE(prompter.log().isEmpty());
    EXPECT_EQ(screen->state(), Frm::State::Insert);
    EXPECT_EQ(focused(), "EdtCGC_CPF");
    EXPECT_EQ(enabled(), kEditing);
    EXPECT_TRUE(passwordGroupOnShow());
    EXPECT_TRUE(child<QRadioButton>(*screen, "rbUnico")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(*screen, "rbFiscal")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(*screen, "rbNormal")->isChecked());
    EXPECT_FALSE(child<QCheckBox>(*screen, "chkPortadorTare")->isChecked());

    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: Nome ou Razão Social deve ser Informada!!!");
    EXPECT_EQ(focused(), "EdtRazaoSocial");
    typeInto("EdtRazaoSocial", "d'ávila & filhos comércio ltda");
    EXPECT_EQ(child<QLineEdit>(*screen, "EdtRazaoSocial")->text(), kApostropheName);

    press("btnGravar");
    EXPECT_EQ(prompter.last(),
              "warn: Atividade Econômica informada não cadastrada na tabela de atividades econômicas!!!");
    EXPECT_EQ(focused(), "cbAtividadeCodigo");
    choose(child<QComboBox>(*screen, "cbAtividadeCodigo"), kActivity);
    EXPECT_EQ(child<QComboBox>(*screen, "cbAtividadeDescricao")->currentData().toString(), kActivity);

    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: Campo município deve ser selecionado!!!");
    EXPECT_EQ(focused(), "cbMunicipio");
    choose(child<QComboBox>(*screen, "cbUF"), "QX");
    QString municipality;
    municipalityOf("QX", &municipality);
    choose(child<QComboBox>(*screen, "cbMunicipio"), municipality);

    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: CNPJ ou CPF informado inválido!!!");
    EXPECT_EQ(focused(), "EdtCGC_CPF");
    typeInto("EdtCGC_CPF", "11111111111");  // a CPF of one repeated digit
    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: CNPJ ou CPF informado inválido!!!");
    typeInto("EdtCGC_CPF", "11.222.333/0001-81");  // only the digits get in
    EXPECT_EQ(child<QLineEdit>(*screen, "EdtCGC_CPF")->text(), kCNPJ);

    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: Senha deve ser informada!!!");
    EXPECT_EQ(focused(), "EdtNovaSenha");
    typeInto("EdtNovaSenha", "ab123");
    EXPECT_EQ(child<QLineEdit>(*screen, "EdtNovaSenha")->text(), "ab12");  // 4 characters at most

    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: E-mail do Contribuinte deve ser informado!!!");
    EXPECT_EQ(focused(), "EdtEmail");
    typeInto("EdtEmail", "o'neil%@comércio.com");

    prompter.clear();
    press("btnGravar");
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(enabled(), kBrowsing);
    EXPECT_FALSE(passwordGroupOnShow());  // a password is stored now

    const auto row = findTaxpayer(kIE1);
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->RazaoSocial, kApostropheName);
    EXPECT_EQ(row->EmailCont, "o'neil%@comércio.com");
    EXPECT_EQ(row->NovaSenha, "ab12");
    EXPECT_EQ(row->AtividadeEconomicaPrincip, kActivity);
    EXPECT_EQ(row->UF, "QX");
    EXPECT_EQ(row->TipoRegime, "N");
}

TEST_F(FrmContribuintesTest, ExistingTaxpayerIsShownEditedAndCancelled) {
    saved(completeTaxpayer(kIE1));
    open();
    typeIE(kIE1);
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(enabled(), kBrowsing);
    EXPECT_EQ(child<QLineEdit>(*screen, "EdtRazaoSocial")->text(), "COMERCIAL VERDALENA LTDA");

    typeInto("EdtRazaoSocial", "OUTRO NOME");
    EXPECT_EQ(screen->state(), Frm::State::Edit);
    EXPECT_EQ(enabled(), kEditing);
    press("btnCancelar");
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(child<QLineEdit>(*screen, "EdtRazaoSocial")->text(), "COMERCIAL VERDALENA LTDA");
    EXPECT_EQ(findTaxpayer(kIE1)->RazaoSocial, "COMERCIAL VERDALENA LTDA");

    // Entering the IE field again starts a new key search.
    ie->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(screen->state(), Frm::State::KeySearch);
    EXPECT_EQ(enabled(), kKeySearch);
}

TEST_F(FrmContribuintesTest, ClearingThePasswordBringsTheGroupBackAndTheNextSaveInsists) {
    saved(completeTaxpayer(kIE1));
    open();
    typeIE(kIE1);
    EXPECT_FALSE(passwordGroupOnShow());

    QTest::mouseClick(child<QPushButton>(*screen, "btnExcluirSenha"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(prompter.log().isEmpty());  // no question asked
    EXPECT_TRUE(passwordGroupOnShow());
    EXPECT_EQ(storedPassword(kIE1), "");
    EXPECT_EQ(screen->state(), Frm::State::Browse);

    typeInto("EdtEmail", "novo@x.com");
    EXPECT_EQ(screen->state(), Frm::State::Edit);
    EXPECT_TRUE(passwordGroupOnShow());
    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: Senha deve ser informada!!!");
    EXPECT_EQ(focused(), "EdtNovaSenha");
    typeInto("EdtNovaSenha", "9z9z");
    press("btnGravar");
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_FALSE(passwordGroupOnShow());
    EXPECT_EQ(storedPassword(kIE1), "9z9z");
}

TEST_F(FrmContribuintesTest, ChoosingAStateRefillsOnlyItsMunicipalities) {
    open();
    typeIE(kIE1);
    auto* uf = child<QComboBox>(*screen, "cbUF");
    auto* municipio = child<QComboBox>(*screen, "cbMunicipio");
    for (const QString state : {"SP", "QX", "EX"}) {
        choose(uf, state);
        const auto expected = storage::MunicipalityList(1, state);
        ASSERT_EQ(municipio->count(), expected.size()) << state.toStdString();
        for (int i = 0; i < municipio->count(); ++i) EXPECT_EQ(municipio->itemData(i).toString(), expected[i].codigoID);
        EXPECT_EQ(municipio->currentIndex(), -1);
    }
}

TEST_F(FrmContribuintesTest, TareHolderWithAFailingIEIsEditedAndSaved) {
    Contribuinte row = completeTaxpayer(kIEBadDigit);
    row.PortadorTare = true;
    saved(row);
    open();
    typeIE(kIEBadDigit);  // found: the IE field's own test is for new IEs only
    EXPECT_TRUE(prompter.log().isEmpty());
    EXPECT_EQ(screen->state(), Frm::State::Browse);

    typeInto("EdtRazaoSocial", "TARE LTDA");
    press("btnGravar");
    EXPECT_TRUE(prompter.log().isEmpty());
    EXPECT_EQ(findTaxpayer(kIEBadDigit)->RazaoSocial, "TARE LTDA");

    // Without the box the IE is refused; the IE field is closed while editing.
    QTest::mouseClick(child<QCheckBox>(*screen, "chkPortadorTare"), Qt::LeftButton);
    settle();
    EXPECT_EQ(screen->state(), Frm::State::Edit);
    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: Inscrição Estadual Informada Inválida!!!");
    EXPECT_EQ(screen->state(), Frm::State::Edit);
    EXPECT_NE(focused(), "EdtIE");
    EXPECT_TRUE(findTaxpayer(kIEBadDigit)->PortadorTare);
}

TEST_F(FrmContribuintesTest, DeleteKeepsATaxpayerWithDeclarations) {
    saved(completeTaxpayer(kIE1));
    saved(completeTaxpayer(kIE2));
    insertDeclaration(kIE1, "2015", "07", "02");
    open();
    typeIE(kIE1);
    press("btnExcluir");
    EXPECT_EQ(prompter.log(), QStringList{"warn: Contribuinte não pode ser exluido. Existe VEXA cadastrada para ele!!!"});
    EXPECT_TRUE(findTaxpayer(kIE1).has_value());

    prompter.clear();
    prompter.queueAnswer(true);
    child<QToolButton>(*screen, "btnProximo")->click();
    settle();
    EXPECT_EQ(screen->currentIE(), kIE2);
    press("btnExcluir");
    EXPECT_EQ(prompter.log(), QStringList{"ask: Confirma Exclusão???"});
    EXPECT_FALSE(findTaxpayer(kIE2).has_value());
    EXPECT_EQ(screen->currentIE(), kIE1);  // the remaining row is on show
}

TEST_F(FrmContribuintesTest, LocalizarLandsOnTheChosenTaxpayerWithTheFocusOnTheName) {
    saved(completeTaxpayer(kIE1));
    Contribuinte other = completeTaxpayer(kIE2);
    other.RazaoSocial = kApostropheName;
    saved(other);
    open();

    screen->setSearcher([](QWidget*) { return std::optional<NameRow>(); });
    press("btnLocalizar");
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->state(), Frm::State::KeySearch);

    bool hiddenWhileSearching = false;
    screen->setSearcher([&](QWidget*) {
        hiddenWhileSearching = !screen->isVisible();
        return std::optional<NameRow>(NameRow{kApostropheName, kIE2, {}});
    });
    press("btnLocalizar");
    settle();
    EXPECT_TRUE(hiddenWhileSearching);
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(screen->currentIE(), kIE2);
    EXPECT_EQ(child<QLineEdit>(*screen, "EdtRazaoSocial")->text(), kApostropheName);
    // The focus the screen gets back when it is active again.
    ASSERT_NE(screen->focusWidget(), nullptr);
    EXPECT_EQ(screen->focusWidget()->objectName(), "EdtRazaoSocial");
}

TEST_F(FrmContribuintesTest, NavigatorAndNovo) {
    saved(completeTaxpayer(kIE1));
    saved(completeTaxpayer(kIE2));
    saved(completeTaxpayer(kIE3));
    open();
    typeIE(kIE2);
    press("btnUltimo");
    EXPECT_EQ(screen->currentIE(), kIE3);
    press("btnAnterior");
    EXPECT_EQ(screen->currentIE(), kIE2);
    press("btnPrimeiro");
    EXPECT_EQ(screen->currentIE(), kIE1);
    EXPECT_EQ(child<MaskedLineEdit>(*screen, "EdtIE")->digits(), kIE1);
    press("btnNovo");
    EXPECT_EQ(screen->state(), Frm::State::KeySearch);
    EXPECT_EQ(focused(), "EdtIE");
    EXPECT_TRUE(child<MaskedLineEdit>(*screen, "EdtIE")->isBlank());
}

} // namespace

namespace {

TEST_F(FrmContribuintesTest, EnterMovesThroughTheFieldsInReadingOrder) {
    saved(completeTaxpayer(kIE1));
    open();
    typeIE(kIE1, Qt::Key_Return);
    QStringList order{focused()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        settle();
        order << focused();
    }
    // The password group is not on show: a password is stored.
    EXPECT_EQ(order, (QStringList{"EdtCGC_CPF", "EdtRazaoSocial", "cbAtividadeCodigo", "cbAtividadeDescricao", "cbUF",
                                  "cbMunicipio", "rbUnico", "rbFiscal", "rbNormal", "chkPortadorTare", "chkUsuarioECF",
                                  "EdtEmail"}));
    EXPECT_EQ(screen->state(), Frm::State::Browse);  // moving through changes nothing
}

} // namespace

// The accountant screen driven as a user would: CRC and state as the key,
// the state's own check on leaving it, the save checks, delete.

#include "RegistryFixture.h"
#include "ScreenTestSupport.h"

#include "common/ui/MaskedLineEdit.h"
#include "registry/ui/FrmResponsaveis.h"

#include <QLineEdit>
#include <QToolButton>

using namespace vexa;
using namespace vexa::registry;
using namespace vexa::test;
using Frm = vexa::registry::ui::FrmResponsaveis;

namespace {

const QStringList kControls = {"btnGravar", "btnCancelar", "btnRetornar", "btnExcluir", "btnNovo", "btnLocalizar",
                               "EdtCRC", "EdtUF"};
const QStringList kEditing = {"btnGravar", "btnCancelar"};
const QStringList kBrowsing = {"btnRetornar", "btnExcluir", "btnNovo", "btnLocalizar", "EdtCRC", "EdtUF"};
const QStringList kKeySearch = {"btnCancelar", "btnRetornar", "btnExcluir", "btnNovo", "btnLocalizar", "EdtCRC",
                                "EdtUF"};

class FrmResponsaveisTest : public RegistryTest {
protected:
    void open() {
        screen = std::make_unique<Frm>(prompter);
        activate(*screen);
    }
    void TearDown() override {
        screen.reset();
        RegistryTest::TearDown();
    }
    QStringList enabled() const { return enabledOf(*screen, kControls); }
    QLineEdit* edit(const char* name) const { return child<QLineEdit>(*screen, name); }
    void type(const char* name, const QString& text, bool leave = false) {
        typeInField(edit(name), text, leave);
    }
    void press(const char* button) { pressButton(*screen, button); }

    ScriptedPrompter prompter;
    std::unique_ptr<Frm> screen;
};

TEST_F(FrmResponsaveisTest, NewAccountantWithElevenCharacterCRCAbroad) {
    open();
    EXPECT_EQ(screen->windowTitle(), "Cadastro de Contabilistas");
    EXPECT_EQ(screen->state(), Frm::State::KeySearch);
    EXPECT_EQ(focused(), "EdtCRC");
    EXPECT_EQ(enabled(), kKeySearch);

    type("EdtCRC", "123456789012", true);  // the field takes 11
    EXPECT_EQ(edit("EdtCRC")->text(), "12345678901");
    EXPECT_EQ(focused(), "EdtUF");
    type("EdtUF", "xx", true);
    EXPECT_EQ(prompter.log(), QStringList{"warn: UF informada inválida!!!"});
    EXPECT_EQ(focused(), "EdtUF");
    EXPECT_EQ(screen->state(), Frm::State::KeySearch);

    prompter.clear();
    type("EdtUF", "ex", true);
    EXPECT_TRUE(prompter.log().isEmpty());
    EXPECT_EQ(screen->state(), Frm::State::Insert);
    EXPECT_EQ(focused(), "EdtNome");
    EXPECT_EQ(enabled(), kEditing);
    EXPECT_EQ(edit("EdtCRC")->text(), "1234567890");

    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: Nome do Cotabilista deve ser informado!!!");
    EXPECT_EQ(focused(), "EdtNome");
    type("EdtNome", "joão d'ávila");
    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: CPF Contabilista Inválido!!!");
    EXPECT_EQ(focused(), "EdtCPF");
    type("EdtCPF", "11111111111");  // one repeated digit passes here
    press("btnGravar");
    EXPECT_EQ(prompter.last(), "warn: E-mail do Contabilista deve ser informado!!!");
    EXPECT_EQ(focused(), "EdtEmail");
    type("EdtEmail", "Joao@Contabil.COM");
    EXPECT_EQ(edit("EdtEmail")->text(), "joao@contabil.com");

    prompter.clear();
    press("btnGravar");
    EXPECT_TRUE(prompter.log().isEmpty());
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(enabled(), kBrowsing);
    const auto row = findAccountant("1234567890", "EX");
    ASSERT_TRUE(row.has_value());
    EXPECT_EQ(row->Nome, "JOÃO D'ÁVILA");
    EXPECT_EQ(row->CPFCGC, "11111111111");
}

TEST_F(FrmResponsaveisTest, SameCRCInAnotherStateStartsAnotherRow) {
    QString error;
    ASSERT_TRUE(saveAccountant(completeAccountant("555", "SP"), &error));
    open();
    type("EdtCRC", "555", true);
    type("EdtUF", "SP", true);
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(edit("EdtNome")->text(), "MARIA DAS DORES");

    press("btnNovo");
    EXPECT_EQ(focused(), "EdtCRC");
    EXPECT_EQ(screen->state(), Frm::State::KeySearch);
    EXPECT_TRUE(edit("EdtCRC")->text().isEmpty());
    EXPECT_TRUE(edit("EdtUF")->text().isEmpty());
    type("EdtCRC", "555", true);
    type("EdtUF", "QX", true);
    EXPECT_EQ(screen->state(), Frm::State::Insert);
    EXPECT_TRUE(edit("EdtNome")->text().isEmpty());
    type("EdtNome", "PEDRO");
    type("EdtCPF", kCPF);
    type("EdtEmail", "p@q.r");
    press("btnGravar");
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(count("SELECT count(*) FROM Declarante WHERE CRC = '555'"), 2);
}

TEST_F(FrmResponsaveisTest, EditCancelAndDelete) {
    QString error;
    ASSERT_TRUE(saveAccountant(completeAccountant("100", "QX"), &error));
    ASSERT_TRUE(saveAccountant(completeAccountant("200", "QX"), &error));
    open();
    type("EdtCRC", "100", true);
    type("EdtUF", "QX", true);
    type("EdtTelefone", "(62) 1234");
    EXPECT_EQ(screen->state(), Frm::State::Edit);
    EXPECT_EQ(enabled(), kEditing);
    press("btnCancelar");
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(edit("EdtTelefone")->text(), "(11) 5555-0000");

    prompter.queueAnswers({false, true});
    press("btnExcluir");
    EXPECT_TRUE(findAccountant("100", "QX").has_value());
    press("btnExcluir");
    EXPECT_EQ(prompter.log(), (QStringList{"ask: Confirma Exclusão", "ask: Confirma Exclusão"}));
    EXPECT_FALSE(findAccountant("100", "QX").has_value());
    EXPECT_EQ(screen->current(), (AccountantKey{"200", "QX"}));
    EXPECT_EQ(edit("EdtCRC")->text(), "200");
}

TEST_F(FrmResponsaveisTest, CancelGivesUpTheKeySearchAndLocalizarLandsOnTheChosenRow) {
    QString error;
    ASSERT_TRUE(saveAccountant(completeAccountant("100", "QX"), &error));
    Declarante other = completeAccountant("100", "EX");
    other.Nome = "ZÉ DO EXTERIOR";
    ASSERT_TRUE(saveAccountant(other, &error));
    open();
    press("btnCancelar");
    EXPECT_EQ(screen->state(), Frm::State::Browse);
    EXPECT_EQ(screen->current(), (AccountantKey{"100", "EX"}));
    EXPECT_EQ(edit("EdtCRC")->text(), "100");

    screen->setSearcher([](QWidget*) { return std::optional<NameRow>(NameRow{"MARIA DAS DORES", "100", "QX"}); });
    press("btnLocalizar");
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(screen->current(), (AccountantKey{"100", "QX"}));
    EXPECT_EQ(edit("EdtNome")->text(), "MARIA DAS DORES");
    // The focus the screen gets back when it is active again.
    ASSERT_NE(screen->focusWidget(), nullptr);
    EXPECT_EQ(screen->focusWidget()->objectName(), "EdtNome");
}

} // namespace

// "Cadastrar DARE" on the offscreen platform: the states and their commands,
// the reference check, the save and print checks with their messages and
// focus, Localizar through "Consulta DARE", and the opening from the
// declaration screen. With VEXA_SCREENSHOT_DIR set the screens are drawn there.

#include "GatesScreenFixture.h"

#include "common/ui/MaskedLineEdit.h"
#include "declaration/ui/FrmVexasPlugs.h"
#include "payment/ui/ConsultaDareModel.h"
#include "payment/ui/FrmConsultaDare.h"

#include <QComboBox>
#include <QTableView>
#include <QTimer>

using namespace vexa;
using namespace vexa::payment;
using namespace vexa::test;
using ui::FrmGates;

namespace {

const QString kHoje = QStringLiteral("15/03/2024");

QColor textColour(const FrmGates& screen, const char* name) {
    return child<QLineEdit>(screen, name)->palette().color(QPalette::Text);
}

TEST_F(GatesScreenTest, StatesFollowTheRowFromNewSlipToSecondVisitAndDeletion) {
    FrmGates screen(prompter_);
    activate(screen);
    EXPECT_EQ(screen.state(), FrmGates::State::KeyEntry);
    EXPECT_EQ(enabledOf(screen, kCommands), (QStringList{"btnNovo", "btnLocalizar", "btnRetornar"}));
    EXPECT_EQ(enabledOf(screen, kKeyFields), kKeyFields);
    EXPECT_FALSE(edit(screen, "EdtCodigoTributo")->isEnabled());
    EXPECT_EQ(textColour(screen, "EdtDataVencimento"), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(textColour(screen, "EdtCodMunicipio"), QColor(0xC0, 0xC0, 0xC0));
    EXPECT_EQ(child<QWidget>(screen, "lblStatus")->property("text").toString(),
              QStringLiteral("Impressão do DARE valida até referência 01/2025"));
    keepPicture(screen, "FrmGates-key");

    // A period rectified once: the new DARE belongs to rectification "01".
    typeKey(screen, kIE, "2", "2024");
    EXPECT_EQ(screen.state(), FrmGates::State::Edit);
    EXPECT_TRUE(screen.isNewRow());
    EXPECT_EQ(screen.formDare().key, (DareKey{kIE, "2024", "02", "01"}));
    EXPECT_EQ(text(screen, "EdtMes"), "02");
    EXPECT_EQ(text(screen, "EdtDataPgto"), kHoje);
    EXPECT_EQ(text(screen, "EdtRazaoSocial"), kNome);
    EXPECT_EQ(text(screen, "EdtCodMunicipio"), kIBGE);
    EXPECT_EQ(text(screen, "EdtDataVencimento"), "11/03/2024");
    EXPECT_EQ(textColour(screen, "EdtDataVencimento"), QColor(Qt::black));
    EXPECT_EQ(enabledOf(screen, kCommands), (QStringList{"btnGravar", "btnCancelar"}));
    EXPECT_TRUE(enabledOf(screen, kKeyFields).isEmpty());
    EXPECT_EQ(focused(), "EdtCodigoTributo");
    EXPECT_EQ(dareRows(kIE), 0);

    // The code brings its description and the amounts: 4 days late, 0,33 % a day.
    retype(edit(screen, "EdtCodigoTributo"), "101");
    EXPECT_EQ(child<QComboBox>(screen, "cbTributo")->currentText(), "ICMS Normal - Apuração Mensal");
    EXPECT_EQ(text(screen, "EdtVlReceita"), "1.000,00");
    EXPECT_EQ(text(screen, "EdtMulta"), "13,20");
    EXPECT_EQ(text(screen, "EdtJuros"), "0,00");
    EXPECT_EQ(text(screen, "EdtVlTotal"), "1.013,20");
    EXPECT_EQ(text(screen, "EdtTSE"), "");
    retype(edit(screen, "EdtObs1"), "PRIMEIRA VIA");
    keepPicture(screen, "FrmGates-new");
    screen.gravar();
    EXPECT_TRUE(prompter_.log().isEmpty()) << prompter_.last().toStdString();
    EXPECT_EQ(screen.state(), FrmGates::State::Browse);
    EXPECT_EQ(enabledOf(screen, kCommands),
              (QStringList{"btnNovo", "btnExcluir", "btnLocalizar", "btnImprimir", "btnRetornar"}));
    EXPECT_EQ(enabledOf(screen, kKeyFields), kKeyFields);
    EXPECT_EQ(dareRows(kIE, "01"), 1);
    EXPECT_EQ(dareRows(kIE), 1);

    // A change is an edit; Cancelar drops it and goes back to an empty key.
    retype(edit(screen, "EdtObs1"), "OUTRA");
    EXPECT_EQ(screen.state(), FrmGates::State::Edit);
    EXPECT_FALSE(screen.isNewRow());
    screen.cancelar();
    EXPECT_EQ(screen.state(), FrmGates::State::KeyEntry);
    EXPECT_EQ(child<MaskedLineEdit>(screen, "EdtIE")->digits(), "");
    EXPECT_EQ(text(screen, "EdtAno"), "");
    EXPECT_EQ(text(screen, "EdtDataVencimento"), "");
    EXPECT_EQ(focused(), "EdtIE");

    // The second visit shows the stored DARE.
    typeKey(screen, kIE, "02", "2024");
    EXPECT_EQ(screen.state(), FrmGates::State::Browse);
    EXPECT_EQ(text(screen, "EdtCodigoTributo"), "101");
    EXPECT_EQ(text(screen, "EdtObs1"), "PRIMEIRA VIA");
    keepPicture(screen, "FrmGates-browse");

    // Entering a key field starts a key entry: nothing on show.
    edit(screen, "EdtAno")->setFocus(Qt::MouseFocusReason);
    settle();
    EXPECT_EQ(screen.state(), FrmGates::State::KeyEntry);
    EXPECT_EQ(text(screen, "EdtCodigoTributo"), "");
    QTest::keyClick(edit(screen, "EdtAno"), Qt::Key_Return);
    settle();
    ASSERT_EQ(screen.state(), FrmGates::State::Browse);

    prompter_.queueAnswers({false, true});
    screen.excluir();
    EXPECT_EQ(dareRows(kIE), 1);
    EXPECT_EQ(screen.state(), FrmGates::State::Browse);
    screen.excluir();
    EXPECT_EQ(prompter_.log(), (QStringList{"ask: Confirma Exclusão???", "ask: Confirma Exclusão???"}));
    EXPECT_EQ(dareRows(kIE), 0);
    EXPECT_EQ(screen.state(), FrmGates::State::KeyEntry);
    EXPECT_EQ(focused(), "EdtIE");
}

TEST_F(GatesScreenTest, ReferenceCheckRefusals) {
    const struct {
        QString ie, mes, ano;
        QString message;        // shown in a box ("info: ...") or reaching the error handler
        bool error;
        QString focus;
        bool keyKept;
    } cases[] = {
        {kIE, "02", "1999", "info: " + dare_msg::AnoAnterior2000, false, "EdtAno", true},
        {"290000025", "02", "2024", dare_msg::ContribuinteNaoLocalizado, true, "", true},
        {kIE, "05", "2024", "info: " + dare_msg::SemVexa, false, "EdtIE", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ie.toStdString() + " " + c.mes.toStdString() + "/" + c.ano.toStdString());
        prompter_.clear();
        errors_.clear();
        FrmGates screen(prompter_);
        activate(screen);
        typeKey(screen, c.ie, c.mes, c.ano);
        EXPECT_EQ(screen.state(), FrmGates::State::KeyEntry);
        if (c.error) {
            EXPECT_EQ(errors_, QStringList{c.message});
            EXPECT_TRUE(prompter_.log().isEmpty());
        } else {
            EXPECT_EQ(prompter_.log(), QStringList{c.message});
            EXPECT_EQ(focused(), c.focus);
        }
        EXPECT_EQ(text(screen, "EdtAno"), c.keyKept ? c.ano : QString());
        EXPECT_EQ(child<MaskedLineEdit>(screen, "EdtIE")->digits(), c.keyKept ? c.ie : QString());
        EXPECT_EQ(dareRows(c.ie), 0);
    }
}

TEST_F(GatesScreenTest, LeavingTheIEWithAYearTypedRunsTheCheck) {
    FrmGates screen(prompter_);
    activate(screen);
    typeKey(screen, "290000025", "02", "2024");
    ASSERT_EQ(errors_, QStringList{dare_msg::ContribuinteNaoLocalizado});
    retype(edit(screen, "EdtIE"), kIE);
    QTest::keyClick(edit(screen, "EdtIE"), Qt::Key_Return);
    settle();
    // Only the IE was left (for the month): the DARE of the period starts.
    EXPECT_EQ(screen.state(), FrmGates::State::Edit);
    EXPECT_EQ(screen.formDare().key, (DareKey{kIE, "2024", "02", "01"}));
    EXPECT_EQ(focused(), "EdtCodigoTributo");
}

TEST_F(GatesScreenTest, SaveChecksInOrderWithTheirMessagesAndFocus) {
    setIndex(kIndiceSELIC, QDate(2024, 3, 1), std::nan(""));
    const struct {
        QString ie, mes;
        QString code, payDate;
        QStringList shown;     // the boxes, in order
        QString focus;         // after a refusal
        bool saved;
    } cases[] = {
        {kIE, "02", "999", kHoje, {"info: " + dare_msg::ReceitaNaoLocalizada}, "EdtCodigoTributo", false},
        // A standalone slip's code is no code of a declaration.
        {kIE, "02", "150", kHoje, {"info: " + dare_msg::ReceitaNaoLocalizada}, "EdtCodigoTributo", false},
        {kIE, "02", "101", "01/04/2024", {"info: Data para pagamento não pode ser superior a 31/03/2024"},
         "EdtDataPgto", false},
        {kIE, "02", "101", "14/03/2024", {"info: Data para pagamento não pode ser menor que a Data Atual: 15/03/2024"},
         "EdtDataPgto", false},
        // Due 10/04/2024, next month: paying before it is refused.
        {kIE, "03", "101", "20/03/2024", {"info: " + dare_msg::PagamentoAntesVencimento}, "EdtDataPgto", false},
        // Due 14/02/2024, paid 31 days late without the SELIC of March 2024.
        {kIE, "01", "101", "16/03/2024", {"info: " + dare_msg::AtualizarSelic}, "EdtDataPgto", false},
        // Due 11/03/2024, this month: a payment on the 15th passes.
        {kIE, "02", "101", kHoje, {}, "", true},
        // The regime's list leaves kind 0 out, but the typed code is kept.
        {kIESimples, "02", "101", kHoje, {}, "", true},
        {kIESemMunicipio, "02", "101", kHoje, {"info: " + dare_msg::SemMunicipio}, "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ie.toStdString() + " " + c.mes.toStdString() + " " + c.code.toStdString() + " " +
                     c.payDate.toStdString());
        exec(QStringLiteral("DELETE FROM dare"));
        prompter_.clear();
        FrmGates screen(prompter_);
        activate(screen);
        typeKey(screen, c.ie, c.mes, "2024");
        ASSERT_EQ(screen.state(), FrmGates::State::Edit);
        retype(edit(screen, "EdtCodigoTributo"), c.code);
        retype(edit(screen, "EdtDataPgto"), QString(c.payDate).remove('/'));
        edit(screen, "EdtObs2")->setFocus(Qt::MouseFocusReason);
        screen.gravar();
        EXPECT_EQ(prompter_.log(), c.shown);
        EXPECT_EQ(dareRows(c.ie), c.saved ? 1 : 0);
        EXPECT_EQ(screen.state(), c.saved ? FrmGates::State::Browse : FrmGates::State::Edit);
        if (!c.saved) {
            EXPECT_EQ(focused(), c.focus);
        }
    }
}

TEST_F(GatesScreenTest, RevenueDropDownFollowsTheRegime) {
    const auto codesOffered = [this](const QString& ie) {
        FrmGates screen(prompter_);
        activate(screen);
        typeKey(screen, ie, "02", "2024");
        QStringList codes;
        auto* combo = child<QComboBox>(screen, "cbTributo");
        for (int i = 0; i < combo->count(); ++i) codes << combo->itemData(i).toString();
        codes.sort();
        return codes;
    };
    EXPECT_EQ(codesOffered(kIE), (QStringList{"101", "102", "103", "104", "110", "120", "121", "130", "140"}));
    EXPECT_EQ(codesOffered(kIESimples), (QStringList{"105", "110", "120", "121", "130", "140"}));
}

TEST_F(GatesScreenTest, PrintChecksThenPreviewWithTheCommandOffMeanwhile) {
    addDeclaration(kIE, "2025", "02", "00", {{"C51", 100}});
    storeDare(kIE, "2024", "01", "00", "101", QDate());                  // no payment date
    storeDare(kIE, "2024", "03", "00", "110", QDate(2024, 4, 10));       // kind 2 of a declaration without it
    storeDare(kIE, "2025", "02", "00", "101", QDate(2025, 3, 10));       // after the program's last period
    storeDare(kIESemMunicipio, "2024", "02", "00", "101", QDate(2024, 3, 15));
    storeDare(kIE, "2024", "02", "01", "101", QDate(2024, 3, 15));
    const struct {
        QString ie, mes, ano;
        QString shown;
        QString focus;
    } refusals[] = {
        {kIE, "01", "2024", dare_msg::InformeDataPagamento, "EdtDataPgto"},
        {kIE, "03", "2024", dare_msg::ReceitaNaoPositiva, ""},
        {kIESemMunicipio, "02", "2024", dare_msg::SemMunicipio, ""},
        {kIE, "02", "2025", versionMessage(), ""},
    };
    int previews = 0;
    for (const auto& c : refusals) {
        SCOPED_TRACE(c.mes.toStdString() + "/" + c.ano.toStdString());
        prompter_.clear();
        FrmGates screen(prompter_);
        screen.setPreviewer([&](QWidget*, const QList<SlipPage>&) { return ++previews > 0; });
        activate(screen);
        typeKey(screen, c.ie, c.mes, c.ano);
        ASSERT_EQ(screen.state(), FrmGates::State::Browse);
        screen.imprimir();
        EXPECT_EQ(prompter_.log(), QStringList{"info: " + c.shown});
        if (!c.focus.isEmpty()) {
            EXPECT_EQ(focused(), c.focus);
        }
        EXPECT_TRUE(child<QWidget>(screen, "btnImprimir")->isEnabled());
    }
    EXPECT_EQ(previews, 0);

    prompter_.clear();
    FrmGates screen(prompter_);
    bool offWhileOpen = false;
    QString boxed;
    screen.setPreviewer([&](QWidget*, const QList<SlipPage>& pages) {
        offWhileOpen = !child<QWidget>(screen, "btnImprimir")->isEnabled();
        if (pages.size() == 1) boxed = pages.front().box(20).lines.join(' ');
        return false;   // the preview failed
    });
    activate(screen);
    typeKey(screen, kIE, "02", "2024");
    screen.imprimir();
    EXPECT_TRUE(prompter_.log().isEmpty());
    EXPECT_TRUE(offWhileOpen);
    EXPECT_EQ(boxed, "1.013,20");
    EXPECT_TRUE(child<QWidget>(screen, "btnImprimir")->isEnabled());
}

TEST_F(GatesScreenTest, LocalizarShowsTheSlipChosenInConsultaDare) {
    storeDare(kIE, "2024", "02", "00", "101", QDate(2024, 3, 15), "DA PRIMEIRA");
    storeDare(kIE, "2024", "02", "01", "104", QDate(2024, 3, 15), "DA RETIFICADORA");
    storeDare(kIESimples, "2024", "02", "00", "110", QDate(2024, 3, 15));
    FrmGates screen(prompter_);
    bool hidden = false;
    screen.setConsultPicker([&](QWidget* parent) -> std::optional<ConsultRow> {
        hidden = !screen.isVisible();
        ui::FrmConsultaDare consult(parent);
        consult.taxpayerBox()->setCurrentText(kNome);
        consult.localizar();
        EXPECT_EQ(consult.model()->rowCount(), 2);
        consult.grid()->selectRow(0);   // rectification "00"
        return consult.current();
    });
    activate(screen);
    screen.localizar();
    settle();
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(screen.isVisible());
    EXPECT_EQ(screen.state(), FrmGates::State::Browse);
    EXPECT_EQ(screen.formDare().key, (DareKey{kIE, "2024", "02", "00"}));
    EXPECT_EQ(text(screen, "EdtObs1"), "DA PRIMEIRA");
    EXPECT_EQ(text(screen, "EdtVlReceita"), "400,00");
    ASSERT_NE(screen.focusWidget(), nullptr);
    EXPECT_EQ(screen.focusWidget()->objectName(), "EdtCodigoTributo");

    // Nothing chosen: what was on show stays.
    screen.setConsultPicker([](QWidget*) { return std::nullopt; });
    screen.localizar();
    settle();
    EXPECT_EQ(screen.formDare().key.Retificacao, "00");
    EXPECT_EQ(screen.state(), FrmGates::State::Browse);
}

TEST_F(GatesScreenTest, OpenedFromTheDeclarationWithItsKey) {
    // The declaration's own stored DARE, through the declaration screen's "&DARE".
    storeDare(kIE, "2024", "02", "00", "101", QDate(2024, 3, 15), "DA PRIMEIRA");
    QString seenObs, seenIE;
    FrmGates::State seenState = FrmGates::State::KeyEntry;
    QTimer::singleShot(0, [&] {
        settle();
        FrmGates* open = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* g = qobject_cast<FrmGates*>(w); g && g->isVisible()) open = g;
        ASSERT_NE(open, nullptr);
        seenState = open->state();
        seenIE = text(*open, "EdtIE");
        seenObs = text(*open, "EdtObs1");
        open->close();
    });
    decl::ui::plugSlips()(decl::DeclarationKey{kIE, "2024", "02", "00"}, prompter_, nullptr);
    EXPECT_EQ(seenState, FrmGates::State::Browse);
    EXPECT_EQ(seenIE, "29.123.456-7");
    EXPECT_EQ(seenObs, "DA PRIMEIRA");

    // Without a DARE of its own, the period's latest rectification gets a new one.
    FrmGates screen(prompter_);
    screen.setDeclarationKey({kIESimples, "2024", "02", "00"});
    activate(screen);
    settle();
    EXPECT_EQ(screen.state(), FrmGates::State::Edit);
    EXPECT_EQ(screen.formDare().key, (DareKey{kIESimples, "2024", "02", "00"}));
    EXPECT_EQ(text(screen, "EdtDataPgto"), kHoje);
    EXPECT_EQ(focused(), "EdtCodigoTributo");
}

TEST_F(GatesScreenTest, TaxpayerFinderFillsTheIEAndNovoClearsTheKey) {
    FrmGates screen(prompter_);
    screen.setTaxpayerSearcher([](QWidget*) { return std::optional<QString>(kIESimples); });
    activate(screen);
    QTest::mouseClick(child<QWidget>(screen, "btnProcuraContribuinte"), Qt::LeftButton);
    settle();
    EXPECT_EQ(text(screen, "EdtIE"), "29.000.000-9");
    EXPECT_EQ(focused(), "EdtMes");
    EXPECT_EQ(screen.state(), FrmGates::State::KeyEntry);
    retype(edit(screen, "EdtMes"), "02");
    QTest::keyClick(edit(screen, "EdtMes"), Qt::Key_Return);
    QTest::keyClicks(edit(screen, "EdtAno"), "2024");
    QTest::keyClick(edit(screen, "EdtAno"), Qt::Key_Return);
    settle();
    EXPECT_EQ(screen.state(), FrmGates::State::Edit);
    screen.cancelar();
    typeKey(screen, kIE, "02", "2024");
    retype(edit(screen, "EdtCodigoTributo"), "101");
    screen.gravar();
    ASSERT_EQ(screen.state(), FrmGates::State::Browse);
    screen.novo();
    EXPECT_EQ(screen.state(), FrmGates::State::KeyEntry);
    EXPECT_EQ(text(screen, "EdtMes"), "");
    EXPECT_EQ(text(screen, "EdtRazaoSocial"), "");
    EXPECT_EQ(focused(), "EdtIE");
}

} // namespace

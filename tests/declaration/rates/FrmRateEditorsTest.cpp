// The editors of items 7.6.1, 7.9.1 and 7.13.1 on the offscreen platform:
// the commands by state, the state and rate pickers, the checks through a
// scripted prompter, the origin share typed, the domicile-B twin, the total
// taken into the declaration screen's apuração, and a screenshot of each.

#include "../lists/ListsFixture.h"

#include "../frmvexas/ScreenFixture.h"
#include "common/Prompter.h"
#include "common/ui/MoneyLineEdit.h"
#include "declaration/DeclarationService.h"
#include "declaration/ui/FrmRateEditors.h"
#include "declaration/ui/FrmVexas.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/SheetApuracao.h"
#include "storage/ReferenceLookups.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

using namespace vexa;
using namespace vexa::decl;
using namespace vexa::decl::ui;
using vexa::test::ListsFixture;

namespace {

const QStringList kCommands = {"btnNovo", "btnGravar", "btnCancelar", "btnExcluir"};

class FrmRateEditorsTest : public ListsFixture {
protected:
    void SetUp() override {
        ListsFixture::SetUp();
        addTaxpayer();
    }

    template <class Editor>
    std::unique_ptr<Editor> open(const DeclarationKey& key) {
        auto editor = std::make_unique<Editor>(rateContextOf(key), prompter);
        tester = std::make_unique<QAbstractItemModelTester>(editor->model(),
                                                            QAbstractItemModelTester::FailureReportingMode::Fatal);
        vexa::test::activate(*editor);
        return editor;
    }
    static void set(FrmListEditor& editor, int row, int column, const QVariant& value) {
        ASSERT_TRUE(editor.model()->setData(editor.model()->index(row, column), value)) << column;
    }
    static QString shown(FrmListEditor& editor, int row, int column) {
        return editor.model()->index(row, column).data().toString();
    }
    static QString field(FrmListEditor& editor, const QString& name) {
        return editor.findChild<QLineEdit*>(name)->text();
    }
    static QComboBox* openPicker(FrmListEditor& editor) {
        for (QComboBox* combo : editor.grid()->viewport()->findChildren<QComboBox*>())
            if (combo->isVisible()) return combo;
        return nullptr;
    }
    // Opens the cell's picker, chooses or types the text, and leaves the cell.
    static void pick(FrmListEditor& editor, int row, int column, const QString& text) {
        const QModelIndex index = editor.model()->index(row, column);
        editor.grid()->setCurrentIndex(index);
        editor.grid()->edit(index);
        QComboBox* combo = openPicker(editor);
        ASSERT_NE(combo, nullptr);
        const int at = combo->findText(text);
        if (at >= 0) combo->setCurrentIndex(at);
        else combo->setEditText(text);
        editor.grid()->commitOpenEditor();
        vexa::test::settle();
    }
    QStringList pickerItems(FrmListEditor& editor, int row, int column) {
        const QModelIndex index = editor.model()->index(row, column);
        editor.grid()->setCurrentIndex(index);
        editor.grid()->edit(index);
        QComboBox* combo = openPicker(editor);
        QStringList items;
        if (combo)
            for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
        editor.grid()->discardOpenEditor();
        vexa::test::settle();
        return items;
    }

    ScriptedPrompter prompter{true};
    std::unique_ptr<QAbstractItemModelTester> tester;
};

} // namespace

TEST_F(FrmRateEditorsTest, EntryDifferentialTypedWithItsPickersAndCommands) {
    const DeclarationKey key = keyOf(QStringLiteral("2013"), QStringLiteral("05"));
    store(key);
    auto editor = open<FrmAliquota>(key);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Detalhamento do Diferencial de Alíquota (Entradas) por UF"));
    EXPECT_EQ(editor->model()->rowCount(), 0);
    EXPECT_EQ(vexa::test::enabledOf(*editor, kCommands), (QStringList{"btnNovo", "btnExcluir"}));

    ASSERT_TRUE(editor->novo());
    EXPECT_EQ(vexa::test::enabledOf(*editor, kCommands), (QStringList{"btnGravar", "btnCancelar"}));
    // The picker leaves out the home state and abroad; letters typed find the state.
    const QStringList states = pickerItems(*editor, 0, RateLineModel::UF);
    EXPECT_EQ(states.first(), QStringLiteral("AC 01"));
    EXPECT_FALSE(states.contains(QStringLiteral("QX 29")));
    EXPECT_FALSE(states.contains(QStringLiteral("EX 90")));
    pick(*editor, 0, RateLineModel::UF, QStringLiteral("ba"));
    EXPECT_EQ(shown(*editor, 0, RateLineModel::UF), QStringLiteral("BA 05"));
    EXPECT_EQ(shown(*editor, 0, RateLineModel::Aliquota), QStringLiteral("12%"));
    EXPECT_EQ(shown(*editor, 0, RateLineModel::Domicilio), QStringLiteral("A"));
    EXPECT_FALSE(shown(*editor, 0, RateLineModel::Municipio).isEmpty());
    EXPECT_EQ(pickerItems(*editor, 0, RateLineModel::Aliquota), (QStringList{"12%", "4%"}));
    set(*editor, 0, RateLineModel::VlrContabil, QStringLiteral("1000"));
    set(*editor, 0, RateLineModel::VlrBaseCalculo, QStringLiteral("1000"));
    set(*editor, 0, RateLineModel::Valor, QStringLiteral("50,5"));
    ASSERT_TRUE(editor->gravar());
    EXPECT_EQ(vexa::test::enabledOf(*editor, kCommands), (QStringList{"btnNovo", "btnExcluir"}));
    EXPECT_EQ(field(*editor, QStringLiteral("edtTotalValor")), QStringLiteral("50,50"));
    EXPECT_EQ(field(*editor, QStringLiteral("edtTotalContabil")), QStringLiteral("1.000,00"));

    // The same state again gets the lower rate; the cursor goes to the last line after a post.
    ASSERT_TRUE(editor->novo());
    pick(*editor, 1, RateLineModel::UF, QStringLiteral("BA 05"));
    EXPECT_EQ(shown(*editor, 1, RateLineModel::Aliquota), QStringLiteral("4%"));
    set(*editor, 1, RateLineModel::Valor, 10.0);
    ASSERT_TRUE(editor->gravar());
    EXPECT_EQ(editor->grid()->currentIndex().row(), 1);
    EXPECT_EQ(field(*editor, QStringLiteral("edtTotalValor")), QStringLiteral("60,50"));
    EXPECT_TRUE(prompter.log().isEmpty()) << prompter.log().join('\n').toStdString();

    // A third line at 12 % is the same line again: dropped with its message.
    ASSERT_TRUE(editor->novo());
    pick(*editor, 2, RateLineModel::UF, QStringLiteral("05"));
    set(*editor, 2, RateLineModel::Aliquota, QStringLiteral("12"));
    EXPECT_TRUE(editor->gravar());
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: Já existe um registro cadastrado para a UF 05")});
    EXPECT_EQ(editor->model()->rowCount(), 2);
    EXPECT_FALSE(editor->model()->isEditing());

    EXPECT_TRUE(editor->retornar());
    EXPECT_DOUBLE_EQ(editor->handedBackTotal(), 60.5);
}

TEST_F(FrmRateEditorsTest, RefusedLinesReturnToTheColumnAtFault) {
    const DeclarationKey key = keyOf(QStringLiteral("2012"), QStringLiteral("12"));
    store(key);
    auto editor = open<FrmAliquotaComp>(key);
    ASSERT_TRUE(editor->novo());
    pick(*editor, 0, RateLineModel::UF, QStringLiteral("qx"));
    EXPECT_FALSE(editor->gravar());
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: Código da UF informado é inválido!")});
    EXPECT_EQ(editor->grid()->currentIndex().column(), RateLineModel::UF);

    // 2012: only the internal rate; 4 % is refused.
    prompter.clear();
    pick(*editor, 0, RateLineModel::UF, QStringLiteral("AL 02"));
    EXPECT_EQ(pickerItems(*editor, 0, RateLineModel::Aliquota), QStringList{"12%"});
    set(*editor, 0, RateLineModel::Aliquota, QStringLiteral("4"));
    EXPECT_FALSE(editor->retornar());
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("warn: Valor de Alíquota inválido!")});
    EXPECT_EQ(editor->grid()->currentIndex().column(), RateLineModel::Aliquota);
    EXPECT_TRUE(editor->isVisible());

    // "&Cancelar" drops the line; nothing was written.
    editor->cancelar();
    EXPECT_EQ(editor->model()->rowCount(), 0);
    EXPECT_TRUE(editor->retornar());
    EXPECT_EQ(rowsOf(QStringLiteral("AliquotaComp"), key), 0);
}

TEST_F(FrmRateEditorsTest, FinalConsumerSharesAndRatesOfTheirPeriod) {
    const DeclarationKey key = keyOf(QStringLiteral("2016"), QStringLiteral("05"));
    store(key);
    auto editor = open<FrmAliquotaConsumidor>(key);
    EXPECT_EQ(editor->windowTitle(),
              QStringLiteral("Detalhamento da Diferencial de Alíquotas Consumidor Final (Saídas) por UF"));
    ASSERT_TRUE(editor->novo());
    // Every state is offered, the home state included.
    EXPECT_TRUE(pickerItems(*editor, 0, RateLineModel::UF).contains(QStringLiteral("QX 29")));
    pick(*editor, 0, RateLineModel::UF, QStringLiteral("PI 19"));
    EXPECT_EQ(shown(*editor, 0, RateLineModel::Aliquota), QStringLiteral("18%"));
    set(*editor, 0, RateLineModel::Valor, 100.0);

    // 2016: the origin share is 60 % of the differential.
    EXPECT_FALSE(editor->model()->setData(editor->model()->index(0, RateLineModel::Origem), 59.99));
    EXPECT_EQ(prompter.log(),
              QStringList{QStringLiteral("warn: O VALOR DE ORIGEM DEVE SER 60% DO VALOR DE DIFERENCIAL DE ALÍQUOTA")});
    EXPECT_EQ(shown(*editor, 0, RateLineModel::Origem), QStringLiteral("0,00"));
    set(*editor, 0, RateLineModel::Origem, QStringLiteral("60"));
    set(*editor, 0, RateLineModel::Destino, QStringLiteral("39"));
    prompter.clear();
    EXPECT_FALSE(editor->gravar());
    EXPECT_EQ(prompter.log(),
              QStringList{QStringLiteral("warn: DIFERENCIAL DE ALÍQUOTA DEVE SER IGUAL A SOMA DOS VALORES (ORIGEM+DESTINO)")});
    EXPECT_EQ(editor->grid()->currentIndex().column(), RateLineModel::Valor);
    set(*editor, 0, RateLineModel::Destino, QStringLiteral("40"));
    ASSERT_TRUE(editor->gravar());
    EXPECT_EQ(field(*editor, QStringLiteral("edtTotalOrigem")), QStringLiteral("60,00"));
    EXPECT_EQ(field(*editor, QStringLiteral("edtTotalDestino")), QStringLiteral("40,00"));
    EXPECT_TRUE(editor->retornar());
    EXPECT_DOUBLE_EQ(editor->handedBackTotal(), 100);

    // From 04/2023 state 19 is proposed at 21 %.
    const DeclarationKey may2023 = keyOf(QStringLiteral("2023"), QStringLiteral("05"));
    store(may2023);
    auto later = open<FrmAliquotaConsumidor>(may2023);
    ASSERT_TRUE(later->novo());
    pick(*later, 0, RateLineModel::UF, QStringLiteral("pi"));
    EXPECT_EQ(shown(*later, 0, RateLineModel::Aliquota), QStringLiteral("21%"));
    EXPECT_EQ(pickerItems(*later, 0, RateLineModel::Aliquota), QStringList{"21%"});
}

TEST_F(FrmRateEditorsTest, DomicileChangeGivesEachLineItsTwinAndDeletesBoth) {
    const DeclarationKey key = keyOf(QStringLiteral("2024"), QStringLiteral("03"));
    const qint64 cityB = otherCity(taxpayerCity());
    store(key, [&](VexaRow& r) {
        r.MudaDomicilio = QStringLiteral("S");
        r.CidadeB = cityB;
    });
    auto editor = open<FrmAliquota>(key);
    ASSERT_TRUE(editor->novo());
    pick(*editor, 0, RateLineModel::UF, QStringLiteral("SP 26"));
    set(*editor, 0, RateLineModel::VlrContabil, 500.0);
    set(*editor, 0, RateLineModel::Valor, 25.0);
    ASSERT_TRUE(editor->gravar());
    ASSERT_EQ(editor->model()->rowCount(), 2);
    EXPECT_EQ(shown(*editor, 1, RateLineModel::Domicilio), QStringLiteral("B"));
    EXPECT_EQ(shown(*editor, 1, RateLineModel::UF), QStringLiteral("SP 26"));
    EXPECT_EQ(shown(*editor, 1, RateLineModel::Municipio), storage::MunicipalityNameByIBGE(cityB));
    EXPECT_EQ(shown(*editor, 1, RateLineModel::Valor), QStringLiteral("0,00"));
    vexa::test::screenshot(*editor, QStringLiteral("FrmAliquota"));

    editor->grid()->setCurrentIndex(editor->model()->index(0, RateLineModel::UF));
    EXPECT_TRUE(editor->excluir());
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("ask: Confirma Exclusão?")});
    EXPECT_EQ(editor->model()->rowCount(), 0);
    EXPECT_EQ(rowsOf(QStringLiteral("Aliquota"), key), 0);
}

TEST_F(FrmRateEditorsTest, ScreenshotsOfTheComplementAndFinalConsumerEditors) {
    const DeclarationKey key = keyOf(QStringLiteral("2024"), QStringLiteral("03"));
    store(key);
    RateContext ctx = rateContextOf(key);
    for (const auto& [uf, rate, valor] : {std::tuple{"05", 12.0, 120.0}, std::tuple{"14", 7.0, 35.0}}) {
        RateLine l = newRateLine(ctx);
        chooseState(RateTable::AliquotaComp, ctx, l, QString::fromLatin1(uf));
        l.aliquota = rate;
        l.VlrContabil = l.VlrBaseCalculo = valor * 10;
        l.valor = valor;
        ASSERT_TRUE(postRateLine(RateTable::AliquotaComp, ctx, l, std::nullopt).posted());
    }
    RateLine c = newRateLine(ctx);
    chooseState(RateTable::AliquotaConsumidor, ctx, c, QStringLiteral("19"));
    c.VlrContabil = c.VlrBaseCalculo = 1000;
    c.valor = 30;
    c.Destino = 30;
    ASSERT_TRUE(postRateLine(RateTable::AliquotaConsumidor, ctx, c, std::nullopt).posted());
    {
        auto editor = open<FrmAliquotaComp>(key);
        vexa::test::screenshot(*editor, QStringLiteral("FrmAliquotaComp"));
        EXPECT_EQ(field(*editor, QStringLiteral("edtTotalValor")), QStringLiteral("155,00"));
    }
    auto editor = open<FrmAliquotaConsumidor>(key);
    vexa::test::screenshot(*editor, QStringLiteral("FrmAliquotaConsumidor"));
    EXPECT_EQ(shown(*editor, 0, RateLineModel::Aliquota), QStringLiteral("21%"));
}

TEST_F(FrmRateEditorsTest, DeclarationScreenTakesTheDifferentialIntoItsApuracao) {
    const DeclarationKey key = keyOf(QStringLiteral("2024"), QStringLiteral("03"));
    store(key);
    FrmVexas screen(prompter);
    vexa::test::activate(screen);
    for (const auto& [name, text] : {std::pair{"EdtIE", key.ie}, std::pair{"EdtMes", QStringLiteral("3")},
                                     std::pair{"EdtAno", key.ano}}) {
        auto* edit = screen.findChild<QLineEdit*>(QString::fromLatin1(name));
        edit->setFocus(Qt::MouseFocusReason);
        vexa::test::settle();
        edit->selectAll();
        vexa::test::typeText(edit, text);
        QTest::keyClick(edit, Qt::Key_Tab);
        vexa::test::settle();
    }
    ASSERT_EQ(screen.declState(), ui::DeclState::Browse);
    ASSERT_TRUE(screen.goToSheet(Sheet::Itens5a87));
    SheetApuracao* sheet = screen.apuracao();

    QString caption;
    QTimer::singleShot(0, [&] {
        auto* editor = qobject_cast<FrmAliquota*>(QApplication::activeModalWidget());
        ASSERT_NE(editor, nullptr);
        caption = editor->windowTitle();
        editor->novo();
        editor->model()->setData(editor->model()->index(0, RateLineModel::UF), QStringLiteral("RJ 20"));
        editor->model()->setData(editor->model()->index(0, RateLineModel::Valor), 30.0);
        editor->retornar();
    });
    QTest::mouseClick(sheet->listButton(ListEditor::Aliquota), Qt::LeftButton);
    vexa::test::settle();
    EXPECT_EQ(caption, QStringLiteral("Detalhamento do Diferencial de Alíquota (Entradas) por UF"));
    EXPECT_DOUBLE_EQ(loadVexa(key)->C76, 30);
    EXPECT_EQ(sheet->field(QStringLiteral("C76"))->text(), QStringLiteral("30,00"));
    // March: below 50,00 it is carried (7.8), nothing due (7.4).
    EXPECT_EQ(sheet->field(QStringLiteral("C78"))->text(), QStringLiteral("30,00"));
    EXPECT_EQ(sheet->field(QStringLiteral("C74"))->text(), QStringLiteral("0,00"));
}

#include "declaration/ui/FrmLawEditors.h"

#include "declaration/ui/LawCodeDelegate.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/OperationsDelegates.h"

#include <QHeaderView>

namespace vexa::decl::ui {

namespace {

FrmListEditor::Options lawOptions(const QString& caption, const QString& objectName) {
    FrmListEditor::Options o;
    o.caption = caption;
    o.title = caption;
    o.objectName = objectName;
    return o;
}

// The legal-basis drop-down and the amount editors; the legal basis takes the room left.
void setUpGrid(FrmListEditor* editor, const QList<LawCode>& codes, const QList<int>& amountColumns) {
    ListGrid* grid = editor->grid();
    grid->setItemDelegateForColumn(kBaseLegalColumn, new LawCodeDelegate(codes, editor));
    auto* money = new MoneyDelegate(editor);
    for (int c : amountColumns) {
        grid->setItemDelegateForColumn(c, money);
        grid->setColumnWidth(c, 120);
    }
    grid->setColumnWidth(kOrigemColumn, 150);
    grid->horizontalHeader()->setSectionResizeMode(kBaseLegalColumn, QHeaderView::Stretch);
}

} // namespace

FrmOutrosDebitos::FrmOutrosDebitos(const DeclarationKey& key, Prompter& prompter, QWidget* parent)
    : FrmListEditor(new LawListModel(LawList::OutrosDeb, key), prompter,
                    lawOptions(QStringLiteral("5.2.1 - Detalhamento do Campo Outros Débitos"),
                               QStringLiteral("FrmOutrosDebitos")),
                    parent) {
    setUpGrid(this, lines()->offeredCodes(), {LawListModel::Valor});
}

FrmOutrosCreditos::FrmOutrosCreditos(const DeclarationKey& key, Prompter& prompter, QWidget* parent)
    : FrmListEditor(new LawListModel(LawList::OutrosCred, key), prompter,
                    lawOptions(QStringLiteral("6.2.1 - Detalhamento do Campo Outros Créditos"),
                               QStringLiteral("FrmOutrosCreditos")),
                    parent) {
    setUpGrid(this, lines()->offeredCodes(), {LawListModel::Valor});
}

namespace {
FrmListEditor::Options deductionOptions() {
    FrmListEditor::Options o = lawOptions(QStringLiteral("7.2.1 - Detalhamento das Deduções"), QStringLiteral("FrmDeducoes"));
    o.deleteCaption = QStringLiteral("Excluir Linha");
    o.size = QSize(1100, 420);
    return o;
}
} // namespace

FrmDeducoes::FrmDeducoes(const DeclarationKey& key, Prompter& prompter, QWidget* parent)
    : FrmListEditor(new DeductionsModel(key), prompter, deductionOptions(), parent) {
    setUpGrid(this, lines()->offeredCodes(),
              {DeductionsModel::ICMSDevido, DeductionsModel::MediaICMS, DeductionsModel::VlrDeducao});
    grid()->setColumnWidth(DeductionsModel::Origem, 110);
    for (int c : {DeductionsModel::ICMSDevido, DeductionsModel::MediaICMS, DeductionsModel::ParSujIncentivo,
                  DeductionsModel::ParIncentivada, DeductionsModel::SubParIncentivada, DeductionsModel::VlrDeducao})
        grid()->setColumnWidth(c, 110);
}

FrmListEditor* makeLawListEditor(ListEditor list, const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
    switch (list) {
    case ListEditor::OutrosDeb: return new FrmOutrosDebitos(key, prompter, parent);
    case ListEditor::OutrosCred: return new FrmOutrosCreditos(key, prompter, parent);
    case ListEditor::Deducoes: return new FrmDeducoes(key, prompter, parent);
    default: return nullptr;
    }
}

} // namespace vexa::decl::ui

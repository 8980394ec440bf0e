#include "declaration/ui/SheetOperacoes.h"

#include "declaration/ui/OperationsModel.h"

#include <QVBoxLayout>

namespace vexa::decl::ui {

SheetOperacoes::SheetOperacoes(Direction direction, Prompter& prompter, QWidget* parent)
    : VexaSheet(direction == Direction::Entry ? Sheet::Item41 : Sheet::Item42, parent),
      operations_(new OperationsSheet(direction, prompter, this)) {
    setObjectName(direction == Direction::Entry ? QStringLiteral("SheetItem41") : QStringLiteral("SheetItem42"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(operations_);
    connect(operations_, &OperationsSheet::editStateChanged, this, &VexaSheet::tableStateChanged);
}

void SheetOperacoes::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    if (context.hasDeclaration() && !context.isNew) operations_->setContext(context.operationContext());
    else operations_->clear();
}

void SheetOperacoes::clear() {
    VexaSheet::clear();
    operations_->clear();
}

TableState SheetOperacoes::tableState() const {
    switch (operations_->activeModel()->editState()) {
    case OperationsModel::EditState::Edit: return TableState::Edit;
    case OperationsModel::EditState::Insert: return TableState::Insert;
    case OperationsModel::EditState::Browse: break;
    }
    // A row pending in another grid of the sheet still holds the sheet.
    return operations_->isEditing() ? TableState::Edit : TableState::Browse;
}

bool SheetOperacoes::appendRow() { return operations_->appendRow(); }
bool SheetOperacoes::post() { return operations_->post(); }
void SheetOperacoes::cancel() { operations_->cancel(); }
bool SheetOperacoes::deleteCurrentRow(QString* error) { return operations_->deleteCurrentRow(error); }
void SheetOperacoes::sheetShown() {
    if (context().hasDeclaration()) operations_->focusFirstGrid();
}
void SheetOperacoes::refresh() {
    if (context().hasDeclaration()) operations_->refresh();
}

} // namespace vexa::decl::ui

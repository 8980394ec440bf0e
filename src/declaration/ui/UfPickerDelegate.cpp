#include "declaration/ui/UfPickerDelegate.h"

#include <QComboBox>
#include <QLineEdit>

namespace vexa::decl::ui {

QWidget* UfPickerDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(entries_);
    combo->lineEdit()->setMaxLength(5);
    return combo;
}

void UfPickerDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || combo->lineEdit()->isModified()) return;
    combo->setCurrentIndex(-1);
    combo->setEditText(index.data(Qt::EditRole).toString());
    combo->lineEdit()->selectAll();
}

void UfPickerDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) model->setData(index, combo->currentText(), Qt::EditRole);
}

} // namespace vexa::decl::ui

#include "declaration/ui/DueDateDelegate.h"

#include "common/ui/MaskedLineEdit.h"

namespace vexa::decl::ui {

QWidget* DueDateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    return new MaskedLineEdit(MaskedLineEdit::Kind::Date, parent);
}

void DueDateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* edit = qobject_cast<MaskedLineEdit*>(editor);
    if (!edit) return;
    // A cell being typed keeps its text when the view asks again.
    if (edit->isModified()) return;
    edit->setDate(index.data(Qt::EditRole).toDate());
}

void DueDateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* edit = qobject_cast<MaskedLineEdit*>(editor);
    if (!edit) return;
    if (edit->isBlank()) {
        model->setData(index, QDate(), Qt::EditRole);
        return;
    }
    const QDate date = edit->date();
    if (date.isValid()) model->setData(index, date, Qt::EditRole);
}

} // namespace vexa::decl::ui

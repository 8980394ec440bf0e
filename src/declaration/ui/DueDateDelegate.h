#pragma once
// Editor of a date column of the declaration's grids: the mask "99/99/9999".
// A blank cell gives an empty date; an incomplete or impossible date
// (31/02/2025) is not taken, and the cell keeps what it held.

#include <QStyledItemDelegate>

namespace vexa::decl::ui {

class DueDateDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace vexa::decl::ui

#pragma once
// Editors of the operation grids: the CFOP (up to four digits) and the
// amounts (typed without thousands points, "1234,50"; read through the Money
// module).

#include <QStyledItemDelegate>

namespace vexa::decl::ui {

class CfopDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

class MoneyDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit MoneyDelegate(QObject* parent = nullptr);
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

} // namespace vexa::decl::ui

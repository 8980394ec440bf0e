#pragma once
// Editor of the state column of the by-state grids: a drop-down of every
// state as its letters, a blank and its code ("QX 29"), in which the user may
// also type the letters or the code. The model keeps the code.

#include <QStringList>
#include <QStyledItemDelegate>

namespace vexa::decl::ui {

class UfPickerDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    UfPickerDelegate(QStringList entries, QObject* parent) : QStyledItemDelegate(parent), entries_(std::move(entries)) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QStringList entries_;
};

} // namespace vexa::decl::ui

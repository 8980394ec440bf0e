#pragma once
// Editors of the rate-table grids: the state picker (each state as its
// letters, a blank and its code; a code or letters may be typed too) and the
// rate picker (the rates the line's state allows in the period, highest
// first; another rate may be typed and is checked when the line is posted).

#include <QStyledItemDelegate>

namespace vexa::decl::ui {

class RateLineModel;

class StateDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit StateDelegate(const RateLineModel* model, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), model_(model) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const RateLineModel* model_;
};

class RateDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit RateDelegate(const RateLineModel* model, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), model_(model) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    const RateLineModel* model_;
};

} // namespace vexa::decl::ui

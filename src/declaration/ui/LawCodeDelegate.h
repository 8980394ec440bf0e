#pragma once
// The legal-basis column of the law-code lists: a drop-down of the codes the
// declaration's month offers, each shown as "code - legal basis". The model
// receives the chosen code (an integer; 0 when none is chosen).

#include "declaration/Apuracao.h"

#include <QStyledItemDelegate>

namespace vexa::decl::ui {

class LawCodeDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    LawCodeDelegate(QList<LawCode> codes, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    QList<LawCode> codes_;
};

} // namespace vexa::decl::ui

#include "declaration/ui/OperationsDelegates.h"

#include "common/Money.h"
#include "common/ui/GridFit.h"
#include "common/ui/MoneyLineEdit.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace vexa::decl::ui {

QWidget* CfopDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(4);
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,4}")), edit));
    return edit;
}

void CfopDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) edit->setText(index.data(Qt::EditRole).toString());
}

void CfopDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) model->setData(index, edit->text().trimmed(), Qt::EditRole);
}

MoneyDelegate::MoneyDelegate(QObject* parent) : QStyledItemDelegate(parent) { vexa::ui::markAmountDelegate(this); }

QWidget* MoneyDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The amount is typed as it is shown: the thousands points follow the digits.
    auto* validator = new GroupedAmountValidator(edit);
    validator->setMaxIntegerDigits(13);
    edit->setValidator(validator);
    return edit;
}

void MoneyDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(money::format(index.data(Qt::EditRole).toDouble()));
        edit->selectAll();
    }
}

void MoneyDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit) return;
    const QString text = edit->text().trimmed();
    // A cleared amount counts as zero.
    const double value = text.isEmpty() ? 0.0 : money::parse(text).value_or(0.0);
    model->setData(index, value, Qt::EditRole);
}

} // namespace vexa::decl::ui

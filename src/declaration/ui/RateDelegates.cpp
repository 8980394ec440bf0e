#include "declaration/ui/RateDelegates.h"

#include "declaration/ui/RateLineModel.h"

#include <QComboBox>
#include <QLineEdit>

namespace vexa::decl::ui {

namespace {
QComboBox* editableCombo(QWidget* parent, const QString& name) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    return combo;
}
} // namespace

QWidget* StateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    QComboBox* combo = editableCombo(parent, QStringLiteral("cbUF"));
    for (const StateChoice& s : model_->states()) combo->addItem(s.text(), s.codigo);
    return combo;
}

void StateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo) return;
    const QString shown = index.data(Qt::EditRole).toString();
    const int at = combo->findText(shown);
    if (at >= 0) combo->setCurrentIndex(at);
    else combo->setEditText(shown);
    if (combo->lineEdit()) combo->lineEdit()->selectAll();
}

void StateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    // The text as typed or picked: the model reads its code.
    if (auto* combo = qobject_cast<QComboBox*>(editor)) model->setData(index, combo->currentText(), Qt::EditRole);
}

QWidget* RateDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const {
    QComboBox* combo = editableCombo(parent, QStringLiteral("cbAliquota"));
    for (double rate : model_->ratesFor(index.row())) combo->addItem(RateLineModel::rateText(rate), rate);
    return combo;
}

void RateDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo) return;
    const QVariant rate = index.data(Qt::EditRole);
    if (!rate.isValid() || rate.isNull()) {
        combo->setEditText(QString());
        return;
    }
    const QString shown = RateLineModel::rateText(rate.toDouble());
    const int at = combo->findText(shown);
    if (at >= 0) combo->setCurrentIndex(at);
    else combo->setEditText(shown);
}

void RateDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) model->setData(index, combo->currentText(), Qt::EditRole);
}

} // namespace vexa::decl::ui

#include "declaration/ui/LawCodeDelegate.h"

#include "declaration/ui/LawListModel.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace vexa::decl::ui {

LawCodeDelegate::LawCodeDelegate(QList<LawCode> codes, QObject* parent)
    : QStyledItemDelegate(parent), codes_(std::move(codes)) {}

QWidget* LawCodeDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("cbBaseLegal"));
    combo->addItem(QString(), 0);
    for (const LawCode& c : codes_) {
        combo->addItem(lawCodeText(c.codLei, c.descLei), c.codLei);
        combo->setItemData(combo->count() - 1, c.descLei, Qt::ToolTipRole);
    }
    // The legal-basis texts are long: the list is as wide as they need.
    combo->view()->setMinimumWidth(combo->view()->sizeHintForColumn(0));
    return combo;
}

void LawCodeDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo) return;
    const int code = index.data(Qt::EditRole).toInt();
    int at = combo->findData(code);
    if (at < 0 && code != 0) {
        // A stored line keeps a code the month no longer offers.
        combo->addItem(index.data(Qt::DisplayRole).toString(), code);
        at = combo->count() - 1;
    }
    combo->setCurrentIndex(at < 0 ? 0 : at);
}

void LawCodeDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* combo = qobject_cast<QComboBox*>(editor)) model->setData(index, combo->currentData(), Qt::EditRole);
}

void LawCodeDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                           const QModelIndex&) const {
    editor->setGeometry(option.rect);
}

} // namespace vexa::decl::ui

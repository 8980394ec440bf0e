#include "declaration/ui/SheetDelegates.h"

#include "storage/ReferenceLookups.h"

#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>

namespace vexa::decl::ui {

// ---- digits, text, mask, decimal ---------------------------------------------------

QWidget* DigitsDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxDigits_);
    edit->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("\\d{0,%1}").arg(maxDigits_)), edit));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return edit;
}

void DigitsDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        const QVariant v = index.data(Qt::EditRole);
        edit->setText(v.isNull() ? QString() : v.toString());
        edit->selectAll();
    }
}

void DigitsDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) model->setData(index, edit->text().trimmed(), Qt::EditRole);
}

QWidget* TextDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength_);
    if (upper_) {
        connect(edit, &QLineEdit::textEdited, edit, [edit](const QString& text) {
            const QString upper = text.toUpper();
            if (upper == text) return;
            const int cursor = edit->cursorPosition();
            edit->setText(upper);
            edit->setCursorPosition(cursor);
        });
    }
    return edit;
}

void TextDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(index.data(Qt::EditRole).toString());
        edit->selectAll();
    }
}

void TextDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) model->setData(index, edit->text(), Qt::EditRole);
}

QWidget* MaskDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setInputMask(mask_);
    return edit;
}

void MaskDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(index.data(Qt::EditRole).toString());
        edit->setCursorPosition(0);
    }
}

void MaskDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* edit = qobject_cast<QLineEdit*>(editor);
    if (!edit) return;
    bool anyDigit = false;
    for (QChar c : edit->text())
        if (c.isDigit()) anyDigit = true;
    model->setData(index, anyDigit ? edit->text() : QString(), Qt::EditRole);
}

QWidget* DecimalDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    const QString fraction = decimals_ > 0 ? QStringLiteral("([,.]\\d{0,%1})?").arg(decimals_) : QString();
    edit->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,12}") + fraction), edit));
    return edit;
}

void DecimalDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        const QVariant v = index.data(Qt::EditRole);
        edit->setText(v.isNull() ? QString()
                                 : QLocale(QLocale::Portuguese, QLocale::Brazil)
                                       .toString(v.toDouble(), 'f', decimals_)
                                       .remove(QLatin1Char('.')));
        edit->selectAll();
    }
}

void DecimalDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) model->setData(index, edit->text().trimmed(), Qt::EditRole);
}

// ---- picker ----------------------------------------------------------------------

QWidget* PickerDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const {
    auto* combo = new QComboBox(parent);
    combo->setEditable(editable_);
    combo->setMaxVisibleItems(16);
    for (const Entry& e : entries_) combo->addItem(e.text, e.value);
    if (editable_) {
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->completer()->setCompletionMode(QCompleter::PopupCompletion);
        combo->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    }
    return combo;
}

void PickerDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo) return;
    const QVariant value = index.data(Qt::EditRole);
    int found = -1;
    for (int i = 0; i < entries_.size(); ++i)
        if (!value.isNull() && entries_.at(i).value == value) found = i;
    if (editable_) {
        if (found >= 0) combo->setCurrentIndex(found);
        else combo->setEditText(index.data(Qt::DisplayRole).toString());
        if (combo->lineEdit()) combo->lineEdit()->selectAll();
    } else {
        combo->setCurrentIndex(found);
    }
}

void PickerDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo) return;
    if (editable_) model->setData(index, combo->currentText(), Qt::EditRole);
    else if (combo->currentIndex() >= 0) model->setData(index, combo->currentData(), Qt::EditRole);
}

QList<PickerDelegate::Entry> homeStateMunicipalityEntries() {
    QList<PickerDelegate::Entry> entries;
    for (const storage::MunicipalityRow& m : storage::MunicipalityList(0))
        if (m.codIBGE != 0) entries.append({m.descricao, QVariant(m.codIBGE)});
    return entries;
}

// ---- button ----------------------------------------------------------------------

void ButtonDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    QStyleOptionButton button;
    button.rect = option.rect.adjusted(2, 1, -2, -1);
    button.text = caption_;
    button.state = QStyle::State_Raised;
    if (index.flags() & Qt::ItemIsEnabled) button.state |= QStyle::State_Enabled;
    if (option.state & QStyle::State_HasFocus) button.state |= QStyle::State_HasFocus;
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_PushButton, &button, painter, widget);
}

bool ButtonDelegate::editorEvent(QEvent* event, QAbstractItemModel*, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) {
    if (!(index.flags() & Qt::ItemIsEnabled)) return false;
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && option.rect.contains(mouse->position().toPoint())) {
            emit clicked(index.row());
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space) {
            emit clicked(index.row());
            return true;
        }
    }
    return false;
}

} // namespace vexa::decl::ui

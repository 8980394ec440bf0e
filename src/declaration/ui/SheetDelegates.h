#pragma once
// Cell editors of the grids of items 13 to 16 and of the small editors:
// whole numbers typed as digits, a fixed mask (IE, CNPJ, date), a number
// with a given count of decimals, a drop-down of entries (products, states,
// municipalities) and the push button of a row ("Incluir").
//
// Each editor hands the model what the user typed: the digits, the masked
// text, the number, or, for a drop-down, the value of the entry picked (or
// the text typed into an editable one).

#include <QStyledItemDelegate>
#include <QVariant>

namespace vexa::decl::ui {

// Digits only, up to maxDigits of them; the model gets the text.
class DigitsDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    DigitsDelegate(int maxDigits, QObject* parent = nullptr) : QStyledItemDelegate(parent), maxDigits_(maxDigits) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    int maxDigits_;
};

// Free text up to maxLength characters (upper case when asked).
class TextDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    TextDelegate(int maxLength, bool upperCase, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), maxLength_(maxLength), upper_(upperCase) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    int maxLength_;
    bool upper_;
};

// A QLineEdit input mask ("00.000.000-0;_"); the model gets the text with its
// punctuation, or an empty text when no digit was typed.
class MaskDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    MaskDelegate(const QString& inputMask, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), mask_(inputMask) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QString mask_;
};

// A non-negative number typed with a decimal comma and up to `decimals`
// decimals, without thousands points; the model gets the text.
class DecimalDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    DecimalDelegate(int decimals, QObject* parent = nullptr) : QStyledItemDelegate(parent), decimals_(decimals) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    int decimals_;
};

// A drop-down of entries. Not editable: the model gets the value of the entry
// picked. Editable: the entries are offered while typing and the model gets
// the text as it stands (a picked entry's text included).
class PickerDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    struct Entry {
        QString text;
        QVariant value;
    };
    PickerDelegate(QList<Entry> entries, bool editable, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), entries_(std::move(entries)), editable_(editable) {}
    void setEntries(QList<Entry> entries) { entries_ = std::move(entries); }
    const QList<Entry>& entries() const { return entries_; }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    QList<Entry> entries_;
    bool editable_;
};

// A push button drawn in every cell of a column; a click (or Space on the
// cell) announces the row.
class ButtonDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    ButtonDelegate(const QString& caption, QObject* parent = nullptr)
        : QStyledItemDelegate(parent), caption_(caption) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;
    QWidget* createEditor(QWidget*, const QStyleOptionViewItem&, const QModelIndex&) const override { return nullptr; }

signals:
    void clicked(int row);

private:
    QString caption_;
};

// The municipalities of the home state as picker entries: name, value the IBGE code.
QList<PickerDelegate::Entry> homeStateMunicipalityEntries();

} // namespace vexa::decl::ui

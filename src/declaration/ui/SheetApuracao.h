#pragma once
// Sheet "Itens 5 - 8.7": the month's ICMS apuração. The amounts typed here
// (5.1, 5.3, 6.1, 6.3, 6.4 in 01/2009, 8.1 to 8.5) go into the declaration
// row; the totals of the lists (5.2, 6.2, 7.2, 7.6, 7.9, 7.13) come from
// their editors, opened by the buttons, by a click on the total or by
// leaving the field before it; everything else is computed. What can be
// typed follows the taxpayer's regime and the period.

#include "declaration/ui/VexaSheet.h"

#include <QHash>
#include <QPointer>

class QLabel;
class QLineEdit;
class QPushButton;

namespace vexa {
class MoneyLineEdit;
}

namespace vexa::decl::ui {

class SheetApuracao : public VexaSheet {
    Q_OBJECT
public:
    explicit SheetApuracao(QWidget* parent = nullptr);

    // The field of a `Vexas` column or computed item ("C51", "C54", ...).
    MoneyLineEdit* field(const QString& column) const { return fields_.value(column); }
    QLabel* label(const QString& column) const { return labels_.value(column); }
    QPushButton* listButton(ListEditor list) const;

    bool editsDeclarationRow() const override { return true; }
    bool activeTableIsDeclaration() const override { return true; }
    void setContext(const SheetContext& context) override;
    void clear() override;
    void showRow(const VexaRow& row) override;
    void showComputed(const Apuracao& computed, bool inEdit) override;
    void takeEdits(VexaRow& row) const override;
    void setRowEditable(bool editable) override;
    bool focusField(const QString& field) override;
    void sheetShown() override;

    const ApuracaoPresentation& presentation() const { return presentation_; }

signals:
    // A list editor is asked for (button, click on its total, leaving the field before it).
    void listRequested(vexa::decl::ListEditor list);
    // The user left item 8.3.
    void leftItem83();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class Kind { Typed, ListTotal, Carried, Computed };
    struct Item;
    static const QList<Item>& items();
    QWidget* buildGroup(const QString& title, const QString& firstItem, const QString& lastItem);
    void applyPresentation();
    void setItemEnabled(const QString& column, bool enabled);

    QHash<QString, MoneyLineEdit*> fields_;
    QHash<QString, QLabel*> labels_;
    QHash<int, QPushButton*> buttons_;
    QHash<QObject*, ListEditor> opensOnClick_;   // list totals
    QHash<QObject*, ListEditor> opensOnLeave_;   // the field before a list total
    ApuracaoPresentation presentation_;
    bool editable_ = false;
    bool loading_ = false;
};

} // namespace vexa::decl::ui

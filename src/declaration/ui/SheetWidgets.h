#pragma once
// Small pieces the sheets of the declaration screen share: read-only lookup
// fields, buttons that never take Enter as a default, item labels, and the
// amount a money edit holds at this moment (typed text included).

#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace vexa {
class MoneyLineEdit;
}

namespace vexa::decl::ui {

// A grey field that shows a looked-up value; the focus passes it by.
QLineEdit* lookupField(const QString& objectName, QWidget* parent, int width = -1);
// A money field of the declaration row.
MoneyLineEdit* amountField(const QString& objectName, QWidget* parent, int width = 110);
QPushButton* sheetButton(const QString& caption, const QString& objectName, QWidget* parent);
QLabel* itemLabel(const QString& text, QWidget* parent, const QString& tip = {});

// The amount of the edit, the text being typed included (the toolbar's Save
// runs while the focus is still in the edit); 0 for a blank edit.
double typedAmount(const MoneyLineEdit* edit);

// Read-only edits show grey (the screen's style sheet does the colour).
void setReadOnlyField(QLineEdit* edit, bool readOnly);

// The screen's style: read-only edits grey, group titles bold.
QString sheetStyleSheet();

} // namespace vexa::decl::ui

#include "declaration/ui/SheetWidgets.h"

#include "common/Money.h"
#include "common/ui/MoneyLineEdit.h"

#include <QLabel>
#include <algorithm>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

namespace vexa::decl::ui {

QLineEdit* lookupField(const QString& objectName, QWidget* parent, int width) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(objectName);
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    if (width > 0) e->setFixedWidth(width);
    return e;
}

MoneyLineEdit* amountField(const QString& objectName, QWidget* parent, int width) {
    auto* e = new MoneyLineEdit(parent);
    e->setObjectName(objectName);
    // Never narrower than a total of tens of billions, sign included, shown whole.
    const QMargins m = e->textMargins();
    const int widest = e->fontMetrics().horizontalAdvance(QStringLiteral("-99.999.999.999,99")) + m.left() + m.right() + 14;
    e->setFixedWidth(std::max(width, widest));
    e->setValue(0);
    return e;
}

QPushButton* sheetButton(const QString& caption, const QString& objectName, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

QLabel* itemLabel(const QString& text, QWidget* parent, const QString& tip) {
    auto* l = new QLabel(text, parent);
    if (!tip.isEmpty()) l->setToolTip(tip);
    return l;
}

double typedAmount(const MoneyLineEdit* edit) {
    // The edit shows "1234,50" while typed and "1.234,50" once left: both read back.
    const QString typed = edit->text().trimmed();
    if (typed.isEmpty()) return 0.0;
    const auto parsed = money::parse(typed);
    return parsed ? *parsed : edit->value();
}

void setReadOnlyField(QLineEdit* edit, bool readOnly) {
    if (edit->isReadOnly() == readOnly) return;
    edit->setReadOnly(readOnly);
    // The style sheet keys on the property: make it look again.
    edit->style()->unpolish(edit);
    edit->style()->polish(edit);
}

QString sheetStyleSheet() {
    return QStringLiteral(
        "QLineEdit[readOnly=\"true\"] { background: #ececec; color: #202020; }"
        "QLineEdit:disabled { background: #ececec; color: #808080; }"
        "QGroupBox { font-weight: bold; }"
        "QGroupBox QLabel, QGroupBox QLineEdit, QGroupBox QPushButton, QGroupBox QRadioButton,"
        " QGroupBox QComboBox { font-weight: normal; }");
}

} // namespace vexa::decl::ui

#include "app/ui/AboutBox.h"

#include "app/ui/WindowPlacement.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace vexa::app {

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Sobre o Sistema"));

    auto* panel = new QGroupBox(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    auto* lines = new QVBoxLayout(panel);
    lines->setSpacing(10);
    lines->setContentsMargins(24, 18, 24, 18);
    const QStringList texts = {QStringLiteral("VEXA Eletrônica"), QStringLiteral("Versão 10.0"),
                               kTaxAuthorityName, kGovernmentName, kVersionDate};
    for (int i = 0; i < texts.size(); ++i) {
        auto* label = new QLabel(texts[i], panel);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        if (i == 0) {
            QFont big = label->font();
            big.setPointSizeF(big.pointSizeF() * 1.6);
            big.setBold(true);
            label->setFont(big);
        }
        lines->addWidget(label);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    buttons->setObjectName(QStringLiteral("OKButton"));
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->addWidget(panel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace vexa::app

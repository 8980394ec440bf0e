#include "declaration/ui/FuelNotice.h"

#include "declaration/FuelTypes.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vexa::decl::ui {

QWidget* makeFuelNotice(QWidget* parent) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("pnlAvisoCombustivel"));
    auto* v = new QVBoxLayout(panel);
    v->addStretch(1);
    for (const QString& text : {fuel_msg::AvisoLinha1, fuel_msg::AvisoLinha2}) {
        auto* label = new QLabel(text, panel);
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        v->addWidget(label);
    }
    v->addStretch(2);
    return panel;
}

} // namespace vexa::decl::ui

#include "declaration/ui/SheetPlaceholder.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vexa::decl::ui {

SheetPlaceholder::SheetPlaceholder(Sheet sheet, QWidget* parent) : VexaSheet(sheet, parent) {
    setObjectName(QStringLiteral("SheetPlaceholder%1").arg(int(sheet)));
    auto* title = new QLabel(sheetCaption(sheet), this);
    QFont f = title->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    title->setFont(f);
    title->setAlignment(Qt::AlignCenter);
    auto* note = new QLabel(QStringLiteral("Esta página ainda não está disponível nesta versão."), this);
    note->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(1);
    layout->addWidget(title);
    layout->addWidget(note);
    layout->addStretch(2);
}

} // namespace vexa::decl::ui

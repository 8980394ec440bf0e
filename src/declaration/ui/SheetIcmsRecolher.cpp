#include "declaration/ui/SheetIcmsRecolher.h"

#include "common/Money.h"
#include "common/ui/GridFit.h"
#include "common/ui/TypingGrid.h"
#include "declaration/ui/DueDateDelegate.h"
#include "declaration/ui/ChildGridGroup.h"
#include "declaration/ui/OperationsDelegates.h"
#include "declaration/ui/SheetWidgets.h"
#include "declaration/ui/ToPayModel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {

QTableView* toPayGrid(const QString& name, QWidget* parent) {
    auto* grid = new vexa::ui::TypingGrid(parent);
    grid->setObjectName(name);
    grid->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    grid->setItemDelegateForColumn(ToPayModel::Vencimento, new DueDateDelegate(grid));
    grid->setItemDelegateForColumn(ToPayModel::Valor, new MoneyDelegate(grid));
    const int rowHeight = grid->fontMetrics().height() + 6;
    grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    grid->verticalHeader()->setFixedWidth(22);
    // Five due dates fit without scrolling.
    grid->setFixedHeight(rowHeight * (kMaxToPayRows + 1) + 6);
    return grid;
}

} // namespace

SheetIcmsRecolher::SheetIcmsRecolher(Prompter& prompter, QWidget* parent)
    : VexaSheet(Sheet::Item9, parent), prompter_(prompter) {
    setObjectName(QStringLiteral("SheetItem9"));
    group_ = new ChildGridGroup(this, prompter_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    auto* title = new QLabel(QStringLiteral("9 - ICMS a Recolher"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    const auto& kinds = allToPayKinds();
    for (int groupIndex = 0; groupIndex < 2; ++groupIndex) {
        auto* box = new QGroupBox(this);
        box->setObjectName(QStringLiteral("grpItem9_%1").arg(groupIndex + 1));
        auto* grid = new QGridLayout(box);
        grid->setContentsMargins(6, 4, 6, 4);
        grid->setVerticalSpacing(2);
        auto* totalLabel = new QLabel(QStringLiteral("TOTAL"), box);
        totalLabel->setFont(bold);
        grid->addWidget(totalLabel, 2, 0, Qt::AlignRight);
        for (int i = 0; i < 3; ++i) {
            const ToPayKind kind = kinds[size_t(groupIndex * 3 + i)];
            const size_t k = size_t(kind);
            captions_[k] = new QLabel(toPayItem(kind) + QStringLiteral(" - ") + toPayCaption(kind), box);
            captions_[k]->setObjectName(QStringLiteral("lblItem") + toPayItem(kind));
            grid->addWidget(captions_[k], 0, 1 + i);

            models_[k] = new ToPayModel(kind, this);
            grids_[k] = toPayGrid(QStringLiteral("grid") + toPayItem(kind), box);
            group_->add(grids_[k], models_[k], [](QChar c) { return c.isDigit(); });
            vexa::ui::fitColumns(grids_[k]);
            captions_[k]->setBuddy(grids_[k]);
            grid->addWidget(grids_[k], 1, 1 + i);

            totals_[k] = lookupField(QStringLiteral("edtTotal") + toPayItem(kind), box);
            totals_[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid->addWidget(totals_[k], 2, 1 + i);
            grid->setColumnStretch(1 + i, 1);
        }
        layout->addWidget(box);
    }
    layout->addStretch(1);

    connect(group_, &ChildGridGroup::editStateChanged, this, &VexaSheet::tableStateChanged);
    connect(group_, &ChildGridGroup::rowsStored, this, &SheetIcmsRecolher::refreshTotals);
    applyEnabling();
    showTotals({});
}

ToPayKind SheetIcmsRecolher::activeKind() const { return allToPayKinds()[size_t(group_->active())]; }

QString SheetIcmsRecolher::totalText(ToPayKind kind) const { return totals_[size_t(kind)]->text(); }

void SheetIcmsRecolher::showTotals(const ToPayTotals& totals) {
    for (ToPayKind kind : allToPayKinds()) totals_[size_t(kind)]->setText(money::format(totals[kind]));
}

void SheetIcmsRecolher::refreshTotals() {
    if (!context().hasDeclaration() || context().isNew || context().bulkUpdate) return;
    showTotals(toPayTotals(context().key));
}

void SheetIcmsRecolher::applyEnabling() {
    for (ToPayKind kind : allToPayKinds()) {
        const size_t k = size_t(kind);
        const bool enabled = models_[k]->isEnabled();
        grids_[k]->setEnabled(enabled);
        captions_[k]->setEnabled(enabled);
        totals_[k]->setEnabled(enabled);
    }
}

void SheetIcmsRecolher::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    const bool stored = context.hasDeclaration() && !context.isNew;
    for (ToPayModel* m : models_) {
        m->setBulkUpdate(context.bulkUpdate);
        m->setDeclaration(stored ? context.key : DeclarationKey{}, context.tipoRegime);
    }
    applyEnabling();
    showTotals({});
    refreshTotals();
}

void SheetIcmsRecolher::clear() {
    VexaSheet::clear();
    for (ToPayModel* m : models_) m->setDeclaration({}, {});
    applyEnabling();
    showTotals({});
}

TableState SheetIcmsRecolher::tableState() const {
    switch (models_[size_t(activeKind())]->editState()) {
    case PendingRowModel::EditState::Edit: return TableState::Edit;
    case PendingRowModel::EditState::Insert: return TableState::Insert;
    case PendingRowModel::EditState::Browse: break;
    }
    // A row pending in another grid of the sheet still holds the sheet.
    return group_->isEditing() ? TableState::Edit : TableState::Browse;
}

bool SheetIcmsRecolher::appendRow() { return group_->appendRow(group_->active(), /*newRowFlag=*/true); }

bool SheetIcmsRecolher::post() {
    const bool done = group_->post();
    refreshTotals();
    return done;
}

void SheetIcmsRecolher::cancel() { group_->cancel(); }

bool SheetIcmsRecolher::deleteCurrentRow(QString* error) {
    const bool deleted = group_->deleteCurrentRow(error);
    refreshTotals();
    return deleted;
}

void SheetIcmsRecolher::sheetShown() {
    applyEnabling();
    // The focus goes to the first list that may be typed.
    for (ToPayKind kind : allToPayKinds()) {
        if (!models_[size_t(kind)]->isOpen()) continue;
        grids_[size_t(kind)]->setFocus(Qt::OtherFocusReason);
        group_->setActive(int(kind));
        break;
    }
}

void SheetIcmsRecolher::refresh() { refreshTotals(); }

} // namespace vexa::decl::ui

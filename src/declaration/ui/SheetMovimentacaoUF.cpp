#include "declaration/ui/SheetMovimentacaoUF.h"

#include "common/Money.h"
#include "common/ui/GridFit.h"
#include "common/ui/TypingGrid.h"
#include "declaration/ui/ChildGridGroup.h"
#include "declaration/ui/OperationsDelegates.h"
#include "declaration/ui/UfPickerDelegate.h"
#include "declaration/ui/StateMovementModel.h"

#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {

constexpr std::array<Direction, 2> kDirections{Direction::Entry, Direction::Output};
const std::array<QString, 3> kTotalLines{QStringLiteral("Total A"), QStringLiteral("Total B"),
                                         QStringLiteral("Total A+B")};

QString directionCaption(Direction direction) {
    return direction == Direction::Entry
               ? QStringLiteral("11 - Detalhamento das Entradas de Mercadorias e/ou Prestações de Serviços por "
                                "Unidade da Federação")
               : QStringLiteral("12 - Detalhamento das Saídas de Mercadorias e/ou Serviços por Unidade da "
                                "Federação");
}

bool startsState(QChar c) { return c.isLetterOrNumber(); }

} // namespace

SheetMovimentacaoUF::SheetMovimentacaoUF(Prompter& prompter, QWidget* parent)
    : VexaSheet(Sheet::Itens11a127, parent), prompter_(prompter) {
    setObjectName(QStringLiteral("SheetItens11"));
    group_ = new ChildGridGroup(this, prompter_);
    const QStringList picker = statePickerEntries();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(2);
    for (Direction direction : kDirections) {
        const size_t d = size_t(direction);
        auto* caption = new QLabel(directionCaption(direction), this);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        layout->addWidget(caption);

        models_[d] = new StateMovementModel(direction, this);
        auto* grid = new vexa::ui::TypingGrid(this);
        grids_[d] = grid;
        grid->setObjectName(direction == Direction::Entry ? QStringLiteral("gridItem11") : QStringLiteral("gridItem12"));
        grid->setSelectionBehavior(QAbstractItemView::SelectItems);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
        group_->add(grid, models_[d], startsState);
        grid->setItemDelegateForColumn(StateMovementModel::Uf, new UfPickerDelegate(picker, grid));
        auto* money = new MoneyDelegate(grid);
        for (int c = StateMovementModel::FirstAmount; c < models_[d]->columnCount(); ++c)
            grid->setItemDelegateForColumn(c, money);
        grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
        grid->verticalHeader()->setFixedWidth(26);
        grid->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
        // Amounts whole; the state column as wide as the totals lines under it.
        vexa::ui::fitColumns(grid);
        QFont boldCell = grid->font();
        boldCell.setBold(true);
        int labels = 0;
        for (const QString& line : kTotalLines) labels = std::max(labels, vexa::ui::cellWidthFor(grid, line, boldCell));
        vexa::ui::setMinimumColumnWidth(grid, StateMovementModel::Uf, labels);
        caption->setBuddy(grid);
        layout->addWidget(grid, 1);

        panels_[d] = buildTotalsPanel(direction, grid);
        layout->addWidget(panels_[d]);
    }

    connect(group_, &ChildGridGroup::editStateChanged, this, &VexaSheet::tableStateChanged);
    connect(group_, &ChildGridGroup::rowsStored, this, &SheetMovimentacaoUF::refreshTotals);
    applyPresentation();
    showTotals();
}

QTableWidget* SheetMovimentacaoUF::buildTotalsPanel(Direction direction, QTableView* grid) {
    const StateMovementModel* model = models_[size_t(direction)];
    auto* panel = new QTableWidget(3, model->columnCount(), this);
    panel->setObjectName(direction == Direction::Entry ? QStringLiteral("totaisItem11")
                                                       : QStringLiteral("totaisItem12"));
    panel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    panel->setFocusPolicy(Qt::NoFocus);
    panel->setSelectionMode(QAbstractItemView::NoSelection);
    panel->horizontalHeader()->hide();
    panel->verticalHeader()->setFixedWidth(grid->verticalHeader()->width());
    panel->verticalHeader()->setVisible(true);
    panel->setVerticalHeaderLabels({QString(), QString(), QString()});
    panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int rowHeight = panel->fontMetrics().height() + 4;
    panel->verticalHeader()->setDefaultSectionSize(rowHeight);
    panel->setFixedHeight(rowHeight * 3 + 4);
    QFont bold = panel->font();
    bold.setBold(true);
    for (int line = 0; line < 3; ++line) {
        auto* label = new QTableWidgetItem(kTotalLines[size_t(line)]);
        label->setFont(bold);
        panel->setItem(line, StateMovementModel::Uf, label);
        for (int c = StateMovementModel::FirstAmount; c < model->columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            panel->setItem(line, c, item);
        }
    }
    // The totals follow the grid's columns: widths, hidden columns, scrolling.
    for (int c = 0; c < model->columnCount(); ++c) panel->setColumnWidth(c, grid->columnWidth(c));
    connect(grid->horizontalHeader(), &QHeaderView::sectionResized, panel,
            [panel](int c, int, int size) { panel->setColumnWidth(c, size); });
    connect(grid->horizontalScrollBar(), &QScrollBar::valueChanged, panel->horizontalScrollBar(),
            &QScrollBar::setValue);
    return panel;
}

Direction SheetMovimentacaoUF::activeDirection() const { return Direction(group_->active()); }

void SheetMovimentacaoUF::applyPresentation() {
    const bool domicile = context().mudaDomicilio;
    for (Direction direction : kDirections) {
        const size_t d = size_t(direction);
        grids_[d]->setColumnHidden(StateMovementModel::Domicilio, !domicile);
        panels_[d]->setColumnHidden(StateMovementModel::Domicilio, !domicile);
        // The label spans the state and domicile columns; alone it sits in the state column.
        panels_[d]->clearSpans();
        if (domicile)
            for (int line = 0; line < 3; ++line) panels_[d]->setSpan(line, StateMovementModel::Uf, 1, 2);
        grids_[d]->viewport()->update();
    }
}

QString SheetMovimentacaoUF::totalText(Direction direction, int line, StateAmount amount) const {
    const int column = models_[size_t(direction)]->columnOf(amount);
    if (line < 0 || line > 2 || column < 0) return {};
    return panels_[size_t(direction)]->item(line, column)->text();
}

void SheetMovimentacaoUF::showTotals() {
    for (Direction direction : kDirections) {
        const size_t d = size_t(direction);
        const StateTotals& t = totals_[d];
        for (StateAmount a : stateAmountsOf(direction)) {
            const int c = models_[d]->columnOf(a);
            panels_[d]->item(0, c)->setText(money::format(t.a[a]));
            panels_[d]->item(1, c)->setText(money::format(t.b[a]));
            panels_[d]->item(2, c)->setText(money::format(t.total[a]));
            // The column above is as wide as its widest total.
            int widest = 0;
            for (int line = 0; line < 3; ++line)
                widest = std::max(widest, vexa::ui::cellWidthFor(panels_[d], panels_[d]->item(line, c)->text(),
                                                                 panels_[d]->font()));
            vexa::ui::setMinimumColumnWidth(grids_[d], c, widest);
        }
    }
}

void SheetMovimentacaoUF::refreshTotals() {
    if (!context().hasDeclaration() || context().isNew || context().bulkUpdate) return;
    for (Direction direction : kDirections) totals_[size_t(direction)] = stateTotals(context().key, direction);
    showTotals();
}

void SheetMovimentacaoUF::setContext(const SheetContext& context) {
    VexaSheet::setContext(context);
    const bool stored = context.hasDeclaration() && !context.isNew;
    OperationContext ctx = context.operationContext();
    if (!stored) ctx.key = {};
    for (StateMovementModel* m : models_) m->setContext(ctx);
    applyPresentation();
    totals_ = {};
    showTotals();
    refreshTotals();
}

void SheetMovimentacaoUF::clear() {
    VexaSheet::clear();
    for (StateMovementModel* m : models_) m->setContext({});
    applyPresentation();
    totals_ = {};
    showTotals();
}

TableState SheetMovimentacaoUF::tableState() const {
    switch (models_[size_t(activeDirection())]->editState()) {
    case PendingRowModel::EditState::Edit: return TableState::Edit;
    case PendingRowModel::EditState::Insert: return TableState::Insert;
    case PendingRowModel::EditState::Browse: break;
    }
    return group_->isEditing() ? TableState::Edit : TableState::Browse;
}

bool SheetMovimentacaoUF::appendRow() { return group_->appendRow(group_->active(), /*newRowFlag=*/true); }

bool SheetMovimentacaoUF::post() {
    const bool done = group_->post();
    refreshTotals();
    return done;
}

void SheetMovimentacaoUF::cancel() { group_->cancel(); }

bool SheetMovimentacaoUF::deleteCurrentRow(QString* error) {
    const bool deleted = group_->deleteCurrentRow(error);
    refreshTotals();
    return deleted;
}

void SheetMovimentacaoUF::sheetShown() {
    applyPresentation();
    if (!context().hasDeclaration()) return;
    grids_[size_t(Direction::Entry)]->setFocus(Qt::OtherFocusReason);
    group_->setActive(int(Direction::Entry));
}

void SheetMovimentacaoUF::refresh() { refreshTotals(); }

} // namespace vexa::decl::ui

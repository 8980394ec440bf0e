#include "declaration/ui/OperationsSheet.h"

#include "common/ErrorLog.h"
#include "common/Money.h"
#include "common/ui/GridFit.h"
#include "common/ui/TypingGrid.h"
#include "declaration/OperationRules.h"
#include "declaration/ui/OperationsDelegates.h"
#include "declaration/ui/OperationsModel.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {

constexpr std::array<Amount, kAmountCount> kTotalsOrder{Amount::ValorContabil,    Amount::BaseCalculo,
                                                       Amount::ImpostoCreditado, Amount::IsentasNaoTributadas,
                                                       Amount::Outras,           Amount::SubstituicaoTributaria};

int totalsColumn(Amount a) {
    for (size_t i = 0; i < kTotalsOrder.size(); ++i)
        if (kTotalsOrder[i] == a) return int(i);
    return 0;
}

} // namespace

OperationsSheet::OperationsSheet(Direction direction, Prompter& prompter, QWidget* parent)
    : QWidget(parent), direction_(direction), prompter_(prompter) {
    auto* layout = new QVBoxLayout(this);
    const auto views = sheetViews(direction);
    for (int g = 0; g < 3; ++g) {
        const OperationView& view = views[size_t(g)];
        auto* caption = new QLabel(view.item() + QStringLiteral(" - ") + view.caption(), this);
        layout->addWidget(caption);

        auto* model = new OperationsModel(view, this);
        auto* grid = new vexa::ui::TypingGrid(this);
        grid->setObjectName(QStringLiteral("grid") + view.item());
        grid->setModel(model);
        grid->setSelectionBehavior(QAbstractItemView::SelectItems);
        grid->setSelectionMode(QAbstractItemView::SingleSelection);
        grid->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                              QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
        grid->setItemDelegateForColumn(OperationsModel::Cfop, new CfopDelegate(grid));
        auto* money = new MoneyDelegate(grid);
        for (int c = OperationsModel::ValorContabil; c <= OperationsModel::SubstituicaoTributaria; ++c)
            grid->setItemDelegateForColumn(c, money);
        const int rowHeight = grid->fontMetrics().height() + 6;
        grid->verticalHeader()->setDefaultSectionSize(rowHeight);
        // Amounts whole, the description takes what is left (its whole text in the box below).
        vexa::ui::fitColumns(grid, OperationsModel::Descricao);
        // Three whole rows of a month at least, under a scroll bar when the columns need one.
        grid->setMinimumHeight(grid->horizontalHeader()->sizeHint().height() + 3 * rowHeight +
                               grid->horizontalScrollBar()->sizeHint().height() + 2 * grid->frameWidth() + 2);
        grid->installEventFilter(this);
        layout->addWidget(grid, 1);
        caption->setBuddy(grid);

        models_[size_t(g)] = model;
        grids_[size_t(g)] = grid;

        connect(grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
                [this, g](const QModelIndex& current, const QModelIndex& previous) {
                    onCurrentChanged(g, current, previous);
                });
        connect(model, &OperationsModel::editStateChanged, this, [this] { emit editStateChanged(); });
        connect(model, &OperationsModel::rowsStored, this, &OperationsSheet::refreshTotals);
        connect(model, &QAbstractItemModel::dataChanged, this, &OperationsSheet::refreshDescription);
    }

    description_ = new QLineEdit(this);
    description_->setObjectName(QStringLiteral("descricaoCfop"));
    description_->setReadOnly(true);
    description_->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(description_);

    buildTotalsPanel();
    layout->addWidget(totalsPanel_);

    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        // Only moves within this screen count: a message box shown while a row
        // is posted takes the focus without leaving the grid.
        if (!now || now->window() != window()) return;
        const int from = indexOfGrid(old);
        const int to = indexOfGrid(now);
        if (from == to) return;
        if (from >= 0) onGridLeft(from);
        if (to >= 0) onGridEntered(to);
    });
    applyPresentation();
    showTotals();
}

OperationsSheet::~OperationsSheet() = default;

OperationsModel* OperationsSheet::model(OperationKind kind) const { return models_[size_t(kind)]; }

QTableView* OperationsSheet::grid(OperationKind kind) const { return grids_[size_t(kind)]; }

int OperationsSheet::indexOfGrid(const QObject* object) const {
    for (const QObject* o = object; o; o = o->parent()) {
        for (int g = 0; g < 3; ++g)
            if (o == grids_[size_t(g)]) return g;
        if (o == this) break;
    }
    return -1;
}

void OperationsSheet::buildTotalsPanel() {
    totalsPanel_ = new QTableWidget(3, kAmountCount, this);
    totalsPanel_->setObjectName(QStringLiteral("totais"));
    totalsPanel_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    totalsPanel_->setFocusPolicy(Qt::NoFocus);
    totalsPanel_->setSelectionMode(QAbstractItemView::NoSelection);
    totalsPanel_->setVerticalHeaderLabels(
        {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("Total (A+B)")});
    const QString tax = direction_ == Direction::Entry ? QStringLiteral("Crédito do\nImposto")
                                                       : QStringLiteral("Débito do\nImposto");
    // The captions break as those of the grids above, so that six totals fit side by side.
    totalsPanel_->setHorizontalHeaderLabels({QStringLiteral("Valor\nContábil"), QStringLiteral("Base de\nCálculo"), tax,
                                             QStringLiteral("Isentas ou\nNão Tributadas"), QStringLiteral("Outras"),
                                             QStringLiteral("Substituição\nTributária")});
    const int rowHeight = totalsPanel_->fontMetrics().height() + 6;
    totalsPanel_->verticalHeader()->setDefaultSectionSize(rowHeight);
    totalsPanel_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    vexa::ui::setAmountColumns(totalsPanel_, {0, 1, 2, 3, 4, 5});
    vexa::ui::fitColumns(totalsPanel_);
    // Room for the scroll bar that totals of tens of billions would need.
    totalsPanel_->setFixedHeight(totalsPanel_->horizontalHeader()->sizeHint().height() + 3 * rowHeight +
                                 totalsPanel_->horizontalScrollBar()->sizeHint().height() +
                                 2 * totalsPanel_->frameWidth() + 2);
    for (int r = 0; r < 3; ++r) {
        for (int c = 0; c < kAmountCount; ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            totalsPanel_->setItem(r, c, item);
        }
    }
}

void OperationsSheet::setContext(const OperationContext& context) {
    context_ = context;
    hasContext_ = context.key.isComplete();
    for (OperationsModel* m : models_) m->setContext(context_);
    applyPresentation();
    totals_ = {};
    refreshTotals();
    refreshDescription();
}

void OperationsSheet::clear() {
    context_ = {};
    hasContext_ = false;
    for (OperationsModel* m : models_) m->setContext(context_);
    applyPresentation();
    totals_ = {};
    showTotals();
    refreshDescription();
}

void OperationsSheet::setBulkUpdate(bool on) {
    context_.bulkUpdate = on;
    for (OperationsModel* m : models_) m->setBulkUpdate(on);
}

void OperationsSheet::applyPresentation() {
    for (QTableView* grid : grids_) {
        grid->setColumnHidden(OperationsModel::Domicilio, !context_.mudaDomicilio);
        grid->setColumnHidden(OperationsModel::Municipio, !context_.mudaDomicilio);
        grid->viewport()->update();
    }
}

bool OperationsSheet::isEditing() const {
    for (OperationsModel* m : models_)
        if (m->isEditing()) return true;
    return false;
}

bool OperationsSheet::postGrid(int g) {
    OperationsModel* m = models_[size_t(g)];
    if (!m->isEditing()) return true;
    QTableView* grid = grids_[size_t(g)];
    const int pending = m->pendingRow();
    const PostOutcome out = m->submitPending(prompter_);
    switch (out.status) {
    case PostStatus::Posted:
    case PostStatus::Discarded:
        return true;
    case PostStatus::Failed:
        reportUnhandledError(out.message);
        return false;
    case PostStatus::Refused: {
        restoring_ = true;
        const int column = OperationsModel::columnOfField(out.field);
        const int c = column >= 0 ? column : std::max(grid->currentIndex().column(), 0);
        grid->setCurrentIndex(m->index(pending, c));
        restoring_ = false;
        grid->setFocus();
        return false;
    }
    }
    return false;
}

bool OperationsSheet::post() {
    // Cells being typed are taken into their rows before the post.
    if (QWidget* focus = QApplication::focusWidget(); focus && indexOfGrid(focus) >= 0) {
        QTableView* grid = grids_[size_t(indexOfGrid(focus))];
        if (focus != grid) grid->setFocus();
    }
    const int first = int(activeKind_);
    for (int step = 0; step < 3; ++step) {
        const int g = (first + step) % 3;
        if (!models_[size_t(g)]->isEditing()) continue;
        if (!postGrid(g)) return false;
        // The view is read again and positioned on its last row.
        QTableView* grid = grids_[size_t(g)];
        OperationsModel* m = models_[size_t(g)];
        if (m->rows() > 0) {
            restoring_ = true;
            grid->setCurrentIndex(m->index(m->rows() - 1, OperationsModel::Cfop));
            restoring_ = false;
        }
    }
    refreshDescription();
    return !isEditing();
}

void OperationsSheet::cancel() {
    // A cell still being typed is closed without taking its text.
    for (QTableView* grid : grids_) {
        const QModelIndex cell = grid->currentIndex();
        if (QWidget* editor = grid->indexWidget(cell))
            emit grid->itemDelegateForIndex(cell)->closeEditor(editor, QAbstractItemDelegate::RevertModelCache);
    }
    for (OperationsModel* m : models_) m->revertPending();
    refreshDescription();
}

bool OperationsSheet::appendRow() {
    const int g = int(activeKind_);
    OperationsModel* m = models_[size_t(g)];
    if (m->isEditing() && !postGrid(g)) return false;
    const int r = m->appendRow(true);
    if (r < 0) return false;
    QTableView* grid = grids_[size_t(g)];
    grid->setFocus();
    restoring_ = true;
    grid->setCurrentIndex(m->index(r, OperationsModel::Cfop));
    restoring_ = false;
    grid->edit(m->index(r, OperationsModel::Cfop));
    refreshDescription();
    return true;
}

bool OperationsSheet::deleteCurrentRow(QString* error) {
    const int g = int(activeKind_);
    OperationsModel* m = models_[size_t(g)];
    const int r = grids_[size_t(g)]->currentIndex().row();
    if (r < 0 || r >= m->rows()) return true;
    if (!m->removeStoredRow(r, error)) return false;
    // The twin of another grid of the sheet went with the row.
    for (int other = 0; other < 3; ++other)
        if (other != g && !models_[size_t(other)]->isEditing()) models_[size_t(other)]->reload();
    refreshTotals();
    refreshDescription();
    return true;
}

void OperationsSheet::refresh() {
    refreshDescription();
    refreshTotals();
}

void OperationsSheet::refreshTotals() {
    if (!hasContext_ || context_.bulkUpdate) return;
    totals_ = operationTotals(context_.key, direction_);
    showTotals();
}

void OperationsSheet::showTotals() {
    for (Amount a : kTotalsOrder) {
        const int c = totalsColumn(a);
        totalsPanel_->item(0, c)->setText(money::format(totals_.a[a]));
        totalsPanel_->item(1, c)->setText(money::format(totals_.b[a]));
        totalsPanel_->item(2, c)->setText(money::format(totals_.total[a]));
    }
}

QString OperationsSheet::totalText(int row, Amount amount) const {
    if (row < 0 || row > 2) return {};
    return totalsPanel_->item(row, totalsColumn(amount))->text();
}

void OperationsSheet::refreshDescription() {
    const QString text = descriptionText();
    if (description_->text() != text) description_->setText(text);
}

QString OperationsSheet::descriptionText() const {
    const int g = int(activeKind_);
    const int r = grids_[size_t(g)]->currentIndex().row();
    const OperationsModel* m = models_[size_t(g)];
    if (r < 0 || r >= m->rows()) return {};
    return descriptionBoxText(m->row(r));
}

void OperationsSheet::focusFirstGrid() {
    grids_[0]->setFocus();
    activeKind_ = OperationKind::Domestic;
    refreshDescription();
}

void OperationsSheet::onCurrentChanged(int g, const QModelIndex& current, const QModelIndex& previous) {
    if (restoring_) return;
    OperationsModel* m = models_[size_t(g)];
    if (m->isEditing() && previous.isValid() && previous.row() == m->pendingRow()) {
        if (previous.column() <= OperationsModel::Descricao && current.column() > OperationsModel::Descricao &&
            current.row() == previous.row()) {
            // Leaving the CFOP: a code the view already holds moves the cursor to that row.
            const int existing = m->jumpToExistingCfop();
            if (existing >= 0) {
                QTimer::singleShot(0, this, [this, g, existing] {
                    restoring_ = true;
                    grids_[size_t(g)]->setCurrentIndex(models_[size_t(g)]->index(existing, OperationsModel::Cfop));
                    restoring_ = false;
                    refreshDescription();
                });
                return;
            }
        }
        if (current.row() != previous.row()) {
            // Moving to another row posts the pending one (after the move completes).
            const OperationRow target =
                current.isValid() && current.row() < m->rows() ? m->row(current.row()) : OperationRow{};
            const int targetColumn = std::max(current.column(), 0);
            const bool targetIsStored = current.isValid() && current.row() != m->pendingRow();
            QTimer::singleShot(0, this, [this, g, target, targetColumn, targetIsStored] {
                OperationsModel* model = models_[size_t(g)];
                if (!model->isEditing()) return;
                if (!postGrid(g)) return;
                if (!targetIsStored) return;
                for (int r = 0; r < model->rows(); ++r) {
                    if (model->row(r).codigoOperacao == target.codigoOperacao &&
                        model->row(r).domicilioFiscal == target.domicilioFiscal) {
                        restoring_ = true;
                        grids_[size_t(g)]->setCurrentIndex(model->index(r, targetColumn));
                        restoring_ = false;
                        break;
                    }
                }
                refreshDescription();
            });
        }
    }
    refreshDescription();
}

void OperationsSheet::onGridEntered(int g) {
    // Entering another grid posts the row pending in the one left.
    for (int other = 0; other < 3; ++other) {
        if (other == g || !models_[size_t(other)]->isEditing()) continue;
        if (!postGrid(other)) return;
    }
    if (activeKind_ != OperationKind(g)) {
        activeKind_ = OperationKind(g);
        emit activeGridChanged(activeKind_);
    }
    refreshDescription();
}

void OperationsSheet::onGridLeft(int g) {
    // A pending row whose CFOP has no description is dropped when the grid is left.
    OperationsModel* m = models_[size_t(g)];
    if (m->isEditing() && m->row(m->pendingRow()).cfopDescricao.isEmpty()) m->revertPending();
}

bool OperationsSheet::eventFilter(QObject* watched, QEvent* event) {
    const int g = indexOfGrid(watched);
    if (g >= 0 && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        OperationsModel* m = models_[size_t(g)];
        QTableView* grid = grids_[size_t(g)];
        // The Down key does not leave a row in edit.
        if (key->key() == Qt::Key_Down && m->isEditing()) return true;
        // An empty grid takes its first row from the keyboard.
        if (m->rows() == 0 && hasContext_ &&
            (key->key() == Qt::Key_Insert || (!key->text().isEmpty() && key->text().at(0).isDigit()))) {
            const int r = m->appendRow(false);
            if (r < 0) return true;
            const QModelIndex cell = m->index(r, OperationsModel::Cfop);
            restoring_ = true;
            grid->setCurrentIndex(cell);
            restoring_ = false;
            grid->edit(cell);
            if (key->key() != Qt::Key_Insert) {
                if (auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(cell)); editor)
                    editor->insert(key->text());
                else if (auto* focus = qobject_cast<QLineEdit*>(QApplication::focusWidget()); focus)
                    focus->insert(key->text());
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace vexa::decl::ui

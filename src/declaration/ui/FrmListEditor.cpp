#include "declaration/ui/FrmListEditor.h"

#include "common/Money.h"
#include "common/ui/EnterAsTab.h"
#include "declaration/LawLists.h"
#include "declaration/ui/ListGrid.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {
QPushButton* button(const QString& caption, const QString& name, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}
} // namespace

FrmListEditor::FrmListEditor(ListEditorModel* model, Prompter& prompter, Options options, QWidget* parent)
    : QDialog(parent), model_(model), prompter_(prompter), options_(std::move(options)) {
    setObjectName(options_.objectName);
    setWindowTitle(options_.caption);
    setModal(true);
    model_->setParent(this);

    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(options_.title, this);
    title->setObjectName(QStringLiteral("lblTitulo"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    grid_ = new ListGrid(this);
    grid_->setObjectName(QStringLiteral("grdLinhas"));
    grid_->setModel(model_);
    grid_->installEventFilter(this);
    layout->addWidget(grid_, 1);

    totalsBar_ = new QWidget(this);
    totalsBar_->setObjectName(QStringLiteral("pnlTotais"));
    totalsBar_->setFixedHeight(28);
    buildTotals(totalsBar_);
    layout->addWidget(totalsBar_);

    auto* buttons = new QHBoxLayout;
    if (options_.recordCommands) {
        btnNovo_ = button(QStringLiteral("&Novo"), QStringLiteral("btnNovo"), this);
        btnGravar_ = button(QStringLiteral("&Gravar"), QStringLiteral("btnGravar"), this);
        btnCancelar_ = button(QStringLiteral("&Cancelar"), QStringLiteral("btnCancelar"), this);
        buttons->addWidget(btnNovo_);
        buttons->addWidget(btnGravar_);
        buttons->addWidget(btnCancelar_);
        connect(btnNovo_, &QPushButton::clicked, this, [this] { novo(); });
        connect(btnGravar_, &QPushButton::clicked, this, [this] { gravar(); });
        connect(btnCancelar_, &QPushButton::clicked, this, [this] { cancelar(); });
    }
    btnExcluir_ = button(options_.deleteCaption, QStringLiteral("btnExcluir"), this);
    buttons->addWidget(btnExcluir_);
    buttons->addStretch(1);
    btnRetornar_ = button(QStringLiteral("&Retornar"), QStringLiteral("btnRetornar"), this);
    buttons->addWidget(btnRetornar_);
    layout->addLayout(buttons);
    connect(btnExcluir_, &QPushButton::clicked, this, [this] { excluir(); });
    connect(btnRetornar_, &QPushButton::clicked, this, [this] { retornar(); });

    EnterAsTab::install(this);

    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, &FrmListEditor::currentChanged);
    connect(model_, &ListEditorModel::editStateChanged, this, &FrmListEditor::followState);
    connect(model_, &ListEditorModel::totalsChanged, this, &FrmListEditor::showTotals);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        // The grid gets a new selection state after a reset; the totals follow the lines.
        showTotals();
    });
    // Both wait for the grid to finish the key or the edit that asked for them.
    connect(model_, &ListEditorModel::existingLineChosen, this, &FrmListEditor::takeExistingLine,
            Qt::QueuedConnection);
    connect(grid_, &ListGrid::appendRequested, this, &FrmListEditor::append, Qt::QueuedConnection);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionResized, this, &FrmListEditor::placeTotals);
    connect(grid_->horizontalHeader(), &QHeaderView::geometriesChanged, this, &FrmListEditor::placeTotals);
    connect(grid_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &FrmListEditor::placeTotals);

    resize(options_.size);
    grid_->resizeColumnsToContents();
    if (options_.appendWhenEmpty && model_->lineCount() == 0) model_->appendRow();
    showTotals();
    followState();
    focusCell(model_->lineCount() > 0 ? 0 : -1, model_->firstEditableColumn(), false);
}

FrmListEditor::~FrmListEditor() {
    // The grid and the model go after this object's members: nothing of them may call back.
    grid_->horizontalHeader()->disconnect(this);
    grid_->horizontalScrollBar()->disconnect(this);
    grid_->selectionModel()->disconnect(this);
    grid_->disconnect(this);
    grid_->removeEventFilter(this);
    model_->disconnect(this);
}

// ---- totals ---------------------------------------------------------------------

void FrmListEditor::buildTotals(QWidget* bar) {
    auto* label = new QLabel(QStringLiteral("TOTAL"), bar);
    label->setObjectName(QStringLiteral("lblTotal"));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    for (int column : model_->totalColumns()) {
        auto* field = new QLineEdit(bar);
        field->setObjectName(model_->totalFieldName(column));
        field->setReadOnly(true);
        field->setFocusPolicy(Qt::NoFocus);
        field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        field->setStyleSheet(QStringLiteral("QLineEdit { background: #e0e0e0; }"));
        totals_.insert(column, field);
    }
}

void FrmListEditor::placeTotals() {
    QHeaderView* header = grid_->horizontalHeader();
    const int left = grid_->frameWidth() + grid_->verticalHeader()->width();
    int firstX = -1;
    for (auto it = totals_.begin(); it != totals_.end(); ++it) {
        const int x = left + header->sectionViewportPosition(it.key());
        it.value()->setGeometry(x, 2, header->sectionSize(it.key()), 24);
        if (firstX < 0 || x < firstX) firstX = x;
    }
    if (auto* label = totalsBar_->findChild<QLabel*>(QStringLiteral("lblTotal")))
        label->setGeometry(qMax(0, firstX - 60), 2, 56, 24);
}

void FrmListEditor::showTotals() {
    for (auto it = totals_.begin(); it != totals_.end(); ++it)
        it.value()->setText(money::format(model_->total(it.key())));
}

// ---- state and cursor -------------------------------------------------------------

void FrmListEditor::followState() {
    const bool editing = model_->isEditing();
    if (options_.recordCommands) {
        btnGravar_->setEnabled(editing);
        btnCancelar_->setEnabled(editing);
        btnNovo_->setEnabled(!editing);
        btnExcluir_->setEnabled(!editing);
    }
}

void FrmListEditor::focusCell(int row, int column, bool edit) {
    if (row < 0 || row >= model_->rowCount()) row = model_->rowCount() - 1;
    if (row < 0) return;
    if (column < 0) column = model_->firstEditableColumn();
    const QModelIndex index = model_->index(row, column);
    moving_ = true;
    grid_->setCurrentIndex(index);
    grid_->scrollTo(index);
    moving_ = false;
    grid_->setFocus();
    if (edit && (model_->flags(index) & Qt::ItemIsEditable)) grid_->edit(index);
}

void FrmListEditor::afterPost() {
    const int row = model_->rowToShow();
    focusCell(row >= 0 ? row : model_->rowCount() - 1, model_->firstEditableColumn(), false);
}

void FrmListEditor::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    if (moving_ || closing_ || !model_->isEditing()) return;
    const int pending = model_->pendingRow();
    // Leaving the legal-basis column of the pending line with no code.
    if (model_->codeColumn() >= 0 && previous.isValid() && previous.row() == pending &&
        previous.column() == model_->codeColumn() && current.row() == pending &&
        current.column() != previous.column() && !model_->pendingHasCode()) {
        QMetaObject::invokeMethod(
            this,
            [this, pending] {
                grid_->discardOpenEditor();
                prompter_.warn(law_msg::SelecioneBaseLegal);
                focusCell(pending, model_->codeColumn());
            },
            Qt::QueuedConnection);
        return;
    }
    // Another line: the pending one is posted first.
    if (current.isValid() && current.row() != pending)
        QMetaObject::invokeMethod(this, &FrmListEditor::leavePendingRow, Qt::QueuedConnection);
}

void FrmListEditor::leavePendingRow() {
    if (!model_->isEditing() || closing_) return;
    const int target = grid_->currentIndex().row();
    if (target == model_->pendingRow()) return;
    grid_->commitOpenEditor();
    if (!model_->submitPending(prompter_)) {
        focusCell(model_->pendingRow(), model_->focusColumn());
        return;
    }
    if (model_->lineCount() == 0 && options_.appendWhenEmpty) model_->appendRow();
    afterPost();
}

void FrmListEditor::takeExistingLine() {
    const int row = model_->cancelForExistingLine();
    if (row >= 0) focusCell(row, model_->codeColumn(), false);
}

void FrmListEditor::append() {
    if (closing_) return;
    novo();
}

// ---- commands ---------------------------------------------------------------------

bool FrmListEditor::novo() {
    grid_->commitOpenEditor();
    if (model_->isEditing() && !model_->submitPending(prompter_)) {
        focusCell(model_->pendingRow(), model_->focusColumn());
        return false;
    }
    const int row = model_->appendRow();
    if (row < 0) return false;
    focusCell(row, model_->firstEditableColumn());
    return true;
}

bool FrmListEditor::gravar() {
    grid_->commitOpenEditor();
    if (!model_->submitPending(prompter_)) {
        focusCell(model_->pendingRow(), model_->focusColumn());
        return false;
    }
    afterPost();
    return true;
}

void FrmListEditor::cancelar() {
    grid_->discardOpenEditor();
    const int row = grid_->currentIndex().row();
    model_->revertPending();
    if (model_->lineCount() == 0 && options_.appendWhenEmpty) model_->appendRow();
    focusCell(row, model_->firstEditableColumn(), false);
}

bool FrmListEditor::excluir() {
    grid_->commitOpenEditor();
    const int row = grid_->currentIndex().row();
    if (row < 0 || row >= model_->rowCount()) return false;
    const bool deleted = model_->removeLine(row, prompter_);
    if (model_->lineCount() == 0 && options_.appendWhenEmpty && !model_->isEditing()) model_->appendRow();
    focusCell(qMin(row, model_->rowCount() - 1), model_->firstEditableColumn(), false);
    return deleted;
}

bool FrmListEditor::retornar() {
    grid_->commitOpenEditor();
    if (model_->isEditing() && !model_->submitPending(prompter_)) {
        focusCell(model_->pendingRow(), model_->focusColumn());
        return false;
    }
    closing_ = true;
    QDialog::accept();
    return true;
}

double FrmListEditor::run() {
    exec();
    return handedBackTotal();
}

void FrmListEditor::reject() { retornar(); }

void FrmListEditor::closeEvent(QCloseEvent* event) {
    if (closing_ || retornar()) event->accept();
    else event->ignore();
}

void FrmListEditor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    placeTotals();
}

bool FrmListEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show)) placeTotals();
    return QDialog::eventFilter(watched, event);
}

} // namespace vexa::decl::ui

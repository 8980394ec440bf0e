#include "declaration/ui/FrmGridEditor.h"

#include "common/ui/EnterAsTab.h"
#include "declaration/ui/ListGrid.h"
#include "declaration/ui/SheetGrid.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vexa::decl::ui {

namespace {
QString objectNameOf(FrmGridEditor::Command c) {
    switch (c) {
    case FrmGridEditor::Command::Novo: return QStringLiteral("btnNovo");
    case FrmGridEditor::Command::Gravar: return QStringLiteral("btnGravar");
    case FrmGridEditor::Command::Cancelar: return QStringLiteral("btnCancelar");
    case FrmGridEditor::Command::Excluir: return QStringLiteral("btnExcluir");
    case FrmGridEditor::Command::Retornar: return QStringLiteral("btnRetornar");
    }
    return {};
}
} // namespace

FrmGridEditor::FrmGridEditor(ListEditorModel* model, Prompter& prompter, Options options, QWidget* parent)
    : QDialog(parent), model_(model), prompter_(prompter), options_(std::move(options)) {
    setObjectName(options_.objectName);
    setWindowTitle(options_.caption);
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    grid_ = new SheetGrid(model_, prompter_, options_.title, this);
    grid_->grid()->setObjectName(QStringLiteral("grdLinhas"));
    layout->addWidget(grid_, 1);

    if (options_.showTotal && !model_->totalColumns().isEmpty()) {
        auto* bar = new QHBoxLayout;
        bar->addStretch(1);
        auto* label = new QLabel(QStringLiteral("TOTAL"), this);
        label->setObjectName(QStringLiteral("lblTotal"));
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        total_ = new QLineEdit(this);
        total_->setObjectName(model_->totalFieldName(model_->totalColumns().first()));
        total_->setReadOnly(true);
        total_->setFocusPolicy(Qt::NoFocus);
        total_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        total_->setFixedWidth(160);
        total_->setStyleSheet(QStringLiteral("QLineEdit { background: #e0e0e0; }"));
        bar->addWidget(label);
        bar->addWidget(total_);
        layout->addLayout(bar);
    }

    auto* buttons = new QHBoxLayout;
    for (const Button& b : options_.buttons) {
        if (b.command == Command::Retornar) buttons->addStretch(1);
        auto* push = new QPushButton(b.caption, this);
        push->setObjectName(objectNameOf(b.command));
        push->setAutoDefault(false);
        push->setDefault(false);
        buttons->addWidget(push);
        buttons_.append({b.command, push});
        connect(push, &QPushButton::clicked, this, [this, c = b.command] {
            switch (c) {
            case Command::Novo: novo(); break;
            case Command::Gravar: gravar(); break;
            case Command::Cancelar: cancelar(); break;
            case Command::Excluir: excluir(); break;
            case Command::Retornar: retornar(); break;
            }
        });
    }
    if (!buttons_.isEmpty() && buttons_.last().first != Command::Retornar) buttons->addStretch(1);
    layout->addLayout(buttons);

    EnterAsTab::install(this);
    connect(model_, &ListEditorModel::editStateChanged, this, &FrmGridEditor::followState);
    connect(model_, &QAbstractItemModel::modelReset, this, &FrmGridEditor::followState);
    connect(model_, &QAbstractItemModel::rowsInserted, this, &FrmGridEditor::followState);
    connect(model_, &QAbstractItemModel::rowsRemoved, this, &FrmGridEditor::followState);

    resize(options_.size);
    grid_->grid()->resizeColumnsToContents();
    if (options_.appendWhenEmpty && model_->lineCount() == 0) grid_->append(true);
    else if (model_->rowCount() > 0) grid_->focusCell(0, model_->firstEditableColumn());
    followState();
}

QPushButton* FrmGridEditor::button(Command command) const {
    for (const auto& b : buttons_)
        if (b.first == command) return b.second;
    return nullptr;
}

void FrmGridEditor::followState() {
    const bool editing = model_->isEditing();
    const bool hasRows = model_->lineCount() > 0 && !(editing && model_->lineCount() == 1 &&
                                                      model_->editState() == ListEditorModel::EditState::Insert);
    for (const auto& b : buttons_) {
        switch (b.first) {
        case Command::Novo: b.second->setEnabled(!editing); break;
        case Command::Gravar:
        case Command::Cancelar: b.second->setEnabled(editing); break;
        case Command::Excluir: b.second->setEnabled(hasRows && !editing); break;
        case Command::Retornar: break;
        }
    }
    if (total_) total_->setText(money::format(model_->total(model_->totalColumns().first())));
}

bool FrmGridEditor::novo() { return grid_->append(true); }

bool FrmGridEditor::gravar() {
    const bool ok = grid_->post();
    followState();
    return ok;
}

void FrmGridEditor::cancelar() {
    grid_->cancel();
    followState();
}

bool FrmGridEditor::excluir() {
    grid_->grid()->commitOpenEditor();
    if (model_->isEditing()) return false;
    const int row = grid_->grid()->currentIndex().row();
    if (row < 0 || row >= model_->rowCount()) return false;
    const bool deleted = model_->removeLine(row, prompter_);
    if (model_->rowCount() > 0) grid_->focusCell(qMin(row, model_->rowCount() - 1), -1);
    followState();
    return deleted;
}

bool FrmGridEditor::mayClose() {
    if (!model_->isEditing()) return true;
    if (options_.close == ClosePolicy::RefuseWhileEditing) {
        grid_->grid()->commitOpenEditor();
        prompter_.warn(options_.closeRefusedMessage);
        return false;
    }
    return grid_->post();
}

bool FrmGridEditor::retornar() {
    if (!mayClose()) return false;
    closing_ = true;
    QDialog::accept();
    return true;
}

void FrmGridEditor::reject() {
    // Escape: the pending row is cancelled first, as in a data grid.
    if (model_->isEditing()) {
        cancelar();
        return;
    }
    retornar();
}

void FrmGridEditor::closeEvent(QCloseEvent* event) {
    if (closing_ || retornar()) event->accept();
    else event->ignore();
}

} // namespace vexa::decl::ui

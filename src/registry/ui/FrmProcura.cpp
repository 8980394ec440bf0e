#include "registry/ui/FrmProcura.h"

#include "common/ui/ConsultScreen.h"
#include "common/ui/TextLineEdit.h"
#include "registry/ui/NameListModel.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa::registry::ui {

namespace {
const QString kCaptionTaxpayers = QStringLiteral("Procura Contribuinte pela Razão Social.");
const QString kCaptionAccountants = QStringLiteral("Procura Contabilistas pelo Nome.");
} // namespace

FrmProcura::FrmProcura(Registry registry, QWidget* parent) : QDialog(parent), registry_(registry) {
    setObjectName(QStringLiteral("FrmProcura"));
    setWindowTitle(registry == Registry::Taxpayers ? kCaptionTaxpayers : kCaptionAccountants);
    setModal(true);

    auto* label = new QLabel(QStringLiteral("Nome:"), this);
    edtNome_ = new TextLineEdit(TextLineEdit::Case::Upper, 50, this);
    edtNome_->setObjectName(QStringLiteral("EdtNome"));
    label->setBuddy(edtNome_);
    btnOk_ = new QPushButton(QStringLiteral("OK"), this);
    btnOk_->setObjectName(QStringLiteral("btnOK"));
    btnOk_->setDefault(true);
    btnCancelar_ = new QPushButton(QStringLiteral("Cancelar"), this);
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));

    model_ = new NameListModel(registry, this);
    model_->setRows(rowsByName(registry));
    grid_ = vexa::newPickGrid(QStringLiteral("grdProcura"), this);
    grid_->setModel(model_);
    grid_->horizontalHeader()->setSectionResizeMode(NameListModel::Name, QHeaderView::Stretch);
    grid_->horizontalHeader()->setSectionResizeMode(NameListModel::Key, QHeaderView::ResizeToContents);
    grid_->setAlternatingRowColors(true);

    auto* top = new QHBoxLayout;
    top->addWidget(label);
    top->addWidget(edtNome_, 1);
    top->addWidget(btnOk_);
    top->addWidget(btnCancelar_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    resize(600, 400);

    connect(edtNome_, &QLineEdit::textChanged, this, &FrmProcura::moveToNearest);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancelar_, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &QTableView::doubleClicked, this, &QDialog::accept);

    setCurrentRow(model_->rowCount() > 0 ? 0 : -1);
    edtNome_->setFocus();
}

void FrmProcura::moveToNearest(const QString& typed) { setCurrentRow(nearestByName(model_->rows(), typed)); }

void FrmProcura::setCurrentRow(int row) {
    if (row < 0) return;
    const QModelIndex index = model_->index(row, NameListModel::Name);
    grid_->setCurrentIndex(index);
    grid_->scrollTo(index, QAbstractItemView::PositionAtTop);
}

int FrmProcura::currentRow() const {
    if (model_->rowCount() == 0) return -1;
    const QModelIndex index = grid_->currentIndex();
    return index.isValid() ? index.row() : -1;
}

std::optional<NameRow> FrmProcura::chosen() const {
    if (result() != QDialog::Accepted) return std::nullopt;
    const int row = currentRow();
    if (row < 0) return std::nullopt;
    return model_->row(row);
}

void FrmProcura::closeEvent(QCloseEvent* event) {
    // Closing by the frame confirms the row under the cursor, as OK does.
    if (isVisible()) done(QDialog::Accepted);
    event->accept();
}

std::optional<NameRow> FrmProcura::pick(Registry registry, QWidget* parent) {
    FrmProcura screen(registry, parent);
    screen.exec();
    return screen.chosen();
}

std::optional<QString> searchTaxpayer(QWidget* parent) {
    const std::optional<NameRow> row = FrmProcura::pick(Registry::Taxpayers, parent);
    if (!row) return std::nullopt;
    return row->key;
}

} // namespace vexa::registry::ui

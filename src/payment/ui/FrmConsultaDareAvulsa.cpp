#include "payment/ui/FrmConsultaDareAvulsa.h"

#include "payment/ui/AvulsaModels.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa::payment::ui {

namespace {
QComboBox* choiceBox(const QStringList& items, const QString& name, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    box->completer()->setCompletionMode(QCompleter::PopupCompletion);
    box->setCurrentIndex(0);
    return box;
}
} // namespace

FrmConsultaDareAvulsa::FrmConsultaDareAvulsa(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmConsultaDareAvulsa"));
    setWindowTitle(QStringLiteral("Consulta DARE Avulso"));
    setModal(true);

    cbContribuinte_ = choiceBox(consultTaxpayerChoices(), QStringLiteral("cbContribuinte"), this);
    cbContribuinte_->setMinimumWidth(360);
    // The periods are listed as stored (MMYYYY).
    cbPeriodo_ = choiceBox(consultAvulsaPeriodChoices(), QStringLiteral("cbPeriodo"), this);
    cbPeriodo_->setMinimumWidth(110);
    auto* lblContribuinte = new QLabel(QStringLiteral("Contribuinte:"), this);
    lblContribuinte->setBuddy(cbContribuinte_);
    auto* lblPeriodo = new QLabel(QStringLiteral("Período:"), this);
    lblPeriodo->setBuddy(cbPeriodo_);

    btnLocalizar_ = new QPushButton(QStringLiteral("&Localizar"), this);
    btnLocalizar_->setObjectName(QStringLiteral("btnLocalizar"));
    btnLocalizar_->setDefault(true);
    btnRetornar_ = new QPushButton(QStringLiteral("&Retornar"), this);
    btnRetornar_->setObjectName(QStringLiteral("btnRetornar"));
    btnRetornar_->setAutoDefault(false);

    model_ = new AvulsaConsultModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grdDares"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setTabKeyNavigation(false);
    grid_->setAlternatingRowColors(true);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionResizeMode(AvulsaConsultModel::RazaoSocial, QHeaderView::Stretch);
    for (int column : {AvulsaConsultModel::IE, AvulsaConsultModel::Periodo, AvulsaConsultModel::Tributo,
                       AvulsaConsultModel::ValorReceita})
        header->setSectionResizeMode(column, QHeaderView::Fixed);
    grid_->setColumnWidth(AvulsaConsultModel::IE, 100);
    grid_->setColumnWidth(AvulsaConsultModel::Periodo, 70);
    grid_->setColumnWidth(AvulsaConsultModel::Tributo, 60);
    grid_->setColumnWidth(AvulsaConsultModel::ValorReceita, 110);

    auto* choices = new QGridLayout;
    choices->addWidget(lblContribuinte, 0, 0);
    choices->addWidget(cbContribuinte_, 0, 1);
    choices->addWidget(lblPeriodo, 1, 0);
    auto* periodRow = new QHBoxLayout;
    periodRow->addWidget(cbPeriodo_);
    periodRow->addStretch(1);
    choices->addLayout(periodRow, 1, 1);
    choices->setColumnStretch(1, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(btnLocalizar_);
    buttons->addWidget(btnRetornar_);
    auto* top = new QHBoxLayout;
    top->addLayout(choices, 1);
    top->addSpacing(12);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grid_, 1);
    resize(700, 420);

    connect(btnLocalizar_, &QPushButton::clicked, this, &FrmConsultaDareAvulsa::localizar);
    connect(btnRetornar_, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) accept();
    });
}

void FrmConsultaDareAvulsa::localizar() {
    for (QComboBox* box : {cbContribuinte_, cbPeriodo_})
        if (box->currentText().trimmed().isEmpty()) box->setEditText(kTodos);
    model_->setRows(consultDareAvulsas(cbContribuinte_->currentText(), cbPeriodo_->currentText()));
    if (model_->rowCount() > 0) grid_->selectRow(0);
}

std::optional<AvulsaConsultRow> FrmConsultaDareAvulsa::current() const {
    if (model_->rowCount() == 0) return std::nullopt;
    const QModelIndex index = grid_->currentIndex();
    return model_->row(index.isValid() ? index.row() : 0);
}

std::optional<AvulsaConsultRow> FrmConsultaDareAvulsa::pick(QWidget* parent) {
    FrmConsultaDareAvulsa screen(parent);
    screen.exec();
    return screen.current();
}

} // namespace vexa::payment::ui

#include "payment/ui/FrmConsultaDare.h"

#include "payment/ui/ConsultaDareModel.h"

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

FrmConsultaDare::FrmConsultaDare(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FrmConsultaDare"));
    setWindowTitle(QStringLiteral("Consulta DARE"));
    setModal(true);

    cbContribuinte_ = choiceBox(consultTaxpayerChoices(), QStringLiteral("cbContribuinte"), this);
    cbContribuinte_->setMinimumWidth(360);
    cbPeriodo_ = choiceBox(consultPeriodChoices(), QStringLiteral("cbPeriodo"), this);
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

    model_ = new ConsultaDareModel(this);
    grid_ = new QTableView(this);
    grid_->setObjectName(QStringLiteral("grdDare"));
    grid_->setModel(model_);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setTabKeyNavigation(false);
    grid_->setAlternatingRowColors(true);
    grid_->verticalHeader()->setVisible(false);
    grid_->verticalHeader()->setDefaultSectionSize(20);
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionResizeMode(ConsultaDareModel::RazaoSocial, QHeaderView::Stretch);
    for (int c : {int(ConsultaDareModel::IE), int(ConsultaDareModel::Periodo), int(ConsultaDareModel::Retificacao)})
        header->setSectionResizeMode(c, QHeaderView::Fixed);
    grid_->setColumnWidth(ConsultaDareModel::IE, 110);
    grid_->setColumnWidth(ConsultaDareModel::Periodo, 80);
    grid_->setColumnWidth(ConsultaDareModel::Retificacao, 80);

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
    resize(660, 400);

    connect(btnLocalizar_, &QPushButton::clicked, this, &FrmConsultaDare::localizar);
    connect(btnRetornar_, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) accept();
    });
}

void FrmConsultaDare::localizar() {
    // An empty choice is the first of its list, "<TODOS>".
    for (QComboBox* box : {cbContribuinte_, cbPeriodo_})
        if (box->currentText().trimmed().isEmpty()) box->setEditText(kTodos);
    model_->setRows(consultDares(cbContribuinte_->currentText(), cbPeriodo_->currentText()));
    if (model_->rowCount() > 0) grid_->selectRow(0);
}

std::optional<ConsultRow> FrmConsultaDare::current() const {
    if (model_->rowCount() == 0) return std::nullopt;
    const QModelIndex index = grid_->currentIndex();
    return model_->row(index.isValid() ? index.row() : 0);
}

std::optional<ConsultRow> FrmConsultaDare::pick(QWidget* parent) {
    FrmConsultaDare screen(parent);
    screen.exec();
    return screen.current();
}

} // namespace vexa::payment::ui

#include "common/ui/ConsultScreen.h"

#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa {

namespace {
// An editable list that completes, without regard to case, from its own items only.
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

QTableView* newPickGrid(const QString& objectName, QWidget* parent) {
    auto* grid = new QTableView(parent);
    grid->setObjectName(objectName);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setTabKeyNavigation(false);
    grid->verticalHeader()->setVisible(false);
    grid->verticalHeader()->setDefaultSectionSize(20);
    return grid;
}

ConsultScreen::ConsultScreen(const Setup& setup, QWidget* parent) : QDialog(parent), all_(setup.all) {
    setObjectName(setup.objectName);
    setWindowTitle(setup.title);
    setModal(true);

    cbContribuinte_ = choiceBox(setup.taxpayers, QStringLiteral("cbContribuinte"), this);
    cbContribuinte_->setMinimumWidth(360);
    cbPeriodo_ = choiceBox(setup.periods, QStringLiteral("cbPeriodo"), this);
    cbPeriodo_->setMinimumWidth(110);
    auto* lblContribuinte = new QLabel(setup.taxpayerCaption, this);
    lblContribuinte->setBuddy(cbContribuinte_);
    auto* lblPeriodo = new QLabel(QStringLiteral("Período:"), this);
    lblPeriodo->setBuddy(cbPeriodo_);

    btnLocalizar_ = new QPushButton(QStringLiteral("&Localizar"), this);
    btnLocalizar_->setObjectName(QStringLiteral("btnLocalizar"));
    btnLocalizar_->setDefault(true);
    btnRetornar_ = new QPushButton(QStringLiteral("&Retornar"), this);
    btnRetornar_->setObjectName(QStringLiteral("btnRetornar"));
    if (!setup.returnToolTip.isEmpty()) btnRetornar_->setToolTip(setup.returnToolTip);
    btnRetornar_->setAutoDefault(false);

    grid_ = newPickGrid(setup.gridName, this);
    grid_->setAlternatingRowColors(true);

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
    resize(setup.size);

    connect(btnLocalizar_, &QPushButton::clicked, this, &ConsultScreen::localizar);
    connect(btnRetornar_, &QPushButton::clicked, this, &QDialog::accept);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) accept();
    });
}

void ConsultScreen::setGridModel(QAbstractItemModel* model) { grid_->setModel(model); }

void ConsultScreen::fixColumns(int stretch, const QList<std::pair<int, int>>& fixed) {
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionResizeMode(stretch, QHeaderView::Stretch);
    for (const auto& [column, width] : fixed) {
        header->setSectionResizeMode(column, QHeaderView::Fixed);
        grid_->setColumnWidth(column, width);
    }
}

void ConsultScreen::localizar() {
    for (QComboBox* box : {cbContribuinte_, cbPeriodo_})
        if (box->currentText().trimmed().isEmpty()) box->setEditText(all_);
    search(cbContribuinte_->currentText(), cbPeriodo_->currentText());
    if (grid_->model() && grid_->model()->rowCount() > 0) grid_->selectRow(0);
}

int ConsultScreen::currentRow() const {
    if (!grid_->model() || grid_->model()->rowCount() == 0) return -1;
    const QModelIndex index = grid_->currentIndex();
    return index.isValid() ? index.row() : 0;
}

} // namespace vexa

#include "payment/ui/FrmSelecionaGate.h"

#include "common/Masks.h"
#include "common/ui/ConsultScreen.h"
#include "payment/ui/AvulsaModels.h"

#include <QFont>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace vexa::payment::ui {

FrmSelecionaGate::FrmSelecionaGate(const QList<PeriodSlip>& slips, const QString& razaoSocial, const QString& periodo,
                                   QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FrmSelecionaGate"));
    setWindowTitle(QStringLiteral("Selecione uma Gate"));
    setModal(true);

    auto* lblTitulo = new QLabel(avulsa_msg::SelecioneTitulo, this);
    lblTitulo->setObjectName(QStringLiteral("lblTitulo"));
    QFont bold = lblTitulo->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    lblTitulo->setFont(bold);
    auto* lblContribuinte = new QLabel(avulsa_msg::SelecioneContribuinte + razaoSocial, this);
    lblContribuinte->setObjectName(QStringLiteral("lblContribuinte"));
    auto* lblPeriodo = new QLabel(avulsa_msg::SelecionePeriodo + periodToDisplay(periodo), this);
    lblPeriodo->setObjectName(QStringLiteral("lblPeriodo"));

    model_ = new PeriodSlipModel(slips, this);
    grid_ = vexa::newPickGrid(QStringLiteral("grdDares"), this);
    grid_->setModel(model_);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    if (model_->rowCount() > 0) grid_->selectRow(0);

    btnSelecionar_ = new QPushButton(QStringLiteral("&Selecionar DARE"), this);
    btnSelecionar_->setObjectName(QStringLiteral("btnSelecionar"));
    btnSelecionar_->setDefault(true);
    btnCancelar_ = new QPushButton(QStringLiteral("&Cancelar"), this);
    btnCancelar_->setObjectName(QStringLiteral("btnCancelar"));
    btnCancelar_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnSelecionar_);
    buttons->addWidget(btnCancelar_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblTitulo);
    layout->addWidget(lblContribuinte);
    layout->addWidget(lblPeriodo);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(420, 300);

    connect(btnSelecionar_, &QPushButton::clicked, this, &FrmSelecionaGate::selecionar);
    connect(btnCancelar_, &QPushButton::clicked, this, &QDialog::reject);
    connect(grid_, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) selecionar();
    });
}

void FrmSelecionaGate::selecionar() {
    const QModelIndex index = grid_->currentIndex();
    if (model_->rowCount() == 0) return;
    chosen_ = model_->row(index.isValid() ? index.row() : 0);
    accept();
}

std::optional<PeriodSlip> FrmSelecionaGate::pick(QWidget* parent, const QList<PeriodSlip>& slips,
                                                 const QString& razaoSocial, const QString& periodo) {
    FrmSelecionaGate screen(slips, razaoSocial, periodo, parent);
    screen.exec();
    return screen.chosen();
}

} // namespace vexa::payment::ui

#include "payment/ui/FrmConsultaDare.h"

#include "payment/ui/ConsultaDareModel.h"

namespace vexa::payment::ui {

FrmConsultaDare::FrmConsultaDare(QWidget* parent)
    : ConsultScreen({.objectName = QStringLiteral("FrmConsultaDare"),
                     .title = QStringLiteral("Consulta DARE"),
                     .taxpayerCaption = QStringLiteral("Contribuinte:"),
                     .gridName = QStringLiteral("grdDare"),
                     .all = kTodos,
                     .taxpayers = consultTaxpayerChoices(),
                     .periods = consultPeriodChoices(),
                     .size = {660, 400}},
                    parent) {
    model_ = new ConsultaDareModel(this);
    setGridModel(model_);
    using M = ConsultaDareModel;
    fixColumns(M::RazaoSocial, {{M::IE, 110}, {M::Periodo, 80}, {M::Retificacao, 80}});
}

void FrmConsultaDare::search(const QString& taxpayer, const QString& period) {
    model_->setRows(consultDares(taxpayer, period));
}

std::optional<ConsultRow> FrmConsultaDare::current() const {
    const int row = currentRow();
    if (row < 0) return std::nullopt;
    return model_->row(row);
}

std::optional<ConsultRow> FrmConsultaDare::pick(QWidget* parent) {
    FrmConsultaDare screen(parent);
    screen.exec();
    return screen.current();
}

} // namespace vexa::payment::ui

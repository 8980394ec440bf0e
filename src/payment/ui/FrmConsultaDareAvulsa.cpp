#include "payment/ui/FrmConsultaDareAvulsa.h"

#include "payment/ui/AvulsaModels.h"

namespace vexa::payment::ui {

FrmConsultaDareAvulsa::FrmConsultaDareAvulsa(QWidget* parent)
    : ConsultScreen({.objectName = QStringLiteral("FrmConsultaDareAvulsa"),
                     .title = QStringLiteral("Consulta DARE Avulso"),
                     .taxpayerCaption = QStringLiteral("Contribuinte:"),
                     .gridName = QStringLiteral("grdDares"),
                     .all = kTodos,
                     .taxpayers = consultTaxpayerChoices(),
                     // The periods are listed as stored (MMYYYY).
                     .periods = consultAvulsaPeriodChoices(),
                     .size = {700, 420}},
                    parent) {
    model_ = new AvulsaConsultModel(this);
    setGridModel(model_);
    using M = AvulsaConsultModel;
    fixColumns(M::RazaoSocial, {{M::IE, 100}, {M::Periodo, 70}, {M::Tributo, 60}, {M::ValorReceita, 110}});
}

void FrmConsultaDareAvulsa::search(const QString& taxpayer, const QString& period) {
    model_->setRows(consultDareAvulsas(taxpayer, period));
}

std::optional<AvulsaConsultRow> FrmConsultaDareAvulsa::current() const {
    const int row = currentRow();
    if (row < 0) return std::nullopt;
    return model_->row(row);
}

std::optional<AvulsaConsultRow> FrmConsultaDareAvulsa::pick(QWidget* parent) {
    FrmConsultaDareAvulsa screen(parent);
    screen.exec();
    return screen.current();
}

} // namespace vexa::payment::ui

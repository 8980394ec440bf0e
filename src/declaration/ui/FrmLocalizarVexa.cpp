#include "declaration/ui/FrmLocalizarVexa.h"

#include "declaration/ui/FrmLocalizarVexaModel.h"

namespace vexa::decl::ui {

FrmLocalizarVexa::FrmLocalizarVexa(QWidget* parent)
    : ConsultScreen({.objectName = QStringLiteral("FrmLocalizarVexa"),
                     .title = QStringLiteral("Localizar VEXA"),
                     .taxpayerCaption = QStringLiteral("Cotribuinte:"),
                     .returnToolTip = QStringLiteral("Volta para a tela inicial"),
                     .gridName = QStringLiteral("grdVexas"),
                     .all = kTodos,
                     .taxpayers = taxpayerChoices(),
                     .periods = periodChoices(),
                     .size = {640, 420}},
                    parent) {
    model_ = new FrmLocalizarVexaModel(this);
    setGridModel(model_);
    using M = FrmLocalizarVexaModel;
    fixColumns(M::RazaoSocial, {{M::IE, 110}, {M::Periodo, 80}, {M::Retificacao, 50}});
}

void FrmLocalizarVexa::search(const QString& taxpayer, const QString& period) {
    model_->setRows(findDeclarations(taxpayer, period));
}

std::optional<FoundDeclaration> FrmLocalizarVexa::current() const {
    const int row = currentRow();
    if (row < 0) return std::nullopt;
    return model_->row(row);
}

std::optional<FoundDeclaration> FrmLocalizarVexa::pick(QWidget* parent) {
    FrmLocalizarVexa screen(parent);
    screen.exec();
    return screen.current();
}

} // namespace vexa::decl::ui

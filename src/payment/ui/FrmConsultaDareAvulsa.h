#pragma once
// "Consulta DARE Avulso": the stored standalone slips by taxpayer name and by
// period (each a value or "<TODOS>"). "&Localizar" lists them; double-clicking
// a row or "&Retornar" closes the screen, and the row under the cursor is the
// one chosen.

#include "common/ui/ConsultScreen.h"
#include "payment/ConsultaDareAvulsa.h"

#include <optional>

namespace vexa::payment::ui {

class AvulsaConsultModel;

class FrmConsultaDareAvulsa : public vexa::ConsultScreen {
    Q_OBJECT
public:
    explicit FrmConsultaDareAvulsa(QWidget* parent = nullptr);

    // The row under the cursor; none when the grid is empty.
    std::optional<AvulsaConsultRow> current() const;

    AvulsaConsultModel* model() const { return model_; }

    // Opens the screen modally and answers the row under the cursor.
    static std::optional<AvulsaConsultRow> pick(QWidget* parent);

private:
    // "&Localizar": lists the slips of the choices (an empty choice counts as "<TODOS>").
    void search(const QString& taxpayer, const QString& period) override;

    AvulsaConsultModel* model_;
};

} // namespace vexa::payment::ui

#pragma once
// "Consulta DARE": the stored slips of the declarations. The user picks a
// taxpayer name and a period (or "<TODOS>"), presses "&Localizar" and returns
// with "&Retornar" (or a double click); the row under the cursor is the slip
// chosen, which "Cadastrar DARE" then shows.

#include "common/ui/ConsultScreen.h"
#include "payment/ConsultaDare.h"

#include <optional>

namespace vexa::payment::ui {

class ConsultaDareModel;

class FrmConsultaDare : public vexa::ConsultScreen {
    Q_OBJECT
public:
    explicit FrmConsultaDare(QWidget* parent = nullptr);

    // The row under the cursor; none when the grid is empty.
    std::optional<ConsultRow> current() const;

    ConsultaDareModel* model() const { return model_; }

    // Opens the screen modally and answers the row under the cursor when it closed.
    static std::optional<ConsultRow> pick(QWidget* parent);

private:
    // "&Localizar": lists the slips of the two choices.
    void search(const QString& taxpayer, const QString& period) override;

    ConsultaDareModel* model_;
};

} // namespace vexa::payment::ui

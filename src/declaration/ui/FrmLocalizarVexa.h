#pragma once
// "Localizar VEXA": the declaration search screen that the declaration screen
// opens. The user picks a taxpayer name and a period (or "<TODOS>"), presses
// "&Localizar" and double-clicks a row, or returns; the caller then reads the
// row under the cursor.

#include "common/ui/ConsultScreen.h"
#include "declaration/ui/FrmLocalizarVexaQuery.h"

#include <optional>

namespace vexa::decl::ui {

class FrmLocalizarVexaModel;

class FrmLocalizarVexa : public vexa::ConsultScreen {
    Q_OBJECT
public:
    explicit FrmLocalizarVexa(QWidget* parent = nullptr);

    // The row under the cursor when the screen closed; none when the grid is empty.
    std::optional<FoundDeclaration> current() const;

    FrmLocalizarVexaModel* model() const { return model_; }

    // Opens the screen modally and answers the row under the cursor.
    static std::optional<FoundDeclaration> pick(QWidget* parent);

private:
    // "&Localizar": lists the declarations of the choices.
    void search(const QString& taxpayer, const QString& period) override;

    FrmLocalizarVexaModel* model_;
};

} // namespace vexa::decl::ui

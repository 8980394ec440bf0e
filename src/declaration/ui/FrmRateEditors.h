#pragma once
// The editors of the rate-differential tables, opened from sheet
// "Itens 5 - 8.7" for a stored declaration: item 7.6.1 (`Aliquota`, total
// into C76), item 7.9.1 (`AliquotaComp`, into C79) and item 7.13.1
// (`AliquotaConsumidor`, into C713), with "&Novo", "&Gravar", "&Cancelar",
// the delete command and "&Retornar".

#include "declaration/RateStore.h"
#include "declaration/ui/FrmListEditor.h"
#include "declaration/ui/RateLineModel.h"

namespace vexa::decl::ui {

class FrmRateTable : public FrmListEditor {
    Q_OBJECT
public:
    RateLineModel* lines() const { return static_cast<RateLineModel*>(model()); }

protected:
    FrmRateTable(RateTable table, const RateContext& context, Prompter& prompter, QWidget* parent);
};

// "Detalhamento do Diferencial de Alíquota (Entradas) por UF"
class FrmAliquota : public FrmRateTable {
    Q_OBJECT
public:
    FrmAliquota(const RateContext& context, Prompter& prompter, QWidget* parent = nullptr)
        : FrmRateTable(RateTable::Aliquota, context, prompter, parent) {}
};

// "Detalhamento da Complementação de Alíquota por UF"
class FrmAliquotaComp : public FrmRateTable {
    Q_OBJECT
public:
    FrmAliquotaComp(const RateContext& context, Prompter& prompter, QWidget* parent = nullptr)
        : FrmRateTable(RateTable::AliquotaComp, context, prompter, parent) {}
};

// "Detalhamento da Diferencial de Alíquotas Consumidor Final (Saídas) por UF"
class FrmAliquotaConsumidor : public FrmRateTable {
    Q_OBJECT
public:
    FrmAliquotaConsumidor(const RateContext& context, Prompter& prompter, QWidget* parent = nullptr)
        : FrmRateTable(RateTable::AliquotaConsumidor, context, prompter, parent) {}
};

// The editor of the list (7.6.1, 7.9.1 or 7.13.1) for the stored
// declaration; null for the other lists.
FrmListEditor* makeRateTableEditor(ListEditor list, const DeclarationKey& key, Prompter& prompter,
                                   QWidget* parent = nullptr);

} // namespace vexa::decl::ui

#include "declaration/ui/FrmRateEditors.h"

#include "declaration/ui/ListGrid.h"
#include "declaration/ui/OperationsDelegates.h"
#include "declaration/ui/RateDelegates.h"

#include <QHeaderView>

namespace vexa::decl::ui {

namespace {

QString itemNumber(RateTable table) {
    switch (table) {
    case RateTable::Aliquota: return QStringLiteral("7.6.1");
    case RateTable::AliquotaComp: return QStringLiteral("7.9.1");
    case RateTable::AliquotaConsumidor: return QStringLiteral("7.13.1");
    }
    return {};
}

QString objectNameOf(RateTable table) {
    switch (table) {
    case RateTable::Aliquota: return QStringLiteral("FrmAliquota");
    case RateTable::AliquotaComp: return QStringLiteral("FrmAliquotaComp");
    case RateTable::AliquotaConsumidor: return QStringLiteral("FrmAliquotaConsumidor");
    }
    return {};
}

FrmListEditor::Options rateOptions(RateTable table) {
    FrmListEditor::Options o;
    o.caption = rateTableCaption(table);
    // The heading names the item as the declaration form does.
    o.title = itemNumber(table) + QStringLiteral(" - ") +
              (table == RateTable::AliquotaConsumidor
                   ? QStringLiteral("Detalhamento do Diferencial de Alíquota Consumidor Final (Saídas) por UF")
                   : rateTableCaption(table));
    o.objectName = objectNameOf(table);
    o.recordCommands = true;
    o.deleteCaption = table == RateTable::AliquotaConsumidor ? QStringLiteral("Excluir Linha") : QStringLiteral("&Excluir");
    o.appendWhenEmpty = false;
    o.size = table == RateTable::AliquotaConsumidor ? QSize(1100, 440) : QSize(900, 440);
    return o;
}

} // namespace

FrmRateTable::FrmRateTable(RateTable table, const RateContext& context, Prompter& prompter, QWidget* parent)
    : FrmListEditor(new RateLineModel(table, context, prompter), prompter, rateOptions(table), parent) {
    ListGrid* g = grid();
    g->setItemDelegateForColumn(RateLineModel::UF, new StateDelegate(lines(), this));
    g->setItemDelegateForColumn(RateLineModel::Aliquota, new RateDelegate(lines(), this));
    auto* money = new MoneyDelegate(this);
    for (int c : lines()->totalColumns()) {
        g->setItemDelegateForColumn(c, money);
        g->setColumnWidth(c, 130);
    }
    g->setColumnWidth(RateLineModel::UF, 80);
    g->setColumnWidth(RateLineModel::Aliquota, 75);
    g->setColumnWidth(RateLineModel::Domicilio, 75);
    g->horizontalHeader()->setSectionResizeMode(RateLineModel::Municipio, QHeaderView::Stretch);
}

FrmListEditor* makeRateTableEditor(ListEditor list, const DeclarationKey& key, Prompter& prompter, QWidget* parent) {
    const RateContext context = rateContextOf(key);
    switch (list) {
    case ListEditor::Aliquota: return new FrmAliquota(context, prompter, parent);
    case ListEditor::AliquotaComp: return new FrmAliquotaComp(context, prompter, parent);
    case ListEditor::AliquotaConsumidor: return new FrmAliquotaConsumidor(context, prompter, parent);
    default: return nullptr;
    }
}

} // namespace vexa::decl::ui

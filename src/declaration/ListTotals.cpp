#include "declaration/ListTotals.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"
#include "declaration/LawLists.h"
#include "declaration/RateStore.h"

#include <QSqlQuery>

namespace vexa::decl {

double listTotal(ListEditor list, const DeclarationKey& key) {
    switch (list) {
    case ListEditor::OutrosDeb: return lawListTotal(LawList::OutrosDeb, key);
    case ListEditor::OutrosCred: return lawListTotal(LawList::OutrosCred, key);
    case ListEditor::Deducoes: return lawListTotal(LawList::Deducoes, key);
    case ListEditor::Aliquota: return rateTotals(RateTable::Aliquota, key).valor;
    case ListEditor::AliquotaComp: return rateTotals(RateTable::AliquotaComp, key).valor;
    case ListEditor::AliquotaConsumidor: return rateTotals(RateTable::AliquotaConsumidor, key).valor;
    }
    return 0;
}

namespace {
double* fieldOf(VexaRow& row, ListEditor list) {
    switch (list) {
    case ListEditor::OutrosDeb: return &row.C52;
    case ListEditor::OutrosCred: return &row.C62;
    case ListEditor::Deducoes: return &row.C72;
    case ListEditor::Aliquota: return &row.C76;
    case ListEditor::AliquotaComp: return &row.C79;
    case ListEditor::AliquotaConsumidor: return &row.C713;
    }
    return &row.C52;
}
} // namespace

void setListTotal(VexaRow& row, ListEditor list, double total) { *fieldOf(row, list) = money::round2(total); }

double listTotalOf(const VexaRow& row, ListEditor list) { return *fieldOf(const_cast<VexaRow&>(row), list); }

bool storeListTotal(ListEditor list, const DeclarationKey& key, double total, QString* error) {
    // The column is one of six program constants, never typed text.
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("UPDATE Vexas SET %1 = ? WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?")
                        .arg(listTotalColumn(list)),
                    {money::round2(total), key.ie, key.ano, key.mes, key.retificacao}, error);
}

} // namespace vexa::decl

#pragma once
// The economic activities (`Atividades`) as the taxpayer screen offers them:
// one list in code order, one in description order, both on the same column.

#include <QList>
#include <QString>

namespace vexa::registry {

struct ActivityRow {
    QString codigo;
    QString descricao;
};

QList<ActivityRow> activitiesByCode();
QList<ActivityRow> activitiesByDescription();

} // namespace vexa::registry

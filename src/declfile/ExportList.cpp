#include "declfile/ExportList.h"

#include "common/DocumentChecks.h"
#include "common/Masks.h"
#include "storage/Database.h"
#include "storage/Portable.h"

#include <QSqlError>
#include <QSqlQuery>

namespace vexa::declfile {

namespace {

constexpr int kNameShown = 51;    // characters of the name taken into the item
constexpr int kNameWidth = 56;    // the name's column, blank-padded

} // namespace

QString exportItemText(const QString& ie, const QString& razaoSocial, const QString& retificacao) {
    QString name = razaoSocial.left(kNameShown);
    name += QString(kNameWidth - name.size(), QLatin1Char(' '));
    return formatIE(ie) + QStringLiteral("  ") + name + retificacao;
}

ExportItem exportItemFromText(const QString& itemText) {
    ExportItem item;
    item.ie = SoNumeros(itemText.mid(0, 13));
    item.name = itemText.mid(14, 50);
    item.retificacao = itemText.mid(70, 2);
    return item;
}

bool exportListItems(const QString& mmyyyy, QStringList& items, QString* error) {
    items.clear();
    QSqlQuery q(storage::db());
    q.setForwardOnly(true);
    const bool ok =
        q.prepare(QStringLiteral("SELECT c.RazaoSocial, v.IE, v.Ano, v.Mes, MAX(v.Retificacao)"
                                 " FROM Vexas v JOIN Contribuintes c ON c.IE = v.IE"
                                 " WHERE v.Mes || v.Ano = ? AND v.Importado = 1"
                                 " GROUP BY c.RazaoSocial, v.IE, v.Ano, v.Mes"
                                 " HAVING MAX(v.Retificacao) IS NOT NULL"
                                 " ORDER BY %1, v.IE")
                      .arg(storage::orderByName(QStringLiteral("c.RazaoSocial")))) &&
        (q.addBindValue(mmyyyy), q.exec());
    if (!ok) {
        if (error) *error = q.lastError().text();
        return false;
    }
    while (q.next()) items << exportItemText(q.value(1).toString(), q.value(0).toString(), q.value(4).toString());
    if (q.lastError().isValid()) {
        if (error) *error = q.lastError().text();
        items.clear();
        return false;
    }
    return true;
}

QString proposedFileName(const QString& periodText) {
    return QStringLiteral("VEXA") + SoNumeros(periodText) + QStringLiteral(".qx");
}

} // namespace vexa::declfile

#include "declaration/DeclarationKey.h"

namespace vexa::decl {

QString twoDigitMonth(int month) { return QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')); }

DeclarationKey DeclarationKey::previousMonth() const {
    DeclarationKey prev;
    prev.ie = ie;
    const int m = month();
    if (m <= 1) {
        prev.mes = QStringLiteral("12");
        prev.ano = QString::number(year() - 1);
    } else {
        prev.mes = twoDigitMonth(m - 1);
        prev.ano = ano;
    }
    prev.retificacao.clear();
    return prev;
}

void DeclarationKey::bind(QSqlQuery& q) const {
    q.bindValue(QStringLiteral(":ie"), ie);
    q.bindValue(QStringLiteral(":ano"), ano);
    q.bindValue(QStringLiteral(":mes"), mes);
    q.bindValue(QStringLiteral(":retificacao"), retificacao);
}

QString DeclarationKey::whereClause() {
    return QStringLiteral("IE = :ie AND Ano = :ano AND Mes = :mes AND Retificacao = :retificacao");
}

} // namespace vexa::decl

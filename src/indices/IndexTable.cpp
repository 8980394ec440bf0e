#include "indices/IndexTable.h"

#include "common/Money.h"
#include "storage/Database.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <cmath>

namespace vexa::indices {

namespace {

QVariant sqlDate(const QDate& d) { return d.toString(QStringLiteral("yyyy-MM-dd")); }

// The stored "yyyy-mm-dd" (a time after it, as another engine may give, is ignored).
QDate storedDate(const QVariant& v) {
    if (v.isNull()) return {};
    return QDate::fromString(v.toString().left(10), QStringLiteral("yyyy-MM-dd"));
}

bool failed(const QSqlQuery& q, QString* error) {
    if (error) *error = q.lastError().text();
    return false;
}

} // namespace

bool isIndexCode(int code) { return code == kIgpDi || code == kSelic; }

QString indexName(int code) {
    if (code == kSelic) return QStringLiteral("SELIC");
    if (code == kIgpDi) return QStringLiteral("IGP-DI");
    return {};
}

QDate dayZero() { return QDate(1899, 12, 30); }

QDate monthOf(const QDate& date) { return date.isValid() ? QDate(date.year(), date.month(), 1) : QDate(); }

QString formatIndexValue(double value) {
    if (!std::isfinite(value)) return QString::number(value);
    const double rounded = money::roundTo(value, 4);
    QString digits = QString::number(std::fabs(rounded), 'f', 4);
    if (digits == QLatin1String("0.0000")) return QStringLiteral("0,0000");
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString whole = digits.left(point);
    for (qsizetype i = whole.size() - 3; i > 0; i -= 3) whole.insert(i, QLatin1Char('.'));
    return (rounded < 0 ? QStringLiteral("-") : QString()) + whole + QLatin1Char(',') + digits.mid(point + 1);
}

std::optional<double> parseIndexValue(const QString& text, int shiftLeft) {
    static const QRegularExpression form(
        QStringLiteral("^([+-]?)(\\d+|[1-9]\\d{0,2}(?:\\.\\d{3})+)(?:,(\\d+))?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    QString whole = m.captured(2);
    whole.remove(QLatin1Char('.'));
    QString fraction = m.captured(3);
    // Move the decimal comma left on the digits themselves.
    if (shiftLeft > 0) {
        if (whole.size() <= shiftLeft) whole = QString(shiftLeft - whole.size() + 1, QLatin1Char('0')) + whole;
        fraction = whole.right(shiftLeft) + fraction;
        whole.chop(shiftLeft);
    }
    const QString plain = m.captured(1) + whole + (fraction.isEmpty() ? QString() : QLatin1Char('.') + fraction);
    bool ok = false;
    const double value = plain.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return std::nullopt;
    return value;
}

CheckResult checkIndexValue(double value) {
    if (!std::isfinite(value))
        return CheckResult::fail(QStringLiteral("O valor %1 não é um número finito.").arg(QString::number(value)),
                                 QStringLiteral("Valor"));
    if (value < 0)
        return CheckResult::fail(QStringLiteral("O valor %1 é negativo.").arg(formatIndexValue(value)),
                                 QStringLiteral("Valor"));
    return CheckResult::pass();
}

bool readIndex(int code, QList<IndexMonth>* rows, QString* error) {
    rows->clear();
    QSqlQuery q(storage::db());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT Data, Valor FROM IndicesEconomicos WHERE CodigoIndice = ? ORDER BY Data DESC")))
        return failed(q, error);
    q.addBindValue(code);
    if (!q.exec()) return failed(q, error);
    while (q.next()) rows->append({storedDate(q.value(0)), q.value(1).toDouble()});
    return true;
}

bool latestIndexMonth(int code, QDate* month, QString* error) {
    *month = {};
    QSqlQuery q(storage::db());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT max(Data) FROM IndicesEconomicos WHERE CodigoIndice = ?")))
        return failed(q, error);
    q.addBindValue(code);
    if (!q.exec()) return failed(q, error);
    if (!q.next() || q.value(0).isNull()) return true;
    *month = storedDate(q.value(0));
    if (!month->isValid()) {
        // A date the program never writes: asking the service from it would be a guess.
        if (error)
            *error = QStringLiteral("A tabela IndicesEconomicos guarda uma data inválida: \"%1\".")
                         .arg(q.value(0).toString());
        return false;
    }
    return true;
}

bool heldValue(int code, const QDate& month, std::optional<double>* value, QString* error) {
    *value = std::nullopt;
    QSqlQuery q(storage::db());
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT Valor FROM IndicesEconomicos WHERE CodigoIndice = ? AND Data = ?")))
        return failed(q, error);
    q.addBindValue(code);
    q.addBindValue(sqlDate(monthOf(month)));
    if (!q.exec()) return failed(q, error);
    if (q.next()) *value = q.value(0).toDouble();
    return true;
}

bool insertIndexMonths(int code, const QList<IndexMonth>& months, InsertCount* count, QString* error) {
    *count = {};
    storage::Transaction tx;
    if (!tx.started()) {
        if (error) *error = storage::db().lastError().text();
        return false;
    }
    QSqlQuery held(storage::db());
    QSqlQuery insert(storage::db());
    if (!held.prepare(QStringLiteral("SELECT count(*) FROM IndicesEconomicos WHERE CodigoIndice = ? AND Data = ?")))
        return failed(held, error);
    if (!insert.prepare(QStringLiteral("INSERT INTO IndicesEconomicos (CodigoIndice, Data, Valor) VALUES (?, ?, ?)")))
        return failed(insert, error);

    InsertCount done;
    for (const IndexMonth& m : months) {
        const QVariant data = sqlDate(monthOf(m.data));
        // A month already held is kept as it is: the first value of a month wins.
        held.addBindValue(code);
        held.addBindValue(data);
        if (!held.exec() || !held.next()) return failed(held, error);
        const bool exists = held.value(0).toLongLong() > 0;
        held.finish();
        if (exists) {
            ++done.skipped;
            continue;
        }
        insert.addBindValue(code);
        insert.addBindValue(data);
        insert.addBindValue(m.valor);
        if (!insert.exec()) return failed(insert, error);
        ++done.inserted;
    }
    if (!tx.commit()) {
        if (error) *error = storage::db().lastError().text();
        return false;
    }
    *count = done;
    return true;
}

} // namespace vexa::indices

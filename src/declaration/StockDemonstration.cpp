#include "declaration/StockDemonstration.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"

#include <QStringList>

namespace vexa::decl {

namespace {

const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

constexpr std::array<Stock, 2> kStocks{Stock::Initial, Stock::Final};
constexpr std::array<StockPart, kStockPartCount> kParts{StockPart::Tributadas, StockPart::IsentasNaoTributadas,
                                                        StockPart::Outras, StockPart::SubstituicaoTributaria,
                                                        StockPart::Total};

QStringList allColumns() {
    QStringList columns;
    for (Stock s : kStocks)
        for (StockPart p : kParts) columns << stockColumn(s, p);
    return columns;
}

} // namespace

double StockRow::sumOfParts(Stock s) const {
    return get(s, StockPart::Tributadas) + get(s, StockPart::IsentasNaoTributadas) + get(s, StockPart::Outras) +
           get(s, StockPart::SubstituicaoTributaria);
}

QString stockColumn(Stock s, StockPart p) {
    static const std::array<const char*, kStockPartCount> parts = {"Tributadas", "IsentasNaoTributadas", "Outras",
                                                                   "SubstituicaoTributaria", "Total"};
    return QString::fromLatin1(s == Stock::Initial ? "EI" : "EF") + QString::fromLatin1(parts[size_t(p)]);
}

bool stockTotalDiffers(const StockRow& row, Stock s) {
    return !money::isZero(row.sumOfParts(s) - row.get(s, StockPart::Total));
}

QString stockTotalQuestion(Stock s, StockCheckMoment moment) {
    static const QString kTail =
        QStringLiteral("isentas e/ou não tributadas, outras e substituição tributária .\r\rA apresentação com estas "
                       "divergências, sujeitará à fiscalização.\r\rDeseja continuar?");
    if (moment == StockCheckMoment::Post && s == Stock::Initial)
        return QStringLiteral("Campo Totais para estoque inicial é diferente da soma dos campos tributadas,\risentas "
                              "e/ou não tributadas, outras e substituição tributária.\r\rA apresentação com estas "
                              "divergências, sujeitará à fiscalização.\r\rDeseja continuar?");
    if (moment == StockCheckMoment::Post)
        return QStringLiteral("Campo Totais para estoque final é diferente da soma dos campos tributadas, \r") + kTail;
    if (s == Stock::Initial)
        return QStringLiteral("Campo Totais para estoque inicial é diferente da soma dos campos tributadas,\r") + kTail;
    return QStringLiteral("Campo Totais para estoque final é diferente da soma dos campos tributadas,\r") + kTail;
}

std::optional<Stock> askStockTotals(const StockRow& row, StockCheckMoment moment, Prompter& prompter) {
    for (Stock s : kStocks) {
        if (stockTotalDiffers(row, s) && !prompter.ask(stockTotalQuestion(s, moment))) return s;
    }
    return std::nullopt;
}

bool isStockPartEditable(StockPart part, const QString& tipoRegime) {
    return part != StockPart::IsentasNaoTributadas || tipoRegime != QLatin1String("S");
}

StockPostOutcome postStock(const DeclarationKey& key, const StockRow& typed, bool bulkUpdate, Prompter& prompter) {
    StockRow row = typed;
    for (auto& stock : row.value)
        for (double& v : stock) v = money::round2(v);
    StockPostOutcome out;
    if (!bulkUpdate) {
        if (const auto refused = askStockTotals(row, StockCheckMoment::Post, prompter)) {
            out.status = PostStatus::Refused;
            out.refusedAt = refused;
            out.message = stockTotalQuestion(*refused, StockCheckMoment::Post);
            return out;
        }
    }
    QVariantList amounts;
    for (Stock s : kStocks)
        for (StockPart p : kParts) amounts << row.get(s, p);

    sql::WriteUnit unit(QStringLiteral("stock_row"));
    QString error;
    if (!unit.started()) error = unit.error();
    QSqlQuery q;
    const QStringList columns = allColumns();
    bool ok = unit.started() &&
              sql::run(q, QStringLiteral("UPDATE DemostrativoEstoque SET ") +
                              columns.join(QStringLiteral(" = ?, ")) + QStringLiteral(" = ?") + kWhereKey,
                       amounts + keyValues(key), &error);
    if (ok && q.numRowsAffected() == 0) {
        ok = sql::run(q,
                      QStringLiteral("INSERT INTO DemostrativoEstoque (IE, Ano, Mes, Retificacao, ") +
                          columns.join(QStringLiteral(", ")) +
                          QStringLiteral(") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      keyValues(key) + amounts, &error);
    }
    if (ok) ok = unit.release(&error);
    if (!ok) {
        out.status = PostStatus::Failed;
        out.message = error;
    }
    return out;
}

std::optional<StockRow> loadStock(const DeclarationKey& key) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT ") + allColumns().join(QStringLiteral(", ")) +
                          QStringLiteral(" FROM DemostrativoEstoque") + kWhereKey,
                   keyValues(key)) ||
        !q.next())
        return std::nullopt;
    StockRow row;
    int i = 0;
    for (Stock s : kStocks)
        for (StockPart p : kParts) row.set(s, p, sql::real(q.value(i++)));
    return row;
}

bool deleteStock(const DeclarationKey& key, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("DELETE FROM DemostrativoEstoque") + kWhereKey, keyValues(key), error);
}

} // namespace vexa::decl

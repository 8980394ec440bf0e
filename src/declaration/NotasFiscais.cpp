#include "declaration/NotasFiscais.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"

namespace vexa::decl {

namespace {

const QString kWhereSupplier = QStringLiteral(
    " WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ? AND IEEmpresa = ? AND DomicilioFiscal = ?");

QVariantList supplierValues(const SupplierKey& s) {
    return {s.key.ie, s.key.ano, s.key.mes, s.key.retificacao, s.ieEmpresa, s.domicilioFiscal};
}

bool numberTaken(const SupplierKey& supplier, qint64 numNota) {
    QSqlQuery q;
    return sql::read(q, QStringLiteral("SELECT count(*) FROM NotasFiscal") + kWhereSupplier +
                            QStringLiteral(" AND Num_nota = ?"),
                     supplierValues(supplier) + QVariantList{numNota}) &&
           q.next() && q.value(0).toInt() > 0;
}

RowPost refuse(Prompter& prompter, const QString& message, const QString& field) {
    prompter.warn(message);
    return RowPost::refused(message, field);
}

} // namespace

QList<NotaFiscalRow> loadNotasFiscais(const SupplierKey& supplier) {
    QList<NotaFiscalRow> rows;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT Num_nota, Valor FROM NotasFiscal") + kWhereSupplier +
                          QStringLiteral(" ORDER BY Num_nota NULLS FIRST"),
                   supplierValues(supplier)))
        return rows;
    while (q.next()) {
        NotaFiscalRow r;
        if (!q.value(0).isNull()) r.numNota = sql::integer(q.value(0));
        r.valor = q.value(1).isNull() ? std::nullopt : std::optional<double>(sql::real(q.value(1)));
        rows.append(r);
    }
    return rows;
}

NotaFiscalRow newNotaFiscalRow() { return NotaFiscalRow{}; }

RowPost postNotaFiscal(const SupplierKey& supplier, const NotaFiscalRow& typed,
                       const std::optional<NotaFiscalRow>& original, bool bulkUpdate, Prompter& prompter) {
    NotaFiscalRow row = typed;
    if (row.valor) row.valor = money::round2(*row.valor);
    const bool inserting = !original.has_value();
    if (!bulkUpdate) {
        if (!row.numNota) return refuse(prompter, municipality_msg::NumeroNota, municipality_field::NumNota);
        if (!row.valor) return refuse(prompter, municipality_msg::ValorNota, municipality_field::Valor);
        if (*row.valor <= 0 || money::isZero(*row.valor))
            return refuse(prompter, municipality_msg::ValorNotaZero, municipality_field::Valor);
        const bool numberChanged = inserting || original->numNota != row.numNota;
        if (numberChanged && numberTaken(supplier, *row.numNota))
            return refuse(prompter, municipality_msg::duplicateNota(QString::number(*row.numNota)),
                          municipality_field::NumNota);
    }
    // Even unchecked, an invoice without a number cannot be told apart.
    if (!row.numNota) return RowPost::refused({}, municipality_field::NumNota);

    const QVariant valor = row.valor ? QVariant(*row.valor) : QVariant(0.0);
    QString error;
    QSqlQuery q;
    const bool ok =
        inserting
            ? sql::run(q,
                       QStringLiteral("INSERT INTO NotasFiscal (IE, Ano, Mes, Retificacao, IEEmpresa, "
                                      "DomicilioFiscal, Num_nota, Valor) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                       supplierValues(supplier) + QVariantList{*row.numNota, valor}, &error)
            : sql::run(q,
                       QStringLiteral("UPDATE NotasFiscal SET Num_nota = ?, Valor = ?") + kWhereSupplier +
                           QStringLiteral(" AND Num_nota IS NOT DISTINCT FROM ?"),
                       QVariantList{*row.numNota, valor} + supplierValues(supplier) +
                           QVariantList{original->numNota ? QVariant(*original->numNota)
                                                          : QVariant(QMetaType(QMetaType::LongLong))},
                       &error);
    if (!ok) return RowPost::failed(error);
    return {};
}

bool deleteNotaFiscal(const SupplierKey& supplier, qint64 numNota, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("DELETE FROM NotasFiscal") + kWhereSupplier + QStringLiteral(" AND Num_nota = ?"),
                    supplierValues(supplier) + QVariantList{numNota}, error);
}

double notasFiscaisTotal(const SupplierKey& supplier) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT sum(Valor) FROM NotasFiscal") + kWhereSupplier, supplierValues(supplier)) ||
        !q.next())
        return 0.0;
    return money::round2(sql::real(q.value(0)));
}

bool storeSupplierValue(const SupplierKey& supplier, double total, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("UPDATE MercadMuni SET Valor = ?") + kWhereSupplier,
                    QVariantList{money::round2(total)} + supplierValues(supplier), error);
}

} // namespace vexa::decl

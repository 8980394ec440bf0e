#include "declaration/InfoAlcool.h"

#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "common/StateCodes.h"
#include "declaration/DeclSql.h"

namespace vexa::decl {

namespace {

const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");
const QString kSelect = QStringLiteral(
    "SELECT NNotaFiscal, DtEmissaoNota, CnpjRemetente, UfOrigem, ValorUnitario, Quantidade FROM InfoAlcool");

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

QVariant noteValue(const std::optional<qint64>& n) {
    return n ? QVariant(*n) : QVariant(QMetaType(QMetaType::LongLong));
}

QList<AlcoolRow> readRows(const QString& statement, const QVariantList& values) {
    QList<AlcoolRow> rows;
    QSqlQuery q;
    if (!sql::read(q, statement, values)) return rows;
    while (q.next()) {
        AlcoolRow r;
        if (!q.value(0).isNull() && !q.value(0).toString().trimmed().isEmpty()) r.nNotaFiscal = sql::integer(q.value(0));
        r.dtEmissaoNota = sql::date(q.value(1));
        r.cnpjRemetente = sql::text(q.value(2)).trimmed();
        r.ufOrigem = sql::text(q.value(3)).trimmed();
        // A code stored as a number by older writers reads back with its two digits.
        if (r.ufOrigem.size() == 1) r.ufOrigem.prepend(QLatin1Char('0'));
        r.valorUnitario = sql::real(q.value(4));
        r.quantidade = sql::real(q.value(5));
        rows.append(r);
    }
    return rows;
}

RowPost refuse(Prompter& prompter, const QString& message, const QString& field) {
    prompter.warn(message);
    return RowPost::refused(message, field);
}

} // namespace

QList<AlcoolRow> loadAlcool(const DeclarationKey& key) {
    return readRows(kSelect + kWhereKey + QStringLiteral(" ORDER BY CnpjRemetente NULLS FIRST, NNotaFiscal NULLS FIRST"), keyValues(key));
}

QList<AlcoolRow> findAlcool(const DeclarationKey& key, const QString& cnpj, qint64 nota) {
    return readRows(kSelect + kWhereKey + QStringLiteral(" AND CnpjRemetente = ? AND NNotaFiscal = ?"),
                    keyValues(key) + QVariantList{cnpj, nota});
}

bool deleteAlcool(const DeclarationKey& key, const AlcoolRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("DELETE FROM InfoAlcool") + kWhereKey +
                           QStringLiteral(" AND CnpjRemetente IS NOT DISTINCT FROM ? AND NNotaFiscal IS NOT DISTINCT FROM ?"),
                    keyValues(key) + QVariantList{sql::text(row.cnpjRemetente), noteValue(row.nNotaFiscal)}, error);
}

AlcoolRow newAlcoolRow() { return AlcoolRow{}; }

RowPost postAlcoolRow(const DeclarationKey& key, const AlcoolRow& typed, const std::optional<AlcoolRow>& original,
                      bool bulkUpdate, Prompter& prompter) {
    AlcoolRow row = typed;
    row.cnpjRemetente = SoNumeros(row.cnpjRemetente);
    row.valorUnitario = money::roundTo(row.valorUnitario, 4);
    row.quantidade = money::round2(row.quantidade);
    if (!bulkUpdate) {
        if (!row.nNotaFiscal) return refuse(prompter, fuel_msg::NotaFiscal, fuel_field::NNotaFiscal);
        if (!row.dtEmissaoNota.isValid()) return refuse(prompter, fuel_msg::DataEmissao, fuel_field::DtEmissaoNota);
        if (row.cnpjRemetente.isEmpty()) return refuse(prompter, fuel_msg::Cnpj, fuel_field::CnpjRemetente);
        if (!IsValidCNPJ(row.cnpjRemetente))
            return refuse(prompter, fuel_msg::CnpjInvalido, fuel_field::CnpjRemetente);
        if (!IsNumericStateCode(row.ufOrigem)) return refuse(prompter, fuel_msg::UfInvalida, fuel_field::UfOrigem);
        if (row.valorUnitario <= 0) return refuse(prompter, fuel_msg::ValorUnitario, fuel_field::ValorUnitario);
        if (row.quantidade <= 0) return refuse(prompter, fuel_msg::Quantidade, fuel_field::Quantidade);
    }

    QString error;
    QSqlQuery q;
    const QVariantList values{noteValue(row.nNotaFiscal), sql::date(row.dtEmissaoNota), sql::text(row.cnpjRemetente),
                              sql::text(row.ufOrigem), row.valorUnitario, row.quantidade};
    const bool ok =
        original
            ? sql::run(q,
                       QStringLiteral("UPDATE InfoAlcool SET NNotaFiscal = ?, DtEmissaoNota = ?, CnpjRemetente = ?, "
                                      "UfOrigem = ?, ValorUnitario = ?, Quantidade = ?") +
                           kWhereKey + QStringLiteral(" AND CnpjRemetente IS NOT DISTINCT FROM ? AND NNotaFiscal IS NOT DISTINCT FROM ?"),
                       values + keyValues(key) +
                           QVariantList{sql::text(original->cnpjRemetente), noteValue(original->nNotaFiscal)},
                       &error)
            : sql::run(q,
                       QStringLiteral("INSERT INTO InfoAlcool (NNotaFiscal, DtEmissaoNota, CnpjRemetente, UfOrigem, "
                                      "ValorUnitario, Quantidade, IE, Ano, Mes, Retificacao) "
                                      "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                       values + keyValues(key), &error);
    if (!ok) return RowPost::failed(error);
    return {};
}

std::optional<AlcoolRow> existingAlcoolRow(const DeclarationKey& key, const AlcoolRow& row,
                                           const std::optional<AlcoolRow>& original) {
    const QString cnpj = SoNumeros(row.cnpjRemetente);
    if (cnpj.isEmpty() || !row.nNotaFiscal) return std::nullopt;
    if (original && original->cnpjRemetente == cnpj && original->nNotaFiscal == row.nNotaFiscal)
        return std::nullopt;
    const QList<AlcoolRow> rows = findAlcool(key, cnpj, *row.nNotaFiscal);
    if (rows.size() != 1) return std::nullopt;
    return rows.first();
}

double alcoolTotalQuantidade(const DeclarationKey& key) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT sum(Quantidade) FROM InfoAlcool") + kWhereKey, keyValues(key)) ||
        !q.next())
        return 0.0;
    return sql::real(q.value(0));
}

} // namespace vexa::decl

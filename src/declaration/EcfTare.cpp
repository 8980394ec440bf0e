#include "declaration/EcfTare.h"

#include "declaration/DeclSql.h"

namespace vexa::decl {

namespace {
QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }
const QString kWhereEcf = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");
const QString kWhereTare = QStringLiteral(" WHERE IE = ? AND ANO = ? AND MES = ? AND RETIFICACAO = ?");
constexpr int kWidth = 20;
} // namespace

// ---- ECF --------------------------------------------------------------------------

bool EcfRow::sameStored(const EcfRow& o) const {
    return necf == o.necf && nfabricacao == o.nfabricacao && marca == o.marca && modelo == o.modelo;
}

QList<EcfRow> loadEcf(const DeclarationKey& key) {
    QList<EcfRow> rows;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT Seq, NECF, NFabricacao, Marca, Modelo FROM ECF") + kWhereEcf +
                          QStringLiteral(" ORDER BY Seq"),
                   keyValues(key)))
        return rows;
    while (q.next())
        rows.append({sql::integer(q.value(0)), sql::text(q.value(1)), sql::text(q.value(2)), sql::text(q.value(3)),
                     sql::text(q.value(4))});
    return rows;
}

RowPost postEcfRow(const DeclarationKey& key, const EcfRow& row, const std::optional<EcfRow>& original) {
    const QVariantList values{sql::text(row.necf.trimmed().left(kWidth)), sql::text(row.nfabricacao.trimmed().left(kWidth)),
                              sql::text(row.marca.trimmed().left(kWidth)), sql::text(row.modelo.trimmed().left(kWidth))};
    QString error;
    QSqlQuery q;
    const bool ok = original
                        ? sql::run(q,
                                   QStringLiteral("UPDATE ECF SET NECF = ?, NFabricacao = ?, Marca = ?, Modelo = ?") +
                                       kWhereEcf + QStringLiteral(" AND Seq = ?"),
                                   values + keyValues(key) + QVariantList{original->seq}, &error)
                        : sql::run(q,
                                   QStringLiteral("INSERT INTO ECF (NECF, NFabricacao, Marca, Modelo, IE, Ano, Mes, "
                                                  "Retificacao) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                                   values + keyValues(key), &error);
    if (!ok) return RowPost::failed(error);
    return {};
}

bool deleteEcfRow(const DeclarationKey& key, const EcfRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("DELETE FROM ECF") + kWhereEcf + QStringLiteral(" AND Seq = ?"),
                    keyValues(key) + QVariantList{row.seq}, error);
}

// ---- TARE -------------------------------------------------------------------------

bool TareRow::sameStored(const TareRow& o) const { return numeroTare == o.numeroTare && dataVencto == o.dataVencto; }

QList<TareRow> loadTare(const DeclarationKey& key) {
    QList<TareRow> rows;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT NumeroTare, DataVencto FROM Tare") + kWhereTare +
                          QStringLiteral(" ORDER BY NumeroTare NULLS FIRST"),
                   keyValues(key)))
        return rows;
    while (q.next()) rows.append({sql::text(q.value(0)), sql::date(q.value(1))});
    return rows;
}

RowPost postTareRow(const DeclarationKey& key, const TareRow& typed, const std::optional<TareRow>& original,
                    Prompter& prompter) {
    TareRow row = typed;
    row.numeroTare = row.numeroTare.trimmed().left(kWidth);
    if (row.numeroTare.isEmpty()) {
        prompter.warn(ecftare_msg::NumeroTare);
        return RowPost::refused(ecftare_msg::NumeroTare, ecftare_field::NumeroTare);
    }
    QString error;
    QSqlQuery q;
    const bool ok =
        original ? sql::run(q,
                            QStringLiteral("UPDATE Tare SET NumeroTare = ?, DataVencto = ?") + kWhereTare +
                                QStringLiteral(" AND NumeroTare IS NOT DISTINCT FROM ?"),
                            QVariantList{row.numeroTare, sql::date(row.dataVencto)} + keyValues(key) +
                                QVariantList{sql::text(original->numeroTare)},
                            &error)
                 : sql::run(q,
                            QStringLiteral("INSERT INTO Tare (NumeroTare, DataVencto, IE, ANO, MES, RETIFICACAO) "
                                           "VALUES (?, ?, ?, ?, ?, ?)"),
                            QVariantList{row.numeroTare, sql::date(row.dataVencto)} + keyValues(key), &error);
    if (!ok) return RowPost::failed(error);
    return {};
}

bool deleteTareRow(const DeclarationKey& key, const TareRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("DELETE FROM Tare") + kWhereTare + QStringLiteral(" AND NumeroTare IS NOT DISTINCT FROM ?"),
                    keyValues(key) + QVariantList{sql::text(row.numeroTare)}, error);
}

namespace ecftare_msg {
QString confirmaExclusaoTare(const QString& numero) {
    return QStringLiteral("Confirma Exclusão do TARE: ") + numero + QLatin1Char('?');
}
} // namespace ecftare_msg

} // namespace vexa::decl

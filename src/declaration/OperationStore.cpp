#include "declaration/OperationStore.h"

#include "common/ErrorLog.h"
#include "storage/Database.h"
#include "storage/ReferenceLookups.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <functional>

namespace vexa::decl {

namespace {

const QString kWhereKey = QStringLiteral("IE = :ie AND Ano = :ano AND Mes = :mes AND Retificacao = :retificacao");

// The row's columns, then the CFOP description in the table year and the municipality's name.
const QString kSelectRow = QStringLiteral(
    "SELECT m.CodigoOperacao, m.DomicilioFiscal, m.EntradaSaida, m.CidadeID, m.TipoOperacao, "
    "m.BaseCalculo, m.IsentasNaoTributadas, m.Outras, m.SubstituicaoTributaria, m.ValorContabil, "
    "m.ImpostoCreditado, "
    "(SELECT c.Descricao FROM cfop c WHERE c.CFOP = m.CodigoOperacao AND c.Ano = :tableYear LIMIT 1), "
    "(SELECT mu.Descricao FROM Municipios mu WHERE mu.CodIBGE = m.CidadeID LIMIT 1) "
    "FROM MovimentacaoPorOperacoes42 m "
    "WHERE m.IE = :ie AND m.Ano = :ano AND m.Mes = :mes AND m.Retificacao = :retificacao");

bool prepare(QSqlQuery& q, const QString& sql, QString* error) {
    q.setForwardOnly(true);
    if (q.prepare(sql)) return true;
    if (error) *error = q.lastError().text();
    return false;
}

bool exec(QSqlQuery& q, QString* error) {
    if (q.exec()) return true;
    if (error) *error = q.lastError().text();
    return false;
}

// Read-only statements report a refusal to the application-wide handler.
bool runRead(QSqlQuery& q) {
    if (q.exec()) return true;
    reportUnhandledError(q.lastError().text());
    return false;
}

OperationRow rowFrom(const QSqlQuery& q) {
    OperationRow r;
    const QVariant code = q.value(0);
    if (!code.isNull() && !code.toString().trimmed().isEmpty()) r.codigoOperacao = code.toInt();
    r.domicilioFiscal = q.value(1).toString();
    r.entradaSaida = q.value(2).toString();
    r.cidadeID = q.value(3).toLongLong();
    r.tipoOperacao = q.value(4).toString();
    r.baseCalculo = q.value(5).toDouble();
    r.isentasNaoTributadas = q.value(6).toDouble();
    r.outras = q.value(7).toDouble();
    r.substituicaoTributaria = q.value(8).toDouble();
    r.valorContabil = q.value(9).toDouble();
    r.impostoCreditado = q.value(10).toDouble();
    r.cfopDescricao = q.value(11).toString();
    r.municipioNom = q.value(12).toString();
    return r;
}

QList<OperationRow> readRows(const QString& sql, const DeclarationKey& key,
                             const std::function<void(QSqlQuery&)>& bindMore) {
    QList<OperationRow> rows;
    QSqlQuery q(storage::db());
    if (!prepare(q, sql, nullptr)) {
        reportUnhandledError(q.lastError().text());
        return rows;
    }
    key.bind(q);
    q.bindValue(QStringLiteral(":tableYear"), storage::cfopTableYear(key.ano));
    if (bindMore) bindMore(q);
    if (!runRead(q)) return rows;
    while (q.next()) rows.append(rowFrom(q));
    return rows;
}

void bindView(QSqlQuery& q, const OperationView& view) {
    q.bindValue(QStringLiteral(":es"), view.entradaSaida());
    q.bindValue(QStringLiteral(":tipo"), view.tipoOperacao());
}

void bindAmounts(QSqlQuery& q, const OperationRow& row) {
    q.bindValue(QStringLiteral(":base"), row.baseCalculo);
    q.bindValue(QStringLiteral(":isentas"), row.isentasNaoTributadas);
    q.bindValue(QStringLiteral(":outras"), row.outras);
    q.bindValue(QStringLiteral(":subst"), row.substituicaoTributaria);
    q.bindValue(QStringLiteral(":contabil"), row.valorContabil);
    q.bindValue(QStringLiteral(":imposto"), row.impostoCreditado);
}

QVariant codeValue(const OperationRow& row) {
    return row.codigoOperacao ? QVariant(*row.codigoOperacao) : QVariant(QMetaType(QMetaType::Int));
}

} // namespace

OperationContext loadOperationContext(const DeclarationKey& key) {
    OperationContext ctx;
    ctx.key = key;
    QSqlQuery q(storage::db());
    if (prepare(q, QStringLiteral("SELECT MudaDomicilio, CidadeB FROM Vexas WHERE ") + kWhereKey, nullptr)) {
        key.bind(q);
        if (runRead(q) && q.next()) {
            ctx.mudaDomicilio = q.value(0).toString() == QLatin1String("S");
            ctx.cidadeB = q.value(1).toLongLong();
        }
    }
    QSqlQuery t(storage::db());
    if (prepare(t,
                QStringLiteral("SELECT c.TipoRegime, (SELECT m.CodIBGE FROM Municipios m "
                               "WHERE m.CodigoID = c.MunicipioID LIMIT 1) FROM Contribuintes c WHERE c.IE = ?"),
                nullptr)) {
        t.addBindValue(key.ie);
        if (runRead(t) && t.next()) {
            ctx.tipoRegime = t.value(0).toString();
            ctx.cidadeA = t.value(1).toLongLong();
        }
    }
    return ctx;
}

QList<OperationRow> loadOperationRows(const DeclarationKey& key, const OperationView& view) {
    return readRows(kSelectRow + QStringLiteral(" AND m.EntradaSaida = :es AND m.TipoOperacao = :tipo "
                                                "ORDER BY m.CodigoOperacao, m.DomicilioFiscal"),
                    key, [&](QSqlQuery& q) { bindView(q, view); });
}

QList<OperationRow> loadAllOperationRows(const DeclarationKey& key) {
    return readRows(kSelectRow + QStringLiteral(" ORDER BY m.CodigoOperacao NULLS FIRST, m.DomicilioFiscal NULLS FIRST"), key, {});
}

std::optional<OperationRow> findOperationRow(const DeclarationKey& key, const OperationView& view, int cfop,
                                             const QString& domicile) {
    const auto rows = readRows(kSelectRow + QStringLiteral(" AND m.EntradaSaida = :es AND m.TipoOperacao = :tipo "
                                                           "AND m.CodigoOperacao = :cfop AND m.DomicilioFiscal = :dom"),
                               key, [&](QSqlQuery& q) {
                                   bindView(q, view);
                                   q.bindValue(QStringLiteral(":cfop"), cfop);
                                   q.bindValue(QStringLiteral(":dom"), domicile);
                               });
    if (rows.isEmpty()) return std::nullopt;
    return rows.first();
}

QList<OperationRow> findOperationRowsAnyView(const DeclarationKey& key, int cfop, const QString& domicile) {
    return readRows(kSelectRow + QStringLiteral(" AND m.CodigoOperacao = :cfop AND m.DomicilioFiscal = :dom"), key,
                    [&](QSqlQuery& q) {
                        q.bindValue(QStringLiteral(":cfop"), cfop);
                        q.bindValue(QStringLiteral(":dom"), domicile);
                    });
}

QString cfopDescription(int cfop, const QString& declarationYear) {
    QSqlQuery q(storage::db());
    if (!prepare(q, QStringLiteral("SELECT Descricao FROM cfop WHERE CFOP = ? AND Ano = ? LIMIT 1"), nullptr)) {
        reportUnhandledError(q.lastError().text());
        return {};
    }
    q.addBindValue(cfop);
    q.addBindValue(storage::cfopTableYear(declarationYear));
    if (!runRead(q) || !q.next()) return {};
    return q.value(0).toString();
}

bool insertOperationRow(const DeclarationKey& key, const OperationRow& row, QString* error) {
    QSqlQuery q(storage::db());
    if (!prepare(q,
                 QStringLiteral("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                                "DomicilioFiscal, EntradaSaida, CidadeID, TipoOperacao, BaseCalculo, "
                                "IsentasNaoTributadas, Outras, SubstituicaoTributaria, ValorContabil, "
                                "ImpostoCreditado) VALUES (:ie, :ano, :mes, :retificacao, :cfop, :dom, :es, "
                                ":cidade, :tipo, :base, :isentas, :outras, :subst, :contabil, :imposto)"),
                 error))
        return false;
    key.bind(q);
    q.bindValue(QStringLiteral(":cfop"), codeValue(row));
    q.bindValue(QStringLiteral(":dom"), row.domicilioFiscal);
    q.bindValue(QStringLiteral(":es"), row.entradaSaida);
    q.bindValue(QStringLiteral(":cidade"), row.cidadeID);
    q.bindValue(QStringLiteral(":tipo"), row.tipoOperacao);
    bindAmounts(q, row);
    return exec(q, error);
}

bool updateOperationRow(const DeclarationKey& key, const OperationRow& original, const OperationRow& row,
                        QString* error) {
    QSqlQuery q(storage::db());
    if (!prepare(q,
                 QStringLiteral("UPDATE MovimentacaoPorOperacoes42 SET CodigoOperacao = :cfop, DomicilioFiscal = :dom, "
                                "EntradaSaida = :es, CidadeID = :cidade, TipoOperacao = :tipo, BaseCalculo = :base, "
                                "IsentasNaoTributadas = :isentas, Outras = :outras, SubstituicaoTributaria = :subst, "
                                "ValorContabil = :contabil, ImpostoCreditado = :imposto WHERE ") +
                     kWhereKey +
                     QStringLiteral(" AND CodigoOperacao IS NOT DISTINCT FROM :oldCfop AND DomicilioFiscal = :oldDom "
                                    "AND EntradaSaida = :oldEs AND TipoOperacao = :oldTipo"),
                 error))
        return false;
    key.bind(q);
    q.bindValue(QStringLiteral(":cfop"), codeValue(row));
    q.bindValue(QStringLiteral(":dom"), row.domicilioFiscal);
    q.bindValue(QStringLiteral(":es"), row.entradaSaida);
    q.bindValue(QStringLiteral(":cidade"), row.cidadeID);
    q.bindValue(QStringLiteral(":tipo"), row.tipoOperacao);
    bindAmounts(q, row);
    q.bindValue(QStringLiteral(":oldCfop"), codeValue(original));
    q.bindValue(QStringLiteral(":oldDom"), original.domicilioFiscal);
    q.bindValue(QStringLiteral(":oldEs"), original.entradaSaida);
    q.bindValue(QStringLiteral(":oldTipo"), original.tipoOperacao);
    return exec(q, error);
}

bool deleteOperationRow(const DeclarationKey& key, const OperationView& view, int cfop, const QString& domicile,
                        QString* error, int* deleted) {
    QSqlQuery q(storage::db());
    if (!prepare(q,
                 QStringLiteral("DELETE FROM MovimentacaoPorOperacoes42 WHERE ") + kWhereKey +
                     QStringLiteral(" AND CodigoOperacao = :cfop AND DomicilioFiscal = :dom "
                                    "AND EntradaSaida = :es AND TipoOperacao = :tipo"),
                 error))
        return false;
    key.bind(q);
    q.bindValue(QStringLiteral(":cfop"), cfop);
    q.bindValue(QStringLiteral(":dom"), domicile);
    bindView(q, view);
    if (!exec(q, error)) return false;
    if (deleted) *deleted = q.numRowsAffected();
    return true;
}

bool renameOperationRow(const DeclarationKey& key, const OperationView& view, int oldCfop, int newCfop,
                        const QString& domicile, QString* error, int* renamed) {
    QSqlQuery q(storage::db());
    if (!prepare(q,
                 QStringLiteral("UPDATE MovimentacaoPorOperacoes42 SET CodigoOperacao = :newCfop WHERE ") + kWhereKey +
                     QStringLiteral(" AND CodigoOperacao = :oldCfop AND DomicilioFiscal = :dom "
                                    "AND EntradaSaida = :es AND TipoOperacao = :tipo"),
                 error))
        return false;
    key.bind(q);
    q.bindValue(QStringLiteral(":newCfop"), newCfop);
    q.bindValue(QStringLiteral(":oldCfop"), oldCfop);
    q.bindValue(QStringLiteral(":dom"), domicile);
    bindView(q, view);
    if (!exec(q, error)) return false;
    if (renamed) *renamed = q.numRowsAffected();
    return true;
}

bool createDomicileBRows(const DeclarationKey& key, qint64 cidadeB, QString* error, int* created) {
    QSqlQuery q(storage::db());
    if (!prepare(q,
                 QStringLiteral(
                     "INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                     "DomicilioFiscal, EntradaSaida, CidadeID, TipoOperacao, BaseCalculo, IsentasNaoTributadas, "
                     "Outras, SubstituicaoTributaria, ValorContabil, ImpostoCreditado) "
                     "SELECT a.IE, a.Ano, a.Mes, a.Retificacao, a.CodigoOperacao, 'B', a.EntradaSaida, :cidadeB, "
                     "a.TipoOperacao, 0, 0, 0, 0, 0, 0 FROM MovimentacaoPorOperacoes42 a "
                     "WHERE a.IE = :ie AND a.Ano = :ano AND a.Mes = :mes AND a.Retificacao = :retificacao "
                     "AND a.DomicilioFiscal = 'A' AND NOT EXISTS (SELECT 1 FROM MovimentacaoPorOperacoes42 b "
                     "WHERE b.IE = a.IE AND b.Ano = a.Ano AND b.Mes = a.Mes AND b.Retificacao = a.Retificacao "
                     "AND b.CodigoOperacao = a.CodigoOperacao AND b.DomicilioFiscal = 'B') "
                     "ORDER BY a.CodigoOperacao"),
                 error))
        return false;
    key.bind(q);
    q.bindValue(QStringLiteral(":cidadeB"), cidadeB);
    if (!exec(q, error)) return false;
    if (created) *created = q.numRowsAffected();
    return true;
}

bool deleteDomicileBRows(const DeclarationKey& key, QString* error) {
    QSqlQuery q(storage::db());
    if (!prepare(q,
                 QStringLiteral("DELETE FROM MovimentacaoPorOperacoes42 WHERE ") + kWhereKey +
                     QStringLiteral(" AND DomicilioFiscal = 'B'"),
                 error))
        return false;
    key.bind(q);
    return exec(q, error);
}

bool clearSimplesAmounts(const DeclarationKey& key, QString* error) {
    QSqlQuery q(storage::db());
    if (!prepare(q,
                 QStringLiteral("UPDATE MovimentacaoPorOperacoes42 SET BaseCalculo = 0, ImpostoCreditado = 0, "
                                "IsentasNaoTributadas = 0 WHERE ") +
                     kWhereKey,
                 error))
        return false;
    key.bind(q);
    return exec(q, error);
}

} // namespace vexa::decl

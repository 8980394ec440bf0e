#include "declaration/Encerrantes.h"

#include "declaration/DeclSql.h"

namespace vexa::decl {

namespace {

const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");
const QString kSelect = QStringLiteral(
    "SELECT NSerieBomba, NBico, PRODUTO, LeituraInicial, LeituraFinal, VolComSemInterv, VolComCemInterv, "
    "LeituraInicialProdAnt, LeituraFinalProdAnt, ProdutoAnt, DataAlteracao FROM Encerrantes");

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

std::optional<qint64> optionalInteger(const QVariant& v) {
    if (v.isNull() || v.toString().trimmed().isEmpty()) return std::nullopt;
    return sql::integer(v);
}
std::optional<int> optionalInt(const QVariant& v) {
    const auto n = optionalInteger(v);
    return n ? std::optional<int>(int(*n)) : std::nullopt;
}
template <class T>
QVariant value(const std::optional<T>& v) {
    return v ? QVariant(qint64(*v)) : QVariant(QMetaType(QMetaType::LongLong));
}

QList<EncerranteRow> readRows(const QString& statement, const QVariantList& values) {
    QList<EncerranteRow> rows;
    QSqlQuery q;
    if (!sql::read(q, statement, values)) return rows;
    while (q.next()) {
        EncerranteRow r;
        r.nSerieBomba = sql::text(q.value(0));
        r.nBico = optionalInt(q.value(1));
        r.produto = optionalInt(q.value(2));
        r.leituraInicial = optionalInteger(q.value(3));
        r.leituraFinal = optionalInteger(q.value(4));
        r.volComSemInterv = sql::integer(q.value(5));
        r.volComCemInterv = sql::integer(q.value(6));
        r.leituraInicialProdAnt = optionalInteger(q.value(7));
        r.leituraFinalProdAnt = optionalInteger(q.value(8));
        r.produtoAnt = optionalInt(q.value(9));
        r.dataAlteracao = sql::date(q.value(10));
        rows.append(r);
    }
    return rows;
}

QVariantList rowValues(const EncerranteRow& r) {
    return {r.nSerieBomba,
            value(r.nBico),
            value(r.produto),
            value(r.leituraInicial),
            value(r.leituraFinal),
            r.volComSemInterv,
            r.volComCemInterv,
            value(r.leituraInicialProdAnt),
            value(r.leituraFinalProdAnt),
            value(r.produtoAnt),
            sql::date(r.dataAlteracao)};
}

RowPost refuse(Prompter& prompter, const QString& message, const QString& field) {
    prompter.warn(message);
    return RowPost::refused(message, field);
}

} // namespace

QList<EncerranteRow> loadEncerrantes(const DeclarationKey& key) {
    return readRows(kSelect + kWhereKey + QStringLiteral(" ORDER BY NBico NULLS FIRST, NSerieBomba NULLS FIRST"), keyValues(key));
}

QList<EncerranteRow> findEncerrantes(const DeclarationKey& key, const QString& serial, int nozzle) {
    return readRows(kSelect + kWhereKey + QStringLiteral(" AND NSerieBomba = ? AND NBico = ?"),
                    keyValues(key) + QVariantList{serial, nozzle});
}

int nextNozzleNumber(const DeclarationKey& key) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT max(NBico) FROM Encerrantes") + kWhereKey, keyValues(key)) || !q.next())
        return 1;
    return int(sql::integer(q.value(0))) + 1;
}

bool deleteEncerrante(const DeclarationKey& key, const EncerranteRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("DELETE FROM Encerrantes") + kWhereKey +
                           QStringLiteral(" AND NSerieBomba IS NOT DISTINCT FROM ? AND NBico IS NOT DISTINCT FROM ?"),
                    keyValues(key) + QVariantList{sql::text(row.nSerieBomba), value(row.nBico)}, error);
}

MeterFields loadMeterFields(const DeclarationKey& key) {
    MeterFields f;
    QSqlQuery q;
    if (sql::read(q, QStringLiteral("SELECT TipoEncerrante, ObsEncerrantes FROM Vexas") + kWhereKey, keyValues(key)) &&
        q.next()) {
        f.tipoEncerrante = sql::text(q.value(0));
        f.obsEncerrantes = sql::text(q.value(1));
    }
    return f;
}

bool storeMeterFields(const DeclarationKey& key, const MeterFields& fields, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("UPDATE Vexas SET TipoEncerrante = ?, ObsEncerrantes = ?") + kWhereKey,
                    QVariantList{sql::text(fields.tipoEncerrante.left(1)), sql::text(fields.obsEncerrantes.left(255))} +
                        keyValues(key),
                    error);
}

EncerranteRow newEncerranteRow() { return EncerranteRow{}; }

RowPost postEncerranteRow(const DeclarationKey& key, const EncerranteRow& typed,
                          const std::optional<EncerranteRow>& original, Prompter& prompter,
                          const PreviousProductDialog& previousProduct) {
    EncerranteRow row = typed;
    row.nSerieBomba = row.nSerieBomba.trimmed();
    // A nozzle that changed product: the readings of the product it had.
    if (original && original->produto != row.produto) {
        const int stored = original->produto.value_or(0);
        const std::optional<PreviousProduct> before =
            previousProduct ? previousProduct(stored) : std::optional<PreviousProduct>();
        if (!before) return RowPost::refused();
        row.produtoAnt = stored;
        row.leituraInicialProdAnt = before->leituraInicial;
        row.leituraFinalProdAnt = before->leituraFinal;
        row.dataAlteracao = before->dataAlteracao;
    }
    row.volComSemInterv = row.volComSemIntervCalc();

    if (row.nSerieBomba.isEmpty()) return refuse(prompter, fuel_msg::SerieBomba, fuel_field::NSerieBomba);
    if (!isValidProduct(row.produto)) return refuse(prompter, fuel_msg::ProdutoInvalido, fuel_field::Produto);
    if (!row.leituraInicial) return refuse(prompter, fuel_msg::LeituraInicial, fuel_field::LeituraInicial);
    if (!row.leituraFinal) return refuse(prompter, fuel_msg::LeituraFinal, fuel_field::LeituraFinal);
    if (row.volComSemInterv < 0 || row.volComCemInterv < 0)
        return refuse(prompter, fuel_msg::VolumeNegativo, fuel_field::VolComCemInterv);
    if (*row.leituraFinal < *row.leituraInicial && row.volComCemInterv <= 0)
        return refuse(prompter, fuel_msg::VolumeComIntervencao, fuel_field::VolComCemInterv);
    if (*row.leituraFinal > *row.leituraInicial && row.volComCemInterv > 0 &&
        !prompter.ask(fuel_msg::ConfirmaIntervencao))
        return refuse(prompter, fuel_msg::SomenteSeNegativo, fuel_field::VolComCemInterv);
    if (!row.nBico) return RowPost::refused({}, fuel_field::NBico);

    QString error;
    QSqlQuery q;
    const bool ok =
        original ? sql::run(q,
                            QStringLiteral("UPDATE Encerrantes SET NSerieBomba = ?, NBico = ?, PRODUTO = ?, "
                                           "LeituraInicial = ?, LeituraFinal = ?, VolComSemInterv = ?, "
                                           "VolComCemInterv = ?, LeituraInicialProdAnt = ?, LeituraFinalProdAnt = ?, "
                                           "ProdutoAnt = ?, DataAlteracao = ?") +
                                kWhereKey + QStringLiteral(" AND NSerieBomba IS NOT DISTINCT FROM ? AND NBico IS NOT DISTINCT FROM ?"),
                            rowValues(row) + keyValues(key) +
                                QVariantList{sql::text(original->nSerieBomba), value(original->nBico)},
                            &error)
                 : sql::run(q,
                            QStringLiteral("INSERT INTO Encerrantes (NSerieBomba, NBico, PRODUTO, LeituraInicial, "
                                           "LeituraFinal, VolComSemInterv, VolComCemInterv, LeituraInicialProdAnt, "
                                           "LeituraFinalProdAnt, ProdutoAnt, DataAlteracao, IE, Ano, Mes, "
                                           "Retificacao) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                            rowValues(row) + keyValues(key), &error);
    if (!ok) return RowPost::failed(error);
    return {};
}

std::optional<EncerranteRow> existingEncerranteRow(const DeclarationKey& key, const EncerranteRow& row,
                                                   const std::optional<EncerranteRow>& original) {
    const QString serial = row.nSerieBomba.trimmed();
    if (serial.isEmpty() || !row.nBico) return std::nullopt;
    if (original && original->nSerieBomba == serial && original->nBico == row.nBico) return std::nullopt;
    const QList<EncerranteRow> rows = findEncerrantes(key, serial, *row.nBico);
    if (rows.size() != 1) return std::nullopt;
    return rows.first();
}

} // namespace vexa::decl

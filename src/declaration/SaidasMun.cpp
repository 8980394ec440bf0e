#include "declaration/SaidasMun.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"
#include "storage/ReferenceLookups.h"

namespace vexa::decl {

namespace {

const QString kSelect = QStringLiteral(
    "SELECT s.Seq, s.MunicipioID, s.DomicilioFiscal, s.VlrContabil, s.Devolucoes, s.CIdadeID, "
    "(SELECT m.Descricao FROM Municipios m WHERE m.CodIBGE = s.MunicipioID LIMIT 1), "
    "(SELECT m.Descricao FROM Municipios m WHERE m.CodIBGE = s.CIdadeID LIMIT 1) "
    "FROM SaidasMun s WHERE s.IE = ? AND s.Ano = ? AND s.Mes = ? AND s.Retificacao = ?");

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

QList<SaidaMunRow> readRows(const QString& statement, const QVariantList& values) {
    QList<SaidaMunRow> rows;
    QSqlQuery q;
    if (!sql::read(q, statement, values)) return rows;
    while (q.next()) {
        SaidaMunRow r;
        r.seq = sql::integer(q.value(0));
        if (!q.value(1).isNull()) r.municipioID = sql::integer(q.value(1));
        r.domicilioFiscal = sql::text(q.value(2));
        r.vlrContabil = sql::real(q.value(3));
        r.devolucoes = sql::real(q.value(4));
        r.cidadeID = sql::integer(q.value(5));
        r.municipioNom = sql::text(q.value(6));
        r.cidadeNom = sql::text(q.value(7));
        rows.append(r);
    }
    return rows;
}

QVariant cityValue(qint64 city) { return city == 0 ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(city); }

QString otherDomicile(const QString& domicile) {
    return domicile == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
}

bool insertRow(const DeclarationKey& key, const SaidaMunRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("INSERT INTO SaidasMun (IE, Ano, Mes, Retificacao, MunicipioID, DomicilioFiscal, "
                                   "VlrContabil, Devolucoes, Total, CIdadeID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    keyValues(key) + QVariantList{*row.municipioID, row.domicilioFiscal, row.vlrContabil,
                                                  row.devolucoes, row.totalVlrDiferenca(), cityValue(row.cidadeID)},
                    error);
}

bool updateRow(const DeclarationKey& key, const SaidaMunRow& original, const SaidaMunRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("UPDATE SaidasMun SET MunicipioID = ?, DomicilioFiscal = ?, VlrContabil = ?, "
                                   "Devolucoes = ?, Total = ?, CIdadeID = ? WHERE IE = ? AND Ano = ? AND Mes = ? AND "
                                   "Retificacao = ? AND Seq = ?"),
                    QVariantList{*row.municipioID, row.domicilioFiscal, row.vlrContabil, row.devolucoes,
                                 row.totalVlrDiferenca(), cityValue(row.cidadeID)} +
                        keyValues(key) + QVariantList{original.seq},
                    error);
}

bool deleteByMunicipio(const DeclarationKey& key, qint64 municipioID, const QString& domicile, QString* error) {
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("DELETE FROM SaidasMun WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ? "
                                   "AND MunicipioID = ? AND DomicilioFiscal = ?"),
                    keyValues(key) + QVariantList{municipioID, domicile}, error);
}

} // namespace

QList<SaidaMunRow> loadSaidasMun(const DeclarationKey& key) {
    return readRows(kSelect + QStringLiteral(" ORDER BY s.Seq"), keyValues(key));
}

QList<SaidaMunRow> findSaidasMun(const DeclarationKey& key, qint64 municipioID, const QString& domicile) {
    return readRows(kSelect + QStringLiteral(" AND s.MunicipioID = ? AND s.DomicilioFiscal = ? ORDER BY s.Seq"),
                    keyValues(key) + QVariantList{municipioID, domicile});
}

SaidaMunRow newSaidaMunRow() { return SaidaMunRow{}; }

void applySaidaMunMunicipio(const MunicipalityContext& ctx, SaidaMunRow& row, std::optional<qint64> municipioID) {
    row.municipioID = municipioID;
    row.cidadeID = ctx.cityOf(row.domicilioFiscal);
    row.municipioNom = municipioID ? storage::MunicipalityNameByIBGE(*municipioID) : QString();
    row.cidadeNom = row.cidadeID != 0 ? storage::MunicipalityNameByIBGE(row.cidadeID) : QString();
}

CheckResult checkSaidaMunMunicipio(const SaidaMunRow& row) {
    if (!row.municipioID)
        return CheckResult::fail(municipality_msg::SelecioneMunicipioOrigem, municipality_field::MunicipioID);
    return CheckResult::pass();
}

RowPost postSaidaMunRow(const MunicipalityContext& ctx, const SaidaMunRow& typed,
                        const std::optional<SaidaMunRow>& original, Prompter& prompter) {
    SaidaMunRow row = typed;
    row.vlrContabil = money::round2(row.vlrContabil);
    row.devolucoes = money::round2(row.devolucoes);
    if (row.domicilioFiscal.isEmpty()) row.domicilioFiscal = QStringLiteral("A");
    // A row without a municipality is not stored; nothing is said.
    if (!row.municipioID) return RowPost::refused({}, municipality_field::MunicipioID);
    if (row.cidadeID == 0) row.cidadeID = ctx.cityOf(row.domicilioFiscal);

    const bool inserting = !original.has_value();
    const bool codeChanged = !inserting && original->municipioID != row.municipioID;
    bool renameTwin = false;
    if (!ctx.bulkUpdate) {
        const bool exists = !findSaidasMun(ctx.key, *row.municipioID, row.domicilioFiscal).isEmpty();
        if (exists && (inserting || codeChanged)) {
            const QString name = row.municipioNom.isEmpty() ? storage::MunicipalityNameByIBGE(*row.municipioID)
                                                            : row.municipioNom;
            const QString message = municipality_msg::duplicateMunicipio(name);
            prompter.warn(message);
            return RowPost::discarded(message);
        }
        renameTwin = !exists && codeChanged && original->municipioID.has_value();
    }

    sql::WriteUnit unit(QStringLiteral("saidasmun_row"));
    if (!unit.started()) return RowPost::failed(unit.error());
    QString error;
    if (inserting ? !insertRow(ctx.key, row, &error) : !updateRow(ctx.key, *original, row, &error))
        return RowPost::failed(error);

    RowPost out;
    if (renameTwin) {
        // The other domicile's row of the old municipality follows, unless the new one is already there.
        const QString twin = otherDomicile(row.domicilioFiscal);
        if (findSaidasMun(ctx.key, *row.municipioID, twin).isEmpty()) {
            QSqlQuery q;
            if (!sql::run(q,
                          QStringLiteral("UPDATE SaidasMun SET MunicipioID = ? WHERE IE = ? AND Ano = ? AND Mes = ? "
                                         "AND Retificacao = ? AND MunicipioID = ? AND DomicilioFiscal = ?"),
                          QVariantList{*row.municipioID} + keyValues(ctx.key) +
                              QVariantList{*original->municipioID, twin},
                          &error))
                return RowPost::failed(error);
            out.twinRenamed = q.numRowsAffected() > 0;
        }
    }
    if (!ctx.bulkUpdate && ctx.mudaDomicilio && row.domicilioFiscal == QLatin1String("A") &&
        findSaidasMun(ctx.key, *row.municipioID, QStringLiteral("B")).isEmpty()) {
        SaidaMunRow twin;
        twin.municipioID = row.municipioID;
        twin.domicilioFiscal = QStringLiteral("B");
        twin.cidadeID = ctx.cidadeB;
        if (!insertRow(ctx.key, twin, &error)) return RowPost::failed(error);
        out.twinCreated = true;
    }
    if (!unit.release(&error)) return RowPost::failed(error);
    return out;
}

bool deleteSaidaMunRowWithTwin(const MunicipalityContext& ctx, const SaidaMunRow& row, QString* error) {
    sql::WriteUnit unit(QStringLiteral("saidasmun_delete"));
    if (!unit.started()) {
        if (error) *error = unit.error();
        return false;
    }
    QSqlQuery q;
    if (!sql::run(q,
                  QStringLiteral("DELETE FROM SaidasMun WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ? "
                                 "AND Seq = ?"),
                  keyValues(ctx.key) + QVariantList{row.seq}, error))
        return false;
    if (ctx.mudaDomicilio && row.municipioID &&
        !deleteByMunicipio(ctx.key, *row.municipioID, otherDomicile(row.domicilioFiscal), error))
        return false;
    return unit.release(error);
}

} // namespace vexa::decl

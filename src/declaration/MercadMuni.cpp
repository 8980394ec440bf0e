#include "declaration/MercadMuni.h"

#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "declaration/DeclSql.h"
#include "storage/ReferenceLookups.h"

namespace vexa::decl {

namespace {

const QString kSelect = QStringLiteral(
    "SELECT m.IEEmpresa, m.DomicilioFiscal, m.MunicipioID, m.Valor, m.CidadeID, "
    "(SELECT mu.Descricao FROM Municipios mu WHERE mu.CodIBGE = m.MunicipioID LIMIT 1), "
    "(SELECT mu.Descricao FROM Municipios mu WHERE mu.CodIBGE = m.CidadeID LIMIT 1) "
    "FROM MercadMuni m WHERE m.IE = ? AND m.Ano = ? AND m.Mes = ? AND m.Retificacao = ?");
const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }
QVariant cityValue(qint64 city) { return city == 0 ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(city); }
QVariant municipioValue(const std::optional<qint64>& m) {
    return m ? QVariant(*m) : QVariant(QMetaType(QMetaType::LongLong));
}

QString otherDomicile(const QString& domicile) {
    return domicile == QLatin1String("A") ? QStringLiteral("B") : QStringLiteral("A");
}

QList<MercadoriaRow> readRows(const QString& statement, const QVariantList& values) {
    QList<MercadoriaRow> rows;
    QSqlQuery q;
    if (!sql::read(q, statement, values)) return rows;
    while (q.next()) {
        MercadoriaRow r;
        r.ieEmpresa = sql::text(q.value(0)).trimmed();
        r.domicilioFiscal = sql::text(q.value(1));
        if (!q.value(2).isNull()) r.municipioID = sql::integer(q.value(2));
        r.valor = sql::real(q.value(3));
        r.cidadeID = sql::integer(q.value(4));
        r.municipioNom = sql::text(q.value(5));
        r.cidadeNom = sql::text(q.value(6));
        rows.append(r);
    }
    return rows;
}

bool insertRow(const DeclarationKey& key, const MercadoriaRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("INSERT INTO MercadMuni (IE, Ano, Mes, Retificacao, IEEmpresa, DomicilioFiscal, "
                                   "MunicipioID, Valor, CidadeID) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                    keyValues(key) + QVariantList{row.ieEmpresa, row.domicilioFiscal, municipioValue(row.municipioID),
                                                  row.valor, cityValue(row.cidadeID)},
                    error);
}

bool updateRow(const DeclarationKey& key, const MercadoriaRow& original, const MercadoriaRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("UPDATE MercadMuni SET IEEmpresa = ?, DomicilioFiscal = ?, MunicipioID = ?, "
                                   "Valor = ?, CidadeID = ?") +
                        kWhereKey + QStringLiteral(" AND IEEmpresa = ? AND DomicilioFiscal = ?"),
                    QVariantList{row.ieEmpresa, row.domicilioFiscal, municipioValue(row.municipioID), row.valor,
                                 cityValue(row.cidadeID)} +
                        keyValues(key) + QVariantList{original.ieEmpresa, original.domicilioFiscal},
                    error);
}

// The supplier row of that IE and domicile and its invoices take the new IE.
bool renameSupplier(const DeclarationKey& key, const QString& oldIE, const QString& newIE, const QString& domicile,
                    bool includeRow, QString* error, int* renamed = nullptr) {
    QSqlQuery q;
    if (includeRow) {
        if (!sql::run(q,
                      QStringLiteral("UPDATE MercadMuni SET IEEmpresa = ?") + kWhereKey +
                          QStringLiteral(" AND IEEmpresa = ? AND DomicilioFiscal = ?"),
                      QVariantList{newIE} + keyValues(key) + QVariantList{oldIE, domicile}, error))
            return false;
        if (renamed) *renamed = q.numRowsAffected();
    }
    return sql::run(q,
                    QStringLiteral("UPDATE NotasFiscal SET IEEmpresa = ?") + kWhereKey +
                        QStringLiteral(" AND IEEmpresa = ? AND DomicilioFiscal = ?"),
                    QVariantList{newIE} + keyValues(key) + QVariantList{oldIE, domicile}, error);
}

bool deleteSupplier(const DeclarationKey& key, const QString& ie, const QString& domicile, QString* error) {
    QSqlQuery q;
    for (const QString& table : {QStringLiteral("NotasFiscal"), QStringLiteral("MercadMuni")}) {
        if (!sql::run(q,
                      QStringLiteral("DELETE FROM ") + table + kWhereKey +
                          QStringLiteral(" AND IEEmpresa = ? AND DomicilioFiscal = ?"),
                      keyValues(key) + QVariantList{ie, domicile}, error))
            return false;
    }
    return true;
}

RowPost refuse(Prompter& prompter, const QString& message, const QString& field) {
    prompter.warn(message);
    return RowPost::refused(message, field);
}

} // namespace

QList<MercadoriaRow> loadMercadorias(const DeclarationKey& key) {
    return readRows(kSelect + QStringLiteral(" ORDER BY m.IEEmpresa, m.DomicilioFiscal"), keyValues(key));
}

std::optional<MercadoriaRow> findMercadoria(const DeclarationKey& key, const QString& ieEmpresa,
                                            const QString& domicile) {
    const auto rows = readRows(kSelect + QStringLiteral(" AND m.IEEmpresa = ? AND m.DomicilioFiscal = ?"),
                               keyValues(key) + QVariantList{ieEmpresa, domicile});
    if (rows.isEmpty()) return std::nullopt;
    return rows.first();
}

MercadoriaRow newMercadoriaRow() { return MercadoriaRow{}; }

void applyMercadoriaIE(const MunicipalityContext& ctx, MercadoriaRow& row, const QString& ieEmpresa) {
    row.ieEmpresa = SoNumeros(ieEmpresa);
    row.cidadeID = ctx.cityOf(row.domicilioFiscal);
    row.cidadeNom = row.cidadeID != 0 ? storage::MunicipalityNameByIBGE(row.cidadeID) : QString();
}

void applyMercadoriaMunicipio(MercadoriaRow& row, std::optional<qint64> municipioID) {
    row.municipioID = municipioID;
    row.municipioNom = municipioID ? storage::MunicipalityNameByIBGE(*municipioID) : QString();
}

RowPost postMercadoriaRow(const MunicipalityContext& ctx, const MercadoriaRow& typed,
                          const std::optional<MercadoriaRow>& original, Prompter& prompter) {
    MercadoriaRow row = typed;
    row.ieEmpresa = SoNumeros(row.ieEmpresa);
    row.valor = money::round2(row.valor);
    if (row.domicilioFiscal.isEmpty()) row.domicilioFiscal = QStringLiteral("A");
    // A row without the supplier's IE is dropped without a word.
    if (row.ieEmpresa.isEmpty()) return RowPost::discarded({});
    if (row.cidadeID == 0) row.cidadeID = ctx.cityOf(row.domicilioFiscal);

    const bool inserting = !original.has_value();
    const bool ieChanged = !inserting && original->ieEmpresa != row.ieEmpresa;
    bool renameTwin = false;
    if (!ctx.bulkUpdate) {
        if (row.ieEmpresa == ctx.key.ie)
            return refuse(prompter, municipality_msg::ieDoContribuinte(ctx.razaoSocial), municipality_field::IEEmpresa);
        if (!row.municipioID)
            return refuse(prompter, municipality_msg::SelecioneMunicipio, municipality_field::MunicipioID);
        if (!IsValidIE(row.ieEmpresa))
            return refuse(prompter, municipality_msg::IEInvalida, municipality_field::IEEmpresa);
        const bool exists = findMercadoria(ctx.key, row.ieEmpresa, row.domicilioFiscal).has_value();
        if (exists && (inserting || ieChanged)) {
            const QString name =
                row.municipioNom.isEmpty() ? storage::MunicipalityNameByIBGE(*row.municipioID) : row.municipioNom;
            const QString message = municipality_msg::duplicateMunicipio(name);
            prompter.warn(message);
            return RowPost::discarded(message);
        }
        renameTwin = !exists && ieChanged && !original->ieEmpresa.isEmpty();
    }

    sql::WriteUnit unit(QStringLiteral("mercadmuni_row"));
    if (!unit.started()) return RowPost::failed(unit.error());
    QString error;
    if (inserting ? !insertRow(ctx.key, row, &error) : !updateRow(ctx.key, *original, row, &error))
        return RowPost::failed(error);

    RowPost out;
    if (ieChanged && !original->ieEmpresa.isEmpty()) {
        // The supplier's invoices go with its new IE.
        if (!renameSupplier(ctx.key, original->ieEmpresa, row.ieEmpresa, row.domicilioFiscal, false, &error))
            return RowPost::failed(error);
    }
    if (renameTwin) {
        const QString twin = otherDomicile(row.domicilioFiscal);
        if (!findMercadoria(ctx.key, row.ieEmpresa, twin)) {
            int renamed = 0;
            if (!renameSupplier(ctx.key, original->ieEmpresa, row.ieEmpresa, twin, true, &error, &renamed))
                return RowPost::failed(error);
            out.twinRenamed = renamed > 0;
        }
    }
    if (!ctx.bulkUpdate && ctx.mudaDomicilio && row.domicilioFiscal == QLatin1String("A") &&
        !findMercadoria(ctx.key, row.ieEmpresa, QStringLiteral("B"))) {
        MercadoriaRow twin;
        twin.ieEmpresa = row.ieEmpresa;
        twin.municipioID = row.municipioID;
        twin.domicilioFiscal = QStringLiteral("B");
        twin.cidadeID = ctx.cidadeB;
        if (!insertRow(ctx.key, twin, &error)) return RowPost::failed(error);
        out.twinCreated = true;
    }
    if (!unit.release(&error)) return RowPost::failed(error);
    return out;
}

bool deleteMercadoriaRowWithTwin(const MunicipalityContext& ctx, const MercadoriaRow& row, QString* error) {
    sql::WriteUnit unit(QStringLiteral("mercadmuni_delete"));
    if (!unit.started()) {
        if (error) *error = unit.error();
        return false;
    }
    if (!deleteSupplier(ctx.key, row.ieEmpresa, row.domicilioFiscal, error)) return false;
    if (ctx.mudaDomicilio && !deleteSupplier(ctx.key, row.ieEmpresa, otherDomicile(row.domicilioFiscal), error))
        return false;
    return unit.release(error);
}

std::optional<MercadoriaRow> existingMercadoriaRow(const MunicipalityContext& ctx, const MercadoriaRow& row,
                                                   const std::optional<MercadoriaRow>& original) {
    const QString ie = SoNumeros(row.ieEmpresa);
    if (ie.isEmpty()) return std::nullopt;
    // The row's own stored IE is no other row.
    if (original && original->ieEmpresa == ie && original->domicilioFiscal == row.domicilioFiscal)
        return std::nullopt;
    return findMercadoria(ctx.key, ie, row.domicilioFiscal);
}

Item16Totals item16Totals(const DeclarationKey& key, bool mudaDomicilio) {
    Item16Totals t;
    t.perDomicile = mudaDomicilio;
    QSqlQuery q;
    if (mudaDomicilio) {
        if (!sql::read(q,
                       QStringLiteral("SELECT DomicilioFiscal, sum(Valor) FROM MercadMuni") + kWhereKey +
                           QStringLiteral(" GROUP BY DomicilioFiscal"),
                       keyValues(key)))
            return t;
        while (q.next()) {
            const QString domicile = sql::text(q.value(0));
            if (domicile == QLatin1String("A")) t.a = money::round2(sql::real(q.value(1)));
            else if (domicile == QLatin1String("B")) t.b = money::round2(sql::real(q.value(1)));
        }
        return t;
    }
    if (sql::read(q, QStringLiteral("SELECT sum(Valor) FROM MercadMuni") + kWhereKey, keyValues(key)) && q.next())
        t.a = money::round2(sql::real(q.value(0)));
    return t;
}

} // namespace vexa::decl

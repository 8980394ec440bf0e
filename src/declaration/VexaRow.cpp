#include "declaration/VexaRow.h"

#include "declaration/DeclSql.h"
#include "storage/Portable.h"

#include <QSqlQuery>

namespace vexa::decl {

namespace {

// The columns after the key, in table order.
const QStringList& dataColumns() {
    static const QStringList c = {
        QStringLiteral("SaldoInicialCaixa"), QStringLiteral("SaldoFinalCaixa"), QStringLiteral("CRCContador"),
        QStringLiteral("UF"),                QStringLiteral("CPF"),             QStringLiteral("NomeResponsavel"),
        QStringLiteral("C51"),               QStringLiteral("C52"),             QStringLiteral("C53"),
        QStringLiteral("C79"),               QStringLiteral("C710"),            QStringLiteral("C61"),
        QStringLiteral("C62"),               QStringLiteral("C63"),             QStringLiteral("C64"),
        QStringLiteral("C72"),               QStringLiteral("C76"),             QStringLiteral("C77"),
        QStringLiteral("C81"),               QStringLiteral("C82"),             QStringLiteral("C83"),
        QStringLiteral("C84"),               QStringLiteral("C85"),             QStringLiteral("TipoEncerrante"),
        QStringLiteral("C74"),               QStringLiteral("ObsEncerrantes"),  QStringLiteral("MudaDomicilio"),
        QStringLiteral("CidadeB"),           QStringLiteral("DtIniA"),          QStringLiteral("DtFimA"),
        QStringLiteral("DtIniB"),            QStringLiteral("DtFimB"),          QStringLiteral("Importado"),
        QStringLiteral("C713"),              QStringLiteral("C714"),            QStringLiteral("C716")};
    return c;
}

QVariantList dataValues(const VexaRow& r) {
    using namespace sql;
    return {r.SaldoInicialCaixa,
            r.SaldoFinalCaixa,
            text(r.CRCContador),
            text(r.UF),
            text(r.CPF),
            text(r.NomeResponsavel),
            r.C51,
            r.C52,
            r.C53,
            r.C79,
            r.C710,
            r.C61,
            r.C62,
            r.C63,
            r.C64,
            r.C72,
            r.C76,
            r.C77,
            r.C81,
            r.C82,
            r.C83,
            r.C84,
            r.C85,
            text(r.TipoEncerrante),
            r.C74,
            text(r.ObsEncerrantes),
            text(r.MudaDomicilio),
            r.CidadeB == 0 ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(r.CidadeB),
            date(r.DtIniA),
            date(r.DtFimA),
            date(r.DtIniB),
            date(r.DtFimB),
            QVariant(r.Importado ? 1 : 0),
            r.C713,
            r.C714,
            r.C716};
}

VexaRow fromQuery(const QSqlQuery& q) {
    using namespace sql;
    VexaRow r;
    int i = 0;
    auto next = [&]() { return q.value(i++); };
    r.IE = text(next());
    r.Ano = text(next());
    r.Mes = text(next());
    r.Retificacao = text(next());
    r.SaldoInicialCaixa = real(next());
    r.SaldoFinalCaixa = real(next());
    r.CRCContador = text(next());
    r.UF = text(next());
    r.CPF = text(next());
    r.NomeResponsavel = text(next());
    r.C51 = real(next());
    r.C52 = real(next());
    r.C53 = real(next());
    r.C79 = real(next());
    r.C710 = real(next());
    r.C61 = real(next());
    r.C62 = real(next());
    r.C63 = real(next());
    r.C64 = real(next());
    r.C72 = real(next());
    r.C76 = real(next());
    r.C77 = real(next());
    r.C81 = real(next());
    r.C82 = real(next());
    r.C83 = real(next());
    r.C84 = real(next());
    r.C85 = real(next());
    r.TipoEncerrante = text(next());
    r.C74 = real(next());
    r.ObsEncerrantes = text(next());
    r.MudaDomicilio = text(next());
    r.CidadeB = integer(next());
    r.DtIniA = date(next());
    r.DtFimA = date(next());
    r.DtIniB = date(next());
    r.DtFimB = date(next());
    const QVariant imported = next();
    r.Importado = imported.isNull() ? true : flag(imported);
    r.C713 = real(next());
    r.C714 = real(next());
    r.C716 = real(next());
    r.VersaoRegistro = integer(next());
    return r;
}

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");

} // namespace

void VexaRow::setKey(const DeclarationKey& k) {
    IE = k.ie;
    Ano = k.ano;
    Mes = k.mes;
    Retificacao = k.retificacao;
}

VexaRow newVexaRow(const DeclarationKey& key) {
    VexaRow r;
    r.setKey(key);
    if (r.Retificacao.isEmpty()) r.Retificacao = QStringLiteral("00");
    return r;
}

const QStringList& vexaColumns() {
    static const QStringList all = QStringList{QStringLiteral("IE"), QStringLiteral("Ano"), QStringLiteral("Mes"),
                                               QStringLiteral("Retificacao")} +
                                   dataColumns();
    return all;
}

std::optional<VexaRow> loadVexa(const DeclarationKey& key) {
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT %1, COALESCE(VersaoRegistro, 0) FROM Vexas")
                           .arg(vexaColumns().join(QStringLiteral(", "))) +
                       kWhereKey,
                   keyValues(key)) ||
        !q.next())
        return std::nullopt;
    return fromQuery(q);
}

bool vexaExists(const DeclarationKey& key) {
    QSqlQuery q;
    return sql::read(q, QStringLiteral("SELECT IE FROM Vexas") + kWhereKey, keyValues(key)) && q.next();
}

bool insertVexa(const VexaRow& row, QString* error) {
    const QStringList cols = vexaColumns() + QStringList{QStringLiteral("VersaoRegistro")};
    QStringList marks;
    for (qsizetype i = 0; i < cols.size(); ++i) marks << QStringLiteral("?");
    // Prepared once: an import inserts a row per declaration.
    QSqlQuery* q = storage::keptStatement(QStringLiteral("INSERT INTO Vexas (%1) VALUES (%2)")
                                              .arg(cols.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))),
                                          error);
    if (!q) return false;
    const QVariantList values = keyValues(row.key()) + dataValues(row) + QVariantList{row.VersaoRegistro};
    for (int i = 0; i < values.size(); ++i) q->bindValue(i, values[i]);
    const bool ok = sql::exec(*q, error);
    q->finish();
    return ok;
}

bool updateVexa(const VexaRow& row, QString* error, bool* changedElsewhere) {
    if (changedElsewhere) *changedElsewhere = false;
    QStringList sets;
    for (const QString& c : dataColumns()) sets << c + QStringLiteral(" = ?");
    sets << QStringLiteral("VersaoRegistro = COALESCE(VersaoRegistro, 0) + 1");
    QSqlQuery q;
    if (!sql::run(q,
                  QStringLiteral("UPDATE Vexas SET %1").arg(sets.join(QStringLiteral(", "))) + kWhereKey +
                      QStringLiteral(" AND COALESCE(VersaoRegistro, 0) = ?"),
                  dataValues(row) + keyValues(row.key()) + QVariantList{row.VersaoRegistro}, error))
        return false;
    if (q.numRowsAffected() == 0) {
        if (vexaExists(row.key())) {
            if (changedElsewhere) *changedElsewhere = true;
            if (error) *error = QStringLiteral("A VEXA foi alterada em outra estação depois que foi aberta.");
        } else if (error) {
            *error = QStringLiteral("A VEXA não está mais gravada.");
        }
        return false;
    }
    return true;
}

} // namespace vexa::decl

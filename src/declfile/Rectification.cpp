#include "declfile/Rectification.h"

#include "declaration/CarryOver.h"
#include "declaration/DeclSql.h"
#include "declaration/VexaRow.h"
#include "storage/Database.h"
#include "storage/ReferenceLookups.h"
#include "storage/Schema.h"

#include <QSqlError>
#include <QSqlQuery>

namespace vexa::declfile {

namespace {

using decl::DeclarationKey;
namespace sql = decl::sql;

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

bool isRetificacao(const QString& column) {
    return column.compare(QStringLiteral("Retificacao"), Qt::CaseInsensitive) == 0;
}

// Deletes whatever the table holds under the new number (rows left by a
// declaration deleted before, say), then copies every row of the source under
// it, every column unchanged but `Retificacao`. A list kept in the order it
// was typed keeps that order; its row numbers are new ones.
bool copyTable(const QString& name, const DeclarationKey& from, const DeclarationKey& to, QString* error) {
    const storage::schema::Table* table = storage::schema::findTable(name);
    if (!table) {
        if (error) *error = QStringLiteral("A tabela %1 não existe no banco de dados.").arg(name);
        return false;
    }
    const QString where = QStringLiteral(" WHERE %1 = ? AND %2 = ? AND %3 = ? AND %4 = ?")
                              .arg(table->columns[0].name, table->columns[1].name, table->columns[2].name,
                                   table->columns[3].name);
    QSqlQuery q;
    if (!sql::run(q, QStringLiteral("DELETE FROM ") + table->name + where, keyValues(to), error)) return false;

    QStringList columns, selected;
    for (const storage::schema::Column& c : table->columns) {
        columns << c.name;
        selected << (isRetificacao(c.name) ? QStringLiteral("?") : c.name);
    }
    QString statement = QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1")
                            .arg(table->name, columns.join(QStringLiteral(", ")), selected.join(QStringLiteral(", "))) +
                        where;
    if (table->rowNumber) statement += QStringLiteral(" ORDER BY Seq");
    return sql::run(q, statement, QVariantList{to.retificacao} + keyValues(from), error);
}

// The declaration row of N: the typed items of S, the carried ones from the
// previous month when above 0 (else S's), everything computed left to the screen.
decl::VexaRow rectifyingRow(const decl::VexaRow& s, const DeclarationKey& to) {
    decl::VexaRow n = decl::newVexaRow(to);
    n.SaldoInicialCaixa = s.SaldoInicialCaixa;
    n.SaldoFinalCaixa = s.SaldoFinalCaixa;
    n.CRCContador = s.CRCContador;
    n.UF = s.UF;
    n.CPF = s.CPF;
    n.NomeResponsavel = s.NomeResponsavel;
    n.C51 = s.C51;
    n.C52 = s.C52;
    n.C53 = s.C53;
    n.C61 = s.C61;
    n.C62 = s.C62;
    n.C63 = s.C63;
    n.C72 = s.C72;
    n.C76 = s.C76;
    n.C79 = s.C79;
    n.C713 = s.C713;
    n.C81 = s.C81;
    n.C82 = s.C82;
    n.C83 = s.C83;
    n.C84 = s.C84;
    n.C85 = s.C85;
    n.TipoEncerrante = s.TipoEncerrante;
    n.ObsEncerrantes = s.ObsEncerrantes;
    n.MudaDomicilio = s.MudaDomicilio;
    n.DtIniA = s.DtIniA;
    n.DtFimA = s.DtFimA;
    n.DtIniB = s.DtIniB;
    n.DtFimB = s.DtFimB;
    n.CidadeB = s.CidadeB;

    auto carried = [](double carry, double own) { return carry > 0 ? carry : own; };
    n.C64 = carried(decl::carryC64(to), s.C64);
    n.C77 = carried(decl::carryC77(to), s.C77);
    // Item 7.10 is carried from 03/2012 on.
    n.C710 = carried(to.yyyymm() < QLatin1String("201203") ? 0 : decl::carryC710(to), s.C710);
    n.C714 = carried(decl::carryC714(to), s.C714);
    return n;
}

} // namespace

const QStringList& rectificationTables() {
    static const QStringList tables = {
        QStringLiteral("MovimentacaoPorOperacoes42"), QStringLiteral("MovimentacaoPorUF"),
        QStringLiteral("DemostrativoEstoque"),        QStringLiteral("ICMSRecolher"),
        QStringLiteral("SaidasMun"),                  QStringLiteral("Encerrantes"),
        QStringLiteral("EstTanque"),                  QStringLiteral("InfoAlcool"),
        QStringLiteral("Tare"),                       QStringLiteral("OutrosCred"),
        QStringLiteral("OutrosDeb"),                  QStringLiteral("Deducoes"),
        QStringLiteral("Aliquota"),                   QStringLiteral("AliquotaComp"),
        QStringLiteral("AliquotaConsumidor"),         QStringLiteral("MercadMuni"),
        QStringLiteral("NotasFiscal")};
    return tables;
}

QString nextRetificacao(const QString& retificacao) {
    bool ok = false;
    const int n = retificacao.toInt(&ok);
    if (!ok || retificacao.size() != 2 || n < 0 || n >= 99) return {};
    return QStringLiteral("%1").arg(n + 1, 2, 10, QLatin1Char('0'));
}

RectifyResult rectifyDeclaration(const QString& ie, const QString& ano, const QString& mes) {
    RectifyResult result;
    const QString latest = storage::LatestRectification(ie, ano, mes);
    result.source = DeclarationKey{ie, ano, mes, latest};
    const std::optional<decl::VexaRow> source = latest.isEmpty() ? std::nullopt : decl::loadVexa(result.source);
    if (!source) {
        result.noDeclaration = true;
        result.error = QStringLiteral("Nenhuma VEXA de %1/%2 da Inscrição Estadual %3 para retificar.").arg(mes, ano, ie);
        return result;
    }
    const QString next = nextRetificacao(latest);
    if (next.isEmpty()) {
        result.error = QStringLiteral("A retificação %1 não tem sucessora de dois dígitos.").arg(latest);
        return result;
    }
    const DeclarationKey to{ie, ano, mes, next};

    storage::Transaction transaction;
    if (!transaction.started()) {
        result.error = storage::db().lastError().text();
        return result;
    }
    for (const QString& table : rectificationTables()) {
        if (!copyTable(table, result.source, to, &result.error)) return result;   // rolled back
    }
    if (!decl::insertVexa(rectifyingRow(*source, to), &result.error)) return result;
    if (!transaction.commit()) {
        result.error = storage::db().lastError().text();
        return result;
    }
    result.created = to;
    result.ok = true;
    return result;
}

} // namespace vexa::declfile

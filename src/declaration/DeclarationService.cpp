#include "declaration/DeclarationService.h"

#include "declaration/CarryOver.h"
#include "declaration/ChildTables.h"
#include "declaration/DeclSql.h"
#include "declaration/DeclarationChecks.h"
#include "registry/Contribuintes.h"
#include "storage/Database.h"
#include "storage/Portable.h"
#include "storage/ReferenceLookups.h"

#include <QSqlQuery>

namespace vexa::decl {

namespace {

QVariantList keyValues(const DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }
const QString kWhereKey = QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");
// The declaration screen shows only the rows whose `Importado` is true.
const QString kImported = QStringLiteral("COALESCE(Importado, 1) <> 0");

SaveResult failed(const QString& error, bool wasNew) {
    SaveResult r;
    r.error = error.isEmpty() ? QStringLiteral("A VEXA não pôde ser gravada.") : error;
    if (storage::connectionWasLost()) r.error = storage::connectionLostMessage();
    r.wasNew = wasNew;
    return r;
}

SaveResult changedElsewhere(bool wasNew) {
    SaveResult r;
    r.error = kChangedElsewhere;
    r.changedElsewhere = true;
    r.wasNew = wasNew;
    return r;
}

// The accountant and declarant of the taxpayer's latest declaration.
void copyAccountantFields(VexaRow& row) {
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT CRCContador, UF, CPF, NomeResponsavel FROM Vexas WHERE IE = ? "
                                  "ORDER BY Ano DESC, Mes DESC, Retificacao DESC LIMIT 1"),
                   {row.IE}) ||
        !q.next())
        return;
    row.CRCContador = sql::text(q.value(0));
    row.UF = sql::text(q.value(1));
    row.CPF = sql::text(q.value(2));
    row.NomeResponsavel = sql::text(q.value(3));
}

// The rows a new declaration brings with it: the code-98 other debit and,
// for a fuel retailer, the pump meters and tanks of the previous period.
bool insertNewDeclarationRows(const VexaRow& row, QString* error) {
    const DeclarationKey key = row.key();
    const double code98 = code98Reinstatement(key);
    if (code98 > 0 && !insertCode98Debit(key, code98, error)) return false;
    const std::optional<registry::Contribuinte> taxpayer = registry::findTaxpayer(row.IE);
    if (taxpayer && taxpayer->AtividadeEconomicaPrincip == kFuelRetailActivity) {
        const DeclarationKey source = pumpSourceDeclaration(key);
        if (!source.retificacao.isEmpty() && !copyPumpsAndTanks(source, key, error)) return false;
    }
    return true;
}

bool run(const QString& statement, const QVariantList& values, QString* error) {
    QSqlQuery q;
    return sql::run(q, statement, values, error);
}

} // namespace

ProposedPeriod proposedPeriod(const Clock& clock) {
    const QDate d = clock.today().addDays(-30);
    return {d.toString(QStringLiteral("MM")), d.toString(QStringLiteral("yyyy"))};
}

QString latestRetificacao(const QString& ie, const QString& ano, const QString& mes) {
    const QString latest = storage::LatestRectification(ie, ano, mes);
    return latest.isEmpty() ? QStringLiteral("00") : latest;
}

QString monthText(const QString& typed) {
    bool ok = false;
    const int m = typed.trimmed().toInt(&ok);
    return ok ? twoDigitMonth(m) : QString();
}

VexaRow prepareNewDeclaration(const DeclarationKey& key) {
    DeclarationKey k = key;
    k.retificacao = QStringLiteral("00");
    VexaRow row = newVexaRow(k);
    applyCarryOver(row);
    return row;
}

OpenedDeclaration openDeclaration(const QString& ie, const QString& mes, const QString& ano) {
    const QString month = monthText(mes).isEmpty() ? mes : monthText(mes);
    const DeclarationKey key{ie, ano, month, latestRetificacao(ie, ano, month)};
    if (std::optional<VexaRow> stored = loadVexa(key)) return {*stored, false};
    return {prepareNewDeclaration(key), true};
}

SaveResult postDeclaration(VexaRow& row, bool isNew) {
    if (isNew) {
        SaveResult refused;
        refused.wasNew = true;
        refused.check = checkPostingPeriod(row.key());
        if (!refused.check) return refused;
        copyAccountantFields(row);
    }

    QString error;
    bool ok = true;
    bool elsewhere = false;
    {
        sql::WriteUnit unit(QStringLiteral("save_declaration"));
        if (!unit.started()) return failed(unit.error(), isNew);
        if (isNew) {
            // The taxpayer stays registered while its new declaration is written
            // (another workstation deleting it waits, then sees the declaration).
            bool registered = false;
            ok = storage::lockRows(QStringLiteral("Contribuintes"), QStringLiteral("IE = ?"), {row.IE},
                                   storage::RowLock::Share, &registered, &error);
            if (ok && !registered) {
                SaveResult refused;
                refused.wasNew = true;
                refused.check = CheckResult::fail(vexa_msg::IENaoLocalizada, vexa_field::IE);
                return refused;
            }
            ok = ok && insertVexa(row, &error) && insertNewDeclarationRows(row, &error);
        } else {
            const std::optional<VexaRow> stored = loadVexa(row.key());
            ok = updateVexa(row, &error, &elsewhere);
            if (ok && stored && stored->MudaDomicilio != row.MudaDomicilio) {
                ok = row.changedDomicile() ? createAllDomicileBRows(row.key(), row.CidadeB, &error)
                                           : removeAllDomicileBRows(row.key(), &error);
            }
        }
        if (ok) ok = unit.release(&error);
        if (!ok) unit.rollback();
    }
    if (!ok) {
        // A new row refused because another workstation stored the same key a moment before.
        if (isNew && !storage::connectionWasLost() && vexaExists(row.key())) elsewhere = true;
        return elsewhere ? changedElsewhere(isNew) : failed(error, isNew);
    }
    if (!isNew) ++row.VersaoRegistro;
    SaveResult done;
    done.saved = true;
    done.wasNew = isNew;
    return done;
}

SaveResult saveDeclaration(VexaRow& row, bool isNew, Sheet sheet) {
    if (CheckResult check = checkSave(row, sheet); !check) {
        SaveResult r;
        r.check = check;
        r.wasNew = isNew;
        return r;
    }
    return postDeclaration(row, isNew);
}

DeleteOutcome deleteDeclaration(const DeclarationKey& key, Prompter& prompter, QString* error) {
    if (!vexaExists(key)) return DeleteOutcome::NotFound;
    if (!prompter.ask(vexa_msg::ConfirmaExclusaoVexa)) return DeleteOutcome::NotConfirmed;
    return deleteDeclarationRows(key, error) ? DeleteOutcome::Deleted : DeleteOutcome::Failed;
}

bool alignWithRegime(const DeclarationKey& key, const QString& tipoRegime, QString* error) {
    const QVariantList k = keyValues(key);
    sql::WriteUnit unit(QStringLiteral("align_declaration"));
    if (!unit.started()) {
        if (error) *error = unit.error();
        return false;
    }
    bool ok = true;
    if (tipoRegime != QLatin1String("S")) {
        ok = run(QStringLiteral("UPDATE Vexas SET C79 = 0") + kWhereKey, k, error) &&
             run(QStringLiteral("DELETE FROM AliquotaComp") + kWhereKey, k, error) &&
             run(QStringLiteral("DELETE FROM ICMSRecolher") + kWhereKey + QStringLiteral(" AND TipoApuracao = ?"),
                 k + QVariantList{QStringLiteral("C")}, error);
    } else {
        ok = run(QStringLiteral("UPDATE Vexas SET C51 = 0, C52 = 0, C53 = 0, C72 = 0, C61 = 0, C62 = 0, C63 = 0, "
                                "C64 = 0") +
                     kWhereKey,
                 k, error) &&
             run(QStringLiteral("DELETE FROM OutrosCred") + kWhereKey, k, error) &&
             run(QStringLiteral("DELETE FROM ICMSRecolher") + kWhereKey + QStringLiteral(" AND TipoApuracao = ?"),
                 k + QVariantList{QStringLiteral("N")}, error) &&
             run(QStringLiteral("UPDATE MovimentacaoPorOperacoes42 SET BaseCalculo = 0, ImpostoCreditado = 0, "
                                "IsentasNaoTributadas = 0") +
                     kWhereKey,
                 k, error) &&
             run(QStringLiteral("UPDATE MovimentacaoPorUF SET BaseCalculoA = 0, BaseCalculoB = 0, "
                                "CredDebImpostoA = 0, CredDebImpostoB = 0, IsentasNaoTributadas = 0") +
                     kWhereKey,
                 k, error) &&
             run(QStringLiteral("UPDATE DemostrativoEstoque SET EIIsentasNaoTributadas = 0, "
                                "EFIsentasNaoTributadas = 0, EIOutras = 0, EFOutras = 0") +
                     kWhereKey,
                 k, error);
    }
    return ok && unit.release(error);
}

bool alignWithRegime(const DeclarationKey& key, QString* error) {
    return alignWithRegime(key, taxpayerRegime(key.ie), error);
}

std::optional<VexaRow> locateDeclaration(const QString& ie, const QString& mmyyyy, const QString& retificacao,
                                         QString* error) {
    const DeclarationKey key{ie, mmyyyy.mid(2, 4), mmyyyy.left(2), retificacao};
    if (!alignWithRegime(key, error)) return std::nullopt;
    std::optional<VexaRow> row = loadVexa(key);
    if (!row && error && error->isEmpty()) *error = QStringLiteral("VEXA não localizada.");
    return row;
}

std::optional<DeclarationKey> moveDeclaration(Move move, const DeclarationKey& from) {
    const QString columns = QStringLiteral("SELECT IE, Ano, Mes, Retificacao FROM Vexas WHERE ") + kImported;
    const QString ascending = QStringLiteral(" ORDER BY IE, Ano, Mes, Retificacao LIMIT 1");
    const QString descending = QStringLiteral(" ORDER BY IE DESC, Ano DESC, Mes DESC, Retificacao DESC LIMIT 1");
    QString statement;
    QVariantList values;
    switch (move) {
    case Move::First: statement = columns + ascending; break;
    case Move::Last: statement = columns + descending; break;
    case Move::Next:
        statement = columns + QStringLiteral(" AND (IE, Ano, Mes, Retificacao) > (?, ?, ?, ?)") + ascending;
        values = keyValues(from);
        break;
    case Move::Previous:
        statement = columns + QStringLiteral(" AND (IE, Ano, Mes, Retificacao) < (?, ?, ?, ?)") + descending;
        values = keyValues(from);
        break;
    }
    QSqlQuery q;
    if (!sql::read(q, statement, values) || !q.next()) return std::nullopt;
    return DeclarationKey{sql::text(q.value(0)), sql::text(q.value(1)), sql::text(q.value(2)), sql::text(q.value(3))};
}

bool hasPreviousDeclaration(const DeclarationKey& key) { return moveDeclaration(Move::Previous, key).has_value(); }
bool hasNextDeclaration(const DeclarationKey& key) { return moveDeclaration(Move::Next, key).has_value(); }

QList<DeclarationListItem> listDeclarations(const QString& mmyyyy) {
    QString statement = QStringLiteral(
        "SELECT v.IE, v.Ano, v.Mes, v.Retificacao, c.RazaoSocial FROM Vexas v "
        "LEFT JOIN Contribuintes c ON c.IE = v.IE WHERE COALESCE(v.Importado, 1) <> 0");
    QVariantList values;
    if (!mmyyyy.isEmpty()) {
        statement += QStringLiteral(" AND v.Mes = ? AND v.Ano = ?");
        values << mmyyyy.left(2) << mmyyyy.mid(2);
    }
    statement += QStringLiteral(" ORDER BY v.IE, v.Ano, v.Mes, v.Retificacao");
    QList<DeclarationListItem> items;
    QSqlQuery q;
    if (!sql::read(q, statement, values)) return items;
    while (q.next()) {
        DeclarationListItem item;
        item.key = {sql::text(q.value(0)), sql::text(q.value(1)), sql::text(q.value(2)), sql::text(q.value(3))};
        item.razaoSocial = sql::text(q.value(4));
        items << item;
    }
    return items;
}

qint64 taxpayerCityIBGE(const QString& ie) {
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT m.CodIBGE FROM Contribuintes c JOIN Municipios m "
                                  "ON m.CodigoID = c.MunicipioID WHERE c.IE = ?"),
                   {ie}) ||
        !q.next())
        return 0;
    return sql::integer(q.value(0));
}

QString taxpayerRegime(const QString& ie) {
    const std::optional<registry::Contribuinte> t = registry::findTaxpayer(ie);
    return t ? t->TipoRegime : QString();
}

} // namespace vexa::decl

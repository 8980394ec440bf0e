#include "registry/Contribuintes.h"

#include "common/DocumentChecks.h"
#include "registry/RegistrySql.h"
#include "storage/Database.h"
#include "storage/Portable.h"
#include "storage/ReferenceLookups.h"

#include <QSqlQuery>

namespace vexa::registry {

namespace {

const QString kColumns = QStringLiteral(
    "IE, RazaoSocial, CGC_CPF, MunicipioID, Senha, NovaSenha, AtividadeEconomicaPrincip, "
    "TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, TipoRegime, EmailCont, UF");

Contribuinte fromQuery(const QSqlQuery& q) {
    Contribuinte c;
    c.IE = sql::text(q.value(0));
    c.RazaoSocial = sql::text(q.value(1));
    c.CGC_CPF = sql::text(q.value(2));
    c.MunicipioID = sql::text(q.value(3));
    c.Senha = sql::text(q.value(4));
    c.NovaSenha = sql::text(q.value(5));
    c.AtividadeEconomicaPrincip = sql::text(q.value(6));
    c.TipoEstabelecimento = sql::text(q.value(7));
    c.PortadorTare = sql::flag(q.value(8));
    c.TipoEscrituracao = sql::text(q.value(9));
    c.UsuarioECF = sql::flag(q.value(10));
    c.TipoRegime = sql::text(q.value(11));
    c.EmailCont = sql::text(q.value(12));
    c.UF = sql::text(q.value(13));
    return c;
}

bool rowExists(const QString& ie) {
    QSqlQuery q;
    return sql::read(q, QStringLiteral("SELECT IE FROM Contribuintes WHERE IE = ?"), {ie}) && q.next();
}

} // namespace

std::optional<Contribuinte> findTaxpayer(const QString& ie) {
    if (ie.isEmpty()) return std::nullopt;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT %1 FROM Contribuintes WHERE IE = ?").arg(kColumns), {ie}) || !q.next())
        return std::nullopt;
    return fromQuery(q);
}

Contribuinte newTaxpayer(const QString& ie) {
    Contribuinte c;
    c.IE = ie;
    c.TipoEstabelecimento = QStringLiteral("U");
    c.TipoEscrituracao = QStringLiteral("F");
    c.TipoRegime = QStringLiteral("N");
    c.UsuarioECF = false;
    c.PortadorTare = false;
    return c;
}

CheckResult checkNewIE(const QString& typedIE) {
    if (typedIE.trimmed().isEmpty()) return CheckResult::fail(taxpayer_msg::InformeIE, taxpayer_field::IE);
    if (!IsValidIE(typedIE)) return CheckResult::fail(taxpayer_msg::IEInvalida, taxpayer_field::IE);
    return CheckResult::pass();
}

QString municipalityShown(const Contribuinte& row) {
    if (row.MunicipioID.isEmpty() || row.UF.isEmpty()) return {};
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT Descricao FROM Municipios WHERE CodigoID = ? AND UF = ?"),
             {row.MunicipioID, row.UF}) ||
        !q.next())
        return {};
    return sql::text(q.value(0));
}

CheckResult checkTaxpayer(const Contribuinte& row, bool passwordAsked) {
    using namespace taxpayer_msg;
    namespace f = taxpayer_field;
    if (!row.PortadorTare && !IsValidIE(row.IE)) return CheckResult::fail(IEInformadaInvalida, f::IE);
    if (row.RazaoSocial.trimmed().isEmpty()) return CheckResult::fail(NomeVazio, f::RazaoSocial);
    if (!storage::ActivityExists(row.AtividadeEconomicaPrincip))
        return CheckResult::fail(AtividadeNaoCadastrada, f::Atividade);
    if (municipalityShown(row).trimmed().isEmpty()) return CheckResult::fail(MunicipioVazio, f::Municipio);
    const QString& doc = row.CGC_CPF;
    if (!(IsValidCNPJ(doc) || IsValidCPF(doc)) || AllSameCharacter(doc))
        return CheckResult::fail(DocumentoInvalido, f::CgcCpf);
    if (passwordAsked && row.NovaSenha.trimmed().isEmpty()) return CheckResult::fail(SenhaVazia, f::Senha);
    if (row.TipoRegime != QLatin1String("N") && row.TipoRegime != QLatin1String("S"))
        return CheckResult::fail(RegimeVazio, f::Regime);
    if (row.EmailCont.trimmed().isEmpty()) return CheckResult::fail(EmailVazio, f::Email);
    return CheckResult::pass();
}

bool saveTaxpayer(const Contribuinte& row, QString* error) {
    QSqlQuery q;
    const bool exists = rowExists(row.IE);
    const QString statement =
        exists ? QStringLiteral(
                     "UPDATE Contribuintes SET RazaoSocial = ?, CGC_CPF = ?, MunicipioID = ?, Senha = ?, "
                     "NovaSenha = ?, AtividadeEconomicaPrincip = ?, TipoEstabelecimento = ?, PortadorTare = ?, "
                     "TipoEscrituracao = ?, UsuarioECF = ?, TipoRegime = ?, EmailCont = ?, UF = ? WHERE IE = ?")
               : QStringLiteral(
                     "INSERT INTO Contribuintes (RazaoSocial, CGC_CPF, MunicipioID, Senha, NovaSenha, "
                     "AtividadeEconomicaPrincip, TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, "
                     "TipoRegime, EmailCont, UF, IE) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!sql::prepare(q, statement, error)) return false;
    for (const QVariant& v : {sql::text(row.RazaoSocial), sql::text(row.CGC_CPF), sql::text(row.MunicipioID),
                              sql::text(row.Senha), sql::text(row.NovaSenha),
                              sql::text(row.AtividadeEconomicaPrincip), sql::text(row.TipoEstabelecimento),
                              QVariant(row.PortadorTare ? 1 : 0), sql::text(row.TipoEscrituracao),
                              QVariant(row.UsuarioECF ? 1 : 0), sql::text(row.TipoRegime),
                              sql::text(row.EmailCont), sql::text(row.UF), QVariant(row.IE)})
        q.addBindValue(v);
    return sql::exec(q, error);
}

QString storedPassword(const QString& ie) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT NovaSenha FROM Contribuintes WHERE IE = ?"), {ie}) || !q.next())
        return {};
    return sql::text(q.value(0));
}

bool clearTaxpayerPassword(const QString& ie, QString* error) {
    QSqlQuery q;
    if (!sql::prepare(q, QStringLiteral("UPDATE Contribuintes SET Senha = NULL, NovaSenha = NULL WHERE IE = ?"),
                      error))
        return false;
    q.addBindValue(ie);
    return sql::exec(q, error);
}

DeleteOutcome deleteTaxpayer(const QString& ie, Prompter& prompter, QString* error) {
    // Any declaration row keeps the taxpayer, whatever its period or rectification.
    if (storage::TaxpayerHasDeclarations(ie)) {
        prompter.warn(taxpayer_msg::TemVexa);
        return DeleteOutcome::HasDeclarations;
    }
    if (!rowExists(ie)) return DeleteOutcome::NotFound;
    if (!prompter.ask(taxpayer_msg::ConfirmaExclusao)) return DeleteOutcome::NotConfirmed;
    // Another workstation may be saving a declaration of the taxpayer right
    // now: with the row locked, that save is waited for and seen (or it waits
    // and finds the taxpayer gone), so no declaration is left without its taxpayer.
    storage::Transaction transaction;
    if (!transaction.started()) {
        if (error) *error = transaction.error();
        return DeleteOutcome::Failed;
    }
    bool found = false;
    if (!storage::lockRows(QStringLiteral("Contribuintes"), QStringLiteral("IE = ?"), {ie},
                           storage::RowLock::Exclusive, &found, error))
        return DeleteOutcome::Failed;
    if (!found) return DeleteOutcome::NotFound;
    if (storage::TaxpayerHasDeclarations(ie)) {
        prompter.warn(taxpayer_msg::TemVexa);
        return DeleteOutcome::HasDeclarations;
    }
    QSqlQuery q;
    if (!sql::prepare(q, QStringLiteral("DELETE FROM Contribuintes WHERE IE = ?"), error))
        return DeleteOutcome::Failed;
    q.addBindValue(ie);
    if (!sql::exec(q, error)) return DeleteOutcome::Failed;
    if (!transaction.commit()) {
        if (error) *error = transaction.error();
        return DeleteOutcome::Failed;
    }
    return DeleteOutcome::Deleted;
}

QString moveTaxpayer(Move move, const QString& from) {
    QString statement;
    QVariantList values;
    switch (move) {
    case Move::First: statement = QStringLiteral("SELECT IE FROM Contribuintes ORDER BY IE LIMIT 1"); break;
    case Move::Last: statement = QStringLiteral("SELECT IE FROM Contribuintes ORDER BY IE DESC LIMIT 1"); break;
    case Move::Prior:
        statement = QStringLiteral("SELECT IE FROM Contribuintes WHERE IE < ? ORDER BY IE DESC LIMIT 1");
        values << from;
        break;
    case Move::Next:
        statement = QStringLiteral("SELECT IE FROM Contribuintes WHERE IE > ? ORDER BY IE LIMIT 1");
        values << from;
        break;
    }
    if ((move == Move::Prior || move == Move::Next) && from.isEmpty()) return moveTaxpayer(Move::First, {});
    QSqlQuery q;
    if (sql::read(q, statement, values) && q.next()) return sql::text(q.value(0));
    // Before the first or past the last: stay on the current row when it still exists.
    if (move == Move::First || move == Move::Last) return {};
    if (rowExists(from)) return from;
    // The row left behind is gone and nothing lies beyond it: the other end.
    return moveTaxpayer(move == Move::Next ? Move::Last : Move::First, {});
}

QList<Contribuinte> allTaxpayers() {
    QList<Contribuinte> rows;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT %1 FROM Contribuintes ORDER BY IE").arg(kColumns), {})) return rows;
    while (q.next()) rows << fromQuery(q);
    return rows;
}

} // namespace vexa::registry

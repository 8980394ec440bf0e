#include "registry/Responsaveis.h"

#include "common/DocumentChecks.h"
#include "common/StateCodes.h"
#include "registry/RegistrySql.h"

#include <QSqlQuery>

namespace vexa::registry {

namespace {

const QString kColumns = QStringLiteral("CRC, UF, Nome, Telefone, CPFCGC, email");

Declarante fromQuery(const QSqlQuery& q) {
    Declarante d;
    d.CRC = sql::text(q.value(0));
    d.UF = sql::text(q.value(1));
    d.Nome = sql::text(q.value(2));
    d.Telefone = sql::text(q.value(3));
    d.CPFCGC = sql::text(q.value(4));
    d.email = sql::text(q.value(5));
    return d;
}

bool keyExists(const QString& crc, const QString& uf) {
    QSqlQuery q;
    return sql::read(q, QStringLiteral("SELECT CRC FROM Declarante WHERE CRC = ? AND UF = ?"), {crc, uf}) && q.next();
}

AccountantKey keyOf(const QSqlQuery& q) { return {sql::text(q.value(0)), sql::text(q.value(1))}; }

} // namespace

QString crcKey(const QString& typed) { return typed.left(accountant_width::CRCKey); }

std::optional<Declarante> findAccountant(const QString& crc, const QString& uf) {
    const QString key = crcKey(crc);
    if (key.isEmpty() || uf.isEmpty()) return std::nullopt;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT %1 FROM Declarante WHERE CRC = ? AND UF = ?").arg(kColumns), {key, uf}) ||
        !q.next())
        return std::nullopt;
    return fromQuery(q);
}

Declarante newAccountant(const QString& crc, const QString& uf) {
    Declarante d;
    d.CRC = crcKey(crc);
    d.UF = uf;
    return d;
}

CheckResult checkAccountantUF(const QString& uf) {
    if (!IsLetterStateCode(uf)) return CheckResult::fail(accountant_msg::UFInvalida, accountant_field::UF);
    return CheckResult::pass();
}

CheckResult checkAccountantKey(const QString& crc, const QString& uf) {
    if (CheckResult state = checkAccountantUF(uf); !state) return state;
    if (crcKey(crc).trimmed().isEmpty())
        return CheckResult::fail(accountant_msg::CRCVazio, accountant_field::CRC);
    return CheckResult::pass();
}

CheckResult checkAccountant(const Declarante& row) {
    using namespace accountant_msg;
    namespace f = accountant_field;
    if (!IsLetterStateCode(row.UF)) return CheckResult::fail(UFInvalida);
    if (row.Nome.trimmed().isEmpty()) return CheckResult::fail(NomeVazio, f::Nome);
    // A CPF of one repeated digit passes here: only the check digits are tested.
    if (!IsValidCPF(row.CPFCGC)) return CheckResult::fail(CPFInvalido, f::CPF);
    if (row.email.trimmed().isEmpty()) return CheckResult::fail(EmailVazio, f::Email);
    return CheckResult::pass();
}

bool saveAccountant(const Declarante& row, QString* error) {
    const QString crc = crcKey(row.CRC);
    const bool exists = keyExists(crc, row.UF);
    QSqlQuery q;
    const QString statement =
        exists ? QStringLiteral("UPDATE Declarante SET Nome = ?, Telefone = ?, CPFCGC = ?, email = ? "
                                "WHERE CRC = ? AND UF = ?")
               : QStringLiteral("INSERT INTO Declarante (Nome, Telefone, CPFCGC, email, CRC, UF) "
                                "VALUES (?, ?, ?, ?, ?, ?)");
    if (!sql::prepare(q, statement, error)) return false;
    for (const QVariant& v : {sql::text(row.Nome), sql::text(row.Telefone), sql::text(row.CPFCGC),
                              sql::text(row.email), QVariant(crc), QVariant(row.UF)})
        q.addBindValue(v);
    return sql::exec(q, error);
}

AccountantDeleteOutcome deleteAccountant(const QString& crc, const QString& uf, Prompter& prompter,
                                         QString* error) {
    const QString key = crcKey(crc);
    if (!keyExists(key, uf)) return AccountantDeleteOutcome::NotFound;
    if (!prompter.ask(accountant_msg::ConfirmaExclusao)) return AccountantDeleteOutcome::NotConfirmed;
    QSqlQuery q;
    if (!sql::prepare(q, QStringLiteral("DELETE FROM Declarante WHERE CRC = ? AND UF = ?"), error))
        return AccountantDeleteOutcome::Failed;
    q.addBindValue(key);
    q.addBindValue(uf);
    return sql::exec(q, error) ? AccountantDeleteOutcome::Deleted : AccountantDeleteOutcome::Failed;
}

AccountantKey moveAccountant(AccountantMove move, const AccountantKey& from) {
    QSqlQuery q;
    bool ok = false;
    switch (move) {
    case AccountantMove::First:
        ok = sql::read(q, QStringLiteral("SELECT CRC, UF FROM Declarante ORDER BY CRC, UF LIMIT 1"), {});
        break;
    case AccountantMove::Last:
        ok = sql::read(q, QStringLiteral("SELECT CRC, UF FROM Declarante ORDER BY CRC DESC, UF DESC LIMIT 1"), {});
        break;
    case AccountantMove::Prior:
        ok = sql::read(q,
                 QStringLiteral("SELECT CRC, UF FROM Declarante WHERE CRC < ? OR (CRC = ? AND UF < ?) "
                                "ORDER BY CRC DESC, UF DESC LIMIT 1"),
                 {from.crc, from.crc, from.uf});
        break;
    case AccountantMove::Next:
        ok = sql::read(q,
                 QStringLiteral("SELECT CRC, UF FROM Declarante WHERE CRC > ? OR (CRC = ? AND UF > ?) "
                                "ORDER BY CRC, UF LIMIT 1"),
                 {from.crc, from.crc, from.uf});
        break;
    }
    if (ok && q.next()) return keyOf(q);
    if (move == AccountantMove::First || move == AccountantMove::Last) return {};
    if (keyExists(from.crc, from.uf)) return from;
    // The row left behind is gone and nothing lies beyond it: the other end.
    return moveAccountant(move == AccountantMove::Next ? AccountantMove::Last : AccountantMove::First, {});
}

QList<Declarante> allAccountants() {
    QList<Declarante> rows;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT %1 FROM Declarante ORDER BY CRC, UF").arg(kColumns), {})) return rows;
    while (q.next()) rows << fromQuery(q);
    return rows;
}

} // namespace vexa::registry

#pragma once
// The accountant registry: table `Declarante`, the accountants who sign
// declarations, keyed by the CRC (its first 10 characters) with the state of
// that council registration. Finding by key, a new row, the save checks in
// their fixed order and deleting. No screen code here.

#include "common/Check.h"
#include "common/Prompter.h"

#include <QList>
#include <QString>
#include <optional>

namespace vexa::registry {

struct Declarante {
    QString CRC;        // the first 10 characters of what was typed
    QString UF;         // letter code of the council's state
    QString Nome;
    QString Telefone;
    QString CPFCGC;     // 11 digits
    QString email;

    bool operator==(const Declarante&) const = default;
};

namespace accountant_field {
inline const QString CRC = QStringLiteral("CRC");
inline const QString UF = QStringLiteral("UF");
inline const QString Nome = QStringLiteral("Nome");
inline const QString CPF = QStringLiteral("CPFCGC");
inline const QString Email = QStringLiteral("email");
} // namespace accountant_field

namespace accountant_width {
inline constexpr int CRCTyped = 11;   // what the CRC field takes
inline constexpr int CRCKey = 10;     // what the key and a declaration keep
inline constexpr int UF = 2;
inline constexpr int Nome = 50;
inline constexpr int Telefone = 20;   // typed; the column is wider
inline constexpr int CPFCGC = 11;
inline constexpr int Email = 60;
} // namespace accountant_width

namespace accountant_msg {
inline const QString UFInvalida = QStringLiteral("UF informada inválida!!!");
inline const QString NomeVazio = QStringLiteral("Nome do Cotabilista deve ser informado!!!");
inline const QString CPFInvalido = QStringLiteral("CPF Contabilista Inválido!!!");
inline const QString EmailVazio = QStringLiteral("E-mail do Contabilista deve ser informado!!!");
inline const QString ConfirmaExclusao = QStringLiteral("Confirma Exclusão");
// A key without a CRC would make a row no one can find again.
inline const QString CRCVazio = QStringLiteral("CRC do Contabilista deve ser informado!!!");
} // namespace accountant_msg

// The CRC as the key keeps it: the first 10 characters of what was typed.
QString crcKey(const QString& typed);

// The accountant with that CRC (first 10 characters taken) and state, or none.
std::optional<Declarante> findAccountant(const QString& crc, const QString& uf);

// A new row with that CRC (first 10 characters) and state.
Declarante newAccountant(const QString& crc, const QString& uf);

// The state of the key: one of the 28 letter codes ("EX" included).
CheckResult checkAccountantUF(const QString& uf);

// Leaving the UF field: the state check, then a CRC must have been typed.
CheckResult checkAccountantKey(const QString& crc, const QString& uf);

// The checks of "&Gravar", in their order. A failed state check names no
// field (the focus stays where it is).
CheckResult checkAccountant(const Declarante& row);

// Writes the row, inserting it when its key is new.
bool saveAccountant(const Declarante& row, QString* error);

enum class AccountantDeleteOutcome { Deleted, NotConfirmed, NotFound, Failed };

// Asks "Confirma Exclusão" and deletes the accountant. Declarations that name
// the accountant are left as they are.
AccountantDeleteOutcome deleteAccountant(const QString& crc, const QString& uf, Prompter& prompter,
                                         QString* error);

struct AccountantKey {
    QString crc;
    QString uf;
    bool operator==(const AccountantKey&) const = default;
};

// The record navigator in `CRC`, `UF` order: First/Last ignore `from`; Prior
// and Next stay on `from` at either end. Empty key when the table is empty.
enum class AccountantMove { First, Prior, Next, Last };
AccountantKey moveAccountant(AccountantMove move, const AccountantKey& from);

// Every accountant in `CRC`, `UF` order.
QList<Declarante> allAccountants();

} // namespace vexa::registry

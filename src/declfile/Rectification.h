#pragma once
// The rectifying declaration: a new row of the same taxpayer and period with
// the next `Retificacao` number, starting as a full copy of the period's
// latest declaration (the source S). The rows of every sheet are copied
// under the new number, then the declaration row with its typed items; the
// four carried items (6.4, 7.7, 7.10, 7.14) take the value carried over from
// the previous month when it is greater than 0, and otherwise keep S's.
//
// The whole copy is one transaction: a failure leaves nothing of the new
// number behind, and S is never touched. The declaration screen's
// "Re&tificar VEXA" and the batch program's `rectify` both call
// rectifyDeclaration().

#include "declaration/DeclarationKey.h"

#include <QString>
#include <QStringList>

namespace vexa::declfile {

inline const QString kRectifyDone = QStringLiteral("Retificação concluída com sucesso!");
inline const QString kRectifyFailed = QStringLiteral("Ocorreu um erro no momento da retificação");

// The sheets' tables in the order the copy runs through them.
const QStringList& rectificationTables();

// The number after `retificacao` as two digits ("00" gives "01"); empty when
// there is none (not a number, or "99").
QString nextRetificacao(const QString& retificacao);

struct RectifyResult {
    bool ok = false;
    bool noDeclaration = false;   // the period has no declaration to rectify
    decl::DeclarationKey source;  // S: the period's latest declaration
    decl::DeclarationKey created; // N: the new one (when ok)
    QString error;                // why it failed (the engine's message, or the reason)
};

// Rectifies the latest declaration of the taxpayer's period (`Retificacao`
// of the key is not used: the copy always starts from the latest).
RectifyResult rectifyDeclaration(const QString& ie, const QString& ano, const QString& mes);

} // namespace vexa::declfile

#pragma once
// What the declaration search screen lists: the taxpayer names and the periods
// that can be chosen, and the stored declarations that match a choice. Only
// declarations whose `Importado` is true are offered, as on the entry screen.

#include <QList>
#include <QString>
#include <QStringList>

namespace vexa::decl::ui {

// The choice that matches every taxpayer or every period.
inline const QString kTodos = QStringLiteral("<TODOS>");

struct FoundDeclaration {
    QString ie;            // 9 digits
    QString razaoSocial;
    QString mesAno;        // "MMYYYY"
    QString retificacao;   // "00", "01", ...
    bool operator==(const FoundDeclaration&) const = default;
};

// "<TODOS>" followed by every `RazaoSocial` of `Contribuintes`, sorted, each once.
QStringList taxpayerChoices();
// "<TODOS>" followed by every distinct period of `Vexas` as "MMYYYY", sorted as text.
QStringList periodChoices();

// The declarations of the chosen taxpayer name and period ("<TODOS>" or an
// empty choice match any), ordered by name, period (oldest first) and
// rectification, highest first.
QList<FoundDeclaration> findDeclarations(const QString& razaoSocial, const QString& mesAno);

} // namespace vexa::decl::ui

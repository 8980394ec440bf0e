#pragma once
// The two reference tables of the DARE: the revenue codes (`Tributos`) and the
// fiscal calendar (`CalendarioFiscal`) that gives each reference period its
// due date. Reads only; every statement binds its values. A refused statement
// goes to the application-wide handler and the lookup answers "none".

#include <QDate>
#include <QList>
#include <QString>
#include <optional>

namespace vexa::payment {

// One revenue code.
struct Tributo {
    QString CodigoID;       // the code typed on the slip ("CÓDIGO DA RECEITA")
    QString Descricao;      // printed in box 8
    QString ID;             // two digits written into the bar code
    int Tipo = -1;          // how the principal is derived (0..6); -1 when null
    QString Distribuicao;   // distribution class "1".."4": the collector code of the bar code

    bool operator==(const Tributo&) const = default;
};

// The revenue with that code; none for an unknown or empty code.
std::optional<Tributo> findTributo(const QString& codigoID);

// Every revenue code in `Descricao` order (ties by code).
QList<Tributo> tributosByDescription();

// The codes a linked slip offers in its drop-down for the taxpayer's regime
// (`Contribuintes.TipoRegime`): Simples Nacional ("S") kinds 2 to 6, any other
// regime kinds 0, 2, 3, 5 and 6; in `Descricao` order.
QList<Tributo> tributosForRegime(const QString& tipoRegime);
bool kindOfferedForRegime(int tipo, const QString& tipoRegime);

// The codes of the standalone slips (kind 1), in `Descricao` order.
QList<Tributo> standaloneTributos();

// The due date of the reference period (`DataVencimento` of `CalendarioFiscal`
// for "YYYY", "MM"); invalid when the period has no calendar row.
QDate dueDate(const QString& ano, const QString& mes);

} // namespace vexa::payment

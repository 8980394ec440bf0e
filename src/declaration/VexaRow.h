#pragma once
// One declaration row of `Vexas`: every stored column, read and written by
// key with bound statements. The computed items (5.4 to 8.7 and the 3.9 text)
// come from Apuracao.h and are never stored by the declaration screen.

#include "declaration/DeclarationKey.h"

#include <QDate>
#include <QString>
#include <optional>

namespace vexa::decl {

struct VexaRow {
    // key: items 2.2 and 3.1
    QString IE;
    QString Ano;
    QString Mes;
    QString Retificacao = QStringLiteral("00");

    double SaldoInicialCaixa = 0;   // 3.6
    double SaldoFinalCaixa = 0;     // 3.7
    QString CRCContador;            // 18.2 (with UF: key of the accountant registry)
    QString UF;                     // 18.2 state of the CRC
    QString CPF;                    // 17.1 declarant's CPF (digits)
    QString NomeResponsavel;        // 17.2

    double C51 = 0;   // 5.1 debit by outputs
    double C52 = 0;   // 5.2 other debits (list 5.2.1)
    double C53 = 0;   // 5.3 reversal of credits
    double C79 = 0;   // 7.9 rate complement of the period (list 7.9.1)
    double C710 = 0;  // 7.10 rate complement carried from the previous period
    double C61 = 0;   // 6.1 credit by entries
    double C62 = 0;   // 6.2 other credits (list 6.2.1)
    double C63 = 0;   // 6.3 reversal of debits
    double C64 = 0;   // 6.4 credit balance of the previous period
    double C72 = 0;   // 7.2 deductions (list 7.2.1)
    double C76 = 0;   // 7.6 rate differential on entries (list 7.6.1)
    double C77 = 0;   // 7.7 rate differential carried from the previous period
    double C81 = 0;   // 8.1 value of the products
    double C82 = 0;   // 8.2 calculation base
    double C83 = 0;   // 8.3 substitution ICMS debit
    double C84 = 0;   // 8.4 ICMS credit
    double C85 = 0;   // 8.5 other credits

    QString TipoEncerrante;  // 13: "E" electronic, "M" mechanical meters
    double C74 = 0;          // 7.4 as stored by other programs; the screen shows its own computation
    QString ObsEncerrantes;  // 13 remarks

    QString MudaDomicilio;   // 3.10 "S" / "N" (empty: not answered)
    qint64 CidadeB = 0;      // 3.10.1 IBGE code of the previous municipality; 0 = none
    QDate DtIniA, DtFimA;    // 3.10.1 days in the current municipality (invalid = empty)
    QDate DtIniB, DtFimB;    // 3.10.1 days in the previous municipality

    bool Importado = true;

    double C713 = 0;  // 7.13 final-consumer differential of the period (list 7.13.1)
    double C714 = 0;  // 7.14 the same, carried from the previous period
    double C716 = 0;  // 7.16 as stored by other programs; the screen shows its own computation

    // The row's change stamp as it was read: every save adds one, so that a
    // save over a row another workstation saved meanwhile can be refused.
    qint64 VersaoRegistro = 0;

    DeclarationKey key() const { return {IE, Ano, Mes, Retificacao}; }
    void setKey(const DeclarationKey& k);
    bool changedDomicile() const { return MudaDomicilio == QLatin1String("S"); }

    bool operator==(const VexaRow&) const = default;
};

// A new row for the key: every amount 0, texts and dates empty, Importado true.
VexaRow newVexaRow(const DeclarationKey& key);

// The stored row with that key, or none (also none when the engine refuses;
// the error then goes to the application-wide handler).
std::optional<VexaRow> loadVexa(const DeclarationKey& key);

// Whether a row with that key is stored.
bool vexaExists(const DeclarationKey& key);

// Inserts the row. False with the engine's message (e.g. a duplicate key).
bool insertVexa(const VexaRow& row, QString* error);
// Rewrites every column of the stored row with the row's key, when the
// stored row still carries the change stamp it was read with; then the stamp
// goes one up in the database (the caller's row keeps the stamp it was read
// with). A row that another workstation saved since (its stamp moved on) is
// left as it is: false with *changedElsewhere true.
bool updateVexa(const VexaRow& row, QString* error, bool* changedElsewhere = nullptr);

// The stored columns of `Vexas` in table order (used by the batch `show`).
const QStringList& vexaColumns();

} // namespace vexa::decl

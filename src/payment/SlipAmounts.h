#pragma once
// The amounts of a DARE linked to a declaration, computed afresh whenever the
// slip is shown or printed: the principal of the chosen revenue from the
// declaration, the IGP-DI monetary correction, the late-payment penalty, the
// interest and the total. Functions of their arguments and the database; none
// writes a table. Every value keeps full double precision; it is brought to
// cents only where it is formatted.
//
// Two regimes, split by the due date: debts due before 01/05/2023 are
// corrected by IGP-DI up to April 2023, charged the old 0.2 % daily penalty and
// 1 % a month up to 30/04/2023 and SELIC afterwards; debts due from 01/05/2023
// on get no correction, 0.33 % a day capped by a flat 10 % after 30 days, and
// the accumulated SELIC as interest.
//
// An invalid (empty) date counts as day 0 (30/12/1899).

#include <QDate>
#include <QHash>
#include <QString>
#include <optional>

namespace vexa::payment {

inline constexpr int kIndiceIGPDI = 4;
inline constexpr int kIndiceSELIC = 5;

// First due date of the current regime: 01/05/2023.
QDate currentRegimeStart();
// Last day of the old penalty and of the 1 % monthly interest: 30/04/2023.
QDate oldRegimeEnd();
// The IGP-DI month up to which older debts are corrected: 01/04/2023.
QDate igpdiCorrectionMonth();

// Days from `from` to `to`, an invalid date counting as day 0.
qint64 daysBetween(const QDate& from, const QDate& to);

// The principal: the amount of the revenue of kind `tipo` that the declaration
// (IE, Ano, Mes, Retificacao) shows as due.
//   0 ICMS of the period: debits C51+C52+C53 less credits C61+C62+C63+C64 (not
//     below 0), less the deductions C72; 0 unless positive.
//   2 rate differential C76+C77, 4 rate complement C79+C710, 5 final-consumer
//     differential C713+C714: due from 50,00 on, or in December; else 0
//     (carried to the next period).
//   3 tax substitution C83 - (C84+C85), not below 0.
//   6 the item 9.6 rows of `ICMSRecolher` (`TipoApuracao` "P"), summed.
//   any other kind 0. Kinds 0 to 5 answer 0 without a declaration row.
double CalculaValorReceita(const QString& ie, const QString& mes, int tipo, const QString& retificacao,
                           const QString& ano);

// The index values that one run of computations reads, each read once: the
// slip report computes many slips over the same few months. Keep one only for
// the length of a run (the tables may change between runs).
class IndexCache {
public:
    // The IGP-DI of the month of `month`, or of the next IGP-DI month held; none when there is none.
    std::optional<double> igpdiFrom(const QDate& month);
    // The sum of the SELIC months from `from` to `to` (first days of months).
    double selicSum(const QDate& from, const QDate& to);

private:
    QHash<qint64, std::optional<double>> igpdi_;
    QHash<QPair<qint64, qint64>, double> selic_;
};

// IGP-DI correction of `valor` due on `dataVencimento` up to April 2023:
// valor / I(due month) * I(04/2023) - valor, not below 0; a missing month
// takes the next IGP-DI month held. 0 for an empty due date or one from
// 01/05/2023 on, and 0 when either index is missing. The payment date is not used.
double CalculaAtualizacaoMonetaria(double valor, const QDate& dataVencimento, const QDate& dataPgto,
                                   IndexCache* cache = nullptr);

// Penalty on `base` (principal + correction): a flat 10 % more than 30 days
// late; otherwise 0.33 % a day, or for a due date before 01/05/2023 0.2 % a
// day up to 30/04/2023 plus 0.33 % a day after it. Never below 0; 0 for an
// empty due date.
double CalculaMulta(double base, const QDate& dataVencimento, const QDate& dataPgto);

// Interest: from 01/05/2023 on, (base + multa) times the accumulated SELIC
// from the due month; for older due dates 1 % of base per month started up to
// 30/04/2023, plus (base + multa) times the SELIC from May 2023. 0 for an
// empty due date; the SELIC part needs a payment date.
double CalculaJuros(double base, double multa, const QDate& dataVencimento, const QDate& dataPgto,
                    IndexCache* cache = nullptr);

// The sum of the monthly SELIC values from the month of `inicio` to the month
// before the payment month (0 when the range is empty).
double SomaSelic(const QDate& inicio, const QDate& dataPgto, IndexCache* cache = nullptr);

struct SlipAmounts {
    double Vl_Receita = 0;
    double AtualizacaoMonetaria = 0;
    double Multa = 0;
    double Juros = 0;
    double ccVlTotal = 0;
};

// Correction, penalty, interest and total of a principal, in the one calling
// order the slip screen and the slip report share.
// `cache`, when given, serves the index values of the run.
SlipAmounts amountsOfPrincipal(double vlReceita, const QDate& dataVencimento, const QDate& dataPgto,
                               IndexCache* cache = nullptr);

// The whole computation of a linked slip: the principal of the declaration,
// then amountsOfPrincipal.
SlipAmounts computeSlipAmounts(const QString& ie, const QString& ano, const QString& mes,
                               const QString& retificacao, int tipo, const QDate& dataVencimento,
                               const QDate& dataPgto, IndexCache* cache = nullptr);

} // namespace vexa::payment

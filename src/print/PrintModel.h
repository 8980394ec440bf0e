#pragma once
// The printed declaration, computed before anything is drawn: the thirteen
// sections of the paper form (items 2 to 18), each holding the lines, groups,
// headings and totals it prints, every value already in its printed form
// ("1.234,56", "dd/mm/yyyy", "X" in a marked box, an empty text for a blank).
// Drawing is a separate step (DeclarationPages.h) that only places these
// texts on the page.

#include "declaration/DeclarationKey.h"

#include <QList>
#include <QString>
#include <array>

namespace vexa::print {

// One amount of the apuração: "5.1", "POR SAÍDAS E/OU PRESTAÇÕES", "1.234,56".
struct AmountItem {
    QString number;
    QString caption;
    QString value;
    bool operator==(const AmountItem&) const = default;
};

// ---- section 1: items 2 (identification), 3 (characteristics), 4 (operations) ----------

struct TareLine {
    QString numero;
    QString vencimento; // "dd/mm/yyyy"
};

// 3.10.1: the municipality and the days of one domicile in the month.
struct DomicilePeriod {
    QString municipio;
    QString inicio;
    QString fim;
};

// The boxes of item 3 hold "X" or nothing.
struct Identification {
    QString razaoSocial;                      // 2.1
    QString inscricaoEstadual;                // 2.2, with its mask
    QString periodo;                          // 3.1 "mm/yyyy"
    QString atividade;                        // 3.2 code
    QString atividadeDescricao;               //     and its description (empty when not in the table)
    QString unico, matriz, filial;            // 3.3
    QString tareSim, tareNao;                 // 3.4
    QList<TareLine> tare;                     // 3.4.1, one line per TARE, at least one
    QString fiscal, contabil;                 // 3.5
    QString saldoInicial, saldoFinal;         // 3.6, 3.7
    QString ecfSim, ecfNao;                   // 3.8
    QString retificadoraSim, retificadoraNao; // 3.9
    QString mudouSim, mudouNao;               // 3.10
    DomicilePeriod domicilioA, domicilioB;    // 3.10.1, printed when the domicile changed
    QString regimeNormal, regimeSimples;
};

// The six money columns of an operation line, in this order.
enum OperationColumn {
    ValorContabil,
    BaseCalculo,
    Imposto,
    Isentas,
    Outras,
    Substituicao,
    kOperationColumns
};
using OperationAmounts = std::array<QString, kOperationColumns>;

struct OperationLine {
    QString cfop;
    QString descricao; // cut to fit the line
    QString domicilio; // "A" / "B"
    OperationAmounts amounts;
};

// 4.1.1 / 4.1.2 / 4.1.3 or 4.2.1 / 4.2.2 / 4.2.3.
struct OperationKindGroup {
    QString heading;
    QList<OperationLine> lines;
};

// 4.1 entries or 4.2 outputs, with its running totals by domicile.
struct OperationGroup {
    QString heading;    // "4.1 - ENTRADAS E/OU AQUISIÇÕES"
    QString taxCaption; // first line of the tax column's caption
    QList<OperationKindGroup> kinds;
    OperationAmounts totalA;
    OperationAmounts totalB; // printed only when the domicile changed
};

struct IdentificationSection {
    Identification id;
    bool emptyBand = false; // no operation line: the empty band, no group heading
    QList<OperationGroup> groups;
};

// ---- sections 2 and 3: other debits, other credits ----------------------------------------

struct LawLine {
    QString origem;    // `Tipo` of the law code
    QString baseLegal; // code and `DescLei`
    QString valor;
};

struct LawListSection {
    QString title;           // "5 - DÉBITO DO IMPOSTO"
    QList<AmountItem> items; // 5.1 to 5.4
    QString listTitle;       // "5.2.1 - ..."
    QList<LawLine> lines;
    QString total;
    bool emptyBand = false; // no line: the list's empty frame
    QString closingTitle;   // section 3: "7 - APURAÇÃO" and item 7.1
    QList<AmountItem> closingItems;
};

// ---- section 4: deductions ------------------------------------------------------------------

struct DeductionLine {
    QString origem;
    QString baseLegal;
    QString icmsDevido;        // (1)
    QString mediaIcms;         // (2)
    QString parSujIncentivo;   // (3) = (1) - (2)
    QString parIncentivada;    // (4) = (3) x 75%
    QString subParIncentivada; // (5) = (4) x 5%
    QString valor;             // (6)
};

struct DeductionsSection {
    QList<AmountItem> itemsBefore; // 7.2
    QString listTitle;
    QList<DeductionLine> lines;
    QString total;
    bool emptyBand = false;
    QList<AmountItem> itemsAfter; // 7.3 to 7.5
};

// ---- sections 5, 6 and 7: the lists by state -----------------------------------------------

struct RateLine {
    QString uf;
    QString aliquota;
    QString domicilio;
    QString valorContabil;
    QString baseCalculo;
    QString valor;   // differential or complement
    QString origem;  // 7.13.1 only
    QString destino; // 7.13.1 only
};

struct RateSection {
    bool vazio = false; // the empty variant: the list's empty frame
    QList<AmountItem> itemsBefore;
    QString listTitle;
    QString valueCaption;
    bool withShares = false; // origin and destination columns (7.13.1)
    QList<RateLine> lines;
    RateLine total; // the amount columns of the TOTAL line
    QList<AmountItem> itemsAfter;
    QString closingTitle; // section 7: "8 - SUBSTITUIÇÃO TRIBUTÁRIA INTERNA"
    QList<AmountItem> closingItems;
};

// ---- sections 8 and 9: item 9, three lists side by side ------------------------------------

struct ToPayCell {
    QString vencimento;
    QString valor;
    bool operator==(const ToPayCell&) const = default;
};

struct ToPaySection {
    QString title;                         // section 8 only
    std::array<QString, 3> captions;       // "9.1 - ICMS NORMAL", ...
    QList<std::array<ToPayCell, 3>> lines; // as many as the longest list; blanks where a list ran out
    std::array<QString, 3> totals;
    bool emptyBand = false; // all three lists empty
};

// ---- section 10: stock, entries and outputs by state ----------------------------------------

struct StockLine {
    QString caption;
    QString inicial;
    QString final;
};

// The nine amounts of a line by state, in this order (entries use only the
// first of each taxpayer / non-taxpayer pair).
enum StateColumn {
    ValorContabilA,
    ValorContabilB,
    BaseCalculoA,
    BaseCalculoB,
    ImpostoA,
    ImpostoB,
    IsentasNaoTributadas,
    OutrasUF,
    SubsTributaria,
    kStateColumns
};
using StateAmounts = std::array<QString, kStateColumns>;

struct StateLine {
    QString uf;
    QString domicilio;
    StateAmounts amounts;
};

struct StateGroup {
    bool entries = true;             // item 11 entries, item 12 outputs
    QString heading;                 // "11 - DETALHAMENTO ..."
    std::array<QString, 8> captions; // "11.1 - CÓD. UF" ... "11.8 TOTAL"
    QList<StateLine> lines;
    StateAmounts totalA;
    StateAmounts totalB; // printed only when the domicile changed
};

struct StockStateSection {
    QList<StockLine> stock; // 10.1: the four kinds and the totals
    bool emptyBand = false; // no movement by state
    QList<StateGroup> groups;
};

// ---- section 11: fuel retail --------------------------------------------------------------------

struct PumpLine {
    QString serie, bico, produto, inicial, final, semIntervencao, comIntervencao;
};
struct TankLine {
    QString tanque, produto, quantidade;
};
struct AlcoholLine {
    QString nota, emissao, cnpj, uf, valorUnitario, quantidade;
};

struct FuelSection {
    QString tipoEncerrante; // "Eletrônico" / "Manual"
    QList<PumpLine> pumps;
    QList<TankLine> tanks;
    QString observacoes;
    QList<AlcoholLine> alcohol;
    QString totalQuantidade;
};

// ---- section 12: item 15 -----------------------------------------------------------------------

enum MunicipalityColumn { Saidas, Entradas, Diferenca, kMunicipalityColumns };
using MunicipalityAmounts = std::array<QString, kMunicipalityColumns>;

struct MunicipalityLine {
    QString municipio;
    QString domicilio;
    MunicipalityAmounts amounts;
};

struct MunicipalitySection {
    QList<MunicipalityLine> lines;
    MunicipalityAmounts totalA;
    MunicipalityAmounts totalB;
};

// ---- section 13: item 16, declarant, accountant, footer --------------------------------------

struct GoodsLine {
    QString ieEmpresa;
    QString domicilio;
    QString municipio;
    QString nota;
    QString valor;
};

struct GoodsSection {
    QList<GoodsLine> lines;
    QString totalA;
    QString totalB;
    QString declaranteCpf, declaranteNome;                                // 17.1, 17.2
    QString contadorCpfCnpj, contadorCrc, contadorNome, contadorTelefone; // 18.1 to 18.4
    QString footer;
};

// ---- the whole print ----------------------------------------------------------------------------

struct DeclarationPrint {
    decl::DeclarationKey key;
    QString pageHeading;       // repeated at the top of every page
    bool showDomicile = false; // item 3.10 "Sim": the domicile columns and the B totals

    IdentificationSection s1;
    LawListSection s2;       // 5, 5.2.1
    LawListSection s3;       // 6, 6.2.1, 7.1
    DeductionsSection s4;    // 7.2, 7.2.1, 7.3 to 7.5
    RateSection s5;          // 7.6, 7.6.1, 7.7 to 7.9
    RateSection s6;          // 7.9.1, 7.10 to 7.12
    RateSection s7;          // 7.13, 7.13.1, 7.14 to 7.16, 8
    ToPaySection s8;         // 9.1 to 9.3
    ToPaySection s9;         // 9.4 to 9.6
    StockStateSection s10;   // 10, 11, 12
    FuelSection s11;         // 13, 14
    MunicipalitySection s12; // 15
    GoodsSection s13;        // 16, 17, 18, footer
};

} // namespace vexa::print

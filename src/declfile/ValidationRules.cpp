#include "declfile/ValidationRules.h"

#include "common/DocumentChecks.h"
#include "common/Masks.h"
#include "common/Money.h"
#include "declaration/Apuracao.h"
#include "declaration/ChildTables.h"
#include "declfile/ValidationReport.h"

namespace vexa::declfile {

namespace {

using Result = std::optional<Finding>;

Result fail(int rule) { return Finding{ruleMessage(rule), {}}; }
Result failIf(bool condition, int rule) { return condition ? fail(rule) : std::nullopt; }
// "Different": the difference rounded to cents is not zero.
Result failIfDifferent(double a, double b, int rule) { return failIf(money::different(a, b), rule); }

bool blank(const QString& text) { return text.trimmed().isEmpty(); }
const DeclarationData& D(const RuleContext& c) { return c.data; }
const ValidationFacts& F(const RuleContext& c) { return c.facts; }
const DeclarationHeader& H(const RuleContext& c) { return c.data.header; }
const decl::VexaRow& V(const RuleContext& c) { return c.data.header.vexa; }
bool december(const RuleContext& c) { return c.data.key.isDecember(); }
bool between0and50(double amount) { return amount > 0 && amount < decl::kSmallBalance; }
bool hasTare(const RuleContext& c) { return !c.data.tare.isEmpty(); }

// ---- before record A: registry, accountant and the R$ 50,00 rule ----------------

Result r01(const RuleContext& c) { return failIf(!F(c).taxpayerMunicipalityOk, 1); }
Result r02(const RuleContext& c) { return failIf(blank(H(c).ContadorNome), 2); }
Result r03(const RuleContext& c) { return failIf(F(c).activity.rows != 1, 3); }
Result r04(const RuleContext& c) { return failIf(blank(H(c).TipoEstabelecimento), 4); }
Result r05(const RuleContext& c) { return failIf(!H(c).PortadorTare.has_value(), 5); }
Result r06(const RuleContext& c) { return failIf(H(c).PortadorTare.value_or(false) && !hasTare(c), 6); }
Result r07(const RuleContext& c) { return failIf(blank(H(c).TipoEscrituracao), 7); }
Result r08(const RuleContext& c) { return failIf(!H(c).UsuarioECF.has_value(), 8); }
Result r09(const RuleContext& c) { return failIf(!IsValidCPF(V(c).CPF), 9); }
Result r10(const RuleContext& c) { return failIf(blank(V(c).NomeResponsavel), 10); }
Result r11(const RuleContext& c) { return failIf(blank(V(c).CRCContador), 11); }
Result r12(const RuleContext& c) { return failIf(blank(V(c).UF), 12); }
Result r13(const RuleContext& c) { return failIf(!IsValidCPF(H(c).ContadorCPFCGC), 13); }
Result r14(const RuleContext& c) { return failIf(blank(H(c).ContadorEmail), 14); }
Result r15(const RuleContext& c) { return failIf(blank(H(c).EmailCont), 15); }
Result r16(const RuleContext& c) { return failIf(blank(H(c).NovaSenha), 16); }
Result r17(const RuleContext& c) {
    return failIf(!december(c) && (between0and50(F(c).T73) || between0and50(money::round2(F(c).V74))), 17);
}
Result r18(const RuleContext& c) { return failIf(!december(c) && between0and50(F(c).T86), 18); }

// ---- while the segments are read -----------------------------------------------

Result r19(const RuleContext& c) {
    if (D(c).stock.isEmpty()) return std::nullopt;
    const StockRecordRow& s = D(c).stock.first();
    return failIfDifferent(s.EITotal,
                           s.EITributadas + s.EIIsentasNaoTributadas + s.EIOutras + s.EISubstituicaoTributaria, 19);
}
Result r20(const RuleContext& c) {
    if (D(c).stock.isEmpty()) return std::nullopt;
    const StockRecordRow& s = D(c).stock.first();
    return failIfDifferent(s.EFTotal,
                           s.EFTributadas + s.EFIsentasNaoTributadas + s.EFOutras + s.EFSubstituicaoTributaria, 20);
}

// Pump rows: the nozzles must be numbered 1, 2, 3, ... in ascending order.
Result r21(const RuleContext& c) {
    const PumpRecordRow& p = D(c).pumps.at(c.pump);
    const qint64 expected = c.pump == 0 ? 1 : D(c).pumps.at(c.pump - 1).NBico + 1;
    if (p.NBico == expected) return std::nullopt;
    return Finding{ruleMessage(21) + QString::number(p.NBico) +
                       QStringLiteral(") informado no campo 13.2 está fora de seguência."),
                   {}};
}
Result r22(const RuleContext& c) {
    const PumpRecordRow& p = D(c).pumps.at(c.pump);
    if (p.LeituraFinal > p.LeituraInicial && p.VolComCemInterv == 0 &&
        p.VolComSemInterv != p.LeituraFinal - p.LeituraInicial)
        return Finding{ruleMessage(22) + QString::number(p.NBico), {}};
    return std::nullopt;
}
Result r23(const RuleContext& c) {
    const PumpRecordRow& p = D(c).pumps.at(c.pump);
    return failIf(p.VolComSemInterv > 0 && p.VolComCemInterv > 0, 23);
}

// The TARE number is held in a 64-bit integer by the authority: compared as
// text with the largest one, character by character.
Result r24(const RuleContext& c) {
    if (!hasTare(c)) return std::nullopt;
    const QString& numero = D(c).tare.first().NumeroTare;
    if (QString::compare(numero, QStringLiteral("9223372036854775807"), Qt::CaseSensitive) <= 0)
        return std::nullopt;
    return Finding{ruleMessage(24) + htmlValue(numero) + QStringLiteral(")"), {}};
}

// Code 98 carries a tax to pay below R$ 50,00 to the next month; it must not
// be used when the tax without it would reach R$ 50,00.
Result r25(const RuleContext& c) {
    if (D(c).otherCredits.isEmpty()) return std::nullopt;
    const LawAmountRecordRow& first = D(c).otherCredits.first();
    const decl::VexaRow& r = V(c);
    const double debit = money::round2(r.C51 + r.C52 + r.C53);
    const double x = money::round2(debit - ((r.C61 + r.C62 + r.C63 + r.C64) - first.Valor) - r.C72);
    return failIf(x >= decl::kSmallBalance && first.CodLei == 98 && !money::isZero(first.Valor), 25);
}

// ---- after record Z: lists and their totals ------------------------------------

Result r26(const RuleContext& c) { return failIfDifferent(V(c).C62, F(c).otherCreditsTotal, 26); }
Result r27(const RuleContext& c) {
    if (hasTare(c)) return std::nullopt;
    for (const LawAmountRecordRow& credit : D(c).otherCredits) {
        auto kind = c.ref.creditLawKind.constFind(credit.CodLei);
        if (kind != c.ref.creditLawKind.constEnd() && *kind == QLatin1String("TARE")) return fail(27);
    }
    return std::nullopt;
}
Result r28(const RuleContext& c) { return failIfDifferent(V(c).C72, F(c).deductionsTotal, 28); }
Result r29(const RuleContext& c) {
    if (hasTare(c)) return std::nullopt;
    for (const DeductionRecordRow& deduction : D(c).deductions)
        if (deduction.CodLei != 99 && c.ref.deductionLaws.contains(deduction.CodLei)) return fail(29);
    return std::nullopt;
}

// ---- entries and outputs by operation against the ICMS items and by state --------

const OperationTotals& BE(const RuleContext& c) { return c.facts.opEntries; }
const OperationTotals& BS(const RuleContext& c) { return c.facts.opOutputs; }
const StateTotals& DE(const RuleContext& c) { return c.facts.ufEntries; }
const StateTotals& DS(const RuleContext& c) { return c.facts.ufOutputs; }

Result r30(const RuleContext& c) { return failIfDifferent(BE(c).impostoCreditado, V(c).C61, 30); }
Result r31(const RuleContext& c) { return failIfDifferent(BS(c).impostoCreditado, V(c).C51, 31); }
Result r32(const RuleContext& c) { return failIfDifferent(BE(c).valorContabil, DE(c).valorContabil, 32); }
Result r33(const RuleContext& c) { return failIfDifferent(BE(c).baseCalculo, DE(c).baseCalculo, 33); }
Result r34(const RuleContext& c) { return failIfDifferent(BE(c).impostoCreditado, DE(c).credDebImposto, 34); }
Result r35(const RuleContext& c) { return failIfDifferent(BE(c).isentas, DE(c).isentas, 35); }
Result r36(const RuleContext& c) { return failIfDifferent(BE(c).outras, DE(c).outras, 36); }
Result r37(const RuleContext& c) { return failIfDifferent(BE(c).substituicao, DE(c).substituicao, 37); }
Result r38(const RuleContext& c) { return failIfDifferent(BS(c).valorContabil, DS(c).valorContabil, 38); }
Result r39(const RuleContext& c) { return failIfDifferent(BS(c).baseCalculo, DS(c).baseCalculo, 39); }
Result r40(const RuleContext& c) { return failIfDifferent(DS(c).credDebImposto, BS(c).impostoCreditado, 40); }
Result r41(const RuleContext& c) { return failIfDifferent(DS(c).isentas, BS(c).isentas, 41); }
Result r42(const RuleContext& c) { return failIfDifferent(DS(c).outras, BS(c).outras, 42); }
Result r43(const RuleContext& c) { return failIfDifferent(DS(c).substituicao, BS(c).substituicao, 43); }
Result r44(const RuleContext& c) { return failIfDifferent(BE(c).domestic, DE(c).homeState, 44); }
Result r45(const RuleContext& c) { return failIfDifferent(BE(c).interstate, DE(c).otherStates, 45); }
Result r46(const RuleContext& c) { return failIfDifferent(BE(c).foreign, DE(c).abroad, 46); }
Result r47(const RuleContext& c) { return failIfDifferent(BS(c).domestic, DS(c).homeState, 47); }
Result r48(const RuleContext& c) { return failIfDifferent(BS(c).interstate, DS(c).otherStates, 48); }
Result r49(const RuleContext& c) { return failIfDifferent(BS(c).foreign, DS(c).abroad, 49); }
Result r50(const RuleContext& c) { return failIfDifferent(BE(c).columnsBtoF, BE(c).valorContabil, 50); }
Result r51(const RuleContext& c) { return failIfDifferent(BS(c).columnsBtoF, BS(c).valorContabil, 51); }

// ---- ICMS to pay (item 9) against the computed items ------------------------------

double toPay(const RuleContext& c, const char* tipo) { return c.facts.toPayTotal(QString::fromLatin1(tipo)); }

Result r52(const RuleContext& c) { return failIfDifferent(F(c).V73, toPay(c, "N"), 52); }
Result r53(const RuleContext& c) { return failIfDifferent(F(c).V74, toPay(c, "D"), 53); }
Result r54(const RuleContext& c) { return failIfDifferent(F(c).V716, toPay(c, "F"), 54); }
// The final-consumer differential is paid with the 2% poverty-fund addition (item 9.6):
// without it the user confirms, or the declaration is refused.
Result r55(const RuleContext& c) {
    if (!(money::round2(toPay(c, "F")) > 0 && money::round2(toPay(c, "P")) <= 0)) return std::nullopt;
    return failIf(!c.prompter.ask(rule55Question()), 55);
}
Result r56(const RuleContext& c) { return failIfDifferent(F(c).V86, toPay(c, "S"), 56); }
Result r57(const RuleContext& c) { return failIfDifferent(F(c).V712, toPay(c, "C"), 57); }

// ---- item 15 (outputs by municipality) and fuel retail ----------------------------

bool item15Activity(const RuleContext& c) { return c.ref.item15Activities.contains(H(c).AtividadeEconomicaPrincip); }

Result r58(const RuleContext& c) {
    if (!item15Activity(c) || !money::different(F(c).munVlrContabil, F(c).cfop153ValorContabil))
        return std::nullopt;
    return Finding{ruleMessage(58), QStringLiteral("CFOP153")};
}
Result r59(const RuleContext& c) {
    if (!item15Activity(c) || !money::different(F(c).munDevolucoes, F(c).cfop154ValorContabil))
        return std::nullopt;
    return Finding{ruleMessage(59), QStringLiteral("CFOP154")};
}

QString fuelActivityText(const RuleContext& c) {
    return applyMask(QStringLiteral("9999-9/99"), decl::kFuelRetailActivity) + QStringLiteral(" - ") +
           htmlValue(F(c).activity.descricao);
}
bool fuelRetailer(const RuleContext& c) { return H(c).AtividadeEconomicaPrincip == decl::kFuelRetailActivity; }

Result r60(const RuleContext& c) {
    if (!fuelRetailer(c) || !D(c).pumps.isEmpty()) return std::nullopt;
    return Finding{ruleMessage(60) + fuelActivityText(c), {}};
}
Result r61(const RuleContext& c) {
    if (!fuelRetailer(c) || !D(c).tanks.isEmpty()) return std::nullopt;
    return Finding{ruleMessage(61) + fuelActivityText(c), {}};
}

constexpr MessageKind E = MessageKind::Erro;
constexpr MessageKind A = MessageKind::Alerta;
constexpr RuleStage Pre = RuleStage::BeforeRecordA;
constexpr RuleStage Seg = RuleStage::WhileSegments;
constexpr RuleStage Post = RuleStage::AfterRecordZ;
constexpr RuleGate Any = RuleGate::Always;
constexpr RuleGate Named = RuleGate::AccountantNamed;
constexpr RuleGate Found = RuleGate::DeclarationFound;
constexpr RuleScope Once = RuleScope::Declaration;
constexpr RuleScope Pump = RuleScope::PumpRow;

} // namespace

const std::vector<Rule>& validationRules() {
    static const std::vector<Rule> all = {
        {1, E, Pre, Any, Once, r01},     {2, E, Pre, Any, Once, r02},     {3, E, Pre, Named, Once, r03},
        {4, E, Pre, Named, Once, r04},   {5, E, Pre, Named, Once, r05},   {6, E, Pre, Named, Once, r06},
        {7, E, Pre, Named, Once, r07},   {8, E, Pre, Named, Once, r08},   {9, E, Pre, Named, Once, r09},
        {10, E, Pre, Named, Once, r10},  {11, E, Pre, Named, Once, r11},  {12, E, Pre, Named, Once, r12},
        {13, E, Pre, Named, Once, r13},  {14, E, Pre, Named, Once, r14},  {15, E, Pre, Named, Once, r15},
        {16, E, Pre, Named, Once, r16},  {17, E, Pre, Any, Once, r17},    {18, E, Pre, Any, Once, r18},
        {19, E, Seg, Any, Once, r19},    {20, E, Seg, Any, Once, r20},    {21, E, Seg, Any, Pump, r21},
        {22, E, Seg, Any, Pump, r22},    {23, E, Seg, Any, Pump, r23},    {24, E, Seg, Any, Once, r24},
        {25, E, Seg, Any, Once, r25},    {26, E, Post, Found, Once, r26}, {27, E, Post, Found, Once, r27},
        {28, E, Post, Found, Once, r28}, {29, E, Post, Found, Once, r29}, {30, A, Post, Any, Once, r30},
        {31, A, Post, Any, Once, r31},   {32, E, Post, Any, Once, r32},   {33, E, Post, Any, Once, r33},
        {34, E, Post, Any, Once, r34},   {35, E, Post, Any, Once, r35},   {36, E, Post, Any, Once, r36},
        {37, E, Post, Any, Once, r37},   {38, E, Post, Any, Once, r38},   {39, E, Post, Any, Once, r39},
        {40, E, Post, Any, Once, r40},   {41, E, Post, Any, Once, r41},   {42, E, Post, Any, Once, r42},
        {43, E, Post, Any, Once, r43},   {44, E, Post, Any, Once, r44},   {45, E, Post, Any, Once, r45},
        {46, E, Post, Any, Once, r46},   {47, E, Post, Any, Once, r47},   {48, E, Post, Any, Once, r48},
        {49, E, Post, Any, Once, r49},   {50, A, Post, Any, Once, r50},   {51, A, Post, Any, Once, r51},
        {52, E, Post, Any, Once, r52},   {53, E, Post, Any, Once, r53},   {54, E, Post, Any, Once, r54},
        {55, E, Post, Any, Once, r55},   {56, E, Post, Any, Once, r56},   {57, E, Post, Any, Once, r57},
        {58, E, Post, Any, Once, r58},   {59, E, Post, Any, Once, r59},   {60, E, Post, Any, Once, r60},
        {61, E, Post, Any, Once, r61},
    };
    return all;
}

void runRules(const RuleContext& context, const std::function<void(const Rule&, const Finding&)>& add) {
    const auto& rules = validationRules();
    const bool accountantNamed = !blank(context.data.header.ContadorNome);
    auto gateOpen = [&](const Rule& r) {
        switch (r.gate) {
        case RuleGate::Always: return true;
        case RuleGate::AccountantNamed: return accountantNamed;
        case RuleGate::DeclarationFound: return context.data.header.found;
        }
        return true;
    };
    for (size_t i = 0; i < rules.size();) {
        if (rules[i].scope == RuleScope::PumpRow) {
            // The consecutive pump rules run row by row: all of them for nozzle 1, then nozzle 2, ...
            size_t end = i;
            while (end < rules.size() && rules[end].scope == RuleScope::PumpRow) ++end;
            for (int p = 0; p < context.data.pumps.size(); ++p) {
                RuleContext row{context.data, context.facts, context.ref, context.prompter, p};
                for (size_t k = i; k < end; ++k)
                    if (gateOpen(rules[k]))
                        if (auto f = rules[k].check(row)) add(rules[k], *f);
            }
            i = end;
            continue;
        }
        if (gateOpen(rules[i]))
            if (auto f = rules[i].check(context)) add(rules[i], *f);
        ++i;
    }
}

} // namespace vexa::declfile

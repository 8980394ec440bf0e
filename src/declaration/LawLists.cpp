#include "declaration/LawLists.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"
#include "storage/Database.h"

#include <QSqlError>
#include <QSqlQuery>

namespace vexa::decl {

QString lawListTable(LawList list) {
    switch (list) {
    case LawList::OutrosDeb: return QStringLiteral("OutrosDeb");
    case LawList::OutrosCred: return QStringLiteral("OutrosCred");
    case LawList::Deducoes: return QStringLiteral("Deducoes");
    }
    return {};
}

LawTable lawTableOf(LawList list) {
    switch (list) {
    case LawList::OutrosDeb: return LawTable::LeisDeb;
    case LawList::OutrosCred: return LawTable::Leis;
    case LawList::Deducoes: return LawTable::LeisD;
    }
    return LawTable::Leis;
}

ListEditor listEditorOf(LawList list) {
    switch (list) {
    case LawList::OutrosDeb: return ListEditor::OutrosDeb;
    case LawList::OutrosCred: return ListEditor::OutrosCred;
    case LawList::Deducoes: return ListEditor::Deducoes;
    }
    return ListEditor::OutrosCred;
}

namespace {

QString lawTableName(LawList list) {
    switch (lawTableOf(list)) {
    case LawTable::Leis: return QStringLiteral("Leis");
    case LawTable::LeisDeb: return QStringLiteral("LeisDeb");
    case LawTable::LeisD: return QStringLiteral("LeisD");
    }
    return {};
}

QVariantList keyValues(const DeclarationKey& key) { return {key.ie, key.ano, key.mes, key.retificacao}; }

const QString kWhereKey = QStringLiteral("IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ?");

// Whether the declaration holds a line under the code, other than the line
// being edited (whose stored code is `exceptCode`).
bool hasLineWithCode(LawList list, const DeclarationKey& key, int codLei, std::optional<int> exceptCode) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT count(*) FROM %1 WHERE %2 AND CodLei = ?").arg(lawListTable(list), kWhereKey),
                   keyValues(key) << codLei))
        return false;
    if (!q.next() || q.value(0).toInt() == 0) return false;
    return !exceptCode || *exceptCode != codLei;
}

// A code may be cited when the declaration offers it; a stored line may keep
// the code it already has even when that code is no longer offered.
bool codeMayBeCited(LawList list, const DeclarationKey& key, int codLei, std::optional<int> storedCode) {
    if (codLei == 0) return false;
    if (storedCode && *storedCode == codLei) return lawCode(list, codLei).has_value();
    for (const LawCode& c : offeredLawCodes(list, key))
        if (c.codLei == codLei) return true;
    return false;
}

} // namespace

// ---- law codes --------------------------------------------------------------------

QList<LawCode> offeredLawCodes(LawList list, const DeclarationKey& key) {
    return validLawCodes(lawTableOf(list), key);
}

std::optional<LawCode> lawCode(LawList list, int codLei) {
    if (codLei == 0) return std::nullopt;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT CodLei, Tipo, DescLei, PerRLeiIni, PerRLeiFim FROM %1 WHERE CodLei = ?")
                       .arg(lawTableName(list)),
                   {codLei}) ||
        !q.next())
        return std::nullopt;
    LawCode c;
    c.codLei = int(sql::integer(q.value(0)));
    c.tipo = sql::text(q.value(1));
    c.descLei = sql::text(q.value(2));
    c.perRLeiIni = sql::date(q.value(3));
    c.perRLeiFim = sql::date(q.value(4));
    return c;
}

// ---- other credits and other debits -------------------------------------------------

bool LawLine::sameStored(const LawLine& other) const {
    return codLei == other.codLei && !money::different(Valor, other.Valor);
}

LawLine lawLine(LawList list, int codLei, double valor) {
    LawLine line;
    line.codLei = codLei;
    line.Valor = valor;
    if (const auto c = lawCode(list, codLei)) {
        line.tipo = c->tipo;
        line.descLei = c->descLei;
    }
    return line;
}

QList<LawLine> loadLawLines(LawList list, const DeclarationKey& key) {
    QList<LawLine> lines;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT CodLei, Valor FROM %1 WHERE %2 ORDER BY CodLei").arg(lawListTable(list), kWhereKey),
                   keyValues(key)))
        return lines;
    while (q.next()) lines << LawLine{int(sql::integer(q.value(0))), sql::real(q.value(1)), {}, {}};
    for (LawLine& l : lines) l = lawLine(list, l.codLei, l.Valor);
    return lines;
}

CheckResult checkLawLine(LawList list, const DeclarationKey& key, const LawLine& line,
                         const std::optional<LawLine>& original) {
    const std::optional<int> storedCode = original ? std::optional<int>(original->codLei) : std::nullopt;
    if (!codeMayBeCited(list, key, line.codLei, storedCode))
        return CheckResult::fail(law_msg::SelecioneBaseLegal, law_field::CodLei);
    if (money::round2(line.Valor) <= 0) return CheckResult::fail(law_msg::ValorMaiorQueZero, law_field::Valor);
    // A changed code may not take the place of another line either: the
    // declaration holds one line per code.
    if (hasLineWithCode(list, key, line.codLei, storedCode))
        return CheckResult::fail(law_msg::JaExisteLinha, law_field::CodLei);
    return CheckResult::pass();
}

bool isCarriedSmallBalance(LawList list, const LawLine& line) {
    if (list != LawList::OutrosDeb || line.codLei != kCarriedBalanceLaw) return false;
    const double v = money::round2(line.Valor);
    return v > 0 && v < kSmallBalance;
}

// ---- deductions -------------------------------------------------------------------

double DeductionLine::ParSujIncentivo() const { return ICMSDevido - MediaICMS; }
double DeductionLine::ParIncentivada() const { return ParSujIncentivo() * 0.75; }
double DeductionLine::SubParIncentivada() const { return ParIncentivada() * 0.05; }

bool DeductionLine::sameStored(const DeductionLine& other) const {
    return codLei == other.codLei && !money::different(ICMSDevido, other.ICMSDevido) &&
           !money::different(MediaICMS, other.MediaICMS) && !money::different(VlrDeducao, other.VlrDeducao);
}

bool isTypedDeduction(int codLei) {
    return codLei == 99 || codLei == 3 || codLei == 4 || codLei == 5 || codLei == 6;
}

void applyDeductionValue(DeductionLine& line) {
    if (isTypedDeduction(line.codLei)) return;
    line.VlrDeducao = money::round2(line.ParIncentivada() - line.SubParIncentivada());
}

DeductionLine deductionLine(int codLei) {
    DeductionLine line;
    line.codLei = codLei;
    if (const auto c = lawCode(LawList::Deducoes, codLei)) {
        line.tipo = c->tipo;
        line.descLei = c->descLei;
    }
    return line;
}

QList<DeductionLine> loadDeductionLines(const DeclarationKey& key) {
    QList<DeductionLine> lines;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT CodLei, ICMSDevido, MediaICMS, VlrDeducao FROM Deducoes WHERE %1 "
                                  "ORDER BY CodLei")
                       .arg(kWhereKey),
                   keyValues(key)))
        return lines;
    while (q.next()) {
        DeductionLine l = deductionLine(int(sql::integer(q.value(0))));
        l.ICMSDevido = sql::real(q.value(1));
        l.MediaICMS = sql::real(q.value(2));
        l.VlrDeducao = sql::real(q.value(3));
        lines << l;
    }
    return lines;
}

CheckResult checkDeductionLine(const DeclarationKey& key, const DeductionLine& line,
                               const std::optional<DeductionLine>& original) {
    const std::optional<int> storedCode = original ? std::optional<int>(original->codLei) : std::nullopt;
    // The origin comes with a valid code: a line without one has none.
    if (!line.hasOrigin() || !codeMayBeCited(LawList::Deducoes, key, line.codLei, storedCode))
        return CheckResult::fail(law_msg::SelecioneOrigem, law_field::CodLei);
    if (hasLineWithCode(LawList::Deducoes, key, line.codLei, storedCode))
        return CheckResult::fail(law_msg::ExisteLinha, law_field::CodLei);
    return CheckResult::pass();
}

// ---- posting and deleting --------------------------------------------------------

namespace {

LinePostResult writeLine(const QString& statement, const QVariantList& values) {
    LinePostResult r;
    QSqlQuery q;
    if (!sql::run(q, statement, values, &r.error)) r.status = LinePost::Failed;
    return r;
}

} // namespace

LinePostResult postLawLine(LawList list, const DeclarationKey& key, const LawLine& line,
                           const std::optional<LawLine>& original, bool bulkUpdate) {
    if (!bulkUpdate) {
        if (CheckResult c = checkLawLine(list, key, line, original); !c)
            return {LinePost::Refused, c, {}};
    }
    const QString table = lawListTable(list);
    const double valor = money::round2(line.Valor);
    if (!original)
        return writeLine(QStringLiteral("INSERT INTO %1 (IE, Ano, Mes, Retificacao, CodLei, Valor) "
                                        "VALUES (?, ?, ?, ?, ?, ?)")
                             .arg(table),
                         keyValues(key) << line.codLei << valor);
    return writeLine(QStringLiteral("UPDATE %1 SET CodLei = ?, Valor = ? WHERE %2 AND CodLei = ?").arg(table, kWhereKey),
                     QVariantList{line.codLei, valor} << keyValues(key) << original->codLei);
}

LinePostResult postDeductionLine(const DeclarationKey& key, const DeductionLine& typed,
                                 const std::optional<DeductionLine>& original, bool bulkUpdate) {
    DeductionLine line = typed;
    applyDeductionValue(line);
    if (!bulkUpdate) {
        if (CheckResult c = checkDeductionLine(key, line, original); !c) return {LinePost::Refused, c, {}};
    }
    const QVariantList amounts{money::round2(line.ICMSDevido), money::round2(line.MediaICMS),
                               money::round2(line.VlrDeducao)};
    if (!original)
        return writeLine(QStringLiteral("INSERT INTO Deducoes (IE, Ano, Mes, Retificacao, ICMSDevido, MediaICMS, "
                                        "VlrDeducao, CodLei) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                         keyValues(key) << amounts << line.codLei);
    return writeLine(QStringLiteral("UPDATE Deducoes SET ICMSDevido = ?, MediaICMS = ?, VlrDeducao = ?, CodLei = ? "
                                    "WHERE %1 AND CodLei = ?")
                         .arg(kWhereKey),
                     QVariantList(amounts) << line.codLei << keyValues(key) << original->codLei);
}

LineDelete deleteListLine(LawList list, const DeclarationKey& key, int codLei, Prompter& prompter,
                          QString* error) {
    if (!prompter.ask(law_msg::ConfirmaExclusao)) return LineDelete::NotConfirmed;
    if (list == LawList::OutrosDeb && codLei == kCarriedBalanceLaw) {
        prompter.warn(law_msg::Code98NaoExcluir);
        return LineDelete::Refused;
    }
    storage::Transaction tx;
    QSqlQuery q;
    if (!sql::run(q, QStringLiteral("DELETE FROM %1 WHERE %2 AND CodLei = ?").arg(lawListTable(list), kWhereKey),
                  keyValues(key) << codLei, error) ||
        !tx.commit()) {
        tx.rollback();
        if (error && error->isEmpty()) *error = storage::db().lastError().text();
        return LineDelete::Failed;
    }
    return LineDelete::Deleted;
}

// ---- totals ---------------------------------------------------------------------

double lawListTotal(LawList list, const DeclarationKey& key) {
    const QString column = list == LawList::Deducoes ? QStringLiteral("VlrDeducao") : QStringLiteral("Valor");
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT sum(%1) FROM %2 WHERE %3").arg(column, lawListTable(list), kWhereKey),
                   keyValues(key)) ||
        !q.next())
        return 0;
    return money::round2(sql::real(q.value(0)));
}

} // namespace vexa::decl

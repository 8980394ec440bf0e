#include "declaration/IcmsRecolher.h"

#include "common/Conversions.h"
#include "common/Money.h"
#include "declaration/DeclSql.h"

namespace vexa::decl {

namespace {

const QString kWhereKind =
    QStringLiteral(" WHERE IE = ? AND Ano = ? AND Mes = ? AND Retificacao = ? AND TipoApuracao = ?");

QVariantList kindValues(const DeclarationKey& k, ToPayKind kind) {
    return {k.ie, k.ano, k.mes, k.retificacao, tipoApuracao(kind)};
}

int yyyymm(int year, int month) { return year * 100 + month; }

ToPayPostOutcome refused(Prompter& prompter, const QString& message, const QString& field) {
    prompter.warn(message);
    ToPayPostOutcome out;
    out.status = PostStatus::Refused;
    out.message = message;
    out.field = field;
    return out;
}

ToPayPostOutcome failed(const QString& error) {
    ToPayPostOutcome out;
    out.status = PostStatus::Failed;
    out.message = error;
    return out;
}

} // namespace

const std::array<ToPayKind, kToPayKindCount>& allToPayKinds() {
    static const std::array<ToPayKind, kToPayKindCount> kinds = {
        ToPayKind::Normal,          ToPayKind::DifAliquotaEntradas, ToPayKind::SubstTributaria,
        ToPayKind::ComplementoAliquota, ToPayKind::DifAliquotaSaidas, ToPayKind::FundoPobreza};
    return kinds;
}

QString tipoApuracao(ToPayKind kind) {
    static const std::array<const char*, kToPayKindCount> codes = {"N", "D", "S", "C", "F", "P"};
    return QString::fromLatin1(codes[size_t(kind)]);
}

std::optional<ToPayKind> toPayKindOf(const QString& code) {
    for (ToPayKind kind : allToPayKinds())
        if (tipoApuracao(kind) == code.trimmed().toUpper()) return kind;
    return std::nullopt;
}

QString toPayItem(ToPayKind kind) { return QStringLiteral("9.%1").arg(int(kind) + 1); }

QString toPayCaption(ToPayKind kind) {
    switch (kind) {
    case ToPayKind::Normal: return QStringLiteral("ICMS Normal");
    case ToPayKind::DifAliquotaEntradas: return QStringLiteral("Diferencial de Alíquota (Entradas)");
    case ToPayKind::SubstTributaria: return QStringLiteral("ICMS Substituição Tributária");
    case ToPayKind::ComplementoAliquota: return QStringLiteral("Complementação de Alíquota");
    case ToPayKind::DifAliquotaSaidas: return QStringLiteral("Diferencial de Alíquota (Saídas)");
    case ToPayKind::FundoPobreza: return QStringLiteral("Fundo de Combate a Pobreza");
    }
    return {};
}

bool isToPayKindEnabled(ToPayKind kind, const QString& tipoRegime, const DeclarationKey& key) {
    const bool simples = tipoRegime == QLatin1String("S");
    switch (kind) {
    case ToPayKind::Normal: return !simples;
    case ToPayKind::DifAliquotaEntradas:
    case ToPayKind::SubstTributaria: return true;
    case ToPayKind::ComplementoAliquota: return simples;
    case ToPayKind::DifAliquotaSaidas:
    case ToPayKind::FundoPobreza: return key.yyyymm() >= QLatin1String("201601");
    }
    return false;
}

QString topay_msg::duplicateDueDate(const QDate& due) {
    return QStringLiteral("Já existe um registro cadastrado para o vencimento ") + dateText(due);
}

CheckResult checkDueMonth(const DeclarationKey& key, const QDate& due) {
    const int period = yyyymm(key.year(), key.month());
    const int dueMonth = yyyymm(due.year(), due.month());
    const int following = key.month() == 12 ? yyyymm(key.year() + 1, 1) : yyyymm(key.year(), key.month() + 1);
    if (dueMonth <= period) return CheckResult::fail(topay_msg::VencimentoMenorOuIgual, topay_field::DtVencimento);
    if (dueMonth > following)
        return CheckResult::fail(topay_msg::VencimentoMaiorQueSubsequente, topay_field::DtVencimento);
    return CheckResult::pass();
}

bool toPayAcceptsNewRow(int rowCount, bool newRowFlag, bool bulkUpdate, bool beforeFirstRow) {
    if (rowCount >= kMaxToPayRows) return false;
    return childTableAcceptsNewRow(newRowFlag, bulkUpdate, rowCount, beforeFirstRow);
}

ToPayPostOutcome postToPayRow(const DeclarationKey& key, ToPayKind kind, const ToPayRow& typed,
                              const std::optional<ToPayRow>& original, Prompter& prompter) {
    ToPayRow row = typed;
    row.valor = money::round2(row.valor);
    if (!row.dtVencimento.isValid()) {
        ToPayPostOutcome out;
        out.status = PostStatus::Discarded;
        return out;
    }
    if (const CheckResult c = checkDueMonth(key, row.dtVencimento); !c) return refused(prompter, c.message, c.field);
    const bool dateChanged = !original || original->dtVencimento != row.dtVencimento;
    if (dateChanged && countToPayRows(key, kind, row.dtVencimento) > 0)
        return refused(prompter, topay_msg::duplicateDueDate(row.dtVencimento), topay_field::DtVencimento);

    QString error;
    const bool written = original ? updateToPayRow(key, kind, *original, row, &error)
                                  : insertToPayRow(key, kind, row, &error);
    if (!written) return failed(error);
    ToPayPostOutcome out;
    out.stored = row;
    return out;
}

std::optional<ToPayRow> existingToPayRow(const DeclarationKey& key, ToPayKind kind, const ToPayRow& row,
                                         const std::optional<ToPayRow>& original) {
    if (!row.dtVencimento.isValid()) return std::nullopt;
    if (original && original->dtVencimento == row.dtVencimento) return std::nullopt;
    QList<ToPayRow> found;
    for (const ToPayRow& stored : loadToPayRows(key, kind))
        if (stored.dtVencimento == row.dtVencimento) found << stored;
    if (found.size() != 1) return std::nullopt;
    return found.first();
}

// ---- stored rows ----------------------------------------------------------------

QList<ToPayRow> loadToPayRows(const DeclarationKey& key, ToPayKind kind) {
    QList<ToPayRow> rows;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT DtVencimento, Valor FROM ICMSRecolher") + kWhereKind +
                          QStringLiteral(" ORDER BY DtVencimento NULLS FIRST, TipoApuracao"),
                   kindValues(key, kind)))
        return rows;
    while (q.next()) rows.append({sql::date(q.value(0)), sql::real(q.value(1))});
    return rows;
}

int countToPayRows(const DeclarationKey& key, ToPayKind kind, const QDate& due) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT count(*) FROM ICMSRecolher") + kWhereKind +
                          QStringLiteral(" AND DtVencimento = ?"),
                   kindValues(key, kind) << sql::date(due)) ||
        !q.next())
        return 0;
    return q.value(0).toInt();
}

bool insertToPayRow(const DeclarationKey& key, ToPayKind kind, const ToPayRow& row, QString* error) {
    QSqlQuery q;
    return sql::run(q,
                    QStringLiteral("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, DtVencimento, "
                                   "Valor) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                    kindValues(key, kind) << sql::date(row.dtVencimento) << money::round2(row.valor), error);
}

bool updateToPayRow(const DeclarationKey& key, ToPayKind kind, const ToPayRow& original, const ToPayRow& row,
                    QString* error) {
    QSqlQuery q;
    QVariantList values{sql::date(row.dtVencimento), money::round2(row.valor)};
    values += kindValues(key, kind);
    values << sql::date(original.dtVencimento);
    return sql::run(q,
                    QStringLiteral("UPDATE ICMSRecolher SET DtVencimento = ?, Valor = ?") + kWhereKind +
                        QStringLiteral(" AND DtVencimento = ?"),
                    values, error);
}

bool deleteToPayRow(const DeclarationKey& key, ToPayKind kind, const QDate& due, QString* error) {
    QSqlQuery q;
    return sql::run(q, QStringLiteral("DELETE FROM ICMSRecolher") + kWhereKind + QStringLiteral(" AND DtVencimento = ?"),
                    kindValues(key, kind) << sql::date(due), error);
}

ToPayTotals toPayTotals(const DeclarationKey& key) {
    ToPayTotals totals;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("SELECT TipoApuracao, sum(Valor) FROM ICMSRecolher WHERE IE = ? AND Ano = ? AND "
                                  "Mes = ? AND Retificacao = ? GROUP BY TipoApuracao"),
                   {key.ie, key.ano, key.mes, key.retificacao}))
        return totals;
    while (q.next()) {
        if (const auto kind = toPayKindOf(sql::text(q.value(0))))
            totals.value[size_t(*kind)] = money::round2(totals.value[size_t(*kind)] + sql::real(q.value(1)));
    }
    return totals;
}

} // namespace vexa::decl

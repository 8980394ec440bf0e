#include "declaration/Apuracao.h"

#include "common/Money.h"
#include "declaration/DeclSql.h"

#include <QSqlQuery>

namespace vexa::decl {

namespace {
bool isSimples(const QString& tipoRegime) { return tipoRegime == QLatin1String("S"); }
// Periods compare as text "YYYYMM".
bool from(const DeclarationKey& key, const char* yyyymm) { return key.yyyymm() >= QLatin1String(yyyymm); }
} // namespace

QString vexaRetificadoraText(const QString& retificacao) {
    if (retificacao == QLatin1String("00") || retificacao.isEmpty())
        return QStringLiteral("3.9 VEXA NÃO RETIFICADORA");
    return QStringLiteral("3.9 VEXA RETIFICADORA %1").arg(retificacao.toInt(), 2, 10, QLatin1Char('0'));
}

// The threshold is compared on the amount in cents, so that a sum such as
// 30,10 + 19,90 counts as the 50,00 it is, whatever the binary error of the sum.
SmallBalanceSplit splitSmallBalance(double s, bool december) {
    if (money::round2(s) >= kSmallBalance || december) return {s, 0};
    return {0, s};
}

bool isSmallBalance(double amount) {
    const double cents = money::round2(amount);
    return cents > 0 && cents < kSmallBalance;
}

Apuracao computeApuracao(const VexaRow& r) {
    Apuracao a;   // step 1: every result starts at 0
    a.VexaRetificadora = vexaRetificadoraText(r.Retificacao);
    const bool december = r.Mes == QLatin1String("12");

    a.C54 = r.C51 + r.C52 + r.C53;
    a.C65 = r.C61 + r.C62 + r.C63 + r.C64;
    a.C71 = a.C54 - a.C65;
    if (a.C71 < 0) {
        a.C75 = -a.C71;
        a.C71 = 0;
    }
    a.C73 = a.C71 - r.C72;

    a.C86 = r.C83 - (r.C84 + r.C85);
    if (a.C86 < 0) {
        a.C87 = -a.C86;
        a.C86 = 0;
    }

    const SmallBalanceSplit complement = splitSmallBalance(r.C79 + r.C710, december);
    a.C712 = complement.due;
    a.C711 = complement.carried;

    const SmallBalanceSplit differential = splitSmallBalance(r.C76 + r.C77, december);
    a.C74 = differential.due;
    a.C78 = differential.carried;

    const SmallBalanceSplit finalConsumer = splitSmallBalance(r.C713 + r.C714, december);
    a.C716 = finalConsumer.due;
    a.C715 = finalConsumer.carried;
    return a;
}

ApuracaoPresentation apuracaoPresentation(const QString& tipoRegime, const DeclarationKey& key) {
    ApuracaoPresentation p;
    p.simples = isSimples(tipoRegime);
    if (!p.simples) {
        p.debitCreditTyped = true;
        p.otherListsEnabled = true;
        p.listTotalsReadOnly = true;
        p.items5to73Enabled = true;
        p.items79to712Visible = true;
        p.items79to712Enabled = false;
        p.items79to712LabelsGrey = true;
        p.list791Visible = false;
        p.list791Enabled = false;
    } else {
        p.debitCreditTyped = false;
        p.otherListsEnabled = false;
        p.listTotalsReadOnly = true;
        p.items5to73Enabled = false;
        const bool complement = from(key, "201203");
        p.items79to712Visible = true;
        p.items79to712Enabled = complement;
        p.items79to712LabelsGrey = !complement;
        p.list791Visible = true;
        p.list791Enabled = complement;
    }
    p.items713to716Enabled = from(key, "201601");
    p.item64Editable = !p.simples && key.yyyymm() == QLatin1String("200901");
    p.focusField = QStringLiteral("C76");
    return p;
}

bool canOpenList(ListEditor list, const QString& tipoRegime, const DeclarationKey& key) {
    switch (list) {
    case ListEditor::OutrosDeb:
    case ListEditor::OutrosCred:
    case ListEditor::Deducoes:
        return !isSimples(tipoRegime);
    case ListEditor::Aliquota:
        return true;
    case ListEditor::AliquotaComp:
        return isSimples(tipoRegime) && from(key, "201203");
    case ListEditor::AliquotaConsumidor:
        return from(key, "201601");
    }
    return false;
}

QString listTotalColumn(ListEditor list) {
    switch (list) {
    case ListEditor::OutrosDeb: return QStringLiteral("C52");
    case ListEditor::OutrosCred: return QStringLiteral("C62");
    case ListEditor::Deducoes: return QStringLiteral("C72");
    case ListEditor::Aliquota: return QStringLiteral("C76");
    case ListEditor::AliquotaComp: return QStringLiteral("C79");
    case ListEditor::AliquotaConsumidor: return QStringLiteral("C713");
    }
    return {};
}

QDate declarationFirstDay(const DeclarationKey& key) { return QDate(key.year(), key.month(), 1); }

bool isLawCodeValid(const QDate& perRLeiIni, const QDate& perRLeiFim, const QDate& firstDay) {
    if (!firstDay.isValid() || !perRLeiIni.isValid()) return false;
    return perRLeiIni <= firstDay && (!perRLeiFim.isValid() || perRLeiFim >= firstDay);
}

QList<LawCode> validLawCodes(LawTable table, const DeclarationKey& key) {
    const QString name = table == LawTable::Leis      ? QStringLiteral("Leis")
                         : table == LawTable::LeisDeb ? QStringLiteral("LeisDeb")
                                                      : QStringLiteral("LeisD");
    const QDate day = declarationFirstDay(key);
    QList<LawCode> codes;
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("SELECT CodLei, Tipo, DescLei, PerRLeiIni, PerRLeiFim FROM %1 ORDER BY CodLei")
                          .arg(name),
                   {}))
        return codes;
    while (q.next()) {
        LawCode c;
        c.codLei = int(sql::integer(q.value(0)));
        c.tipo = sql::text(q.value(1));
        c.descLei = sql::text(q.value(2));
        c.perRLeiIni = sql::date(q.value(3));
        c.perRLeiFim = sql::date(q.value(4));
        // An end that is stored but unreadable is not "empty": such a code is left out.
        if (!q.value(4).isNull() && !sql::text(q.value(4)).trimmed().isEmpty() && !c.perRLeiFim.isValid()) continue;
        if (isLawCodeValid(c.perRLeiIni, c.perRLeiFim, day)) codes << c;
    }
    return codes;
}

} // namespace vexa::decl

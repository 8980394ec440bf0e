#include "payment/Gates.h"

#include "common/Clock.h"
#include "common/Conversions.h"
#include "common/Money.h"
#include "declaration/DeclSql.h"

#include <QSqlQuery>

namespace vexa::payment {

namespace {

using namespace vexa::decl;

bool declarationExists(const DareKey& k) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("select 1 from Vexas where IE = ? and Ano = ? and Mes = ? and Retificacao = ?"),
                   {k.IE, k.Ano, k.Mes, k.Retificacao}))
        return false;
    return q.next();
}

bool indexRowExists(int code, const QDate& data) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("select Data from IndicesEconomicos where CodigoIndice = ? and Data = ?"),
                   {code, sql::date(data)}))
        return false;
    return q.next();
}

bool isLinkedKind(int tipo) { return tipo == 0 || (tipo >= 2 && tipo <= 6); }

QVariantList keyValues(const DareKey& k) { return {k.IE, k.Ano, k.Mes, k.Retificacao}; }

} // namespace

QString versionMessage(const QString& beforeAte) {
    return QStringLiteral("Versão do programa só permite emissão do DARE") + beforeAte +
           QStringLiteral("até referência ") + cutoverDate().toString(QStringLiteral("MM/yyyy")) +
           QStringLiteral(".\n\nSolicite nova versão na Delegacia Fiscal mais próxima ou pela Internet.");
}

QString issueLimitText() {
    return QStringLiteral("Impressão do DARE valida até referência ") +
           cutoverDate().toString(QStringLiteral("MM/yyyy"));
}

SlipTaxpayer findSlipTaxpayer(const QString& ie) {
    SlipTaxpayer t;
    if (ie.isEmpty()) return t;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("select c.RazaoSocial, c.CGC_CPF, c.MunicipioID, c.TipoRegime, m.CodIBGE "
                                  "from Contribuintes c left join Municipios m on m.CodigoID = c.MunicipioID "
                                  "where c.IE = ?"),
                   {ie}))
        return t;
    if (!q.next()) return t;
    t.found = true;
    t.RazaoSocial = sql::text(q.value(0));
    t.CGC_CPF = sql::text(q.value(1));
    t.MunicipioID = sql::text(q.value(2));
    t.TipoRegime = sql::text(q.value(3));
    // A municipality code that names no municipality counts as none: the slip
    // report joins `Municipios` and could not print it.
    if (!t.MunicipioID.isEmpty() && !q.value(4).isNull()) t.codIBGE = q.value(4).toString();
    return t;
}

CheckResult checkTextWidths(std::initializer_list<TextWidth> texts) {
    for (const TextWidth& t : texts)
        if (t.value.size() > t.width)
            return CheckResult::fail(
                QString::fromUtf8(t.caption) + QStringLiteral(" aceita no máximo %1 caracteres.").arg(t.width), t.field);
    return CheckResult::pass();
}

SlipBarcode slipBarcode(const Tributo& tributo, double ccVlTotal, double vlReceita, double juros, double multa,
                        const QString& nossoNumero, SlipOrigin origin) {
    BarcodeInput in;
    in.ccVlTotal = ccVlTotal;
    in.Vl_Receita = vlReceita;
    in.Juros = juros;
    in.Multa = multa;
    in.Distribuicao = tributo.Distribuicao;
    in.TributoID = tributo.ID;
    in.NossoNumero = nossoNumero;
    in.origin = origin;
    SlipBarcode b;
    b.CodBar = CodBar(in);
    b.LinhaDigitavel = LinhaDigitavel(b.CodBar);
    return b;
}

QString latestRectification(const QString& ie, const QString& ano, const QString& mes) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("select max(Retificacao) from Vexas where (IE = ?) and (Ano = ?) and (Mes = ?)"),
                   {ie, ano, mes}))
        return {};
    return q.next() ? sql::text(q.value(0)) : QStringLiteral("00");
}

std::optional<Dare> findDare(const DareKey& key) {
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("select CodigoTributo, Obs1, Obs2, Obs3, Doc_Origem, DataPgto from dare "
                                  "where IE = ? and Ano = ? and Mes = ? and Retificacao = ?"),
                   keyValues(key)))
        return std::nullopt;
    if (!q.next()) return std::nullopt;
    Dare d;
    d.key = key;
    d.CodigoTributo = sql::text(q.value(0));
    d.Obs1 = sql::text(q.value(1));
    d.Obs2 = sql::text(q.value(2));
    d.Obs3 = sql::text(q.value(3));
    d.Doc_Origem = sql::text(q.value(4));
    d.DataPgto = sql::date(q.value(5));
    return d;
}

ReferenceResult referenceCheck(const QString& ie, const QString& mes, const QString& ano, bool fromYearField) {
    ReferenceResult r;
    if (fromYearField && !ano.isEmpty() && ano.toInt() < 2000) {
        r.outcome = ReferenceOutcome::YearBefore2000;
        r.check = CheckResult::fail(dare_msg::AnoAnterior2000, dare_field::Ano);
        return r;
    }
    r.key = {ie, ano, mes, latestRectification(ie, ano, mes)};

    const SlipTaxpayer taxpayer = findSlipTaxpayer(ie);
    if (!taxpayer.found) {
        r.outcome = ReferenceOutcome::TaxpayerNotFound;
        r.check = CheckResult::fail(dare_msg::ContribuinteNaoLocalizado, dare_field::IE);
        return r;
    }
    r.tipoRegime = taxpayer.TipoRegime;
    r.revenues = tributosForRegime(taxpayer.TipoRegime);

    if (const std::optional<Dare> stored = findDare(r.key)) {
        r.outcome = ReferenceOutcome::Shown;
        r.dare = *stored;
        return r;
    }
    if (!r.key.Retificacao.isEmpty() && declarationExists(r.key)) {
        r.outcome = ReferenceOutcome::New;
        r.dare.key = r.key;
        r.dare.DataPgto = Clock::instance().today();
        return r;
    }
    r.outcome = ReferenceOutcome::NoDeclaration;
    r.check = CheckResult::fail(dare_msg::SemVexa, dare_field::IE);
    return r;
}

DareView describeDare(const Dare& dare) {
    DareView v;
    v.dare = dare;
    const DareKey& k = dare.key;
    if (const SlipTaxpayer t = findSlipTaxpayer(k.IE); t.found) {
        v.taxpayerFound = true;
        v.RazaoSocial = t.RazaoSocial;
        v.CGC_CPF = t.CGC_CPF;
        v.MunicipioID = t.MunicipioID;
        v.codIBGE = t.codIBGE;
        v.TipoRegime = t.TipoRegime;
    }
    v.tributo = findTributo(dare.CodigoTributo);
    v.DataVencimento = dueDate(k.Ano, k.Mes);
    v.amountsComputed = !k.IE.isEmpty() && !k.Mes.isEmpty() && !k.Ano.isEmpty() && v.DataVencimento.isValid();
    if (v.amountsComputed)
        v.amounts = computeSlipAmounts(k.IE, k.Ano, k.Mes, k.Retificacao, v.tributo ? v.tributo->Tipo : -1,
                                       v.DataVencimento, dare.DataPgto);
    v.NossoNumero = nossoNumeroLinked(k.periodo(), k.IE);
    v.Obs4 = Obs4(v.DataVencimento, dare.DataPgto);
    if (v.tributo) {
        const SlipBarcode b = slipBarcode(*v.tributo, v.amounts.ccVlTotal, v.amounts.Vl_Receita, v.amounts.Juros,
                                          v.amounts.Multa, v.NossoNumero, SlipOrigin::Linked);
        v.CodBar = b.CodBar;
        v.LinhaDigitavel = b.LinhaDigitavel;
    }
    return v;
}

SaveCheck checkSave(const Dare& dare) {
    SaveCheck c;
    const DareKey& k = dare.key;

    // 1. A revenue of a kind a declaration pays (the regime filter of the drop-down does not apply).
    const std::optional<Tributo> tributo = findTributo(dare.CodigoTributo);
    if (!tributo || !isLinkedKind(tributo->Tipo)) {
        c.refusal = CheckResult::fail(dare_msg::ReceitaNaoLocalizada, dare_field::CodigoTributo);
        return c;
    }

    // 2. Warned only: the slip can be kept, but not printed, without the municipality.
    if (findSlipTaxpayer(k.IE).codIBGE.isEmpty()) c.warnings << dare_msg::SemMunicipio;

    // 3. Not before the due date, unless the due date falls in the current month.
    const QDate today = Clock::instance().today();
    const QDate due = dueDate(k.Ano, k.Mes);
    if (!due.isValid()) {
        c.refusal = CheckResult::fail(dare_msg::SemVencimento, dare_field::Mes);
        return c;
    }
    const qint64 paid = daysBetween(QDate(), dare.DataPgto);
    const qint64 dueDay = daysBetween(QDate(), due);
    const bool dueThisMonth = due.year() == today.year() && due.month() == today.month();
    if (dueDay > paid && !dueThisMonth) {
        c.refusal = CheckResult::fail(dare_msg::PagamentoAntesVencimento, dare_field::DataPgto);
        return c;
    }

    // 4. Not after the last day of the current month.
    const QDate lastDay(today.year(), today.month(), LastDayOfMonth(today));
    if (dare.DataPgto.isValid() && dare.DataPgto > lastDay) {
        c.refusal = CheckResult::fail(dare_msg::PagamentoSuperiorPrefix + dateText(lastDay), dare_field::DataPgto);
        return c;
    }

    // 5. Not before today.
    if (paid < daysBetween(QDate(), today)) {
        c.refusal = CheckResult::fail(dare_msg::PagamentoAnteriorHojePrefix + dateText(today), dare_field::DataPgto);
        return c;
    }

    // 6. More than 30 days late: the indices the interest and correction read must be held.
    if (daysBetween(due, dare.DataPgto) > 30) {
        if (!indexRowExists(kIndiceIGPDI, igpdiCorrectionMonth())) {
            c.refusal = CheckResult::fail(dare_msg::AtualizarIGPDI, dare_field::DataPgto);
            return c;
        }
        const QDate paymentMonth(dare.DataPgto.year(), dare.DataPgto.month(), 1);
        if (!indexRowExists(kIndiceSELIC, paymentMonth)) {
            c.refusal = CheckResult::fail(dare_msg::AtualizarSelic, dare_field::DataPgto);
            return c;
        }
    }
    return c;
}

CheckResult checkDareWidths(const Dare& d) {
    return checkTextWidths({
        {d.CodigoTributo, dare_width::CodigoTributo, "Código da Receita", dare_field::CodigoTributo},
        {d.Obs1, dare_width::Obs, "Observações", dare_field::Obs1},
        {d.Obs2, dare_width::Obs, "Observações", dare_field::Obs2},
        {d.Obs3, dare_width::Obs, "Observações", dare_field::Obs3},
        {d.Doc_Origem, dare_width::Doc_Origem, "Nº Doc. Origem", dare_field::Doc_Origem},
    });
}

bool saveDare(const Dare& d, QString* error) {
    if (const CheckResult widths = checkDareWidths(d); !widths) {
        if (error) *error = widths.message;
        return false;
    }
    if (d.key.IE.isEmpty() || d.key.Ano.isEmpty() || d.key.Mes.isEmpty() || d.key.Retificacao.isEmpty()) {
        if (error) *error = dare_msg::SemVexa;
        return false;
    }

    const QVariantList values = {sql::text(d.CodigoTributo), sql::text(d.Obs1), sql::text(d.Obs2),
                                 sql::text(d.Obs3),          sql::text(d.Doc_Origem), sql::date(d.DataPgto)};
    sql::WriteUnit unit(QStringLiteral("dare_save"));
    if (!unit.started()) {
        if (error) *error = unit.error();
        return false;
    }
    QSqlQuery q;
    if (!sql::run(q,
                  QStringLiteral("update dare set CodigoTributo = ?, Obs1 = ?, Obs2 = ?, Obs3 = ?, Doc_Origem = ?, "
                                 "DataPgto = ? where IE = ? and Ano = ? and Mes = ? and Retificacao = ?"),
                  values + keyValues(d.key), error))
        return false;
    if (q.numRowsAffected() == 0) {
        QSqlQuery insert;
        if (!sql::run(insert,
                      QStringLiteral("insert into dare (IE, Ano, Mes, Retificacao, CodigoTributo, Obs1, Obs2, Obs3, "
                                     "Doc_Origem, DataPgto) values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                      keyValues(d.key) + values, error))
            return false;
    }
    return unit.release(error);
}

CheckResult checkPrint(const DareView& v) {
    if (!v.dare.DataPgto.isValid()) return CheckResult::fail(dare_msg::InformeDataPagamento, dare_field::DataPgto);
    if (money::toCents(v.amounts.Vl_Receita) <= 0) return CheckResult::fail(dare_msg::ReceitaNaoPositiva);
    if (totalAboveLimit(v.amounts.ccVlTotal)) return CheckResult::fail(dare_msg::TotalAcimaLimite);
    if (v.codIBGE.isEmpty()) return CheckResult::fail(dare_msg::SemMunicipio);
    if (!PeriodBeforeCutover(v.dare.key.periodo())) return CheckResult::fail(versionMessage());
    return CheckResult::pass();
}

DeleteOutcome deleteDare(const DareKey& key, Prompter& prompter, QString* error) {
    if (!findDare(key)) return DeleteOutcome::NotFound;
    if (!prompter.ask(dare_msg::ConfirmaExclusao)) return DeleteOutcome::NotConfirmed;
    QSqlQuery q;
    if (!sql::run(q, QStringLiteral("delete from dare where IE = ? and Ano = ? and Mes = ? and Retificacao = ?"),
                  keyValues(key), error))
        return DeleteOutcome::Failed;
    return DeleteOutcome::Deleted;
}

} // namespace vexa::payment

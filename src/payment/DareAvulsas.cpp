#include "payment/DareAvulsas.h"

#include "common/Clock.h"
#include "common/Conversions.h"
#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "common/Rotinas.h"
#include "declaration/DeclSql.h"
#include "storage/Database.h"

#include <QSqlQuery>

namespace vexa::payment {

namespace {

using namespace vexa::decl;

const QString kColumns = QStringLiteral(
    "IE, Ano, Mes, CodigoTributo, Seq, DataVencimento, ValorReceita, Multa, Juros, AtualizacaoFinaceira, TSE, "
    "Obs1, Obs2, Obs3, Doc_Origem, NumeroDoc, TipoDoc, Objeto");

DareAvulsa rowOf(const QSqlQuery& q) {
    DareAvulsa d;
    d.key.IE = sql::text(q.value(0));
    d.key.Ano = sql::text(q.value(1));
    d.key.Mes = sql::text(q.value(2));
    d.key.CodigoTributo = sql::text(q.value(3));
    d.key.Seq = int(sql::integer(q.value(4)));
    d.DataVencimento = sql::date(q.value(5));
    d.ValorReceita = sql::real(q.value(6));
    d.Multa = sql::real(q.value(7));
    d.Juros = sql::real(q.value(8));
    d.AtualizacaoFinaceira = sql::real(q.value(9));
    d.TSE = sql::real(q.value(10));
    d.Obs1 = sql::text(q.value(11));
    d.Obs2 = sql::text(q.value(12));
    d.Obs3 = sql::text(q.value(13));
    d.Doc_Origem = sql::text(q.value(14));
    d.NumeroDoc = sql::text(q.value(15));
    d.TipoDoc = sql::text(q.value(16));
    d.Objeto = sql::text(q.value(17));
    return d;
}

QVariantList keyValues(const AvulsaKey& k) { return {k.IE, k.Ano, k.Mes, k.CodigoTributo, k.Seq}; }

const QString kWhereKey =
    QStringLiteral(" where IE = ? and Ano = ? and Mes = ? and CodigoTributo = ? and Seq = ?");

bool isOutros(const QString& tipoDoc) { return tipoDoc == kDocumentoOutros; }

// The whole-number test of the document number. An N.I. is numbered by the
// taxpayer's CNPJ, 14 digits, which no 32-bit number holds: its digits alone
// are the test there.
bool wholeNumber(const QString& numero, const std::optional<DocumentoAvulso>& doc) {
    if (IsInteger(numero)) return true;
    if (!doc || doc->kind != QLatin1String("2")) return false;
    const QString n = numero.trimmed();
    return !n.isEmpty() && n.size() <= 14 && SoNumeros(n) == n;
}

} // namespace

double DareAvulsa::ccVlTotal() const {
    return money::round2(ValorReceita + Juros + Multa + TSE + AtualizacaoFinaceira);
}

// ---- documents -------------------------------------------------------------------

const QList<DocumentoAvulso>& documentosAvulsos() {
    static const QList<DocumentoAvulso> all = {
        {QStringLiteral(" "), QStringLiteral("0"), {}, {}, {}},
        {QStringLiteral("NFA  -  NOTA FISCAL AVULSA"), QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("NFA "),
         QStringLiteral("NFA")},
        {QStringLiteral("CATC - CONHECIMENTO AVULSO DE TRANSPORTE DE CARGA"), QStringLiteral("3"), QStringLiteral("0"),
         QStringLiteral("CATC "), QStringLiteral("CATC")},
        {QStringLiteral("N.I. -  NOTA DE INTERPELACAO"), QStringLiteral("4"), QStringLiteral("2"),
         QStringLiteral("N.I. "), QStringLiteral("NI")},
        {QStringLiteral("PROCESSO"), QStringLiteral("6"), QStringLiteral("1"), QStringLiteral("PROCESSO "),
         QStringLiteral("PROCESSO")},
        {kDocumentoOutros, QStringLiteral("0"), {}, {}, QStringLiteral("OUTROS")},
    };
    return all;
}

std::optional<DocumentoAvulso> findDocumento(const QString& text) {
    for (const DocumentoAvulso& d : documentosAvulsos())
        if (d.nome == text) return d;
    if (text.trimmed().isEmpty()) return std::nullopt;
    for (const DocumentoAvulso& d : documentosAvulsos())
        if (!d.shortName.isEmpty() && d.shortName.compare(text.trimmed(), Qt::CaseInsensitive) == 0) return d;
    return std::nullopt;
}

QString objetoOf(const QString& tipoDoc) {
    for (const DocumentoAvulso& d : documentosAvulsos())
        if (d.nome == tipoDoc) return d.objeto;
    return QStringLiteral("0");
}

bool documentoChosen(const QString& tipoDoc) { return !tipoDoc.trimmed().isEmpty(); }

std::optional<QString> obs1FromDocument(const QString& tipoDoc, const QString& numeroDoc, const QString& docOrigem) {
    for (const DocumentoAvulso& d : documentosAvulsos())
        if (d.nome == tipoDoc && !d.obsPrefix.isEmpty()) return d.obsPrefix + numeroDoc;
    if (!docOrigem.trimmed().isEmpty()) return docOrigem;
    return std::nullopt;
}

// ---- finding ---------------------------------------------------------------------

std::optional<DareAvulsa> findDareAvulsa(const AvulsaKey& key) {
    QSqlQuery q;
    if (!sql::read(q, QStringLiteral("select ") + kColumns + QStringLiteral(" from DareAvulsas") + kWhereKey,
                   keyValues(key)))
        return std::nullopt;
    if (!q.next()) return std::nullopt;
    return rowOf(q);
}

std::optional<DareAvulsa> lastDareAvulsa() {
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("select ") + kColumns +
                       QStringLiteral(" from DareAvulsas order by IE desc, Ano desc, Mes desc, CodigoTributo desc, "
                                      "Seq desc limit 1"),
                   {}))
        return std::nullopt;
    if (!q.next()) return std::nullopt;
    return rowOf(q);
}

std::optional<int> nextAvulsaSeq(QString* error) {
    return NextNumber(storage::db(), QStringLiteral("Seq"), QStringLiteral("DareAvulsas"), error);
}

QList<PeriodSlip> slipsOfPeriod(const QString& ie, const QString& mes, const QString& ano) {
    QList<PeriodSlip> slips;
    QSqlQuery q;
    if (!sql::read(q,
                   QStringLiteral("select d.CodigoTributo, d.ValorReceita, c.RazaoSocial, d.Seq "
                                  "from DareAvulsas d join Contribuintes c on c.IE = d.IE "
                                  "where d.IE = ? and d.Mes || d.Ano = ? order by d.CodigoTributo, d.Seq"),
                   {ie, mes + ano}))
        return slips;
    while (q.next())
        slips << PeriodSlip{sql::text(q.value(0)), sql::real(q.value(1)), sql::text(q.value(2)),
                            int(sql::integer(q.value(3)))};
    return slips;
}

YearResult leaveYear(const QString& ie, const QString& mes, const QString& ano, bool novo) {
    YearResult r;
    const QList<PeriodSlip> slips = slipsOfPeriod(ie, mes, ano);
    r.RazaoSocial = slips.isEmpty() ? findSlipTaxpayer(ie).RazaoSocial : slips.first().RazaoSocial;
    auto fresh = [&](int seq) {
        r.outcome = YearOutcome::New;
        r.slip = DareAvulsa{};
        r.slip.key = {ie, ano, mes, {}, seq};
    };
    if (slips.isEmpty()) {
        fresh(1);
        return r;
    }
    if (!novo && slips.size() == 1) {
        const PeriodSlip& only = slips.first();
        if (const std::optional<DareAvulsa> stored = findDareAvulsa({ie, ano, mes, only.CodigoTributo, only.Seq})) {
            r.outcome = YearOutcome::Shown;
            r.slip = *stored;
            return r;
        }
    }
    if (novo) {
        const std::optional<int> next = nextAvulsaSeq(&r.error);
        if (!next) {
            r.outcome = YearOutcome::Failed;
            return r;
        }
        fresh(*next);
        return r;
    }
    r.outcome = YearOutcome::Choose;
    r.choices = slips;
    return r;
}

// ---- what a slip shows -----------------------------------------------------------

AvulsaCodes avulsaCodes(const DareAvulsa& s, const std::optional<Tributo>& tributo) {
    AvulsaCodes c;
    c.ccVlTotal = s.ccVlTotal();
    c.NossoNumero = nossoNumeroStandalone(s.key.periodo(), s.key.IE, s.Objeto);
    c.Obs4 = Obs4(s.DataVencimento, Clock::instance().today());
    if (tributo) {
        const SlipBarcode b =
            slipBarcode(*tributo, c.ccVlTotal, s.ValorReceita, s.Juros, s.Multa, c.NossoNumero, SlipOrigin::Standalone);
        c.CodBar = b.CodBar;
        c.LinhaDigitavel = b.LinhaDigitavel;
    }
    return c;
}

// ---- save --------------------------------------------------------------------------

AvulsaSaveCheck checkSaveAvulsa(const DareAvulsa& s) {
    AvulsaSaveCheck c;
    const AvulsaKey& k = s.key;

    // 1. The IE of exactly one taxpayer.
    QSqlQuery q;
    int taxpayers = 0;
    if (!k.IE.isEmpty() && sql::read(q, QStringLiteral("select RazaoSocial from Contribuintes where IE = ?"), {k.IE}))
        while (q.next()) ++taxpayers;
    if (taxpayers != 1) {
        c.refusal = CheckResult::fail(avulsa_msg::IENaoLocalizada, avulsa_field::IE);
        c.cancelsEdit = true;
        return c;
    }

    // 2. A real month.
    if (!IsValidPeriod(k.Mes + k.Ano)) {
        c.refusal = CheckResult::fail(avulsa_msg::PeriodoInvalido, avulsa_field::Mes);
        c.cancelsEdit = true;
        return c;
    }

    // 3. A revenue of the standalone slips.
    const std::optional<Tributo> tributo = findTributo(k.CodigoTributo);
    if (!tributo || tributo->Tipo != 1) {
        c.refusal = CheckResult::fail(dare_msg::ReceitaNaoLocalizada, avulsa_field::CodigoTributo);
        return c;
    }

    // 4. The document named.
    if (!documentoChosen(s.TipoDoc)) {
        c.refusal = CheckResult::fail(avulsa_msg::NomeDocumento, avulsa_field::TipoDoc);
        return c;
    }

    // 5 and 6. Its number, with its check digit; "OUTROS A ESPECIFICAR" has neither.
    if (!isOutros(s.TipoDoc)) {
        const std::optional<DocumentoAvulso> doc = findDocumento(s.TipoDoc);
        if (!wholeNumber(s.NumeroDoc, doc)) {
            c.refusal = CheckResult::fail(avulsa_msg::NumeroDocumento, avulsa_field::NumeroDoc);
            return c;
        }
        if (!doc || doc->kind.isEmpty() || !IsValidDocument(s.NumeroDoc, doc->kind)) {
            c.refusal = CheckResult::fail(avulsa_msg::NumeroInvalido, avulsa_field::NumeroDoc);
            return c;
        }
    }

    // The due date the page prints and the bank collects by.
    if (!s.DataVencimento.isValid()) {
        c.refusal = CheckResult::fail(avulsa_msg::VencimentoInvalido, avulsa_field::DataVencimento);
        return c;
    }
    return c;
}

CheckResult checkAvulsaWidths(const DareAvulsa& s) {
    return checkTextWidths({
        {s.key.CodigoTributo, avulsa_width::CodigoTributo, "Código da Receita", avulsa_field::CodigoTributo},
        {s.Obs1, avulsa_width::Obs, "Observações", avulsa_field::Obs1},
        {s.Obs2, avulsa_width::Obs, "Observações", avulsa_field::Obs2},
        {s.Obs3, avulsa_width::Obs, "Observações", avulsa_field::Obs3},
        {s.Doc_Origem, avulsa_width::Doc_Origem, "Documento Especifique", avulsa_field::Doc_Origem},
        {s.NumeroDoc, avulsa_width::NumeroDoc, "Número Documento", avulsa_field::NumeroDoc},
        {s.TipoDoc, avulsa_width::TipoDoc, "Nome Documento", avulsa_field::TipoDoc},
    });
}

bool saveDareAvulsa(DareAvulsa& s, const std::optional<AvulsaKey>& original, QString* error) {
    if (const CheckResult widths = checkAvulsaWidths(s); !widths) {
        if (error) *error = widths.message;
        return false;
    }
    s.Objeto = objetoOf(s.TipoDoc);
    const QVariantList values = {
        s.key.IE,          s.key.Ano,        s.key.Mes,       s.key.CodigoTributo, s.key.Seq,
        sql::date(s.DataVencimento), s.ValorReceita, s.Multa, s.Juros, s.AtualizacaoFinaceira,
        s.TSE,             sql::text(s.Obs1), sql::text(s.Obs2), sql::text(s.Obs3), sql::text(s.Doc_Origem),
        sql::text(s.NumeroDoc), sql::text(s.TipoDoc), sql::text(s.Objeto)};

    sql::WriteUnit unit(QStringLiteral("dare_avulsa_save"));
    if (!unit.started()) {
        if (error) *error = unit.error();
        return false;
    }
    if (original) {
        QSqlQuery remove;
        if (!sql::run(remove, QStringLiteral("delete from DareAvulsas") + kWhereKey, keyValues(*original), error))
            return false;
    }
    // A key another slip holds is refused by the table's unique key; the unit undoes the delete.
    QSqlQuery insert;
    if (!sql::run(insert,
                  QStringLiteral("insert into DareAvulsas (") + kColumns +
                      QStringLiteral(") values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  values, error))
        return false;
    return unit.release(error);
}

// ---- print and delete ---------------------------------------------------------------

CheckResult checkPrintAvulsa(const DareAvulsa& s) {
    if (money::toCents(s.ValorReceita) <= 0) return CheckResult::fail(dare_msg::ReceitaNaoPositiva);
    if (totalAboveLimit(s.ccVlTotal())) return CheckResult::fail(avulsa_msg::TotalAcimaLimite);
    if (!PeriodBeforeCutover(s.key.periodo())) return CheckResult::fail(versionMessage());
    return CheckResult::pass();
}

QString noPageMessage(const DareAvulsa& s) {
    const SlipTaxpayer t = findSlipTaxpayer(s.key.IE);
    if (t.found && t.codIBGE.isEmpty()) return dare_msg::SemMunicipio;
    return dare_msg::SemDadosImpressao;
}

DeleteOutcome deleteDareAvulsa(const AvulsaKey& key, Prompter& prompter, QString* error) {
    if (!findDareAvulsa(key)) return DeleteOutcome::NotFound;
    if (!prompter.ask(dare_msg::ConfirmaExclusao)) return DeleteOutcome::NotConfirmed;
    QSqlQuery q;
    if (!sql::run(q, QStringLiteral("delete from DareAvulsas") + kWhereKey, keyValues(key), error))
        return DeleteOutcome::Failed;
    return DeleteOutcome::Deleted;
}

} // namespace vexa::payment

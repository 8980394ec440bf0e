// Segment A of the accounting-system file: the declaration's key, its
// taxpayer and accountant, the items typed from the books, the change of
// domicile. Twenty-nine checks in a fixed order; then the new `Vexas` row with
// the carried values and its computed items, the taxpayer's row brought up to
// date and the key's old child rows removed.

#include "declfile/ImportState.h"

#include "common/Conversions.h"
#include "common/DocumentChecks.h"
#include "common/Money.h"
#include "common/Prompter.h"
#include "common/StateCodes.h"
#include "declaration/Apuracao.h"
#include "declaration/CarryOver.h"
#include "declaration/ChildTables.h"
#include "declaration/DeclSql.h"
#include "declaration/VexaRow.h"
#include "declfile/Import.h"
#include "storage/Portable.h"
#include "storage/ReferenceLookups.h"

namespace vexa::declfile::import {

namespace {

const QString kLayout96 = QStringLiteral("informado no LEIAUTE ARQUIVO TEXTO VEXA ELETRÔNICA - VERSÃO 9.6.");
const QString kLayout100 = QStringLiteral("informado no LEIAUTE ARQUIVO TEXTO VEXA ELETRÔNICA - VERSÃO 10.0.");
const QString kSimplesEnding =
    QStringLiteral("o regime de tributação do contribuinte for igual a Simples Nacional.") + kCRLF;

// The child tables of a key, in the order the import removes them.
const char* const kChildTables[] = {
    "DemostrativoEstoque", "movimentacaoporoperacoes42", "MovimentacaoPorUF", "icmsrecolher", "SaidasMun",
    "Encerrantes",         "EstTanque",                  "InfoAlcool",        "TARE",         "OutrosCred",
    "OutrosDeb",           "Deducoes",                   "NotasFiscal",       "Aliquota",     "AliquotaComp",
    "AliquotaConsumidor",  "MercadMuni",
};

const QString kWhereKey = QStringLiteral(" where IE = ? and Ano = ? and Mes = ? and Retificacao = ?");

QVariantList keyValues(const decl::DeclarationKey& k) { return {k.ie, k.ano, k.mes, k.retificacao}; }

// True when any child table holds a row of the key given by the four
// expressions (one EXISTS per table: the engine stops at the first row found).
QString anyChildRow(const QString& ie, const QString& ano, const QString& mes, const QString& ret) {
    QStringList tests;
    for (const char* table : kChildTables)
        tests << QStringLiteral("exists (select 1 from %1 where IE = %2 and Ano = %3 and Mes = %4 and Retificacao = %5)")
                     .arg(QLatin1String(table), ie, ano, mes, ret);
    return QLatin1Char('(') + tests.join(QStringLiteral(" or ")) + QLatin1Char(')');
}

// What a declaration needs before its checks, read in one statement (each is
// a round trip to a server): the taxpayer and its municipality; whether a
// `Vexas` row of the key is stored and marked imported; whether the key has
// child rows, asked only when it has no `Vexas` row (a row left behind is
// looked at again inside the declaration's transaction, after its removal);
// and the previous month's declaration of the highest `Retificacao`, whose
// columns give the carried items. No row when the taxpayer is not registered.
// Values: the key, then the previous month's year and month.
const QString& openingStatement() {
    static const QString statement = [] {
        QStringList previous;
        for (const QString& c : decl::carriedColumns()) previous << QStringLiteral("p.") + c;
        return QStringLiteral("with k as (select CAST(? AS text) as ie, CAST(? AS text) as ano, CAST(? AS text) as "
                              "mes, CAST(? AS text) as ret, CAST(? AS text) as pano, CAST(? AS text) as pmes) "
                              "select c.RazaoSocial, c.AtividadeEconomicaPrincip, c.TipoRegime, m.CodIBGE, "
                              "v.Importado, case when v.IE is not null then -1 when ") +
               anyChildRow(QStringLiteral("k.ie"), QStringLiteral("k.ano"), QStringLiteral("k.mes"),
                           QStringLiteral("k.ret")) +
               QStringLiteral(" then 1 else 0 end, p.Retificacao, ") + previous.join(QStringLiteral(", ")) +
               QStringLiteral(" from k join Contribuintes c on c.IE = k.ie "
                              "left join Municipios m on m.CodigoID = c.MunicipioID "
                              "left join Vexas v on v.IE = k.ie and v.Ano = k.ano and v.Mes = k.mes and "
                              "v.Retificacao = k.ret "
                              "left join Vexas p on p.IE = k.ie and p.Ano = k.pano and p.Mes = k.pmes and "
                              "p.Retificacao = (select q.Retificacao from Vexas q where q.IE = k.ie and "
                              "q.Ano = k.pano and q.Mes = k.pmes order by q.Retificacao desc limit 1)");
    }();
    return statement;
}

QString upper(const QString& s) { return s.trimmed().toUpper(); }

bool isOneOf(const QString& value, std::initializer_list<const char*> allowed) {
    for (const char* a : allowed)
        if (value == QLatin1String(a)) return true;
    return false;
}

bool allDigits(const QString& s) {
    if (s.isEmpty()) return false;
    for (QChar c : s)
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    return true;
}

// The period as YYYYMM when year and month are digits; -1 otherwise.
int periodNumber(const AccountHeader& h) {
    const QString p = h.yyyymm();
    return p.size() == 6 && allDigits(p) ? p.toInt() : -1;
}

// The header line of a declaration in the response.
QString alreadyImportedText(const Declaration& d) {
    return kCRLF + QStringLiteral("Inscrição Estadual: ") + formattedIE(d.header.ie) + kCRLF +
           QStringLiteral("Razão Social: ") + d.razaoSocial + kCRLF + QStringLiteral("Período de Referência ") +
           d.header.mes + QLatin1Char('/') + d.header.ano +
           QStringLiteral(" Já cadastrada para esse Período de Referência.");
}

// Checks 4 to 29, after the taxpayer was found. Answers false when nothing
// more is to be done with the declaration (already imported).
bool checkSegmentA(Run& run, const AccountLine& line) {
    Declaration& d = run.d;
    ResultText& r = d.result;
    const AccountHeader& h = d.header;
    auto field = [&](int n) { return segmentAField(line, n); };

    // 4, 5, 6: the period and the rectification
    if (!IsValidDate(QStringLiteral("01/") + h.mes + QLatin1Char('/') + h.ano))
        r.add(h.mmyyyy() + QStringLiteral(" Não é um período de referencia válido A."));
    const int period = periodNumber(h);
    if (period >= 0 && period < 200901) {
        run.prompter.warn(kOldPeriodWarning);
        throw ImportOldPeriod();
    }
    if (!IsInteger(h.retificacao))
        r.add(h.retificacao + QStringLiteral(" Não é um valor válido para o campo retificação."));

    // 7, 8: a declaration of the key already stored
    if (d.keyStored) {
        if (d.keyImported) {
            r.set(alreadyImportedText(d));
            d.alreadyImported = true;
            return false;
        }
        // Left behind by an import that never finished: it goes (its child rows
        // go once the new row is stored).
        run.begin();
        run.sql.write(QStringLiteral("delete from Vexas") + kWhereKey, keyValues(d.key));
    }

    // 9 to 29
    const QString a5 = field(5);
    if (!run.lookups.activity.get(a5, [&] { return storage::ActivityExists(a5); }))
        r.set(a5 + QStringLiteral(" não é um código de atividade econômica válido ."));
    if (d.activity != a5)
        r.set(QStringLiteral("Segmento A5 - ") + a5 +
              QStringLiteral(" Atividade Econômica Principal informada, diverge da constante no Cadastro do "
                             "Contribuinte do Programa VEXA."));
    if (!isOneOf(field(6).toUpper(), {"U", "M", "F"}))
        r.set(field(6) + QStringLiteral(" não é válido para Tipo de Estabelecimento ."));
    if (!isOneOf(field(7).toUpper(), {"S", "N"}))
        r.set(field(7) + QStringLiteral(" não é válido para o campo Portador de Tare."));
    if (!isBlank(field(34)) && !readDate(field(34))) r.set(QStringLiteral("Data de vencimento  do TARE inválida."));
    if (field(7).toUpper() == QLatin1String("N") && !field(32).trimmed().isEmpty())
        r.set(QStringLiteral("Número do TARE não deve ser informado, pois o Contribuinte não é Portador de Tare."));
    if (!isOneOf(upper(field(8)), {"F", "C"}))
        r.set(field(8) + QStringLiteral("Tipo de Escrituração informado inválido"));
    const AccountAmount a9 = amountAt(line, 31, QStringLiteral("A9"));
    if (!a9.isNumber) r.set(a9.text + QStringLiteral(" Não é um válido para o campo Saldo Inicial."));
    const AccountAmount a10 = amountAt(line, 45, QStringLiteral("A10"));
    if (!a10.isNumber) r.set(a10.text + QStringLiteral(" Não é um válido para o campo Saldo Final."));
    if (!isOneOf(upper(field(11)), {"S", "N"}))
        r.set(field(11) + QStringLiteral(" Não é um válido para o campo usuário de ECF"));
    if (!IsValidCPF(field(12).trimmed())) r.set(QStringLiteral("CPF do declarante inválido"));
    if (field(13).isEmpty()) r.set(QStringLiteral("Nome declarante deve ser informado."));
    if (field(14).isEmpty()) r.set(QStringLiteral("CRC Contabilista deve ser informado."));
    if (!IsLetterStateCode(field(15))) r.set(QStringLiteral("UF do CRC Contabilista inválida."));
    const QString crc = field(14).trimmed();
    const QString crcUf = field(15).trimmed();
    if (!run.lookups.accountant.get(crc + QLatin1Char('|') + crcUf, [&] { return storage::AccountantExists(crc, crcUf); }))
        r.set(QStringLiteral("Segmento A - CRC Contabilista e UF CRC Contabilista informado nos segmentos A14 e "
                             "A15") +
              kCRLF + QStringLiteral(" respectivamente, não estão cadastrados no cadastro do contabilista."));
    if (field(16).isEmpty()) r.set(QStringLiteral("Nome Contabilista deve ser informado."));
    if (field(17).isEmpty()) r.set(QStringLiteral("Telefone Contabilista deve ser informado."));
    if (a5 == decl::kFuelRetailActivity && !isOneOf(field(37), {"M", "E"}))
        r.set(QStringLiteral("Tipo de Encerrante considerado na escrituração de LMC, está incorreto."));
    const QString a41 = field(41);
    if (!isOneOf(a41, {"S", "N"})) r.set(QStringLiteral("Deve ser informado se houve mudança de domicílio."));
    if (a41 == QLatin1String("S")) {
        if (!readDate(field(43))) r.set(QStringLiteral("Data inicial do domicílio A inválida."));
        if (!readDate(field(44))) r.set(QStringLiteral("Data final do domicílio A inválida."));
        if (!readDate(field(45))) r.set(QStringLiteral("Data inicial do domicílio B inválida."));
        if (!readDate(field(46))) r.set(QStringLiteral("Data final do domicílio B inválida."));
    }
    if (d.cityA == 0) r.set(QStringLiteral("Município inválido para o contribuinte."));
    return true;
}

// The fourteen amounts A18 to A31 (6.4 excepted) into the row, with the
// messages of the regime and of the items the lists now carry.
void readItems(Run& run, const AccountLine& line, decl::VexaRow& row) {
    Declaration& d = run.d;
    ResultText& r = d.result;
    const int period = periodNumber(d.header);

    // 6.4 is never read: it is the balance carried from the previous period.
    d.carried = decl::carriedItems(d.key, d.previous);
    row.C64 = d.carried.C64;
    AccountAmount values[std::size(kSegmentAAmounts)];
    for (size_t i = 0; i < std::size(kSegmentAAmounts); ++i) {
        const AccountAmountItem& item = kSegmentAAmounts[i];
        if (item.field == 24) continue;
        values[i] = amountAt(line, 203 + 14 * (item.field - 18), QLatin1Char('A'), item.field);
    }
    auto value = [&](int fieldNumber) { return values[size_t(fieldNumber - 18)].value; };

    if (d.simples()) {
        if (!money::isZero(value(18)))
            r.add(QStringLiteral("Segmento A18 - Saída/prestações com Débito do Imposto, deve ser preenchido com zero "
                                 "quando ") +
                  kSimplesEnding);
        if (!money::isZero(value(21)))
            r.add(QStringLiteral("Segmento A21 - Entradas/aquisições com Crédito do Imposto, deve ser preenchido com "
                                 "zero quando ") +
                  kSimplesEnding);
    }
    if (period > 201208) {
        if (!money::isZero(value(19)))
            r.add(QStringLiteral("Segmento A19  – Outros Débitos, deve ser preenchido com zero, conforme ") + kLayout96 +
                  kCRLF);
        if (!money::isZero(value(22)))
            r.add(QStringLiteral("Segmento A22  – Outros Créditos (Incluir os Créditos Recebidos por Transferência), "
                                 "deve ser ") +
                  kCR + QStringLiteral("preenchido com zero, conforme ") + kLayout96 + kCRLF);
        if (!money::isZero(value(25)))
            r.add(QStringLiteral("Segmento A25  – Deduções, deve ser preenchido com zero, conforme ") + kLayout96 +
                  kCRLF);
    }

    double* const columns[] = {&row.C51, &row.C52, &row.C53, &row.C61, &row.C62, &row.C63, &row.C64,
                               &row.C72, &row.C74, &row.C81, &row.C82, &row.C83, &row.C84, &row.C85};
    for (size_t i = 0; i < std::size(kSegmentAAmounts); ++i) {
        const AccountAmountItem& item = kSegmentAAmounts[i];
        const double v = item.field == 24 ? row.C64 : values[i].value;
        if (item.field != 24 && !values[i].isNumber) {
            r.set(values[i].text + QStringLiteral(" Não é um válido para o campo ") + QLatin1String(item.item));
            continue;
        }
        *columns[i] = v;
        if (item.field == 18 || item.field == 20) addTo(d.debit, v);
        if (item.field == 21 || item.field == 23 || item.field == 24) addTo(d.credit, v);
    }

    // 7.6, 7.9 and 7.13 come from the lists P, Q and S: zero here.
    const AccountAmount a35 = amountAt(line, 432, QStringLiteral("A35"));
    if (!a35.isNumber)
        r.set(a35.text + QStringLiteral(" Não é um válido para o campo 7.6"));
    else if (!money::isZero(a35.value))
        r.add(QStringLiteral("Segmento A35 - Diferencial de Alíquota, deve ser preenchido com zero, conforme ") +
              kLayout100 + kCRLF);
    if (period >= 201203) {
        const AccountAmount a39 = amountAt(line, 716, QStringLiteral("A39"));
        if (!a39.isNumber)
            r.set(a39.text + QStringLiteral(" Não é um válido para o campo 7.9"));
        else if (!money::isZero(a39.value))
            r.add(QStringLiteral("Segmento A39 - Complementação de Alíquota do Período (Entradas), deve ser "
                                 "preenchido com zero, conforme informado no LEIAUTE ARQUIVO TEXTO VEXA ELETRÔNICA - "
                                 "VERSÃO 10.0   "));
    }
    const AccountAmount a40 = amountAt(line, 730, QStringLiteral("A40"));
    if (!a40.isNumber)
        r.set(a40.text + QStringLiteral(" Não é um válido para o campo 7.13"));
    else if (!money::isZero(a40.value))
        r.add(QStringLiteral("Segmento A40 - Diferencial de Alíquota Consumidor Final (Saídas), deve ser preenchido "
                             "com zero, conforme ") +
              kLayout100 + kCRLF);
}

// The taxpayer's row takes what segment A says of it.
// Answers whether the taxpayer's row is there.
bool updateTaxpayer(Run& run, const AccountLine& line) {
    const QString a34 = segmentAField(line, 34);
    QString statement = QStringLiteral(
        "update Contribuintes set AtividadeEconomicaPrincip = ?, TipoEstabelecimento = ?, PortadorTare = ?, "
        "TipoEscrituracao = ?, UsuarioECF = ?, NTare = ?");
    QVariantList values{segmentAField(line, 5),
                        decl::sql::text(upper(segmentAField(line, 6))),
                        upper(segmentAField(line, 7)) == QLatin1String("S") ? 1 : 0,
                        decl::sql::text(upper(segmentAField(line, 8))),
                        upper(segmentAField(line, 11)) == QLatin1String("S") ? 1 : 0,
                        decl::sql::text(segmentAField(line, 32).trimmed())};
    if (!isBlank(a34)) {
        statement += QStringLiteral(", DataVctoTARE = ?");
        values << decl::sql::date(readDate(a34).value_or(QDate()));
    }
    statement += QStringLiteral(" where IE = ?");
    values << run.d.key.ie;
    return run.sql.write(statement, values) > 0;
}

// Storing segment A: the new row, unless one of the small-balance or
// deduction rules cancels it.
void storeSegmentA(Run& run, const AccountLine& line) {
    Declaration& d = run.d;
    ResultText& r = d.result;
    auto field = [&](int n) { return segmentAField(line, n); };

    decl::VexaRow row = decl::newVexaRow(d.key);
    row.SaldoInicialCaixa = amountAt(line, 31, QStringLiteral("A9")).value;
    row.SaldoFinalCaixa = amountAt(line, 45, QStringLiteral("A10")).value;
    row.CRCContador = field(14).trimmed();
    row.UF = field(15).trimmed();
    row.CPF = field(12).trimmed();
    row.NomeResponsavel = field(13).trimmed();
    row.TipoEncerrante = field(37).trimmed();
    row.ObsEncerrantes = field(38).trimmed();
    row.MudaDomicilio = field(41);
    if (d.changesDomicile) {
        const QString cidadeB = field(42).trimmed();
        if (!cidadeB.isEmpty()) row.CidadeB = integerOf(cidadeB, QStringLiteral("A42"));
        row.DtIniA = readDate(field(43)).value_or(QDate());
        row.DtFimA = readDate(field(44)).value_or(QDate());
        row.DtIniB = readDate(field(45)).value_or(QDate());
        row.DtFimB = readDate(field(46)).value_or(QDate());
    }
    d.cityB = row.CidadeB;
    row.Importado = false;

    readItems(run, line, row);

    const int period = periodNumber(d.header);
    row.C710 = period < 201203 ? 0.0 : d.carried.C710;
    row.C77 = d.carried.C77;
    row.C714 = d.carried.C714;

    const decl::Apuracao ap = decl::computeApuracao(row);
    d.c73 = ap.C73;
    const double c86 = money::round2(ap.C86);
    if (!d.key.isDecember() && c86 > 0 && c86 < decl::kSmallBalance) {
        r.set(QStringLiteral("Valores inferiores a R$ 50,00, lançados no campo 8.6 - ICMS SUBS. TRIBUTÁRIA A RECOLHER, "
                             "devem ser acumulados para o período ") +
              kCR +
              QStringLiteral("seguinte no campo 8.5 - Outros Créditos, e somado ao valor do campo 8.3 - DÉBITO ICMS "
                             "SUBSTITUIÇÃO TRIBUTÁRIA do período seguinte, ") +
              kCR + QStringLiteral("conforme  Art. 2º, inciso I da  Portaria KORVA 916,  de 15 de junho de 2005."));
        return;
    }
    if (money::round2(ap.C54) < money::round2(ap.C65) && money::round2(row.C72) > 0) {
        r.set(QStringLiteral("Valor do campo 7.2 (Deduções) deve ser igual a zero quando valor do campo 6.5 ") + kCR +
              QStringLiteral("(Total do Crédito) for maior  que o valor do campo 5.4 (Total do Débito)!!!"));
        return;
    }
    if (money::round2(ap.C71) < money::round2(row.C72)) {
        r.set(QStringLiteral("Valor do campo 7.2 (Deduções) deve ser  menor ou igual ao valor do campo 7.1 (Saldo "
                             "Devedor)!!!"));
        return;
    }

    run.begin();
    // The taxpayer's row takes what segment A says of it first: the update
    // locks the row until the declaration is committed, so that it meets no
    // other workstation's, and a taxpayer deleted meanwhile refuses the
    // declaration (no row to update). A refused declaration takes the update back.
    if (!updateTaxpayer(run, line)) {
        r.set(QStringLiteral(" Inscrição Estadual não localizada no cadastro de contribuintes. "));
        return;
    }
    QString error;
    if (!decl::insertVexa(row, &error)) {
        // Another workstation imported the same declaration a moment before:
        // the answer is the one of a declaration already imported.
        run.transaction.reset();
        const QSqlRecord stored =
            run.sql.firstRow(QStringLiteral("select Importado from Vexas") + kWhereKey, keyValues(d.key));
        if (!stored.isEmpty() && decl::sql::flag(stored.value(0))) {
            r.set(alreadyImportedText(d));
            d.alreadyImported = true;
            return;
        }
        throw ImportHalt(error);
    }
    d.stored = true;
    d.activity = field(5);
    // The key's old child rows go; one look first finds the usual case, where
    // there are none. A key without a `Vexas` row was looked at with the
    // taxpayer: no other workstation adds child rows to a key whose `Vexas`
    // row this one has just inserted.
    if (d.childRows < 0) {
        static const QString anyRow =
            QStringLiteral("select case when ") +
            anyChildRow(QStringLiteral("k.ie"), QStringLiteral("k.ano"), QStringLiteral("k.mes"), QStringLiteral("k.ret")) +
            QStringLiteral(" then 1 else 0 end from (select CAST(? AS text) as ie, CAST(? AS text) as ano, "
                           "CAST(? AS text) as mes, CAST(? AS text) as ret) k");
        d.childRows = run.sql.count(anyRow, keyValues(d.key));
    }
    if (d.childRows > 0) {
        for (const char* table : kChildTables)
            run.sql.write(QStringLiteral("delete from ") + QLatin1String(table) + kWhereKey, keyValues(d.key));
    }
}

} // namespace

void readSegmentA(Run& run, const AccountLine& line) {
    Declaration& d = run.d;
    d = Declaration{};
    d.lines = 1;
    d.header = readHeader(line);
    d.key = {d.header.ie, d.header.ano, d.header.mes, d.header.retificacao};
    ResultText& r = d.result;

    // 1, 2, 3: nothing else is checked after any of them
    if (line.length != kAccountWidthA && line.length != kAccountWidthAShort) {
        r.set(formattedIE(d.header.ie) + QStringLiteral(" Tamanho do segmento \"A\" inválido!"));
        return;
    }
    if (segmentAField(line, 33) != kAccountLayoutVersion) {
        r.set(QStringLiteral("Versão do arquivo inválida!"));
        return;
    }
    // The taxpayer's row tells whether it is registered (the later records ask the same).
    const decl::DeclarationKey previous = d.key.previousMonth();
    const QSqlRecord taxpayer =
        run.sql.firstRow(openingStatement(), keyValues(d.key) + QVariantList{previous.ano, previous.mes});
    if (!run.lookups.taxpayer.get(d.header.ie, [&] { return !taxpayer.isEmpty(); })) {
        r.set(QStringLiteral(" Inscrição Estadual não localizada no cadastro de contribuintes. "));
        return;
    }
    d.razaoSocial = decl::sql::text(taxpayer.value(0));
    d.activity = decl::sql::text(taxpayer.value(1));
    d.regime = decl::sql::text(taxpayer.value(2));
    d.cityA = decl::sql::integer(taxpayer.value(3));
    d.changesDomicile = segmentAField(line, 41) == QLatin1String("S");
    // A stored `Vexas` row of the key answers -1 for the child rows: they are looked at after its removal.
    d.childRows = decl::sql::integer(taxpayer.value(5));
    d.keyStored = d.childRows < 0;
    d.keyImported = decl::sql::flag(taxpayer.value(4));
    // The previous month counts when its highest `Retificacao` is not empty.
    d.previous = QList<double>(decl::carriedColumns().size(), 0.0);
    if (!decl::sql::text(taxpayer.value(6)).isEmpty())
        for (qsizetype i = 0; i < d.previous.size(); ++i) d.previous[i] = decl::sql::real(taxpayer.value(int(7 + i)));

    if (!checkSegmentA(run, line) || !r.isEmpty()) return;
    storeSegmentA(run, line);
}

void finalAdjustments(Run& run) {
    Declaration& d = run.d;
    addTo(d.debit, d.otherDebits);
    addTo(d.credit, d.otherCredits);
    if (!d.key.isDecember() && d.debit > d.credit) {
        const double a = money::round2(d.debit - d.credit - d.deductions);
        if (a > 0 && a < decl::kSmallBalance && money::different(a, d.c73))
            d.result.add(QStringLiteral("Valores inferiores a R$ 50,00, lançados no campo 7.3 (imposto a recolher), "
                                        "devem ser acumulados para o período ") +
                         kCR +
                         QStringLiteral("seguinte no campo 6.2.1 - Outros Créditos (Imposto a Recolher inferior a R$ "
                                        "50,00 a ser transportado para o ") +
                         kCR + QStringLiteral("período seguinte),") + kCR +
                         QStringLiteral("conforme  Art. 2º, inciso I da  Portaria KORVA 916,  de 15 de junho de 2005."));
    }
    // The items the lists fill, in one statement.
    QStringList sets;
    QVariantList values;
    auto set = [&](const char* column, double value) {
        sets << QLatin1String(column) + QStringLiteral(" = ?");
        values << money::round2(value);
    };
    set("c76", d.rateDifferential);
    set("c79", d.rateComplement);
    set("c713", d.consumerDifferential);
    set("c62", d.otherCredits);
    if (periodNumber(d.header) > 201208) {
        set("c52", d.otherDebits);
        set("c72", d.deductions);
    }
    // Written with the mark of an imported declaration, when it is accepted.
    d.finalSets = sets;
    d.finalValues = values;
}

storage::StagedRows::Then importedMark(const Run& run) {
    const Declaration& d = run.d;
    return {QStringLiteral("update vexas set ") +
                (d.finalSets + QStringList{QStringLiteral("Importado = 1")}).join(QStringLiteral(", ")) + kWhereKey,
            d.finalValues + keyValues(d.key)};
}

} // namespace vexa::declfile::import

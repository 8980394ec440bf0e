#include "print/DeclarationPages.h"

#include "print/PrintPage.h"

#include <QPagedPaintDevice>

namespace vexa::print {

namespace {

constexpr double kBodyTop = 19.0;
constexpr double kBodyBottom = 286.0;
constexpr double kSectionGap = 2.5;

const QString kTitle = QStringLiteral("VEXA ELETRÔNICA - DECLARAÇÃO DE APURAÇÃO MENSAL DO ICMS");
const QString kContinued = QStringLiteral(" (continuação)");
const QString kDomicile = QStringLiteral("DOMICÍLIO\nFISCAL");
const QString kTotal = QStringLiteral("TOTAL");

TableFonts tableFonts() {
    return {formFont(5.2, true), formFont(6.3), formFont(6.3, true)};
}
QFont titleFont() {
    return formFont(7.2, true);
}
QFont captionFont() {
    return formFont(5.0);
}
QFont valueFont() {
    return formFont(7.0);
}

bool marked(const QString& box) {
    return !box.isEmpty();
}

// ---- bands of the form --------------------------------------------------------------------

// An item heading: a shaded box across the page with the item's number and name.
Band sectionTitle(const QString& text, const PageMetrics& m, bool shaded = true) {
    const QFont font = titleFont();
    const double height = m.wrappedHeight(text, font, kContentWidth - 2) + 1.6;
    return {height, [text, font, shaded, height](PageCanvas& c, double top) {
                const QRectF box(kMarginLeft, top, kContentWidth, height);
                if (shaded) c.fill(box, QColor(205, 205, 205));
                c.frame(box);
                c.wrapped(box, text, font, Qt::AlignLeft | Qt::AlignVCenter, 1.0);
            }};
}

// A box of the identification: caption at the top, the value (or check boxes)
// below; a long value wraps and the whole row grows with it.
struct Field {
    QString caption;
    double width = 0;
    QString value;
    std::vector<std::pair<bool, QString>> options; // check boxes instead of a value
};

Band fieldRow(std::vector<Field> fields, const PageMetrics& m) {
    const double captionHeight = m.lineHeight(captionFont());
    double valueHeight = m.lineHeight(valueFont());
    for (const Field& f : fields)
        if (f.options.empty())
            valueHeight = std::max(valueHeight, m.wrappedHeight(f.value, valueFont(), f.width - 1.6));
    const double height = captionHeight + valueHeight + 1.6;
    return {height, [fields, height, captionHeight, valueHeight](PageCanvas& c, double top) {
                double x = kMarginLeft;
                for (const Field& f : fields) {
                    c.frame(QRectF(x, top, f.width, height));
                    c.text(QRectF(x, top + 0.3, f.width, captionHeight), f.caption, captionFont());
                    const QRectF value(x, top + 0.3 + captionHeight, f.width, valueHeight + 0.6);
                    if (f.options.empty()) {
                        c.wrapped(value, f.value, valueFont(), Qt::AlignLeft | Qt::AlignVCenter);
                    } else {
                        double bx = x + 1.2;
                        const double by = top + 0.3 + captionHeight + 0.5;
                        for (const auto& [on, label] : f.options)
                            bx = c.checkBox(bx, by, on, label, captionFont());
                    }
                    x += f.width;
                }
            }};
}

// The amounts of the apuração, one per line: number and caption, value.
std::vector<Band> amountItems(const QList<AmountItem>& items, const PageMetrics& m) {
    const std::vector<TableColumn> cols{{{}, 150, Qt::AlignLeft}, {{}, 40, Qt::AlignRight}};
    std::vector<Band> bands;
    for (const AmountItem& i : items)
        bands.push_back(
            tableRow(cols, {i.number + QStringLiteral(" - ") + i.caption, i.value}, tableFonts(), m));
    return bands;
}

void addBands(PageFlow& flow, const std::vector<Band>& bands) {
    for (const Band& b : bands) flow.add(b);
}

// A table of the form: its heading bands and column captions stay with the
// first row group, its closing rows (totals) with the last one, and the
// heading (marked as continued) and captions are repeated at the top of every
// further page the table runs on to.
struct TableBlock {
    std::vector<Band> heading;
    std::vector<Band> repeatHeading;
    Band captions;
    std::vector<std::vector<Band>> groups; // a group heading stays with its first line
    std::vector<Band> closing;
};

void addTable(PageFlow& flow, const TableBlock& t) {
    std::vector<std::vector<Band>> groups = t.groups;
    if (groups.empty()) groups.emplace_back();
    groups.back().insert(groups.back().end(), t.closing.begin(), t.closing.end());
    std::vector<Band> first = t.heading;
    first.push_back(t.captions);
    first.insert(first.end(), groups[0].begin(), groups[0].end());
    flow.keep(first);
    std::vector<Band> repeat = t.repeatHeading;
    repeat.push_back(t.captions);
    flow.setRepeat(repeat);
    for (size_t g = 1; g < groups.size(); ++g) flow.keep(groups[g]);
    flow.clearRepeat();
}

// One line of a table as its own group.
void addLine(TableBlock& t, const Band& line) {
    t.groups.push_back({line});
}

// ---- section 1 ---------------------------------------------------------------------------------

using Options = std::vector<std::pair<bool, QString>>;
Field valueField(const QString& caption, double width, const QString& value) { return {caption, width, value, {}}; }
Field choiceField(const QString& caption, double width, Options options) {
    return {caption, width, {}, std::move(options)};
}
Options yesNo(const QString& sim, const QString& nao) {
    return {{marked(sim), QStringLiteral("SIM")}, {marked(nao), QStringLiteral("NÃO")}};
}

void identification(PageFlow& flow, const Identification& id, const PageMetrics& m) {
    flow.keep({sectionTitle(QStringLiteral("2 - IDENTIFICAÇÃO DO CONTRIBUINTE"), m),
               fieldRow({valueField(QStringLiteral("2.1 - NOME OU RAZÃO SOCIAL"), 145, id.razaoSocial),
                         valueField(QStringLiteral("2.2 - INSCRIÇÃO ESTADUAL"), 45, id.inscricaoEstadual)},
                        m)});
    flow.gap(kSectionGap);
    const QString activity = id.atividadeDescricao.isEmpty()
                                 ? id.atividade
                                 : id.atividade + QStringLiteral(" - ") + id.atividadeDescricao;
    const Options kind{{marked(id.unico), QStringLiteral("ÚNICO")},
                       {marked(id.matriz), QStringLiteral("MATRIZ")},
                       {marked(id.filial), QStringLiteral("FILIAL")}};
    const Options books{{marked(id.fiscal), QStringLiteral("FISCAL")}, {marked(id.contabil), QStringLiteral("CONTÁBIL")}};
    const Options regime{{marked(id.regimeNormal), QStringLiteral("NORMAL")},
                         {marked(id.regimeSimples), QStringLiteral("SIMPLES NACIONAL")}};
    flow.keep({sectionTitle(QStringLiteral("3 - CARACTERÍSTICAS DO ESTABELECIMENTO E DA DECLARAÇÃO"), m),
               fieldRow({valueField(QStringLiteral("3.1 - PERÍODO DE REFERÊNCIA"), 38, id.periodo),
                         valueField(QStringLiteral("3.2 - ATIVIDADE ECONÔMICA"), 152, activity)},
                        m),
               fieldRow({choiceField(QStringLiteral("3.3 - TIPO DE ESTABELECIMENTO"), 64, kind),
                         choiceField(QStringLiteral("3.5 - TIPO DE ESCRITURAÇÃO"), 56, books),
                         choiceField(QStringLiteral("REGIME DE APURAÇÃO"), 70, regime)},
                        m),
               fieldRow({choiceField(QStringLiteral("3.4 - PORTADOR DE TARE"), 36, yesNo(id.tareSim, id.tareNao)),
                         choiceField(QStringLiteral("3.8 - USUÁRIO DE ECF"), 36, yesNo(id.ecfSim, id.ecfNao)),
                         choiceField(QStringLiteral("3.9 - VEXA RETIFICADORA"), 48,
                                     yesNo(id.retificadoraSim, id.retificadoraNao)),
                         choiceField(QStringLiteral("3.10 - HOUVE MUDANÇA DE DOMICÍLIO FISCAL NO PERÍODO?"), 70,
                                     yesNo(id.mudouSim, id.mudouNao))},
                        m),
               fieldRow({valueField(QStringLiteral("3.6 - SALDO INICIAL DE CAIXA"), 95, id.saldoInicial),
                         valueField(QStringLiteral("3.7 - SALDO FINAL DE CAIXA"), 95, id.saldoFinal)},
                        m)});

    // 3.4.1: one line per TARE.
    const std::vector<TableColumn> tare{{QStringLiteral("3.4.1 - NÚMERO DO TARE"), 120},
                                        {QStringLiteral("DATA DE VENCIMENTO"), 70, Qt::AlignHCenter}};
    TableBlock t;
    t.captions = tableHeader(tare, {}, tableFonts(), m);
    for (const TareLine& l : id.tare) addLine(t, tableRow(tare, {l.numero, l.vencimento}, tableFonts(), m));
    addTable(flow, t);

    if (marked(id.mudouSim)) {
        const std::vector<TableColumn> dom{{QStringLiteral("DOMICÍLIO"), 22, Qt::AlignHCenter},
                                           {QStringLiteral("MUNICÍPIO"), 108},
                                           {QStringLiteral("INÍCIO"), 30, Qt::AlignHCenter},
                                           {QStringLiteral("FIM"), 30, Qt::AlignHCenter}};
        TableBlock d;
        d.heading = {
            sectionTitle(QStringLiteral("3.10.1 - DOMICÍLIO POR PERÍODO DE REFERÊNCIA FISCAL"), m, false)};
        d.captions = tableHeader(dom, {}, tableFonts(), m);
        addLine(d, tableRow(dom,
                            {QStringLiteral("A"), id.domicilioA.municipio, id.domicilioA.inicio,
                             id.domicilioA.fim},
                            tableFonts(), m));
        addLine(d, tableRow(dom,
                            {QStringLiteral("B"), id.domicilioB.municipio, id.domicilioB.inicio,
                             id.domicilioB.fim},
                            tableFonts(), m));
        addTable(flow, d);
    }
}

std::vector<TableColumn> operationColumns(const QString& taxCaption, bool showDomicile) {
    std::vector<TableColumn> cols{
        {QStringLiteral("CFOP"), 9, Qt::AlignHCenter},
        {QStringLiteral("DESCRIÇÃO"), showDomicile ? 51.0 : 62.0, Qt::AlignLeft, true}};
    if (showDomicile) cols.push_back({kDomicile, 11, Qt::AlignHCenter});
    const Qt::Alignment r = Qt::AlignRight;
    cols.push_back({QStringLiteral("A - VALOR\nCONTÁBIL"), 20, r});
    cols.push_back({QStringLiteral("B - BASE DE\nCÁLCULO"), 20, r});
    cols.push_back({taxCaption + QStringLiteral("\nIMPOSTO"), 20, r});
    cols.push_back({QStringLiteral("D - ISENTAS OU\nNÃO TRIBUTADAS"), 20, r});
    cols.push_back({QStringLiteral("E - OUTRAS"), 20, r});
    cols.push_back({QStringLiteral("F - SUBSTITUIÇÃO\nTRIBUTÁRIA"), 20, r});
    return fitColumns(cols);
}

QStringList amountCells(const OperationAmounts& a) {
    return QStringList(a.begin(), a.end());
}

void operations(PageFlow& flow, const IdentificationSection& s, bool showDomicile, const PageMetrics& m) {
    const QString item4 = QStringLiteral("4 - ENTRADAS E SAÍDAS POR CÓDIGO FISCAL DE OPERAÇÃO (CFOP)");
    const int labelSpan = showDomicile ? 3 : 2;
    if (s.emptyBand) {
        const auto cols = operationColumns(QStringLiteral("C - CRÉDITO/DÉBITO DO"), showDomicile);
        flow.keep({sectionTitle(item4, m), tableHeader(cols, {}, tableFonts(), m),
                   tableEmpty(cols, tableFonts(), m)});
        return;
    }
    bool first = true;
    for (const OperationGroup& g : s.groups) {
        const auto cols = operationColumns(g.taxCaption, showDomicile);
        TableBlock t;
        if (first) t.heading.push_back(sectionTitle(item4, m));
        first = false;
        t.heading.push_back(sectionTitle(g.heading, m));
        t.repeatHeading = {sectionTitle(g.heading + kContinued, m)};
        t.captions = tableHeader(cols, {}, tableFonts(), m);
        for (const OperationKindGroup& k : g.kinds) {
            std::vector<TableColumn> whole{{{}, kContentWidth}};
            bool firstLine = true;
            for (const OperationLine& l : k.lines) {
                QStringList cells{l.cfop, l.descricao};
                if (showDomicile) cells << l.domicilio;
                cells += amountCells(l.amounts);
                const Band line = tableRow(cols, cells, tableFonts(), m);
                if (firstLine)
                    t.groups.push_back({tableRow(whole, {k.heading}, tableFonts(), m, true), line});
                else
                    addLine(t, line);
                firstLine = false;
            }
        }
        if (showDomicile) {
            t.closing.push_back(tableTotal(cols, labelSpan, kTotal + QStringLiteral(" A"),
                                           amountCells(g.totalA), tableFonts(), m));
            t.closing.push_back(tableTotal(cols, labelSpan, kTotal + QStringLiteral(" B"),
                                           amountCells(g.totalB), tableFonts(), m));
        } else {
            t.closing.push_back(tableTotal(cols, labelSpan, kTotal, amountCells(g.totalA), tableFonts(), m));
        }
        addTable(flow, t);
        flow.gap(1.0);
    }
}

// ---- sections 2 to 7 ------------------------------------------------------------------------------

void lawList(PageFlow& flow, const LawListSection& s, const PageMetrics& m) {
    flow.keep([&] {
        std::vector<Band> b{sectionTitle(s.title, m)};
        for (const Band& i : amountItems(s.items, m)) b.push_back(i);
        return b;
    }());
    const std::vector<TableColumn> cols{{QStringLiteral("ORIGEM"), 38, Qt::AlignLeft, true},
                                        {QStringLiteral("BASE LEGAL"), 122, Qt::AlignLeft, true},
                                        {QStringLiteral("VALOR"), 30, Qt::AlignRight}};
    TableBlock t;
    t.heading = {sectionTitle(s.listTitle, m, false)};
    t.repeatHeading = {sectionTitle(s.listTitle + kContinued, m, false)};
    t.captions = tableHeader(cols, {}, tableFonts(), m);
    if (s.emptyBand) addLine(t, tableEmpty(cols, tableFonts(), m));
    for (const LawLine& l : s.lines)
        addLine(t, tableRow(cols, {l.origem, l.baseLegal, l.valor}, tableFonts(), m));
    t.closing.push_back(tableTotal(cols, 2, kTotal, {s.total}, tableFonts(), m));
    addTable(flow, t);
    if (!s.closingTitle.isEmpty()) {
        flow.gap(kSectionGap);
        std::vector<Band> b{sectionTitle(s.closingTitle, m)};
        for (const Band& i : amountItems(s.closingItems, m)) b.push_back(i);
        flow.keep(b);
    }
}

void deductions(PageFlow& flow, const DeductionsSection& s, const PageMetrics& m) {
    const Qt::Alignment r = Qt::AlignRight;
    const std::vector<TableColumn> cols{{QStringLiteral("ORIGEM"), 22, Qt::AlignLeft, true},
                                        {QStringLiteral("BASE LEGAL"), 50, Qt::AlignLeft, true},
                                        {QStringLiteral("ICMS DEVIDO\n(1)"), 19.5, r},
                                        {QStringLiteral("MÉDIA ICMS\n(2)"), 19.5, r},
                                        {QStringLiteral("(3)=(1-2)"), 19.5, r},
                                        {QStringLiteral("(4)=((3)*75%)"), 19.5, r},
                                        {QStringLiteral("(5)=((4)*5%)"), 19.5, r},
                                        {QStringLiteral("VALOR DA DEDUÇÃO\n(6)=(4-5)"), 20.5, r}};
    // The item the list details stays with the list.
    TableBlock t;
    t.heading = amountItems(s.itemsBefore, m);
    t.heading.push_back(sectionTitle(s.listTitle, m, false));
    t.repeatHeading = {sectionTitle(s.listTitle + kContinued, m, false)};
    t.captions = tableHeader(cols, {}, tableFonts(), m);
    if (s.emptyBand) addLine(t, tableEmpty(cols, tableFonts(), m));
    for (const DeductionLine& l : s.lines)
        addLine(t, tableRow(cols,
                            {l.origem, l.baseLegal, l.icmsDevido, l.mediaIcms, l.parSujIncentivo,
                             l.parIncentivada, l.subParIncentivada, l.valor},
                            tableFonts(), m));
    t.closing.push_back(tableTotal(cols, 7, kTotal, {s.total}, tableFonts(), m));
    addTable(flow, t);
    addBands(flow, amountItems(s.itemsAfter, m));
}

void rates(PageFlow& flow, const RateSection& s, bool showDomicile, const PageMetrics& m) {
    const Qt::Alignment r = Qt::AlignRight;
    std::vector<TableColumn> cols{{QStringLiteral("UF"), 22},
                                  {QStringLiteral("ALÍQUOTA"), 16, Qt::AlignHCenter}};
    if (showDomicile) cols.push_back({kDomicile, 14, Qt::AlignHCenter});
    cols.push_back({QStringLiteral("VALOR CONTÁBIL"), 30, r});
    cols.push_back({QStringLiteral("BASE DE CÁLCULO"), 30, r});
    cols.push_back({s.valueCaption, 30, r});
    if (s.withShares) {
        cols.push_back({QStringLiteral("ORIGEM"), 26, r});
        cols.push_back({QStringLiteral("DESTINO"), 26, r});
    }
    cols = fitColumns(cols);
    TableBlock t;
    t.heading = amountItems(s.itemsBefore, m);
    t.heading.push_back(sectionTitle(s.listTitle, m, false));
    t.repeatHeading = {sectionTitle(s.listTitle + kContinued, m, false)};
    t.captions = tableHeader(cols, {}, tableFonts(), m);
    auto amounts = [&](const RateLine& l) {
        QStringList cells{l.valorContabil, l.baseCalculo, l.valor};
        if (s.withShares) cells << l.origem << l.destino;
        return cells;
    };
    if (s.vazio) addLine(t, tableEmpty(cols, tableFonts(), m));
    for (const RateLine& l : s.lines) {
        QStringList cells{l.uf, l.aliquota};
        if (showDomicile) cells << l.domicilio;
        cells += amounts(l);
        addLine(t, tableRow(cols, cells, tableFonts(), m));
    }
    t.closing.push_back(tableTotal(cols, showDomicile ? 3 : 2, kTotal, amounts(s.total), tableFonts(), m));
    addTable(flow, t);
    addBands(flow, amountItems(s.itemsAfter, m));
    if (!s.closingTitle.isEmpty()) {
        flow.gap(kSectionGap);
        std::vector<Band> b{sectionTitle(s.closingTitle, m)};
        for (const Band& i : amountItems(s.closingItems, m)) b.push_back(i);
        flow.keep(b);
    }
}

// ---- sections 8 and 9 ---------------------------------------------------------------------------------

void toPay(PageFlow& flow, const ToPaySection& s, const PageMetrics& m) {
    std::vector<TableColumn> cols;
    std::vector<ColumnGroup> groups;
    for (int k = 0; k < 3; ++k) {
        cols.push_back({QStringLiteral("VENCIMENTO"), 28, Qt::AlignHCenter});
        cols.push_back({QStringLiteral("VALOR"), 35.33, Qt::AlignRight});
        groups.push_back({s.captions[size_t(k)], 2 * k, 2});
    }
    TableBlock t;
    if (!s.title.isEmpty()) {
        t.heading = {sectionTitle(s.title, m)};
        t.repeatHeading = {sectionTitle(s.title + kContinued, m)};
    }
    t.captions = tableHeader(cols, groups, tableFonts(), m);
    if (s.emptyBand) addLine(t, tableEmpty(cols, tableFonts(), m));
    for (const auto& line : s.lines) {
        QStringList cells;
        for (const ToPayCell& c : line) cells << c.vencimento << c.valor;
        addLine(t, tableRow(cols, cells, tableFonts(), m));
    }
    QStringList totals;
    for (const QString& total : s.totals) totals << kTotal << total;
    t.closing.push_back(tableRow(cols, totals, tableFonts(), m, true));
    addTable(flow, t);
}

// ---- section 10 -----------------------------------------------------------------------------------------

void stockAndStates(PageFlow& flow, const StockStateSection& s, bool showDomicile, const PageMetrics& m) {
    const std::vector<TableColumn> stock{{QStringLiteral("10.1 - MERCADORIAS"), 90},
                                         {QStringLiteral("10.2 - ESTOQUE INICIAL"), 50, Qt::AlignRight},
                                         {QStringLiteral("10.3 - ESTOQUE FINAL"), 50, Qt::AlignRight}};
    TableBlock st;
    st.heading = {sectionTitle(QStringLiteral("10 - DEMONSTRATIVO DE ESTOQUE"), m)};
    st.captions = tableHeader(stock, {}, tableFonts(), m);
    for (qsizetype i = 0; i < s.stock.size(); ++i) {
        const StockLine& l = s.stock[i];
        addLine(st,
                tableRow(stock, {l.caption, l.inicial, l.final}, tableFonts(), m, i == s.stock.size() - 1));
    }
    addTable(flow, st);

    const bool domicile = showDomicile && !s.emptyBand;
    for (const StateGroup& g : s.groups) {
        flow.gap(kSectionGap);
        const Qt::Alignment r = Qt::AlignRight;
        std::vector<TableColumn> cols{{g.captions[0], 18, Qt::AlignHCenter}};
        std::vector<ColumnGroup> groups;
        if (domicile) cols.push_back({kDomicile, 12, Qt::AlignHCenter});
        const int firstAmount = int(cols.size());
        if (g.entries) {
            for (int i = 1; i <= 6; ++i) cols.push_back({g.captions[size_t(i)], 26, r});
        } else {
            for (int i = 1; i <= 3; ++i) {
                groups.push_back({g.captions[size_t(i)], int(cols.size()), 2});
                cols.push_back({QStringLiteral("CONTRIB."), 18, r});
                cols.push_back({QStringLiteral("NÃO CONTRIB."), 18, r});
            }
            for (int i = 4; i <= 6; ++i) cols.push_back({g.captions[size_t(i)], 18, r});
        }
        cols = fitColumns(cols);
        auto amounts = [&](const StateAmounts& a) {
            if (!g.entries) return QStringList(a.begin(), a.end());
            return QStringList{a[ValorContabilA],       a[BaseCalculoA], a[ImpostoA],
                               a[IsentasNaoTributadas], a[OutrasUF],     a[SubsTributaria]};
        };
        TableBlock t;
        t.heading = {sectionTitle(g.heading, m)};
        t.repeatHeading = {sectionTitle(g.heading + kContinued, m)};
        t.captions = tableHeader(cols, groups, tableFonts(), m);
        if (g.lines.isEmpty()) addLine(t, tableEmpty(cols, tableFonts(), m));
        for (const StateLine& l : g.lines) {
            QStringList cells{l.uf};
            if (domicile) cells << l.domicilio;
            cells += amounts(l.amounts);
            addLine(t, tableRow(cols, cells, tableFonts(), m));
        }
        const QString total = g.captions[7];
        if (domicile) {
            t.closing.push_back(tableTotal(cols, firstAmount, total + QStringLiteral(" A"), amounts(g.totalA),
                                           tableFonts(), m));
            t.closing.push_back(tableTotal(cols, firstAmount, total + QStringLiteral(" B"), amounts(g.totalB),
                                           tableFonts(), m));
        } else {
            t.closing.push_back(tableTotal(cols, firstAmount, total, amounts(g.totalA), tableFonts(), m));
        }
        addTable(flow, t);
    }
}

// ---- section 11 -------------------------------------------------------------------------------------------

void fuel(PageFlow& flow, const FuelSection& s, const PageMetrics& m) {
    const Qt::Alignment r = Qt::AlignRight;
    const std::vector<TableColumn> pumps{
        {QStringLiteral("13.1 - Nº SÉRIE\nDA BOMBA"), 38, Qt::AlignLeft, true},
        {QStringLiteral("13.2 - Nº\nDO BICO"), 16, Qt::AlignHCenter},
        {QStringLiteral("13.3 - PRODUTO"), 44},
        {QStringLiteral("A. INICIAL"), 23, r},
        {QStringLiteral("B. FINAL"), 23, r},
        {QStringLiteral("A. S/ INTERV."), 23, r},
        {QStringLiteral("B. C/ INTERV."), 23, r}};
    const std::vector<ColumnGroup> pumpGroups{{QStringLiteral("13.4 - LEITURA DO ENCERRANTE"), 3, 2},
                                              {QStringLiteral("13.5 - VOLUME COMERCIALIZADO"), 5, 2}};
    const QString item13 = QStringLiteral("13 - INFORMAÇÕES DOS ENCERRANTES DAS BOMBAS DE COMBUSTÍVEIS");
    TableBlock p;
    p.heading = {sectionTitle(item13, m),
                 fieldRow({valueField(QStringLiteral("TIPO DO ENCERRANTE CONSIDERADO NA ESCRITURAÇÃO DO LMC"),
                                      kContentWidth, s.tipoEncerrante)},
                          m)};
    p.repeatHeading = {sectionTitle(item13 + kContinued, m)};
    p.captions = tableHeader(pumps, pumpGroups, tableFonts(), m);
    if (s.pumps.isEmpty()) addLine(p, tableEmpty(pumps, tableFonts(), m));
    for (const PumpLine& l : s.pumps)
        addLine(p,
                tableRow(pumps,
                         {l.serie, l.bico, l.produto, l.inicial, l.final, l.semIntervencao, l.comIntervencao},
                         tableFonts(), m));
    addTable(flow, p);

    const std::vector<TableColumn> tanks{{QStringLiteral("A. TANQUE"), 40, Qt::AlignHCenter},
                                         {QStringLiteral("B. PRODUTO"), 90},
                                         {QStringLiteral("C. QUANT."), 60, r}};
    const QString item136 =
        QStringLiteral("13.6 - ESTOQUE FÍSICO NO FECHAMENTO DO ÚLTIMO DIA DO MÊS (em litros)");
    TableBlock t;
    t.heading = {sectionTitle(item136, m, false)};
    t.repeatHeading = {sectionTitle(item136 + kContinued, m, false)};
    t.captions = tableHeader(tanks, {}, tableFonts(), m);
    if (s.tanks.isEmpty()) addLine(t, tableEmpty(tanks, tableFonts(), m));
    for (const TankLine& l : s.tanks)
        addLine(t, tableRow(tanks, {l.tanque, l.produto, l.quantidade}, tableFonts(), m));
    addTable(flow, t);

    const std::vector<TableColumn> obs{{QStringLiteral("OBSERVAÇÕES"), kContentWidth, Qt::AlignLeft, true}};
    flow.keep({tableHeader(obs, {}, tableFonts(), m), tableRow(obs, {s.observacoes}, tableFonts(), m)});

    flow.gap(kSectionGap);
    const std::vector<TableColumn> alcohol{
        {QStringLiteral("14.1 - Nº DA\nNOTA FISCAL"), 26, Qt::AlignHCenter},
        {QStringLiteral("14.2 - DATA\nDE EMISSÃO"), 26, Qt::AlignHCenter},
        {QStringLiteral("14.3 - CNPJ\nDO REMETENTE"), 40, Qt::AlignHCenter},
        {QStringLiteral("14.4 - UF\nDE ORIGEM"), 24, Qt::AlignHCenter},
        {QStringLiteral("14.5 - VALOR\nUNITÁRIO"), 36, r},
        {QStringLiteral("14.6 - QUANTIDADE\n(LITROS)"), 38, r}};
    const QString item14 = QStringLiteral("14 - INFORMAÇÕES DA AQUISIÇÃO DE ÁLCOOL");
    TableBlock a;
    a.heading = {sectionTitle(item14, m)};
    a.repeatHeading = {sectionTitle(item14 + kContinued, m)};
    a.captions = tableHeader(alcohol, {}, tableFonts(), m);
    if (s.alcohol.isEmpty()) addLine(a, tableEmpty(alcohol, tableFonts(), m));
    for (const AlcoholLine& l : s.alcohol)
        addLine(a, tableRow(alcohol, {l.nota, l.emissao, l.cnpj, l.uf, l.valorUnitario, l.quantidade},
                            tableFonts(), m));
    a.closing.push_back(tableTotal(alcohol, 5, kTotal, {s.totalQuantidade}, tableFonts(), m));
    addTable(flow, a);
}

// ---- sections 12 and 13
// ------------------------------------------------------------------------------------

void municipalities(PageFlow& flow, const MunicipalitySection& s, bool showDomicile, const PageMetrics& m) {
    const Qt::Alignment r = Qt::AlignRight;
    std::vector<TableColumn> cols{
        {QStringLiteral("15.1 - MUNICÍPIO DE ORIGEM"), showDomicile ? 70.0 : 84.0, Qt::AlignLeft, true}};
    if (showDomicile) cols.push_back({kDomicile, 14, Qt::AlignHCenter});
    cols.push_back({QStringLiteral("15.3 - SAÍDAS"), 35, r});
    cols.push_back({QStringLiteral("15.4 - ENTRADAS"), 35, r});
    cols.push_back({QStringLiteral("15.5 - TOTAL (15.3 - 15.4)"), 36, r});
    const QString item15 =
        QStringLiteral("15 - SAÍDAS E/OU PRESTAÇÕES E ENTRADAS E/OU AQUISIÇÕES DO ESTABELECIMENTO DO "
                       "CONTRIBUINTE POR MUNICÍPIO DE ORIGEM");
    TableBlock t;
    t.heading = {sectionTitle(item15, m)};
    t.repeatHeading = {sectionTitle(item15 + kContinued, m)};
    t.captions = tableHeader(cols, {}, tableFonts(), m);
    if (s.lines.isEmpty()) addLine(t, tableEmpty(cols, tableFonts(), m));
    for (const MunicipalityLine& l : s.lines) {
        QStringList cells{l.municipio};
        if (showDomicile) cells << l.domicilio;
        cells += QStringList(l.amounts.begin(), l.amounts.end());
        addLine(t, tableRow(cols, cells, tableFonts(), m));
    }
    const int span = showDomicile ? 2 : 1;
    auto totals = [](const MunicipalityAmounts& a) { return QStringList(a.begin(), a.end()); };
    if (showDomicile) {
        t.closing.push_back(
            tableTotal(cols, span, kTotal + QStringLiteral(" A"), totals(s.totalA), tableFonts(), m));
        t.closing.push_back(
            tableTotal(cols, span, kTotal + QStringLiteral(" B"), totals(s.totalB), tableFonts(), m));
    } else {
        t.closing.push_back(tableTotal(cols, span, kTotal, totals(s.totalA), tableFonts(), m));
    }
    addTable(flow, t);
}

void goodsAndSignatures(PageFlow& flow, const GoodsSection& s, bool showDomicile, const PageMetrics& m) {
    std::vector<TableColumn> cols{{QStringLiteral("16.1 - IDENTIFICAÇÃO\n(IE)"), 30, Qt::AlignHCenter}};
    if (showDomicile) cols.push_back({QStringLiteral("16.2 - DOMICÍLIO\nFISCAL"), 18, Qt::AlignHCenter});
    cols.push_back({QStringLiteral("16.3 - MUNICÍPIO"), showDomicile ? 76.0 : 94.0, Qt::AlignLeft, true});
    cols.push_back({QStringLiteral("16.4 - Nº. DA\nNOTA FISCAL"), 30, Qt::AlignHCenter});
    cols.push_back({QStringLiteral("16.5 - VALOR"), 36, Qt::AlignRight});
    const QString item16 =
        QStringLiteral("16 - RELAÇÃO DE MERCADORIAS E/OU PRODUTOS DE OUTROS MUNICÍPIOS VERDALENSES COM "
                       "DIFERIMENTO DO ICMS");
    TableBlock t;
    t.heading = {sectionTitle(item16, m)};
    t.repeatHeading = {sectionTitle(item16 + kContinued, m)};
    t.captions = tableHeader(cols, {}, tableFonts(), m);
    if (s.lines.isEmpty()) addLine(t, tableEmpty(cols, tableFonts(), m));
    for (const GoodsLine& l : s.lines) {
        QStringList cells{l.ieEmpresa};
        if (showDomicile) cells << l.domicilio;
        cells << l.municipio << l.nota << l.valor;
        addLine(t, tableRow(cols, cells, tableFonts(), m));
    }
    const int span = int(cols.size()) - 1;
    if (showDomicile) {
        t.closing.push_back(
            tableTotal(cols, span, kTotal + QStringLiteral(" A"), {s.totalA}, tableFonts(), m));
        t.closing.push_back(
            tableTotal(cols, span, kTotal + QStringLiteral(" B"), {s.totalB}, tableFonts(), m));
    } else {
        t.closing.push_back(tableTotal(cols, span, kTotal, {s.totalA}, tableFonts(), m));
    }
    addTable(flow, t);

    flow.gap(kSectionGap);
    flow.keep({sectionTitle(QStringLiteral("17 - IDENTIFICAÇÃO DO DECLARANTE"), m),
               fieldRow({valueField(QStringLiteral("17.1 - CPF"), 50, s.declaranteCpf),
                         valueField(QStringLiteral("17.2 - NOME"), 140, s.declaranteNome)},
                        m)});
    flow.gap(kSectionGap);
    flow.keep({sectionTitle(QStringLiteral("18 - IDENTIFICAÇÃO DO CONTABILISTA"), m),
               fieldRow({valueField(QStringLiteral("18.1 - CPF/CNPJ"), 40, s.contadorCpfCnpj),
                         valueField(QStringLiteral("18.2 - CRC"), 40, s.contadorCrc),
                         valueField(QStringLiteral("18.3 - NOME"), 75, s.contadorNome),
                         valueField(QStringLiteral("18.4 - TELEFONE"), 35, s.contadorTelefone)},
                        m)});

    flow.gap(kSectionGap);
    const QFont font = formFont(6.0);
    const double height = m.wrappedHeight(s.footer, font, kContentWidth - 3) + 2;
    flow.add({height, [text = s.footer, font, height](PageCanvas& c, double top) {
                  const QRectF box(kMarginLeft, top, kContentWidth, height);
                  c.frame(box);
                  c.wrapped(box.adjusted(0, 1, 0, 0), text, font, Qt::AlignLeft, 1.5);
              }});
}

void layOut(PageFlow& flow, const DeclarationPrint& p, const PageMetrics& m) {
    const bool dom = p.showDomicile;
    identification(flow, p.s1.id, m);
    flow.gap(kSectionGap);
    operations(flow, p.s1, dom, m);
    flow.gap(kSectionGap);
    lawList(flow, p.s2, m);
    flow.gap(kSectionGap);
    lawList(flow, p.s3, m);
    flow.gap(1.0);
    deductions(flow, p.s4, m);
    flow.gap(1.0);
    rates(flow, p.s5, dom, m);
    flow.gap(1.0);
    rates(flow, p.s6, dom, m);
    flow.gap(1.0);
    rates(flow, p.s7, dom, m);
    flow.gap(kSectionGap);
    toPay(flow, p.s8, m);
    flow.gap(1.0);
    toPay(flow, p.s9, m);
    flow.gap(kSectionGap);
    stockAndStates(flow, p.s10, dom, m);
    flow.gap(kSectionGap);
    fuel(flow, p.s11, m);
    flow.gap(kSectionGap);
    municipalities(flow, p.s12, dom, m);
    flow.gap(kSectionGap);
    goodsAndSignatures(flow, p.s13, dom, m);
}

void decorate(PageCanvas& c, const DeclarationPrint& p, int page, int pages) {
    c.text(QRectF(kMarginLeft, 7, kContentWidth, 5.5), kTitle, formFont(10, true), Qt::AlignLeft, 0);
    c.text(QRectF(kMarginLeft, 12.5, kContentWidth, 4), p.pageHeading, formFont(6.5), Qt::AlignLeft, 0);
    c.line(kMarginLeft, 17, kMarginLeft + kContentWidth, 17, 0.4);
    c.text(QRectF(kMarginLeft, 288.5, kContentWidth, 4),
           QStringLiteral("Página %1 de %2").arg(page).arg(pages), formFont(6.5), Qt::AlignRight, 0);
}

} // namespace

bool drawDeclaration(const DeclarationPrint& print, QPagedPaintDevice& device, QString* error) {
    return renderPages(
        device, kBodyTop, kBodyBottom, [&](PageFlow& flow, const PageMetrics& m) { layOut(flow, print, m); },
        [&](PageCanvas& c, int page, int pages) { decorate(c, print, page, pages); }, error);
}

} // namespace vexa::print

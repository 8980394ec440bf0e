// Speed of the import of a VEXA 9.6 folder: N declarations (1,000 by
// default) of 10 taxpayers, each with 16 operation lines, 8 movements by
// state, stock, an amount to pay, an other credit, a rate differential and a
// slip, written as Paradox tables with pxlib and imported into a fresh
// program folder as "Importar" does. Then the same folder again, when every
// row is already there. Prints the rows of the folder and both times.
//
// Run: build-DIR/bin/previous_bench [declarations]
#include "common/ProgramFolder.h"
#include "declfile/PreviousVersion.h"
#include "previous/ParadoxWriter.h"
#include "storage/Database.h"
#include "storage/ProgramFolderInit.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace vexa;
namespace px = vexa::test::px;

QString ieOf(int n) {
    const QString base = QStringLiteral("29%1").arg(n, 6, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += base.at(i).digitValue() * (9 - i);
    const int r = sum % 11;
    return base + QString::number(r < 2 ? 0 : 11 - r);
}

struct Tables {
    QList<px::Values> taxpayers, vexas, operations, states, stock, toPay, credits, rates, slips;
    qint64 rows() const {
        return taxpayers.size() + vexas.size() + operations.size() + states.size() + stock.size() + toPay.size() +
               credits.size() + rates.size() + slips.size();
    }
};

px::Values keyed(const QString& ie, int year, int month, px::Values v = {}) {
    v[QStringLiteral("IE")] = ie;
    v[QStringLiteral("Ano")] = QString::number(year);
    v[QStringLiteral("Mes")] = QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
    v[QStringLiteral("Retificacao")] = QStringLiteral("00");
    return v;
}

Tables build(int count) {
    Tables t;
    const int taxpayers = 10;
    for (int p = 0; p < taxpayers; ++p)
        t.taxpayers << px::Values{{"IE", ieOf(p)}, {"RazaoSocial", QStringLiteral("CONTRIBUINTE %1").arg(p)},
                                  {"MunicipioID", "2940401"}, {"TipoRegime", "N"}, {"UF", "QX"}};
    for (int d = 0; d < count; ++d) {
        const QString ie = ieOf(d % taxpayers);
        const int period = d / taxpayers;   // months from 01/2009
        const int year = 2009 + period / 12, month = 1 + period % 12;
        t.vexas << keyed(ie, year, month, {{"C51", 1000.0 + d}, {"C61", 400.0}, {"MudaDomicilio", "N"}});
        const int outputs[] = {5101, 5102, 5103, 5104, 5105, 5106, 5109, 5110};
        const int entries[] = {1101, 1102, 1111, 1113, 1116, 1117, 1118, 1120};
        for (int i = 0; i < 8; ++i) {
            t.operations << keyed(ie, year, month,
                                  {{"CodigoOperacao", outputs[i]}, {"DomicilioFiscal", "A"}, {"EntradaSaida", "1"},
                                   {"ValorContabil", 1000.0 + i}, {"BaseCalculo", 1000.0 + i}, {"CidadeID", 2940401}});
            t.operations << keyed(ie, year, month,
                                  {{"CodigoOperacao", entries[i]}, {"DomicilioFiscal", "A"}, {"EntradaSaida", "0"},
                                   {"ValorContabil", 400.0 + i}, {"ImpostoCreditado", 68.0}, {"CidadeID", 2940401}});
        }
        for (const char* uf : {"14", "20", "26", "29"})
            for (const char* io : {"0", "1"})
                t.states << keyed(ie, year, month,
                                  {{"EntradaSaida", io}, {"UF", uf}, {"DomicilioFiscal", "A"}, {"ValorContabilA", 300.0}});
        t.stock << keyed(ie, year, month, {{"EITributadas", 10.0}, {"EFTributadas", 12.0}});
        t.toPay << keyed(ie, year, month,
                         {{"TipoApuracao", "N"}, {"DtVencimento", QDate(year, month, 1).addMonths(1)}, {"Valor", 600.0}});
        t.credits << keyed(ie, year, month, {{"CodLei", 5}, {"Valor", 10.0}});
        t.rates << keyed(ie, year, month, {{"UF", "14"}, {"DomicilioFiscal", "A"}, {"VlrDifAliquota", 35.0}});
        t.slips << keyed(ie, year, month, {{"CodigoTributo", "101"}});
    }
    return t;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    QTemporaryDir dir, source;
    const ProgramFolder folder(dir.path());
    QString error;
    const QString delivered = ProgramFolder::deliveredDir(QCoreApplication::applicationDirPath());
    if (!storage::initProgramFolder(folder, delivered, false, &error) || !storage::open(folder, &error)) {
        std::fprintf(stderr, "program folder: %s\n", qPrintable(error));
        return 2;
    }

    const Tables t = build(count);
    const struct {
        const char* file;
        const char* table;
        QStringList without;
        const QList<px::Values>& rows;
    } files[] = {
        {"Contribuintes.db", "Contribuintes", {}, t.taxpayers},
        {"Vexas.db", "Vexas", {}, t.vexas},
        {"movimentacaoporoperacoes42.db", "MovimentacaoPorOperacoes42", {}, t.operations},
        {"movimentacaoporuf.db", "MovimentacaoPorUF", {}, t.states},
        {"demostrativoestoque.db", "DemostrativoEstoque", {}, t.stock},
        {"ICMSRecolher.db", "ICMSRecolher", {}, t.toPay},
        {"OutrosCred.db", "OutrosCred", {}, t.credits},
        {"Aliquota.db", "Aliquota", {QStringLiteral("Aliquota")}, t.rates},
        {"dare.db", "dare", {}, t.slips},
    };
    for (const auto& f : files) {
        if (!px::writeTable(source.filePath(QString::fromLatin1(f.file)), px::layoutOf(QString::fromLatin1(f.table), f.without),
                            f.rows)) {
            std::fprintf(stderr, "cannot write %s\n", f.file);
            return 2;
        }
    }

    QElapsedTimer timer;
    timer.start();
    const declfile::PreviousImportResult first = declfile::importPreviousVersion(source.path());
    const qint64 firstMs = timer.restart();
    const declfile::PreviousImportResult second = declfile::importPreviousVersion(source.path());
    const qint64 secondMs = timer.elapsed();

    std::printf("folder: %d declarations, %lld rows in %zu tables\n", count, static_cast<long long>(t.rows()),
                std::size(files));
    std::printf("first import: %lld ms, %d rows imported%s%s\n", static_cast<long long>(firstMs), first.inserted(),
                first.ok ? "" : "; failure: ", qPrintable(first.error));
    std::printf("second import: %lld ms, %d rows imported%s%s\n", static_cast<long long>(secondMs), second.inserted(),
                second.ok ? "" : "; failure: ", qPrintable(second.error));
    storage::close();
    return first.ok && second.ok && first.inserted() == t.rows() && second.inserted() == 0 ? 0 : 1;
}

// The DARE batch print of one period with 1,000 linked DAREs (1,000 pages):
// the slips computed afresh and written as one PDF, as `vexa-cli print dare`
// runs them (budget 10 s), with the size of the file.
//
// Run: build-DIR/bin/print_dare_bench [repetitions [copy-of-the-pdf.pdf]]
#include "common/Clock.h"
#include "payment/ConsultaDare.h"
#include "print/DareBatchPrint.h"
#include "storage/Database.h"
#include "storage/ProgramFolderInit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace vexa;

namespace {

constexpr int kSlips = 1000;

QString deliveredDir() {
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("delivered"));
    if (QFileInfo(besideProgram + QStringLiteral("/reference")).isDir()) return besideProgram;
    return QStringLiteral(VEXA_SOURCE_DATA_DIR);
}

bool exec(QSqlQuery& q, const QString& statement, const QVariantList& values) {
    if (!q.prepare(statement)) return false;
    for (const QVariant& v : values) q.addBindValue(v);
    if (q.exec()) return true;
    std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
    return false;
}

// 1,000 taxpayers with a July 2024 declaration and its DARE, of four revenue
// kinds, paid on time, late and very late (penalty and SELIC interest).
bool fill() {
    QSqlQuery q(storage::db());
    storage::db().transaction();
    const char* codes[] = {"101", "110", "120", "140"};
    const char* paid[] = {"2024-08-12", "2024-08-30", "2024-11-18"};
    bool ok = exec(q, QStringLiteral("DELETE FROM CalendarioFiscal WHERE Ano = '2024' AND Mes = '07'"), {}) &&
              exec(q, QStringLiteral("INSERT INTO CalendarioFiscal (Ano, Mes, DataVencimento) VALUES ('2024', '07', "
                                     "'2024-08-12')"),
                   {});
    for (QDate m(2024, 7, 1); ok && m <= QDate(2024, 12, 1); m = m.addMonths(1))
        ok = exec(q, QStringLiteral("DELETE FROM IndicesEconomicos WHERE CodigoIndice = 5 AND Data = ?"),
                  {m.toString(QStringLiteral("yyyy-MM-dd"))}) &&
             exec(q, QStringLiteral("INSERT INTO IndicesEconomicos (CodigoIndice, Data, Valor) VALUES (5, ?, 0.0087)"),
                  {m.toString(QStringLiteral("yyyy-MM-dd"))});
    for (int t = 0; ok && t < kSlips; ++t) {
        const QString ie = QStringLiteral("29%1").arg(t, 7, 10, QLatin1Char('0'));
        const double v = 1000 + t * 13.7;
        ok = exec(q,
                  QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, MunicipioID, TipoRegime) "
                                 "VALUES (?, ?, '11222333000181', '2900001', 'N')"),
                  {ie, QStringLiteral("CONTRIBUINTE %1 COMÉRCIO LTDA").arg(t, 4, 10, QLatin1Char('0'))}) &&
             exec(q,
                  QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51, C61, C76, C83, C84) "
                                 "VALUES (?, '2024', '07', '00', ?, ?, ?, ?, ?)"),
                  {ie, v, v * 0.4, v * 0.1, v * 0.3, v * 0.05}) &&
             exec(q,
                  QStringLiteral("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, DtVencimento, "
                                 "Valor) VALUES (?, '2024', '07', '00', 'P', '2024-08-12', ?)"),
                  {ie, v * 0.02}) &&
             exec(q,
                  QStringLiteral("INSERT INTO dare (IE, Ano, Mes, Retificacao, CodigoTributo, Obs1, DataPgto) "
                                 "VALUES (?, '2024', '07', '00', ?, ?, ?)"),
                  {ie, QString::fromLatin1(codes[t % 4]), QStringLiteral("LOTE %1").arg(t),
                   QString::fromLatin1(paid[t % 3])});
    }
    return ok && storage::db().commit();
}

// The view of the batch program: no status line, the pages to the PDF.
class PdfView : public print::DareBatchView {
public:
    explicit PdfView(QString path) : path_(std::move(path)) {}
    void setStatus(const QString&) override {}
    void setOkEnabled(bool) override {}
    bool present(const QList<payment::SlipPage>& pages, QString* error) override {
        return print::writeDareBatchPdf(path_, pages, {}, error);
    }

private:
    QString path_;
};

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    FixedClock clock(QDate(2024, 8, 1));
    Clock::setInstance(&clock);
    QTemporaryDir dir;
    QString error;
    if (!storage::initProgramFolder(ProgramFolder(dir.path()), deliveredDir(), false, &error) ||
        !storage::open(ProgramFolder(dir.path()), &error)) {
        std::fprintf(stderr, "program folder: %s\n", qPrintable(error));
        return 2;
    }
    if (!fill()) {
        std::fprintf(stderr, "could not fill the slips\n");
        return 2;
    }

    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("dare.pdf"));
    std::vector<double> wall, cpu, compute;
    int pages = 0;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        pages = int(print::dareBatchPages(QStringLiteral("072024"), payment::kTodos).size());
        compute.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());

        const auto run = std::chrono::steady_clock::now();
        const std::clock_t runCpu = std::clock();
        ScriptedPrompter prompter;
        PdfView view(pdf);
        const print::DareBatchResult r = print::runDareBatchPrint(QStringLiteral("072024"), payment::kTodos, prompter, view);
        cpu.push_back(1000.0 * double(std::clock() - runCpu) / CLOCKS_PER_SEC);
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - run).count());
        if (r.outcome != print::DareBatchOutcome::Presented || r.pages != kSlips) {
            std::fprintf(stderr, "the run did not print %d pages: %s\n", kSlips, qPrintable(r.check.message));
            return 2;
        }
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    std::sort(compute.begin(), compute.end());
    const double size = double(QFileInfo(pdf).size());
    std::printf("print dare of one period, %d linked DAREs, %d pages (budget 10000 ms):\n"
                "  slips computed (rows, amounts, pages): median %.0f ms\n"
                "  whole run to PDF: median %.0f ms (processor %.0f ms)\n"
                "  PDF %.1f MiB, %.1f KiB a page\n",
                kSlips, pages, compute[compute.size() / 2], wall[wall.size() / 2], cpu[cpu.size() / 2],
                size / (1024 * 1024), size / 1024 / pages);
    if (argc > 2) {
        QFile::remove(QString::fromLocal8Bit(argv[2]));
        QFile::copy(pdf, QString::fromLocal8Bit(argv[2]));
    }
    storage::close();
    Clock::setInstance(nullptr);
    return wall[wall.size() / 2] <= 10000 ? 0 : 1;
}

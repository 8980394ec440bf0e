// DARE slips: the amounts, NossoNumero, bar-code number and digitable line
// of 1,000 linked DAREs (budget 1 s), once through the slip report's rows
// (the batch print's path) and once slip by slip as the slip screen shows
// them; and one slip page written to PDF (budget 0.2 s).
//
// Run: build-DIR/bin/payment_bench [repetitions]
#include "common/Clock.h"
#include "payment/GateReport.h"
#include "payment/Gates.h"
#include "payment/SlipCode.h"
#include "payment/SlipDraw.h"
#include "storage/Database.h"
#include "storage/ProgramFolderInit.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vexa;
using namespace vexa::payment;

namespace {

constexpr int kTaxpayers = 100;
constexpr int kPeriods = 10;   // 11/2022 to 08/2023: both regimes

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

QString ieOf(int i) { return QStringLiteral("29%1").arg(i, 7, 10, QLatin1Char('0')); }

QList<DareKey> fill() {
    QList<DareKey> keys;
    QSqlQuery q(storage::db());
    storage::db().transaction();
    const char* codes[] = {"101", "110", "120", "140"};
    bool ok = true;
    for (int t = 0; ok && t < kTaxpayers; ++t) {
        ok = exec(q,
                  QStringLiteral("INSERT INTO Contribuintes (IE, RazaoSocial, CGC_CPF, MunicipioID, TipoRegime) "
                                 "VALUES (?, ?, '11222333000181', '2900001', 'N')"),
                  {ieOf(t), QStringLiteral("CONTRIBUINTE %1").arg(t)});
        for (int p = 0; ok && p < kPeriods; ++p) {
            const QDate month = QDate(2022, 11, 1).addMonths(p);
            const QString ano = month.toString(QStringLiteral("yyyy"));
            const QString mes = month.toString(QStringLiteral("MM"));
            const double v = 1000 + t * 13.7 + p * 101.3;
            ok = exec(q,
                      QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51, C61, C76, C83, C84) "
                                     "VALUES (?, ?, ?, '00', ?, ?, ?, ?, ?)"),
                      {ieOf(t), ano, mes, v, v * 0.4, v * 0.1, v * 0.3, v * 0.05}) &&
                 exec(q,
                      QStringLiteral("INSERT INTO ICMSRecolher (IE, Ano, Mes, Retificacao, TipoApuracao, "
                                     "DtVencimento, Valor) VALUES (?, ?, ?, '00', 'P', '2024-01-10', ?)"),
                      {ieOf(t), ano, mes, v * 0.02}) &&
                 exec(q,
                      QStringLiteral("INSERT INTO dare (IE, Ano, Mes, Retificacao, CodigoTributo, DataPgto) "
                                     "VALUES (?, ?, ?, '00', ?, '2024-03-15')"),
                      {ieOf(t), ano, mes, QString::fromLatin1(codes[(t + p) % 4])});
            keys << DareKey{ieOf(t), ano, mes, QStringLiteral("00")};
        }
    }
    if (!ok || !storage::db().commit()) return {};
    return keys;
}

// Median wall-clock and processor time of the runs, in milliseconds. On a
// shared machine the processor time is the steadier figure.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

Timing time(const std::function<bool()>& work, int repetitions, bool* ok) {
    std::vector<double> wall, cpu;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t startCpu = std::clock();
        *ok = work() && *ok;
        cpu.push_back(1000.0 * double(std::clock() - startCpu) / CLOCKS_PER_SEC);
        wall.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    FixedClock clock(QDate(2024, 3, 15));
    Clock::setInstance(&clock);
    QTemporaryDir dir;
    QString error;
    if (!storage::initProgramFolder(ProgramFolder(dir.path()), deliveredDir(), false, &error) ||
        !storage::open(ProgramFolder(dir.path()), &error)) {
        std::fprintf(stderr, "program folder: %s\n", qPrintable(error));
        return 2;
    }
    const QList<DareKey> keys = fill();
    if (keys.size() != kTaxpayers * kPeriods) {
        std::fprintf(stderr, "could not fill the slips\n");
        return 2;
    }

    bool ok = true;
    QList<GateRow> rows;
    const Timing report = time(
        [&] {
            rows = qrRelatorioGATE(QStringLiteral("<TODOS>"), QStringLiteral("<TODOS>"), QStringLiteral("<TODOS>"));
            int lines = 0;
            for (const GateRow& r : rows) lines += LinhaDigitavel(r.CodBar).isEmpty() ? 0 : 1;
            return rows.size() == keys.size() && lines == int(keys.size());
        },
        repetitions, &ok);
    const Timing screen = time(
        [&] {
            int lines = 0;
            for (const DareKey& k : keys) {
                const std::optional<Dare> d = findDare(k);
                if (d && !describeDare(*d).LinhaDigitavel.isEmpty()) ++lines;
            }
            return lines == int(keys.size());
        },
        repetitions, &ok);
    const QList<SlipPage> one = gatePages({rows.first()});
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("dare.pdf"));
    const Timing page = time([&] { return writeSlipPdf(pdf, one, &error); }, std::max(repetitions, 10), &ok);
    if (!ok) {
        std::fprintf(stderr, "a run did not complete: %s\n", qPrintable(error));
        return 2;
    }
    std::printf("1,000 linked DAREs, amounts + NossoNumero + CodBar + digitable line (budget 1000 ms):\n"
                "  through the slip report's rows: median %.1f ms (processor %.1f ms)\n"
                "  slip by slip as the screen shows them: median %.1f ms (processor %.1f ms)\n"
                "one slip page written to PDF (budget 200 ms): median %.1f ms (processor %.1f ms)\n",
                report.wall, report.cpu, screen.wall, screen.cpu, page.wall, page.cpu);
    storage::close();
    Clock::setInstance(nullptr);
    return report.wall <= 1000 && page.wall <= 200 ? 0 : 1;
}

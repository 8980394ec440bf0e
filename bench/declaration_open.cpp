// Opening a declaration with 500 operation rows: finding its latest
// rectification, reading its row, reading the operation rows of the grids,
// their totals by direction and domicile, and its apuração. Budget: 50 ms.
//
// Run: build-DIR/bin/declaration_open_bench [repetitions]
#include "common/Money.h"
#include "declaration/Apuracao.h"
#include "declaration/DeclarationService.h"
#include "declaration/OperationStore.h"
#include "declaration/OperationTotals.h"
#include "storage/Database.h"
#include "storage/ProgramFolderInit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace vexa;

namespace {

const QString kIE = QStringLiteral("290000009");

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

// A declaration of 03/2024 (two rectifications) with 500 operation rows:
// 125 CFOPs of entries and 125 of outputs, each in domiciles A and B.
bool fill() {
    QSqlQuery q(storage::db());
    storage::db().transaction();
    bool ok = exec(q,
                   QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51, C61, C72, C76, C77, C83, C84, "
                                  "MudaDomicilio) VALUES (?, '2024', '03', ?, 15000.55, 9000.10, 100, 30, 10, 500, "
                                  "420.5, 'S')"),
                   {kIE, QStringLiteral("00")}) &&
              exec(q,
                   QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51, C61, C72, C76, C77, C83, C84, "
                                  "MudaDomicilio) VALUES (?, '2024', '03', ?, 15000.55, 9000.10, 100, 30, 10, 500, "
                                  "420.5, 'S')"),
                   {kIE, QStringLiteral("01")});
    int rows = 0;
    for (int i = 0; ok && i < 125; ++i) {
        for (int direction = 0; direction < 2; ++direction) {
            for (const char* domicile : {"A", "B"}) {
                const int cfop = (direction == 0 ? 1000 : 5000) + (i % 3) * 1000 + 100 + i;
                const double v = 100.0 + i * 1.37;
                ok = exec(q,
                          QStringLiteral("INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, "
                                         "CodigoOperacao, DomicilioFiscal, EntradaSaida, CidadeID, TipoOperacao, "
                                         "BaseCalculo, IsentasNaoTributadas, Outras, SubstituicaoTributaria, "
                                         "ValorContabil, ImpostoCreditado) VALUES (?, '2024', '03', '01', ?, ?, ?, "
                                         "2940401, ?, ?, ?, ?, ?, ?, ?)"),
                          {kIE, cfop, QString::fromLatin1(domicile), QString::number(direction),
                           QString::number(i % 3), v * 0.6, v * 0.1, v * 0.3, 0.0, v, v * 0.6 * 0.17});
                ++rows;
            }
        }
    }
    if (!ok || !storage::db().commit()) return false;
    return rows == 500;
}

// What the screen does on opening: the row with its latest rectification,
// every operation row of the grids, the totals of both directions by
// domicile, and the apuração of the row.
double openOnce() {
    const decl::OpenedDeclaration opened = decl::openDeclaration(kIE, QStringLiteral("03"), QStringLiteral("2024"));
    if (opened.isNew) return -1;
    const decl::DeclarationKey k = opened.row.key();
    const QList<decl::OperationRow> rows = decl::loadAllOperationRows(k);
    const decl::DeclarationOperationTotals totals = decl::operationTotals(k);
    const decl::Apuracao ap = decl::computeApuracao(opened.row);
    if (rows.size() != 500) return -1;
    return money::round2(ap.C73 + totals.entries.total[decl::Amount::ValorContabil]);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    QTemporaryDir dir;
    QString error;
    if (!storage::initProgramFolder(ProgramFolder(dir.path()), deliveredDir(), false, &error) ||
        !storage::open(ProgramFolder(dir.path()), &error)) {
        std::fprintf(stderr, "program folder: %s\n", qPrintable(error));
        return 2;
    }
    if (!fill()) {
        std::fprintf(stderr, "could not fill the declaration\n");
        return 2;
    }
    std::vector<double> ms;
    double check = 0;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        check = openOnce();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    if (check < 0) {
        std::fprintf(stderr, "the declaration did not open whole\n");
        return 2;
    }
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf("declaration open, 500 operation rows, totals and apuracao: first %.2f ms, median %.2f ms, "
                "worst %.2f ms over %d runs (budget 50 ms)\n",
                first, median, ms.back(), repetitions);
    storage::close();
    return median <= 50.0 ? 0 : 1;
}

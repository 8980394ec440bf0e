// The declaration print of a declaration with 1,000 operation lines (500
// CFOPs of entries and outputs, each in domiciles A and B) to a PDF file:
// reading the sections, computing them, laying out and drawing every page.
// Budget: 2 s.
//
// Run: QT_QPA_PLATFORM=offscreen build-DIR/bin/print_bench [repetitions]
#include "declaration/DeclarationKey.h"
#include "print/DeclarationPrint.h"
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
#include <cstdio>
#include <vector>

using namespace vexa;

namespace {

const decl::DeclarationKey kKey{QStringLiteral("290000009"), QStringLiteral("2024"), QStringLiteral("03"),
                                QStringLiteral("00")};

QString deliveredDir() {
    const QString besideProgram =
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("delivered"));
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

bool fill() {
    QSqlQuery q(storage::db());
    storage::db().transaction();
    const QVariantList key{kKey.ie, kKey.ano, kKey.mes, kKey.retificacao};
    bool ok =
        exec(q,
             QStringLiteral(
                 "INSERT INTO Contribuintes (IE, RazaoSocial, MunicipioID, AtividadeEconomicaPrincip, "
                 "TipoEstabelecimento, TipoEscrituracao, TipoRegime, UF) VALUES (?, 'COMÉRCIO DE "
                 "TESTE LTDA', '2900001', '4711302', 'U', 'F', 'N', 'QX')"),
             {kKey.ie}) &&
        exec(q,
             QStringLiteral("INSERT INTO Vexas (IE, Ano, Mes, Retificacao, C51, C61, MudaDomicilio, CidadeB) "
                            "VALUES (?, ?, ?, ?, 15000.55, 9000.10, 'S', 2940807)"),
             key);
    // Real CFOPs of the declaration's year, so that every line has its description.
    QSqlQuery cfops(storage::db());
    ok = ok &&
         exec(cfops, QStringLiteral("SELECT CFOP FROM cfop WHERE Ano = 2022 ORDER BY CFOP LIMIT 500"), {});
    int rows = 0;
    while (ok && cfops.next()) {
        const int cfop = cfops.value(0).toInt();
        const int first = cfop / 1000;
        const QString es = first >= 5 ? QStringLiteral("1") : QStringLiteral("0");
        const QString kind = QString::number((first - 1) % 4);
        for (const char* domicile : {"A", "B"}) {
            const double v = 100.0 + rows * 1.37;
            ok =
                exec(q,
                     QStringLiteral(
                         "INSERT INTO MovimentacaoPorOperacoes42 (IE, Ano, Mes, Retificacao, CodigoOperacao, "
                         "DomicilioFiscal, EntradaSaida, CidadeID, TipoOperacao, BaseCalculo, "
                         "IsentasNaoTributadas, Outras, SubstituicaoTributaria, ValorContabil, "
                         "ImpostoCreditado) VALUES (?, ?, ?, ?, ?, ?, ?, 2940401, ?, ?, ?, ?, 0, ?, ?)"),
                     key + QVariantList{cfop, QString::fromLatin1(domicile), es, kind, v * 0.6, v * 0.1,
                                        v * 0.3, v, v * 0.6 * 0.17});
            ++rows;
        }
    }
    if (!ok || !storage::db().commit()) return false;
    return rows == 1000;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, atoi(argv[1])) : 10;
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
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("vexa.pdf"));
    std::vector<double> ms;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        const auto pages = print::computeDeclarationPrint(kKey, ProgramFolder(dir.path()), &error);
        if (!pages || !print::writeDeclarationPdf(*pages, pdf, &error)) {
            std::fprintf(stderr, "print: %s\n", qPrintable(error));
            return 2;
        }
        ms.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    const double first = ms.front();
    std::sort(ms.begin(), ms.end());
    const double median = ms[ms.size() / 2];
    std::printf(
        "declaration print, 1,000 operation lines to PDF (%lld bytes): first %.0f ms, median %.0f ms, "
        "worst %.0f ms over %d runs (budget 2000 ms)\n",
        static_cast<long long>(QFileInfo(pdf).size()), first, median, ms.back(), repetitions);
    storage::close();
    return median <= 2000.0 ? 0 : 1;
}

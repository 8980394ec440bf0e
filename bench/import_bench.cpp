// Speed of the import of an accounting-system file: N declarations (1,000 by
// default) of 42 records each, one taxpayer each, written to a file and
// imported into a fresh program folder as "Importar VEXA" does.
// Budget: 1,000 declarations within 5 s. Prints the file's size, the time
// and the outcome; run it under /usr/bin/time -v for the peak memory, with
// 1,000 and with 4,000 declarations, to see that memory does not grow with
// the number of declarations.
//
// Run: build-DIR/bin/import_bench [declarations]
#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "declfile/Import.h"
#include "import/AccountLines.h"
#include "storage/Database.h"
#include "storage/ProgramFolderInit.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace vexa;
using namespace vexa::test;

// The home state's IE with its check digit: "29", six digits, the mod-11 digit.
QString ieOf(int n) {
    const QString base = QStringLiteral("29%1").arg(n, 6, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += base.at(i).digitValue() * (9 - i);
    const int r = sum % 11;
    return base + QString::number(r < 2 ? 0 : 11 - r);
}

bool registerTaxpayers(int count) {
    storage::Transaction t;
    QSqlQuery q(storage::db());
    q.prepare(QStringLiteral(
        "INSERT INTO Contribuintes (RazaoSocial, IE, CGC_CPF, MunicipioID, NovaSenha, AtividadeEconomicaPrincip,"
        " TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, TipoRegime, EmailCont, UF)"
        " VALUES (?, ?, '11222333000181', '2900001', 'ab12', '4711302', 'U', 0, 'F', 0, 'N', 'a@b.qx', 'QX')"));
    for (int d = 0; d < count; ++d) {
        q.bindValue(0, QStringLiteral("CONTRIBUINTE %1").arg(d));
        q.bindValue(1, ieOf(d));
        if (!q.exec()) {
            std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
            return false;
        }
    }
    if (!q.exec(QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF, Telefone, CPFCGC, email) VALUES "
                               "('MARIA CONTADORA', 'QX012345', 'QX', '6532101234', '52998224725', 'm@c.qx')")))
        return false;
    return t.commit();
}

// One declaration of 03/2024: A, 16 operations, stock, 8 movements by state,
// 2 amounts to pay, other credit, deduction, other debit, 3 municipalities,
// 2 suppliers with their notes, 2 entry differentials, 1 final-consumer differential, Z.
void addDeclaration(AccountText& text, int d, int count) {
    const decl::DeclarationKey k{ieOf(d), QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("00")};
    SegmentA a;
    a.items[0] = 10000 + d;
    a.items[3] = 4000;
    text.begin(lineA(k, a));
    const int outputs[] = {5101, 5102, 5103, 5104, 5105, 5106, 5109, 5110};
    const int entries[] = {1101, 1102, 1111, 1113, 1116, 1117, 1118, 1120};
    for (int i = 0; i < 8; ++i) {
        text.add(lineB(k, "1", outputs[i], 1000 + i, 10, 20, 0, 1030 + i, 170 + i));
        text.add(lineB(k, "0", entries[i], 400 + i, 0, 5, 0, 405 + i, 68 + i));
    }
    text.add(lineC(k));
    for (const char* uf : {"14", "20", "26", "29"}) {
        text.add(lineD(k, "0", QString::fromLatin1(uf)));
        text.add(lineD(k, "1", QString::fromLatin1(uf)));
    }
    text.add(lineE(k, "N", QDate(2024, 4, 10), 5920 + d)).add(lineE(k, "S", QDate(2024, 4, 10), 0));
    text.add(lineK(k, 5, 100)).add(lineL(k, 99, 0, 0, 30)).add(lineR(k, 99, 50));
    for (qint64 city : {2940401, 2940807, 2941201}) text.add(lineM(k, city, "A", 3000, 100));
    for (int s = 1; s <= 2; ++s) {
        const QString supplier = ieOf((d + s) % count);
        text.add(lineN(k, supplier, "A", QStringLiteral("2900002"), 700));
        text.add(lineO(k, supplier, "A", 1000 + s, 700));
    }
    text.add(lineRate('P', k, "A", "14", 1000, 1000, 100, 7)).add(lineRate('P', k, "A", "26", 1000, 1000, 100, 7));
    text.add(lineRate('S', k, "A", "26", 500, 500, 55, 18, 0, 55));
    text.end();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;

    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    QString error;
    const QString delivered = ProgramFolder::deliveredDir(QCoreApplication::applicationDirPath());
    if (!storage::initProgramFolder(folder, delivered, false, &error) || !storage::open(folder, &error)) {
        std::fprintf(stderr, "program folder: %s\n", qPrintable(error));
        return 2;
    }
    if (!registerTaxpayers(count)) return 2;

    const QString path = folder.file(QStringLiteral("contabil.txt"));
    {
        // Written one declaration at a time, so that the file's making does
        // not weigh on the peak memory measured for the import.
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 2;
        }
        for (int d = 0; d < count; ++d) {
            AccountText text;
            addDeclaration(text, d, count);
            file.write(text.bytes());
        }
    }

    ScriptedPrompter prompter;
    declfile::ImportOptions options;
    options.keepResponse = false;
    QElapsedTimer timer;
    timer.start();
    const declfile::ImportResult r = declfile::importAccountFile(path, prompter, {}, options);
    const qint64 ms = timer.elapsed();

    std::printf("file: %d declarations, %lld bytes\n", count, static_cast<long long>(QFileInfo(path).size()));
    std::printf("import: %lld ms; imported %d, refused %d, already %d%s%s\n", static_cast<long long>(ms), r.imported,
                r.refused, r.alreadyImported, r.failure.isEmpty() ? "" : "; failure: ", qPrintable(r.failure));
    storage::close();
    return r.imported == count ? 0 : 1;
}

#include "ManyDeclarations.h"

#include "import/AccountLines.h"
#include "storage/Database.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace vexa::test {

QString manyIE(int n) {
    const QString base = QStringLiteral("29%1").arg(n, 6, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 8; ++i) sum += base.at(i).digitValue() * (9 - i);
    const int r = sum % 11;
    return base + QString::number(r < 2 ? 0 : 11 - r);
}

bool registerManyTaxpayers(int count, QString* error) {
    storage::Transaction t;
    QSqlQuery q(storage::db());
    q.prepare(QStringLiteral(
        "INSERT INTO Contribuintes (RazaoSocial, IE, CGC_CPF, MunicipioID, NovaSenha, AtividadeEconomicaPrincip,"
        " TipoEstabelecimento, PortadorTare, TipoEscrituracao, UsuarioECF, TipoRegime, EmailCont, UF)"
        " VALUES (?, ?, '11222333000181', '2900001', 'ab12', '4711302', 'U', 0, 'F', 0, 'N', 'a@b.qx', 'QX')"));
    for (int d = 0; d < count; ++d) {
        q.bindValue(0, QStringLiteral("CONTRIBUINTE %1").arg(d));
        q.bindValue(1, manyIE(d));
        if (!q.exec()) {
            *error = q.lastError().text();
            return false;
        }
    }
    QSqlQuery a(storage::db());
    if (!a.exec(QStringLiteral("INSERT INTO Declarante (Nome, CRC, UF, Telefone, CPFCGC, email) VALUES "
                               "('MARIA CONTADORA', 'QX012345', 'QX', '6532101234', '52998224725', 'm@c.qx')"))) {
        *error = a.lastError().text();
        return false;
    }
    if (t.commit()) return true;
    *error = t.error();
    return false;
}

namespace {

void addDeclaration(AccountText& text, int d, int count) {
    const decl::DeclarationKey k{manyIE(d), QStringLiteral("2024"), QStringLiteral("03"), QStringLiteral("00")};
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
        const QString supplier = manyIE((d + s) % count);
        text.add(lineN(k, supplier, "A", QStringLiteral("2900002"), 700));
        text.add(lineO(k, supplier, "A", 1000 + s, 700));
    }
    text.add(lineRate('P', k, "A", "14", 1000, 1000, 100, 7)).add(lineRate('P', k, "A", "26", 1000, 1000, 100, 7));
    text.add(lineRate('S', k, "A", "26", 500, 500, 55, 18, 0, 55));
    text.end();
}

} // namespace

bool writeManyDeclarations(const QString& path, int count) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    for (int d = 0; d < count; ++d) {
        AccountText text;
        addDeclaration(text, d, count);
        if (file.write(text.bytes()) < 0) return false;
    }
    return true;
}

} // namespace vexa::test

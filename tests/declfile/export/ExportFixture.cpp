#include "ExportFixture.h"

#include <QFile>

namespace vexa::test {

void storeCleanDeclaration(const QString& ie, const QString& name, const QString& ret, const QString& ano,
                           const QString& mes) {
    if (!scalar(QStringLiteral("SELECT count(*) FROM Contribuintes WHERE IE = ?"), {ie}).toInt())
        insertTaxpayer(ie, name,
                       {{"AtividadeEconomicaPrincip", "4711302"}, {"PortadorTare", 0}, {"NTare", QVariant()},
                        {"DataVctoTARE", QVariant()}});
    if (!scalar(QStringLiteral("SELECT count(*) FROM Declarante WHERE CRC = ?"), {kCRC}).toInt()) insertAccountant();
    const QVariant zero = 0.0;
    insertDeclaration({ie, ano, mes, ret},
                      {{"SaldoInicialCaixa", zero}, {"SaldoFinalCaixa", zero}, {"C51", zero}, {"C52", zero},
                       {"C53", zero}, {"C79", zero}, {"C710", zero}, {"C61", zero}, {"C62", zero}, {"C63", zero},
                       {"C64", zero}, {"C72", zero}, {"C76", zero}, {"C77", zero}, {"C81", zero}, {"C82", zero},
                       {"C83", zero}, {"C84", zero}, {"C85", zero}, {"C74", zero}, {"C713", zero}, {"C714", zero},
                       {"MudaDomicilio", "N"}, {"CidadeB", QVariant()}, {"DtIniA", QVariant()}, {"DtFimA", QVariant()},
                       {"DtIniB", QVariant()}, {"ObsEncerrantes", QVariant()}, {"TipoEncerrante", QVariant()}});
}

bool FakeChecker::writeReport(const QString& path, QString* failure) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) {
        *failure = f.errorString();
        return false;
    }
    f.write(errors_ ? "errors\r\n" : "alerts\r\n");
    return true;
}

} // namespace vexa::test

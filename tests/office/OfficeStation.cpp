// A second workstation for the office tests: a process of its own that opens
// the program folder and runs the program's own code for one step of a
// declaration, while the test process acts as the first workstation.
//
//   office_station HOME save IE MMYYYY AMOUNT     the stored declaration with item 5.1 = AMOUNT, saved
//   office_station HOME new IE MMYYYY             a new declaration of the period, saved
//
// Prints what happened; exit 0 saved, 1 refused (a check or another
// workstation's save), 2 failed.
#include "common/ProgramFolder.h"
#include "declaration/DeclarationService.h"
#include "declaration/VexaRow.h"
#include "storage/Database.h"

#include <QCoreApplication>
#include <QTextStream>

using namespace vexa;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 4) {
        out << "uso: office_station HOME save|new IE MMYYYY [AMOUNT]" << Qt::endl;
        return 2;
    }
    const ProgramFolder home(args[0]);
    QString error;
    if (!storage::open(home, &error)) {
        out << error << Qt::endl;
        return 2;
    }
    const QString ie = args[2];
    const QString mes = args[3].left(2);
    const QString ano = args[3].mid(2);
    decl::VexaRow row;
    bool isNew = false;
    if (args[1] == QLatin1String("save") && args.size() == 5) {
        const decl::OpenedDeclaration opened = decl::openDeclaration(ie, mes, ano);
        if (opened.isNew) {
            out << "VEXA não localizada." << Qt::endl;
            return 2;
        }
        row = opened.row;
        row.C51 = args[4].toDouble();
    } else if (args[1] == QLatin1String("new")) {
        row = decl::prepareNewDeclaration({ie, ano, mes, QStringLiteral("00")});
        isNew = true;
    } else {
        out << "comando desconhecido: " << args[1] << Qt::endl;
        return 2;
    }
    const decl::SaveResult saved = decl::postDeclaration(row, isNew);
    if (saved.saved) {
        out << "gravada" << Qt::endl;
        return 0;
    }
    if (!saved.check.ok()) {
        out << saved.check.message << Qt::endl;
        return 1;
    }
    out << saved.error << Qt::endl;
    return saved.changedElsewhere ? 1 : 2;
}

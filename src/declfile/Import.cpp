// The run over an accounting-system file: its lines are visited from the
// first; an A line starts a declaration, whose records are read up to its Z
// record (or the end of the file); the declaration is then imported or
// refused, each in its own transaction, and the response receives its lines.

#include "declfile/Import.h"

#include "declfile/ImportState.h"

#include "storage/Portable.h"

#include <QFile>
#include <QSqlError>

namespace vexa::declfile {

using namespace import;

namespace {

// The header of a declaration's response: IE, taxpayer and period.
QString headerLine(const Declaration& d) {
    return kCRLF + QStringLiteral("Inscrição Estadual: ") + formattedIE(d.header.ie) + kCRLF +
           QStringLiteral("Razão Social: ") + d.razaoSocial + kCRLF + QStringLiteral("Período de Referência: ") +
           d.header.mes + QLatin1Char('/') + d.header.ano;
}

class ImportRun {
public:
    ImportRun(QIODevice& device, Prompter& prompter, const ImportObserver& observer, const ImportOptions& options)
        : device_(device), reader_(device), run_(prompter), observer_(observer), options_(options) {}

    ImportResult go();

private:
    enum class Outcome { Next, Stop };

    // One declaration from its A line; `line` ends as the last line read.
    Outcome declaration(AccountLine& line);
    void finish(QStringList lines);
    // Tells the observer; false when it asks to stop.
    bool report(const QStringList& lines);
    void fail(const AccountLine& line, const QString& reason);

    QIODevice& device_;
    AccountFileReader reader_;
    Run run_;
    const ImportObserver& observer_;
    const ImportOptions& options_;
    ImportResult result_;
    int declarations_ = 0;
};

ImportResult ImportRun::go() {
    AccountLine line;
    if (!reader_.next(line)) {
        if (!reader_.error().isEmpty()) {
            result_.end = ImportEnd::Failed;
            result_.failure = QStringLiteral("Não foi possível ler o arquivo: ") + reader_.error();
            report({});
            return result_;
        }
        result_.end = ImportEnd::FileRefused;
        finish({kEmptyFileMessage});
        return result_;
    }
    if (line.segment() != QLatin1Char('A')) {
        result_.end = ImportEnd::FileRefused;
        finish({kNotAFileMessage});
        return result_;
    }
    for (;;) {
        if (line.segment() == QLatin1Char('A')) {
            if (declaration(line) == Outcome::Stop) return result_;
        }
        // Lines outside a declaration are skipped.
        if (!reader_.next(line)) break;
    }
    if (!reader_.error().isEmpty()) {
        result_.end = ImportEnd::Failed;
        result_.failure = QStringLiteral("Não foi possível ler o arquivo: ") + reader_.error();
    }
    return result_;
}

ImportRun::Outcome ImportRun::declaration(AccountLine& line) {
    Declaration& d = run_.d;
    run_.staged.clear();
    try {
        readSegmentA(run_, line);
        bool endsWithZ = false;
        if (d.result.isEmpty()) {
            while (reader_.next(line)) {
                ++d.lines;
                const QChar s = line.segment();
                if (s >= QLatin1Char('B') && s <= QLatin1Char('S')) d.result.add(readSegment(run_, line));
                if (s == QLatin1Char('Z')) {
                    endsWithZ = true;
                    break;
                }
            }
            if (!reader_.error().isEmpty())
                throw ImportHalt(QStringLiteral("não foi possível ler o arquivo: ") + reader_.error());
        }
        if (d.changesDomicile && d.countA != d.countB)
            d.result.add(QStringLiteral(" Verifique a consistência do domicílio fiscal."));
        if (endsWithZ && integerOf(line.field(21, 3), QStringLiteral("Z5")) != d.lines)
            d.result.add(QStringLiteral(" Segmento Z - Total de Registros da declaração informado (Z5), não confere com "
                                        "o existente na declaração. "));
        if (d.result.isEmpty() && d.stored) finalAdjustments(run_);

        if (endsWithZ && d.result.isEmpty()) {
            run_.begin();
            QString why;
            // The closing update goes with the staged rows (one round trip on a server).
            storage::StagedRows::Then imported = importedMark(run_);
            if (!run_.staged.flush(&why, &imported))
                throw ImportHalt(storage::connectionWasLost() ? storage::connectionLostMessage() : why);
            if (!imported.sent) run_.sql.write(imported.statement, imported.values);
            if (!run_.transaction->commit()) throw ImportHalt(storage::db().lastError().text());
            run_.transaction.reset();
            ++result_.imported;
            finish({headerLine(d) + QStringLiteral(" Importada com sucesso.")});
        } else if (d.alreadyImported) {
            run_.transaction.reset();
            ++result_.alreadyImported;
            finish({d.result.text()});
        } else {
            // Refused: everything the declaration wrote goes back.
            run_.transaction.reset();
            ++result_.refused;
            finish({headerLine(d), d.result.text()});
        }
    } catch (const ImportOldPeriod&) {
        run_.transaction.reset();
        result_.end = ImportEnd::OldPeriod;
        report({});
        return Outcome::Stop;
    } catch (const ImportHalt& halt) {
        run_.transaction.reset();
        fail(line, halt.message());
        return Outcome::Stop;
    }
    if (result_.end == ImportEnd::Cancelled) {
        // Cancelled after the last declaration: nothing was left out.
        AccountLine rest;
        if (!reader_.next(rest)) result_.end = ImportEnd::Finished;
        return Outcome::Stop;
    }
    return Outcome::Next;
}

void ImportRun::finish(QStringList lines) {
    ++declarations_;
    if (options_.keepResponse) result_.response += lines;
    if (!report(lines) && result_.end == ImportEnd::Finished) result_.end = ImportEnd::Cancelled;
}

bool ImportRun::report(const QStringList& lines) {
    if (!observer_) return true;
    ImportProgress p;
    p.bytesRead = reader_.bytesRead();
    p.bytesTotal = device_.isSequential() ? 0 : device_.size();
    p.declarations = declarations_;
    p.newLines = lines;
    return observer_(p);
}

void ImportRun::fail(const AccountLine& line, const QString& reason) {
    const Declaration& d = run_.d;
    result_.end = ImportEnd::Failed;
    result_.failure = QStringLiteral("Importação interrompida na ") + lineCite(line) + QStringLiteral(": ") + reason +
                      QStringLiteral(" A declaração ") + d.header.mes + QLatin1Char('/') + d.header.ano +
                      QStringLiteral(" da Inscrição Estadual ") + formattedIE(d.header.ie) +
                      QStringLiteral(" não foi gravada.");
    report({});
}

} // namespace

ImportResult importAccountFile(QIODevice& device, Prompter& prompter, const ImportObserver& observer,
                               const ImportOptions& options) {
    return ImportRun(device, prompter, observer, options).go();
}

ImportResult importAccountFile(const QString& path, Prompter& prompter, const ImportObserver& observer,
                               const ImportOptions& options) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ImportResult result;
        result.end = ImportEnd::Failed;
        result.failure = QStringLiteral("Não foi possível abrir o arquivo \"") + path + QStringLiteral("\": ") +
                         file.errorString();
        return result;
    }
    return importAccountFile(file, prompter, observer, options);
}

} // namespace vexa::declfile

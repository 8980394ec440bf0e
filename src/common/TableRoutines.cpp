#include "common/TableRoutines.h"

namespace vexa {

namespace {

// Shows the wait state for the life of the guard, also when a failure ends the work early.
class BusyGuard {
public:
    explicit BusyGuard(const BusyCallback& busy) : busy_(busy) {
        if (busy_) busy_(true);
    }
    ~BusyGuard() {
        if (busy_) busy_(false);
    }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

private:
    const BusyCallback& busy_;
};

QString loadOf(const Dataset& d) { return d.load ? d.load() : QString(); }

bool openOne(const Dataset& d, Prompter& prompter) {
    const QString why = loadOf(d);
    if (why.isEmpty()) return true;
    prompter.error(QStringLiteral("Ocorreu um erro ao abrir a tabela ") + d.name + QLatin1Char('\n') + why);
    return false;
}

} // namespace

bool OpenTable(const Dataset& dataset, Prompter& prompter, const BusyCallback& busy) {
    BusyGuard guard(busy);
    return openOne(dataset, prompter);
}

bool OpenAllTables(const QList<Dataset>& datasets, Prompter& prompter, const BusyCallback& busy) {
    BusyGuard guard(busy);
    for (const Dataset& d : datasets)
        if (!openOne(d, prompter)) return false;
    return true;
}

bool RefreshAllTables(const QList<Dataset>& datasets, Prompter& prompter, const BusyCallback& busy) {
    BusyGuard guard(busy);
    for (const Dataset& d : datasets) {
        if (d.isOpen && !d.isOpen()) continue;
        const QString why = loadOf(d);
        if (!why.isEmpty()) {
            prompter.error(QStringLiteral("Ocorreu um erro ao Atualizar a tabela ") + d.name + QLatin1Char('\n') + why);
            return false;
        }
    }
    return true;
}

} // namespace vexa

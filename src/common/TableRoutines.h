#pragma once
// Opening and refreshing a screen's tables and queries, reporting the first
// failure in an error box and going on. A dataset is a name and the routine
// that (re)loads it; the screen supplies both, so this stays free of widgets.

#include "common/Prompter.h"

#include <QList>
#include <QString>
#include <functional>

namespace vexa {

struct Dataset {
    QString name;                         // shown in the message, e.g. "TblContribuintes"
    std::function<QString()> load;        // (re)opens or refreshes; answers the engine's message, empty when fine
    std::function<bool()> isOpen = {};    // unset: counts as open
};

// Called with true before the work and false after it, also after a failure
// (the screen shows and restores the wait cursor).
using BusyCallback = std::function<void(bool busy)>;

// Refreshes the dataset when open, opens it when closed. On failure shows
// "Ocorreu um erro ao abrir a tabela " + name + line break + engine message.
// Answers whether it succeeded.
bool OpenTable(const Dataset& dataset, Prompter& prompter, const BusyCallback& busy = {});

// OpenTable for every dataset in order; the first failure is shown and stops the loop.
bool OpenAllTables(const QList<Dataset>& datasets, Prompter& prompter, const BusyCallback& busy = {});

// Refreshes every open dataset in order; the first failure shows
// "Ocorreu um erro ao Atualizar a tabela " + name + line break + engine message
// and stops the loop.
bool RefreshAllTables(const QList<Dataset>& datasets, Prompter& prompter, const BusyCallback& busy = {});

} // namespace vexa

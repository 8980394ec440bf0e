#pragma once
// Small pieces the batch commands share: the refusal and usage lines, the
// options as typed (the IE without its punctuation, the reference period), the
// messages the core showed through the prompter, and the JSON and labelled
// lines of a "show".

#include "app/cli/Cli.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class QJsonObject;

namespace vexa::cli {

// The message on standard error; exit Refused.
int refuse(Context& ctx, const QString& message);
// The engine's or the file's error on standard error; exit Failed.
int fail(Context& ctx, const QString& error);
// "uso: vexa-cli <syntax>" on standard error; exit Failed.
int usage(Context& ctx, const char* syntax);

// Whatever the command did not take: printed as unknown, true; false when nothing is left.
bool unknownArguments(Context& ctx, const QStringList& args);
// Whether the option is given at all (an empty value included), as "--name value" or "--name=value".
bool hasOption(const QStringList& args, const QString& name);

// The IE as the masked edit holds it: its punctuation left out.
QString typedIE(const QString& given);
// "MMYYYY" with a month 01..12.
bool validPeriod(const QString& mmyyyy);
// Refuses a period that is not MMAAAA.
int badPeriod(Context& ctx, const QString& period);

// How many messages the prompter has shown so far (0 when it keeps none).
qsizetype promptCount(Context& ctx);
// The messages the core showed through the prompter since `from`: warnings as
// they are, questions with the answer given.
void printPrompts(Context& ctx, qsizetype from);

// DD/MM/YYYY, or empty for no date.
QString dateOrEmpty(const QDate& d);

// The object, indented, on standard output.
void printJsonObject(Context& ctx, const QJsonObject& o);
// "label: value" lines on standard output.
void printLabelled(Context& ctx, const QList<std::pair<const char*, QString>>& lines);

// At most three observation lines (--obs) on a slip.
inline const QString kTooManyObs = QStringLiteral("Informe no máximo três linhas de observações (--obs).");
// The --obs lines given, in the slip's Obs1..Obs3; none given keeps the slip's own.
template <class Slip>
void setObservations(Slip& slip, const QStringList& obs) {
    if (obs.isEmpty()) return;
    slip.Obs1 = obs.value(0);
    slip.Obs2 = obs.value(1);
    slip.Obs3 = obs.value(2);
}

// Runs a delete that may ask through the prompter, prints what it asked and
// turns its outcome into the exit status: Deleted done, NotConfirmed refused,
// NotFound refused with `notFound`, Failed with the error.
template <class Outcome, class Delete>
int deleteAndReport(Context& ctx, Delete del, const QString& notFound) {
    const qsizetype before = promptCount(ctx);
    QString error;
    const Outcome outcome = del(ctx.prompter, &error);
    printPrompts(ctx, before);
    switch (outcome) {
    case Outcome::Deleted: return Done;
    case Outcome::NotConfirmed: return Refused;
    case Outcome::NotFound: return refuse(ctx, notFound);
    case Outcome::Failed: break;
    }
    return fail(ctx, error);
}

} // namespace vexa::cli

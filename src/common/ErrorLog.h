#pragma once
// The error log: one line per error that no screen handled, appended to
// Log.txt in the program folder, and the one handler those errors reach.
//
// Line format (code page 1252, CR LF): "dd/mm/yyyy hh:mm:ss";"message";"screen"
// The message is written as it is (quotes not doubled, line breaks kept); the
// third field is empty when no screen was active.

#include "common/ProgramFolder.h"
#include "common/Prompter.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace vexa {

inline const QString kLogFileName = QStringLiteral("Log.txt");

// The line for one error, without its CR LF.
QString errorLogLine(const QDateTime& at, const QString& message, const QString& screenName);

// Appends the line, stamped with Clock::instance().now(), to folder/Log.txt.
// The existing log is kept whole: the new file is written beside it and then
// takes its place, so a failure leaves the old log untouched. False (and
// *error) when the log cannot be read or written.
bool appendErrorLog(const ProgramFolder& folder, const QString& message, const QString& screenName,
                    QString* error = nullptr);

// An unhandled error: log it, then show its message in an error box.
void handleUnhandledError(const ProgramFolder& folder, const QString& message,
                          const QString& screenName, Prompter& prompter);

// The application-wide handler, installed first thing at start-up. Core code
// that meets an error no caller can handle (a refused statement, say) reports
// it here. Without a handler the message goes to qWarning.
using UnhandledErrorHandler = std::function<void(const QString& message)>;
void setUnhandledErrorHandler(UnhandledErrorHandler handler);
void reportUnhandledError(const QString& message);

} // namespace vexa

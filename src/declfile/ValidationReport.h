#pragma once
// The validation report: the HTML page "vexacriticas.err" written to the
// program folder in code page 1252, one line per piece, each followed by CR LF.
// A page head opens every taxpayer block; the message rows alternate their
// colour. When errors exist the error report is shown (no file is written);
// otherwise the alert report, with the question "Deseja continuar?".

#include "declfile/Validation.h"

#include <QString>
#include <QStringList>

namespace vexa::declfile {

enum class ReportKind { Errors, Alerts };

// The page head: one line of the list, carriage returns inside.
QString reportPageHead();
// The report's last line, added when it is shown.
QString reportClosingLine();

// The lines of the report of that kind, the closing line included.
QStringList reportLines(const ValidationResult& result, ReportKind kind);
// The report to show: the error report when there are errors, else the alert report.
QStringList reportLines(const ValidationResult& result);

// The bytes of the page: each line in code page 1252 followed by CR LF.
QByteArray reportBytes(const QStringList& lines);
// Writes the page to path, replacing it in one piece. False with a message.
bool writeReportFile(const QString& path, const QStringList& lines, QString* error);

// A stored value (a name, a TARE number, a description) as text of the page:
// the characters that HTML reads as markup become entities, and those that
// code page 1252 has no byte for become numeric character references, so the
// page shows the value as it is stored.
QString htmlValue(const QString& value);

// A message of the page as plain text (entities decoded, CR as a line break),
// for the batch program's output.
QString messagePlainText(const QString& html);

} // namespace vexa::declfile

#pragma once
// Small helpers the declaration's statements share: statements prepared on
// the "Vexa" connection with bound values, empty text and dates stored as
// null, and one place every write runs through (so that a test can make a
// step of a multi-statement change fail).

#include "storage/Database.h"

#include <QDate>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <QVariantList>

namespace vexa::decl::sql {

// Prepares the statement and binds the values in order (positional "?").
bool prepare(QSqlQuery& query, const QString& statement, const QVariantList& values, QString* error);
// Runs a prepared statement (through the test runner when one is set).
bool exec(QSqlQuery& query, QString* error);
// Prepare, bind and run.
bool run(QSqlQuery& query, const QString& statement, const QVariantList& values, QString* error);
// Prepare, bind and run a read whose failure no caller can handle: the error
// goes to the application-wide handler and the caller sees "nothing found".
bool read(QSqlQuery& query, const QString& statement, const QVariantList& values);

QVariant text(const QString& value);   // empty -> null
QString text(const QVariant& value);   // null -> empty
QVariant date(const QDate& value);     // invalid -> null, else "yyyy-MM-dd"
QDate date(const QVariant& value);     // null or unreadable -> invalid
double real(const QVariant& value);    // null or unreadable -> 0
qint64 integer(const QVariant& value); // null or unreadable -> 0
bool flag(const QVariant& value);      // null and 0 are false

// The writes of one save, delete or alignment as one unit: a savepoint, which
// nests inside a transaction the caller has open (a rectification or an import
// that runs these as part of its own work) and starts one of its own
// otherwise. Undone unless released.
class WriteUnit {
public:
    explicit WriteUnit(const QString& name);
    ~WriteUnit();
    WriteUnit(const WriteUnit&) = delete;
    WriteUnit& operator=(const WriteUnit&) = delete;

    bool started() const { return unit_.started(); }
    const QString& error() const { return error_; }
    // Keeps the writes (commits them when the unit started the transaction).
    bool release(QString* error);
    // Undoes the writes now.
    void rollback();

private:
    storage::Transaction unit_;
    QString error_;
};

} // namespace vexa::decl::sql

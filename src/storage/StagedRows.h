#pragma once
// The rows a long unit adds to a set of tables — checked for repeats as they
// come, written together at its end. On SQLite the rows go straight into the
// database. On a server every statement is a round trip over the network: the
// rows first go into a scratch SQLite database in memory, where the checks
// read them with the same statements and the same results, and flush() sends
// them in one statement, each table's column as one array value. An import of
// an accounting-system declaration of forty records so costs the server one
// statement instead of eighty.

#include <QHash>
#include <QSqlQuery>
#include <memory>
#include <vector>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace vexa::storage {

class StagedRows {
public:
    // The tables whose rows are staged (names as in the schema, any case).
    explicit StagedRows(QStringList tables);
    ~StagedRows();
    StagedRows(const StagedRows&) = delete;
    StagedRows& operator=(const StagedRows&) = delete;

    // The connection on which the checks (SELECT count(*) ...) and the
    // INSERTs of those tables run: the database itself, or the scratch one.
    QSqlDatabase connection();
    // A write that follows the staged rows (the unit's closing update, `?`
    // marks). On a server it goes in the same statement as the rows, one
    // round trip for both; sent tells whether it went, else the caller runs it.
    struct Then {
        QString statement;
        QVariantList values;
        bool sent = false;
    };
    // Writes the staged rows into the database (inside the caller's
    // transaction, in the order they were added) and forgets them.
    bool flush(QString* error, Then* then = nullptr);
    // Forgets the staged rows (the unit was refused or failed).
    void clear();

private:
    struct Table;
    bool openScratch(QString* error);
    // Sends the staged rows; *withRows gets the tables that held some (bit i: table i).
    bool flushToServer(quint64* withRows, Then* then, QString* error);
    // Empties the tables of the bits given.
    void wipe(quint64 tables);

    QStringList tables_;
    // The scratch database's statements, prepared once (an import flushes once per declaration).
    std::vector<std::unique_ptr<Table>> scratchTables_;
    // The flush's statement for each set of tables with rows (bit i: table i)
    // and closing write (empty when none).
    QHash<std::pair<quint64, QString>, QByteArray> statements_;
    QString scratchName_;
    bool scratch_ = false;
    bool dirty_ = false;
    QString scratchError_;
};

} // namespace vexa::storage

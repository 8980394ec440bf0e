#pragma once
// Office mode: a program folder whose tables live on a PostgreSQL server.
// The connection file DB/conexao.ini names the server, the port, the
// database and the user, in section [PostgreSQL]:
//
//     [PostgreSQL]
//     host=servidor.escritorio.local
//     port=5432
//     database=vexa
//     user=vexa
//     sslmode=prefer          (optional; also connect_timeout, sslrootcert, ...)
//
// The password is never in that file: PostgreSQL's own password file gives it
// (~/.pgpass of the user, or the file named by PGPASSFILE). Both programs,
// the desktop and vexa-cli, read the same file.

#include "common/ProgramFolder.h"

#include <QMap>
#include <QSqlDatabase>
#include <QString>

namespace vexa::storage {

struct ServerSettings {
    QString host;       // name, address, or the folder of a Unix socket
    QString port;       // empty: 5432
    QString database;
    QString user;       // empty: the user of the operating system
    QMap<QString, QString> options;   // further libpq keywords: sslmode, connect_timeout, ...

    // "servidor H, porta P, banco D, usuário U", for messages.
    QString describe() const;
    bool operator==(const ServerSettings&) const = default;
};

// "host=H port=P dbname=D user=U sslmode=..." (libpq's keyword=value form,
// values in single quotes when they hold blanks) or
// "postgresql://U@H:P/D?sslmode=...". A password, an unknown keyword, a
// missing database name or a port that is no number is refused with the
// reason in *error.
bool parseConnectionText(const QString& text, ServerSettings* settings, QString* error);

// DB/conexao.ini of the folder.
QString connectionFilePath(const ProgramFolder& folder);
bool hasConnectionFile(const ProgramFolder& folder);
// Reads and checks the connection file; a broken file is refused with a message naming it.
bool readConnectionFile(const ProgramFolder& folder, ServerSettings* settings, QString* error);
// Writes the connection file through a temporary file (never half-written).
bool writeConnectionFile(const ProgramFolder& folder, const ServerSettings& settings, QString* error);

// Opens a connection to the server database under the connection name. When
// requireTables, a database without the program's tables (empty, or of another
// program) is refused. Messages name what failed: the server, the port, the
// database or the user and its password.
bool openServerConnection(const ServerSettings& settings, const QString& connectionName, bool requireTables,
                          QString* error);

} // namespace vexa::storage

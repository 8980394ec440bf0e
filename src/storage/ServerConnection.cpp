#include "storage/ServerConnection.h"

#include "storage/Engine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>


namespace vexa::storage {

namespace {

const QString kSection = QStringLiteral("PostgreSQL");

// libpq keywords a connection may carry besides host, port, database and user.
const QStringList& optionKeys() {
    static const QStringList keys = {
        QStringLiteral("hostaddr"),       QStringLiteral("sslmode"),           QStringLiteral("sslrootcert"),
        QStringLiteral("sslcert"),        QStringLiteral("sslkey"),            QStringLiteral("sslcrl"),
        QStringLiteral("connect_timeout"), QStringLiteral("keepalives"),       QStringLiteral("keepalives_idle"),
        QStringLiteral("keepalives_interval"), QStringLiteral("keepalives_count"),
        QStringLiteral("target_session_attrs"), QStringLiteral("passfile"), QStringLiteral("application_name")};
    return keys;
}

const QString kNoPassword =
    QStringLiteral("A senha do banco de dados não pode constar da conexão: ela vem do arquivo de senhas do "
                   "PostgreSQL (~/.pgpass do usuário, ou o arquivo indicado por PGPASSFILE).");

// Sets one keyword's value; false (with the reason) for a keyword or value
// that cannot be used.
bool setKeyword(ServerSettings* s, const QString& rawKey, const QString& value, QString* error) {
    const QString key = rawKey.trimmed().toLower();
    if (key == QLatin1String("password")) {
        *error = kNoPassword;
        return false;
    }
    if (key == QLatin1String("host")) s->host = value;
    else if (key == QLatin1String("port")) s->port = value;
    else if (key == QLatin1String("dbname") || key == QLatin1String("database")) s->database = value;
    else if (key == QLatin1String("user")) s->user = value;
    else if (optionKeys().contains(key)) {
        // The driver passes these on as they stand: no blanks, quotes or ';'.
        static const QRegularExpression plain(QStringLiteral("^[^\\s;'\"\\\\]+$"));
        if (!plain.match(value).hasMatch()) {
            *error = QStringLiteral("Valor inválido para \"%1\" na conexão.").arg(key);
            return false;
        }
        s->options.insert(key, value);
    } else {
        *error = QStringLiteral("Parâmetro de conexão desconhecido: \"%1\".").arg(rawKey.trimmed());
        return false;
    }
    return true;
}

bool checkSettings(const ServerSettings& s, QString* error) {
    if (s.database.trimmed().isEmpty()) {
        *error = QStringLiteral("A conexão não informa o banco de dados (dbname).");
        return false;
    }
    if (!s.port.isEmpty()) {
        bool ok = false;
        const int p = s.port.toInt(&ok);
        if (!ok || p < 1 || p > 65535) {
            *error = QStringLiteral("Porta inválida na conexão: \"%1\".").arg(s.port);
            return false;
        }
    }
    return true;
}

bool parseUri(const QString& text, ServerSettings* s, QString* error) {
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid()) {
        *error = QStringLiteral("Conexão inválida: %1").arg(url.errorString());
        return false;
    }
    if (!url.password().isEmpty()) {
        *error = kNoPassword;
        return false;
    }
    s->host = url.host();
    if (url.port() > 0) s->port = QString::number(url.port());
    s->user = url.userName();
    s->database = url.path().mid(1);
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        if (!setKeyword(s, key, value, error)) return false;
    return true;
}

// The value of "key=value" starting at i: in single quotes or up to the next
// blank, a backslash taking the next character as it is.
bool readValue(const QString& text, qsizetype& i, QString* value) {
    value->clear();
    const bool quoted = i < text.size() && text[i] == QLatin1Char('\'');
    if (quoted) ++i;
    while (i < text.size()) {
        const QChar c = text[i];
        if (quoted && c == QLatin1Char('\'')) {
            ++i;
            return true;
        }
        if (!quoted && c.isSpace()) return true;
        if (c == QLatin1Char('\\')) {
            if (++i >= text.size()) return false;
        }
        *value += text[i++];
    }
    return !quoted;
}

} // namespace

QString ServerSettings::describe() const {
    return QStringLiteral("servidor %1, porta %2, banco %3, usuário %4")
        .arg(host.isEmpty() ? QStringLiteral("local") : host, port.isEmpty() ? QStringLiteral("5432") : port,
             database, user.isEmpty() ? QStringLiteral("(o do sistema)") : user);
}

bool parseConnectionText(const QString& text, ServerSettings* settings, QString* error) {
    ServerSettings s;
    QString why;
    const QString t = text.trimmed();
    bool ok = true;
    if (t.startsWith(QLatin1String("postgresql://")) || t.startsWith(QLatin1String("postgres://"))) {
        ok = parseUri(t, &s, &why);
    } else {
        qsizetype i = 0;
        while (ok) {
            while (i < t.size() && t[i].isSpace()) ++i;
            if (i >= t.size()) break;
            const qsizetype keyStart = i;
            while (i < t.size() && (t[i].isLetterOrNumber() || t[i] == QLatin1Char('_'))) ++i;
            const QString key = t.mid(keyStart, i - keyStart);
            while (i < t.size() && t[i].isSpace()) ++i;
            if (key.isEmpty() || i >= t.size() || t[i] != QLatin1Char('=')) {
                why = QStringLiteral("Conexão inválida perto de \"%1\": use palavra=valor, como em "
                                     "\"host=servidor dbname=vexa user=vexa\".")
                          .arg(t.mid(keyStart, 20));
                ok = false;
                break;
            }
            ++i;
            while (i < t.size() && t[i].isSpace()) ++i;
            QString value;
            if (!readValue(t, i, &value)) {
                why = QStringLiteral("Conexão inválida: valor de \"%1\" sem a aspa que o fecha.").arg(key);
                ok = false;
                break;
            }
            ok = setKeyword(&s, key, value, &why);
        }
    }
    if (ok) ok = checkSettings(s, &why);
    if (!ok) {
        if (error) *error = why;
        return false;
    }
    *settings = s;
    return true;
}

QString connectionFilePath(const ProgramFolder& folder) { return folder.dbDir() + QStringLiteral("conexao.ini"); }

bool hasConnectionFile(const ProgramFolder& folder) { return QFileInfo::exists(connectionFilePath(folder)); }

namespace {

// A value as the file keeps it: in double quotes when blanks around it, a
// quote or a comment sign would otherwise change it.
QString iniValue(const QString& value) {
    const bool plain = value.trimmed() == value && !value.contains(QLatin1Char('"')) &&
                       !value.startsWith(QLatin1Char(';')) && !value.startsWith(QLatin1Char('#'));
    if (plain) return value;
    QString v = value;
    v.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + v + QLatin1Char('"');
}

QString fromIniValue(const QString& raw) {
    if (raw.size() < 2 || !raw.startsWith(QLatin1Char('"')) || !raw.endsWith(QLatin1Char('"'))) return raw;
    QString out;
    for (qsizetype i = 1; i + 1 < raw.size(); ++i) {
        if (raw[i] == QLatin1Char('\\') && i + 2 < raw.size()) ++i;
        out += raw[i];
    }
    return out;
}

} // namespace

bool readConnectionFile(const ProgramFolder& folder, ServerSettings* settings, QString* error) {
    const QString path = connectionFilePath(folder);
    auto fail = [&](const QString& why) {
        if (error) *error = QStringLiteral("Arquivo de conexão %1: %2").arg(path, why);
        return false;
    };
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable()) return fail(QStringLiteral("não pode ser lido."));
    if (info.size() > 64 * 1024) return fail(QStringLiteral("não é um arquivo de conexão."));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return fail(QStringLiteral("não pode ser lido."));
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || text.contains(QChar(0))) return fail(QStringLiteral("não é um arquivo de conexão."));

    // [PostgreSQL] and its key=value lines; other sections, blank lines and
    // comments (; or #) are passed over.
    ServerSettings s;
    QString why;
    bool inSection = false;
    bool sectionSeen = false;
    int number = 0;
    for (const QString& rawLine : text.split(QLatin1Char('\n'))) {
        ++number;
        const QString line = rawLine.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#'))) continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(kSection, Qt::CaseInsensitive) == 0;
            sectionSeen = sectionSeen || inSection;
            continue;
        }
        if (!inSection) continue;
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) return fail(QStringLiteral("linha %1 não é chave=valor.").arg(number));
        if (!setKeyword(&s, line.left(eq).trimmed(), fromIniValue(line.mid(eq + 1).trimmed()), &why)) return fail(why);
    }
    if (!sectionSeen) return fail(QStringLiteral("falta a seção [%1].").arg(kSection));
    if (!checkSettings(s, &why)) return fail(why);
    *settings = s;
    return true;
}

bool writeConnectionFile(const ProgramFolder& folder, const ServerSettings& settings, QString* error) {
    const QString path = connectionFilePath(folder);
    QDir().mkpath(folder.dbDir());
    QString text = QLatin1Char('[') + kSection + QStringLiteral("]\n");
    auto line = [&](const QString& key, const QString& value) {
        if (!value.isEmpty()) text += key + QLatin1Char('=') + iniValue(value) + QLatin1Char('\n');
    };
    line(QStringLiteral("host"), settings.host);
    line(QStringLiteral("port"), settings.port);
    line(QStringLiteral("database"), settings.database);
    line(QStringLiteral("user"), settings.user);
    for (auto it = settings.options.constBegin(); it != settings.options.constEnd(); ++it) line(it.key(), it.value());
    // Never half-written: a temporary file that takes the name when complete.
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error) *error = QStringLiteral("Não foi possível gravar %1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

namespace {

// What the driver's message says failed, in the user's words.
QString failureReason(const ServerSettings& s, const QString& driverText) {
    const QString t = driverText.toLower();
    if (t.contains(QLatin1String("password authentication failed")) || t.contains(QLatin1String("no password supplied")) ||
        t.contains(QLatin1String("authentication failed")))
        return QStringLiteral("o servidor recusou o usuário %1 ou a sua senha (a senha vem de ~/.pgpass ou de "
                              "PGPASSFILE)")
            .arg(s.user.isEmpty() ? QStringLiteral("do sistema") : s.user);
    if (t.contains(QLatin1String("database")) && t.contains(QLatin1String("does not exist")))
        return QStringLiteral("o banco de dados %1 não existe no servidor").arg(s.database);
    if (t.contains(QLatin1String("role")) && t.contains(QLatin1String("does not exist")))
        return QStringLiteral("o usuário %1 não existe no servidor").arg(s.user);
    if (t.contains(QLatin1String("could not translate host name")) || t.contains(QLatin1String("name or service not known")))
        return QStringLiteral("o servidor %1 não foi encontrado").arg(s.host);
    if (t.contains(QLatin1String("connection refused")) || t.contains(QLatin1String("no such file or directory")) ||
        t.contains(QLatin1String("timeout expired")) || t.contains(QLatin1String("could not connect")) ||
        t.contains(QLatin1String("server closed the connection")))
        return QStringLiteral("o servidor não responde em %1, porta %2 (está desligado, ou o endereço ou a porta "
                              "estão errados?)")
            .arg(s.host.isEmpty() ? QStringLiteral("local") : s.host, s.port.isEmpty() ? QStringLiteral("5432") : s.port);
    return QStringLiteral("o servidor recusou a conexão");
}

} // namespace

bool openServerConnection(const ServerSettings& settings, const QString& connectionName, bool requireTables,
                          QString* error) {
    auto drop = [&] {
        if (QSqlDatabase::contains(connectionName)) {
            {
                QSqlDatabase db = QSqlDatabase::database(connectionName, false);
                if (db.isOpen()) db.close();
            }
            QSqlDatabase::removeDatabase(connectionName);
        }
    };
    drop();
    auto fail = [&](const QString& why) {
        drop();
        if (error) *error = why;
        return false;
    };
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL")))
        return fail(QStringLiteral("O acesso ao PostgreSQL não está instalado (driver QPSQL do Qt, pacote "
                                   "libqt6sql6-psql)."));
    const QString where = QStringLiteral("Não foi possível conectar ao banco de dados PostgreSQL (%1)").arg(settings.describe());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
        db.setHostName(settings.host);
        if (!settings.port.isEmpty()) db.setPort(settings.port.toInt());
        db.setDatabaseName(settings.database);
        db.setUserName(settings.user);
        QMap<QString, QString> options = settings.options;
        // A wrong address must not leave the program waiting for ever.
        if (!options.contains(QStringLiteral("connect_timeout"))) options.insert(QStringLiteral("connect_timeout"), QStringLiteral("10"));
        if (!options.contains(QStringLiteral("application_name")))
            options.insert(QStringLiteral("application_name"), QStringLiteral("vexa"));
        QStringList list;
        for (auto it = options.constBegin(); it != options.constEnd(); ++it) list << it.key() + QLatin1Char('=') + it.value();
        db.setConnectOptions(list.join(QLatin1Char(';')));
        if (!db.open()) {
            const QString driverText = db.lastError().text().trimmed();
            db = QSqlDatabase();
            return fail(QStringLiteral("%1: %2. (%3)").arg(where, failureReason(settings, driverText), driverText));
        }
        QSqlQuery q(db);
        // Warnings of the server (a NOTICE for IF EXISTS, say) stay on the server.
        q.exec(QStringLiteral("SET client_min_messages = warning"));
        if (requireTables && realTableName(db, QStringLiteral("Vexas")).isEmpty()) {
            q = QSqlQuery();
            db = QSqlDatabase();
            return fail(QStringLiteral("O banco de dados %1 do servidor (%2) não é um banco de dados do VEXA "
                                       "Eletrônica: ele não tem as tabelas do programa (vexa-cli init --postgres "
                                       "as cria).")
                            .arg(settings.database, settings.describe()));
        }
    }
    return true;
}

} // namespace vexa::storage

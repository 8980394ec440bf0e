#include "declfile/ParadoxTable.h"

#include "common/Cp1252.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QStringDecoder>
#include <cmath>
#include <limits>

namespace vexa::declfile::paradox {

namespace {

// Paradox counts days from 01/01/0001 as day 1; the Julian day of that date is 1721426.
constexpr qint64 kJulianOffset = 1721425;
constexpr qint64 kMsPerDay = 86400000;

// A line longer than this is not one the reader writes.
constexpr qsizetype kLongestLine = 64 * 1024 * 1024;
constexpr int kMostFields = 1024;

const QString kJunk = QStringLiteral("a resposta do leitor de tabelas é inválida");

enum class Token { Integer, Real, Text, Unread };

Token tokenOf(int type) {
    switch (type) {
    case Alpha:
    case Bcd: return Token::Text;
    case Short:
    case Long:
    case AutoInc:
    case Date:
    case Time:
    case Logical: return Token::Integer;
    case Number:
    case Currency:
    case Timestamp: return Token::Real;
    default: return Token::Unread;
    }
}

bool parseInt(QByteArrayView text, qint64 min, qint64 max, qint64* value) {
    if (text.isEmpty() || text.size() > 20) return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (!((c >= '0' && c <= '9') || (i == 0 && c == '-' && text.size() > 1))) return false;
    }
    bool ok = false;
    const qint64 v = text.toLongLong(&ok);
    if (!ok || v < min || v > max) return false;
    *value = v;
    return true;
}

bool parseHex(QByteArrayView hex, QByteArray* bytes) {
    if (hex.size() % 2 != 0) return false;
    for (const char c : hex)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'))) return false;
    *bytes = QByteArray::fromHex(hex.toByteArray());
    return true;
}

bool decodeUtf8(const QByteArray& bytes, QString* text) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    *text = utf8.decode(bytes);
    return !utf8.hasError();
}

// The checked reading of the reader's output, line by line.
class OutputParser {
public:
    OutputParser(const FieldsHandler& fields, const RowHandler& row) : fieldsHandler_(fields), rowHandler_(row) {}

    // One line without its '\n'. False with *error when it is not the expected one
    // or a handler stopped the reading.
    bool line(QByteArrayView text, QString* error) {
        ++lineNumber_;
        switch (stage_) {
        case Stage::Magic:
            if (text != "PXDUMP 1") return junk(error);
            stage_ = Stage::Table;
            return true;
        case Stage::Table: return table(text, error);
        case Stage::Fields: return field(text, error);
        case Stage::Rows:
            if (text.startsWith("ROW")) return row(text, error);
            if (text.startsWith("END ")) return end(text, error);
            return junk(error);
        case Stage::Done: return junk(error);
        }
        return junk(error);
    }

    bool finished() const { return stage_ == Stage::Done; }

private:
    enum class Stage { Magic, Table, Fields, Rows, Done };

    bool junk(QString* error) {
        *error = kJunk + QStringLiteral(" (linha %1)").arg(lineNumber_);
        return false;
    }

    bool table(QByteArrayView text, QString* error) {
        const QList<QByteArray> parts = text.toByteArray().split(' ');
        qint64 fields = 0, records = 0, page = 0;
        if (parts.size() != 4 || parts[0] != "TABLE" || !parseInt(parts[1], 1, kMostFields, &fields) ||
            !parseInt(parts[2], 0, std::numeric_limits<int>::max(), &records) ||
            !parseInt(parts[3], std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), &page))
            return junk(error);
        expectedFields_ = int(fields);
        declaredRecords_ = records;
        stage_ = Stage::Fields;
        return true;
    }

    bool field(QByteArrayView text, QString* error) {
        const QList<QByteArray> parts = text.toByteArray().split(' ');
        qint64 type = 0, length = 0;
        QByteArray name;
        if (parts.size() != 4 || parts[0] != "FIELD" || !parseInt(parts[1], 0, 255, &type) ||
            !parseInt(parts[2], 1, 65536, &length) || !parseHex(parts[3], &name) || name.isEmpty() ||
            name.size() > 255 || name.contains('\0'))
            return junk(error);
        fields_.append(Field{cp1252::decode(name).trimmed(), int(type), int(length)});
        tokens_.append(tokenOf(int(type)));
        if (fields_.size() == expectedFields_) {
            stage_ = Stage::Rows;
            if (!fieldsHandler_(fields_, error)) return false;
        }
        return true;
    }

    bool value(QByteArrayView token, Token kind, QVariant* out) {
        if (token == "-") {
            *out = QVariant();
            return true;
        }
        if (token.isEmpty()) return false;
        const char tag = token[0];
        const QByteArrayView rest = token.sliced(1);
        switch (kind) {
        case Token::Integer: {
            qint64 v = 0;
            if (tag != 'I' || !parseInt(rest, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), &v))
                return false;
            *out = v;
            return true;
        }
        case Token::Real: {
            if (tag != 'F' || rest.isEmpty() || rest.size() > 40) return false;
            for (const char c : rest)
                if (!((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E')) return false;
            bool ok = false;
            const double v = rest.toDouble(&ok);
            if (!ok || !std::isfinite(v)) return false;
            *out = v;
            return true;
        }
        case Token::Text: {
            QByteArray bytes;
            QString text;
            if (tag != 'S' || !parseHex(rest, &bytes) || !decodeUtf8(bytes, &text)) return false;
            *out = text;
            return true;
        }
        case Token::Unread:
            if (token != "X") return false;
            *out = QVariant();
            return true;
        }
        return false;
    }

    bool row(QByteArrayView text, QString* error) {
        if (rows_ >= declaredRecords_) return junk(error);
        Row values;
        values.reserve(expectedFields_);
        qsizetype at = 3;   // past "ROW"
        for (int i = 0; i < expectedFields_; ++i) {
            if (at >= text.size() || text[at] != ' ') return junk(error);
            ++at;
            qsizetype next = text.indexOf(' ', at);
            if (next < 0) next = text.size();
            QVariant v;
            if (!value(text.sliced(at, next - at), tokens_[i], &v)) return junk(error);
            values.append(v);
            at = next;
        }
        if (at != text.size()) return junk(error);
        ++rows_;
        return rowHandler_(values, error);
    }

    bool end(QByteArrayView text, QString* error) {
        qint64 n = -1;
        if (!parseInt(text.sliced(4), 0, std::numeric_limits<int>::max(), &n) || n != rows_) return junk(error);
        stage_ = Stage::Done;
        return true;
    }

    const FieldsHandler& fieldsHandler_;
    const RowHandler& rowHandler_;
    Stage stage_ = Stage::Magic;
    int lineNumber_ = 0;
    int expectedFields_ = 0;
    qint64 declaredRecords_ = 0;
    qint64 rows_ = 0;
    QList<Field> fields_;
    QList<Token> tokens_;
};

// The reader's own words on standard error, kept short and printable.
QString readerMessage(const QByteArray& stderrBytes) {
    QString text;
    if (!decodeUtf8(stderrBytes.left(400), &text)) text = cp1252::decode(stderrBytes.left(400));
    text = text.section(QLatin1Char('\n'), 0, 0).trimmed();
    QString clean;
    for (const QChar c : text) clean += c.isPrint() ? c : QLatin1Char(' ');
    return clean.left(200);
}

} // namespace

QDate dateFromDays(qint64 days) {
    if (days < 1 || days > 3652059) return {};   // 01/01/0001 to 31/12/9999
    return QDate::fromJulianDay(days + kJulianOffset);
}

QDate dateFromTimestamp(double milliseconds) {
    if (!std::isfinite(milliseconds)) return {};
    return dateFromDays(qint64(std::floor(milliseconds / double(kMsPerDay))));
}

QString readerProgram(const ReaderSettings& settings) {
    if (!settings.program.isEmpty()) return settings.program;
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("vexa-pxdump"));
}

bool readTable(const QString& path, const ReaderSettings& settings, const FieldsHandler& fields,
               const RowHandler& row, QString* error) {
    QString why;
    QProcess reader;
    reader.setProgram(readerProgram(settings));
    reader.setArguments({QDir::toNativeSeparators(path)});
    reader.setProcessChannelMode(QProcess::SeparateChannels);
    reader.setStandardInputFile(QProcess::nullDevice());
    reader.start(QIODevice::ReadOnly);
    if (!reader.waitForStarted(10000)) {
        *error = QStringLiteral("o leitor de tabelas (%1) não pôde ser iniciado")
                     .arg(QFileInfo(reader.program()).fileName());
        return false;
    }

    auto stop = [&reader](QString* out, const QString& reason) {
        reader.kill();
        reader.waitForFinished(5000);
        *out = reason;
        return false;
    };

    OutputParser parser(fields, row);
    QByteArray pending;
    // Takes what the reader wrote so far and checks every full line of it.
    auto drain = [&]() {
        pending += reader.readAllStandardOutput();
        qsizetype start = 0;
        for (;;) {
            const qsizetype nl = pending.indexOf('\n', start);
            if (nl < 0) break;
            if (!parser.line(QByteArrayView(pending).sliced(start, nl - start), &why)) return false;
            start = nl + 1;
        }
        pending.remove(0, start);
        if (pending.size() > kLongestLine) {
            why = kJunk;
            return false;
        }
        return true;
    };

    const QString tooLong = QStringLiteral("a leitura da tabela não terminou no tempo previsto");
    QElapsedTimer clock;
    clock.start();
    while (reader.state() != QProcess::NotRunning) {
        if (reader.bytesAvailable() == 0) {
            const qint64 left = settings.totalLimitMs - clock.elapsed();
            if (left <= 0) return stop(error, tooLong);
            if (!reader.waitForReadyRead(int(std::min<qint64>(settings.silenceLimitMs, left))) &&
                reader.state() != QProcess::NotRunning)
                return stop(error, tooLong);
        }
        if (!drain()) return stop(error, why);
    }
    reader.waitForFinished(5000);
    if (!drain()) return stop(error, why);
    if (reader.exitStatus() != QProcess::NormalExit)
        return stop(error, QStringLiteral("a leitura da tabela terminou de forma anormal"));
    if (reader.exitCode() != 0) {
        const QString said = readerMessage(reader.readAllStandardError());
        *error = QStringLiteral("o arquivo está danificado ou não é uma tabela Paradox");
        if (!said.isEmpty()) *error += QStringLiteral(" (") + said + QLatin1Char(')');
        return false;
    }
    // Anything after the last full line, or no end line at all, is not what the reader writes.
    if (!pending.isEmpty() || !parser.finished()) {
        *error = kJunk;
        return false;
    }
    return true;
}

} // namespace vexa::declfile::paradox

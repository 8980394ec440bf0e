#include "indices/IndexImport.h"

#include "common/Conversions.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace vexa::indices {

namespace {

QString shown(const QString& text) {
    const QString t = text.simplified();
    return t.size() > 60 ? t.left(60) + QStringLiteral("...") : t;
}

// The fields of one line, each without its blanks and its double quotes; false
// when a quote is left open or stands inside a field.
bool splitFields(const QString& line, QStringList* fields) {
    fields->clear();
    for (QString f : line.split(QLatin1Char(';'))) {
        f = f.trimmed();
        if (f.startsWith(QLatin1Char('"'))) {
            if (f.size() < 2 || !f.endsWith(QLatin1Char('"'))) return false;
            f = f.mid(1, f.size() - 2).trimmed();
        }
        if (f.contains(QLatin1Char('"'))) return false;
        fields->append(f);
    }
    return true;
}

bool isHeader(const QStringList& fields) {
    return fields.size() == 2 && fields[0].compare(QLatin1String("data"), Qt::CaseInsensitive) == 0 &&
           fields[1].compare(QLatin1String("valor"), Qt::CaseInsensitive) == 0;
}

QString monthText(const QDate& d) { return d.toString(QStringLiteral("MM/yyyy")); }

SeriesRead refuse(int line, const QString& what) {
    SeriesRead r;
    r.error = QStringLiteral("Linha %1: %2").arg(line).arg(what);
    return r;
}

} // namespace

SeriesRead readSeries(const QByteArray& data, int code) {
    QByteArray bytes = data;
    if (bytes.startsWith("\xEF\xBB\xBF")) bytes.remove(0, 3);
    const QList<QByteArray> lines = bytes.split('\n');

    SeriesRead out;
    bool headerSeen = false;
    QHash<QDate, int> lineOfMonth;
    QStringList fields;
    for (int i = 0; i < lines.size(); ++i) {
        const int n = i + 1;
        QByteArray raw = lines[i];
        if (raw.endsWith('\r')) raw.chop(1);
        const QString line = QString::fromUtf8(raw);
        if (line.trimmed().isEmpty()) continue;
        // A byte that is not text, or a field split badly, makes the line junk.
        const bool split = !line.contains(QChar::ReplacementCharacter) && !line.contains(QChar(0)) &&
                           splitFields(line, &fields);
        if (split && isHeader(fields)) {
            if (headerSeen) return refuse(n, QStringLiteral("cabeçalho data;valor repetido."));
            headerSeen = true;
            continue;
        }
        if (!headerSeen) return refuse(n, QStringLiteral("o arquivo deve começar pelo cabeçalho data;valor."));
        if (!split || fields.size() != 2)
            return refuse(n, QStringLiteral("esperada uma linha data;valor: \"%1\".").arg(shown(line)));

        const std::optional<QDate> date = toDate(fields[0]);
        if (!date || date->year() < 1900)
            return refuse(n, QStringLiteral("data inválida: \"%1\".").arg(shown(fields[0])));
        const std::optional<double> value = parseIndexValue(fields[1], code == kSelic ? 2 : 0);
        if (!value) return refuse(n, QStringLiteral("valor inválido: \"%1\".").arg(shown(fields[1])));
        if (const CheckResult c = checkIndexValue(*value); !c) return refuse(n, c.message);

        const QDate month = monthOf(*date);
        if (const auto seen = lineOfMonth.constFind(month); seen != lineOfMonth.cend())
            return refuse(n, QStringLiteral("o mês %1 já aparece na linha %2.").arg(monthText(month)).arg(*seen));
        lineOfMonth.insert(month, n);
        out.months.append({month, *value});
    }
    if (!headerSeen) return refuse(1, QStringLiteral("o arquivo deve começar pelo cabeçalho data;valor."));
    out.ok = true;
    return out;
}

IndexImportResult importSeriesFile(int code, const QString& path) {
    IndexImportResult result;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        result.message = QStringLiteral("Não foi possível ler o arquivo %1: %2")
                             .arg(path, file.exists() ? file.errorString() : QStringLiteral("arquivo não encontrado"));
        return result;
    }
    const QByteArray data = file.read(kSeriesFileLimit + 1);
    if (file.error() != QFileDevice::NoError) {
        result.message = QStringLiteral("Não foi possível ler o arquivo %1: %2").arg(path, file.errorString());
        return result;
    }
    if (data.size() > kSeriesFileLimit) {
        result.status = IndexImportResult::Status::Refused;
        result.message = QStringLiteral("O arquivo %1 passa de %2 bytes.").arg(path).arg(kSeriesFileLimit);
        return result;
    }
    const SeriesRead series = readSeries(data, code);
    if (!series.ok) {
        result.status = IndexImportResult::Status::Refused;
        result.message = series.error;
        return result;
    }
    result.months = int(series.months.size());
    if (!insertIndexMonths(code, series.months, &result.count, &result.message)) return result;
    result.status = IndexImportResult::Status::Imported;
    return result;
}

IndexImportResult addIndexMonth(int code, const QDate& date, double value) {
    IndexImportResult result;
    result.status = IndexImportResult::Status::Refused;
    if (const CheckResult c = checkIndexValue(value); !c) {
        result.message = c.message;
        return result;
    }
    const QDate month = monthOf(date);
    std::optional<double> held;
    if (!heldValue(code, month, &held, &result.message)) {
        result.status = IndexImportResult::Status::Failed;
        return result;
    }
    if (held) {
        result.message = QStringLiteral("O mês %1 do índice %2 já está cadastrado com o valor %3.")
                             .arg(monthText(month), indexName(code), formatIndexValue(*held));
        return result;
    }
    result.months = 1;
    if (!insertIndexMonths(code, {{month, value}}, &result.count, &result.message)) {
        result.status = IndexImportResult::Status::Failed;
        return result;
    }
    result.status = IndexImportResult::Status::Imported;
    return result;
}

QString importSummary(int code, const InsertCount& count) {
    const auto months = [](int n, const char* one, const char* many) {
        return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
    };
    return QStringLiteral("Índice %1: %2, %3.")
        .arg(indexName(code), months(count.inserted, "mês inserido", "meses inseridos"),
             months(count.skipped, "já cadastrado ignorado", "já cadastrados ignorados"));
}

} // namespace vexa::indices

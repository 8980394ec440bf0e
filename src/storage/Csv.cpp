#include "storage/Csv.h"

#include <QStringDecoder>

namespace vexa::storage {

namespace {

class Parser {
public:
    explicit Parser(const QString& text) : s_(text) {}

    bool run(CsvContent* out, QString* error) {
        bool first = true;
        while (pos_ < s_.size()) {
            CsvRecord rec;
            rec.line = line_;
            bool blank = false;
            if (!readRecord(&rec.fields, &blank, error)) return false;
            if (blank) continue;
            if (first) {
                out->header = rec.fields;
                first = false;
                continue;
            }
            if (rec.fields.size() != out->header.size()) {
                *error = QStringLiteral("linha %1: %2 campos, o cabeçalho tem %3")
                             .arg(rec.line)
                             .arg(rec.fields.size())
                             .arg(out->header.size());
                return false;
            }
            out->records.append(std::move(rec));
        }
        if (first) {
            *error = QStringLiteral("arquivo sem linha de cabeçalho");
            return false;
        }
        return true;
    }

private:
    bool atLineEnd() const {
        return pos_ >= s_.size() || s_[pos_] == QLatin1Char('\n') || s_[pos_] == QLatin1Char('\r');
    }

    void skipLineEnd() {
        if (pos_ < s_.size() && s_[pos_] == QLatin1Char('\r')) ++pos_;
        if (pos_ < s_.size() && s_[pos_] == QLatin1Char('\n')) ++pos_;
        ++line_;
    }

    bool readRecord(QStringList* fields, bool* blank, QString* error) {
        const qsizetype start = pos_;
        for (;;) {
            QString value;
            if (pos_ < s_.size() && s_[pos_] == QLatin1Char('"')) {
                if (!readQuoted(&value, error)) return false;
            } else {
                const qsizetype from = pos_;
                while (!atLineEnd() && s_[pos_] != QLatin1Char(',')) {
                    if (s_[pos_] == QLatin1Char('"')) {
                        *error = QStringLiteral("linha %1: aspas no meio de um campo sem aspas").arg(line_);
                        return false;
                    }
                    ++pos_;
                }
                value = s_.mid(from, pos_ - from);
            }
            fields->append(value.isEmpty() ? QString() : value);
            if (pos_ < s_.size() && s_[pos_] == QLatin1Char(',')) {
                ++pos_;
                continue;
            }
            if (!atLineEnd()) {
                *error = QStringLiteral("linha %1: texto depois das aspas de fechamento").arg(line_);
                return false;
            }
            *blank = (pos_ == start);
            skipLineEnd();
            return true;
        }
    }

    bool readQuoted(QString* value, QString* error) {
        const int opened = line_;
        ++pos_;   // the opening quote
        for (;;) {
            if (pos_ >= s_.size()) {
                *error = QStringLiteral("linha %1: aspas abertas e não fechadas").arg(opened);
                return false;
            }
            const QChar c = s_[pos_];
            if (c == QLatin1Char('"')) {
                if (pos_ + 1 < s_.size() && s_[pos_ + 1] == QLatin1Char('"')) {
                    value->append(c);
                    pos_ += 2;
                    continue;
                }
                ++pos_;
                return true;
            }
            if (c == QLatin1Char('\n')) ++line_;
            value->append(c);
            ++pos_;
        }
    }

    const QString& s_;
    qsizetype pos_ = 0;
    int line_ = 1;
};

} // namespace

bool parseCsv(const QByteArray& data, CsvContent* out, QString* error) {
    QStringDecoder decode(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decode(data);
    if (decode.hasError()) {
        *error = QStringLiteral("o texto não está em UTF-8");
        return false;
    }
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    *out = CsvContent();
    return Parser(text).run(out, error);
}

} // namespace vexa::storage

#include "declfile/AccountFile.h"

#include "common/Conversions.h"
#include "common/Cp1252.h"
#include "common/Money.h"

#include <QIODevice>
#include <cmath>

namespace vexa::declfile {

namespace {

constexpr qint64 kChunk = 64 * 1024;

// Fourteen digits hold at most 99999999999999; a larger value (written with
// an exponent) is no amount of the layout.
constexpr double kLargestAmountCharacters = 99999999999999.0;

// Positions and widths of segment A's fields 5 to 46.
struct FieldPlace {
    int pos;
    int len;
};
constexpr FieldPlace kSegmentA[] = {
    {21, 7},   {28, 1},   {29, 1},   {30, 1},   {31, 14},  {45, 14},  {59, 1},   {60, 11},  // 5-12
    {71, 50},  {121, 10}, {131, 2},  {133, 50}, {183, 20},                                  // 13-17
    {203, 14}, {217, 14}, {231, 14}, {245, 14}, {259, 14}, {273, 14}, {287, 14},            // 18-24
    {301, 14}, {315, 14}, {329, 14}, {343, 14}, {357, 14}, {371, 14}, {385, 14},            // 25-31
    {399, 20}, {419, 5},  {424, 8},  {432, 14}, {446, 14}, {460, 1},  {461, 255},           // 32-38
    {716, 14}, {730, 14}, {744, 1},  {745, 7},  {752, 8},  {760, 8},  {768, 8},  {776, 8},  // 39-46
};
constexpr int kFirstAField = 5;
constexpr int kLastAField = 46;
static_assert(sizeof kSegmentA / sizeof kSegmentA[0] == kLastAField - kFirstAField + 1);

} // namespace

QString AccountLine::field(int pos, int len) const {
    if (pos < 1 || len <= 0 || pos > text.size()) return {};
    return text.mid(pos - 1, len);
}

QChar AccountLine::at(int pos) const {
    if (pos < 1 || pos > text.size()) return {};
    return text.at(pos - 1);
}

AccountHeader readHeader(const AccountLine& line) {
    return {line.field(2, 9), line.field(13, 2), line.field(15, 4), line.field(19, 2)};
}

// ---- the line reader ------------------------------------------------------------

AccountFileReader::AccountFileReader(QIODevice& device) : device_(device) {}

bool AccountFileReader::fill() {
    if (atEnd_) return false;
    buffer_.resize(kChunk);
    start_ = 0;
    for (;;) {
        const qint64 n = device_.read(buffer_.data(), kChunk);
        if (n > 0) {
            buffer_.resize(qsizetype(n));
            return true;
        }
        if (n < 0) {
            error_ = device_.errorString();
            if (error_.isEmpty()) error_ = QStringLiteral("Erro de leitura do arquivo.");
        } else if (device_.isSequential() && device_.waitForReadyRead(30000)) {
            continue;   // a pipe that has more to come
        }
        buffer_.clear();
        atEnd_ = true;
        return false;
    }
}

bool AccountFileReader::next(AccountLine& line) {
    QByteArray kept;
    qint64 length = 0;
    char last = 0;
    bool any = false;
    bool ended = false;
    while (!ended) {
        if (start_ >= buffer_.size() && !fill()) break;
        const qsizetype newline = buffer_.indexOf('\n', start_);
        const qsizetype stop = newline < 0 ? buffer_.size() : newline;
        const qsizetype piece = stop - start_;
        if (piece > 0) {
            if (kept.size() < kAccountLineKept)
                kept.append(buffer_.constData() + start_, std::min<qsizetype>(piece, kAccountLineKept - kept.size()));
            last = buffer_.at(stop - 1);
            length += piece;
        }
        any = true;
        consumed_ += piece;
        start_ = stop;
        if (newline >= 0) {
            ++consumed_;
            ++start_;
            ended = true;
        }
    }
    if (!any) return false;
    if (length > 0 && last == '\r') {
        // The CR of a CR LF pair belongs to the line end.
        if (length <= kept.size()) kept.chop(1);
        --length;
    }
    line.text = cp1252::decode(kept);
    line.length = length;
    line.number = ++lineNumber_;
    return true;
}

// ---- reading forms -----------------------------------------------------------------

namespace {

// The usual amount: digits only, blanks around them allowed. Its whole
// number of cents; none for any other form (a sign, a comma, an exponent),
// which the general number reading then takes.
std::optional<qint64> plainCents(const QString& characters) {
    const QChar* p = characters.constData();
    const QChar* end = p + characters.size();
    while (p < end && *p == QLatin1Char(' ')) ++p;
    const QChar* digits = p;
    qint64 n = 0;
    while (p < end && p->unicode() >= '0' && p->unicode() <= '9' && p - digits < 15) n = n * 10 + (p++->unicode() - '0');
    if (p == digits) return std::nullopt;
    while (p < end && *p == QLatin1Char(' ')) ++p;
    if (p != end) return std::nullopt;
    return n;
}

// "0.00" of a whole number of cents, with the decimal comma.
QString centsText(qint64 cents) {
    const bool negative = cents < 0;
    const quint64 m = negative ? quint64(0) - quint64(cents) : quint64(cents);
    char buf[32];
    int i = sizeof buf;
    buf[--i] = char('0' + m % 10);
    buf[--i] = char('0' + (m / 10) % 10);
    buf[--i] = ',';
    quint64 whole = m / 100;
    do {
        buf[--i] = char('0' + whole % 10);
        whole /= 10;
    } while (whole > 0);
    if (negative) buf[--i] = '-';
    return QString::fromLatin1(buf + i, int(sizeof buf) - i);
}

} // namespace

std::optional<AccountAmount> readAmount(const QString& characters) {
    if (const std::optional<qint64> cents = plainCents(characters))
        return AccountAmount{money::fromCents(*cents), centsText(*cents), true};
    const std::optional<double> number = toNumber(characters);
    if (!number || std::fabs(*number) > kLargestAmountCharacters) return std::nullopt;
    const double value = money::round2(*number / 100.0);
    const QString text = money::editText(value);
    return AccountAmount{value, text, IsNumber(text)};
}

std::optional<double> readRate(const QString& characters) {
    const std::optional<double> number = toNumber(characters);
    if (!number || std::fabs(*number) > kLargestAmountCharacters) return std::nullopt;
    return money::round2(*number / 100.0);
}

QString dateAsTyped(const QString& ddmmyyyy) {
    return ddmmyyyy.left(2) + QLatin1Char('/') + ddmmyyyy.mid(2, 2) + QLatin1Char('/') + ddmmyyyy.mid(4, 4);
}

std::optional<QDate> readDate(const QString& ddmmyyyy) {
    if (ddmmyyyy.size() != 8) return std::nullopt;
    return toDate(dateAsTyped(ddmmyyyy));
}

bool isBlank(const QString& text) { return text.trimmed().isEmpty(); }

QString segmentAField(const AccountLine& line, int number) {
    if (number < kFirstAField || number > kLastAField) return {};
    const FieldPlace& f = kSegmentA[number - kFirstAField];
    return line.field(f.pos, f.len);
}

} // namespace vexa::declfile

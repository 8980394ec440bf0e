// Index values as text (the four-decimal display, the decimal-comma reading),
// the series file of the central bank's time-series service taken whole or
// refused whole, and one month added by hand.

#include "IndicesFixture.h"

#include "indices/IndexImport.h"

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <limits>

using namespace vexa;
using namespace vexa::indices;
using namespace vexa::test;

namespace {

TEST(IndexValueText, DisplayAndReading) {
    const struct {
        double value;
        const char* shown;
    } shown[] = {{0.0114, "0,0114"},      {1187.876, "1.187,8760"}, {1234567.5, "1.234.567,5000"},
                 {0.00005, "0,0001"},     {-0.00004, "0,0000"},     {-2.5, "-2,5000"},
                 {1e15, "1.000.000.000.000.000,0000"}};
    for (const auto& c : shown) EXPECT_EQ(formatIndexValue(c.value), QString::fromUtf8(c.shown)) << c.shown;

    const struct {
        const char* text;
        int shift;
        std::optional<double> value;
    } read[] = {
        {"0,0114", 0, 0.0114},   {"1187,876", 0, 1187.876}, {"1.187,876", 0, 1187.876}, {" 12 ", 0, 12.0},
        {"-0,5", 0, -0.5},       {"1,05", 2, 0.0105},       {"0,83", 2, 0.0083},        {"105", 2, 1.05},
        {"1.234.567", 0, 1234567.0},
        {"0.0114", 0, std::nullopt},   // a decimal point
        {"1.05", 0, std::nullopt},     // neither a point of thousands nor a comma
        {"0.011", 0, std::nullopt},    // no thousands group after a lone zero
        {"1,5E3", 0, std::nullopt},    {"", 0, std::nullopt},     {"abc", 0, std::nullopt},
        {"1,2,3", 0, std::nullopt},    {",5", 0, std::nullopt},   {"nan", 0, std::nullopt},
    };
    for (const auto& c : read) {
        SCOPED_TRACE(c.text);
        const std::optional<double> v = parseIndexValue(QString::fromUtf8(c.text), c.shift);
        ASSERT_EQ(v.has_value(), c.value.has_value());
        if (v) {
            EXPECT_EQ(*v, *c.value);   // the nearest double, without division error
        }
    }
    EXPECT_FALSE(parseIndexValue(QString(400, QLatin1Char('9'))));   // past the range of a double

    EXPECT_TRUE(checkIndexValue(0.0));
    EXPECT_FALSE(checkIndexValue(-0.01));
    EXPECT_FALSE(checkIndexValue(std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(checkIndexValue(std::nan("")));
}

class IndexImportTest : public IndicesTest {
protected:
    QTemporaryDir dir;

    QString file(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("serie.csv"));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
        return path;
    }
};

TEST_F(IndexImportTest, SeriesFilesGoInWholeOrNotAtAll) {
    const struct {
        const char* name;
        int code;
        QByteArray content;
        IndexImportResult::Status status;
        int inserted;
        int skipped;
        const char* message;   // part of the refusal
    } cases[] = {
        {"SGS export, quoted, BOM and CR LF", kSelic,
         "\xEF\xBB\xBF\"data\";\"valor\"\r\n\"01/08/2025\";\"1,16\"\r\n\"01/09/2025\";\"1,05\"\r\n\r\n",
         IndexImportResult::Status::Imported, 2, 0, ""},
        {"months already held are skipped", kSelic, "data;valor\n01/07/2025;1,28\n01/08/2025;1,16\n01/10/2025;1,2\n",
         IndexImportResult::Status::Imported, 1, 2, ""},
        {"IGP-DI stored as it stands, a day other than the first", kIgpDi, "data;valor\n15/05/2023;1.123,456\n",
         IndexImportResult::Status::Imported, 1, 0, ""},
        {"only the header", kSelic, "data;valor\n", IndexImportResult::Status::Imported, 0, 0, ""},
        {"junk line", kSelic, "data;valor\n01/08/2025;1,16\nFonte: BCB-Depin\n", IndexImportResult::Status::Refused, 0,
         0, "Linha 3"},
        {"second header", kSelic, "data;valor\n01/08/2025;1,16\ndata;valor\n01/09/2025;1,05\n",
         IndexImportResult::Status::Refused, 0, 0, "Linha 3: cabeçalho"},
        {"duplicate month", kSelic, "data;valor\n01/08/2025;1,16\n01/09/2025;1,05\n20/08/2025;1,17\n",
         IndexImportResult::Status::Refused, 0, 0, "Linha 4: o mês 08/2025 já aparece na linha 2"},
        {"not a number", kSelic, "data;valor\n01/08/2025;1,16\n01/09/2025;um\n", IndexImportResult::Status::Refused, 0,
         0, "Linha 3: valor inválido"},
        {"decimal point", kSelic, "data;valor\n01/08/2025;1.16\n", IndexImportResult::Status::Refused, 0, 0,
         "Linha 2: valor inválido"},
        {"empty value", kSelic, "data;valor\n01/08/2025;\n", IndexImportResult::Status::Refused, 0, 0, "Linha 2"},
        {"negative value", kIgpDi, "data;valor\n01/05/2023;-1,5\n", IndexImportResult::Status::Refused, 0, 0,
         "Linha 2: O valor -1,5000 é negativo"},
        {"not a date", kSelic, "data;valor\n31/02/2025;1,16\n", IndexImportResult::Status::Refused, 0, 0,
         "Linha 2: data inválida"},
        {"three fields", kSelic, "data;valor\n01/08/2025;1,16;x\n", IndexImportResult::Status::Refused, 0, 0, "Linha 2"},
        {"open quote", kSelic, "data;valor\n\"01/08/2025;1,16\n", IndexImportResult::Status::Refused, 0, 0, "Linha 2"},
        {"no header", kSelic, "01/08/2025;1,16\n", IndexImportResult::Status::Refused, 0, 0, "Linha 1: o arquivo deve"},
        {"empty file", kSelic, "", IndexImportResult::Status::Refused, 0, 0, "cabeçalho"},
        {"binary bytes", kSelic, QByteArray("data;valor\n01/08/2025;1,1\xff\0\n", 28), IndexImportResult::Status::Refused,
         0, 0, "Linha 2"},
    };
    const QStringList delivered = snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QStringList before = snapshot();
        const IndexImportResult r = importSeriesFile(c.code, file(c.content));
        EXPECT_EQ(r.status, c.status) << r.message.toStdString();
        EXPECT_EQ(r.count.inserted, c.inserted);
        EXPECT_EQ(r.count.skipped, c.skipped);
        EXPECT_TRUE(r.message.contains(QString::fromUtf8(c.message))) << r.message.toStdString();
        if (c.status != IndexImportResult::Status::Imported) {
            EXPECT_EQ(snapshot(), before);
        }
        EXPECT_EQ(snapshot().size(), before.size() + c.inserted);
    }
    EXPECT_EQ(snapshot().size(), delivered.size() + 4);
    // SELIC percent stored as the fraction; the month's first day; held months kept as they were.
    EXPECT_EQ(stored(kSelic, "2025-08-01"), 0.0116);
    EXPECT_EQ(stored(kSelic, "2025-09-01"), 0.0105);
    EXPECT_DOUBLE_EQ(stored(kSelic, "2025-07-01"), 0.0128);
    EXPECT_EQ(stored(kIgpDi, "2023-05-01"), 1123.456);

    EXPECT_EQ(importSeriesFile(kSelic, dir.filePath(QStringLiteral("nenhum.csv"))).status,
              IndexImportResult::Status::Failed);
    EXPECT_EQ(importSeriesFile(kSelic, dir.path()).status, IndexImportResult::Status::Failed);
    EXPECT_EQ(importSeriesFile(kSelic, file("data;valor\n" + QByteArray(kSeriesFileLimit, ' '))).status,
              IndexImportResult::Status::Refused);
}

TEST_F(IndexImportTest, OneMonthByHand) {
    IndexImportResult r = addIndexMonth(kSelic, QDate(2025, 8, 20), 0.0116);
    EXPECT_EQ(r.status, IndexImportResult::Status::Imported) << r.message.toStdString();
    EXPECT_EQ(stored(kSelic, "2025-08-01"), 0.0116);

    const QStringList before = snapshot();
    r = addIndexMonth(kSelic, QDate(2025, 8, 1), 0.02);
    EXPECT_EQ(r.status, IndexImportResult::Status::Refused);
    EXPECT_EQ(r.message, QStringLiteral("O mês 08/2025 do índice SELIC já está cadastrado com o valor 0,0116."));
    EXPECT_EQ(addIndexMonth(kIgpDi, QDate(2023, 5, 1), -3).status, IndexImportResult::Status::Refused);
    EXPECT_EQ(snapshot(), before);

    EXPECT_EQ(importSummary(kSelic, {1, 2}), QStringLiteral("Índice SELIC: 1 mês inserido, 2 já cadastrados ignorados."));
}

} // namespace

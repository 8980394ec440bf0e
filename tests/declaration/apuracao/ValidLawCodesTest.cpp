// The law codes a list editor offers, read from the delivered tables with
// codes added for the test: only those valid on the declaration's first day.

#include "declaration/Apuracao.h"
#include "storage/Database.h"
#include "support/TempProgramFolder.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::decl;

namespace {

bool offered(const QList<LawCode>& codes, int code) {
    return std::any_of(codes.begin(), codes.end(), [code](const LawCode& c) { return c.codLei == code; });
}

TEST(ValidLawCodes, OfferOnlyCodesInForceOnTheFirstDay) {
    test::TempProgramFolder folder;
    QSqlQuery q(storage::db());
    for (const char* table : {"Leis", "LeisDeb", "LeisD"}) {
        ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO %1 (CodLei, Tipo, DescLei, PerRLeiIni, PerRLeiFim) VALUES "
                                          "(901, 'FIM', 'termina em fevereiro', '2020-01-01', '2024-02-29'), "
                                          "(902, 'ABERTO', 'sem fim', '2020-01-01', NULL), "
                                          "(903, 'FUTURO', 'começa em 02/03', '2024-03-02', NULL), "
                                          "(904, 'HOJE', 'termina no dia 1º', '2024-03-01', '2024-03-01')")
                               .arg(QString::fromLatin1(table))));
    }
    const DeclarationKey march{"290000009", "2024", "03", "00"};
    for (LawTable t : {LawTable::Leis, LawTable::LeisDeb, LawTable::LeisD}) {
        const QList<LawCode> codes = validLawCodes(t, march);
        EXPECT_FALSE(offered(codes, 901));
        EXPECT_TRUE(offered(codes, 902));
        EXPECT_FALSE(offered(codes, 903));
        EXPECT_TRUE(offered(codes, 904));
        EXPECT_TRUE(std::is_sorted(codes.begin(), codes.end(),
                                   [](const LawCode& a, const LawCode& b) { return a.codLei < b.codLei; }));
    }
    const QList<LawCode> february = validLawCodes(LawTable::Leis, {"290000009", "2024", "02", "00"});
    EXPECT_TRUE(offered(february, 901));
    EXPECT_FALSE(offered(february, 904));
    const LawCode open = *std::find_if(february.begin(), february.end(), [](const LawCode& c) { return c.codLei == 902; });
    EXPECT_EQ(open.tipo, "ABERTO");
    EXPECT_EQ(open.descLei, "sem fim");
}

} // namespace

// Reading the registries by name, as the shared search screen lists them,
// and the nearest row to a typed name.

#include "RegistryFixture.h"

#include "registry/RegistrySearch.h"

using namespace vexa;
using namespace vexa::registry;
using vexa::test::RegistryTest;

namespace {
using SearchTest = RegistryTest;

QStringList names(const QList<NameRow>& rows) {
    QStringList out;
    for (const NameRow& r : rows) out << r.name;
    return out;
}

TEST_F(SearchTest, TaxpayersComeInCaseInsensitiveNameOrderWithTheirIE) {
    QString error;
    const std::vector<std::pair<QString, QString>> rows = {
        {test::kIE1, "zeta comércio"}, {test::kIE2, test::kApostropheName},
        {test::kIE3, "100% ALGODÃO LTDA"}, {test::kIEBadDigit, "Alfa & Beta"}};
    for (const auto& [ie, name] : rows) {
        Contribuinte c = completeTaxpayer(ie);
        c.RazaoSocial = name;
        ASSERT_TRUE(saveTaxpayer(c, &error)) << error.toStdString();
    }
    const QList<NameRow> listed = rowsByName(Registry::Taxpayers);
    EXPECT_EQ(names(listed), (QStringList{"100% ALGODÃO LTDA", "Alfa & Beta", test::kApostropheName, "zeta comércio"}));
    EXPECT_EQ(listed[2].key, test::kIE2);
    EXPECT_TRUE(listed[2].uf.isEmpty());
    // The list is in the order compareNames gives.
    for (int i = 1; i < listed.size(); ++i) EXPECT_LE(compareNames(listed[i - 1].name, listed[i].name), 0);
}

TEST_F(SearchTest, NearestRowIsTheFirstAtOrAfterTheTypedName) {
    const QList<NameRow> rows = {{"ALFA", "1", ""}, {"BETA", "2", ""}, {"D'ÁVILA & FILHOS", "3", ""}, {"DELTA", "4", ""}};
    EXPECT_EQ(nearestByName(rows, ""), 0);
    EXPECT_EQ(nearestByName(rows, "B"), 1);
    EXPECT_EQ(nearestByName(rows, "beta"), 1);     // case does not matter
    EXPECT_EQ(nearestByName(rows, "BETB"), 2);
    EXPECT_EQ(nearestByName(rows, "D'Á"), 2);
    // An accented letter sorts with its plain one: "D'Á" beside "D'A", before "D'B" and "D'Z".
    EXPECT_EQ(nearestByName(rows, "D'a"), 2);
    EXPECT_EQ(nearestByName(rows, "D'B"), 3);
    EXPECT_EQ(nearestByName(rows, "D'Z"), 3);
    EXPECT_EQ(nearestByName(rows, "D'Ü"), 3);
    EXPECT_EQ(nearestByName(rows, "ZZZ"), 3);      // past every name: the last row
    EXPECT_EQ(nearestByName({}, "A"), -1);
}

TEST_F(SearchTest, AccountantsComeByNameWithCRCAndState) {
    QString error;
    Declarante a = completeAccountant("555", "SP");
    a.Nome = "beatriz";
    Declarante b = completeAccountant("555", "EX");
    b.Nome = "ANTÔNIO D'ÁVILA";
    ASSERT_TRUE(saveAccountant(a, &error));
    ASSERT_TRUE(saveAccountant(b, &error));
    const QList<NameRow> listed = rowsByName(Registry::Accountants);
    ASSERT_EQ(listed.size(), 2);
    EXPECT_EQ(listed[0], (NameRow{"ANTÔNIO D'ÁVILA", "555", "EX"}));
    EXPECT_EQ(listed[1], (NameRow{"beatriz", "555", "SP"}));
    EXPECT_EQ(nearestByName(listed, "B"), 1);
}

} // namespace

// The shared search screen: captions and columns of each registry, the
// nearest row while the name is typed, and which ways out confirm.

#include "RegistryFixture.h"
#include "ScreenTestSupport.h"

#include "registry/ui/FrmProcura.h"
#include "registry/ui/NameListModel.h"

#include <QAbstractItemModelTester>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

using namespace vexa;
using namespace vexa::registry;
using namespace vexa::test;
using vexa::registry::ui::FrmProcura;

namespace {

class FrmProcuraTest : public RegistryTest {
protected:
    void SetUp() override {
        RegistryTest::SetUp();
        QString error;
        const std::vector<std::pair<QString, QString>> rows = {
            {kIE1, "BETA MATERIAIS"}, {kIE2, kApostropheName}, {kIE3, "alfa & ômega 100%"}};
        for (const auto& [ie, name] : rows) {
            Contribuinte c = completeTaxpayer(ie);
            c.RazaoSocial = name;
            ASSERT_TRUE(saveTaxpayer(c, &error));
        }
    }
    static QString cell(const FrmProcura& s, int row, int column) {
        return s.model()->index(row, column).data().toString();
    }
};

TEST_F(FrmProcuraTest, TaxpayersByNameFollowTheTypedText) {
    FrmProcura screen(Registry::Taxpayers);
    QAbstractItemModelTester tester(screen.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    activate(screen);
    EXPECT_EQ(screen.windowTitle(), "Procura Contribuinte pela Razão Social.");
    EXPECT_EQ(screen.model()->headerData(0, Qt::Horizontal).toString(), "Razão Social");
    ASSERT_EQ(screen.model()->rowCount(), 3);
    EXPECT_EQ(cell(screen, 0, 0), "alfa & ômega 100%");
    EXPECT_EQ(cell(screen, 1, 0), "BETA MATERIAIS");
    EXPECT_EQ(cell(screen, 2, 0), kApostropheName);
    EXPECT_EQ(cell(screen, 2, 1), "29.000.001-7");
    EXPECT_EQ(screen.currentRow(), 0);

    typeText(screen.nameEdit(), "d'");
    EXPECT_EQ(screen.nameEdit()->text(), "D'");
    EXPECT_EQ(screen.currentRow(), 2);
    screen.nameEdit()->clear();
    typeText(screen.nameEdit(), "be");
    EXPECT_EQ(screen.currentRow(), 1);

    QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    ASSERT_TRUE(screen.chosen().has_value());
    EXPECT_EQ(screen.chosen()->key, kIE1);
}

TEST_F(FrmProcuraTest, OnlyCancelarWithdrawsClosingTheWindowConfirms) {
    {
        FrmProcura screen(Registry::Taxpayers);
        activate(screen);
        typeText(screen.nameEdit(), "D'ÁVILA");
        QTest::mouseClick(screen.cancelButton(), Qt::LeftButton);
        EXPECT_FALSE(screen.chosen().has_value());
    }
    {
        FrmProcura screen(Registry::Taxpayers);
        activate(screen);
        typeText(screen.nameEdit(), "D'ÁVILA");
        screen.close();
        ASSERT_TRUE(screen.chosen().has_value());
        EXPECT_EQ(screen.chosen()->name, kApostropheName);
        EXPECT_EQ(screen.chosen()->key, kIE2);
    }
}

TEST_F(FrmProcuraTest, AccountantsByNameGiveCRCAndState) {
    QString error;
    Declarante d = completeAccountant("9999999999", "EX");
    d.Nome = "ÚRSULA";
    ASSERT_TRUE(saveAccountant(d, &error));
    ASSERT_TRUE(saveAccountant(completeAccountant("1", "QX"), &error));
    FrmProcura screen(Registry::Accountants);
    activate(screen);
    EXPECT_EQ(screen.windowTitle(), "Procura Contabilistas pelo Nome.");
    EXPECT_EQ(screen.model()->headerData(0, Qt::Horizontal).toString(), "Nome");
    EXPECT_EQ(screen.model()->headerData(1, Qt::Horizontal).toString(), "CRC");
    typeText(screen.nameEdit(), "ú");
    EXPECT_EQ(cell(screen, screen.currentRow(), 0), "ÚRSULA");
    QTest::keyClick(screen.nameEdit(), Qt::Key_Return);  // OK is the default button
    ASSERT_TRUE(screen.chosen().has_value());
    EXPECT_EQ(screen.chosen()->key, "9999999999");
    EXPECT_EQ(screen.chosen()->uf, "EX");
}

TEST(FrmProcuraEmpty, AnEmptyRegistryConfirmsNothing) {
    TempProgramFolder folder;
    FrmProcura screen(Registry::Accountants);
    screen.show();
    typeText(screen.nameEdit(), "A");
    QTest::mouseClick(screen.okButton(), Qt::LeftButton);
    EXPECT_EQ(screen.currentRow(), -1);
    EXPECT_FALSE(screen.chosen().has_value());
}

} // namespace

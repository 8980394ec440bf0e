// "Consulta DARE": its two choice lists, the filters of "&Localizar" (an
// empty choice is "<TODOS>"), the grid as shown and the row chosen.

#include "GatesScreenFixture.h"

#include "payment/ui/ConsultaDareModel.h"
#include "payment/ui/FrmConsultaDare.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QDir>
#include <QPixmap>
#include <QTableView>

using namespace vexa;
using namespace vexa::payment;
using namespace vexa::test;

namespace {

QStringList items(const QComboBox* box) {
    QStringList out;
    for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
    return out;
}

TEST_F(GatesScreenTest, ConsultaDareChoicesFiltersAndChosenRow) {
    storeDare(kIE, "2024", "02", "01", "101", QDate(2024, 3, 15));
    storeDare(kIE, "2024", "01", "00", "101", QDate(2024, 3, 15));
    storeDare(kIESimples, "2024", "02", "00", "110", QDate(2024, 3, 15));

    ui::FrmConsultaDare screen;
    QAbstractItemModelTester tester(screen.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
    activate(screen);
    EXPECT_EQ(screen.windowTitle(), "Consulta DARE");
    EXPECT_EQ(items(screen.taxpayerBox()),
              (QStringList{kTodos, kNome, kNomeSimples, QStringLiteral("GAMA SEM MUNICÍPIO")}));
    EXPECT_EQ(items(screen.periodBox()), (QStringList{kTodos, "012024", "022024"}));
    EXPECT_FALSE(screen.current());   // nothing listed yet

    const struct {
        QString name, period;
        QStringList rows;   // IE / period / rectification as shown
    } cases[] = {
        {kTodos, kTodos, {"29.123.456-7 01/2024 00", "29.123.456-7 02/2024 01", "29.000.000-9 02/2024 00"}},
        {"", "", {"29.123.456-7 01/2024 00", "29.123.456-7 02/2024 01", "29.000.000-9 02/2024 00"}},
        {kTodos, "022024", {"29.123.456-7 02/2024 01", "29.000.000-9 02/2024 00"}},
        {kNomeSimples, "", {"29.000.000-9 02/2024 00"}},
        {kNomeSimples, "012024", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString() + " / " + c.period.toStdString());
        screen.taxpayerBox()->setEditText(c.name);
        screen.periodBox()->setEditText(c.period);
        QTest::mouseClick(child<QWidget>(screen, "btnLocalizar"), Qt::LeftButton);
        QStringList shown;
        const auto* m = screen.model();
        for (int r = 0; r < m->rowCount(); ++r)
            shown << QStringList{m->index(r, ui::ConsultaDareModel::IE).data().toString(),
                                 m->index(r, ui::ConsultaDareModel::Periodo).data().toString(),
                                 m->index(r, ui::ConsultaDareModel::Retificacao).data().toString()}
                         .join(' ');
        EXPECT_EQ(shown, c.rows);
        if (c.name.isEmpty()) {
            EXPECT_EQ(screen.taxpayerBox()->currentText(), kTodos);
        }
    }

    screen.taxpayerBox()->setEditText(kTodos);
    screen.periodBox()->setEditText(kTodos);
    screen.localizar();
    screen.grid()->selectRow(2);
    if (const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR"); !dir.isEmpty()) {
        EXPECT_TRUE(screen.grab().save(QDir(dir).filePath("FrmConsultaDare.png")));
    }
    QTest::mouseClick(child<QWidget>(screen, "btnRetornar"), Qt::LeftButton);
    EXPECT_FALSE(screen.isVisible());
    ASSERT_TRUE(screen.current());
    EXPECT_EQ(*screen.current(), (ConsultRow{kNomeSimples, kIESimples, "022024", "00"}));
    EXPECT_EQ(screen.current()->mes(), "02");
    EXPECT_EQ(screen.current()->ano(), "2024");
}

} // namespace

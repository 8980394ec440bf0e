#pragma once
// Shared pieces of the declaration screen tests: a fresh program folder with
// taxpayers, accountants and stored declarations written straight into their
// tables, and the helpers that drive a screen as a user would.

#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QSqlQuery>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

// Readable values in the failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QStringList& l, std::ostream* os) { *os << "{\"" << l.join("\", \"").toStdString() << "\"}"; }

namespace vexa::test {

// IEs of the home state with valid check digits.
inline const QString kIE1 = QStringLiteral("290000009");
inline const QString kIE2 = QStringLiteral("290000017");
inline const QString kApostropheName = QStringLiteral("D'ÁVILA & FILHOS COMÉRCIO LTDA");
inline const QString kCPF = QStringLiteral("52998224725");

class ScreenFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override { folder_.reset(); }

    // Runs a statement with bound values; fails the test when the engine refuses.
    static QSqlQuery exec(const QString& statement, const QVariantList& values = {});
    static int count(const QString& statement, const QVariantList& values = {});
    static QVariant value(const QString& statement, const QVariantList& values = {});

    // A taxpayer of the home state; regime "N" or "S".
    static void addTaxpayer(const QString& ie, const QString& name, const QString& regime = QStringLiteral("N"),
                            const QString& activity = QStringLiteral("4711302"));
    static void addAccountant(const QString& crc, const QString& uf, const QString& name);
    // A stored declaration row with zero amounts.
    static void addDeclaration(const QString& ie, const QString& ano, const QString& mes,
                               const QString& ret = QStringLiteral("00"), bool importado = true);
    // The IBGE code of the taxpayer's municipality.
    static qint64 taxpayerIBGE(const QString& ie);

    const ProgramFolder& folder() const { return folder_->folder(); }

private:
    std::unique_ptr<TempProgramFolder> folder_;
};

inline void settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

inline void activate(QWidget& screen) {
    screen.show();
    screen.activateWindow();
    QApplication::setActiveWindow(&screen);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    settle();
}

template <class W = QWidget>
W* child(const QWidget& screen, const QString& name) {
    W* w = screen.findChild<W*>(name);
    EXPECT_NE(w, nullptr) << "no control " << name.toStdString();
    return w;
}

// Types text as key presses; letters outside ASCII go as their text.
void typeText(QWidget* w, const QString& text);

inline QString focused() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QStringLiteral("<none>");
}

// The names among `names` whose controls are enabled, in the given order.
QStringList enabledOf(const QWidget& screen, const QStringList& names);

// Grabs the widget into <file>.png of the folder VEXA_SCREENSHOT_DIR names (nothing when unset).
void screenshot(QWidget& widget, const QString& file);

} // namespace vexa::test

#include "SheetsScreen.h"
#include "support/Screenshot.h"

#include <QDir>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QLineEdit>

namespace vexa::test {

// Only where VEXA_SCREENSHOT_DIR points, and only when it is set.
void screenshot(QWidget& widget, const QString& file) {
    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    settle();
    saveScreenshot(widget, file);
}

void typeText(QWidget* w, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() < 128) {
            QTest::keyClick(w, char(c.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

void typeIntoCell(QAbstractItemView* view, int row, int column, const QString& text) {
    const QModelIndex index = view->model()->index(row, column);
    view->setFocus();
    view->setCurrentIndex(index);
    view->edit(index);
    settle();
    QWidget* editor = QApplication::focusWidget();
    ASSERT_NE(editor, nullptr);
    if (auto* line = qobject_cast<QLineEdit*>(editor)) {
        line->selectAll();
        if (!line->inputMask().isEmpty()) {
            line->clear();
            line->setCursorPosition(0);
        }
    }
    typeText(editor, text);
    QTest::keyClick(editor, Qt::Key_Tab);
    settle();
}

void SheetsScreen::openDeclaration(const QString& mes, const QString& ano) {
    screen = std::make_unique<decl::ui::FrmVexas>(prompter_);
    screen->show();
    screen->activateWindow();
    QApplication::setActiveWindow(screen.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
    settle();
    const QStringList fields = {QStringLiteral("EdtIE"), QStringLiteral("EdtMes"), QStringLiteral("EdtAno")};
    const QStringList texts = {kTaxpayerIE, mes, ano};
    for (int i = 0; i < 3; ++i) {
        auto* e = screen->findChild<QLineEdit*>(fields[i]);
        ASSERT_NE(e, nullptr);
        if (!e->hasFocus()) e->setFocus(Qt::MouseFocusReason);
        settle();
        e->selectAll();
        typeText(e, texts[i]);
        QTest::keyClick(e, Qt::Key_Tab);
        settle();
    }
    ASSERT_EQ(screen->declState(), decl::ui::DeclState::Browse) << prompter_.last().toStdString();
}

void SheetsScreen::press(const QString& button) {
    auto* b = screen->findChild<QAbstractButton*>(button);
    ASSERT_NE(b, nullptr) << button.toStdString();
    ASSERT_TRUE(b->isEnabled()) << button.toStdString() << " is disabled";
    QTest::mouseClick(b, Qt::LeftButton);
    settle();
}

bool SheetsScreen::enabled(const QString& name) const {
    auto* w = screen->findChild<QWidget*>(name);
    EXPECT_NE(w, nullptr) << name.toStdString();
    return w && w->isEnabled();
}

} // namespace vexa::test

#pragma once
// The declaration screen driven as a user would, over the fixture's
// taxpayer and declarations: typing the key, pressing buttons, typing into
// grid cells, and grabbing screenshots to /tmp.

#include "declaration/municipality/SheetsFixture.h"
#include "declaration/ui/FrmVexas.h"

#include <QApplication>
#include <QTest>

class QAbstractItemView;

namespace vexa::test {

inline void settle() {
    for (int i = 0; i < 4; ++i) QCoreApplication::processEvents();
}

// Grabs the widget into /tmp/<file>.png.
void screenshot(QWidget& widget, const QString& file);
// Types text as key presses; letters outside ASCII go as their text.
void typeText(QWidget* w, const QString& text);
// Opens the editor of a cell (which must be current) and types into it, then Tab.
void typeIntoCell(QAbstractItemView* view, int row, int column, const QString& text);

class SheetsScreen : public SheetsFixture {
protected:
    void TearDown() override {
        screen.reset();
        SheetsFixture::TearDown();
    }
    // Opens the declaration screen and types the key of a stored declaration.
    void openDeclaration(const QString& mes = QStringLiteral("2"), const QString& ano = QStringLiteral("2024"));
    void press(const QString& button);
    bool enabled(const QString& name) const;
    template <class W>
    W* sheet(decl::Sheet s) const {
        W* w = qobject_cast<W*>(screen->sheetWidget(s));
        EXPECT_NE(w, nullptr);
        return w;
    }

    std::unique_ptr<decl::ui::FrmVexas> screen;
};

} // namespace vexa::test

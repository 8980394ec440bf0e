// gtest main for screen tests: a widgets application on the "offscreen"
// platform unless a display is asked for, Brazilian locale and Qt texts, fixed clock.
#include "common/ui/DesktopBehaviour.h"

#include <QApplication>
#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (!qEnvironmentVariableIsSet("VEXA_TODAY")) qputenv("VEXA_TODAY", "15/03/2024");
    QApplication app(argc, argv);
    // As the program entry does: Qt's own texts in Portuguese, radio arrows that select.
    vexa::ui::installDesktopBehaviour(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#pragma once
// A picture of a screen for a person to look at. The screen is always drawn
// (a fault in painting shows in every run); the picture is written only where
// VEXA_SCREENSHOT_DIR points, never anywhere else.

#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <gtest/gtest.h>

namespace vexa::test {

inline void saveScreenshot(QWidget& widget, const QString& name) {
    const QPixmap picture = widget.grab();
    EXPECT_FALSE(picture.isNull()) << name.toStdString();
    const QString dir = qEnvironmentVariable("VEXA_SCREENSHOT_DIR");
    if (dir.isEmpty()) return;
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
}

} // namespace vexa::test

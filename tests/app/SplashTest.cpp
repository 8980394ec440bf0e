// The splash screen: the delivered picture in a borderless window, or no
// splash at all when the picture is missing or broken.
#include "AppTestSupport.h"

#include "app/ui/Splash.h"

#include <QDir>
#include <QImage>
#include <gtest/gtest.h>

using namespace vexa;
using namespace vexa::test;

TEST(Splash, ShowsTheDeliveredPictureBorderless) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    const QString delivered = QDir(qEnvironmentVariable("VEXA_SOURCE_DIR")).filePath("data/program/VexaSplash.jpg");
    ASSERT_TRUE(QFile::copy(delivered, folder.file("VexaSplash.jpg"))) << delivered.toStdString();
    const auto splash = app::showSplash(folder);
    ASSERT_TRUE(splash);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_FALSE(splash->pixmap().isNull());
}

TEST(Splash, MissingOrBrokenPictureStartsWithoutIt) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    EXPECT_FALSE(app::showSplash(folder));
    writeFile(folder.file("VexaSplash.jpg"), QByteArray("\xff\xd8\xff\xe0 truncated", 15));
    EXPECT_FALSE(app::showSplash(folder));
}

TEST(Splash, PictureLargerThanTheScreenIsScaledDown) {
    QTemporaryDir dir;
    const ProgramFolder folder(dir.path());
    QImage huge(6000, 4000, QImage::Format_RGB32);
    huge.fill(Qt::darkCyan);
    ASSERT_TRUE(huge.save(folder.file("VexaSplash.jpg"), "JPG"));
    const auto splash = app::showSplash(folder);
    ASSERT_TRUE(splash);
    EXPECT_LT(splash->pixmap().width(), 6000);
}

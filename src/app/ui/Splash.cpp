#include "app/ui/Splash.h"

#include "common/Prompter.h"

#include <QApplication>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>
#include <QScreen>

namespace vexa::app {

std::unique_ptr<QSplashScreen> showSplash(const ProgramFolder& folder) {
    QImageReader reader(folder.file(kSplashPicture));
    reader.setAutoTransform(true);
    // A picture larger than the screen is shown scaled down to fit it.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QSize room = screen->availableGeometry().size() * 9 / 10;
        const QSize size = reader.size();
        if (size.isValid() && (size.width() > room.width() || size.height() > room.height()))
            reader.setScaledSize(size.scaled(room, Qt::KeepAspectRatio));
    }
    const QImage image = reader.read();
    if (image.isNull()) return nullptr;

    auto splash = std::make_unique<QSplashScreen>(QPixmap::fromImage(image));
    splash->setObjectName(QStringLiteral("FrmSplash"));
    splash->setWindowTitle(kAppTitle);
    splash->show();
    splash->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return splash;
}

} // namespace vexa::app

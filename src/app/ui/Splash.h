#pragma once
// The splash screen: a borderless window in the middle of the screen showing
// the picture delivered in the program folder, painted at once.

#include "common/ProgramFolder.h"

#include <QSplashScreen>
#include <memory>

namespace vexa::app {

inline const QString kSplashPicture = QStringLiteral("VexaSplash.jpg");

// Null when the picture is missing or unreadable: the program starts without it.
std::unique_ptr<QSplashScreen> showSplash(const ProgramFolder& folder);

} // namespace vexa::app

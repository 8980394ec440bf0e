#include "common/ProgramSettings.h"

#include <QSettings>

namespace vexa {

QString programSetting(const ProgramFolder& home, const QString& key) {
    if (!home.isValid()) return {};
    const QSettings settings(home.file(kSettingsFileName), QSettings::IniFormat);
    return settings.value(key).toString().trimmed();
}

QString selicServiceUrl(const ProgramFolder& home) {
    return programSetting(home, QStringLiteral("WebService/UrlSelic"));
}

QString taxpayerPortalAddress(const ProgramFolder& home) {
    return programSetting(home, QStringLiteral("Portal/Endereco"));
}

} // namespace vexa

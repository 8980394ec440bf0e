#pragma once
// Deployment settings of the program folder, kept in "Configuracoes.ini" beside
// the database: the addresses that belong to the deployment rather than to the
// program (the index web service, the taxpayer portal printed on the
// declaration). Never in `Config`, which the help window rewrites whole, and
// never compiled in. A missing file or key answers an empty text.

#include "common/ProgramFolder.h"

#include <QString>

namespace vexa {

inline const QString kSettingsFileName = QStringLiteral("Configuracoes.ini");

// The value of "Group/Key" in the settings file; empty when absent.
QString programSetting(const ProgramFolder& home, const QString& key);

// Endpoint of the SELIC index web service ("WebService/UrlSelic").
QString selicServiceUrl(const ProgramFolder& home);
// Address of the authority's taxpayer portal ("Portal/Endereco").
QString taxpayerPortalAddress(const ProgramFolder& home);

} // namespace vexa

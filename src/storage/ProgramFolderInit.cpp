#include "storage/ProgramFolderInit.h"

namespace vexa::storage {

bool initProgramFolder(const ProgramFolder&, const QString&, bool, QString* error) {
    if (error) *error = QStringLiteral("init not yet available");
    return false;
}

} // namespace vexa::storage

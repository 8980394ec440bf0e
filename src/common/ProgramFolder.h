#pragma once
// The program folder: DB/, Config, Log.txt, vexacriticas.err and the files
// delivered beside the program. Given by --home DIR or VEXA_HOME, otherwise
// the folder of the executable.

#include <QString>
#include <QStringList>

namespace vexa {

class ProgramFolder {
public:
    ProgramFolder() = default;
    explicit ProgramFolder(const QString& root);

    // Resolves the folder from "--home DIR" in args (removed from args),
    // then VEXA_HOME, then the executable's folder.
    static ProgramFolder resolve(QStringList& args, const QString& executableDir);

    QString root() const { return root_; }          // with a trailing '/'
    QString dbDir() const { return root_ + QStringLiteral("DB/"); }
    QString dbFile() const { return dbDir() + QStringLiteral("vexa.db"); }
    QString file(const QString& name) const { return root_ + name; }
    bool isValid() const { return !root_.isEmpty(); }

    // The delivered files that `init` copies into a new program folder:
    // VEXA_DATA_DIR, else "delivered/" beside the executable.
    static QString deliveredDir(const QString& executableDir);

private:
    QString root_;
};

} // namespace vexa

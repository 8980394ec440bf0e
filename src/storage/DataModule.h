#pragma once
// The data module: owns the "Vexa" connection for the program's life and
// brings an existing database up to the current layout before any screen is
// shown (lock-file cleanup, missing columns, rebuilt rate tables, fills, the
// reference rows that must exist, and the index rebuild once per layout version).

#include "common/ProgramFolder.h"
#include "common/Prompter.h"

#include <QString>
#include <functional>

namespace vexa::storage {

// Progress of the index rebuild ("Aguarde Criando Índices..."). The desktop
// shows a small window with a gauge; the batch program prints nothing.
class RebuildProgress {
public:
    virtual ~RebuildProgress() = default;
    virtual void begin(int total) = 0;
    virtual void step(int done) = 0;
    virtual void end() = 0;
};

struct StartUpResult {
    bool opened = false;          // the connection is open (the main window may be shown)
    bool endProgram = false;      // an index rebuild ran: the program ends after it
    QString error;                // the error that stopped the remaining steps, if any
};

class DataModule {
public:
    // Receives every error that no step catches (the application-wide handler).
    using ErrorHandler = std::function<void(const QString& message)>;

    DataModule(ProgramFolder folder, ErrorHandler onError);
    // Closes the connection and deletes the *.lck files of DB/ and of the program folder.
    ~DataModule();
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    // Runs the start-up steps in order. progress may be null; prompter shows the
    // closing message of an index rebuild.
    StartUpResult startUp(RebuildProgress* progress, Prompter& prompter);

    // The index rebuild driven by the index list file (VexaIdx90.ini). Closes
    // the "Vexa" connection (it stays closed), drops every index of the database
    // and makes again those the list names; entries that cannot be built are
    // skipped without a message. Always shows "Programa será encerrado para
    // concluir a atualização dos índices!" through the prompter and answers that
    // the program must end. *error (optional) receives the reason when the
    // database could not be opened or the rebuild not be written.
    static bool rebuildIndexes(const ProgramFolder& folder, const QString& indexListFile,
                               RebuildProgress* progress, Prompter& prompter, QString* error = nullptr);

    // The index list file of the program folder (VexaIdx90.ini, any case).
    static QString indexListFile(const ProgramFolder& folder);

    const ProgramFolder& folder() const { return folder_; }

private:
    ProgramFolder folder_;
    ErrorHandler onError_;
};

} // namespace vexa::storage

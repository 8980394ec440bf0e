#pragma once
// The SELIC update, the same from the screen's "Atualizar" and from the batch
// program: the latest SELIC month held is sent to the web service, and the
// months of its answer are stored, those already held skipped. The latest
// stored month is the only bookmark, so a run that fails is simply repeated.
//
// The answer is read and checked whole before a row is written, and the rows
// go in in one transaction: a failed call or a database error leaves the
// table as it was.

#include "common/ProgramFolder.h"
#include "common/Prompter.h"
#include "indices/WebServiceSelic.h"

#include <QObject>
#include <QUrl>
#include <chrono>

namespace vexa::indices {

struct SelicUpdateResult {
    enum class Status {
        Updated,         // the answer stored: "Índice SELIC atualizado com sucesso!"
        CallFailed,      // no usable answer: the failure message, then the failure itself
        DatabaseFailed,  // the table could not be read or written: the engine's message
        Cancelled,       // the user stopped the call; nothing changed
    };
    Status status = Status::CallFailed;
    QDate dataindeco;    // the month sent (day zero for an empty table)
    int received = 0;    // months in the answer
    InsertCount count;
    QString error;       // the failure itself
};

// The endpoint of the program folder's settings ("WebService/UrlSelic").
QUrl selicEndpoint(const ProgramFolder& home);

class SelicUpdate : public QObject {
    Q_OBJECT
public:
    explicit SelicUpdate(QUrl endpoint, QObject* parent = nullptr);

    void setTimeout(std::chrono::milliseconds limit) { call_.setTimeout(limit); }
    void setAnswerLimit(qint64 bytes) { call_.setAnswerLimit(bytes); }

    // The whole update. While the call is out it waits in a local event loop
    // (callStarted() tells a screen to show its wait dialog; cancel() ends the wait).
    SelicUpdateResult run();
    void cancel() { call_.cancel(); }

signals:
    void callStarted();

private:
    QUrl endpoint_;
    SelicServiceCall call_;
};

// The messages of an update in the screen's order, through the prompter: the
// success notice; or the failure message followed by the failure itself in the
// application's error box (which also writes it to Log.txt under screenName);
// or, for a database error, that error alone. A cancelled update says nothing.
void reportSelicUpdate(const SelicUpdateResult& result, const ProgramFolder& home, const QString& screenName,
                       Prompter& prompter);

} // namespace vexa::indices

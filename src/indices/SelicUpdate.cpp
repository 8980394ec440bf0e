#include "indices/SelicUpdate.h"

#include "common/ErrorLog.h"
#include "common/ProgramSettings.h"

#include <QEventLoop>

namespace vexa::indices {

QUrl selicEndpoint(const ProgramFolder& home) {
    const QString text = selicServiceUrl(home);
    return text.isEmpty() ? QUrl() : QUrl(text, QUrl::StrictMode);
}

SelicUpdate::SelicUpdate(QUrl endpoint, QObject* parent) : QObject(parent), endpoint_(std::move(endpoint)) {}

SelicUpdateResult SelicUpdate::run() {
    SelicUpdateResult result;

    QDate latest;
    if (!latestIndexMonth(kSelic, &latest, &result.error)) {
        result.status = SelicUpdateResult::Status::DatabaseFailed;
        return result;
    }
    result.dataindeco = latest.isValid() ? latest : dayZero();

    call_.start(endpoint_, result.dataindeco);
    if (call_.isRunning()) {
        emit callStarted();
        if (call_.isRunning()) {
            QEventLoop loop;
            connect(&call_, &SelicServiceCall::finished, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    const SelicCallResult& answer = call_.result();
    switch (answer.status) {
    case SelicCallResult::Status::Failed:
        result.status = SelicUpdateResult::Status::CallFailed;
        result.error = answer.error;
        return result;
    case SelicCallResult::Status::Cancelled:
        result.status = SelicUpdateResult::Status::Cancelled;
        result.error = answer.error;
        return result;
    case SelicCallResult::Status::Answered:
        break;
    }

    result.received = int(answer.months.size());
    if (!insertIndexMonths(kSelic, answer.months, &result.count, &result.error)) {
        result.status = SelicUpdateResult::Status::DatabaseFailed;
        return result;
    }
    result.status = SelicUpdateResult::Status::Updated;
    return result;
}

void reportSelicUpdate(const SelicUpdateResult& result, const ProgramFolder& home, const QString& screenName,
                       Prompter& prompter) {
    switch (result.status) {
    case SelicUpdateResult::Status::Updated:
        prompter.info(indices_msg::SelicAtualizado);
        return;
    case SelicUpdateResult::Status::CallFailed:
        prompter.warn(indices_msg::FalhaAtualizacaoSelic);
        handleUnhandledError(home, result.error, screenName, prompter);
        return;
    case SelicUpdateResult::Status::DatabaseFailed:
        handleUnhandledError(home, result.error, screenName, prompter);
        return;
    case SelicUpdateResult::Status::Cancelled:
        return;
    }
}

} // namespace vexa::indices

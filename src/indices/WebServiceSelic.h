#pragma once
// The tax authority's index web service: one SOAP 1.1 call, operation
// `Execute` of the port `webservprselicSoapPort`, posted straight to the
// endpoint of the deployment's settings (no WSDL is read first).
//
//   request   Dataindeco (xsd:date)  the latest SELIC month held
//             Usrwscod   (string)    the caller's fixed access code
//   result    ArrayOfindEcoSdt of indEcoSdt { dtaIndEco xsd:date, valIndEco double }
//
// The result is the body's `Execute` response element (its name ends in
// "ExecuteResponse"), the `indEcoSdt` items read wherever they stand inside it.
// The answer is read whole and checked before anyone may store a row of it:
// a transport error, an HTTP error, a SOAP fault, XML that is not well formed,
// an item with a missing, mistyped or impossible date or value, an answer past
// its size limit or past its time limit all make the call a failure with the
// reason in Portuguese, and no month.

#include "indices/IndexTable.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace vexa::indices {

inline const QString kSoapEnvelopeNamespace = QStringLiteral("http://schemas.xmlsoap.org/soap/envelope/");
inline const QString kSelicNamespace = QStringLiteral("VEXA_GXX - HML");
inline const QString kSelicSoapAction = QStringLiteral("VEXAaction/AWEBSERVPRSELIC.Execute");
inline const QString kSelicOperation = QStringLiteral("Execute");
// The access code of this deployment: 22 characters of the base64 alphabet.
inline const QString kSelicAccessCode = QStringLiteral("Hq4Ld8Wn2Kx7Pz0Vb5Tr9A");

inline constexpr std::chrono::milliseconds kSelicCallTimeout{30000};
inline constexpr qint64 kSelicAnswerLimit = 4 * 1024 * 1024;

// The request envelope, UTF-8.
QByteArray selicRequestEnvelope(const QDate& dataindeco, const QString& accessCode = kSelicAccessCode);

// What an answer body holds: the months in the order received, or the reason
// it is refused.
struct SelicAnswer {
    bool ok = false;
    QList<IndexMonth> months;   // dated as received (the day is kept)
    QString error;
    bool fault = false;         // the service answered with a SOAP fault
};
SelicAnswer readSelicAnswer(const QByteArray& body);

// The outcome of one call.
struct SelicCallResult {
    enum class Status { Answered, Failed, Cancelled };
    Status status = Status::Failed;
    QList<IndexMonth> months;
    QString error;        // the failure, for Failed and Cancelled
    int httpStatus = 0;   // 0 when no HTTP answer came

    bool ok() const { return status == Status::Answered; }
};

// One call of `Execute` over Qt Network. start() posts the request and returns;
// finished() comes once, when the answer is read and checked, the call failed,
// ran past its time limit or was cancelled (from start() itself when the
// endpoint is unusable).
class SelicServiceCall : public QObject {
    Q_OBJECT
public:
    explicit SelicServiceCall(QObject* parent = nullptr);
    ~SelicServiceCall() override;

    // The whole call, from sending to the last byte of the answer, may take this long.
    void setTimeout(std::chrono::milliseconds limit) { timeout_ = limit; }
    // An answer longer than this is refused as it arrives.
    void setAnswerLimit(qint64 bytes) { limit_ = bytes; }

    void start(const QUrl& endpoint, const QDate& dataindeco);
    // Ends a call in progress as Cancelled.
    void cancel();

    bool isRunning() const { return reply_ != nullptr; }
    const SelicCallResult& result() const { return result_; }

signals:
    void finished();

private:
    enum class Ended { No, TimedOut, Cancelled, TooLarge };
    void onReadyRead();
    void onFinished();
    void endNow(Ended why);
    void finish(SelicCallResult result);

    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    QTimer* timer_ = nullptr;
    QByteArray body_;
    QUrl endpoint_;
    Ended ended_ = Ended::No;
    std::chrono::milliseconds timeout_ = kSelicCallTimeout;
    qint64 limit_ = kSelicAnswerLimit;
    SelicCallResult result_;
};

} // namespace vexa::indices

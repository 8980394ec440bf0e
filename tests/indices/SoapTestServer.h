#pragma once
// A stand-in for the authority's index web service on the loopback address:
// it records each request (method, path, headers, body) and answers with the
// reply it was given: a status and body, silence, a body cut short, or a
// stream of bytes past any sensible size. It runs on the test's own event
// loop, which the client's wait keeps turning.

#include "indices/IndexTable.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUrl>

namespace vexa::test {

class SoapTestServer : public QObject {
    Q_OBJECT
public:
    struct Reply {
        enum class Kind { Answer, Silent, CutShort, Flood };
        Kind kind = Kind::Answer;
        int status = 200;
        QByteArray body;
        QByteArray extraHeaders;     // "Name: value\r\n" lines
        qint64 floodBytes = 0;       // Flood: bytes sent after the body, without Content-Length
        bool announceLength = true;  // Flood: announce the whole length in Content-Length
    };
    struct Request {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers;   // names in lower case
        QByteArray body;
    };

    SoapTestServer();
    QUrl url() const;
    void setReply(Reply reply) { reply_ = std::move(reply); }
    const QList<Request>& requests() const { return requests_; }

    // A SOAP 1.1 envelope around the body's content.
    static QByteArray envelope(const QByteArray& bodyContent);
    // The answer of Execute with these items: {dtaIndEco, valIndEco} as texts.
    static QByteArray answer(const QList<std::pair<QByteArray, QByteArray>>& items);
    static Reply ok(const QList<std::pair<QByteArray, QByteArray>>& items);

private:
    void onConnection();
    void onData(class QTcpSocket* socket);
    void respond(QTcpSocket* socket);

    Reply reply_;
    QList<Request> requests_;
    QHash<QTcpSocket*, QByteArray> pending_;
    // Last, so that it goes first: its sockets still find pending_ when they go.
    QTcpServer server_;
};

} // namespace vexa::test

#include "SoapTestServer.h"

#include <QTcpSocket>
#include <gtest/gtest.h>

namespace vexa::test {

SoapTestServer::SoapTestServer() {
    EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0)) << server_.errorString().toStdString();
    connect(&server_, &QTcpServer::newConnection, this, &SoapTestServer::onConnection);
}

QUrl SoapTestServer::url() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1/vexa-gxx-hml/servlet/awebservpr").arg(server_.serverPort()));
}

QByteArray SoapTestServer::envelope(const QByteArray& bodyContent) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>"
           "<SOAP-ENV:Envelope xmlns:SOAP-ENV=\"http://schemas.xmlsoap.org/soap/envelope/\" "
           "xmlns:xsd=\"http://www.w3.org/2001/XMLSchema\" xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
           "<SOAP-ENV:Body>" +
           bodyContent + "</SOAP-ENV:Body></SOAP-ENV:Envelope>";
}

QByteArray SoapTestServer::answer(const QList<std::pair<QByteArray, QByteArray>>& items) {
    QByteArray array;
    for (const auto& [date, value] : items)
        array += "<indEcoSdt><dtaIndEco>" + date + "</dtaIndEco><valIndEco>" + value + "</valIndEco></indEcoSdt>";
    return envelope("<ExecuteResponse xmlns=\"VEXA_GXX - HML\"><ArrayOfindEcoSdt>" + array +
                    "</ArrayOfindEcoSdt></ExecuteResponse>");
}

SoapTestServer::Reply SoapTestServer::ok(const QList<std::pair<QByteArray, QByteArray>>& items) {
    Reply r;
    r.body = answer(items);
    return r;
}

void SoapTestServer::onConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QObject::destroyed, this, [this, socket] { pending_.remove(socket); });
    }
}

void SoapTestServer::onData(QTcpSocket* socket) {
    QByteArray& buffer = pending_[socket];
    buffer += socket->readAll();
    const qsizetype end = buffer.indexOf("\r\n\r\n");
    if (end < 0) return;
    Request request;
    const QList<QByteArray> lines = buffer.left(end).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0) request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length").toLongLong();
    if (buffer.size() < end + 4 + length) return;   // the body is still coming
    request.body = buffer.mid(end + 4, length);
    buffer.clear();
    requests_.append(request);
    respond(socket);
}

void SoapTestServer::respond(QTcpSocket* socket) {
    const Reply& r = reply_;
    if (r.kind == Reply::Kind::Silent) return;
    QByteArray head = "HTTP/1.1 " + QByteArray::number(r.status) + (r.status == 200 ? " OK" : " Erro") +
                      "\r\nContent-Type: text/xml; charset=utf-8\r\nConnection: close\r\n" + r.extraHeaders;
    switch (r.kind) {
    case Reply::Kind::Answer:
        head += "Content-Length: " + QByteArray::number(r.body.size()) + "\r\n";
        break;
    case Reply::Kind::CutShort:
        head += "Content-Length: " + QByteArray::number(r.body.size() + 500) + "\r\n";
        break;
    case Reply::Kind::Flood:
        if (r.announceLength) head += "Content-Length: " + QByteArray::number(r.body.size() + r.floodBytes) + "\r\n";
        break;
    case Reply::Kind::Silent:
        break;
    }
    socket->write(head + "\r\n" + r.body);
    if (r.kind == Reply::Kind::Flood) socket->write(QByteArray(r.floodBytes, ' '));
    socket->disconnectFromHost();
}

} // namespace vexa::test

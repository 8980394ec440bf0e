#include "indices/WebServiceSelic.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <cmath>

namespace vexa::indices {

// ---- the request ---------------------------------------------------------------------

QByteArray selicRequestEnvelope(const QDate& dataindeco, const QString& accessCode) {
    QByteArray out;
    QXmlStreamWriter xml(&out);
    xml.writeStartDocument();
    xml.writeNamespace(kSoapEnvelopeNamespace, QStringLiteral("SOAP-ENV"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema"), QStringLiteral("xsd"));
    xml.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    xml.writeStartElement(kSoapEnvelopeNamespace, QStringLiteral("Envelope"));
    xml.writeStartElement(kSoapEnvelopeNamespace, QStringLiteral("Body"));
    // Document style: the operation's element, its parameters qualified by the port's namespace.
    // The default namespace is declared on the operation's element itself, and its parameters inherit it.
    xml.writeStartElement(kSelicOperation);
    xml.writeDefaultNamespace(kSelicNamespace);
    xml.writeTextElement(QStringLiteral("Dataindeco"), dataindeco.toString(QStringLiteral("yyyy-MM-dd")));
    xml.writeTextElement(QStringLiteral("Usrwscod"), accessCode);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return out;
}

// ---- the answer ------------------------------------------------------------------------

namespace {

// xsd:date: "yyyy-mm-dd", optionally followed by a time zone ("Z", "-03:00").
std::optional<QDate> xsdDate(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})(?:Z|[+-](?:0\\d|1[0-4]):[0-5]\\d)?$"));
    const QRegularExpressionMatch m = form.match(text.trimmed());
    if (!m.hasMatch()) return std::nullopt;
    const QDate d(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if (!d.isValid() || d.year() < 1900) return std::nullopt;
    return d;
}

// xsd:double in its decimal and exponent forms. INF and NaN are doubles too,
// but not values a month can hold; they are told apart for the message.
enum class DoubleRead { Number, NotFinite, NotANumber };
DoubleRead xsdDouble(const QString& text, double* value) {
    static const QRegularExpression form(
        QStringLiteral("^[+-]?(?:\\d+(?:\\.\\d*)?|\\.\\d+)(?:[eE][+-]?\\d+)?$"));
    const QString t = text.trimmed();
    if (t == QLatin1String("INF") || t == QLatin1String("-INF") || t == QLatin1String("+INF") ||
        t == QLatin1String("NaN"))
        return DoubleRead::NotFinite;
    if (!form.match(t).hasMatch()) return DoubleRead::NotANumber;
    bool ok = false;
    *value = t.toDouble(&ok);
    if (!ok || !std::isfinite(*value)) return DoubleRead::NotFinite;
    return DoubleRead::Number;
}

QString shown(const QString& text) {
    const QString t = text.simplified();
    return t.size() > 40 ? t.left(40) + QStringLiteral("...") : t;
}

class AnswerReader {
public:
    explicit AnswerReader(const QByteArray& body) : xml_(body) {}

    SelicAnswer read() {
        if (!readEnvelope()) return fail();
        // Whatever follows must still be well formed: a cut answer is refused whole.
        while (!xml_.atEnd()) xml_.readNext();
        if (xml_.hasError()) return xmlFail();
        if (!answered_) return fail(QStringLiteral("A resposta do serviço não traz o resultado de Execute."));
        answer_.ok = true;
        return answer_;
    }

private:
    bool readEnvelope() {
        // The root element; a document type declaration has no place in a SOAP message.
        while (!xml_.atEnd()) {
            const QXmlStreamReader::TokenType t = xml_.readNext();
            if (t == QXmlStreamReader::DTD) return setError(QStringLiteral("A resposta do serviço traz uma DTD."));
            if (t == QXmlStreamReader::StartElement) break;
        }
        if (xml_.hasError() || !xml_.isStartElement()) return setXmlError();
        if (xml_.name() != QLatin1String("Envelope") || xml_.namespaceUri() != kSoapEnvelopeNamespace)
            return setError(QStringLiteral("A resposta do serviço não é um envelope SOAP 1.1."));
        while (xml_.readNextStartElement()) {
            if (xml_.namespaceUri() == kSoapEnvelopeNamespace && xml_.name() == QLatin1String("Body")) {
                if (answered_) return setError(QStringLiteral("A resposta do serviço traz mais de um Body."));
                if (!readBody()) return false;
            } else {
                xml_.skipCurrentElement();
            }
        }
        if (xml_.hasError()) return setXmlError();
        return true;
    }

    bool readBody() {
        if (!xml_.readNextStartElement()) {
            if (xml_.hasError()) return setXmlError();
            return setError(QStringLiteral("A resposta do serviço não traz o resultado de Execute."));
        }
        if (xml_.namespaceUri() == kSoapEnvelopeNamespace && xml_.name() == QLatin1String("Fault")) return readFault();
        if (!xml_.name().endsWith(QLatin1String("ExecuteResponse")))
            return setError(QStringLiteral("A resposta do serviço traz o elemento inesperado %1.")
                                .arg(xml_.name().toString()));
        if (!readResponse()) return false;
        answered_ = true;
        // Anything after the result in the body is not ours to read.
        while (xml_.readNextStartElement()) xml_.skipCurrentElement();
        return !xml_.hasError() || setXmlError();
    }

    bool readFault() {
        QString code, text;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == QLatin1String("faultcode"))
                code = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
            else if (xml_.name() == QLatin1String("faultstring"))
                text = xml_.readElementText(QXmlStreamReader::IncludeChildElements);
            else
                xml_.skipCurrentElement();
        }
        if (xml_.hasError()) return setXmlError();
        answer_.fault = true;
        QString message = QStringLiteral("O serviço recusou o pedido (SOAP Fault)");
        if (!text.trimmed().isEmpty()) message += QStringLiteral(": ") + text.trimmed();
        if (!code.trimmed().isEmpty()) message += QStringLiteral(" [%1]").arg(code.trimmed());
        return setError(message + QLatin1Char('.'));
    }

    // Every `indEcoSdt` inside the result, at any depth (the array may come
    // wrapped in the result's own element). Read without recursion, so deep
    // nesting cannot exhaust the stack.
    bool readResponse() {
        int depth = 1;
        while (depth > 0 && !xml_.atEnd()) {
            const QXmlStreamReader::TokenType t = xml_.readNext();
            if (t == QXmlStreamReader::StartElement) {
                if (xml_.name() == QLatin1String("indEcoSdt")) {
                    if (!readItem()) return false;
                } else {
                    ++depth;
                }
            } else if (t == QXmlStreamReader::EndElement) {
                --depth;
            }
        }
        if (xml_.hasError()) return setXmlError();
        return true;
    }

    bool readItem() {
        const int item = int(answer_.months.size()) + 1;
        std::optional<QString> date, value;
        while (xml_.readNextStartElement()) {
            const bool isDate = xml_.name() == QLatin1String("dtaIndEco");
            const bool isValue = xml_.name() == QLatin1String("valIndEco");
            if (!isDate && !isValue) {
                xml_.skipCurrentElement();
                continue;
            }
            const QString field = xml_.name().toString();
            std::optional<QString>& slot = isDate ? date : value;
            if (slot) return setError(QStringLiteral("Item %1 da resposta: %2 repetido.").arg(item).arg(field));
            const QString text = xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            if (xml_.hasError()) {
                if (xml_.error() == QXmlStreamReader::UnexpectedElementError)
                    return setError(QStringLiteral("Item %1 da resposta: %2 não é um valor simples.").arg(item).arg(field));
                return setXmlError();
            }
            slot = text;
        }
        if (xml_.hasError()) return setXmlError();
        if (!date) return setError(QStringLiteral("Item %1 da resposta: falta dtaIndEco.").arg(item));
        if (!value) return setError(QStringLiteral("Item %1 da resposta: falta valIndEco.").arg(item));

        const std::optional<QDate> d = xsdDate(*date);
        if (!d)
            return setError(
                QStringLiteral("Item %1 da resposta: dtaIndEco não é uma data: \"%2\".").arg(item).arg(shown(*date)));
        double v = 0;
        switch (xsdDouble(*value, &v)) {
        case DoubleRead::NotANumber:
            return setError(
                QStringLiteral("Item %1 da resposta: valIndEco não é um número: \"%2\".").arg(item).arg(shown(*value)));
        case DoubleRead::NotFinite:
            return setError(QStringLiteral("Item %1 da resposta: valIndEco não é um número finito: \"%2\".")
                                .arg(item)
                                .arg(shown(*value)));
        case DoubleRead::Number:
            break;
        }
        if (const CheckResult c = checkIndexValue(v); !c)
            return setError(QStringLiteral("Item %1 da resposta: %2").arg(item).arg(c.message));
        answer_.months.append({*d, v});
        return true;
    }

    bool setError(const QString& message) {
        error_ = message;
        return false;
    }
    bool setXmlError() {
        if (!xml_.hasError()) return setError(QStringLiteral("A resposta do serviço está vazia."));
        if (xml_.error() == QXmlStreamReader::PrematureEndOfDocumentError)
            return setError(QStringLiteral("A resposta do serviço chegou incompleta (o XML termina na linha %1, coluna %2).")
                                .arg(xml_.lineNumber())
                                .arg(xml_.columnNumber()));
        return setError(QStringLiteral("A resposta do serviço não é um XML válido (linha %1, coluna %2): %3")
                            .arg(xml_.lineNumber())
                            .arg(xml_.columnNumber())
                            .arg(xml_.errorString()));
    }
    SelicAnswer fail(const QString& message = {}) {
        SelicAnswer a;
        a.fault = answer_.fault;
        a.error = message.isEmpty() ? error_ : message;
        return a;
    }
    SelicAnswer xmlFail() {
        setXmlError();
        return fail();
    }

    QXmlStreamReader xml_;
    SelicAnswer answer_;
    QString error_;
    bool answered_ = false;
};

QString durationText(std::chrono::milliseconds ms) {
    if (ms.count() % 1000 == 0) return QStringLiteral("%1 segundos").arg(ms.count() / 1000);
    return QStringLiteral("%1 milissegundos").arg(ms.count());
}

} // namespace

SelicAnswer readSelicAnswer(const QByteArray& body) {
    if (body.trimmed().isEmpty()) {
        SelicAnswer a;
        a.error = QStringLiteral("A resposta do serviço está vazia.");
        return a;
    }
    return AnswerReader(body).read();
}

// ---- the call ------------------------------------------------------------------------

SelicServiceCall::SelicServiceCall(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)), timer_(new QTimer(this)) {
    timer_->setSingleShot(true);
    connect(timer_, &QTimer::timeout, this, [this] { endNow(Ended::TimedOut); });
}

SelicServiceCall::~SelicServiceCall() {
    if (reply_) {
        reply_->disconnect(this);
        reply_->abort();
    }
}

void SelicServiceCall::start(const QUrl& endpoint, const QDate& dataindeco) {
    if (isRunning()) return;
    ended_ = Ended::No;
    body_.clear();
    result_ = {};
    endpoint_ = endpoint;

    if (endpoint.isEmpty()) {
        finish({SelicCallResult::Status::Failed, {},
                QStringLiteral("O endereço do serviço de índices não está configurado (WebService/UrlSelic em Configuracoes.ini)."),
                0});
        return;
    }
    const QString scheme = endpoint.scheme().toLower();
    if (!endpoint.isValid() || endpoint.host().isEmpty() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        finish({SelicCallResult::Status::Failed, {},
                QStringLiteral("O endereço do serviço de índices é inválido: \"%1\".").arg(endpoint.toString()), 0});
        return;
    }

    QNetworkRequest request(endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/xml; charset=utf-8"));
    request.setRawHeader("SOAPAction", '"' + kSelicSoapAction.toUtf8() + '"');
    // The request goes to this address and nowhere else.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::ManualRedirectPolicy);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);

    reply_ = network_->post(request, selicRequestEnvelope(dataindeco));
    connect(reply_, &QNetworkReply::readyRead, this, &SelicServiceCall::onReadyRead);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        if (!reply_) return;
        bool ok = false;
        const qint64 announced = reply_->header(QNetworkRequest::ContentLengthHeader).toLongLong(&ok);
        if (ok && announced > limit_) endNow(Ended::TooLarge);
    });
    connect(reply_, &QNetworkReply::finished, this, &SelicServiceCall::onFinished);
    timer_->start(timeout_);
}

void SelicServiceCall::cancel() {
    if (reply_) endNow(Ended::Cancelled);
}

void SelicServiceCall::onReadyRead() {
    if (!reply_ || ended_ != Ended::No) return;
    body_ += reply_->read(limit_ + 1 - body_.size());
    if (body_.size() > limit_) endNow(Ended::TooLarge);
}

void SelicServiceCall::endNow(Ended why) {
    if (!reply_ || ended_ != Ended::No) return;
    ended_ = why;
    reply_->abort();   // finished() follows, now or from the event loop
}

void SelicServiceCall::onFinished() {
    QNetworkReply* reply = reply_;
    if (!reply) return;
    reply_ = nullptr;
    timer_->stop();
    reply->disconnect(this);
    reply->deleteLater();

    SelicCallResult out;
    out.httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (ended_ == Ended::No) {
        body_ += reply->read(limit_ + 1 - body_.size());
        if (body_.size() > limit_) ended_ = Ended::TooLarge;
    }
    const QString where = endpoint_.toString(QUrl::RemoveUserInfo);

    switch (ended_) {
    case Ended::TimedOut:
        out.error = QStringLiteral("O serviço de índices em %1 não respondeu em %2.").arg(where, durationText(timeout_));
        finish(out);
        return;
    case Ended::Cancelled:
        out.status = SelicCallResult::Status::Cancelled;
        out.error = QStringLiteral("Atualização cancelada.");
        finish(out);
        return;
    case Ended::TooLarge:
        out.error = QStringLiteral("A resposta do serviço de índices passa do limite de %1 bytes.").arg(limit_);
        finish(out);
        return;
    case Ended::No:
        break;
    }

    const int status = out.httpStatus;
    if (status != 0 && (status < 200 || status > 299)) {
        // A SOAP fault comes with an HTTP error status; its own text says more.
        const SelicAnswer answer = readSelicAnswer(body_);
        if (answer.fault) {
            out.error = answer.error + QStringLiteral(" (HTTP %1)").arg(status);
        } else {
            out.error = QStringLiteral("O serviço de índices respondeu HTTP %1 %2.")
                            .arg(status)
                            .arg(reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString())
                            .replace(QStringLiteral(" ."), QStringLiteral("."));
            const QString location = QString::fromUtf8(reply->rawHeader("Location"));
            if (status >= 300 && status < 400 && !location.isEmpty())
                out.error += QStringLiteral(" Novo endereço indicado: %1").arg(shown(location));
        }
        finish(out);
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        out.error = status == 0 ? QStringLiteral("Não foi possível falar com o serviço de índices em %1: %2")
                                      .arg(where, reply->errorString())
                                : QStringLiteral("A resposta do serviço de índices chegou incompleta: %1")
                                      .arg(reply->errorString());
        finish(out);
        return;
    }
    const SelicAnswer answer = readSelicAnswer(body_);
    if (!answer.ok) {
        out.error = answer.error;
        finish(out);
        return;
    }
    out.status = SelicCallResult::Status::Answered;
    out.months = answer.months;
    finish(out);
}

void SelicServiceCall::finish(SelicCallResult result) {
    result_ = std::move(result);
    body_.clear();
    emit finished();
}

} // namespace vexa::indices

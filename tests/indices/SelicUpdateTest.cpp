// The SELIC update against a real HTTP server on the loopback address: the
// request as the service expects it, new months stored and repeated ones
// skipped, and every kind of broken answer refused whole with the table left
// as it was.

#include "IndicesFixture.h"
#include "SoapTestServer.h"

#include "indices/SelicUpdate.h"
#include "support/EngineSql.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QXmlStreamReader>

using namespace vexa;
using namespace vexa::indices;
using namespace vexa::test;
using namespace std::chrono_literals;

namespace {

using Reply = SoapTestServer::Reply;

class SelicUpdateTest : public IndicesTest {
protected:
    SoapTestServer server;

    SelicUpdateResult update(std::chrono::milliseconds timeout = 10s) {
        SelicUpdate u(server.url());
        u.setTimeout(timeout);
        return u.run();
    }

    // The text of each element of the request body by local name, with its namespace.
    static QHash<QString, std::pair<QString, QString>> requestElements(const QByteArray& body) {
        QHash<QString, std::pair<QString, QString>> out;
        QXmlStreamReader xml(body);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            const QString name = xml.name().toString();
            const QString ns = xml.namespaceUri().toString();
            out.insert(name, {ns, name == QLatin1String("Dataindeco") || name == QLatin1String("Usrwscod")
                                      ? xml.readElementText()
                                      : QString()});
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        return out;
    }
};

TEST_F(SelicUpdateTest, StoresNewMonthsSkipsHeldOnesAndSendsTheLatestMonth) {
    server.setReply(SoapTestServer::ok({{"2025-07-01", "0.0999"},          // held: kept as it is
                                        {"2025-08-01-03:00", "0.0116"},    // with a time zone
                                        {"2025-09-15", "1.05E-2"},         // stored on the first day
                                        {"2025-08-01", "0.5"}}));          // the month again in the answer
    const SelicUpdateResult r = update();
    ASSERT_EQ(r.status, SelicUpdateResult::Status::Updated) << r.error.toStdString();
    EXPECT_EQ(r.received, 4);
    EXPECT_EQ(r.count.inserted, 2);
    EXPECT_EQ(r.count.skipped, 2);
    EXPECT_DOUBLE_EQ(stored(kSelic, "2025-07-01"), 0.0128);
    EXPECT_DOUBLE_EQ(stored(kSelic, "2025-08-01"), 0.0116);
    EXPECT_DOUBLE_EQ(stored(kSelic, "2025-09-01"), 0.0105);

    ASSERT_EQ(server.requests().size(), 1);
    const SoapTestServer::Request& req = server.requests().first();
    EXPECT_EQ(req.method, "POST");
    EXPECT_EQ(req.path, "/vexa-gxx-hml/servlet/awebservpr");
    QByteArray action = req.headers.value("soapaction");
    if (action.startsWith('"') && action.endsWith('"')) action = action.mid(1, action.size() - 2);
    EXPECT_EQ(action, "VEXAaction/AWEBSERVPRSELIC.Execute");
    EXPECT_TRUE(req.headers.value("content-type").startsWith("text/xml")) << req.headers.value("content-type").data();

    const auto elements = requestElements(req.body);
    EXPECT_EQ(elements.value("Envelope").first, kSoapEnvelopeNamespace);
    EXPECT_EQ(elements.value("Body").first, kSoapEnvelopeNamespace);
    EXPECT_EQ(elements.value("Execute").first, QStringLiteral("VEXA_GXX - HML"));
    EXPECT_EQ(elements.value("Dataindeco"), std::make_pair(QStringLiteral("VEXA_GXX - HML"), QStringLiteral("2025-07-01")));
    EXPECT_EQ(elements.value("Usrwscod").second, QStringLiteral("Hq4Ld8Wn2Kx7Pz0Vb5Tr9A"));
    EXPECT_EQ(elements.value("Usrwscod").second.size(), 22);

    // The next run asks from the new latest month.
    server.setReply(SoapTestServer::ok({{"2025-09-01", "0.0105"}}));
    EXPECT_EQ(update().count.skipped, 1);
    EXPECT_EQ(requestElements(server.requests().last().body).value("Dataindeco").second, QStringLiteral("2025-09-01"));
}

TEST_F(SelicUpdateTest, EmptyTableSendsDayZeroAndAnEmptyArrayIsASuccess) {
    exec(QStringLiteral("DELETE FROM IndicesEconomicos WHERE CodigoIndice = 5"));
    const QStringList before = snapshot();
    server.setReply(SoapTestServer::ok({}));
    const SelicUpdateResult r = update();
    EXPECT_EQ(r.status, SelicUpdateResult::Status::Updated) << r.error.toStdString();
    EXPECT_EQ(r.count.inserted, 0);
    EXPECT_EQ(r.dataindeco, QDate(1899, 12, 30));
    ASSERT_EQ(server.requests().size(), 1);
    EXPECT_EQ(requestElements(server.requests().first().body).value("Dataindeco").second, QStringLiteral("1899-12-30"));
    EXPECT_EQ(snapshot(), before);

    ScriptedPrompter prompter;
    reportSelicUpdate(r, folder().folder(), QStringLiteral("FrmSelic"), prompter);
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("info: Índice SELIC atualizado com sucesso!")});
}

TEST_F(SelicUpdateTest, BrokenAnswersAreRefusedWholeAndStoreNothing) {
    const QByteArray good = "<indEcoSdt><dtaIndEco>2025-08-01</dtaIndEco><valIndEco>0.0116</valIndEco></indEcoSdt>";
    const auto withItem = [&](const QByteArray& item) {
        return SoapTestServer::envelope("<ExecuteResponse xmlns=\"VEXA_GXX - HML\"><ArrayOfindEcoSdt>" + good + item +
                                        "</ArrayOfindEcoSdt></ExecuteResponse>");
    };
    const auto item = [&](const QByteArray& date, const QByteArray& value) {
        return withItem("<indEcoSdt><dtaIndEco>" + date + "</dtaIndEco><valIndEco>" + value + "</valIndEco></indEcoSdt>");
    };
    const QByteArray fault = SoapTestServer::envelope(
        "<SOAP-ENV:Fault><faultcode>SOAP-ENV:Client</faultcode><faultstring>Usuario invalido</faultstring>"
        "</SOAP-ENV:Fault>");
    const auto answer = [](int status, QByteArray body, QByteArray headers = {}) {
        Reply r;
        r.status = status;
        r.body = std::move(body);
        r.extraHeaders = std::move(headers);
        return r;
    };
    const auto kind = [](Reply::Kind k, QByteArray body, qint64 flood = 0, bool announce = true) {
        Reply r;
        r.kind = k;
        r.body = std::move(body);
        r.floodBytes = flood;
        r.announceLength = announce;
        return r;
    };
    const struct {
        const char* name;
        Reply reply;
        const char* expected;   // part of the failure
    } cases[] = {
        {"HTTP 500 without a fault", answer(500, "Internal error"), "HTTP 500"},
        {"HTTP 500 with a SOAP fault", answer(500, fault), "Usuario invalido"},
        {"SOAP fault with status 200", answer(200, fault), "SOAP Fault"},
        {"redirect", answer(302, "", "Location: http://elsewhere.example/\r\n"), "HTTP 302"},
        {"HTML page", answer(200, "<html><body>Manutencao</body></html>"), "envelope SOAP"},
        {"malformed XML", answer(200, SoapTestServer::envelope("<ExecuteResponse><indEcoSdt></ExecuteResponse>")),
         "XML"},
        {"XML cut in the middle", answer(200, SoapTestServer::answer({{"2025-08-01", "0.0116"}}).left(300)),
         "incompleta"},
        {"document type declaration", answer(200, "<?xml version=\"1.0\"?><!DOCTYPE x [<!ENTITY a \"b\">]><x/>"), "DTD"},
        {"empty body", answer(200, ""), "vazia"},
        {"no result", answer(200, SoapTestServer::envelope("")), "resultado"},
        {"value not a number", answer(200, item("2025-09-01", "abc")), "Item 2"},
        {"value with a decimal comma", answer(200, item("2025-09-01", "0,0116")), "não é um número"},
        {"value INF", answer(200, item("2025-09-01", "INF")), "finito"},
        {"value NaN", answer(200, item("2025-09-01", "NaN")), "finito"},
        {"value too large for a double", answer(200, item("2025-09-01", "1e999")), "finito"},
        {"value negative", answer(200, item("2025-09-01", "-0.01")), "negativo"},
        {"value with child elements", answer(200, item("2025-09-01", "<b>1</b>")), "valor simples"},
        {"date not a date", answer(200, item("2025-02-30", "0.01")), "data"},
        {"date in another form", answer(200, item("01/09/2025", "0.01")), "data"},
        {"date empty", answer(200, item("", "0.01")), "data"},
        {"date missing", answer(200, withItem("<indEcoSdt><valIndEco>0.01</valIndEco></indEcoSdt>")), "falta dtaIndEco"},
        {"value missing", answer(200, withItem("<indEcoSdt><dtaIndEco>2025-09-01</dtaIndEco></indEcoSdt>")),
         "falta valIndEco"},
        {"value twice", answer(200, withItem("<indEcoSdt><dtaIndEco>2025-09-01</dtaIndEco><valIndEco>1</valIndEco>"
                                             "<valIndEco>2</valIndEco></indEcoSdt>")),
         "repetido"},
        {"connection closed before the announced length", kind(Reply::Kind::CutShort, SoapTestServer::answer({})),
         "incompleta"},
        {"huge answer, length announced", kind(Reply::Kind::Flood, SoapTestServer::answer({}), 5 * 1024 * 1024),
         "limite"},
        {"huge answer, length not announced",
         kind(Reply::Kind::Flood, SoapTestServer::answer({}).left(200), 5 * 1024 * 1024, false), "limite"},
    };
    const QStringList before = snapshot();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        server.setReply(c.reply);
        const SelicUpdateResult r = update();
        EXPECT_EQ(r.status, SelicUpdateResult::Status::CallFailed);
        EXPECT_TRUE(r.error.contains(QString::fromUtf8(c.expected))) << r.error.toStdString();
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(SelicUpdateTest, AServerThatNeverAnswersEndsWithinTheLimit) {
    Reply silent;
    silent.kind = Reply::Kind::Silent;
    server.setReply(silent);
    const QStringList before = snapshot();
    QElapsedTimer clock;
    clock.start();
    const SelicUpdateResult r = update(300ms);
    EXPECT_EQ(r.status, SelicUpdateResult::Status::CallFailed);
    EXPECT_TRUE(r.error.contains(QStringLiteral("não respondeu em 300 milissegundos"))) << r.error.toStdString();
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_EQ(snapshot(), before);

    // The failure message, then the failure in the error box and in Log.txt.
    ScriptedPrompter prompter;
    reportSelicUpdate(r, folder().folder(), QStringLiteral("FrmSelic"), prompter);
    ASSERT_EQ(prompter.log().size(), 2);
    EXPECT_EQ(prompter.log()[0], QStringLiteral("warn: ") + indices_msg::FalhaAtualizacaoSelic);
    EXPECT_EQ(prompter.log()[1], QStringLiteral("error: ") + r.error);
    QFile log(folder().path(QStringLiteral("Log.txt")));
    ASSERT_TRUE(log.open(QIODevice::ReadOnly));
    EXPECT_TRUE(log.readAll().contains("\"FrmSelic\""));
}

TEST_F(SelicUpdateTest, CancelAndBadEndpointsStoreNothing) {
    Reply silent;
    silent.kind = Reply::Kind::Silent;
    server.setReply(silent);
    const QStringList before = snapshot();
    {
        SelicUpdate u(server.url());
        QObject::connect(&u, &SelicUpdate::callStarted, &u, [&u] { QTimer::singleShot(0, &u, &SelicUpdate::cancel); });
        const SelicUpdateResult r = u.run();
        EXPECT_EQ(r.status, SelicUpdateResult::Status::Cancelled);
        ScriptedPrompter prompter;
        reportSelicUpdate(r, folder().folder(), QStringLiteral("FrmSelic"), prompter);
        EXPECT_TRUE(prompter.log().isEmpty());
    }
    for (const QString& url : {QString(), QStringLiteral("ftp://127.0.0.1/x"), QStringLiteral("nada")}) {
        SCOPED_TRACE(url.toStdString());
        const SelicUpdateResult r = SelicUpdate(QUrl(url)).run();
        EXPECT_EQ(r.status, SelicUpdateResult::Status::CallFailed);
        EXPECT_TRUE(r.error.contains(QStringLiteral("endereço"))) << r.error.toStdString();
    }
    EXPECT_EQ(snapshot(), before);
}

TEST_F(SelicUpdateTest, ADatabaseErrorMidwayLeavesNoMonthStored) {
    refuseRows(QStringLiteral("IndicesEconomicos"), QStringLiteral("INSERT"), QStringLiteral("disco cheio"),
               QStringLiteral("NEW.Data = '2025-09-01'"));
    const QStringList before = snapshot();
    server.setReply(SoapTestServer::ok({{"2025-08-01", "0.0116"}, {"2025-09-01", "0.0105"}}));
    const SelicUpdateResult r = update();
    EXPECT_EQ(r.status, SelicUpdateResult::Status::DatabaseFailed);
    EXPECT_TRUE(r.error.contains(QStringLiteral("disco cheio"))) << r.error.toStdString();
    EXPECT_EQ(snapshot(), before);

    ScriptedPrompter prompter;
    reportSelicUpdate(r, folder().folder(), QStringLiteral("FrmSelic"), prompter);
    EXPECT_EQ(prompter.log(), QStringList{QStringLiteral("error: ") + r.error});
}

} // namespace

#include "editor/mediawiki.h"
#include "editor/wiktionarysite.h"
#include "loopbackhttpserver.h"
#include "testmain.h"

#include <QSignalSpy>

namespace {

using Response = LoopbackHttpServer::Response;

const WiktionarySite loopbackSite(QStringLiteral("http"), QStringLiteral("wiktionary.test"));
const QByteArray html = QByteArrayLiteral("text/html; charset=utf-8");

Response page(const QString &text)
{
    return Response{200, {{"Content-Type", html}}, text.toUtf8(), false};
}

Response redirect(int status, const QByteArray &location)
{
    QList<QPair<QByteArray, QByteArray>> headers;
    if (!location.isEmpty())
        headers << qMakePair(QByteArrayLiteral("Location"), location);
    return Response{status, headers, QByteArrayLiteral("<p>moved</p>"), false};
}

struct Client
{
    explicit Client(int language = 0)
    {
        wiki.setSite(loopbackSite);
        wiki.setLanguage(language);
    }

    // Starts a look-up and waits for its answer; false when none came.
    bool lookUp(const QString &term)
    {
        const int before = spy.count();
        wiki.search(term);
        return spy.wait(5000) || spy.count() > before;
    }

    bool lastSuccess() const { return spy.last().at(0).toBool(); }

    MediaWiki wiki;
    QSignalSpy spy{&wiki, QOverload<bool>::of(&MediaWiki::finished)};
};

} // namespace

class TestMediaWiki : public QObject
{
    Q_OBJECT

private slots:
    void defaultAddressIsTheEditionOverHttps();
    void asksTheEditionForTheRenderedPage_data();
    void asksTheEditionForTheRenderedPage();
    void emptyTermSendsNothing();
    void noEditionFailsWithoutARequest_data();
    void noEditionFailsWithoutARequest();
    void failedAnswersEmptyTheResult_data();
    void failedAnswersEmptyTheResult();
    void followsARedirectWithinTheEdition();
    void onlyTheLatestLookUpCounts();
};

void TestMediaWiki::defaultAddressIsTheEditionOverHttps()
{
    MediaWiki wiki;
    QCOMPARE(wiki.language(), 9);
    QCOMPARE(wiki.site().pageUrl(QStringLiteral("kn"), QStringLiteral("ಕನ್ನಡ ಪದ")).toString(QUrl::FullyEncoded),
             QStringLiteral("https://kn.wiktionary.org/wiki/"
                            "%E0%B2%95%E0%B2%A8%E0%B3%8D%E0%B2%A8%E0%B2%A1%20%E0%B2%AA%E0%B2%A6"
                            "?action=render"));
}

void TestMediaWiki::asksTheEditionForTheRenderedPage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("term");
    QTest::addColumn<QByteArray>("requestLine");

    QTest::newRow("Kannada, a space in the word") << 0 << QStringLiteral("ಕನ್ನಡ ಪದ")
            << QByteArray("GET http://kn.wiktionary.test/wiki/"
                          "%E0%B2%95%E0%B2%A8%E0%B3%8D%E0%B2%A8%E0%B2%A1%20%E0%B2%AA%E0%B2%A6"
                          "?action=render HTTP/1.1");
    QTest::newRow("question mark and hash stay in the word") << 4 << QStringLiteral("a?b#c")
            << QByteArray("GET http://hi.wiktionary.test/wiki/a%3Fb%23c?action=render HTTP/1.1");
    QTest::newRow("slash, plus and ampersand too") << 1 << QStringLiteral("C++/x&y")
            << QByteArray("GET http://te.wiktionary.test/wiki/C%2B%2B%2Fx%26y?action=render HTTP/1.1");
    QTest::newRow("surrounding spaces are sent") << 7 << QStringLiteral(" x ")
            << QByteArray("GET http://pa.wiktionary.test/wiki/%20x%20?action=render HTTP/1.1");
    QTest::newRow("Oriya edition") << 3 << QStringLiteral("x")
            << QByteArray("GET http://or.wiktionary.test/wiki/x?action=render HTTP/1.1");
    QTest::newRow("Tamil edition") << 8 << QStringLiteral("x")
            << QByteArray("GET http://ta.wiktionary.test/wiki/x?action=render HTTP/1.1");
}

void TestMediaWiki::asksTheEditionForTheRenderedPage()
{
    QFETCH(int, language);
    QFETCH(QString, term);
    QFETCH(QByteArray, requestLine);

    LoopbackHttpServer server;
    const QString body = QStringLiteral("<p>ಪದ %1</p>").arg(term);
    server.serve(QStringLiteral("/wiki/") + term, page(body));
    Client client(language);

    QVERIFY(client.lookUp(term));
    QCOMPARE(server.requestLines(), QList<QByteArray>{requestLine});
    QCOMPARE(client.spy.count(), 1);
    QVERIFY(client.lastSuccess());
    QCOMPARE(client.wiki.result(), body);
}

void TestMediaWiki::emptyTermSendsNothing()
{
    LoopbackHttpServer server;
    server.serve(QStringLiteral("/wiki/x"), page(QStringLiteral("x")));
    Client client;

    client.wiki.search(QString());
    QVERIFY(client.lookUp(QStringLiteral("x")));
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(client.spy.count(), 1);
}

void TestMediaWiki::noEditionFailsWithoutARequest_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("domain");

    QTest::newRow("English") << 9 << QStringLiteral("wiktionary.test");
    QTest::newRow("past the table") << 10 << QStringLiteral("wiktionary.test");
    QTest::newRow("negative") << -1 << QStringLiteral("wiktionary.test");
    QTest::newRow("no domain") << 0 << QString();
}

void TestMediaWiki::noEditionFailsWithoutARequest()
{
    QFETCH(int, language);
    QFETCH(QString, domain);

    LoopbackHttpServer server;
    server.serve(QStringLiteral("/wiki/x"), page(QStringLiteral("x")));
    Client client;
    QVERIFY(client.lookUp(QStringLiteral("x")));
    QVERIFY(!client.wiki.result().isEmpty());

    client.wiki.setLanguage(language);
    client.wiki.setSite(WiktionarySite(QStringLiteral("http"), domain));
    client.wiki.search(QStringLiteral("x"));
    QCOMPARE(client.spy.count(), 1);   // the failure comes through the event loop
    QVERIFY(client.spy.wait(5000));
    QVERIFY(!client.lastSuccess());
    QVERIFY(client.wiki.result().isEmpty());
    QCOMPARE(server.requests().size(), 1);
}

void TestMediaWiki::failedAnswersEmptyTheResult_data()
{
    QTest::addColumn<Response>("answer");

    QTest::newRow("not found") << Response{404, {}, QByteArrayLiteral("<p>no such page</p>"), false};
    QTest::newRow("server error") << Response{500, {}, QByteArrayLiteral("<p>oops</p>"), false};
    QTest::newRow("redirect to another site") << redirect(302, "http://elsewhere.test/wiki/y");
    QTest::newRow("redirect to another edition") << redirect(301, "http://te.wiktionary.test/wiki/y");
    QTest::newRow("redirect to another scheme") << redirect(301, "https://kn.wiktionary.test/wiki/y");
    QTest::newRow("redirect without a target") << redirect(302, QByteArray());
    QTest::newRow("not modified") << redirect(304, QByteArray());
}

void TestMediaWiki::failedAnswersEmptyTheResult()
{
    QFETCH(Response, answer);

    LoopbackHttpServer server;
    server.serve(QStringLiteral("/wiki/good"), page(QStringLiteral("good")));
    server.serve(QStringLiteral("/wiki/x"), answer);
    // Where the redirects point: through the test proxy it would answer.
    server.serve(QStringLiteral("/wiki/y"), page(QStringLiteral("elsewhere")));
    Client client;
    QVERIFY(client.lookUp(QStringLiteral("good")));

    QVERIFY(client.lookUp(QStringLiteral("x")));
    QCOMPARE(client.spy.count(), 2);
    QVERIFY(!client.lastSuccess());
    QCOMPARE(client.wiki.result(), QString());
}

void TestMediaWiki::followsARedirectWithinTheEdition()
{
    LoopbackHttpServer server;
    server.serve(QStringLiteral("/wiki/Ab"),
                 redirect(301, "http://kn.wiktionary.test/wiki/ab?action=render"));
    server.serve(QStringLiteral("/wiki/ab"), page(QStringLiteral("<p>ab</p>")));
    Client client;

    QVERIFY(client.lookUp(QStringLiteral("Ab")));
    QCOMPARE(client.spy.count(), 1);
    QVERIFY(client.lastSuccess());
    QCOMPARE(client.wiki.result(), QStringLiteral("<p>ab</p>"));
    QCOMPARE(server.requestLines(),
             (QList<QByteArray>{"GET http://kn.wiktionary.test/wiki/Ab?action=render HTTP/1.1",
                                "GET http://kn.wiktionary.test/wiki/ab?action=render HTTP/1.1"}));
}

void TestMediaWiki::onlyTheLatestLookUpCounts()
{
    LoopbackHttpServer server;
    Response slow = page(QStringLiteral("slow"));
    slow.held = true;
    server.serve(QStringLiteral("/wiki/slow"), slow);
    server.serve(QStringLiteral("/wiki/quick"), page(QStringLiteral("quick")));
    server.serve(QStringLiteral("/wiki/next"), page(QStringLiteral("next")));
    Client client;
    QStringList shown;
    connect(&client.wiki, QOverload<bool>::of(&MediaWiki::finished), this,
            [&] { shown << client.wiki.result(); });

    client.wiki.search(QStringLiteral("slow"));
    QVERIFY(server.waitForRequests(1));
    QVERIFY(client.lookUp(QStringLiteral("quick")));
    // The older answer is let go, then a third look-up shows what arrived.
    server.release();
    QVERIFY(client.lookUp(QStringLiteral("next")));

    QCOMPARE(shown, (QStringList{"quick", "next"}));
    QCOMPARE(client.wiki.result(), QStringLiteral("next"));
}

YAVO_TEST_MAIN(TestMediaWiki)
#include "tst_mediawiki.moc"

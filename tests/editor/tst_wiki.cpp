#include "editor/mediawiki.h"
#include "editor/searchwidget.h"
#include "editor/wiki.h"
#include "editor/wiktionarysite.h"
#include "loopbackhttpserver.h"
#include "modalanswerer.h"
#include "testmain.h"
#include "widgets/unicodelineedit.h"

#include <QProgressBar>
#include <QSignalSpy>
#include <QTextBrowser>

namespace {

using Response = LoopbackHttpServer::Response;

const WiktionarySite loopbackSite(QStringLiteral("http"), QStringLiteral("wiktionary.test"));
const QString api = QStringLiteral("/w/api.php");

Response xml(const QByteArray &body, int status = 200)
{
    return Response{status, {{"Content-Type", "text/xml; charset=utf-8"}}, body, false};
}

QByteArray linksXml(const QStringList &titles)
{
    QByteArray body = "<?xml version=\"1.0\"?><api><query><pages><page title=\"x\"><links>";
    for (const QString &title : titles)
        body += "<pl ns=\"0\" title=\"" + title.toUtf8() + "\"/>";
    return body + "</links></page></pages></query></api>";
}

struct Client
{
    Client() { wiki.setSite(loopbackSite); }

    bool answered(int count)
    {
        while (spy.count() < count) {
            if (!spy.wait(5000))
                return false;
        }
        return true;
    }

    Wiki wiki;
    QSignalSpy spy{&wiki, QOverload<bool>::of(&Wiki::finished)};
};

} // namespace

class TestWiki : public QObject
{
    Q_OBJECT

private slots:
    void linksQueryAddress_data();
    void linksQueryAddress();
    void emptyTermSendsNothing();
    void noDomainFailsWithoutARequest();
    void linksAnswer_data();
    void linksAnswer();
    void editFlowPostsASection_data();
    void editFlowPostsASection();
    void editAnswerIsNotTakenForLinks();

    void searchWidgetShowsThePage();
    void searchWidgetWithAnEmptyField();
    void searchWidgetRefusesLinks();
};

void TestWiki::linksQueryAddress_data()
{
    QTest::addColumn<int>("language");   // -1: never set
    QTest::addColumn<QString>("term");
    QTest::addColumn<QByteArray>("requestLine");

    QTest::newRow("initial language asks the English edition") << -1 << "x"
            << QByteArray("GET http://en.wiktionary.test/w/api.php?action=query&titles=x&prop=links&format=xml HTTP/1.1");
    QTest::newRow("Kannada") << 0 << "ಪದ"
            << QByteArray("GET http://kn.wiktionary.test/w/api.php?action=query&titles=%E0%B2%AA%E0%B2%A6&prop=links&format=xml HTTP/1.1");
    QTest::newRow("Oriya asks the English edition") << 3 << "x"
            << QByteArray("GET http://en.wiktionary.test/w/api.php?action=query&titles=x&prop=links&format=xml HTTP/1.1");
    QTest::newRow("Tamil") << 8 << "x"
            << QByteArray("GET http://ta.wiktionary.test/w/api.php?action=query&titles=x&prop=links&format=xml HTTP/1.1");
    QTest::newRow("the term stays one value") << 4 << "C++ & co#1?=x"
            << QByteArray("GET http://hi.wiktionary.test/w/api.php?action=query&titles=C%2B%2B%20%26%20co%231%3F%3Dx&prop=links&format=xml HTTP/1.1");
}

void TestWiki::linksQueryAddress()
{
    QFETCH(int, language);
    QFETCH(QString, term);
    QFETCH(QByteArray, requestLine);

    LoopbackHttpServer server;
    server.serve(api, xml(linksXml({})));
    Client client;
    if (language >= 0)
        client.wiki.setLanguage(language);
    client.wiki.search(term);
    QVERIFY(client.answered(1));
    QCOMPARE(server.requestLines(), QList<QByteArray>{requestLine});
}

void TestWiki::emptyTermSendsNothing()
{
    LoopbackHttpServer server;
    server.serve(api, xml(linksXml({"b"})));
    Client client;
    client.wiki.search(QString());
    client.wiki.search(QStringLiteral("x"));
    QVERIFY(client.answered(1));
    QCOMPARE(server.requests().size(), 1);
    QCOMPARE(client.wiki.results(), QStringList{"b"});
}

void TestWiki::noDomainFailsWithoutARequest()
{
    LoopbackHttpServer server;
    Client client;
    client.wiki.setSite(WiktionarySite(QStringLiteral("http"), QString()));
    client.wiki.search(QStringLiteral("x"));
    QVERIFY(client.spy.isEmpty());
    QVERIFY(client.answered(1));
    QVERIFY(!client.spy.first().at(0).toBool());
    QVERIFY(server.requests().isEmpty());
}

void TestWiki::linksAnswer_data()
{
    QTest::addColumn<Response>("answer");
    QTest::addColumn<bool>("success");
    QTest::addColumn<QStringList>("results");

    QTest::newRow("titles sorted, capitals first") << xml(linksXml({"b", "A", "ಪದ", "a", "B"}))
            << true << QStringList{"A", "B", "a", "b", "ಪದ"};
    QTest::newRow("no links") << xml("<?xml version=\"1.0\"?><api><query><pages><page title=\"x\" missing=\"\"/></pages></query></api>")
            << true << QStringList();
    QTest::newRow("broken answer keeps what was read") << xml("<api><pl title=\"b\"/><pl title=\"a\"/><pl")
            << false << QStringList{"b", "a"};
    QTest::newRow("server error") << xml(linksXml({"a"}), 500) << false << QStringList();
    QTest::newRow("redirect to another site")
            << Response{302, {{"Location", "http://elsewhere.test/w/api.php"}}, linksXml({"a"}), false}
            << false << QStringList();
}

void TestWiki::linksAnswer()
{
    QFETCH(Response, answer);
    QFETCH(bool, success);
    QFETCH(QStringList, results);

    LoopbackHttpServer server;
    server.serve(api, answer);
    Client client;
    client.wiki.search(QStringLiteral("x"));
    QVERIFY(client.answered(1));
    QCOMPARE(client.spy.count(), 1);
    QCOMPARE(client.spy.first().at(0).toBool(), success);
    QCOMPARE(client.wiki.results(), results);
}

void TestWiki::editFlowPostsASection_data()
{
    QTest::addColumn<QByteArray>("tokenAnswer");
    QTest::addColumn<QByteArray>("body");

    QTest::newRow("token and time stamp")
            << QByteArray("<api><query><pages><page title=\"zest\" edittoken=\"ab12+\\\">"
                          "<revisions><rev timestamp=\"2019-06-01T10:00:00Z\"/></revisions>"
                          "</page></pages></query></api>")
            << QByteArray("action=edit&title=word&section=new&summary=bhaashe&text=bhaashe"
                          "&basetimestamp=2019-06-01T10%3A00%3A00Z&token=ab12%2B%5C&format=xml");
    QTest::newRow("no token is posted all the same")
            << QByteArray("<api><query><pages><page title=\"zest\"/></pages></query></api>")
            << QByteArray("action=edit&title=word&section=new&summary=bhaashe&text=bhaashe"
                          "&basetimestamp=&token=&format=xml");
}

void TestWiki::editFlowPostsASection()
{
    QFETCH(QByteArray, tokenAnswer);
    QFETCH(QByteArray, body);

    LoopbackHttpServer server;
    server.serve(api, xml(tokenAnswer));
    server.serve(api, xml("<api><edit result=\"Success\" title=\"word\"/></api>"), "POST");
    Client client;

    client.wiki.requestEditToken();
    QVERIFY(client.answered(2));
    const QList<LoopbackHttpServer::Request> requests = server.requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests.at(0).requestLine,
             QByteArray("GET http://kn.wiktionary.test/w/api.php?action=query&prop=info%7Crevisions"
                        "&intoken=edit&titles=zest&format=xml HTTP/1.1"));
    QCOMPARE(requests.at(1).requestLine, QByteArray("POST http://kn.wiktionary.test/w/api.php HTTP/1.1"));
    QCOMPARE(requests.at(1).headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
    QCOMPARE(requests.at(1).body, body);
    QCOMPARE(client.spy.at(0).at(0).toBool(), true);
    QCOMPARE(client.spy.at(1).at(0).toBool(), true);
    QVERIFY(client.wiki.results().isEmpty());
}

void TestWiki::editAnswerIsNotTakenForLinks()
{
    LoopbackHttpServer server;
    server.serve(api, xml("<api><page edittoken=\"t\"/></api>"));
    Response edit = xml("<api><edit result=\"Success\"/></api>");
    edit.held = true;
    server.serve(api, edit, "POST");
    Client client;

    client.wiki.requestEditToken();
    QVERIFY(server.waitForRequests(2));
    // A links query while the edit is under way.
    server.serve(api, xml(linksXml({"b", "a"})));
    client.wiki.search(QStringLiteral("x"));
    QVERIFY(client.answered(2));
    QCOMPARE(client.wiki.results(), (QStringList{"a", "b"}));

    server.release();
    QVERIFY(client.answered(3));
    QVERIFY(client.spy.at(2).at(0).toBool());
    QCOMPARE(client.wiki.results(), (QStringList{"a", "b"}));

    // With a token kept, asking again sends nothing.
    client.wiki.requestEditToken();
    client.wiki.search(QStringLiteral("y"));
    QVERIFY(client.answered(4));
    QCOMPARE(server.requests().size(), 4);
}

namespace {

struct Search
{
    Search()
    {
        widget.setSite(loopbackSite);
        widget.setLanguage(0, 0);
        field = widget.findChild<UnicodeLineEdit *>();
        browser = widget.findChild<QTextBrowser *>();
        busy = widget.findChild<QProgressBar *>();
    }

    bool answered()
    {
        QSignalSpy spy(widget.findChild<MediaWiki *>(), QOverload<bool>::of(&MediaWiki::finished));
        return spy.wait(5000);
    }

    LoopbackHttpServer server;
    SearchWidget widget;
    UnicodeLineEdit *field = nullptr;
    QTextBrowser *browser = nullptr;
    QProgressBar *busy = nullptr;
};

} // namespace

void TestWiki::searchWidgetShowsThePage()
{
    Search s;
    QVERIFY(s.field && s.browser && s.busy);
    s.server.serve(QStringLiteral("/wiki/ ab "), Response{200, {}, "<p>spaced</p>", false});
    s.server.serve(QStringLiteral("/wiki/ab cd"), Response{200, {}, "<p>simplified</p>", false});

    // Typed with surrounding spaces: sent with them.
    s.field->setPlainText(QStringLiteral(" ab "));
    QTest::keyClick(s.field, Qt::Key_Return);
    QVERIFY(!s.busy->isHidden());
    QVERIFY(s.answered());
    QVERIFY(s.busy->isHidden());
    QCOMPARE(s.browser->toPlainText(), QStringLiteral("spaced"));

    // Handed over: simplified first.
    s.widget.search(QStringLiteral("  ab   cd "));
    QVERIFY(s.answered());
    QCOMPARE(s.browser->toPlainText(), QStringLiteral("simplified"));
    QCOMPARE(s.server.requestLines(),
             (QList<QByteArray>{"GET http://kn.wiktionary.test/wiki/%20ab%20?action=render HTTP/1.1",
                                "GET http://kn.wiktionary.test/wiki/ab%20cd?action=render HTTP/1.1"}));
}

void TestWiki::searchWidgetWithAnEmptyField()
{
    Search s;
    s.server.serve(QStringLiteral("/wiki/x"), Response{200, {}, "<p>x</p>", false});
    s.browser->setPlainText(QStringLiteral("old page"));
    s.field->setPlainText(QStringLiteral("   "));
    s.widget.go();
    QVERIFY(s.browser->toPlainText().isEmpty());
    QVERIFY(!s.busy->isHidden());

    s.widget.search(QStringLiteral("x"));
    QVERIFY(s.answered());
    QCOMPARE(s.server.requests().size(), 1);
}

void TestWiki::searchWidgetRefusesLinks()
{
    Search s;
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("Yavo - Wiktionary (Online)...)"),
                              QStringLiteral("Don't be over  ;) smart !"), QMessageBox::Ok);
    emit s.browser->anchorClicked(QUrl(QStringLiteral("//kn.wiktionary.test/wiki/x")));
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QVERIFY(s.server.requests().isEmpty());
}

YAVO_TEST_MAIN(TestWiki)
#include "tst_wiki.moc"

#include "editor/mediawiki.h"
#include "editor/wiktionaryonline.h"
#include "editor/wiktionarysite.h"
#include "loopbackhttpserver.h"
#include "testmain.h"
#include "utils/utils.h"
#include "widgets/unicodelineedit.h"

#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QProgressBar>
#include <QTextBrowser>
#include <QToolButton>

namespace {

using Response = LoopbackHttpServer::Response;

const WiktionarySite loopbackSite(QStringLiteral("http"), QStringLiteral("wiktionary.test"));

QString pageText(const QString &word)
{
    return QStringLiteral("page of %1").arg(word);
}

// The dialog over a loopback edition that has a page for every word used.
struct Window
{
    explicit Window(int language = 0)
        : dialog(new WiktionaryOnline)
    {
        const QStringList words = {"a", "b", "c", "d", "e", "ಪದ", "ಪದ#Kannada"};
        for (const QString &word : words) {
            server.serve(QStringLiteral("/wiki/") + word,
                         Response{200, {}, QStringLiteral("<p>%1</p>").arg(pageText(word)).toUtf8(), false});
        }
        dialog->setSite(loopbackSite);
        dialog->setLanguage(language, 0);
        field = dialog->findChild<UnicodeLineEdit *>(QStringLiteral("plainTextEdit"));
        browser = dialog->findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
        busy = dialog->findChild<QProgressBar *>(QStringLiteral("progressBar"));
        back = dialog->findChild<QToolButton *>(QStringLiteral("backwardButton"));
        forward = dialog->findChild<QToolButton *>(QStringLiteral("forwardButton"));
        search = dialog->findChild<QToolButton *>(QStringLiteral("toolButton"));
    }
    ~Window() { delete dialog; }

    // Waits for the page being fetched, if any.
    bool settled()
    {
        QSignalSpy answered(dialog->findChild<MediaWiki *>(), QOverload<bool>::of(&MediaWiki::finished));
        return busy->isHidden() || answered.wait(5000);
    }

    // Types the word into the field and presses Return.
    bool lookUp(const QString &word)
    {
        field->setPlainText(word);
        QTest::keyClick(field, Qt::Key_Return);
        return settled();
    }

    bool click(QToolButton *button)
    {
        if (!button->isEnabled())
            return false;
        button->click();
        return settled();
    }

    LoopbackHttpServer server;
    QPointer<WiktionaryOnline> dialog;
    UnicodeLineEdit *field = nullptr;
    QTextBrowser *browser = nullptr;
    QProgressBar *busy = nullptr;
    QToolButton *back = nullptr;
    QToolButton *forward = nullptr;
    QToolButton *search = nullptr;
};

} // namespace

class TestWiktionaryOnline : public QObject
{
    Q_OBJECT

private slots:
    void showsThePageOfTheWordTyped();
    void walksTheHistory_data();
    void walksTheHistory();
    void followsLinksWithinTheEdition_data();
    void followsLinksWithinTheEdition();
    void englishLooksNothingUp();
    void closingDestroysTheWindow();
};

void TestWiktionaryOnline::showsThePageOfTheWordTyped()
{
    Window w;
    QVERIFY(w.field && w.browser && w.busy && w.back && w.forward && w.search);
    QVERIFY(w.busy->isHidden());
    QVERIFY(!w.back->isEnabled() && !w.forward->isEnabled());
    QCOMPARE(w.browser->font().family(), Utils::defaultFontFamily(0));

    w.field->setPlainText(QStringLiteral("ಪದ"));
    w.search->click();
    QVERIFY(!w.busy->isHidden());
    QVERIFY(w.settled());
    QCOMPARE(w.browser->toPlainText(), pageText(QStringLiteral("ಪದ")));
    QCOMPARE(w.server.requestLines(),
             QList<QByteArray>{"GET http://kn.wiktionary.test/wiki/%E0%B2%AA%E0%B2%A6?action=render HTTP/1.1"});
    QVERIFY(w.back->isEnabled());

    // A word the edition does not have leaves an empty page.
    QVERIFY(w.lookUp(QStringLiteral("zz")));
    QCOMPARE(w.browser->toPlainText(), QString());

    // Return in an empty field fetches nothing.
    QVERIFY(w.lookUp(QString()));
    QCOMPARE(w.server.requests().size(), 2);
}

void TestWiktionaryOnline::walksTheHistory_data()
{
    // Steps: a word is looked up as typed, "<" is Back and ">" Forward.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<bool>("forwardEnabled");
    QTest::addColumn<int>("fetches");

    QTest::newRow("one word") << "a" << "a" << true << false << 1;
    QTest::newRow("back to the one before") << "a b c <" << "b" << true << true << 4;
    QTest::newRow("back to the first") << "a b c < <" << "a" << false << true << 5;
    QTest::newRow("forward again") << "a b c < < >" << "b" << true << true << 6;
    QTest::newRow("new word after stepping back is appended") << "a b c < d <" << "c" << true << true << 6;
    QTest::newRow("current word again is not recorded") << "a b b <" << "a" << false << true << 4;
    QTest::newRow("an earlier word is recorded again") << "a b a <" << "b" << true << true << 4;
    QTest::newRow("back from the only word goes nowhere") << "a <" << "a" << false << true << 1;
    QTest::newRow("and the next word is not recorded") << "a < e >" << "a" << false << true << 3;
    QTest::newRow("forward from the last goes nowhere") << "a < >" << "a" << true << false << 1;
    QTest::newRow("and the next word is not recorded either") << "a < > e < >" << "a" << true << false << 3;
}

void TestWiktionaryOnline::walksTheHistory()
{
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    QFETCH(bool, backEnabled);
    QFETCH(bool, forwardEnabled);
    QFETCH(int, fetches);

    Window w;
    const QStringList list = steps.split(QLatin1Char(' '));
    for (const QString &step : list) {
        if (step == QLatin1String("<"))
            QVERIFY(w.click(w.back));
        else if (step == QLatin1String(">"))
            QVERIFY(w.click(w.forward));
        else
            QVERIFY(w.lookUp(step));
    }
    QCOMPARE(w.field->text(), shown);
    QCOMPARE(w.browser->toPlainText(), pageText(shown));
    QCOMPARE(w.back->isEnabled(), backEnabled);
    QCOMPARE(w.forward->isEnabled(), forwardEnabled);
    QCOMPARE(w.server.requests().size(), fetches);
}

void TestWiktionaryOnline::followsLinksWithinTheEdition_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<QString>("word");   // empty: not followed

    QTest::newRow("a word of the edition") << "//kn.wiktionary.test/wiki/ಪದ" << "ಪದ";
    QTest::newRow("percent-encoded") << "//kn.wiktionary.test/wiki/%E0%B2%AA%E0%B2%A6" << "ಪದ";
    QTest::newRow("fragment kept") << "//kn.wiktionary.test/wiki/ಪದ#Kannada" << "ಪದ#Kannada";
    QTest::newRow("another edition") << "//te.wiktionary.test/wiki/ಪದ" << QString();
    QTest::newRow("another site") << "//kn.example.test/wiki/ಪದ" << QString();
    QTest::newRow("with a scheme") << "http://kn.wiktionary.test/wiki/ಪದ" << QString();
    QTest::newRow("another path") << "//kn.wiktionary.test/w/index.php?title=x" << QString();
    QTest::newRow("inside the page") << "#Kannada" << QString();
}

void TestWiktionaryOnline::followsLinksWithinTheEdition()
{
    QFETCH(QString, href);
    QFETCH(QString, word);

    Window w;
    QVERIFY(w.lookUp(QStringLiteral("a")));
    emit w.browser->anchorClicked(QUrl(href));
    QVERIFY(w.settled());
    if (word.isEmpty()) {
        QCOMPARE(w.server.requests().size(), 1);
        QCOMPARE(w.field->text(), QStringLiteral("a"));
    } else {
        QCOMPARE(w.server.requests().size(), 2);
        QCOMPARE(w.field->text(), word);
        QCOMPARE(w.browser->toPlainText(), pageText(word));
    }
}

void TestWiktionaryOnline::englishLooksNothingUp()
{
    Window w(9);
    QVERIFY(w.lookUp(QStringLiteral("a")));
    QVERIFY(w.busy->isHidden());
    QCOMPARE(w.browser->toPlainText(), QString());
    emit w.browser->anchorClicked(QUrl(QStringLiteral("//.wiktionary.test/wiki/b")));
    QVERIFY(w.settled());
    QVERIFY(w.server.requests().isEmpty());
}

void TestWiktionaryOnline::closingDestroysTheWindow()
{
    Window w;
    Response held = Response{200, {}, QByteArrayLiteral("<p>late</p>"), true};
    w.server.serve(QStringLiteral("/wiki/late"), held);
    w.dialog->show();
    QVERIFY(w.lookUp(QStringLiteral("a")));
    // Closed while a page is on its way.
    w.field->setPlainText(QStringLiteral("late"));
    w.search->click();
    QVERIFY(w.server.waitForRequests(2));

    w.dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))->button(QDialogButtonBox::Close)->click();
    QTRY_VERIFY(w.dialog.isNull());
}

YAVO_TEST_MAIN(TestWiktionaryOnline)
#include "tst_wiktionaryonline.moc"

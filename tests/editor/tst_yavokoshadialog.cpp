#include "core/sharedsettings.h"
#include "dictfixture.h"
#include "editor/yavokoshadialog.h"
#include "modalanswerer.h"
#include "testmain.h"
#include "widgets/unicodelineedit.h"

#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>

namespace {

const QString akka = QStringLiteral("ಅಕ್ಕ");
const QString akki = QStringLiteral("ಅಕ್ಕಿ");
const QString anna = QStringLiteral("ಅಣ್ಣ");
const QString oddWord = QStringLiteral("x<i>&\"#?%y");
const QString nbsp2 = QStringLiteral("\u00A0\u00A0");
const QString indent = QStringLiteral("  ");   // nbsp2 as plain text

DictContent kannadaDictionary()
{
    DictContent content;
    content.languageName = QStringLiteral("Kannada");
    content.wordsText = QStringList{akka, akki, anna, QStringLiteral("ಮನೆ"), oddWord}.join(QLatin1Char('\n'));
    content.entries = {
        {akka, akka + QStringLiteral("<p>elder sister</p>")},
        {akki, akki + QStringLiteral("<p>rice</p>")},
        {anna, anna + QStringLiteral("<p>elder brother</p>")},
    };
    return content;
}

// The hrefs of the links in the view, in order.
QStringList links(const QTextDocument *document)
{
    QStringList hrefs;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty())
                hrefs << href;
        }
    }
    return hrefs;
}

struct Kosha
{
    explicit Kosha(int language = 0)
        : dialog(new YavoKoshaDialog)
    {
        field = dialog->findChild<UnicodeLineEdit *>(QStringLiteral("wordLineEdit"));
        browser = dialog->findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
        status = dialog->findChild<QLabel *>(QStringLiteral("statusBar"));
        back = dialog->findChild<QToolButton *>(QStringLiteral("backwardButton"));
        forward = dialog->findChild<QToolButton *>(QStringLiteral("forwardButton"));
        search = dialog->findChild<QToolButton *>(QStringLiteral("searchButton"));
        close = dialog->findChild<QPushButton *>(QStringLiteral("pushButton"));
        dialog->setLanguage(language, 0);
    }
    ~Kosha() { delete dialog; }

    void lookUp(const QString &typed)
    {
        field->setPlainText(typed);
        QTest::keyClick(field, Qt::Key_Return);
    }

    YavoKoshaDialog *dialog;
    UnicodeLineEdit *field = nullptr;
    QTextBrowser *browser = nullptr;
    QLabel *status = nullptr;
    QToolButton *back = nullptr;
    QToolButton *forward = nullptr;
    QToolButton *search = nullptr;
    QPushButton *close = nullptr;
};

} // namespace

class TestYavoKoshaDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void showsTheEntryUnderItsHeadword();
    void wordWithoutEntryListsSimilarWords();
    void markupInWordsIsShownAsText();
    void walksTheHistory_data();
    void walksTheHistory();
    void closingOnlyHides();
    void languageWithoutDictionary();
    void statusLine();
    void keyboardActionWithoutGroupChangesNothing();
    void keepsItsGeometry();

private:
    AppDictFolder m_dct;
};

void TestYavoKoshaDialog::initTestCase()
{
    QVERIFY(DictFixture::writeDatabase(m_dct.filePath(QStringLiteral("kn.db")), kannadaDictionary()));
}

void TestYavoKoshaDialog::showsTheEntryUnderItsHeadword()
{
    Kosha k;
    QVERIFY(k.field && k.browser && k.status && k.back && k.forward && k.search && k.close);
    QVERIFY(k.field->isEnabled() && k.browser->isEnabled());

    k.dialog->searchWord(QStringLiteral("  ") + akka + QStringLiteral("  "));
    QCOMPARE(k.field->text(), akka);
    const QTextBlock heading = k.browser->document()->begin();
    QCOMPARE(heading.text(), nbsp2 + akka);
    QCOMPARE(heading.blockFormat().headingLevel(), 2);
    QCOMPARE(heading.next().text(), QStringLiteral("elder sister"));

    // Typed with trailing spaces: looked up and recorded trimmed.
    k.lookUp(anna + QStringLiteral("   "));
    QVERIFY(k.browser->toPlainText().endsWith(QStringLiteral("elder brother")));
    k.lookUp(akki);
    k.back->click();
    QCOMPARE(k.field->text(), anna);
    QVERIFY(k.browser->toPlainText().endsWith(QStringLiteral("elder brother")));
    k.back->click();
    QCOMPARE(k.field->text(), akka);
}

void TestYavoKoshaDialog::wordWithoutEntryListsSimilarWords()
{
    Kosha k;
    const QString part = QStringLiteral("ಅಕ್");
    k.lookUp(part);
    QCOMPARE(k.status->text(), QStringLiteral("Word not found. Sorry!"));
    QCOMPARE(k.browser->toPlainText(), QStringList({indent + part, akka, akki}).join(QLatin1Char('\n')));
    QVERIFY(!k.back->isEnabled());

    const QStringList hrefs = links(k.browser->document());
    QCOMPARE(hrefs.size(), 2);
    emit k.browser->anchorClicked(QUrl(hrefs.at(1)));
    QCOMPARE(k.field->text(), akki);
    QVERIFY(k.browser->toPlainText().endsWith(QStringLiteral("rice")));
    QVERIFY(k.back->isEnabled());

    // Any other link is not followed.
    emit k.browser->anchorClicked(QUrl(QStringLiteral("http://elsewhere.test/") + akka));
    QCOMPARE(k.field->text(), akki);
}

void TestYavoKoshaDialog::markupInWordsIsShownAsText()
{
    Kosha k;
    k.lookUp(QStringLiteral("<i>"));
    QCOMPARE(k.browser->toPlainText(), indent + QStringLiteral("<i>\n") + oddWord);

    const QStringList hrefs = links(k.browser->document());
    QCOMPARE(hrefs.size(), 1);
    emit k.browser->anchorClicked(QUrl(hrefs.first()));
    QCOMPARE(k.field->text(), oddWord);
    QCOMPARE(k.browser->toPlainText(), indent + oddWord + QLatin1Char('\n') + oddWord);
}

void TestYavoKoshaDialog::walksTheHistory_data()
{
    // Steps: a word is looked up as typed, "<" is Back and ">" Forward;
    // "!<" runs Back even while its button is disabled.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("backEnabled");
    QTest::addColumn<bool>("forwardEnabled");

    QTest::newRow("one word") << "a" << "a" << false << false;
    QTest::newRow("two words") << "a b" << "b" << true << false;
    QTest::newRow("back to the one before") << "a b c <" << "b" << true << true;
    QTest::newRow("back to the first") << "a b c < <" << "a" << false << true;
    QTest::newRow("forward again") << "a b c < < >" << "b" << true << true;
    QTest::newRow("new word after stepping back is appended") << "a b c < d <" << "c" << true << true;
    QTest::newRow("current word again is not recorded") << "a b b <" << "a" << false << true;
    QTest::newRow("an earlier word is recorded again") << "a b a <" << "b" << true << true;
    QTest::newRow("back without a target keeps recording") << "a !< b < >" << "b" << true << false;
}

void TestYavoKoshaDialog::walksTheHistory()
{
    QFETCH(QString, steps);
    QFETCH(QString, shown);
    QFETCH(bool, backEnabled);
    QFETCH(bool, forwardEnabled);

    Kosha k;
    const QStringList list = steps.split(QLatin1Char(' '));
    for (const QString &step : list) {
        if (step == QLatin1String("!<")) {
            QVERIFY(QMetaObject::invokeMethod(k.dialog, "onBackwardClicked"));
        } else if (step == QLatin1String("<") || step == QLatin1String(">")) {
            QToolButton *button = step == QLatin1String("<") ? k.back : k.forward;
            QVERIFY2(button->isEnabled(), qPrintable(step));
            button->click();
        } else {
            k.lookUp(step);
        }
    }
    QCOMPARE(k.field->text(), shown);
    QCOMPARE(k.back->isEnabled(), backEnabled);
    QCOMPARE(k.forward->isEnabled(), forwardEnabled);
}

void TestYavoKoshaDialog::closingOnlyHides()
{
    Kosha k;
    k.dialog->show();
    k.lookUp(akka);
    k.lookUp(anna);
    k.close->click();
    QVERIFY(k.dialog->isHidden());

    k.dialog->show();
    QVERIFY(k.browser->toPlainText().endsWith(QStringLiteral("elder brother")));
    k.back->click();
    QCOMPARE(k.field->text(), akka);
}

void TestYavoKoshaDialog::languageWithoutDictionary()
{
    ModalAnswerer answerer;
    answerer.expectMessageBox(QStringLiteral("YavoKosha"), QString(), QMessageBox::Ok);
    Kosha k(1);
    QVERIFY2(answerer.waitDone(), qPrintable(answerer.failure()));
    QVERIFY(answerer.seen().first().contains(QStringLiteral("Dictionary is not found for <b>Telugu</b>! <br/>Check here => <a href=")));
    QVERIFY(!k.field->isEnabled());
    QVERIFY(!k.browser->isEnabled());

    k.dialog->setLanguage(0, 0);
    QVERIFY(k.field->isEnabled());
    QVERIFY(k.browser->isEnabled());
}

void TestYavoKoshaDialog::statusLine()
{
    const QString hint = QStringLiteral("Use \" F11\" key to toggle between Kannada & English");
    Kosha k;
    QCOMPARE(k.status->text(), hint);

    k.lookUp(QString());
    QCOMPARE(k.status->text(), QStringLiteral("You have not entered any word!"));

    k.dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(k.dialog));
    k.search->setFocus();
    k.status->setText(QStringLiteral("other"));
    k.field->setFocus();
    QCOMPARE(k.status->text(), hint);
    // The dialog then goes with its field focused: the focus-out that
    // brings must not reach the form that went before.
}

void TestYavoKoshaDialog::keyboardActionWithoutGroupChangesNothing()
{
    Kosha k;
    QVERIFY(QMetaObject::invokeMethod(k.dialog, "onKeyboardActionToggled", Q_ARG(bool, true)));
    QCOMPARE(k.field->language(), 0);
    k.dialog->searchWord(akka);
    QCOMPARE(k.field->text(), akka);
}

void TestYavoKoshaDialog::keepsItsGeometry()
{
    {
        QSettings settings(settingsOrganization, dictSettingsApplication);
        settings.setValue(QStringLiteral("Geometry/size"), QSize(480, 320));
        settings.setValue(QStringLiteral("Geometry/pos"), QPoint(30, 40));
    }
    {
        Kosha k;
        QCOMPARE(k.dialog->size(), QSize(480, 320));
        QCOMPARE(k.dialog->pos(), QPoint(30, 40));
        k.dialog->resize(500, 350);
        k.dialog->move(60, 70);
    }
    QSettings settings(settingsOrganization, dictSettingsApplication);
    QCOMPARE(settings.value(QStringLiteral("Geometry/size")).toSize(), QSize(500, 350));
    QCOMPARE(settings.value(QStringLiteral("Geometry/pos")).toPoint(), QPoint(60, 70));
}

YAVO_TEST_MAIN(TestYavoKoshaDialog)
#include "tst_yavokoshadialog.moc"

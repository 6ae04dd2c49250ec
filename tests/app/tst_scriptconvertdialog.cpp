#include "app/scriptconvertdialog.h"

#include "modalanswerer.h"
#include "testmain.h"
#include "urlopenrecorder.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

namespace {

QComboBox *source(QDialog &dialog)
{
    return dialog.findChild<QComboBox *>(QStringLiteral("fromLanguageCombo"));
}

QComboBox *destination(QDialog &dialog)
{
    return dialog.findChild<QComboBox *>(QStringLiteral("toLanguageCombo"));
}

} // namespace

class TestScriptConvertDialog : public QObject
{
    Q_OBJECT

private slots:
    void sourceShowsTheLanguage_data();
    void sourceShowsTheLanguage();
    void destinationIndexIsTheChosenEntry_data();
    void destinationIndexIsTheChosenEntry();
    void helpTextStaysVisible();
    void helpEndsWithTheWebSite();
};

void TestScriptConvertDialog::sourceShowsTheLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("shown");

    QTest::newRow("Kannada") << 0 << "Kannada";
    QTest::newRow("Gujarathi") << 5 << "Gujarathi";
    QTest::newRow("Tamil") << 8 << "Tamil";
    QTest::newRow("English") << 9 << "English";
}

void TestScriptConvertDialog::sourceShowsTheLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, shown);

    ScriptConvertDialog dialog(language);
    dialog.show();
    QCOMPARE(source(dialog)->currentIndex(), language);
    QCOMPARE(source(dialog)->currentText(), shown);
    QVERIFY2(!source(dialog)->isEnabled(), "the source is the tab's language, not a choice");
    QVERIFY(!source(dialog)->isEditable());
    QCOMPARE(destination(dialog)->currentIndex(), 0);
}

void TestScriptConvertDialog::destinationIndexIsTheChosenEntry_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("answer");

    QTest::newRow("Telugu, OK") << 1 << "Telugu" << "ok";
    QTest::newRow("Gurmukhi, OK") << 7 << "Gurmukhi" << "ok";
    QTest::newRow("ANSI, OK") << 9 << "ANSI (English)" << "ok";
    QTest::newRow("Hindi, Cancel") << 4 << "Hindi" << "cancel";
    QTest::newRow("Oriya, window closed") << 3 << "Oriya" << "close";
}

void TestScriptConvertDialog::destinationIndexIsTheChosenEntry()
{
    QFETCH(int, chosen);
    QFETCH(QString, entry);
    QFETCH(QString, answer);
    const bool accept = answer == QLatin1String("ok");

    ScriptConvertDialog dialog(0);
    QCOMPARE(destination(dialog)->count(), 10);
    ModalAnswerer answerer;
    answerer.expectDialog<ScriptConvertDialog>(QStringLiteral("Yavo - Script Converter"),
                                               [&](ScriptConvertDialog *shown) {
        destination(*shown)->setCurrentIndex(chosen);
        if (answer == QLatin1String("close"))
            shown->close();
        else
            shown->findChild<QDialogButtonBox *>()
                ->button(accept ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)
                ->click();
    });
    const int result = dialog.exec();
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(result, accept ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(destination(dialog)->currentText(), entry);
    QCOMPARE(dialog.destinationIndex(), chosen);
}

void TestScriptConvertDialog::helpTextStaysVisible()
{
    ScriptConvertDialog dialog(0);
    dialog.show();
    auto *help = dialog.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    auto *notes = dialog.findChild<QGroupBox *>(QStringLiteral("groupBox"));
    QVERIFY(help->isVisible());
    QVERIFY(!notes->isCheckable());
    // The group box cannot be unchecked, so it never hides the help.
    notes->setChecked(false);
    QVERIFY(help->isVisible());

    const QString text = help->toPlainText();
    QVERIFY(text.contains(QStringLiteral("1) Script-Converter considers the current tab as the source of input text.")));
    QVERIFY(text.contains(QStringLiteral("(\"Destination\" combobox)")));
    QVERIFY(text.contains(QStringLiteral("don't hesitate to ask.")));
}

// The help ends with the maker's web site, which a click opens in the
// browser.
void TestScriptConvertDialog::helpEndsWithTheWebSite()
{
    ScriptConvertDialog dialog(0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *help = dialog.findChild<QTextBrowser *>(QStringLiteral("textBrowser"));
    const QString address = QStringLiteral("https://www.quenvel.example/yavo");
    QVERIFY(help->toPlainText().trimmed().endsWith(QStringLiteral("don't hesitate to ask. ") + address));

    QTextCursor link = help->document()->find(address);
    QVERIFY(!link.isNull());
    QCOMPARE(link.charFormat().anchorHref(), address);
    QVERIFY(link.charFormat().fontUnderline());
    help->setTextCursor(link);
    help->ensureCursorVisible();
    link.setPosition(link.selectionStart() + 2);
    const QPoint where = help->cursorRect(link).center();
    UrlOpenRecorder browser;
    QTest::mouseClick(help->viewport(), Qt::LeftButton, Qt::NoModifier, where);
    QCOMPARE(browser.urls(), QList<QUrl>{QUrl(address)});
}

YAVO_TEST_MAIN(TestScriptConvertDialog)
#include "tst_scriptconvertdialog.moc"

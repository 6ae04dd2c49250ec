#include "app/scriptconvertdialog.h"

#include "modalanswerer.h"
#include "testmain.h"

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
    // No address of anyone else's site is offered.
    QVERIFY(!help->toHtml().contains(QStringLiteral("href")));
}

YAVO_TEST_MAIN(TestScriptConvertDialog)
#include "tst_scriptconvertdialog.moc"

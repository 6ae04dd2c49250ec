#include "app/aboutyavo.h"
#include "app/helptopics.h"
#include "app/keyboardexamples.h"

#include "testmain.h"
#include "typingchecks.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTextTable>
#include <QToolButton>
#include <QtTest>

namespace {

QTextTable *examplesTable(QTextDocument *document)
{
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        auto *table = qobject_cast<QTextTable *>(QTextCursor(block).currentTable());
        if (table && table->columns() == 5)
            return table;
    }
    return nullptr;
}

QString cellText(QTextTable *table, int row, int column)
{
    const QTextTableCell cell = table->cellAt(row, column);
    QTextCursor cursor = cell.firstCursorPosition();
    cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
    return cursor.selectedText();
}

} // namespace

class TestHelpDialogs : public QObject
{
    Q_OBJECT

private slots:
    void aboutShowsNameAndVersion();
    void helpPageHoldsTheExamplesAsGiven_data();
    void helpPageHoldsTheExamplesAsGiven();
    void helpExamplesTypeWhatTheyShow();
    void examplePicturesTypeWhatTheyShow_data();
    void examplePicturesTypeWhatTheyShow();
    void helpFindsForwardAndBackward();
    void examplesSwitchPictures();
};

void TestHelpDialogs::aboutShowsNameAndVersion()
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("YavoPad-5.0.6"));
    AboutYavo dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Yavo Software"));
    // A close button only.
    QVERIFY(dialog.windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(dialog.windowFlags()
              & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint)));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("label_2"))->text(), QStringLiteral("YavoPad-5.0.6"));
    const QPixmap icon = dialog.findChild<QLabel *>(QStringLiteral("label"))->pixmap(Qt::ReturnByValue);
    QCOMPARE(icon.size(), QSize(128, 128));
}

void TestHelpDialogs::helpPageHoldsTheExamplesAsGiven_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("cells");

    QTest::newRow("1") << 1 << QStringList{ "1", "satyamEva jayate", "stfymEv jyte", "stfymEv jyte", "ಸತ್ಯಮೇವ ಜಯತೆ" };
    QTest::newRow("3") << 3 << QStringList{ "3", "vijzaana", "vijfzAn", "vijfzAn", "ವಿಜ್ಞಾನ" };
    QTest::newRow("10") << 10 << QStringList{ "10", "Za za rza Lza", "Z z rz Lz", "Z z rz Lz", "ಙ ಞ ಱ ೞ" };
    QTest::newRow("11 holds a ZWNJ") << 11
        << QStringList{ "11", "saapTxvEr", "sApfqffvErf", "saapfTfxvErf", QStringLiteral("ಸಾಪ್ಟ್\u200Cವೇರ್") };
    QTest::newRow("13 holds a ZWJ") << 13
        << QStringList{ "13", "rXyAMk", "rFAMkf", "rfXyAMkf", QStringLiteral("ರ್\u200Dಯಾಂಕ್") };
    QTest::newRow("18") << 18 << QStringList{ "18", "x and X", "ff and X", "x and X", "ZWNJ and ZWJ" };
}

void TestHelpDialogs::helpPageHoldsTheExamplesAsGiven()
{
    QFETCH(int, row);
    QFETCH(QStringList, cells);

    HelpTopics dialog;
    auto *edit = dialog.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    QVERIFY(edit->isReadOnly());
    QVERIFY(edit->toPlainText().startsWith(QStringLiteral("Welcome to Yavo Pad")));
    QTextTable *table = examplesTable(edit->document());
    QVERIFY(table);
    QCOMPARE(table->rows(), 19);
    QStringList actual;
    for (int column = 0; column < 5; ++column)
        actual << cellText(table, row, column);
    QCOMPARE(actual, cells);
}

// Every example of the page's table, typed in the layout of its column
// through the word processor's engine, gives the Kannada the page shows.
// The last row names the joiner keys: each types its joiner after a
// consonant.
void TestHelpDialogs::helpExamplesTypeWhatTheyShow()
{
    HelpTopics dialog;
    QTextTable *table = examplesTable(dialog.findChild<QTextEdit *>(QStringLiteral("textEdit"))->document());
    QVERIFY(table);
    const int layouts[] = {0, 1, 4}; // Phonetic, Nudi (KPRao), Phonetic-2
    const QHash<QString, QString> joiners{{QStringLiteral("ZWNJ"), QStringLiteral("\u200C")},
                                          {QStringLiteral("ZWJ"), QStringLiteral("\u200D")}};
    for (int row = 1; row < table->rows(); ++row) {
        const QString shown = cellText(table, row, 4);
        for (int column = 1; column <= 3; ++column) {
            const QString keys = cellText(table, row, column);
            const int layout = layouts[column - 1];
            const QString where = QStringLiteral("row %1, %2").arg(row).arg(keys);
            if (!joiners.contains(shown.section(QLatin1Char(' '), 0, 0))) {
                const QString typed = TypingChecks::typedWords(keys, 0, layout);
                QVERIFY2(typed == shown, qPrintable(QStringLiteral("%1 types %2, the page shows %3")
                                                        .arg(where, hexCodes(typed), hexCodes(shown))));
                continue;
            }
            const QStringList keyNames = keys.split(QStringLiteral(" and "));
            const QStringList names = shown.split(QStringLiteral(" and "));
            QCOMPARE(keyNames.size(), names.size());
            for (int i = 0; i < names.size(); ++i) {
                const QString typed = IndicTransliterator().convert(QLatin1Char('k') + keyNames.at(i), 0, layout);
                QVERIFY2(typed.endsWith(joiners.value(names.at(i))), qPrintable(where + QLatin1String(": ") + hexCodes(typed)));
            }
        }
    }
}

void TestHelpDialogs::examplePicturesTypeWhatTheyShow_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("layout");

    QTest::newRow("Phonetic") << "KBL-Phonetic.txt" << 0;
    QTest::newRow("Nudi") << "KBL-Nudi.txt" << 1;
    QTest::newRow("Phonetic-2") << "KBL-Phonetic2.txt" << 4;
}

// The keyboard-example pictures are drawn from these files, a word a line:
// its keys, typed in the picture's layout, give the word shown beside them.
void TestHelpDialogs::examplePicturesTypeWhatTheyShow()
{
    QFETCH(QString, file);
    QFETCH(int, layout);

    QFile examples(QStringLiteral(YAVO_TUTOR_EXAMPLES_DIR "/") + file);
    QVERIFY(examples.open(QIODevice::ReadOnly | QIODevice::Text));
    int count = 0;
    for (const QString &line : QString::fromUtf8(examples.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString keys = line.section(QLatin1Char('='), 0, 0);
        const QString shown = line.section(QLatin1Char('='), 1);
        QVERIFY2(!keys.isEmpty() && !shown.isEmpty(), qPrintable(line));
        const QString typed = TypingChecks::typedWords(keys, 0, layout);
        QVERIFY2(typed == shown, qPrintable(QStringLiteral("%1 types %2, the picture shows %3")
                                                .arg(keys, hexCodes(typed), hexCodes(shown))));
        ++count;
    }
    QVERIFY(count > 0);
}

void TestHelpDialogs::helpFindsForwardAndBackward()
{
    HelpTopics dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *edit = dialog.findChild<QTextEdit *>(QStringLiteral("textEdit"));
    auto *field = dialog.findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    auto *forward = dialog.findChild<QToolButton *>(QStringLiteral("findForward"));
    auto *backward = dialog.findChild<QToolButton *>(QStringLiteral("findBackWard"));
    QVERIFY(field->hasFocus());

    const QTextCursor first = edit->document()->find(QStringLiteral("tools"));
    const QTextCursor second = edit->document()->find(QStringLiteral("tools"), first);
    QVERIFY(!first.isNull() && !second.isNull());

    QTest::keyClicks(field, QStringLiteral("tools"));
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(edit->textCursor().selectionStart(), first.selectionStart());
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(edit->textCursor().selectionStart(), second.selectionStart());
    QTest::mouseClick(backward, Qt::LeftButton);
    QCOMPARE(edit->textCursor().selectionStart(), first.selectionStart());
    QCOMPARE(edit->textCursor().selectedText(), QStringLiteral("Tools"));

    // A word the page does not hold leaves the selection where it was.
    field->setText(QStringLiteral("zzqx"));
    QTest::mouseClick(forward, Qt::LeftButton);
    QCOMPARE(edit->textCursor().selectionStart(), first.selectionStart());
}

void TestHelpDialogs::examplesSwitchPictures()
{
    KeyboardExamples dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *picture = dialog.findChild<QLabel *>(QStringLiteral("label"));
    auto *combo = dialog.findChild<QComboBox *>(QStringLiteral("comboBox"));
    const auto shown = [picture] { return picture->pixmap(Qt::ReturnByValue).toImage(); };
    const QImage phonetic(QStringLiteral(":/resources/examples/Phonetic.png"));
    const QImage nudi(QStringLiteral(":/resources/examples/Nudi.png"));
    const QImage phonetic2(QStringLiteral(":/resources/examples/phonetic-2.png"));
    QVERIFY(!phonetic.isNull() && phonetic != nudi && nudi != phonetic2 && phonetic != phonetic2);
    QCOMPARE(shown(), phonetic.convertToFormat(shown().format()));

    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(combo->currentText(), QStringLiteral("Nudi"));
    QCOMPARE(shown(), nudi.convertToFormat(shown().format()));
    QTest::keyClick(combo, Qt::Key_Down);
    QCOMPARE(shown(), phonetic2.convertToFormat(shown().format()));
    QTest::keyClick(combo, Qt::Key_Home);
    QCOMPARE(combo->currentText(), QStringLiteral("Phonetic"));
    QCOMPARE(shown(), phonetic.convertToFormat(shown().format()));

    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("pushClose")), Qt::LeftButton);
    QVERIFY(!dialog.isVisible());
}

YAVO_TEST_MAIN(TestHelpDialogs)
#include "tst_helpdialogs.moc"

#include "core/ansitounicode.h"
#include "editor/ansikaeditor.h"
#include "testmain.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QSignalSpy>
#include <QStringListModel>

namespace {

QString conv(const QString &word)
{
    return AnsiToUnicode().convert(word);
}

// The text the editor reports after each word of a line: the conversion
// of every word so far, each followed by a space.
QStringList captures(const QStringList &words)
{
    QStringList result;
    QString text;
    for (const QString &word : words) {
        text += conv(word) + QLatin1Char(' ');
        result << text;
    }
    return result;
}

struct Editor
{
    Editor()
    {
        editor.show();
        if (!QTest::qWaitForWindowActive(&editor))
            qWarning("the editor's window did not become active");
    }

    void setText(const QString &text)
    {
        editor.setPlainText(text);
        editor.moveCursor(QTextCursor::End);
        spy.clear();
    }

    QStringList reported() const
    {
        QStringList texts;
        for (const QList<QVariant> &signal : spy)
            texts << signal.at(0).toString();
        return texts;
    }

    AnsiKaEditor editor;
    QSignalSpy spy{&editor, &AnsiKaEditor::wordAdded};
};

// Records the keys that travel on from a child.
class KeyCatcher : public QWidget
{
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};

} // namespace

class TestAnsiKaEditor : public QObject
{
    Q_OBJECT

private slots:
    void reportsTheConvertedLine_data();
    void reportsTheConvertedLine();
    void completionInsertsTheRestOfTheWord();
    void readOnlyEditorTakesNoKey_data();
    void readOnlyEditorTakesNoKey();
};

void TestAnsiKaEditor::reportsTheConvertedLine_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("reported");

    const int none = Qt::NoModifier;
    QTest::newRow("each word of the line") << "abc de" << "f" << none << "abc def"
            << captures({"abc", "def"});
    QTest::newRow("two spaces give an empty word") << "abc  de" << "f" << none << "abc  def"
            << captures({"abc", "", "def"});
    QTest::newRow("a one-letter word reports nothing") << "abc " << "d" << none << "abc d" << QStringList();
    QTest::newRow("punctuation reports nothing") << "ab" << "," << none << "ab," << QStringList();
    QTest::newRow("the shortcut reports without typing") << "abc d" << "e" << int(Qt::ControlModifier)
            << "abc d" << captures({"abc", "d"});
    QTest::newRow("only the line of the cursor") << "xyz\nab" << "c" << none << "xyz\nabc"
            << captures({"abc"});
}

void TestAnsiKaEditor::reportsTheConvertedLine()
{
    QFETCH(QString, before);
    QFETCH(QString, keys);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QFETCH(QStringList, reported);

    Editor e;
    e.setText(before);
    QTest::keyClicks(&e.editor, keys, Qt::KeyboardModifiers(modifiers));
    QCOMPARE(e.editor.toPlainText(), after);
    QCOMPARE(e.reported(), reported);
}

void TestAnsiKaEditor::completionInsertsTheRestOfTheWord()
{
    Editor e;
    auto *completer = e.editor.findChild<QCompleter *>();
    QVERIFY(completer);
    QCOMPARE(completer->model()->rowCount(), 0);   // the suite ships no English word list
    completer->setModel(new QStringListModel({QStringLiteral("kannada"), QStringLiteral("kanasu")}, completer));

    e.setText(QStringLiteral("naanu ka"));
    QTest::keyClicks(&e.editor, QStringLiteral("n"));
    QVERIFY(completer->popup()->isVisible());
    e.spy.clear();

    QVERIFY(QMetaObject::invokeMethod(completer, "activated", Q_ARG(QString, QStringLiteral("kannada"))));
    QCOMPARE(e.editor.toPlainText(), QStringLiteral("naanu kannada"));
    QCOMPARE(e.editor.textCursor().position(), e.editor.toPlainText().size());
    QCOMPARE(e.reported(), captures({"naanu", "kannada"}));
}

void TestAnsiKaEditor::readOnlyEditorTakesNoKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");

    QTest::newRow("letter") << int(Qt::Key_A) << int(Qt::NoModifier);
    QTest::newRow("copy") << int(Qt::Key_C) << int(Qt::ControlModifier);
    QTest::newRow("select all") << int(Qt::Key_A) << int(Qt::ControlModifier);
    QTest::newRow("arrow") << int(Qt::Key_Left) << int(Qt::NoModifier);
    QTest::newRow("shortcut") << int(Qt::Key_E) << int(Qt::ControlModifier);
}

void TestAnsiKaEditor::readOnlyEditorTakesNoKey()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);

    KeyCatcher parent;
    Editor e;
    e.editor.setParent(&parent);
    parent.show();
    e.setText(QStringLiteral("abc def"));
    e.editor.setReadOnly(true);
    e.editor.setFocus();

    QTest::keyClick(&e.editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(parent.keys, 0);
    QCOMPARE(e.editor.textCursor().position(), 7);
    QVERIFY(!e.editor.textCursor().hasSelection());
    QVERIFY(e.spy.isEmpty());
}

YAVO_TEST_MAIN(TestAnsiKaEditor)
#include "tst_ansikaeditor.moc"

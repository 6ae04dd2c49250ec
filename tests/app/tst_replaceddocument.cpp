#include "app/mainwindow.h"
#include "app/tabwidget.h"
#include "core/keyboardlayouts.h"
#include "editor/unicodekaeditor.h"

#include "modalanswerer.h"
#include "spellunderlines.h"
#include "testmain.h"

#include <QFile>
#include <QKeyEvent>
#include <QPointer>

// A word being typed waits for its underline; whatever replaces or empties
// the editor's document meanwhile, typing goes on safely and the spell
// check stays right. Run under the sanitizers this catches memory that the
// waiting word's place kept hold of.
class tst_ReplacedDocument : public QObject
{
    Q_OBJECT

public:
    enum Replacement {
        Clear, SetPlainText, SetHtml, Adopt, SetDocument, LoadFile, Reload, UndoToEmpty, CloseTab,
    };
    Q_ENUM(Replacement)

private Q_SLOTS:
    void init();
    void cleanup();
    void typingGoesOnAfterTheDocumentIsReplaced_data();
    void typingGoesOnAfterTheDocumentIsReplaced();

private:
    QString writeFile(const QByteArray &bytes);
    QScopedPointer<TestSandbox> m_sandbox;
    QScopedPointer<MainWindow> m_window;
    TabWidget *tabs() const { return m_window->tabWidget(); }
};

namespace {

void typeKeys(QWidget *editor, const QString &keys)
{
    for (const QChar c : keys) {
        const int key = c == QLatin1Char('\b') ? int(Qt::Key_Backspace)
                : c == QLatin1Char(' ')       ? int(Qt::Key_Space)
                                              : Qt::Key_A + (c.toUpper().unicode() - 'A');
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(editor, &release);
    }
}

// With Transliteration a word stays Latin until it ends; Backspace right
// after its end takes the ending back, and the word waits at the cursor.
void typeAWaitingWord(UnicodeKaEditor *editor, const QString &word)
{
    editor->setLanguage(0);
    editor->setKeyboard(int(KeyboardLayout::Transliteration));
    editor->moveCursor(QTextCursor::End);
    typeKeys(editor, QLatin1Char(' ') + word + QStringLiteral(" \b"));
}

const QString replacingText = QStringLiteral(u"ಕವಿ ರವಿ");

} // namespace

void tst_ReplacedDocument::init()
{
    m_sandbox.reset(new TestSandbox);
    m_window.reset(new MainWindow);
    m_window->handleArguments({QStringLiteral("yavo-pad")});
}

void tst_ReplacedDocument::cleanup()
{
    m_window.reset();
    m_sandbox.reset();
}

QString tst_ReplacedDocument::writeFile(const QByteArray &bytes)
{
    return m_sandbox->writeFile(QStringLiteral("docs/replacing.txt"), bytes);
}

void tst_ReplacedDocument::typingGoesOnAfterTheDocumentIsReplaced_data()
{
    QTest::addColumn<Replacement>("replacement");
    QTest::addColumn<bool>("spellCheck");
    QTest::addColumn<QString>("text");   // the editor's text after it

    const QString read = replacingText + QLatin1Char('\n');
    const QList<QPair<Replacement, QString>> replacements = {
        {Clear, QString()}, {SetPlainText, replacingText}, {SetHtml, replacingText},
        {Adopt, replacingText}, {SetDocument, QString()}, {LoadFile, read}, {Reload, read},
        {UndoToEmpty, QString()}, {CloseTab, QString()},
    };
    const QMetaEnum names = QMetaEnum::fromType<Replacement>();
    for (const auto &replacement : replacements) {
        for (const bool spellCheck : {true, false}) {
            QTest::addRow("%s, spell check %s", names.valueToKey(replacement.first), spellCheck ? "on" : "off")
                    << replacement.first << spellCheck << replacement.second;
        }
    }
}

void tst_ReplacedDocument::typingGoesOnAfterTheDocumentIsReplaced()
{
    QFETCH(Replacement, replacement);
    QFETCH(bool, spellCheck);
    QFETCH(QString, text);

    QPointer<UnicodeKaEditor> editor = tabs()->currentEditor();
    QVERIFY(editor);
    editor->setSpellCheckAsYouType(spellCheck);
    typeAWaitingWord(editor, QStringLiteral("ravi"));
    QCOMPARE(editor->toPlainText(), QStringLiteral(" ravi"));
    // Every word counts as misspelled until the word list is loaded: this
    // one has no underline only because it waits.
    QVERIFY(waitForSpellCheck(editor->document()));
    QCOMPARE(spellUnderlines(*editor->document()), QStringList());

    ModalAnswerer answerer;
    switch (replacement) {
    case Clear:
        editor->clear();
        break;
    case SetPlainText:
        editor->setPlainText(replacingText);
        break;
    case SetHtml:
        editor->setHtml(QStringLiteral("<p>%1</p>").arg(replacingText));
        break;
    case Adopt: {
        auto *read = new QTextDocument;
        read->setPlainText(replacingText);
        editor->adoptDocument(read);
        break;
    }
    case SetDocument:
        editor->setDocument(new QTextDocument(editor));
        break;
    case LoadFile: {
        QFile file(writeFile(replacingText.toUtf8() + '\n'));
        QVERIFY(file.open(QIODevice::ReadOnly));
        tabs()->loadFile(file.fileName(), &file, editor);
        break;
    }
    case Reload: {
        const QString path = writeFile(replacingText.toUtf8() + '\n');
        editor->setFileName(path);
        answerer.expectMessageBox(QStringLiteral("Reload "), QString(), QMessageBox::Yes);
        tabs()->onFileChangedOutside(path);
        break;
    }
    case UndoToEmpty:
        while (editor->document()->isUndoAvailable())
            editor->undo();
        break;
    case CloseTab:
        answerer.expectMessageBox(QString(), QStringLiteral("Unsaved changes. Do you want to save?"),
                                  QMessageBox::No);
        QVERIFY(tabs()->slotTabCloseRequested(tabs()->currentIndex()));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(editor.isNull());
        editor = tabs()->currentEditor();
        break;
    }
    QVERIFY2(answerer.isDone(), qPrintable(answerer.failure()));
    QCOMPARE(editor->toPlainText(), text);

    // Typing goes on, a word waits again, and leaves its place.
    typeAWaitingWord(editor, QStringLiteral("kavi"));
    QCOMPARE(editor->toPlainText(), text + QStringLiteral(" kavi"));
    editor->moveCursor(QTextCursor::Start);
    QVERIFY(waitForSpellCheck(editor->document()));
    const QStringList underlines = spellUnderlines(*editor->document());
    auto *highlighter = editor->document()->findChild<Highlighter *>();
    // A tab opened in place of a closed one has the window's spell check.
    if (!editor->spellCheckAsYouType() || !highlighter) {
        QCOMPARE(underlines, QStringList());
        return;
    }
    QVERIFY(underlines.contains(QStringLiteral("%1+4").arg(text.size() + 1)));
    highlighter->rehighlight();
    QCOMPARE(underlines, spellUnderlines(*editor->document()));
}

YAVO_TEST_MAIN(tst_ReplacedDocument)

#include "tst_replaceddocument.moc"

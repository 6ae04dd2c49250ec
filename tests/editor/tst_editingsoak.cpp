// Long random runs of what a user does in the Indic entry widgets, with the
// invariants a user relies on checked after every action. The runs are
// seeded: YAVO_SOAK_SEED (one seed or several, comma-separated) and
// YAVO_SOAK_STEPS set them; a failure names the seed and the step to
// replay.
#include "core/indicchars.h"
#include "core/indictransliterator.h"
#include "core/keyboardlayouts.h"
#include "editor/kalineedit.h"
#include "editor/unicodekaeditor.h"
#include "utils/utils.h"
#include "widgets/unicodelineedit.h"
#include "widgets/unicodeplaintextedit.h"

#include "spellunderlines.h"
#include "testmain.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QScopedPointer>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <random>

namespace {

// Enough for a few thousand actions in all in the normal suite.
constexpr int defaultEditorSteps = 1500;
constexpr int defaultFieldSteps = 600;
// Longer texts are started afresh: the run is about many actions, and the
// checks read the whole text after each.
constexpr int longestText = 1500;
constexpr int lastLayout = int(KeyboardLayout::KPRaoExtended);

QList<unsigned> soakSeeds()
{
    QList<unsigned> seeds;
    const QStringList listed = qEnvironmentVariable("YAVO_SOAK_SEED").split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const QString &seed : listed)
        seeds << seed.trimmed().toUInt();
    if (seeds.isEmpty())
        seeds << 1;
    return seeds;
}

int soakSteps(int normal)
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("YAVO_SOAK_STEPS", &ok);
    return ok && steps > 0 ? steps : normal;
}

const QStringList knownWords = {
    QStringLiteral(u"ಕನ್ನಡ"), QStringLiteral(u"ನಮಸ್ಕಾರ"), QStringLiteral(u"ರವಿ"), QStringLiteral(u"ಮನೆ"),
    QStringLiteral("word"), QStringLiteral("ok"),
};

const QStringList pastedTexts = {
    QStringLiteral(u"ಕನ್ನಡ ಪಠ್ಯ"), QStringLiteral(u"ನಮಸ್ಕಾರ"), QStringLiteral(u"ಮನೆ\nಕರ್ನಾಟಕ ರಾಜ್ಯ"),
    QStringLiteral(u"ರವಿ, ಕವಿ."), QStringLiteral(u"\nಹೊಸ ಸಾಲು\n"),
};

QString textOfKind(std::mt19937 &random)
{
    return pastedTexts.at(std::uniform_int_distribution<int>(0, pastedTexts.size() - 1)(random));
}

// One key as the window system delivers it: Ctrl with a letter types its
// control character.
void sendKey(QWidget *widget, int key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(widget, &release);
}

void sendControl(QWidget *widget, char letter)
{
    sendKey(widget, Qt::Key_A + (letter - 'a'), QString(QChar(letter - 'a' + 1)), Qt::ControlModifier);
}

// The keys that type: Latin letters, digits, punctuation and white space.
struct TypedKey
{
    int key;
    QString text;
};

TypedKey randomTypedKey(std::mt19937 &random)
{
    static const QString letters = QStringLiteral("aaeiiouukgcjtdnpbmyrlvshAIUENTDLS");
    static const QString others = QStringLiteral("  .,?-;0123");
    std::uniform_int_distribution<int> kind(0, 9);
    const bool letter = kind(random) < 7;
    const QString &from = letter ? letters : others;
    const QChar c = from.at(std::uniform_int_distribution<int>(0, from.size() - 1)(random));
    if (c == QLatin1Char(' '))
        return {Qt::Key_Space, QStringLiteral(" ")};
    if (c.isLetter())
        return {Qt::Key_A + (c.toUpper().unicode() - 'A'), QString(c)};
    return {c.unicode(), QString(c)};
}

// What a key may change: from the start of the word before the cursor (one
// ending character before it included) to the end of the selection, or one
// character after the cursor for Delete.
struct Untouched
{
    Untouched(const QString &text, int position, int anchor, bool deletesForward)
    {
        before = std::min(position, anchor);
        const int end = std::max(position, anchor);
        // Delete takes the character after the cursor with its marks,
        // which in an Indic script may be a whole conjunct.
        after = end;
        if (deletesForward && position == anchor) {
            if (after < text.size() && text.at(after).isSpace())
                ++after;
            else
                while (after < text.size() && !text.at(after).isSpace())
                    ++after;
            // Marks after white space are shown on it and go with it.
            while (after < text.size() && text.at(after).isMark())
                ++after;
        }
        if (before > 0)
            --before;
        while (before > 0 && !text.at(before - 1).isSpace())
            --before;
        head = text.left(before);
        tail = text.mid(after);
    }

    bool holds(const QString &text) const
    {
        return text.size() >= head.size() + tail.size() && text.startsWith(head) && text.endsWith(tail);
    }

    int before;
    int after;
    QString head;
    QString tail;
};

// Where the text cursor stood.
struct Place
{
    explicit Place(const QTextCursor &cursor)
        : at(cursor.position())
        , anchorAt(cursor.anchor())
    {
    }
    int position() const { return at; }
    int anchor() const { return anchorAt; }
    int selectionStart() const { return std::min(at, anchorAt); }
    int selectionEnd() const { return std::max(at, anchorAt); }

    int at;
    int anchorAt;
};

// The state of a run, to name in a failure.
struct Run
{
    explicit Run(unsigned seedUsed)
        : seed(seedUsed)
    {
    }

    unsigned seed;
    int step = 0;
    QString action;

    // YAVO_SOAK_TRACE lists every action as it is taken.
    void trace(const QString &text) const
    {
        static const bool on = qEnvironmentVariableIsSet("YAVO_SOAK_TRACE");
        if (on)
            qDebug("step %d: %s -> \"%s\"", step, qPrintable(action), qPrintable(text));
    }

    QString where(const QString &what) const
    {
        return QStringLiteral("seed %1, step %2 (%3): %4; replay with YAVO_SOAK_SEED=%1 YAVO_SOAK_STEPS=%5")
                .arg(seed).arg(step).arg(action, what).arg(step + 1);
    }
};

// The undo history of a widget under test.
struct History
{
    std::function<void(char)> control;   // sends Ctrl with the letter
    std::function<QString()> text;
    std::function<bool()> canUndo;
    std::function<bool()> canRedo;
    // The text a model given the same keys holds, when there is one.
    std::function<QString()> model;
};

// Redoes everything, then undoes everything and checks that the text is the
// starting one, then redoes everything and checks that it is back; with a
// model, that the text is the model's each time.
QString undoEverything(const History &history, const QString &start)
{
    const auto redoAll = [&] {
        for (int i = 0; i < 10000 && history.canRedo(); ++i)
            history.control('y');
    };
    redoAll();
    const QString last = history.text();
    for (int i = 0; i < 10000 && history.canUndo(); ++i)
        history.control('z');
    const QString undone = history.model ? history.model() : start;
    if (history.text() != undone)
        return QStringLiteral("undoing everything gave \"%1\", not \"%2\"").arg(history.text(), undone);
    redoAll();
    const QString redone = history.model ? history.model() : last;
    if (history.text() != redone)
        return QStringLiteral("redoing everything gave \"%1\", not \"%2\"").arg(history.text(), redone);
    return QString();
}

// One seeded run: the steps in turn, and at the end everything undone and
// redone.
class Soak
{
public:
    explicit Soak(unsigned seed)
        : m_random(seed)
        , m_run(seed)
    {
    }
    virtual ~Soak() = default;

    // An empty string when every step kept the invariants, else what broke.
    QString run(int steps)
    {
        m_start = text();
        for (m_run.step = 0; m_run.step < steps; ++m_run.step) {
            const QString failure = step();
            if (!failure.isEmpty())
                return m_run.where(failure);
        }
        const QString failure = undoAll();
        return failure.isEmpty() ? QString() : m_run.where(failure);
    }

protected:
    virtual QString text() const = 0;
    virtual QString step() = 0;
    virtual QString undoAll() = 0;

    std::mt19937 m_random;
    Run m_run;
    // The text that undoing everything gives back.
    QString m_start;
};

} // namespace

class TestEditingSoak : public QObject
{
    Q_OBJECT

private slots:
    void documentEditor();
    void unicodeLineEdit_data();
    void unicodeLineEdit();
    void transliteratingLineEdit();
};

namespace {

// Where each line of a paragraph starts, how long it is, where it stands
// and how tall it is (the last line's height places the next paragraph).
QStringList linesOf(const QTextBlock &block)
{
    QStringList lines;
    const QTextLayout *layout = block.layout();
    for (int i = 0; i < layout->lineCount(); ++i) {
        const QTextLine line = layout->lineAt(i);
        lines << QStringLiteral("%1+%2 at %3,%4 width %5 height %6")
                         .arg(line.textStart())
                         .arg(line.textLength())
                         .arg(line.x() + layout->position().x())
                         .arg(line.y() + layout->position().y())
                         .arg(line.width())
                         .arg(line.height());
    }
    return lines;
}

// The editor lays out some paragraphs in place, as Qt would: every
// paragraph's lines must be those of Qt's own layout of the whole text, in
// a copy of the document laid out afresh. Empty when they are. The copy has
// the spell check's underlines too: an underline ends a run of text, and a
// line takes its height from the fonts of the runs on it.
QString linesUnlikeQtLayout(QTextDocument *doc)
{
    doc->documentLayout()->documentSize();
    const QScopedPointer<QTextDocument> copy(doc->clone());
    copy->documentLayout()->setPaintDevice(doc->documentLayout()->paintDevice());
    copy->setPageSize(doc->pageSize());
    for (QTextBlock block = doc->begin(), qt = copy->begin(); block.isValid() && qt.isValid();
         block = block.next(), qt = qt.next())
        qt.layout()->setFormats(block.layout()->formats());
    copy->markContentsDirty(0, copy->characterCount());
    copy->documentLayout()->documentSize();
    for (QTextBlock block = doc->begin(), qt = copy->begin(); block.isValid() && qt.isValid();
         block = block.next(), qt = qt.next()) {
        const QStringList laidOut = linesOf(block);
        const QStringList expected = linesOf(qt);
        if (laidOut != expected)
            return QStringLiteral("paragraph %1 \"%2\" has lines %3, Qt's layout gives %4")
                    .arg(block.blockNumber())
                    .arg(block.text(), laidOut.join(QStringLiteral("; ")), expected.join(QStringLiteral("; ")));
    }
    if (copy->blockCount() != doc->blockCount())
        return QStringLiteral("%1 paragraphs, a copy has %2").arg(doc->blockCount()).arg(copy->blockCount());
    return QString();
}

// One run of the document editor with spell check on and a word list.
class EditorSoak : public Soak
{
public:
    explicit EditorSoak(unsigned seed)
        : Soak(seed)
        , m_editor(&m_utils, 0, int(KeyboardLayout::Transliteration))
    {
        m_utils.loadUserDictionary();
        m_utils.addWords(knownWords);
        m_editor.resize(400, 300);
        m_editor.show();
    }

private:
    QString text() const override { return m_editor.toPlainText(); }

    enum Action {
        TypeKey, Enter, Backspace, Delete, Move, Jump, Click, Select, Undo, Redo, UndoAll, Paste,
        Clear, SetPlainText, Adopt, SwitchSpellCheck, Layout, Language, ToggleLanguage, ToggleLayout,
    };

    QString step() override
    {
        static const std::vector<double> weights = {
            50, 3, 8, 3, 6, 3, 2, 3, 3, 2, 0.5, 2, 0.3, 0.4, 0.4, 1, 1, 1, 0.5, 0.5};
        std::discrete_distribution<int> pick(weights.begin(), weights.end());
        if (m_editor.toPlainText().size() > longestText)
            return act(SetPlainText);
        return act(Action(pick(m_random)));
    }

    int randomPosition()
    {
        return std::uniform_int_distribution<int>(0, m_editor.document()->characterCount() - 1)(m_random);
    }

    QString act(Action action)
    {
        const QString before = m_editor.toPlainText();
        // Plain positions: a cursor kept across the action is moved by it.
        const Place cursor(m_editor.textCursor());
        QString exact;   // the whole text the action must give, where known
        bool keyEdit = false;
        bool deletesForward = false;
        switch (action) {
        case TypeKey: {
            const TypedKey key = randomTypedKey(m_random);
            m_run.action = QStringLiteral("key \"%1\"").arg(key.text);
            // Indic input off, a key types itself.
            if (!m_editor.isIndicInputOn())
                exact = before.left(cursor.selectionStart()) + key.text + before.mid(cursor.selectionEnd());
            sendKey(&m_editor, key.key, key.text);
            keyEdit = true;
            break;
        }
        case Enter:
            m_run.action = QStringLiteral("Enter");
            sendKey(&m_editor, Qt::Key_Return, QStringLiteral("\r"));
            keyEdit = true;
            break;
        case Backspace:
            m_run.action = QStringLiteral("Backspace");
            sendKey(&m_editor, Qt::Key_Backspace, QStringLiteral("\b"));
            keyEdit = true;
            break;
        case Delete:
            m_run.action = QStringLiteral("Delete");
            sendKey(&m_editor, Qt::Key_Delete, QStringLiteral("\x7f"));
            keyEdit = deletesForward = true;
            break;
        case Move: {
            static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down,
                                       Qt::Key_Home, Qt::Key_End};
            const int key = keys[std::uniform_int_distribution<int>(0, 5)(m_random)];
            const bool shift = std::bernoulli_distribution(0.3)(m_random);
            m_run.action = QStringLiteral("move %1%2").arg(key, 0, 16).arg(shift ? " with Shift" : "");
            sendKey(&m_editor, key, QString(), shift ? Qt::ShiftModifier : Qt::NoModifier);
            exact = before;
            break;
        }
        case Jump: {
            QTextCursor moved = m_editor.textCursor();
            moved.setPosition(randomPosition());
            m_run.action = QStringLiteral("cursor put at %1").arg(moved.position());
            m_editor.setTextCursor(moved);
            exact = before;
            break;
        }
        case Click: {
            const QRect view = m_editor.viewport()->rect();
            const QPoint at(std::uniform_int_distribution<int>(0, view.width() - 1)(m_random),
                            std::uniform_int_distribution<int>(0, view.height() - 1)(m_random));
            m_run.action = QStringLiteral("click at %1,%2").arg(at.x()).arg(at.y());
            QTest::mouseClick(m_editor.viewport(), Qt::LeftButton, Qt::NoModifier, at);
            exact = before;
            break;
        }
        case Select: {
            QTextCursor selected = m_editor.textCursor();
            selected.setPosition(randomPosition());
            selected.setPosition(randomPosition(), QTextCursor::KeepAnchor);
            m_run.action = QStringLiteral("selected %1-%2").arg(selected.anchor()).arg(selected.position());
            m_editor.setTextCursor(selected);
            exact = before;
            break;
        }
        case Undo:
            m_run.action = QStringLiteral("Ctrl+Z");
            sendControl(&m_editor, 'z');
            break;
        case Redo:
            m_run.action = QStringLiteral("Ctrl+Y");
            sendControl(&m_editor, 'y');
            break;
        case UndoAll:
            m_run.action = QStringLiteral("undo everything");
            if (const QString failure = undoAll(); !failure.isEmpty())
                return failure;
            break;
        case Paste: {
            const QString pasted = textOfKind(m_random);
            m_run.action = QStringLiteral("paste \"%1\"").arg(pasted);
            QApplication::clipboard()->setText(pasted);
            exact = before.left(cursor.selectionStart()) + pasted + before.mid(cursor.selectionEnd());
            sendControl(&m_editor, 'v');
            break;
        }
        case Clear:
            m_run.action = QStringLiteral("clear");
            m_editor.clear();
            m_start = exact = QString();
            break;
        case SetPlainText:
            m_run.action = QStringLiteral("setPlainText");
            m_start = exact = textOfKind(m_random);
            m_editor.setPlainText(exact);
            break;
        case Adopt: {
            m_run.action = QStringLiteral("adoptDocument");
            auto *read = new QTextDocument;
            read->setPlainText(textOfKind(m_random) + QLatin1Char(' ') + textOfKind(m_random));
            m_start = exact = read->toPlainText();
            m_editor.adoptDocument(read);
            break;
        }
        case SwitchSpellCheck:
            m_run.action = QStringLiteral("spell check switched");
            m_editor.setSpellCheckAsYouType(!m_editor.spellCheckAsYouType());
            exact = before;
            break;
        case Layout: {
            const int layout = std::uniform_int_distribution<int>(0, lastLayout)(m_random);
            m_run.action = QStringLiteral("layout %1").arg(layout);
            m_editor.setKeyboard(layout);
            exact = before;
            break;
        }
        case Language: {
            const int language = std::uniform_int_distribution<int>(0, IndicLanguage::count)(m_random);
            m_run.action = QStringLiteral("language %1").arg(language);
            m_editor.setLanguage(language);
            exact = before;
            break;
        }
        case ToggleLanguage:
            m_run.action = QStringLiteral("F11");
            sendKey(&m_editor, Qt::Key_F11, QString());
            exact = before;
            break;
        case ToggleLayout:
            m_run.action = QStringLiteral("Ctrl+K");
            sendControl(&m_editor, 'k');
            exact = before;
            break;
        }
        m_run.trace(m_editor.toPlainText());
        return check(before, cursor, exact, keyEdit, deletesForward);
    }

    QString check(const QString &before, const Place &cursor, const QString &exact, bool keyEdit,
                  bool deletesForward)
    {
        const QString after = m_editor.toPlainText();
        if (!exact.isNull() && after != exact)
            return QStringLiteral("the text is \"%1\", not \"%2\"").arg(after, exact);
        if (keyEdit) {
            const Untouched untouched(before, cursor.position(), cursor.anchor(), deletesForward);
            if (!untouched.holds(after))
                return QStringLiteral("\"%1\" became \"%2\": only %3 to %4 may change")
                        .arg(before, after).arg(untouched.before).arg(untouched.after);
        }
        if (!waitForSpellCheck(m_editor.document()))
            return QStringLiteral("the spell check did not finish");
        const QStringList actual = spellUnderlines(*m_editor.document());
        const QStringList expected = m_editor.spellCheckAsYouType()
                ? expectedSpellUnderlines(&m_utils, *m_editor.document())
                : QStringList();
        if (!underlinesMatchBarTheWaitingWord(actual, expected, m_editor.textCursor().position()))
            return QStringLiteral("underlines %1 in \"%2\", a full check gives %3")
                    .arg(actual.join(' '), after, expected.join(' '));
        return linesUnlikeQtLayout(m_editor.document());
    }

    QString undoAll() override
    {
        QTextDocument *doc = m_editor.document();
        const History history{[this](char letter) { sendControl(&m_editor, letter); },
                              [this] { return m_editor.toPlainText(); },
                              [doc] { return doc->isUndoAvailable(); },
                              [doc] { return doc->isRedoAvailable(); }, nullptr};
        return undoEverything(history, m_start);
    }

    Utils m_utils;
    UnicodeKaEditor m_editor;
};

} // namespace

void TestEditingSoak::documentEditor()
{
    const int steps = soakSteps(defaultEditorSteps);
    for (const unsigned seed : soakSeeds()) {
        EditorSoak soak(seed);
        const QString failure = soak.run(steps);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
}

namespace {

// The keys, moves and edits both line edits take, and the check that a key
// changed nothing outside the word before the cursor.
template <class Field>
class FieldSoak : public Soak
{
public:
    explicit FieldSoak(unsigned seed)
        : Soak(seed)
    {
        m_field.resize(300, 60);
        m_field.show();
    }

protected:
    virtual int position() const = 0;
    virtual int anchor() const = 0;
    virtual void select(int anchor, int position) = 0;
    virtual bool canUndo() const = 0;
    virtual bool canRedo() const = 0;
    virtual void setText(const QString &text) = 0;
    virtual void setLanguage(int language, int keyboard) = 0;
    virtual int length() const = 0;
    // The text the field must hold after the action, where a model knows
    // it, else a null string.
    virtual QString modelText() const { return QString(); }

    virtual void send(int key, const QString &text, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        sendKey(&m_field, key, text, modifiers);
    }

    void sendControl(char letter)
    {
        send(Qt::Key_A + (letter - 'a'), QString(QChar(letter - 'a' + 1)), Qt::ControlModifier);
    }

    QString step() override
    {
        if (text().size() > longestText) {
            m_run.action = QStringLiteral("setText");
            setText(textOfKind(m_random));
            m_start = text();
            return QString();
        }
        const QString before = text();
        const int at = position();
        const int from = anchor();
        const int start = std::min(at, from);
        const int end = std::max(at, from);
        bool keyEdit = false;
        bool deletesForward = false;
        QString exact;
        switch (std::discrete_distribution<int>({50, 8, 3, 6, 3, 3, 2, 1, 2, 0.5, 1.5, 0.5, 0.5})(m_random)) {
        case 0: {
            const TypedKey key = randomTypedKey(m_random);
            m_run.action = QStringLiteral("key \"%1\"").arg(key.text);
            send(key.key, key.text);
            keyEdit = true;
            break;
        }
        case 1:
            m_run.action = QStringLiteral("Backspace");
            send(Qt::Key_Backspace, QStringLiteral("\b"));
            keyEdit = true;
            break;
        case 2:
            m_run.action = QStringLiteral("Delete");
            send(Qt::Key_Delete, QStringLiteral("\x7f"));
            keyEdit = deletesForward = true;
            break;
        case 3: {
            static const int keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
            const int key = keys[std::uniform_int_distribution<int>(0, 3)(m_random)];
            const bool shift = std::bernoulli_distribution(0.3)(m_random);
            m_run.action = QStringLiteral("move %1%2").arg(key, 0, 16).arg(shift ? " with Shift" : "");
            send(key, QString(), shift ? Qt::ShiftModifier : Qt::NoModifier);
            exact = before;
            break;
        }
        case 4: {
            std::uniform_int_distribution<int> place(0, length());
            const int newAnchor = place(m_random);
            const int newPosition = std::bernoulli_distribution(0.5)(m_random) ? newAnchor : place(m_random);
            m_run.action = QStringLiteral("selected %1-%2").arg(newAnchor).arg(newPosition);
            select(newAnchor, newPosition);
            exact = before;
            break;
        }
        case 5:
            m_run.action = QStringLiteral("Ctrl+Z");
            sendControl('z');
            break;
        case 6:
            m_run.action = QStringLiteral("Ctrl+Y");
            sendControl('y');
            break;
        case 7:
            m_run.action = QStringLiteral("undo everything");
            if (const QString failure = undoAll(); !failure.isEmpty())
                return failure;
            break;
        case 8: {
            const QString pasted = textOfKind(m_random);
            m_run.action = QStringLiteral("paste \"%1\"").arg(pasted);
            QApplication::clipboard()->setText(pasted);
            sendControl('v');
            exact = before.left(start) + pasted + before.mid(end);
            break;
        }
        case 9:
            m_run.action = QStringLiteral("setText");
            setText(textOfKind(m_random));
            m_start = text();
            break;
        case 10: {
            const int language = std::uniform_int_distribution<int>(0, IndicLanguage::count)(m_random);
            const int layout = std::uniform_int_distribution<int>(0, lastLayout)(m_random);
            m_run.action = QStringLiteral("language %1, layout %2").arg(language).arg(layout);
            setLanguage(language, layout);
            exact = before;
            break;
        }
        case 11:
            m_run.action = QStringLiteral("F11");
            send(Qt::Key_F11, QString());
            exact = before;
            break;
        default:
            m_run.action = QStringLiteral("Escape");
            send(Qt::Key_Escape, QStringLiteral("\x1b"));
            exact = before;
            break;
        }
        const QString after = text();
        m_run.trace(after);
        if (!modelText().isNull())
            exact = modelText();
        if (!exact.isNull() && after != exact)
            return QStringLiteral("the text is \"%1\", not \"%2\"").arg(after, exact);
        const Untouched untouched(before, at, from, deletesForward);
        if (keyEdit && exact.isNull() && !untouched.holds(after))
            return QStringLiteral("\"%1\" became \"%2\": only %3 to %4 may change")
                    .arg(before, after).arg(untouched.before).arg(untouched.after);
        return QString();
    }

    QString undoAll() override
    {
        History history{[this](char letter) { sendControl(letter); }, [this] { return text(); },
                        [this] { return canUndo(); }, [this] { return canRedo(); }, nullptr};
        if (!modelText().isNull())
            history.model = [this] { return modelText(); };
        return undoEverything(history, m_start);
    }

    Field m_field;
};

template <class Field>
class UnicodeFieldSoak : public FieldSoak<Field>
{
public:
    explicit UnicodeFieldSoak(unsigned seed)
        : FieldSoak<Field>(seed)
    {
        this->m_field.setWords(knownWords);
    }

private:
    QString text() const override { return this->m_field.text(); }
    int position() const override { return this->m_field.textCursor().position(); }
    int anchor() const override { return this->m_field.textCursor().anchor(); }
    void select(int anchor, int position) override
    {
        QTextCursor cursor = this->m_field.textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        this->m_field.setTextCursor(cursor);
    }
    bool canUndo() const override { return this->m_field.document()->isUndoAvailable(); }
    bool canRedo() const override { return this->m_field.document()->isRedoAvailable(); }
    void setText(const QString &text) override { this->m_field.setText(text); }
    void setLanguage(int language, int keyboard) override { this->m_field.setLanguage(language, keyboard); }
    int length() const override { return this->m_field.document()->characterCount() - 1; }
};

// The model is a plain line edit that gets the same actions, with every
// white space key first converting its whole line.
class TransliteratingFieldSoak : public FieldSoak<KaLineEdit>
{
public:
    using FieldSoak::FieldSoak;

private:
    QString text() const override { return m_field.text(); }
    int position() const override { return m_field.cursorPosition(); }
    int anchor() const override
    {
        if (!m_field.hasSelectedText())
            return m_field.cursorPosition();
        const int start = m_field.selectionStart();
        return start == m_field.cursorPosition() ? start + m_field.selectedText().size() : start;
    }
    void select(int anchor, int position) override
    {
        for (QLineEdit *edit : {static_cast<QLineEdit *>(&m_field), &m_model}) {
            edit->setCursorPosition(anchor);
            edit->cursorForward(true, position - anchor);
        }
    }
    bool canUndo() const override { return m_field.isUndoAvailable(); }
    bool canRedo() const override { return m_field.isRedoAvailable(); }
    void setText(const QString &text) override
    {
        m_field.QLineEdit::setText(text);
        m_model.setText(text);
    }
    void setLanguage(int language, int keyboard) override
    {
        m_language = language;
        m_keyboard = keyboard;
        m_field.setLanugage(language);
        m_field.setKeyboard(keyboard);
    }
    int length() const override { return m_field.text().size(); }
    QString modelText() const override { return m_model.text(); }

    void send(int key, const QString &text, Qt::KeyboardModifiers modifiers) override
    {
        if (!text.isEmpty() && text.at(0).isSpace())
            m_model.setText(IndicTransliterator().convert(m_model.text(), m_language, m_keyboard));
        sendKey(&m_model, key, text, modifiers);
        sendKey(&m_field, key, text, modifiers);
    }

    QLineEdit m_model;
    int m_language = IndicLanguage::count;
    int m_keyboard = 0;
};

} // namespace

void TestEditingSoak::unicodeLineEdit_data()
{
    QTest::addColumn<bool>("multiLine");
    QTest::newRow("one line") << false;
    QTest::newRow("several lines") << true;
}

void TestEditingSoak::unicodeLineEdit()
{
    QFETCH(bool, multiLine);
    const int steps = soakSteps(defaultFieldSteps);
    for (const unsigned seed : soakSeeds()) {
        QString failure;
        if (multiLine)
            failure = UnicodeFieldSoak<UnicodePlainTextEdit>(seed).run(steps);
        else
            failure = UnicodeFieldSoak<UnicodeLineEdit>(seed).run(steps);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
}

void TestEditingSoak::transliteratingLineEdit()
{
    const int steps = soakSteps(defaultFieldSteps);
    for (const unsigned seed : soakSeeds()) {
        const QString failure = TransliteratingFieldSoak(seed).run(steps);
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
    }
}

YAVO_TEST_MAIN(TestEditingSoak)

#include "tst_editingsoak.moc"

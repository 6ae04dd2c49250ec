#include "ime/app/yavoimehelp.h"
#include "ime/app/yavoqthooks.h"

#include "fakekeyboardbackend.h"
#include "testmain.h"
#include "typingchecks.h"
#include "typist.h"

#include <QRegularExpression>
#include <QTextBrowser>
#include <QtTest>

#include <algorithm>

namespace {

constexpr int Kannada = 0;
constexpr int ImePhonetic2 = 3;
constexpr int EditorPhonetic2 = 4;

// One example of the help: keys, the text they type, and whether the tray's
// Arkavattu setting must be on for it.
struct Example
{
    QString keys;
    QString shown;
    bool arkavattu = false;
};

// The page's lines "keys : text" and "text : keys"; a note in brackets after
// either side qualifies it. Joiners are shown by their names.
QList<Example> examplesOf(const QString &page)
{
    static const QRegularExpression line(QStringLiteral("^(.+?) : (.+?)(?: \\((.+)\\))?$"));
    QList<Example> examples;
    for (const QString &text : page.split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = line.match(text.trimmed());
        if (!match.hasMatch())
            continue;
        Example example;
        const QString left = match.captured(1);
        const bool keysFirst = std::all_of(left.cbegin(), left.cend(), [](QChar c) { return c.unicode() < 0x80; });
        example.keys = keysFirst ? left : match.captured(2);
        example.shown = keysFirst ? match.captured(2) : left;
        if (example.shown == QLatin1String("ZWNJ"))
            example.shown = QStringLiteral("\u200C");
        else if (example.shown == QLatin1String("ZWJ"))
            example.shown = QStringLiteral("\u200D");
        example.arkavattu = match.captured(3) == QLatin1String("Arkavattu on");
        examples << example;
    }
    return examples;
}

} // namespace

class TestYavoIMEHelp : public QObject
{
    Q_OBJECT

private slots:
    void examplesTypeWhatTheyShow();
};

// The help teaches the Phonetic-2 layout: every example, typed through the
// input method's keyboard hook and through the word processor's engine in
// that layout, gives the Kannada it shows.
void TestYavoIMEHelp::examplesTypeWhatTheyShow()
{
    YavoIMEHelp help;
    const QList<Example> examples = examplesOf(help.findChild<QTextBrowser *>()->toPlainText());
    QVERIFY(examples.size() >= 20);
    for (const Example &example : examples) {
        FakeKeyboardBackend keyboard;
        YavoQtHooks hooks;
        hooks.setLanguage(Kannada);
        hooks.setKeyboardLayout(ImePhonetic2);
        hooks.setEncoding(1);
        hooks.setArkavattu(example.arkavattu);
        hooks.setIndicEnabled(true);
        Typist typist(keyboard);
        typist.type(example.keys);
        QVERIFY2(typist.text() == example.shown,
                 qPrintable(QStringLiteral("input method: %1 types %2, the help shows %3")
                                .arg(example.keys, hexCodes(typist.text()), hexCodes(example.shown))));

        const QString typed = TypingChecks::typedWords(example.keys, Kannada, EditorPhonetic2);
        QVERIFY2(typed == example.shown,
                 qPrintable(QStringLiteral("word processor: %1 types %2, the help shows %3")
                                .arg(example.keys, hexCodes(typed), hexCodes(example.shown))));
    }
}

YAVO_TEST_MAIN(TestYavoIMEHelp)
#include "tst_yavoimehelp.moc"

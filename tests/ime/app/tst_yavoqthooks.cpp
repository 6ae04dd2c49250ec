#include "ime/app/yavoqthooks.h"

#include "pipeline.h"

#include "core/sharedsettings.h"
#include "ime/ansitoindicbase.h"
#include "platform/virtualkeys.h"
#include "testmain.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSignalSpy>

#include <memory>

using namespace Platform;

Q_DECLARE_METATYPE(PipelineSettings)

namespace {

// The QuickBytes entries the tests expand.
const QString longText = QString(2000, QChar(0x0CA8));

void writeQuickBytes()
{
    const QString path = SharedSettings::quickBytesPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(pipelineQuickBytes() + QStringLiteral("long=%1\n").arg(longText).toUtf8());
}

PipelineSettings layoutSettings(int layout, int encoding = 1)
{
    PipelineSettings settings;
    settings.layout = layout;
    settings.encoding = encoding;
    return settings;
}

// Answers every key with the next record of its script.
class ScriptedConverter : public AnsiToIndicBase
{
public:
    explicit ScriptedConverter(const QList<ConverterOutput> &script)
        : AnsiToIndicBase(0, 0)
        , m_script(script)
    {
    }

    QChar virama() const override { return QChar(0x0CCD); }
    ConverterOutput process(const QString &, const QString &) override
    {
        return m_script.isEmpty() ? ConverterOutput() : m_script.takeFirst();
    }

private:
    QList<ConverterOutput> m_script;
};

class ScriptedHooks : public YavoQtHooks
{
public:
    explicit ScriptedHooks(const QList<ConverterOutput> &script)
        : m_script(script)
    {
        setEncoding(EncodingUnicode);
    }

protected:
    AnsiToIndicBase *createConverter(int, int, int) const override
    {
        return new ScriptedConverter(m_script);
    }

private:
    QList<ConverterOutput> m_script;
};

} // namespace

Q_DECLARE_METATYPE(ConverterOutput)

class TestYavoQtHooks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void typesText_data();
    void typesText();
    void sendsRecords_data();
    void sendsRecords();
    void longOutputIsSentWhole();
    void incompleteSendStartsAfresh_data();
    void incompleteSendStartsAfresh();
    void compositionEnds_data();
    void compositionEnds();
    void keyCharacters_data();
    void keyCharacters();
    void toggleGestures_data();
    void toggleGestures();
    void records_data();
    void records();
    void failedInstallLeavesTypingAlone();
};

void TestYavoQtHooks::initTestCase()
{
    writeQuickBytes();
}

void TestYavoQtHooks::typesText_data()
{
    QTest::addColumn<PipelineSettings>("settings");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    for (const PipelineCase &c : pipelineCases())
        QTest::newRow(c.name) << c.settings << c.keys << c.text;
}

void TestYavoQtHooks::typesText()
{
    QFETCH(PipelineSettings, settings);
    QFETCH(QString, keys);
    QFETCH(QString, text);

    Pipeline pipeline(settings, settings.indicEnabled);
    pipeline.typist.type(keys);
    QCOMPARE(pipeline.typist.text(), text);
}

// Each record list is written out: characters typed, <BS> and <RET> keys.
void TestYavoQtHooks::sendsRecords_data()
{
    QTest::addColumn<PipelineSettings>("settings");
    QTest::addColumn<bool>("indic");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("records");
    QTest::addColumn<QString>("text");

    QTest::newRow("phonetic karya") << layoutSettings(0) << true << "karya"
        << QStringLiteral("\u0C95\u0CCD<BS>\u0CB0\u0CCD\u200D\u0CAF\u0CCD<BS>")
        << QStringLiteral("\u0C95\u0CB0\u0CCD\u200D\u0CAF");
    QTest::newRow("KPRao kiF") << layoutSettings(1) << true << "kiF"
        << QStringLiteral("\u0C95\u0CBF<BS><BS>\u0CB0\u0CCD\u0C95\u0CBF")
        << QStringLiteral("\u0CB0\u0CCD\u0C95\u0CBF");
    // Nudi glyphs: each key retypes the glyphs of the whole syllable.
    QTest::newRow("KPRao kfya in Nudi glyphs") << layoutSettings(1, 0) << true << "kfya"
        << QStringLiteral("P\u00C0<BS><BS>P\u00EF<BS><BS>P\u00C0\u00E5<BS><BS><BS>P\u00C1\u00E5")
        << QStringLiteral("P\u00C1\u00E5");
    QTest::newRow("KPRao kff in Nudi glyphs: the second halant is kept back") << layoutSettings(1, 0) << true << "kff"
        << QStringLiteral("P\u00C0<BS><BS>P\u00EF") << QStringLiteral("P\u00EF");
    QTest::newRow("quick bytes with Indic input off") << layoutSettings(0) << false << "ty "
        << QStringLiteral("<BS><BS>Thank you<RET>Regards") << QStringLiteral("Thank you\nRegards ");
    QTest::newRow("unknown quick bytes label") << layoutSettings(0) << false << "tx " << QString()
        << QStringLiteral("tx ");
}

void TestYavoQtHooks::sendsRecords()
{
    QFETCH(PipelineSettings, settings);
    QFETCH(bool, indic);
    QFETCH(QString, keys);
    QFETCH(QString, records);
    QFETCH(QString, text);

    Pipeline pipeline(settings, indic);
    pipeline.typist.type(keys);
    QCOMPARE(pipeline.typist.records(), records);
    QCOMPARE(pipeline.typist.text(), text);
}

void TestYavoQtHooks::longOutputIsSentWhole()
{
    Pipeline pipeline(layoutSettings(0), false);
    pipeline.typist.setText(QStringLiteral("Dear "));
    pipeline.typist.type(QStringLiteral("long "));
    QCOMPARE(pipeline.typist.text(), QStringLiteral("Dear ") + longText + QLatin1Char(' '));
    for (unsigned size : pipeline.keyboard.sendSizes())
        QVERIFY2(size <= 3000, qPrintable(QString::number(size)));
}

// The backend carries out only `limit` records of the first key's output;
// whatever it did, the next key must not delete the user's text.
void TestYavoQtHooks::incompleteSendStartsAfresh_data()
{
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("text");

    QTest::newRow("nothing sent: the key itself arrives") << 0 << QStringLiteral("hello k\u0C85");
    QTest::newRow("half a record") << 1 << QStringLiteral("hello \u0C95\u0C85");
    QTest::newRow("the consonant without its virama") << 2 << QStringLiteral("hello \u0C95\u0C85");
}

void TestYavoQtHooks::incompleteSendStartsAfresh()
{
    QFETCH(int, limit);
    QFETCH(QString, text);

    Pipeline pipeline(layoutSettings(0));
    pipeline.typist.setText(QStringLiteral("hello "));
    pipeline.keyboard.setSendLimit(limit);
    pipeline.typist.type(QStringLiteral("k"));
    pipeline.keyboard.setSendLimit(-1);
    pipeline.typist.type(QStringLiteral("a"));
    QCOMPARE(pipeline.typist.text(), text);
    QCOMPARE(pipeline.hooks.emittedText(), QStringLiteral("\u0C85"));
}

// "k", something between, "a": the vowel joins the consonant only while
// the word goes on.
void TestYavoQtHooks::compositionEnds_data()
{
    QTest::addColumn<QString>("between");
    QTest::addColumn<QString>("text");

    const QString joined = QStringLiteral("\u0C95");
    const QString apart = QStringLiteral("\u0C95\u0CCD\u0C85");
    QTest::newRow("shift alone keeps the word") << "shift" << joined;
    QTest::newRow("caps lock key ends it") << "capslock" << apart;
    QTest::newRow("ctrl ends it") << "ctrl" << apart;
    QTest::newRow("a setter ends it") << "setter" << apart;
    QTest::newRow("another field ends it") << "context" << apart;
}

void TestYavoQtHooks::compositionEnds()
{
    QFETCH(QString, between);
    QFETCH(QString, text);

    Pipeline pipeline(layoutSettings(0));
    pipeline.typist.type(QStringLiteral("k"));
    if (between == QLatin1String("shift")) {
        pipeline.keyboard.setKeyState(VK_LSHIFT, true);
        pipeline.typist.press(VK_LSHIFT);
        pipeline.keyboard.setKeyState(VK_LSHIFT, false);
    } else if (between == QLatin1String("capslock")) {
        pipeline.typist.press(VK_CAPITAL);
    } else if (between == QLatin1String("ctrl")) {
        pipeline.keyboard.setKeyState(VK_LCONTROL, true);
        pipeline.typist.press(VK_LCONTROL);
        pipeline.keyboard.setKeyState(VK_LCONTROL, false);
    } else if (between == QLatin1String("context")) {
        pipeline.keyboard.changeInputContext();
    } else {
        pipeline.hooks.setKeyboardLayout(0);
    }
    pipeline.typist.type(QStringLiteral("a"));
    QCOMPARE(pipeline.typist.text(), text);
}

// The character of a key comes from the key and the Shift and Caps Lock
// states; Phonetic and InScript tell the characters apart in what they type.
void TestYavoQtHooks::keyCharacters_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<bool>("shift");
    QTest::addColumn<bool>("capsLock");
    QTest::addColumn<QString>("text");

    const QString a = QStringLiteral("\u0C85");
    const QString aa = QStringLiteral("\u0C86");
    QTest::newRow("a") << 0 << 0x41 << false << false << a;
    QTest::newRow("shift A") << 0 << 0x41 << true << false << aa;
    QTest::newRow("caps lock A") << 0 << 0x41 << false << true << aa;
    QTest::newRow("shift and caps lock A") << 0 << 0x41 << true << true << aa;
    // InScript types CA for ";" and CHA for ":", both on one key.
    QTest::newRow("semicolon key") << 2 << 186 << false << false << QStringLiteral("\u0C9A");
    QTest::newRow("shifted semicolon key") << 2 << 186 << true << false << QStringLiteral("\u0C9B");
}

void TestYavoQtHooks::keyCharacters()
{
    QFETCH(int, layout);
    QFETCH(int, virtualKey);
    QFETCH(bool, shift);
    QFETCH(bool, capsLock);
    QFETCH(QString, text);

    Pipeline pipeline(layoutSettings(layout));
    pipeline.keyboard.setKeyState(VK_LSHIFT, shift);
    pipeline.keyboard.setKeyState(VK_CAPITAL, false, capsLock);
    pipeline.typist.press(virtualKey);
    QCOMPARE(pipeline.typist.text(), text);
}

void TestYavoQtHooks::toggleGestures_data()
{
    QTest::addColumn<int>("heldKey");
    QTest::addColumn<int>("message");
    QTest::addColumn<int>("virtualKey");
    QTest::addColumn<int>("toggles");

    QTest::newRow("ctrl+F11 down") << VK_LCONTROL << int(WM_KEYDOWN) << VK_F11 << 1;
    QTest::newRow("ctrl+F11 up") << VK_LCONTROL << int(WM_KEYUP) << VK_F11 << 0;
    QTest::newRow("F11 alone") << 0 << int(WM_KEYDOWN) << VK_F11 << 0;
    QTest::newRow("alt+F11") << VK_LMENU << int(WM_SYSKEYDOWN) << VK_F11 << 0;
    QTest::newRow("scroll lock held, a key down") << VK_SCROLL << int(WM_KEYDOWN) << 0x41 << 1;
    QTest::newRow("scroll lock held, a key up") << VK_SCROLL << int(WM_KEYUP) << 0x41 << 1;
}

void TestYavoQtHooks::toggleGestures()
{
    QFETCH(int, heldKey);
    QFETCH(int, message);
    QFETCH(int, virtualKey);
    QFETCH(int, toggles);

    for (bool indic : {false, true}) {
        Pipeline pipeline(layoutSettings(0), indic);
        QSignalSpy spy(&pipeline.hooks, &YavoQtHooks::toggleIndic);
        if (heldKey)
            pipeline.keyboard.setKeyState(heldKey, true);
        // The application gets the key in every case.
        QVERIFY(!pipeline.keyboard.deliver(quintptr(message), virtualKey));
        QCOMPARE(spy.count(), toggles);
        QVERIFY(pipeline.keyboard.sent().isEmpty());
    }
}

// The record of every key comes from the test: each key of the phonetic
// list is answered with the next record of the script, and the converter
// notes what the hook told it had been typed.
void TestYavoQtHooks::records_data()
{
    QTest::addColumn<QList<ConverterOutput>>("script");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("keptEvents");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("emittedText");

    const QChar ka(0x0C95);
    ConverterOutput typeKa;
    typeKa.character = ka;
    ConverterOutput swallowOnly;
    swallowOnly.swallowKeyUp = true;
    ConverterOutput typeAndSwallow = typeKa;
    typeAndSwallow.swallowKeyUp = true;
    ConverterOutput arkavattu;
    arkavattu.arkavattu = true;
    arkavattu.backspaces = 1;

    // keptEvents: for each key its down and up, "1" when kept from the
    // application, "0" when it went through.
    QTest::newRow("a typing record keeps the release back")
        << QList<ConverterOutput>{typeAndSwallow, typeKa} << "kk" << "1110"
        << QStringLiteral("\u0C95\u0C95") << QStringLiteral("\u0C95\u0C95");
    QTest::newRow("a silent record keeps the key-down back")
        << QList<ConverterOutput>{swallowOnly, typeKa} << "kk" << "1010" << QStringLiteral("\u0C95")
        << QStringLiteral("\u0C95");
    QTest::newRow("an empty record lets the key through and starts afresh")
        << QList<ConverterOutput>{typeKa, ConverterOutput(), typeKa} << "kkk" << "100010"
        << QStringLiteral("\u0C95k\u0C95") << QStringLiteral("\u0C95");
    QTest::newRow("the repha goes before the last character")
        << QList<ConverterOutput>{typeKa, arkavattu} << "kk" << "1010"
        << QStringLiteral("\u0CB0\u0CCD\u0C95") << QStringLiteral("\u0CB0\u0CCD\u0C95");
}

void TestYavoQtHooks::records()
{
    QFETCH(QList<ConverterOutput>, script);
    QFETCH(QString, keys);
    QFETCH(QString, keptEvents);
    QFETCH(QString, text);
    QFETCH(QString, emittedText);

    FakeKeyboardBackend keyboard;
    ScriptedHooks hooks(script);
    hooks.setIndicEnabled(true);
    Typist typist(keyboard);
    QString kept;
    for (const QChar key : keys) {
        const int virtualKey = key.toUpper().unicode();
        kept += typist.keyDown(virtualKey, key) ? QLatin1Char('1') : QLatin1Char('0');
        kept += typist.release(virtualKey) ? QLatin1Char('1') : QLatin1Char('0');
    }
    QCOMPARE(kept, keptEvents);
    QCOMPARE(typist.text(), text);
    QCOMPARE(hooks.emittedText(), emittedText);
}

void TestYavoQtHooks::failedInstallLeavesTypingAlone()
{
    FakeKeyboardBackend keyboard;
    keyboard.setInstallError(5);
    // The program's debug line, shown when debug output is asked for.
    QLoggingCategory::setFilterRules(QStringLiteral("yavo.imeapp.debug=true"));
    QTest::ignoreMessage(QtDebugMsg, "Hook failed for application instance with error: 5");
    YavoQtHooks hooks;
    QLoggingCategory::setFilterRules(QString());
    hooks.setEncoding(YavoQtHooks::EncodingUnicode);
    hooks.setIndicEnabled(true);
    QVERIFY(!hooks.isHookInstalled());
    Typist typist(keyboard);
    typist.type(QStringLiteral("karya"));
    QCOMPARE(typist.text(), QStringLiteral("karya"));
}

YAVO_TEST_MAIN(TestYavoQtHooks)
#include "tst_yavoqthooks.moc"

// The input method program on a private IBus daemon, typing into a field
// of this test: what a user types must give the text the pipeline gives
// with the fake keyboard.

#include "pipelinecases.h"

#include "ibustestsession.h"
#include "testmain.h"

#include "core/sharedsettings.h"
#include "platform/ibus/ibusengineinfo.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSettings>

#include <ibus.h>

#include <memory>

Q_DECLARE_METATYPE(PipelineSettings)

namespace {

const QString program = QStringLiteral(YAVOIME_PROGRAM);
using Platform::IBusEngineInfo::componentName;
using Platform::IBusEngineInfo::engineName;

const QString ka = QStringLiteral("\u0C95\u0CCD");

void writeSettings(const PipelineSettings &settings)
{
    QSettings stored(QStringLiteral("Quenvel"), QStringLiteral("Yavo"));
    stored.beginGroup(QStringLiteral("InputSettings"));
    stored.setValue(QStringLiteral("language"), settings.language);
    stored.setValue(QStringLiteral("keyboard"), settings.layout);
    stored.setValue(QStringLiteral("encoding"), settings.encoding);
    stored.setValue(QStringLiteral("isArkavattuOK"), settings.arkavattu);
    stored.setValue(QStringLiteral("englishNumerals"), settings.englishNumerals);
    stored.endGroup();
    stored.sync();

    QFile quickBytes(SharedSettings::quickBytesPath());
    QVERIFY(quickBytes.open(QIODevice::WriteOnly | QIODevice::Truncate));
    quickBytes.write(pipelineQuickBytes());
}

} // namespace

class TestYavoIMEIBus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void typesText_data();
    void typesText();
    void toggles_data();
    void toggles();
    void modifiedKeysPass_data();
    void modifiedKeysPass();
    void forwardedKeysPass();
    void caretMovedByMouse_data();
    void caretMovedByMouse();
    void componentFile();

private:
    // The program with these settings, offering its engine; a field of
    // this test with the engine set.
    std::unique_ptr<IBusTestClient> startTyping(const PipelineSettings &settings, bool surroundingText);
    bool startProgram(const PipelineSettings &settings);
    void stopProgram();

    std::unique_ptr<IBusTestSession> m_session;
    std::unique_ptr<QProcess> m_program;
};

void TestYavoIMEIBus::initTestCase()
{
    m_session = std::make_unique<IBusTestSession>();
    if (!m_session->start(QDir::current().filePath(QStringLiteral("ibus"))))
        QSKIP(qPrintable(QStringLiteral("No private IBus daemon could be started here: %1").arg(m_session->errorString())));
}

void TestYavoIMEIBus::cleanup()
{
    stopProgram();
}

bool TestYavoIMEIBus::startProgram(const PipelineSettings &settings)
{
    writeSettings(settings);
    m_program = std::make_unique<QProcess>();
    m_program->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_program->start(program, QStringList());
    return m_program->waitForStarted() && m_session->waitForName(componentName, true);
}

std::unique_ptr<IBusTestClient> TestYavoIMEIBus::startTyping(const PipelineSettings &settings, bool surroundingText)
{
    if (!startProgram(settings))
        return nullptr;
    auto client = std::make_unique<IBusTestClient>(m_session->bus(), surroundingText);
    if (!client->isValid() || !client->setEngine(engineName))
        return nullptr;
    // The program starts with Indic input off.
    if (settings.indicEnabled)
        client->press(IBUS_KEY_F11, IBUS_CONTROL_MASK);
    return client;
}

void TestYavoIMEIBus::stopProgram()
{
    if (!m_program)
        return;
    m_program->kill();
    m_program->waitForFinished(10000);
    m_program.reset();
    QVERIFY(m_session->waitForName(componentName, false));
}

void TestYavoIMEIBus::typesText_data()
{
    QTest::addColumn<PipelineSettings>("settings");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("surroundingText");

    for (const PipelineCase &c : pipelineCases()) {
        QTest::addRow("%s, surrounding text", c.name) << c.settings << c.keys << c.text << true;
        QTest::addRow("%s, forwarded keys", c.name) << c.settings << c.keys << c.text << false;
    }
}

void TestYavoIMEIBus::typesText()
{
    QFETCH(PipelineSettings, settings);
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(bool, surroundingText);

    std::unique_ptr<IBusTestClient> field = startTyping(settings, surroundingText);
    QVERIFY(field);
    field->type(keys);
    QCOMPARE(field->text(), text);
    // A field that keeps its text to itself is never asked to delete.
    if (!surroundingText)
        QCOMPARE(field->deletions(), 0);
}

// Ctrl+F11 and Scroll Lock switch Indic input; the keys themselves reach
// the application.
void TestYavoIMEIBus::toggles_data()
{
    QTest::addColumn<quint32>("keysym");
    QTest::addColumn<quint32>("modifiers");
    QTest::addColumn<int>("presses");
    QTest::addColumn<QString>("text");

    QTest::newRow("ctrl+F11 once") << quint32(IBUS_KEY_F11) << quint32(IBUS_CONTROL_MASK) << 1 << ka;
    QTest::newRow("ctrl+F11 twice") << quint32(IBUS_KEY_F11) << quint32(IBUS_CONTROL_MASK) << 2 << "k";
    QTest::newRow("scroll lock once") << quint32(IBUS_KEY_Scroll_Lock) << 0u << 1 << ka;
    QTest::newRow("scroll lock twice") << quint32(IBUS_KEY_Scroll_Lock) << 0u << 2 << "k";
    QTest::newRow("F11 alone") << quint32(IBUS_KEY_F11) << 0u << 1 << "k";
}

void TestYavoIMEIBus::toggles()
{
    QFETCH(quint32, keysym);
    QFETCH(quint32, modifiers);
    QFETCH(int, presses);
    QFETCH(QString, text);

    PipelineSettings settings;
    settings.indicEnabled = false;
    std::unique_ptr<IBusTestClient> field = startTyping(settings, true);
    QVERIFY(field);
    for (int i = 0; i < presses; ++i)
        QVERIFY(!field->press(keysym, modifiers));
    field->type(QStringLiteral("k"));
    QCOMPARE(field->text(), text);
}

// With Indic input on, keys with Ctrl or Alt go to the application as they
// are, and end the word being composed.
void TestYavoIMEIBus::modifiedKeysPass_data()
{
    QTest::addColumn<quint32>("modifier");
    QTest::newRow("ctrl") << quint32(IBUS_CONTROL_MASK);
    QTest::newRow("alt") << quint32(IBUS_MOD1_MASK);
}

void TestYavoIMEIBus::modifiedKeysPass()
{
    QFETCH(quint32, modifier);

    std::unique_ptr<IBusTestClient> field = startTyping(PipelineSettings(), true);
    QVERIFY(field);
    field->type(QStringLiteral("k"));
    const int commits = field->commits();
    QVERIFY(!field->press(IBUS_KEY_a, modifier));
    QCOMPARE(field->commits(), commits);
    field->type(QStringLiteral("a"));
    QCOMPARE(field->text(), ka + QStringLiteral("\u0C85"));
}

// A key the engine forwarded may come back from the application with the
// daemon's forward mark: it is the engine's own and must not be typed again.
void TestYavoIMEIBus::forwardedKeysPass()
{
    std::unique_ptr<IBusTestClient> field = startTyping(PipelineSettings(), false);
    QVERIFY(field);
    field->type(QStringLiteral("k"));
    const int commits = field->commits();
    QVERIFY(!field->sendKey(IBUS_KEY_a, IBUS_FORWARD_MASK));
    QVERIFY(!field->sendKey(IBUS_KEY_a, IBUS_FORWARD_MASK | IBUS_RELEASE_MASK));
    QCOMPARE(field->commits(), commits);
    QCOMPARE(field->forwardedKeys(), 0);
}

// "k", the user clicks elsewhere in the text, "a": the vowel must not join
// the consonant by deleting what is in front of the new caret.
void TestYavoIMEIBus::caretMovedByMouse_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<bool>("reset");
    QTest::addColumn<QString>("text");

    const QString a = QStringLiteral("\u0C85");
    QTest::newRow("field resets its input method") << 3 << true << QStringLiteral("hel") + a + QStringLiteral("lo ") + ka;
    QTest::newRow("no reset, caret at the start") << 0 << false << QStringLiteral("ahello ") + ka;
}

void TestYavoIMEIBus::caretMovedByMouse()
{
    QFETCH(int, caret);
    QFETCH(bool, reset);
    QFETCH(QString, text);

    std::unique_ptr<IBusTestClient> field = startTyping(PipelineSettings(), true);
    QVERIFY(field);
    field->setText(QStringLiteral("hello "));
    field->type(QStringLiteral("k"));
    field->moveCaret(caret, reset);
    field->type(QStringLiteral("a"));
    QCOMPARE(field->text(), text);
}

// The component file the build writes lists the engine for a daemon; a
// daemon that knows it from there gets the engine from the program.
void TestYavoIMEIBus::componentFile()
{
    m_session.reset();
    m_session = std::make_unique<IBusTestSession>();
    QVERIFY2(m_session->start(QDir::current().filePath(QStringLiteral("ibus-listed")), QStringLiteral(YAVO_IBUS_COMPONENT_DIR)),
             qPrintable(m_session->errorString()));
    const char *const names[] = {engineName, nullptr};
    IBusEngineDesc **listed = ibus_bus_get_engines_by_names(m_session->bus(), names);
    QVERIFY(listed && listed[0]);
    const QByteArray language = ibus_engine_desc_get_language(listed[0]);
    const QByteArray layout = ibus_engine_desc_get_layout(listed[0]);
    for (IBusEngineDesc **desc = listed; *desc; ++desc)
        g_object_unref(*desc);
    g_free(listed);
    QCOMPARE(language, QByteArray("kn"));
    QCOMPARE(layout, QByteArray("us"));

    QVERIFY(startProgram(PipelineSettings()));
    IBusTestClient field(m_session->bus(), true);
    QVERIFY(field.setEngine(engineName));
    field.press(IBUS_KEY_F11, IBUS_CONTROL_MASK);
    field.type(QStringLiteral("karya"));
    QCOMPARE(field.text(), pipelineCases().first().text);
}

YAVO_TEST_GUILESS_MAIN(TestYavoIMEIBus)
#include "tst_yavoimeibus.moc"

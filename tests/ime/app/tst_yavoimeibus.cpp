// The input method program on a private IBus daemon, typing into a field
// of this test: what a user types must give the text the pipeline gives
// with the fake keyboard, nothing the field holds is ever deleted by the
// engine, and the engine outlives the daemon.

#include "pipelinecases.h"

#include "ibustestsession.h"
#include "testmain.h"

#include "core/sharedsettings.h"
#include "platform/ibus/ibusengineinfo.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSettings>

#include <ibus.h>

#include <memory>

Q_DECLARE_METATYPE(PipelineSettings)
Q_DECLARE_METATYPE(IBusTestClient::Kind)

namespace {

// Whether the process has ended, or ends within the time: one that ended
// while the events were served already is no process to wait for, and
// waitForFinished() says false for it.
bool hasEnded(QProcess &process, int milliseconds)
{
    return process.state() == QProcess::NotRunning || process.waitForFinished(milliseconds);
}

const QString program = QStringLiteral(YAVOIME_PROGRAM);
using Platform::IBusEngineInfo::componentName;
using Platform::IBusEngineInfo::engineName;

const QString ka = QStringLiteral("\u0C95\u0CCD");
const QString a = QStringLiteral("\u0C85");

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

int storedLanguage()
{
    return QSettings(QStringLiteral("Quenvel"), QStringLiteral("Yavo")).value(QStringLiteral("InputSettings/language")).toInt();
}

using Property = IBusTestClient::Property;

// The entry of the engine's menu under the labels, as a panel shows it.
const Property *findProperty(const QVector<Property> &properties, const QStringList &labels)
{
    for (const Property &property : properties) {
        if (property.label != labels.first())
            continue;
        if (labels.size() == 1)
            return &property;
        return findProperty(property.children, labels.mid(1));
    }
    return nullptr;
}

bool isChecked(const QVector<Property> &properties, const QStringList &labels)
{
    const Property *property = findProperty(properties, labels);
    return property && property->checked;
}

const QStringList indicInput = {QStringLiteral("Indic Input [CTRL-F11 or ScrollLock]")};

// Ends the copies of the program that a daemon of this test started: the
// test has no handle on them, and they would wait for a daemon forever.
void killDaemonStartedCopies()
{
    const QByteArray home = "HOME=" + qgetenv("HOME");
    QDirIterator processes(QStringLiteral("/proc"), QDir::Dirs | QDir::NoDotAndDotDot);
    while (processes.hasNext()) {
        const QString folder = processes.next();
        QFile commandLine(folder + QStringLiteral("/cmdline"));
        QFile environment(folder + QStringLiteral("/environ"));
        if (!commandLine.open(QIODevice::ReadOnly) || !environment.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> arguments = commandLine.readAll().split('\0');
        if (arguments.value(0) != program.toLocal8Bit() || !arguments.contains(Platform::IBusEngineInfo::startedByDaemonOption)
            || !environment.readAll().split('\0').contains(home))
            continue;
        QProcess::execute(QStringLiteral("kill"), {QFileInfo(folder).fileName()});
    }
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
    void preeditEndsOnce_data();
    void preeditEndsOnce();
    void menuFollowsTheSettings();
    void greyedEntriesChangeNothing_data();
    void greyedEntriesChangeNothing();
    void daemonRestarts();
    void daemonStartsAfterTheProgram();
    void daemonStartedCopyTakesOver();
    void daemonStartedCopyYields();
    void componentFile();

private:
    // The program with these settings, offering its engine; a field of
    // this test with the engine set.
    std::unique_ptr<IBusTestClient> startTyping(const PipelineSettings &settings,
                                                IBusTestClient::Kind kind = IBusTestClient::PlainClient);
    bool startProgram(const PipelineSettings &settings);
    std::unique_ptr<IBusTestClient> newField(IBusTestClient::Kind kind = IBusTestClient::PlainClient);
    void stopProgram();
    // Indic input goes on in the field and a word typed there is Kannada.
    void typesWithIndicInput(IBusTestClient &field);
    // The warnings the program wrote so far, one a line.
    QStringList programWarnings();

    std::unique_ptr<IBusTestSession> m_session;
    std::unique_ptr<QProcess> m_program;
    QString m_warnings;
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
    killDaemonStartedCopies();
}

bool TestYavoIMEIBus::startProgram(const PipelineSettings &settings)
{
    writeSettings(settings);
    m_warnings.clear();
    m_program = std::make_unique<QProcess>();
    m_program->start(program, QStringList());
    return m_program->waitForStarted() && m_session->waitForName(componentName, true);
}

std::unique_ptr<IBusTestClient> TestYavoIMEIBus::newField(IBusTestClient::Kind kind)
{
    auto client = std::make_unique<IBusTestClient>(m_session->bus(), kind);
    if (!client->isValid() || !client->setEngine(engineName))
        return nullptr;
    // The daemon learns that the engine wants the name of the field's input
    // module while the engine answers its first calls, and names it from
    // the next focus on, as when the user comes back to the window. A key
    // that changes nothing makes sure those calls were answered.
    if (kind == IBusTestClient::QtClient) {
        client->press(IBUS_KEY_Shift_L);
        client->focusOut();
        client->focusIn();
    }
    return client;
}

std::unique_ptr<IBusTestClient> TestYavoIMEIBus::startTyping(const PipelineSettings &settings, IBusTestClient::Kind kind)
{
    if (!startProgram(settings))
        return nullptr;
    std::unique_ptr<IBusTestClient> client = newField(kind);
    // The program starts with Indic input off.
    if (client && settings.indicEnabled)
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

void TestYavoIMEIBus::typesWithIndicInput(IBusTestClient &field)
{
    field.press(IBUS_KEY_F11, IBUS_CONTROL_MASK);
    field.type(QStringLiteral("ka "));
    QCOMPARE(field.text(), QStringLiteral("\u0C95 "));
}

QStringList TestYavoIMEIBus::programWarnings()
{
    if (m_program)
        m_warnings += QString::fromLocal8Bit(m_program->readAllStandardError());
    return m_warnings.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestYavoIMEIBus::typesText_data()
{
    QTest::addColumn<PipelineSettings>("settings");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    for (const PipelineCase &c : pipelineCases())
        QTest::newRow(c.name) << c.settings << c.keys << c.text;
}

// What is still being composed is the field's pre-edit; it joins the text
// when the field loses the focus.
void TestYavoIMEIBus::typesText()
{
    QFETCH(PipelineSettings, settings);
    QFETCH(QString, keys);
    QFETCH(QString, text);

    std::unique_ptr<IBusTestClient> field = startTyping(settings);
    QVERIFY(field);
    field->type(keys);
    QCOMPARE(field->text() + field->preedit(), text);
    field->focusOut();
    QCOMPARE(field->text(), text);
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
    std::unique_ptr<IBusTestClient> field = startTyping(settings);
    QVERIFY(field);
    for (int i = 0; i < presses; ++i)
        QVERIFY(!field->press(keysym, modifiers));
    field->type(QStringLiteral("k"));
    QCOMPARE(field->text() + field->preedit(), text);
}

// With Indic input on, keys with Ctrl or Alt go to the application as they
// are, and end the word being composed: it is committed first.
void TestYavoIMEIBus::modifiedKeysPass_data()
{
    QTest::addColumn<quint32>("modifier");
    QTest::newRow("ctrl") << quint32(IBUS_CONTROL_MASK);
    QTest::newRow("alt") << quint32(IBUS_MOD1_MASK);
}

void TestYavoIMEIBus::modifiedKeysPass()
{
    QFETCH(quint32, modifier);

    std::unique_ptr<IBusTestClient> field = startTyping(PipelineSettings());
    QVERIFY(field);
    field->type(QStringLiteral("k"));
    QCOMPARE(field->preedit(), ka);
    QVERIFY(!field->press(IBUS_KEY_a, modifier));
    QCOMPARE(field->text(), ka);
    QCOMPARE(field->preedit(), QString());
    field->type(QStringLiteral("a"));
    QCOMPARE(field->text() + field->preedit(), ka + a);
}

// A key the engine forwarded may come back from the application with the
// daemon's forward mark: it is the engine's own and must not be typed again.
void TestYavoIMEIBus::forwardedKeysPass()
{
    std::unique_ptr<IBusTestClient> field = startTyping(PipelineSettings());
    QVERIFY(field);
    field->type(QStringLiteral("k"));
    const int commits = field->commits();
    QVERIFY(!field->sendKey(IBUS_KEY_a, IBUS_FORWARD_MASK));
    QVERIFY(!field->sendKey(IBUS_KEY_a, IBUS_FORWARD_MASK | IBUS_RELEASE_MASK));
    QCOMPARE(field->commits(), commits);
    QCOMPARE(field->forwardedKeys(), 0);
    QCOMPARE(field->preedit(), ka);
}

// "k", the user clicks elsewhere in the text, into another field or into
// another window and back, "a": the pre-edit ends where it was, exactly
// once, whoever commits it.
void TestYavoIMEIBus::preeditEndsOnce_data()
{
    QTest::addColumn<IBusTestClient::Kind>("kind");
    QTest::addColumn<QString>("move");
    QTest::addColumn<QString>("text");

    const QString clicked = QStringLiteral("hel") + a + QStringLiteral("lo ") + ka;
    const QString refocused = QStringLiteral("hello ") + ka + a;
    QTest::newRow("caret moved, the daemon commits") << IBusTestClient::PlainClient << "caret" << clicked;
    QTest::newRow("caret moved, Qt commits") << IBusTestClient::QtClient << "caret" << clicked;
    QTest::newRow("focus moved, the daemon commits") << IBusTestClient::PlainClient << "focus" << refocused;
    QTest::newRow("window left, the engine commits on return") << IBusTestClient::QtClient << "focus" << refocused;
    // Without a reset the pre-edit goes with the caret and goes on.
    QTest::newRow("caret moved without a reset") << IBusTestClient::PlainClient << "silent caret"
                                                 << QStringLiteral("\u0C95hello ");
}

void TestYavoIMEIBus::preeditEndsOnce()
{
    QFETCH(IBusTestClient::Kind, kind);
    QFETCH(QString, move);
    QFETCH(QString, text);

    std::unique_ptr<IBusTestClient> field = startTyping(PipelineSettings(), kind);
    QVERIFY(field);
    field->setText(QStringLiteral("hello "));
    field->type(QStringLiteral("k"));
    if (move == QLatin1String("caret")) {
        field->moveCaret(3, true);
    } else if (move == QLatin1String("focus")) {
        field->focusOut();
        field->focusIn();
    } else {
        field->moveCaret(0, false);
    }
    field->type(QStringLiteral("a"));
    field->focusOut();
    field->focusIn();
    // A key that changes nothing: the engine has answered the focus.
    field->press(IBUS_KEY_Shift_L);
    QCOMPARE(field->text(), text);
    QCOMPARE(field->deletions(), 0);
}

// The desktop's input-method menu offers the tray's settings, shows what
// the keys change and changes what the program types and stores.
void TestYavoIMEIBus::menuFollowsTheSettings()
{
    PipelineSettings settings;
    settings.indicEnabled = false;
    std::unique_ptr<IBusTestClient> field = startTyping(settings);
    QVERIFY(field);

    const QStringList kannada = {QStringLiteral("Language"), QStringLiteral("Kannada")};
    const QStringList hindi = {QStringLiteral("Language"), QStringLiteral("Hindi")};
    QVERIFY(field->waitForProperties([&](const QVector<Property> &menu) { return isChecked(menu, kannada); }));
    const QVector<Property> menu = field->properties();
    QStringList labels;
    for (const Property &property : menu)
        labels.append(property.label);
    QCOMPARE(labels, QStringList({QStringLiteral("Language"), QStringLiteral("Keyboard Layout"),
                                  QStringLiteral("Output Encoding"), indicInput.first(), QStringLiteral("Quit")}));
    QCOMPARE(findProperty(menu, {QStringLiteral("Language")})->children.size(), 9);
    QCOMPARE(findProperty(menu, {QStringLiteral("Language")})->type, int(PROP_TYPE_MENU));
    QCOMPARE(findProperty(menu, kannada)->type, int(PROP_TYPE_RADIO));
    QCOMPARE(findProperty(menu, indicInput)->type, int(PROP_TYPE_TOGGLE));
    QVERIFY(isChecked(menu, {QStringLiteral("Keyboard Layout"), QStringLiteral("Phonetic layout")}));
    QVERIFY(isChecked(menu, {QStringLiteral("Output Encoding"), QStringLiteral("Unicode")}));
    // While Indic input is off, as in the tray menu, no language is chosen.
    QVERIFY(!findProperty(menu, hindi)->sensitive);
    QVERIFY(!isChecked(menu, indicInput));

    field->activateProperty(findProperty(menu, indicInput)->key, true);
    QVERIFY(field->waitForProperties([&](const QVector<Property> &m) {
        return isChecked(m, indicInput) && findProperty(m, hindi)->sensitive;
    }));
    field->activateProperty(findProperty(field->properties(), hindi)->key, true);
    QVERIFY(field->waitForProperties([&](const QVector<Property> &m) { return isChecked(m, hindi); }));
    field->type(QStringLiteral("ka "));
    QCOMPARE(field->text(), QStringLiteral("\u0915 "));

    // Ctrl+F11 switches Indic input off, and the menu shows it.
    field->press(IBUS_KEY_F11, IBUS_CONTROL_MASK);
    QVERIFY(field->waitForProperties([&](const QVector<Property> &m) { return !isChecked(m, indicInput); }));

    // Quit ends the program, which stores what was chosen.
    field->activateProperty(findProperty(field->properties(), {QStringLiteral("Quit")})->key, false);
    QVERIFY(hasEnded(*m_program, 10000));
    QCOMPARE(m_program->exitCode(), 0);
    QCOMPARE(storedLanguage(), 4);
}

void TestYavoIMEIBus::greyedEntriesChangeNothing_data()
{
    QTest::addColumn<PipelineSettings>("settings");
    QTest::addColumn<QStringList>("entry");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");

    PipelineSettings off;
    off.indicEnabled = false;
    PipelineSettings nudi;
    nudi.layout = 1;
    nudi.encoding = 0;
    const QString ka = QStringLiteral("\u0C95 ");
    QTest::newRow("a language, Indic input off") << off << QStringList{QStringLiteral("Language"), QStringLiteral("Hindi")}
                                                 << "ka " << ka;
    QTest::newRow("a layout, Indic input off")
        << off << QStringList{QStringLiteral("Keyboard Layout"), QStringLiteral("KPRao(NUDI) layout")} << "ka " << ka;
    QTest::newRow("an encoding, Indic input off")
        << off << QStringList{QStringLiteral("Output Encoding"), QStringLiteral("ANSI")} << "ka " << ka;
    QTest::newRow("Phonetic with ANSI output")
        << nudi << QStringList{QStringLiteral("Keyboard Layout"), QStringLiteral("Phonetic layout")} << "kfya "
        << QStringLiteral("P\u00C1\u00E5 ");
}

// A panel shows these entries greyed; activated all the same (through the
// daemon's interface, as another panel may), they change nothing: the keys
// typed afterwards, with Indic input on, give what they gave before.
void TestYavoIMEIBus::greyedEntriesChangeNothing()
{
    QFETCH(PipelineSettings, settings);
    QFETCH(QStringList, entry);
    QFETCH(QString, keys);
    QFETCH(QString, text);

    std::unique_ptr<IBusTestClient> field = startTyping(settings);
    QVERIFY(field);
    QVERIFY(field->waitForProperties([&](const QVector<Property> &menu) {
        const Property *found = findProperty(menu, entry);
        return found && !found->sensitive;
    }));
    // The submenu holding only greyed entries is greyed too.
    if (!settings.indicEnabled)
        QVERIFY(!findProperty(field->properties(), entry.mid(0, 1))->sensitive);
    field->activateProperty(findProperty(field->properties(), entry)->key, true);
    if (!settings.indicEnabled)
        field->press(IBUS_KEY_F11, IBUS_CONTROL_MASK);
    field->type(keys);
    QCOMPARE(field->text(), text);
    QVERIFY(!isChecked(field->properties(), entry));
}

// The daemon goes away and comes back: the program, still running, offers
// its engine again, and says once that the daemon went away.
void TestYavoIMEIBus::daemonRestarts()
{
    const QString keys = pipelineCases().first().keys + QLatin1Char(' ');
    const QString text = pipelineCases().first().text + QLatin1Char(' ');
    std::unique_ptr<IBusTestClient> field = startTyping(PipelineSettings());
    QVERIFY(field);
    field->type(keys);
    QCOMPARE(field->text(), text);
    field.reset();

    QVERIFY(m_session->stop());
    QVERIFY(m_session->start(QDir::current().filePath(QStringLiteral("ibus")), QString()));
    QVERIFY(m_session->waitForName(componentName, true));
    QCOMPARE(m_program->state(), QProcess::Running);
    field = newField();
    QVERIFY(field);
    // Indic input stayed on.
    field->type(keys);
    QCOMPARE(field->text(), text);
    QCOMPARE(programWarnings().filter(QStringLiteral("went away")).size(), 1);
}

// No daemon runs when the program starts: it says so, and offers the engine
// once one starts.
void TestYavoIMEIBus::daemonStartsAfterTheProgram()
{
    QVERIFY(m_session->stop());
    writeSettings(PipelineSettings());
    m_program = std::make_unique<QProcess>();
    m_program->start(program, QStringList());
    QVERIFY(m_program->waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(programWarnings().filter(QStringLiteral("No IBus daemon")).size(), 1, 10000);

    QVERIFY(m_session->start(QDir::current().filePath(QStringLiteral("ibus")), QString()));
    QVERIFY(m_session->waitForName(componentName, true));
    std::unique_ptr<IBusTestClient> field = newField();
    QVERIFY(field);
    typesWithIndicInput(*field);
}

// The daemon comes back where the running copy cannot find it, and starts
// a copy of its own when a field asks for the engine: the running copy
// gives way instead of turning the daemon's copy away.
void TestYavoIMEIBus::daemonStartedCopyTakesOver()
{
    QVERIFY(startProgram(PipelineSettings()));
    QVERIFY(m_session->stop());
    QVERIFY2(m_session->start(QDir::current().filePath(QStringLiteral("ibus-moved")), QStringLiteral(YAVO_IBUS_COMPONENT_DIR)),
             qPrintable(m_session->errorString()));

    std::unique_ptr<IBusTestClient> field = newField();
    QVERIFY(field);
    // It may have ended while the field waited for its engine.
    QVERIFY(hasEnded(*m_program, 20000));
    QCOMPARE(m_program->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_program->exitCode(), 0);
    QCOMPARE(programWarnings().filter(QStringLiteral("takes over")).size(), 1);
    m_program.reset();

    typesWithIndicInput(*field);
    // The daemon's copy ends through its menu.
    QVERIFY(field->waitForProperties([](const QVector<Property> &m) { return findProperty(m, {QStringLiteral("Quit")}); }));
    field->activateProperty(findProperty(field->properties(), {QStringLiteral("Quit")})->key, false);
    QVERIFY(m_session->waitForName(componentName, false));
}

// A copy started for the daemon while the running copy serves its engine
// ends at once, saying why in one line; the running copy goes on serving.
void TestYavoIMEIBus::daemonStartedCopyYields()
{
    QVERIFY(startProgram(PipelineSettings()));
    QProcess second;
    second.start(program, {QString::fromLatin1(Platform::IBusEngineInfo::startedByDaemonOption)});
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitCode(), 0);
    const QStringList warnings = QString::fromLocal8Bit(second.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(warnings.size(), 1);
    QVERIFY2(warnings.first().contains(QStringLiteral("serves the IBus engine")), qPrintable(warnings.first()));

    QCOMPARE(m_program->state(), QProcess::Running);
    std::unique_ptr<IBusTestClient> field = newField();
    QVERIFY(field);
    typesWithIndicInput(*field);
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
    std::unique_ptr<IBusTestClient> field = newField();
    QVERIFY(field);
    field->press(IBUS_KEY_F11, IBUS_CONTROL_MASK);
    field->type(QStringLiteral("karya "));
    QCOMPARE(field->text(), pipelineCases().first().text + QLatin1Char(' '));
}

YAVO_TEST_GUILESS_MAIN(TestYavoIMEIBus)
#include "tst_yavoimeibus.moc"

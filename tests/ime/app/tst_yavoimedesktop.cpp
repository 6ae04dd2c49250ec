// The input method as a user meets it on a Linux desktop: the real program
// on a private IBus daemon, an X server with a window manager, and GTK 3
// and Qt windows in both modes of their input modules, typed into with real
// key events at full speed and at a typing pace. Every field must end up
// with what the converters give for the keys; the engine must outlive a
// daemon restart; each change of state is one notification.

#include "ibustestsession.h"
#include "pipeline.h"
#include "textclient.h"
#include "virtualdesktop.h"

#include "testmain.h"

#include "platform/ibus/ibusengineinfo.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDir>
#include <QMutex>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <ibus.h>

#include <map>
#include <memory>

namespace {

using Platform::IBusEngineInfo::componentName;
using Platform::IBusEngineInfo::engineName;

constexpr VirtualDesktop::Parts desktopParts = VirtualDesktop::WindowManager | VirtualDesktop::SessionBus;

// A Kannada text in the Phonetic layout, with punctuation and digits, that
// a fast typist types while the application is busy for a moment.
const QString fastKeys = QStringLiteral(
    "satyamEva jayate. kannaDa naaDina jaanapada saahityavu, haaDuva haaDugaLu; "
    "text here 123 kRShNa? raama rAjya (ok) karya dharma! ");
// Backspace and Enter among the words, at a typing pace. A one-line field
// takes Enter as "done" (a Qt one commits what it shows at once), so Enter
// goes only into the multi-line field.
const QString paceKeys = QStringLiteral("kannaDa\nnaaDu, kaa\b \bga raama ");

struct Row
{
    const char *toolkit;
    bool sync;
};

// What the pipeline types for the keys with the default settings.
QString converted(const QString &keys)
{
    const PipelineSettings settings;
    Pipeline pipeline(settings);
    pipeline.typist.type(keys);
    return pipeline.typist.text();
}

} // namespace

// The notification server of a desktop, keeping what it is asked to show.
class FakeNotifications : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        QString body;
        int timeout;
    };

    QVector<Notification> notifications() const
    {
        QMutexLocker locker(&m_mutex);
        return m_notifications;
    }
    void clear()
    {
        QMutexLocker locker(&m_mutex);
        m_notifications.clear();
    }

public Q_SLOTS:
    QStringList GetCapabilities() { return {QStringLiteral("body")}; }
    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion)
    {
        vendor = QStringLiteral("yavo");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("fake notifications");
    }
    uint Notify(const QString &, uint, const QString &, const QString &, const QString &body, const QStringList &,
                const QVariantMap &, int timeout)
    {
        QMutexLocker locker(&m_mutex);
        m_notifications.append({body, timeout});
        return uint(m_notifications.size());
    }
    void CloseNotification(uint) {}

private:
    mutable QMutex m_mutex;
    QVector<Notification> m_notifications;
};

// The host of status-notifier tray icons: with one on the session bus, Qt
// shows its tray icon and balloons through D-Bus.
class FakeStatusNotifierWatcher : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ isStatusNotifierHostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ registeredStatusNotifierItems)

public:
    bool isStatusNotifierHostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    QStringList registeredStatusNotifierItems() const { return m_items; }

public Q_SLOTS:
    void RegisterStatusNotifierItem(const QString &service) { m_items.append(service); }
    void RegisterStatusNotifierHost(const QString &) {}

private:
    QStringList m_items;
};

class TestYavoIMEDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();

    void typesWhatTheConvertersGive_data();
    void typesWhatTheConvertersGive();
    void windowSwitchKeepsTheWord_data();
    void windowSwitchKeepsTheWord();
    void oneNotificationPerChange();
    void daemonRestarts();

private:
    bool startServices();
    TextClient *client(const QString &toolkit, bool sync);
    QStringList imeWarnings();
    QStringList notificationBodies() const;

    VirtualDesktop m_desktop;
    std::unique_ptr<IBusTestSession> m_session;
    QProcess m_ime;
    QString m_imeErrors;
    QThread m_servicesThread;
    FakeNotifications *m_notifications = nullptr;
    FakeStatusNotifierWatcher *m_watcher = nullptr;
    std::map<QString, std::unique_ptr<TextClient>> m_clients;
};

void TestYavoIMEDesktop::initTestCase()
{
    QStringList missing = VirtualDesktop::missingPrograms(desktopParts);
    for (const QString &program :
         {QStringLiteral("xdotool"), QStringLiteral("ibus-daemon"), QStringLiteral("dbus-run-session")}) {
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing.append(program);
    }
    if (QProcess::execute(QStringLiteral(YAVO_SYSTEM_PYTHON3),
                          {QStringLiteral("-c"), QStringLiteral("import gi; gi.require_version('Gtk', '3.0')")}) != 0)
        missing.append(QStringLiteral("python3-gi with GTK 3"));
    if (!missing.isEmpty())
        QSKIP(qPrintable(QStringLiteral("Missing here: %1").arg(missing.join(QStringLiteral(", ")))));
    QVERIFY2(m_desktop.start(desktopParts), qPrintable(m_desktop.errorString()));
    QVERIFY(startServices());

    // The daemon writes its address where the desktop's programs look for
    // it, and finds them again there after a restart.
    m_desktop.useDisplay();
    m_session = std::make_unique<IBusTestSession>();
    QVERIFY2(m_session->start(QDir::current().filePath(QStringLiteral("ibus"))), qPrintable(m_session->errorString()));

    m_ime.setProcessEnvironment(m_desktop.environment());
    m_ime.start(QStringLiteral(YAVOIME_PROGRAM), QStringList());
    QVERIFY(m_ime.waitForStarted());
    QVERIFY(m_session->waitForName(componentName, true));
    QVERIFY(ibus_bus_set_global_engine(m_session->bus(), engineName));

    // Indic input starts off.
    TextClient *first = client(QStringLiteral("gtk"), false);
    QVERIFY(first);
    QVERIFY(m_desktop.activate(first->window()));
    QVERIFY(first->focus(QStringLiteral("entry")));
    QVERIFY(m_desktop.key(QStringLiteral("ctrl+F11")));
    QVERIFY(m_desktop.type(QStringLiteral("ka "), 40));
    QTRY_COMPARE_WITH_TIMEOUT(first->text(QStringLiteral("entry")), QStringLiteral("\u0C95 "), 10000);
}

void TestYavoIMEDesktop::cleanupTestCase()
{
    m_clients.clear();
    if (m_ime.state() != QProcess::NotRunning) {
        m_ime.kill();
        m_ime.waitForFinished(10000);
    }
    m_session.reset();
    m_servicesThread.quit();
    m_servicesThread.wait();
    delete m_notifications;
    delete m_watcher;
}

// The desktop's notification server and tray host, answering on a thread of
// their own while the test waits for programs.
bool TestYavoIMEDesktop::startServices()
{
    QDBusConnection bus = QDBusConnection::connectToBus(m_desktop.sessionBusAddress(), QStringLiteral("yavo-desktop"));
    if (!bus.isConnected())
        return false;
    m_notifications = new FakeNotifications;
    m_watcher = new FakeStatusNotifierWatcher;
    m_notifications->moveToThread(&m_servicesThread);
    m_watcher->moveToThread(&m_servicesThread);
    m_servicesThread.start();
    const auto exported = QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties;
    return bus.registerObject(QStringLiteral("/org/freedesktop/Notifications"), m_notifications, exported)
        && bus.registerService(QStringLiteral("org.freedesktop.Notifications"))
        && bus.registerObject(QStringLiteral("/StatusNotifierWatcher"), m_watcher, exported)
        && bus.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
}

TextClient *TestYavoIMEDesktop::client(const QString &toolkit, bool sync)
{
    const QString name = toolkit + (sync ? QStringLiteral(" sync") : QStringLiteral(" async"));
    std::unique_ptr<TextClient> &client = m_clients[name];
    if (client)
        return client.get();
    QProcessEnvironment environment = m_desktop.environment();
    environment.insert(QStringLiteral("GTK_IM_MODULE"), QStringLiteral("ibus"));
    environment.insert(QStringLiteral("QT_IM_MODULE"), QStringLiteral("ibus"));
    environment.insert(QStringLiteral("IBUS_ENABLE_SYNC_MODE"), sync ? QStringLiteral("1") : QStringLiteral("0"));
    client = std::make_unique<TextClient>();
    const bool started = toolkit == QLatin1String("gtk")
        ? client->start(QStringLiteral(YAVO_SYSTEM_PYTHON3), {QStringLiteral(YAVO_GTK_TEXT_CLIENT)}, environment)
        : client->start(QStringLiteral(YAVO_QT_TEXT_CLIENT), QStringList(), environment);
    if (!started) {
        qWarning("%s", qPrintable(client->errorString()));
        client.reset();
    }
    return client.get();
}

QStringList TestYavoIMEDesktop::imeWarnings()
{
    m_imeErrors += QString::fromLocal8Bit(m_ime.readAllStandardError());
    return m_imeErrors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QStringList TestYavoIMEDesktop::notificationBodies() const
{
    QStringList bodies;
    for (const FakeNotifications::Notification &notification : m_notifications->notifications())
        bodies.append(notification.body);
    return bodies;
}

void TestYavoIMEDesktop::typesWhatTheConvertersGive_data()
{
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<bool>("sync");
    QTest::addColumn<int>("delay");

    for (const Row &row : {Row{"gtk", false}, Row{"gtk", true}, Row{"qt", false}, Row{"qt", true}}) {
        for (const int delay : {0, 40}) {
            QTest::addRow("%s, %s input module, %d ms a key", row.toolkit, row.sync ? "sync" : "async", delay)
                << QString::fromLatin1(row.toolkit) << row.sync << delay;
        }
    }
}

// Keys typed at full speed while the application stalls for 0.6 s, and keys
// typed at a pace with Backspace and Enter: both fields of the window end up
// with what the converters give.
void TestYavoIMEDesktop::typesWhatTheConvertersGive()
{
    QFETCH(QString, toolkit);
    QFETCH(bool, sync);
    QFETCH(int, delay);

    TextClient *window = client(toolkit, sync);
    QVERIFY(window);
    QVERIFY(m_desktop.activate(window->window()));
    for (const QString &field : {QStringLiteral("entry"), QStringLiteral("view")}) {
        QString keys = delay == 0 ? fastKeys : paceKeys;
        if (field == QLatin1String("entry"))
            keys.remove(QLatin1Char('\n'));
        QVERIFY(window->clear());
        QVERIFY(window->focus(field));
        if (delay == 0)
            QVERIFY(window->stall(600, 20));
        QVERIFY(m_desktop.type(QString(keys).replace(QLatin1Char('\n'), QLatin1Char('\r')), delay));
        QTRY_COMPARE_WITH_TIMEOUT(window->text(field), converted(keys), 10000);
    }
}

void TestYavoIMEDesktop::windowSwitchKeepsTheWord_data()
{
    QTest::addColumn<QString>("toolkit");
    QTest::addColumn<bool>("sync");
    QTest::addColumn<bool>("click");

    for (const Row &row : {Row{"gtk", false}, Row{"qt", false}, Row{"qt", true}}) {
        for (const bool click : {true, false}) {
            QTest::addRow("%s, %s input module, another window %s", row.toolkit, row.sync ? "sync" : "async",
                          click ? "clicked, then the field" : "activated, then this one")
                << QString::fromLatin1(row.toolkit) << row.sync << click;
        }
    }
}

// A word in the pre-edit when the user clicks another application's window
// or activates it: the word is committed once, where it was typed, and
// nothing of it reaches the other window. A GTK field has it as soon as its
// window loses the focus (the daemon commits it); Qt tells nobody that its
// window lost the focus, nor that it has it back before the next key: its
// field has the word before what that key types.
void TestYavoIMEDesktop::windowSwitchKeepsTheWord()
{
    QFETCH(QString, toolkit);
    QFETCH(bool, sync);
    QFETCH(bool, click);

    TextClient *window = client(toolkit, sync);
    QVERIFY(window);
    // Another application, beside the first on the screen.
    TextClient *other = client(toolkit == QLatin1String("gtk") ? QStringLiteral("qt") : QStringLiteral("gtk"), true);
    QVERIFY(other);
    QVERIFY(m_desktop.move(window->window(), 0, 0));
    QVERIFY(m_desktop.move(other->window(), 640, 0));
    QVERIFY(other->clear());

    const QString field = QStringLiteral("entry");
    const QString word = converted(QStringLiteral("kanna"));
    QVERIFY(m_desktop.activate(window->window()));
    QVERIFY(window->clear());
    QVERIFY(window->focus(field));
    QVERIFY(m_desktop.type(QStringLiteral("kanna"), 40));
    QTRY_COMPARE_WITH_TIMEOUT(window->preedit(field), word, 10000);
    QCOMPARE(window->text(field), QString());

    if (click)
        QVERIFY(m_desktop.click(other->window(), 100, 100));
    else
        QVERIFY(m_desktop.activate(other->window()));
    if (toolkit == QLatin1String("gtk"))
        QTRY_COMPARE_WITH_TIMEOUT(window->text(field), word, 10000);

    // Back the same way: a click into the field (past its text), or the
    // window activated.
    if (click)
        QVERIFY(m_desktop.click(window->window(), 500, 20));
    else
        QVERIFY(m_desktop.activate(window->window()));
    const QString next = QStringLiteral(" ka ");
    QVERIFY(m_desktop.type(next, 40));
    const QString expected = word + converted(next);
    QTRY_COMPARE_WITH_TIMEOUT(window->text(field), expected, 10000);
    QCOMPARE(window->preedit(field), QString());
    QCOMPARE(other->text(QStringLiteral("entry")), QString());
    QCOMPARE(other->text(QStringLiteral("view")), QString());
}

// Switching Indic input off and on again: one notification each, with the
// state, shown for a few seconds, and no empty one after them.
void TestYavoIMEDesktop::oneNotificationPerChange()
{
    TextClient *window = client(QStringLiteral("qt"), false);
    QVERIFY(window);
    QVERIFY(m_desktop.activate(window->window()));
    QVERIFY(window->focus(QStringLiteral("entry")));
    m_notifications->clear();
    QVERIFY(m_desktop.key(QStringLiteral("ctrl+F11")));
    QTRY_COMPARE_WITH_TIMEOUT(notificationBodies(), QStringList{QStringLiteral("press [CTRL-F11] or [ScrollLock]!")}, 10000);
    QVERIFY(m_desktop.key(QStringLiteral("ctrl+F11")));
    const QStringList both = {QStringLiteral("press [CTRL-F11] or [ScrollLock]!"),
                              QStringLiteral("Kannada-Phonetic layout-Unicode")};
    QTRY_COMPARE_WITH_TIMEOUT(notificationBodies(), both, 10000);
    // What an empty balloon after a change would have sent by now.
    QTest::qWait(1500);
    QCOMPARE(notificationBodies(), both);
    for (const FakeNotifications::Notification &notification : m_notifications->notifications())
        QVERIFY2(notification.timeout >= 2000 && notification.timeout <= 3000, qPrintable(QString::number(notification.timeout)));
}

// The daemon is killed and started again: the running program offers its
// engine again and both a new window and one that was open type again.
void TestYavoIMEDesktop::daemonRestarts()
{
    QVERIFY(m_session->stop());
    QVERIFY2(m_session->start(QDir::current().filePath(QStringLiteral("ibus"))), qPrintable(m_session->errorString()));
    QVERIFY(m_session->waitForName(componentName, true));
    QVERIFY(ibus_bus_set_global_engine(m_session->bus(), engineName));
    QCOMPARE(imeWarnings().filter(QStringLiteral("went away")).size(), 1);

    m_clients.erase(QStringLiteral("gtk async"));
    const QString keys = QStringLiteral("satyamEva jayate ");
    for (const QString &toolkit : {QStringLiteral("gtk"), QStringLiteral("qt")}) {
        TextClient *window = client(toolkit, false);
        QVERIFY(window);
        QVERIFY(m_desktop.activate(window->window()));
        QVERIFY(window->clear());
        QVERIFY(window->focus(QStringLiteral("view")));
        QVERIFY(m_desktop.type(keys, 40));
        QTRY_COMPARE_WITH_TIMEOUT(window->text(QStringLiteral("view")), converted(keys), 10000);
    }
}

YAVO_TEST_MAIN(TestYavoIMEDesktop)
#include "tst_yavoimedesktop.moc"

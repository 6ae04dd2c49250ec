#include "ibustestsession.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <ibus.h>

#include <csignal>

#include <sys/types.h>

namespace {

constexpr char addressVariable[] = "IBUS_ADDRESS";

// Runs what GLib has ready: the daemon's signals to this process.
void runGLibEvents()
{
    while (g_main_context_iteration(nullptr, FALSE)) {
    }
}

// Waits until the daemon has handled every request the context sent before,
// and runs what it signalled meanwhile.
void synchronize(IBusInputContext *context)
{
    if (IBusEngineDesc *engine = ibus_input_context_get_engine(context))
        g_object_unref(engine);
    runGLibEvents();
}

template<typename Condition>
bool waitFor(Condition condition, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        runGLibEvents();
        QThread::msleep(5);
    }
    return true;
}

// The UTF-16 index `characters` characters away from `from`, kept in the text.
int moveBy(const QString &text, int from, int characters)
{
    int index = from;
    for (; characters < 0 && index > 0; ++characters)
        index -= (index > 1 && text.at(index - 1).isLowSurrogate() && text.at(index - 2).isHighSurrogate()) ? 2 : 1;
    for (; characters > 0 && index < text.size(); --characters)
        index += (text.at(index).isHighSurrogate() && index + 1 < text.size()) ? 2 : 1;
    return index;
}

IBusTestClient::Property propertyOf(IBusProperty *property)
{
    IBusTestClient::Property result;
    result.key = ibus_property_get_key(property);
    if (IBusText *label = ibus_property_get_label(property))
        result.label = QString::fromUtf8(ibus_text_get_text(label));
    result.type = ibus_property_get_prop_type(property);
    result.checked = ibus_property_get_state(property) == PROP_STATE_CHECKED;
    result.sensitive = ibus_property_get_sensitive(property);
    if (IBusPropList *children = ibus_property_get_sub_props(property)) {
        for (guint i = 0; IBusProperty *child = ibus_prop_list_get(children, i); ++i)
            result.children.append(propertyOf(child));
    }
    return result;
}

bool replaceProperty(QVector<IBusTestClient::Property> &properties, const IBusTestClient::Property &changed)
{
    for (IBusTestClient::Property &property : properties) {
        if (property.key == changed.key) {
            property = changed;
            return true;
        }
        if (replaceProperty(property.children, changed))
            return true;
    }
    return false;
}

} // namespace

IBusTestSession::IBusTestSession()
    : m_savedAddress(qgetenv(addressVariable))
    , m_hadAddress(qEnvironmentVariableIsSet(addressVariable))
{
}

IBusTestSession::~IBusTestSession()
{
    stop();
    if (m_bus)
        g_object_unref(m_bus);
    if (m_hadAddress)
        qputenv(addressVariable, m_savedAddress);
    else
        qunsetenv(addressVariable);
}

bool IBusTestSession::start(const QString &folder, const QString &componentFolder)
{
    const QDir dir(folder);
    const QString components = componentFolder.isEmpty() ? dir.filePath(QStringLiteral("no-components")) : componentFolder;
    dir.mkpath(components);
    const QString socket = dir.filePath(QStringLiteral("ibus.socket"));
    QFile::remove(socket);
    const QString address = QStringLiteral("unix:path=") + socket;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("IBUS_COMPONENT_PATH"), components);
    environment.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
    environment.remove(QString::fromLatin1(addressVariable));
    m_daemon.setProcessEnvironment(environment);
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.setStandardOutputFile(QProcess::nullDevice());
    m_daemon.start(QStringLiteral("dbus-run-session"),
                   {QStringLiteral("--"), QStringLiteral("ibus-daemon"), QStringLiteral("--panel=disable"),
                    QStringLiteral("--emoji-extension=disable"), QStringLiteral("--config=disable"),
                    QStringLiteral("--cache=none"), QStringLiteral("--address=") + address});
    if (!m_daemon.waitForStarted(10000)) {
        m_error = QStringLiteral("dbus-run-session could not be started: %1").arg(m_daemon.errorString());
        return false;
    }
    const bool listening = waitFor([&] { return QFile::exists(socket) || m_daemon.state() == QProcess::NotRunning; }, 20000)
        && QFile::exists(socket);
    if (!listening) {
        m_error = QStringLiteral("ibus-daemon did not come up (exit code %1)").arg(m_daemon.exitCode());
        return false;
    }

    qputenv(addressVariable, address.toLocal8Bit());
    ibus_init();
    // The process has one bus; after a restart it connects again by itself.
    if (!m_bus)
        m_bus = ibus_bus_new();
    if (!m_bus || !waitFor([&] { return bool(ibus_bus_is_connected(m_bus)); }, 10000)) {
        m_error = QStringLiteral("the private ibus-daemon accepts no connection");
        return false;
    }
    return true;
}

bool IBusTestSession::stop()
{
    if (m_daemon.state() == QProcess::NotRunning)
        return true;
    // The daemon names its process in the file where programs look up its
    // address; without it, it is asked to end.
    const qint64 pid = daemonProcessId();
    if (pid > 0)
        ::kill(pid_t(pid), SIGKILL);
    else if (m_bus && ibus_bus_is_connected(m_bus))
        ibus_bus_exit(m_bus, FALSE);
    if (!m_daemon.waitForFinished(5000)) {
        m_daemon.kill();
        m_daemon.waitForFinished(5000);
    }
    return !m_bus || waitFor([&] { return !ibus_bus_is_connected(m_bus); }, 5000);
}

qint64 IBusTestSession::daemonProcessId() const
{
    QFile addressFile(QString::fromLocal8Bit(ibus_get_socket_path()));
    if (!addressFile.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : addressFile.readAll().split('\n')) {
        if (line.startsWith("IBUS_DAEMON_PID="))
            return line.mid(int(qstrlen("IBUS_DAEMON_PID="))).trimmed().toLongLong();
    }
    return 0;
}

bool IBusTestSession::waitForName(const char *name, bool owned, int timeoutMs) const
{
    return waitFor([&] { return bool(ibus_bus_name_has_owner(m_bus, name)) == owned; }, timeoutMs);
}

struct IBusTestClient::Signals
{
    static void commitText(IBusInputContext *, IBusText *text, gpointer self)
    {
        auto *client = static_cast<IBusTestClient *>(self);
        ++client->m_commits;
        client->insert(QString::fromUtf8(ibus_text_get_text(text)));
    }

    static void deleteSurroundingText(IBusInputContext *, gint offset, guint characters, gpointer self)
    {
        auto *client = static_cast<IBusTestClient *>(self);
        ++client->m_deletions;
        client->remove(offset, int(characters));
    }

    static void forwardKeyEvent(IBusInputContext *, guint keysym, guint, guint state, gpointer self)
    {
        auto *client = static_cast<IBusTestClient *>(self);
        ++client->m_forwardedKeys;
        client->applyForwardedKey(keysym, state);
    }

    static void updatePreeditText(IBusInputContext *, IBusText *text, guint, gboolean visible, gpointer self)
    {
        auto *client = static_cast<IBusTestClient *>(self);
        client->m_preedit = QString::fromUtf8(ibus_text_get_text(text));
        client->m_preeditVisible = visible;
    }

    static void showPreeditText(IBusInputContext *, gpointer self)
    {
        static_cast<IBusTestClient *>(self)->m_preeditVisible = true;
    }

    static void hidePreeditText(IBusInputContext *, gpointer self)
    {
        static_cast<IBusTestClient *>(self)->m_preeditVisible = false;
    }

    static void registerProperties(IBusInputContext *, IBusPropList *properties, gpointer self)
    {
        auto *client = static_cast<IBusTestClient *>(self);
        client->m_properties.clear();
        for (guint i = 0; IBusProperty *property = ibus_prop_list_get(properties, i); ++i)
            client->m_properties.append(propertyOf(property));
    }

    static void updateProperty(IBusInputContext *, IBusProperty *property, gpointer self)
    {
        replaceProperty(static_cast<IBusTestClient *>(self)->m_properties, propertyOf(property));
    }
};

IBusTestClient::IBusTestClient(IBusBus *bus, Kind kind)
    : m_kind(kind)
{
    // The engine knows Qt's input module by its name.
    const char *name = kind == QtClient ? "QIBusInputContext" : "yavo-test";
    m_context = bus ? ibus_bus_create_input_context(bus, name) : nullptr;
    if (!m_context)
        return;
    g_signal_connect(m_context, "commit-text", G_CALLBACK(Signals::commitText), this);
    g_signal_connect(m_context, "delete-surrounding-text", G_CALLBACK(Signals::deleteSurroundingText), this);
    g_signal_connect(m_context, "forward-key-event", G_CALLBACK(Signals::forwardKeyEvent), this);
    g_signal_connect(m_context, "update-preedit-text", G_CALLBACK(Signals::updatePreeditText), this);
    g_signal_connect(m_context, "show-preedit-text", G_CALLBACK(Signals::showPreeditText), this);
    g_signal_connect(m_context, "hide-preedit-text", G_CALLBACK(Signals::hidePreeditText), this);
    g_signal_connect(m_context, "register-properties", G_CALLBACK(Signals::registerProperties), this);
    g_signal_connect(m_context, "update-property", G_CALLBACK(Signals::updateProperty), this);
    ibus_input_context_set_capabilities(m_context, IBUS_CAP_PREEDIT_TEXT | IBUS_CAP_FOCUS | IBUS_CAP_PROPERTY);
    ibus_input_context_focus_in(m_context);
}

IBusTestClient::~IBusTestClient()
{
    if (!m_context)
        return;
    g_signal_handlers_disconnect_by_data(m_context, this);
    ibus_proxy_destroy(IBUS_PROXY(m_context));
    g_object_unref(m_context);
    runGLibEvents();
}

bool IBusTestClient::setEngine(const char *name, int timeoutMs)
{
    ibus_input_context_set_engine(m_context, name);
    return waitFor([&] {
        IBusEngineDesc *engine = ibus_input_context_get_engine(m_context);
        return engine && qstrcmp(ibus_engine_desc_get_name(engine), name) == 0;
    }, timeoutMs);
}

void IBusTestClient::type(const QString &keys)
{
    static const QString shifted = QStringLiteral("~!@#$%^&*()_+{}|:\"<>?");
    for (const QChar c : keys) {
        if (c == QLatin1Char('\n')) {
            press(IBUS_KEY_Return);
            continue;
        }
        if (c == QLatin1Char('\b')) {
            press(IBUS_KEY_BackSpace);
            continue;
        }
        const bool shift = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || shifted.contains(c);
        press(c.unicode(), shift ? IBUS_SHIFT_MASK : 0);
    }
}

bool IBusTestClient::sendKey(quint32 keysym, quint32 state)
{
    const bool kept = ibus_input_context_process_key_event(m_context, keysym, 0, state);
    runGLibEvents();
    if (!kept && !(state & IBUS_RELEASE_MASK) && !(state & (IBUS_CONTROL_MASK | IBUS_MOD1_MASK)))
        applyForwardedKey(keysym, state);
    return kept;
}

bool IBusTestClient::press(quint32 keysym, quint32 modifiers)
{
    static const struct
    {
        quint32 mask;
        quint32 keysym;
    } modifierKeys[] = {
        {IBUS_SHIFT_MASK, IBUS_KEY_Shift_L},
        {IBUS_CONTROL_MASK, IBUS_KEY_Control_L},
        {IBUS_MOD1_MASK, IBUS_KEY_Alt_L},
    };
    // A key's own modifier bit shows in the events after its press.
    quint32 state = 0;
    for (const auto &modifier : modifierKeys) {
        if (modifiers & modifier.mask) {
            sendKey(modifier.keysym, state);
            state |= modifier.mask;
        }
    }
    const bool kept = sendKey(keysym, state);
    sendKey(keysym, state | IBUS_RELEASE_MASK);
    for (int i = int(std::size(modifierKeys)) - 1; i >= 0; --i) {
        if (modifiers & modifierKeys[i].mask) {
            sendKey(modifierKeys[i].keysym, state | IBUS_RELEASE_MASK);
            state &= ~modifierKeys[i].mask;
        }
    }
    return kept;
}

void IBusTestClient::setText(const QString &text)
{
    m_text = text;
    m_caret = text.size();
}

// The pre-edit ends where it was shown; a pre-edit the field keeps goes
// with the caret.
void IBusTestClient::moveCaret(int position, bool reset)
{
    if (reset) {
        commitOwnPreedit();
        ibus_input_context_reset(m_context);
        synchronize(m_context);
    }
    m_caret = qBound(0, position, m_text.size());
}

void IBusTestClient::focusOut()
{
    // Whoever commits the pre-edit, the field no longer shows it.
    m_preedit.clear();
    m_preeditVisible = false;
    ibus_input_context_focus_out(m_context);
    synchronize(m_context);
}

void IBusTestClient::focusIn()
{
    ibus_input_context_focus_in(m_context);
    synchronize(m_context);
}

void IBusTestClient::activateProperty(const QByteArray &key, bool checked)
{
    ibus_input_context_property_activate(m_context, key.constData(), checked ? PROP_STATE_CHECKED : PROP_STATE_UNCHECKED);
    synchronize(m_context);
}

bool IBusTestClient::waitUntil(const std::function<bool()> &condition, int timeoutMs)
{
    return waitFor(condition, timeoutMs);
}

void IBusTestClient::commitOwnPreedit()
{
    if (m_kind == QtClient && m_preeditVisible)
        insert(m_preedit);
    m_preedit.clear();
    m_preeditVisible = false;
}

void IBusTestClient::insert(const QString &text)
{
    m_text.insert(m_caret, text);
    m_caret += text.size();
}

void IBusTestClient::remove(int offset, int characters)
{
    const int start = moveBy(m_text, m_caret, offset);
    const int end = moveBy(m_text, start, characters);
    m_text.remove(start, end - start);
    if (m_caret > end)
        m_caret -= end - start;
    else if (m_caret > start)
        m_caret = start;
}

// What an application does with a key it gets: Backspace deletes, Enter
// breaks the line, a character key types its character. A key for half of
// a UTF-16 surrogate pair names no character: the keyboard library hands
// the application invalid UTF-8 for it, which it shows as U+FFFD.
void IBusTestClient::applyForwardedKey(quint32 keysym, quint32 state)
{
    if (state & IBUS_RELEASE_MASK)
        return;
    if (keysym == IBUS_KEY_BackSpace) {
        remove(-1, 1);
    } else if (keysym == IBUS_KEY_Return) {
        insert(QStringLiteral("\n"));
    } else {
        const uint c = ibus_keyval_to_unicode(keysym);
        if (QChar::isSurrogate(c))
            insert(QString(QChar(QChar::ReplacementCharacter)));
        else if (c >= 0x20 && c != 0x7F)
            insert(QString::fromUcs4(&c, 1));
    }
}

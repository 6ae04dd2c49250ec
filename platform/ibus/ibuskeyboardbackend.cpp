#include "platform/ibus/ibuskeyboardbackend.h"

#include "platform/ibus/ibusengineinfo.h"
#include "platform/ibus/ibuskeymap.h"
#include "platform/virtualkeys.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QVector>

#include <ibus.h>

namespace Platform {

namespace {

constexpr char enginePathPrefix[] = "/org/freedesktop/IBus/Engine/Yavo/";

// The daemon counts characters, not UTF-16 code units.
int characterCount(const QString &text)
{
    int count = 0;
    for (const QChar c : text)
        count += c.isLowSurrogate() ? 0 : 1;
    return count;
}

} // namespace

class IBusKeyboardBackendPrivate
{
public:
    explicit IBusKeyboardBackendPrivate(IBusKeyboardBackend *owner)
        : q(owner)
    {
    }
    ~IBusKeyboardBackendPrivate();

    bool connectToDaemon(QString *error);
    bool offerEngine(QString *error);

    IBusEngine *createEngine(const gchar *name);
    bool processKeyEvent(IBusEngine *engine, guint keysym, guint keycode, guint state);
    void reportKeyStates(guint state, int virtualKey, bool up);
    void focusIn(IBusEngine *engine);
    void focusOut(IBusEngine *engine);
    void contextChanged();
    void forget(IBusEngine *engine);

    // Building the actions of one send, in the records' order.
    void commitPending(IBusEngine *engine);
    void deletePending(IBusEngine *engine);
    void forwardKey(IBusEngine *engine, guint keysym, guint keycode, bool up);

    static IBusEngine *onCreateEngine(IBusFactory *, const gchar *name, gpointer self);
    static gboolean onProcessKeyEvent(IBusEngine *engine, guint keysym, guint keycode, guint state, gpointer self);
    static void onFocusIn(IBusEngine *engine, gpointer self);
    static void onFocusOut(IBusEngine *engine, gpointer self);
    static void onReset(IBusEngine *engine, gpointer self);
    static void onEnable(IBusEngine *engine, gpointer self);
    static void onDisable(IBusEngine *engine, gpointer self);
    static void onSetSurroundingText(IBusEngine *engine, IBusText *text, guint cursor, guint anchor, gpointer self);
    static void onDestroy(IBusEngine *engine, gpointer self);

    IBusKeyboardBackend *q;
    IBusBus *bus = nullptr;
    IBusFactory *factory = nullptr;
    QVector<IBusEngine *> engines;
    int engineSerial = 0;
    // The engine whose key is being handled, else the one with the focus.
    IBusEngine *keyEngine = nullptr;
    IBusEngine *focusedEngine = nullptr;
    // The characters in front of the focused application's caret as far as
    // the engine knows (its surrounding text, moved by what the engine typed
    // since); -1 when the application does not tell.
    int charactersBeforeCaret = -1;
    bool scrollLockToggled = false;
    quint32 lastError = 0;

    QString pendingText;
    int pendingDeletions = 0;
    bool forwarding = false;
};

IBusKeyboardBackendPrivate::~IBusKeyboardBackendPrivate()
{
    for (IBusEngine *engine : qAsConst(engines))
        g_signal_handlers_disconnect_by_data(engine, this);
    if (factory) {
        g_signal_handlers_disconnect_by_data(factory, this);
        ibus_object_destroy(IBUS_OBJECT(factory));
        g_object_unref(factory);
    }
    if (bus)
        g_object_unref(bus);
}

bool IBusKeyboardBackendPrivate::connectToDaemon(QString *error)
{
    // The daemon talks through GLib's main context; only an event loop that
    // runs GLib's sources ever delivers its messages.
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || !dispatcher->inherits("QEventDispatcherGlib")) {
        *error = QStringLiteral("the event loop does not run GLib's main context");
        return false;
    }
    ibus_init();
    bus = ibus_bus_new();
    if (!bus || !ibus_bus_is_connected(bus)) {
        *error = QStringLiteral("no IBus daemon is reachable");
        return false;
    }
    return offerEngine(error);
}

bool IBusKeyboardBackendPrivate::offerEngine(QString *error)
{
    GDBusConnection *connection = ibus_bus_get_connection(bus);
    factory = ibus_factory_new(connection);
    g_object_ref_sink(factory);
    g_signal_connect(factory, "create-engine", G_CALLBACK(onCreateEngine), this);

    // A daemon that lists the engine from its component folder waits for
    // the component's name; any other one learns of the engine from us
    // first. Owning the name in both cases keeps a second copy out.
    const char *const names[] = {IBusEngineInfo::engineName, nullptr};
    IBusEngineDesc **known = ibus_bus_get_engines_by_names(bus, names);
    const bool listed = known && known[0];
    for (IBusEngineDesc **desc = known; desc && *desc; ++desc)
        g_object_unref(*desc);
    g_free(known);

    if (!listed) {
        IBusComponent *component = IBusEngineInfo::createComponent(QCoreApplication::applicationFilePath().toLocal8Bit());
        const bool registered = ibus_bus_register_component(bus, component);
        g_object_unref(component);
        if (!registered) {
            *error = QStringLiteral("the IBus daemon refused the engine's component");
            return false;
        }
    }
    const guint32 reply = ibus_bus_request_name(bus, IBusEngineInfo::componentName, 0);
    if (reply == IBUS_BUS_REQUEST_NAME_REPLY_PRIMARY_OWNER || reply == IBUS_BUS_REQUEST_NAME_REPLY_ALREADY_OWNER)
        return true;
    *error = QStringLiteral("another program serves the engine \"%1\"").arg(QLatin1String(IBusEngineInfo::engineName));
    return false;
}

IBusEngine *IBusKeyboardBackendPrivate::createEngine(const gchar *name)
{
    if (qstrcmp(name, IBusEngineInfo::engineName) != 0)
        return nullptr;
    const QByteArray path = enginePathPrefix + QByteArray::number(++engineSerial);
    IBusEngine *engine = ibus_engine_new(name, path.constData(), ibus_bus_get_connection(bus));
    g_signal_connect(engine, "process-key-event", G_CALLBACK(onProcessKeyEvent), this);
    g_signal_connect(engine, "focus-in", G_CALLBACK(onFocusIn), this);
    g_signal_connect(engine, "focus-out", G_CALLBACK(onFocusOut), this);
    g_signal_connect(engine, "reset", G_CALLBACK(onReset), this);
    g_signal_connect(engine, "enable", G_CALLBACK(onEnable), this);
    g_signal_connect(engine, "disable", G_CALLBACK(onDisable), this);
    g_signal_connect(engine, "set-surrounding-text", G_CALLBACK(onSetSurroundingText), this);
    g_signal_connect(engine, "destroy", G_CALLBACK(onDestroy), this);
    engines.append(engine);
    return engine;
}

bool IBusKeyboardBackendPrivate::processKeyEvent(IBusEngine *engine, guint keysym, guint keycode, guint state)
{
    if (state & IBUS_FORWARD_MASK)
        return false;
    const bool up = state & IBUS_RELEASE_MASK;
    const int virtualKey = virtualKeyForKeysym(keysym);
    reportKeyStates(state, virtualKey, up);

    KBDLLHOOKSTRUCT event;
    event.vkCode = quint32(virtualKey);
    event.scanCode = keycode;
    event.flags = up ? LLKHF_UP : 0;
    // As on the platform the hook was made for, keys with Alt held (and Alt
    // itself) are system keys.
    const bool system = (state & IBUS_MOD1_MASK) || virtualKey == VK_LMENU || virtualKey == VK_RMENU;
    const quintptr message = up ? (system ? WM_SYSKEYUP : WM_KEYUP) : (system ? WM_SYSKEYDOWN : WM_KEYDOWN);

    IBusEngine *outer = keyEngine;
    keyEngine = engine;
    forwarding = false;
    const bool kept = q->deliverKeyEvent(message, event);
    forwarding = false;
    keyEngine = outer;
    return kept;
}

// The modifier state of an event is the state before the event: the key of
// the event itself is down from its press to its release.
void IBusKeyboardBackendPrivate::reportKeyStates(guint state, int virtualKey, bool up)
{
    const auto heldKey = [&](int left, int right, guint mask) {
        if (virtualKey == left || virtualKey == right) {
            IBusKeyboardBackend::reportKeyState(virtualKey, !up, false);
            IBusKeyboardBackend::reportKeyState(virtualKey == left ? right : left, false, false);
        } else {
            IBusKeyboardBackend::reportKeyState(left, state & mask, false);
            IBusKeyboardBackend::reportKeyState(right, false, false);
        }
    };
    heldKey(VK_LSHIFT, VK_RSHIFT, IBUS_SHIFT_MASK);
    heldKey(VK_LCONTROL, VK_RCONTROL, IBUS_CONTROL_MASK);
    heldKey(VK_LMENU, VK_RMENU, IBUS_MOD1_MASK);
    heldKey(VK_LWIN, VK_RWIN, IBUS_SUPER_MASK | IBUS_MOD4_MASK);

    const bool capsLockKey = virtualKey == VK_CAPITAL;
    IBusKeyboardBackend::reportKeyState(VK_CAPITAL, capsLockKey && !up, state & IBUS_LOCK_MASK);
    const bool scrollLockKey = virtualKey == VK_SCROLL;
    if (scrollLockKey && !up)
        scrollLockToggled = !scrollLockToggled;
    IBusKeyboardBackend::reportKeyState(VK_SCROLL, scrollLockKey && !up, scrollLockToggled);
}

void IBusKeyboardBackendPrivate::focusIn(IBusEngine *engine)
{
    focusedEngine = engine;
    contextChanged();
}

void IBusKeyboardBackendPrivate::focusOut(IBusEngine *engine)
{
    if (focusedEngine == engine)
        focusedEngine = nullptr;
    contextChanged();
}

// Another application or field, or the caret elsewhere: what the hook typed
// before is not where the next key lands.
void IBusKeyboardBackendPrivate::contextChanged()
{
    charactersBeforeCaret = -1;
    if (KeyboardHook *hook = q->installedHook())
        hook->inputContextChanged();
}

void IBusKeyboardBackendPrivate::forget(IBusEngine *engine)
{
    engines.removeAll(engine);
    if (focusedEngine == engine)
        focusedEngine = nullptr;
    if (keyEngine == engine)
        keyEngine = nullptr;
}

void IBusKeyboardBackendPrivate::commitPending(IBusEngine *engine)
{
    if (pendingText.isEmpty())
        return;
    if (forwarding) {
        for (const uint c : pendingText.toUcs4()) {
            const guint keysym = ibus_unicode_to_keyval(c);
            forwardKey(engine, keysym, 0, false);
            forwardKey(engine, keysym, 0, true);
        }
        pendingText.clear();
        return;
    }
    ibus_engine_commit_text(engine, ibus_text_new_from_string(pendingText.toUtf8().constData()));
    if (charactersBeforeCaret >= 0)
        charactersBeforeCaret += characterCount(pendingText);
    pendingText.clear();
}

// The mark keeps a key the application hands back from reaching the hook
// again, as the hook never sees the keys it typed itself.
void IBusKeyboardBackendPrivate::forwardKey(IBusEngine *engine, guint keysym, guint keycode, bool up)
{
    ibus_engine_forward_key_event(engine, keysym, keycode, IBUS_FORWARD_MASK | (up ? IBUS_RELEASE_MASK : 0));
    if (charactersBeforeCaret >= 0 && !up)
        charactersBeforeCaret = keysym == IBUS_KEY_BackSpace ? qMax(0, charactersBeforeCaret - 1) : -1;
}

void IBusKeyboardBackendPrivate::deletePending(IBusEngine *engine)
{
    if (pendingDeletions == 0)
        return;
    ibus_engine_delete_surrounding_text(engine, -pendingDeletions, guint(pendingDeletions));
    if (charactersBeforeCaret >= 0)
        charactersBeforeCaret -= pendingDeletions;
    pendingDeletions = 0;
}

IBusEngine *IBusKeyboardBackendPrivate::onCreateEngine(IBusFactory *, const gchar *name, gpointer self)
{
    return static_cast<IBusKeyboardBackendPrivate *>(self)->createEngine(name);
}

gboolean IBusKeyboardBackendPrivate::onProcessKeyEvent(IBusEngine *engine, guint keysym, guint keycode, guint state, gpointer self)
{
    return static_cast<IBusKeyboardBackendPrivate *>(self)->processKeyEvent(engine, keysym, keycode, state);
}

void IBusKeyboardBackendPrivate::onFocusIn(IBusEngine *engine, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->focusIn(engine);
}

void IBusKeyboardBackendPrivate::onFocusOut(IBusEngine *engine, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->focusOut(engine);
}

// Applications reset their input method when the caret moves by other
// means than typing, such as a mouse click.
void IBusKeyboardBackendPrivate::onReset(IBusEngine *, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->contextChanged();
}

void IBusKeyboardBackendPrivate::onEnable(IBusEngine *engine, gpointer self)
{
    // Tells the application that the engine reads its surrounding text.
    ibus_engine_get_surrounding_text(engine, nullptr, nullptr, nullptr);
    static_cast<IBusKeyboardBackendPrivate *>(self)->contextChanged();
}

void IBusKeyboardBackendPrivate::onDisable(IBusEngine *, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->contextChanged();
}

void IBusKeyboardBackendPrivate::onSetSurroundingText(IBusEngine *, IBusText *, guint cursor, guint anchor, gpointer self)
{
    // With a selection, only the text in front of it is safe to delete.
    static_cast<IBusKeyboardBackendPrivate *>(self)->charactersBeforeCaret = int(qMin(cursor, anchor));
}

void IBusKeyboardBackendPrivate::onDestroy(IBusEngine *engine, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->forget(engine);
}

IBusKeyboardBackend::IBusKeyboardBackend()
    : d(new IBusKeyboardBackendPrivate(this))
{
}

IBusKeyboardBackend::~IBusKeyboardBackend() = default;

std::unique_ptr<IBusKeyboardBackend> IBusKeyboardBackend::connectToDaemon(QString *error)
{
    QString why;
    std::unique_ptr<IBusKeyboardBackend> backend(new IBusKeyboardBackend);
    if (!backend->d->connectToDaemon(&why)) {
        if (error)
            *error = why;
        return nullptr;
    }
    return backend;
}

// Text and deletions through the surrounding text reach the application at
// once, forwarded keys through its event queue: once a send has forwarded a
// key, the rest of what the key types is forwarded too, so that it lands in
// order.
unsigned IBusKeyboardBackend::sendInput(const INPUT *inputs, unsigned count)
{
    IBusEngine *engine = d->keyEngine ? d->keyEngine : d->focusedEngine;
    if (!engine) {
        d->lastError = ErrorAccessDenied;
        return 0;
    }
    const bool surroundingText = engine->client_capabilities & IBUS_CAP_SURROUNDING_TEXT;
    unsigned done = 0;
    for (; done < count; ++done) {
        const INPUT &input = inputs[done];
        if (input.type != INPUT_KEYBOARD)
            continue;
        const KEYBDINPUT &key = input.ki;
        const bool up = key.dwFlags & KEYEVENTF_KEYUP;
        if (key.dwFlags & KEYEVENTF_UNICODE) {
            if (!up) {
                d->deletePending(engine);
                d->pendingText += QChar(key.wScan);
            }
            continue;
        }
        if (key.wVk == VK_BACK && surroundingText && !d->forwarding) {
            if (up)
                continue;
            d->commitPending(engine);
            // A deletion reaching past the text in front of the caret
            // would take what the user typed elsewhere: stop here instead.
            if (d->charactersBeforeCaret >= 0 && d->pendingDeletions >= d->charactersBeforeCaret) {
                d->deletePending(engine);
                d->lastError = ErrorAccessDenied;
                return done;
            }
            ++d->pendingDeletions;
            continue;
        }
        d->commitPending(engine);
        d->deletePending(engine);
        const ForwardedKey forwarded = forwardedKeyFor(key.wVk);
        if (forwarded.keysym != 0) {
            d->forwardKey(engine, forwarded.keysym, forwarded.keycode, up);
            d->forwarding = true;
        }
    }
    d->commitPending(engine);
    d->deletePending(engine);
    return done;
}

quint32 IBusKeyboardBackend::lastError() const
{
    return d->lastError;
}

} // namespace Platform

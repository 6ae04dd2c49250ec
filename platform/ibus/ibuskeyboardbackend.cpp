#include "platform/ibus/ibuskeyboardbackend.h"

#include "private/ibuslogging_p.h"

#include "platform/ibus/ibusengineinfo.h"
#include "platform/ibus/ibuskeymap.h"
#include "platform/virtualkeys.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QList>
#include <QPair>
#include <QSet>
#include <QVector>

#include <ibus.h>

namespace Platform {

namespace {

constexpr char enginePathPrefix[] = "/org/freedesktop/IBus/Engine/Yavo/";
// Qt windows left with a word unfinished whose word is kept for them.
constexpr int maxUnfinishedWords = 8;

// Keys held for shortcuts: a key pressed with one of them is a command to
// the application, not text.
constexpr guint commandModifiers =
    IBUS_CONTROL_MASK | IBUS_MOD1_MASK | IBUS_SUPER_MASK | IBUS_HYPER_MASK | IBUS_META_MASK | IBUS_MOD4_MASK;

// The daemon counts characters, not UTF-16 code units.
int characterCount(const QString &text)
{
    int count = 0;
    for (const QChar c : text)
        count += c.isLowSurrogate() ? 0 : 1;
    return count;
}

void chopCharacter(QString &text)
{
    text.chop(text.size() > 1 && text.at(text.size() - 1).isLowSurrogate() ? 2 : 1);
}

// Keys that change no text, so that it does not matter where they land
// among the engine's commits.
bool changesNoText(guint keysym)
{
    switch (keysym) {
    case IBUS_KEY_Shift_L:
    case IBUS_KEY_Shift_R:
    case IBUS_KEY_Control_L:
    case IBUS_KEY_Control_R:
    case IBUS_KEY_Caps_Lock:
    case IBUS_KEY_Shift_Lock:
    case IBUS_KEY_Meta_L:
    case IBUS_KEY_Meta_R:
    case IBUS_KEY_Alt_L:
    case IBUS_KEY_Alt_R:
    case IBUS_KEY_Super_L:
    case IBUS_KEY_Super_R:
    case IBUS_KEY_Hyper_L:
    case IBUS_KEY_Hyper_R:
    case IBUS_KEY_ISO_Level3_Shift:
    case IBUS_KEY_ISO_Level5_Shift:
    case IBUS_KEY_Mode_switch:
    case IBUS_KEY_Num_Lock:
    case IBUS_KEY_Scroll_Lock:
        return true;
    default:
        return false;
    }
}

// The text a key types in an application; empty for keys that type none.
QString textOfKey(guint keysym)
{
    const uint c = ibus_keyval_to_unicode(keysym);
    if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0))
        return QString();
    return QString::fromUcs4(&c, 1);
}

// Qt 5's input-method module commits its own copy of the pre-edit when the
// focus moves inside its window; a daemon that committed the engine's copy
// as well would type it twice.
bool commitsPreeditItself(const gchar *client)
{
    return client && g_str_has_prefix(client, "QIBusInputContext");
}

IBusPropType propertyType(InputMethodMenuEntry::Kind kind)
{
    switch (kind) {
    case InputMethodMenuEntry::Toggle:
        return PROP_TYPE_TOGGLE;
    case InputMethodMenuEntry::Choice:
        return PROP_TYPE_RADIO;
    case InputMethodMenuEntry::Submenu:
        return PROP_TYPE_MENU;
    case InputMethodMenuEntry::Command:
        break;
    }
    return PROP_TYPE_NORMAL;
}

IBusProperty *newProperty(const InputMethodMenuEntry &entry)
{
    IBusPropList *entries = nullptr;
    if (entry.kind == InputMethodMenuEntry::Submenu) {
        entries = ibus_prop_list_new();
        for (const InputMethodMenuEntry &child : entry.entries)
            ibus_prop_list_append(entries, newProperty(child));
    }
    return ibus_property_new(entry.id.toUtf8().constData(), propertyType(entry.kind),
                             ibus_text_new_from_string(entry.label.toUtf8().constData()), nullptr, nullptr,
                             entry.enabled, TRUE, entry.checked ? PROP_STATE_CHECKED : PROP_STATE_UNCHECKED,
                             entries);
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

    bool start(QString *error);
    void offerEngine();
    void withdrawEngine();
    void setAvailability(KeyboardBackend::Availability now);

    IBusEngine *createEngine(const gchar *name);
    bool processKeyEvent(IBusEngine *engine, guint keysym, guint keycode, guint state);
    bool passOn(IBusEngine *engine, guint keysym, guint keycode, guint state);
    void reportKeyStates(guint state, int virtualKey, bool up);
    void focusIn(IBusEngine *engine, const gchar *context, const gchar *client);
    void focusOut(IBusEngine *engine, const gchar *context);
    void keepUnfinishedWord(const QByteArray &context, const QString &word);
    QString takeUnfinishedWord(const QByteArray &context);
    void contextChanged();
    void forget(IBusEngine *engine);
    void registerMenu(IBusEngine *engine);

    // One key, or one change outside a key, reaching the application: the
    // commits and the pre-edit it makes go out when it is finished.
    void beginStep(IBusEngine *engine);
    void finishStep();
    void type(IBusEngine *engine, const KEYBDINPUT &key);
    void flushCommit(IBusEngine *engine);
    void showPreedit(IBusEngine *engine, const QString &text);
    void startForwarding(IBusEngine *engine);
    void forwardKey(IBusEngine *engine, guint keysym, guint keycode, guint state);
    void forwardTap(IBusEngine *engine, guint keysym, guint keycode);

    static void onConnected(IBusBus *, gpointer self);
    static void onDisconnected(IBusBus *, gpointer self);
    static IBusEngine *onCreateEngine(IBusFactory *, const gchar *name, gpointer self);
    static gboolean onProcessKeyEvent(IBusEngine *engine, guint keysym, guint keycode, guint state, gpointer self);
    static void onFocusIn(IBusEngine *engine, gpointer self);
    static void onFocusInId(IBusEngine *engine, const gchar *objectPath, const gchar *client, gpointer self);
    static void onFocusOut(IBusEngine *engine, gpointer self);
    static void onFocusOutId(IBusEngine *engine, const gchar *objectPath, gpointer self);
    static void onContextChanged(IBusEngine *engine, gpointer self);
    static void onPropertyActivate(IBusEngine *engine, const gchar *name, guint state, gpointer self);
    static void onDestroy(IBusEngine *engine, gpointer self);

    IBusKeyboardBackend *q;
    IBusBus *bus = nullptr;
    IBusFactory *factory = nullptr;
    QVector<IBusEngine *> engines;
    int engineSerial = 0;
    KeyboardBackend::Availability availability = KeyboardBackend::Availability::Waiting;
    // The engine whose key is being handled, else the one with the focus.
    IBusEngine *keyEngine = nullptr;
    IBusEngine *focusedEngine = nullptr;
    IBusPreeditFocusMode preeditMode = IBUS_ENGINE_PREEDIT_COMMIT;
    bool scrollLockToggled = false;
    quint32 lastError = 0;
    QVector<InputMethodMenuEntry> menu;

    // What the hook typed and may still change, and what the application
    // shows of it.
    QString preedit;
    QString shownPreedit;
    // Of the step under way: text that goes out before anything else does,
    // and whether its output goes through the application's key queue.
    IBusEngine *stepEngine = nullptr;
    bool inStep = false;
    QString commitText;
    bool forwarding = false;
    // The first half of a character beyond the first 65,536 while it goes
    // out forwarded, until its second half comes.
    QChar pendingHighSurrogate;
    // Keys whose press went out forwarded; their releases follow them.
    QSet<quint64> forwardedPresses;
    // Words shown in Qt fields whose window lost the focus, with their
    // input contexts, oldest first, until the field has it again.
    QList<QPair<QByteArray, QString>> unfinishedWords;
};

IBusKeyboardBackendPrivate::~IBusKeyboardBackendPrivate()
{
    if (bus)
        g_signal_handlers_disconnect_by_data(bus, this);
    for (IBusEngine *engine : qAsConst(engines))
        g_signal_handlers_disconnect_by_data(engine, this);
    engines.clear();
    if (factory) {
        g_signal_handlers_disconnect_by_data(factory, this);
        ibus_object_destroy(IBUS_OBJECT(factory));
        g_object_unref(factory);
    }
    if (bus)
        g_object_unref(bus);
}

bool IBusKeyboardBackendPrivate::start(QString *error)
{
    // The daemon talks through GLib's main context; only an event loop that
    // runs GLib's sources ever delivers its messages.
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    if (!dispatcher || !dispatcher->inherits("QEventDispatcherGlib")) {
        *error = QStringLiteral("the event loop does not run GLib's main context");
        return false;
    }
    ibus_init();
    // The bus connects again by itself whenever a daemon (re)starts.
    bus = ibus_bus_new();
    g_signal_connect(bus, "connected", G_CALLBACK(onConnected), this);
    g_signal_connect(bus, "disconnected", G_CALLBACK(onDisconnected), this);
    if (ibus_bus_is_connected(bus))
        offerEngine();
    else
        qCWarning(lcIBus, "No IBus daemon is running: YavoIME offers its engine once one starts.");
    return true;
}

void IBusKeyboardBackendPrivate::offerEngine()
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

    bool offered = true;
    if (!listed) {
        IBusComponent *component = IBusEngineInfo::createComponent(QCoreApplication::applicationFilePath().toLocal8Bit());
        offered = ibus_bus_register_component(bus, component);
        g_object_unref(component);
        if (!offered)
            qCWarning(lcIBus, "The IBus daemon refused the engine's component.");
    }
    if (offered) {
        const guint32 reply = ibus_bus_request_name(bus, IBusEngineInfo::componentName, IBUS_BUS_NAME_FLAG_DO_NOT_QUEUE);
        offered = reply == IBUS_BUS_REQUEST_NAME_REPLY_PRIMARY_OWNER || reply == IBUS_BUS_REQUEST_NAME_REPLY_ALREADY_OWNER;
        if (!offered)
            qCWarning(lcIBus, "Another program serves the IBus engine \"%s\".", IBusEngineInfo::engineName);
    }
    if (!offered) {
        withdrawEngine();
        return;
    }
    setAvailability(KeyboardBackend::Availability::Available);
}

void IBusKeyboardBackendPrivate::withdrawEngine()
{
    if (factory) {
        // Its engines go with it.
        g_signal_handlers_disconnect_by_data(factory, this);
        ibus_object_destroy(IBUS_OBJECT(factory));
        g_object_unref(factory);
        factory = nullptr;
    }
    for (IBusEngine *engine : qAsConst(engines))
        g_signal_handlers_disconnect_by_data(engine, this);
    engines.clear();
    focusedEngine = nullptr;
    keyEngine = nullptr;
    // A new daemon names its input contexts anew.
    unfinishedWords.clear();
    contextChanged();
    setAvailability(KeyboardBackend::Availability::Waiting);
}

void IBusKeyboardBackendPrivate::setAvailability(KeyboardBackend::Availability now)
{
    if (availability == now)
        return;
    availability = now;
    q->notifyAvailabilityChanged();
}

IBusEngine *IBusKeyboardBackendPrivate::createEngine(const gchar *name)
{
    if (qstrcmp(name, IBusEngineInfo::engineName) != 0)
        return nullptr;
    const QByteArray path = enginePathPrefix + QByteArray::number(++engineSerial);
    // With a focus id the daemon names the application's input module,
    // which decides who commits the pre-edit when the focus moves.
    auto *engine = IBUS_ENGINE(g_object_new(IBUS_TYPE_ENGINE, "engine-name", name, "object-path", path.constData(),
                                            "connection", ibus_bus_get_connection(bus), "has-focus-id", TRUE,
                                            nullptr));
    g_signal_connect(engine, "process-key-event", G_CALLBACK(onProcessKeyEvent), this);
    g_signal_connect(engine, "focus-in", G_CALLBACK(onFocusIn), this);
    g_signal_connect(engine, "focus-in-id", G_CALLBACK(onFocusInId), this);
    g_signal_connect(engine, "focus-out", G_CALLBACK(onFocusOut), this);
    g_signal_connect(engine, "focus-out-id", G_CALLBACK(onFocusOutId), this);
    g_signal_connect(engine, "reset", G_CALLBACK(onContextChanged), this);
    g_signal_connect(engine, "enable", G_CALLBACK(onContextChanged), this);
    g_signal_connect(engine, "disable", G_CALLBACK(onContextChanged), this);
    g_signal_connect(engine, "property-activate", G_CALLBACK(onPropertyActivate), this);
    g_signal_connect(engine, "destroy", G_CALLBACK(onDestroy), this);
    engines.append(engine);
    return engine;
}

bool IBusKeyboardBackendPrivate::processKeyEvent(IBusEngine *engine, guint keysym, guint keycode, guint state)
{
    // A key the engine forwarded, handed back by the application: the
    // hook never sees what it typed itself.
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

    keyEngine = engine;
    beginStep(engine);
    const bool kept = q->deliverKeyEvent(message, event) || passOn(engine, keysym, keycode, state);
    finishStep();
    keyEngine = nullptr;
    return kept;
}

// The key goes to the application unless it would overtake text on its
// way there. While the hook converts keys, a printable key is committed as
// text and any other key follows the text as a forwarded key: input modules
// that wait for the engine's answer handle a key let through at once, ahead
// of commits still queued. Shortcuts go the application's own way, where
// it looks for them.
bool IBusKeyboardBackendPrivate::passOn(IBusEngine *engine, guint keysym, guint keycode, guint state)
{
    const quint64 key = keycode != 0 ? keycode : (quint64(1) << 32) | keysym;
    if (state & IBUS_RELEASE_MASK) {
        if (!forwardedPresses.remove(key))
            return false;
        forwardKey(engine, keysym, keycode, state);
        return true;
    }
    if (changesNoText(keysym) || (state & commandModifiers))
        return false;

    KeyboardHook *hook = q->installedHook();
    const bool converting = hook && hook->convertsKeys();
    if (converting && !forwarding) {
        const QString text = textOfKey(keysym);
        if (!text.isEmpty()) {
            commitText += text;
            return true;
        }
        // Backspace right after the composition ended takes back its last
        // character before it is committed.
        if (keysym == IBUS_KEY_BackSpace && !commitText.isEmpty()) {
            chopCharacter(commitText);
            return true;
        }
    }
    if (!converting && !forwarding)
        return false;
    startForwarding(engine);
    // An input module that queues the keys it gets back behind the engine's
    // signals anyway asks for them back that way, not forwarded.
    if (engine->client_capabilities & IBUS_CAP_SYNC_PROCESS_KEY)
        return false;
    forwardKey(engine, keysym, keycode, state);
    forwardedPresses.insert(key);
    return true;
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

void IBusKeyboardBackendPrivate::focusIn(IBusEngine *engine, const gchar *context, const gchar *client)
{
    focusedEngine = engine;
    preeditMode = commitsPreeditItself(client) ? IBUS_ENGINE_PREEDIT_CLEAR : IBUS_ENGINE_PREEDIT_COMMIT;
    registerMenu(engine);
    contextChanged();
    // Before anything typed from now on.
    const QString word = context ? takeUnfinishedWord(QByteArray(context)) : QString();
    if (!word.isEmpty())
        ibus_engine_commit_text(engine, ibus_text_new_from_string(word.toUtf8().constData()));
}

void IBusKeyboardBackendPrivate::focusOut(IBusEngine *engine, const gchar *context)
{
    // The daemon commits what a field shows when it loses the focus, except
    // in a Qt field. Qt commits its own copy when the focus moves inside
    // its window, and resets the input method first, which has cleared the
    // pre-edit by now; when its window loses the focus it commits nothing,
    // and the field itself is out of reach until it has the focus again
    // (the daemon gives the engine to the next field at once): the word
    // goes into it then.
    if (preeditMode == IBUS_ENGINE_PREEDIT_CLEAR && context && !shownPreedit.isEmpty())
        keepUnfinishedWord(QByteArray(context), shownPreedit);
    if (focusedEngine == engine)
        focusedEngine = nullptr;
    contextChanged();
}

void IBusKeyboardBackendPrivate::keepUnfinishedWord(const QByteArray &context, const QString &word)
{
    takeUnfinishedWord(context);
    // A field closed before it had the focus again leaves its word behind:
    // only the latest few are kept.
    if (unfinishedWords.size() == maxUnfinishedWords)
        unfinishedWords.removeFirst();
    unfinishedWords.append({context, word});
}

QString IBusKeyboardBackendPrivate::takeUnfinishedWord(const QByteArray &context)
{
    for (int i = 0; i < unfinishedWords.size(); ++i) {
        if (unfinishedWords.at(i).first == context)
            return unfinishedWords.takeAt(i).second;
    }
    return QString();
}

// Another application or field, the caret moved by other means than keys,
// or the engine switched off: the application (or the daemon for it)
// commits the pre-edit it shows, and the hook's next key begins anew.
void IBusKeyboardBackendPrivate::contextChanged()
{
    preedit.clear();
    shownPreedit.clear();
    commitText.clear();
    forwardedPresses.clear();
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
    if (stepEngine == engine)
        stepEngine = nullptr;
}

void IBusKeyboardBackendPrivate::registerMenu(IBusEngine *engine)
{
    IBusPropList *properties = ibus_prop_list_new();
    g_object_ref_sink(properties);
    for (const InputMethodMenuEntry &entry : qAsConst(menu))
        ibus_prop_list_append(properties, newProperty(entry));
    ibus_engine_register_properties(engine, properties);
    g_object_unref(properties);
}

void IBusKeyboardBackendPrivate::beginStep(IBusEngine *engine)
{
    stepEngine = engine;
    inStep = true;
    forwarding = false;
    pendingHighSurrogate = QChar();
}

void IBusKeyboardBackendPrivate::finishStep()
{
    inStep = false;
    if (stepEngine) {
        flushCommit(stepEngine);
        if (preedit != shownPreedit)
            showPreedit(stepEngine, preedit);
    }
    commitText.clear();
    stepEngine = nullptr;
}

void IBusKeyboardBackendPrivate::type(IBusEngine *engine, const KEYBDINPUT &key)
{
    if (key.dwFlags & KEYEVENTF_UNICODE) {
        const QChar unit(key.wScan);
        if (!forwarding) {
            preedit += unit;
            return;
        }
        // The hook types such a character (an emoji in a QuickBytes text) as
        // its two UTF-16 halves, and a key for either half alone reaches the
        // application as invalid text: one key carries the whole character.
        if (unit.isHighSurrogate()) {
            pendingHighSurrogate = unit;
            return;
        }
        const uint character = unit.isLowSurrogate() && pendingHighSurrogate.isHighSurrogate()
                ? QChar::surrogateToUcs4(pendingHighSurrogate, unit)
                : unit.unicode();
        pendingHighSurrogate = QChar();
        forwardTap(engine, ibus_unicode_to_keyval(character), 0);
        return;
    }
    if (!forwarding && key.wVk == VK_BACK && !preedit.isEmpty()) {
        chopCharacter(preedit);
        return;
    }
    if (!forwarding && key.wVk == VK_RETURN) {
        preedit += QLatin1Char('\n');
        return;
    }
    // Backspace reaching text the application typed from its own keys:
    // only its key queue keeps the deletion behind those keys.
    startForwarding(engine);
    const ForwardedKey forwarded = forwardedKeyFor(key.wVk);
    if (forwarded.keysym != 0)
        forwardTap(engine, forwarded.keysym, forwarded.keycode);
}

void IBusKeyboardBackendPrivate::flushCommit(IBusEngine *engine)
{
    if (commitText.isEmpty())
        return;
    // The daemon must not commit the old pre-edit a second time when the
    // focus moves before the next update.
    if (!shownPreedit.isEmpty())
        showPreedit(engine, QString());
    ibus_engine_commit_text(engine, ibus_text_new_from_string(commitText.toUtf8().constData()));
    commitText.clear();
}

void IBusKeyboardBackendPrivate::showPreedit(IBusEngine *engine, const QString &text)
{
    const int length = characterCount(text);
    IBusText *shown = ibus_text_new_from_string(text.toUtf8().constData());
    if (length > 0)
        ibus_text_append_attribute(shown, IBUS_ATTR_TYPE_UNDERLINE, IBUS_ATTR_UNDERLINE_SINGLE, 0, length);
    ibus_engine_update_preedit_text_with_mode(engine, shown, guint(length), length > 0, preeditMode);
    shownPreedit = text;
}

// From here on the step's output goes through the application's key queue,
// behind everything the step committed.
void IBusKeyboardBackendPrivate::startForwarding(IBusEngine *engine)
{
    if (forwarding)
        return;
    commitText += preedit;
    preedit.clear();
    flushCommit(engine);
    if (!shownPreedit.isEmpty())
        showPreedit(engine, QString());
    forwarding = true;
}

// The mark keeps a key the application hands back from reaching the hook
// again.
void IBusKeyboardBackendPrivate::forwardKey(IBusEngine *engine, guint keysym, guint keycode, guint state)
{
    ibus_engine_forward_key_event(engine, keysym, keycode, state | IBUS_FORWARD_MASK);
}

void IBusKeyboardBackendPrivate::forwardTap(IBusEngine *engine, guint keysym, guint keycode)
{
    forwardKey(engine, keysym, keycode, 0);
    forwardKey(engine, keysym, keycode, IBUS_RELEASE_MASK);
}

void IBusKeyboardBackendPrivate::onConnected(IBusBus *, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->offerEngine();
}

void IBusKeyboardBackendPrivate::onDisconnected(IBusBus *, gpointer self)
{
    qCWarning(lcIBus, "The IBus daemon went away: YavoIME offers its engine again when it is back.");
    static_cast<IBusKeyboardBackendPrivate *>(self)->withdrawEngine();
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
    static_cast<IBusKeyboardBackendPrivate *>(self)->focusIn(engine, nullptr, nullptr);
}

void IBusKeyboardBackendPrivate::onFocusInId(IBusEngine *engine, const gchar *objectPath, const gchar *client,
                                             gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->focusIn(engine, objectPath, client);
}

void IBusKeyboardBackendPrivate::onFocusOut(IBusEngine *engine, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->focusOut(engine, nullptr);
}

void IBusKeyboardBackendPrivate::onFocusOutId(IBusEngine *engine, const gchar *objectPath, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->focusOut(engine, objectPath);
}

void IBusKeyboardBackendPrivate::onContextChanged(IBusEngine *, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->contextChanged();
}

void IBusKeyboardBackendPrivate::onPropertyActivate(IBusEngine *, const gchar *name, guint state, gpointer self)
{
    static_cast<IBusKeyboardBackendPrivate *>(self)->q->notifyMenuEntryActivated(QString::fromUtf8(name),
                                                                                  state == PROP_STATE_CHECKED);
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

std::unique_ptr<IBusKeyboardBackend> IBusKeyboardBackend::create(QString *error)
{
    QString why;
    std::unique_ptr<IBusKeyboardBackend> backend(new IBusKeyboardBackend);
    if (!backend->d->start(&why)) {
        if (error)
            *error = why;
        return nullptr;
    }
    return backend;
}

unsigned IBusKeyboardBackend::sendInput(const INPUT *inputs, unsigned count)
{
    IBusEngine *engine = d->keyEngine ? d->keyEngine : d->focusedEngine;
    if (!engine) {
        d->lastError = ErrorAccessDenied;
        return 0;
    }
    const bool ownStep = !d->inStep;
    if (ownStep)
        d->beginStep(engine);
    for (unsigned i = 0; i < count; ++i) {
        const INPUT &input = inputs[i];
        if (input.type == INPUT_KEYBOARD && !(input.ki.dwFlags & KEYEVENTF_KEYUP))
            d->type(engine, input.ki);
    }
    if (ownStep)
        d->finishStep();
    return count;
}

quint32 IBusKeyboardBackend::lastError() const
{
    return d->lastError;
}

KeyboardBackend::Availability IBusKeyboardBackend::availability() const
{
    return d->availability;
}

void IBusKeyboardBackend::endComposition()
{
    if (d->preedit.isEmpty())
        return;
    d->commitText += d->preedit;
    d->preedit.clear();
    if (d->inStep)
        return;
    d->beginStep(d->focusedEngine);
    d->finishStep();
}

void IBusKeyboardBackend::setMenu(const QVector<InputMethodMenuEntry> &entries)
{
    d->menu = entries;
    for (IBusEngine *engine : qAsConst(d->engines))
        d->registerMenu(engine);
}

} // namespace Platform

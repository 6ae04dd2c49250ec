#include "ime/app/aboutyavoime.h"
#include "ime/app/traynotifier.h"
#include "ime/app/yavoimehelp.h"
#include "ime/app/yavoimemain.h"
#include "ime/app/yavoimemenu.h"
#include "ime/app/yavoimetrayicon.h"
#include "ime/app/yavoqthooks.h"

#include "typist.h"

#include "core/sharedsettings.h"
#include "platform/virtualkeys.h"
#include "testmain.h"
#include "widgets/yvmessagebox.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>

#include <algorithm>
#include <memory>

using namespace Platform;

namespace {

struct Balloon
{
    QString message;
    int msecs;
};

// Keeps the balloons instead of showing them.
class RecordingNotifier : public TrayNotifier
{
public:
    void showMessage(QSystemTrayIcon *, const QString &, const QString &message, const QIcon &,
                     int msecs) override
    {
        balloons.append({message, msecs});
    }
    void showMessage(QSystemTrayIcon *, const QString &, const QString &message,
                     QSystemTrayIcon::MessageIcon, int msecs) override
    {
        balloons.append({message, msecs});
    }

    QStringList statuses() const
    {
        QStringList texts;
        for (const Balloon &balloon : balloons)
            texts.append(balloon.message);
        return texts;
    }
    QString lastStatus() const { return balloons.isEmpty() ? QString() : balloons.last().message; }

    QList<Balloon> balloons;
};

QString inputKey(const QString &key)
{
    return QStringLiteral("InputSettings/") + key;
}

void storeInputSetting(const QString &key, const QVariant &value)
{
    QSettings(settingsOrganization, settingsApplication).setValue(inputKey(key), value);
}

QVariant inputSetting(const QString &key)
{
    return QSettings(settingsOrganization, settingsApplication).value(inputKey(key));
}

QAction *findAction(const QMenu *menu, const QString &text)
{
    for (QAction *action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu()) {
            if (QAction *found = findAction(action->menu(), text))
                return found;
        }
    }
    return nullptr;
}

QString checkedText(const QMenu *menu)
{
    for (QAction *action : menu->actions()) {
        if (action->isChecked())
            return action->text();
    }
    return QString();
}

QImage iconImage(const QIcon &icon)
{
    return icon.pixmap(32).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The entry of the desktop's input-method menu under the labels.
const InputMethodMenuEntry *menuEntry(const QVector<InputMethodMenuEntry> &entries, const QStringList &labels)
{
    for (const InputMethodMenuEntry &entry : entries) {
        if (entry.label != labels.first())
            continue;
        return labels.size() == 1 ? &entry : menuEntry(entry.entries, labels.mid(1));
    }
    return nullptr;
}

QStringList labelsOf(const QVector<InputMethodMenuEntry> &entries)
{
    QStringList labels;
    for (const InputMethodMenuEntry &entry : entries)
        labels.append(entry.label);
    return labels;
}

const QString phonetic = QStringLiteral("Phonetic layout");
const QString kprao = QStringLiteral("KPRao(NUDI) layout");
const QString inscript = QStringLiteral("InScript layout");
const QString phonetic2 = QStringLiteral("Phonetic-2 layout");
const QString activate = QStringLiteral("Activate [CTRL-F11 or ScrollLock]");
const QString deactivate = QStringLiteral("Deactivate [CTRL-F11 or ScrollLock]");
const QString arkavattuOff = QStringLiteral("Arkavattu -No (\u0CB0\u0CCD\u200D\u0CAF)");
const QString arkavattuOn = QStringLiteral("Arkavattu -Yes (\u0CB0\u0CCD\u0CAF)");
const QString indicInput = QStringLiteral("Indic Input [CTRL-F11 or ScrollLock]");

} // namespace

class TestYavoIMETrayIcon : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void firstStart();
    void storedSettings_data();
    void storedSettings();
    void settingsWrittenAtTheEnd();
    void toggling_data();
    void toggling();
    void ansiLayouts_data();
    void ansiLayouts();
    void arkavattuOnlyForKannada_data();
    void arkavattuOnlyForKannada();
    void convertClipboard_data();
    void convertClipboard();
    void oneBalloonPerChange_data();
    void oneBalloonPerChange();
    void iconActivation_data();
    void iconActivation();
    void toolTipShowsTheState_data();
    void toolTipShowsTheState();
    void engineMenuFollowsTheTray();
    void engineMenuDrivesTheTray();
    void greyedEngineMenuEntriesDoNothing_data();
    void greyedEngineMenuEntriesDoNothing();
    void quickBytes();
    void onlyQuitEnds_data();
    void onlyQuitEnds();
    void newDialogPerClick();
    void aboutShowsVersion();
    void dialogsLeaveWithTheFocus_data();
    void dialogsLeaveWithTheFocus();

private:
    YavoIMETrayIcon *makeTray();
    QMenu *menu() const { return m_tray->contextMenu(); }
    QAction *action(const QString &text) const;
    QMenu *submenu(const QString &title) const;
    void trigger(const QString &text);
    // Chooses the entry of the desktop's menu under the labels.
    void choose(const QStringList &labels, bool checked = true);
    // The chosen language, layout and encoding, and the Activate entry.
    QStringList trayState() const;

    std::unique_ptr<FakeKeyboardBackend> m_keyboard;
    std::unique_ptr<YavoIMETrayIcon> m_tray;
    RecordingNotifier *m_notifier = nullptr;
};

void TestYavoIMETrayIcon::initTestCase()
{
    prepareYavoIMEApplication(*qApp);
}

void TestYavoIMETrayIcon::init()
{
    QSettings(settingsOrganization, settingsApplication).clear();
    m_keyboard = std::make_unique<FakeKeyboardBackend>();
}

void TestYavoIMETrayIcon::cleanup()
{
    m_tray.reset();
    m_keyboard.reset();
}

YavoIMETrayIcon *TestYavoIMETrayIcon::makeTray()
{
    auto notifier = std::make_unique<RecordingNotifier>();
    m_notifier = notifier.get();
    m_tray = std::make_unique<YavoIMETrayIcon>(std::move(notifier));
    return m_tray.get();
}

QAction *TestYavoIMETrayIcon::action(const QString &text) const
{
    QAction *found = findAction(menu(), text);
    if (!found)
        qWarning("no menu entry %s", qPrintable(text));
    return found;
}

QMenu *TestYavoIMETrayIcon::submenu(const QString &title) const
{
    return action(title)->menu();
}

void TestYavoIMETrayIcon::trigger(const QString &text)
{
    action(text)->trigger();
}

void TestYavoIMETrayIcon::choose(const QStringList &labels, bool checked)
{
    QTRY_VERIFY(menuEntry(m_keyboard->menu(), labels));
    m_keyboard->activateMenuEntry(menuEntry(m_keyboard->menu(), labels)->id, checked);
}

QStringList TestYavoIMETrayIcon::trayState() const
{
    return {checkedText(submenu(QStringLiteral("Language"))), checkedText(submenu(QStringLiteral("Keyboard Layout"))),
            action(QStringLiteral("ANSI"))->isChecked() ? QStringLiteral("ANSI") : QStringLiteral("Unicode"),
            action(activate) ? activate : deactivate};
}

void TestYavoIMETrayIcon::firstStart()
{
    makeTray();
    QCOMPARE(checkedText(submenu(QStringLiteral("Language"))), QStringLiteral("Kannada"));
    QCOMPARE(checkedText(submenu(QStringLiteral("Keyboard Layout"))), phonetic);
    QVERIFY(action(QStringLiteral("Unicode"))->isChecked());
    QVERIFY(!action(QStringLiteral("English Numerals"))->isChecked());
    QAction *arkavattu = action(arkavattuOff);
    QVERIFY(arkavattu);
    QVERIFY(!arkavattu->isChecked());
    QCOMPARE(arkavattu->toolTip(), QStringLiteral("\u0CB0\u0CCD\u200D\u0CAF"));
    QVERIFY(action(activate));
    QVERIFY(!action(QStringLiteral("English    [ Ctrl+F11 ]"))->isVisible());

    // Indic input starts off: the English icon, the reminder balloon, and
    // everything that only matters while typing Indic disabled.
    QCOMPARE(iconImage(m_tray->systemTrayIcon()->icon()), iconImage(QIcon(QStringLiteral(":/resources/lo_english_32.png"))));
    QTRY_COMPARE(m_notifier->statuses(), QStringList{QStringLiteral("press [CTRL-F11] or [ScrollLock]!")});
    QCOMPARE(m_notifier->balloons.last().msecs, YavoIMETrayIcon::balloonMsecs);
    for (const QString &text : {QStringLiteral("Language"), QStringLiteral("Keyboard Layout"),
                                QStringLiteral("English Numerals"), QStringLiteral("ANSI"),
                                QStringLiteral("Unicode"), arkavattuOff})
        QVERIFY2(!action(text)->isEnabled(), qPrintable(text));
    for (const QString &text : {QStringLiteral("Convert ANSI text to Unicode..."), QStringLiteral("Quick Bytes..."),
                                QStringLiteral("About"), QStringLiteral("Help"), activate, QStringLiteral("&Quit")})
        QVERIFY2(action(text)->isEnabled(), qPrintable(text));

    // Nothing is typed until Indic input is switched on.
    Typist typist(*m_keyboard);
    typist.type(QStringLiteral("ka"));
    QCOMPARE(typist.text(), QStringLiteral("ka"));

    // No second, empty balloon follows the first.
    QTest::qWait(1500);
    QCOMPARE(m_notifier->balloons.size(), 1);
}

// A stored value that does not fit its menu starts as the first start does.
void TestYavoIMETrayIcon::storedSettings_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("encoding");

    const QString kannada = QStringLiteral("Kannada");
    const QString unicode = QStringLiteral("Unicode");
    QTest::newRow("keyboard 2") << "keyboard" << "2" << kannada << inscript << unicode;
    QTest::newRow("keyboard 3 (Phonetic-2)") << "keyboard" << "3" << kannada << phonetic << unicode;
    QTest::newRow("keyboard 4") << "keyboard" << "4" << kannada << phonetic << unicode;
    QTest::newRow("keyboard -1") << "keyboard" << "-1" << kannada << phonetic << unicode;
    QTest::newRow("keyboard not a number") << "keyboard" << "x" << kannada << phonetic << unicode;
    QTest::newRow("language 4") << "language" << "4" << QStringLiteral("Hindi") << phonetic << unicode;
    QTest::newRow("language 10") << "language" << "10" << kannada << phonetic << unicode;
    QTest::newRow("language -1") << "language" << "-1" << kannada << phonetic << unicode;
    QTest::newRow("encoding 0") << "encoding" << "0" << kannada << kprao << QStringLiteral("ANSI");
    QTest::newRow("encoding 2") << "encoding" << "2" << kannada << phonetic << unicode;
    QTest::newRow("encoding -1") << "encoding" << "-1" << kannada << phonetic << unicode;
}

void TestYavoIMETrayIcon::storedSettings()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QString, language);
    QFETCH(QString, layout);
    QFETCH(QString, encoding);

    storeInputSetting(key, value);
    makeTray();
    trigger(activate);
    QCOMPARE(checkedText(submenu(QStringLiteral("Language"))), language);
    QCOMPARE(checkedText(submenu(QStringLiteral("Keyboard Layout"))), layout);
    QVERIFY(action(encoding)->isChecked());
}

void TestYavoIMETrayIcon::settingsWrittenAtTheEnd()
{
    storeInputSetting(QStringLiteral("isArkavattuOK"), true);
    makeTray();
    QVERIFY(action(arkavattuOn)->isChecked());
    QCOMPARE(action(arkavattuOn)->toolTip(), QStringLiteral("\u0CB0\u0CCD\u0CAF"));
    trigger(activate);
    trigger(QStringLiteral("Hindi"));
    trigger(phonetic2);
    trigger(QStringLiteral("English Numerals"));
    // The numerals are shared at once; the rest when the tray goes.
    QVERIFY(SharedSettings::englishNumerals());
    QVERIFY(!inputSetting(QStringLiteral("language")).isValid());
    m_tray.reset();

    QCOMPARE(inputSetting(QStringLiteral("language")).toInt(), 4);
    QCOMPARE(inputSetting(QStringLiteral("keyboard")).toInt(), 3);
    QCOMPARE(inputSetting(QStringLiteral("encoding")).toInt(), 1);
    QCOMPARE(inputSetting(QStringLiteral("englishNumerals")).toBool(), true);
    QCOMPARE(inputSetting(QStringLiteral("isArkavattuOK")).toBool(), true);
}

// Indic input goes on and off from the menu, Ctrl+F11 and Scroll Lock.
void TestYavoIMETrayIcon::toggling_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::newRow("menu") << "menu";
    QTest::newRow("ctrl+F11") << "ctrl+F11";
    QTest::newRow("scroll lock") << "scroll lock";
}

void TestYavoIMETrayIcon::toggling()
{
    QFETCH(QString, gesture);

    makeTray();
    const auto toggle = [&] {
        if (gesture == QLatin1String("menu")) {
            menu()->actions().at(menu()->actions().size() - 2)->trigger();
        } else if (gesture == QLatin1String("ctrl+F11")) {
            m_keyboard->setKeyState(VK_LCONTROL, true);
            m_keyboard->keyDown(VK_F11);
            m_keyboard->keyUp(VK_F11);
            m_keyboard->setKeyState(VK_LCONTROL, false);
        } else {
            m_keyboard->setKeyState(VK_SCROLL, true, true);
            m_keyboard->keyDown(VK_SCROLL);
            m_keyboard->setKeyState(VK_SCROLL, false, true);
        }
    };
    Typist typist(*m_keyboard);

    toggle();
    QVERIFY(action(deactivate));
    QVERIFY(action(deactivate)->isChecked());
    QTRY_COMPARE(m_notifier->lastStatus(), QStringLiteral("Kannada-Phonetic layout-Unicode"));
    QCOMPARE(iconImage(m_tray->systemTrayIcon()->icon()), iconImage(QIcon(QStringLiteral(":/resources/lo_trayIcon_16.png"))));
    QVERIFY(action(QStringLiteral("Language"))->isEnabled());
    typist.type(QStringLiteral("ka "));

    toggle();
    QVERIFY(action(activate));
    QTRY_COMPARE(m_notifier->lastStatus(), QStringLiteral("press [CTRL-F11] or [ScrollLock]!"));
    QVERIFY(!action(QStringLiteral("Language"))->isEnabled());
    typist.type(QStringLiteral("ka"));
    QCOMPARE(typist.text(), QStringLiteral("\u0C95 ka"));
}

// Nudi output has no phonetic layouts: KPRao takes their place, InScript
// stays, and the choice stays when Unicode comes back.
void TestYavoIMETrayIcon::ansiLayouts_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("ansiLayout");

    QTest::newRow("phonetic") << phonetic << kprao;
    QTest::newRow("phonetic-2") << phonetic2 << kprao;
    QTest::newRow("KPRao") << kprao << kprao;
    QTest::newRow("InScript") << inscript << inscript;
}

void TestYavoIMETrayIcon::ansiLayouts()
{
    QFETCH(QString, layout);
    QFETCH(QString, ansiLayout);

    makeTray();
    trigger(activate);
    trigger(layout);
    trigger(QStringLiteral("ANSI"));
    QCOMPARE(checkedText(submenu(QStringLiteral("Keyboard Layout"))), ansiLayout);
    QVERIFY(!action(phonetic)->isEnabled());
    QVERIFY(!action(phonetic2)->isEnabled());
    QTRY_COMPARE(m_notifier->lastStatus(), QStringLiteral("Kannada-%1-ANSI").arg(ansiLayout));

    trigger(QStringLiteral("Unicode"));
    QCOMPARE(checkedText(submenu(QStringLiteral("Keyboard Layout"))), ansiLayout);
    QVERIFY(action(phonetic)->isEnabled());
    QTRY_COMPARE(m_notifier->lastStatus(), QStringLiteral("Kannada-%1-Unicode").arg(ansiLayout));
}

void TestYavoIMETrayIcon::arkavattuOnlyForKannada_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QString>("text");

    QTest::newRow("Kannada") << "Kannada" << true << QStringLiteral("\u0C95\u0CB0\u0CCD\u0CAF");
    QTest::newRow("Hindi") << "Hindi" << false << QStringLiteral("\u0915\u0930\u094D\u092F");
}

// With the Arkavattu entry checked, karya types the repha form in Kannada.
void TestYavoIMETrayIcon::arkavattuOnlyForKannada()
{
    QFETCH(QString, language);
    QFETCH(bool, enabled);
    QFETCH(QString, text);

    makeTray();
    trigger(activate);
    trigger(arkavattuOff);
    trigger(language);
    QCOMPARE(action(arkavattuOn)->isEnabled(), enabled);
    QTRY_COMPARE(m_notifier->lastStatus(), QStringLiteral("%1-Phonetic layout-Unicode").arg(language));
    Typist typist(*m_keyboard);
    typist.type(QStringLiteral("karya"));
    QCOMPARE(typist.text(), text);
}

void TestYavoIMETrayIcon::convertClipboard_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("converted");
    QTest::addColumn<QString>("message");

    const QString instructions = QStringLiteral(
        "ANSI ಯಿಂದ Unicode Convert ಮಾಡಲು ಈ ಕೆಳಕಂಡಂತೆ ಮಾಡಿ:\n\n"
        "1) ANSI ಪಠ್ಯ select ಮಾಡಿ, COPY ಮಾಡಿ (Ctrl+c ಒತ್ತಿ) ಕೊಳ್ಳಿ \n"
        "2) ಈಗ YavoIME ನಲ್ಲಿ \"Convert\" ಮೆನುವನ್ನು ಒತ್ತಿ\n"
        "3) ನೀವು ಕಾಪಿಕೊಂಡ ಪಠ್ಯದ ಯೂನಿಕೋಡ್ ಪಠ್ಯ ಈಗ ಸಿದ್ದವಾಗುತ್ತೆ.\n"
        "4) ಈಗ ನಿಮಗೆ ಬೇಕಾದ ಕಡೆ ಪೇಸ್ಟ್(Ctrl+v) ಮಾಡಿ.\n\n");
    const QString done = QStringLiteral("1) ಯೂನಿಕೋಡ್ ಪಠ್ಯ ಸಿದ್ದವಾಗಿದೆ\n2) ಈಗ ನಿಮಗೆ ಬೇಕಾದ ಕಡೆ ಪೇಸ್ಟ್(Ctrl+v) ಮಾಡಿ.\n");
    QTest::newRow("empty") << QString() << QString() << instructions;
    QTest::newRow("spaces only") << "  \t " << "  \t " << instructions;
    QTest::newRow("Nudi text") << QStringLiteral("\u0050\u00C0\u00E6") << QStringLiteral("\u0C95\u0CCD\u0CB0") << done;
}

void TestYavoIMETrayIcon::convertClipboard()
{
    QFETCH(QString, clipboard);
    QFETCH(QString, converted);
    QFETCH(QString, message);

    makeTray();
    QGuiApplication::clipboard()->setText(clipboard);
    trigger(QStringLiteral("Convert ANSI text to Unicode..."));
    QCOMPARE(QGuiApplication::clipboard()->text(), converted);
    const QList<yvMessageBox *> boxes = m_tray->findChildren<yvMessageBox *>();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.first()->findChild<QLabel *>()->text(), message);
}

// A change of state runs through several handlers; it is told once, and a
// second start of the program tells the state once again.
void TestYavoIMETrayIcon::oneBalloonPerChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<QString>("status");

    QTest::newRow("ctrl+F11") << "ctrl+F11" << "Kannada-Phonetic layout-Unicode";
    QTest::newRow("activate entry") << activate << "Kannada-Phonetic layout-Unicode";
    QTest::newRow("language") << "Hindi" << "Hindi-Phonetic layout-Unicode";
    QTest::newRow("layout") << inscript << "Kannada-InScript layout-Unicode";
    QTest::newRow("encoding") << "ANSI" << "Kannada-KPRao(NUDI) layout-ANSI";
    QTest::newRow("wake up") << "wake up" << "Kannada-Phonetic layout-Unicode";
}

void TestYavoIMETrayIcon::oneBalloonPerChange()
{
    QFETCH(QString, change);
    QFETCH(QString, status);

    makeTray();
    if (change != QLatin1String("ctrl+F11") && change != activate)
        trigger(activate);
    QTRY_VERIFY(!m_notifier->balloons.isEmpty());
    QCoreApplication::processEvents();
    m_notifier->balloons.clear();

    if (change == QLatin1String("ctrl+F11")) {
        m_keyboard->setKeyState(VK_LCONTROL, true);
        m_keyboard->keyDown(VK_F11);
        m_keyboard->keyUp(VK_F11);
        m_keyboard->setKeyState(VK_LCONTROL, false);
    } else if (change == QLatin1String("wake up")) {
        m_tray->onMessageReceived(QStringLiteral("Wake up!"));
    } else {
        trigger(change);
    }
    QTRY_VERIFY(!m_notifier->balloons.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(m_notifier->statuses(), QStringList{status});
    QVERIFY(m_notifier->balloons.first().msecs >= 2000 && m_notifier->balloons.first().msecs <= 3000);
}

// The tray shows the menu on a right click itself; the activation that
// follows must not hide it. A left click opens and closes it.
void TestYavoIMETrayIcon::iconActivation_data()
{
    QTest::addColumn<int>("reason");
    QTest::addColumn<bool>("shownBefore");
    QTest::addColumn<bool>("shownAfter");

    QTest::newRow("right click") << int(QSystemTrayIcon::Context) << true << true;
    QTest::newRow("left click on the open menu") << int(QSystemTrayIcon::Trigger) << true << false;
    QTest::newRow("left click") << int(QSystemTrayIcon::Trigger) << false << true;
}

void TestYavoIMETrayIcon::iconActivation()
{
    QFETCH(int, reason);
    QFETCH(bool, shownBefore);
    QFETCH(bool, shownAfter);

    makeTray();
    if (shownBefore)
        menu()->popup(QPoint(10, 10));
    QCOMPARE(menu()->isVisible(), shownBefore);
    emit m_tray->systemTrayIcon()->activated(QSystemTrayIcon::ActivationReason(reason));
    QCOMPARE(menu()->isVisible(), shownAfter);
    menu()->hide();
}

// The tool tip tells the state, and whether the keys reach the input
// method at all.
void TestYavoIMETrayIcon::toolTipShowsTheState_data()
{
    QTest::addColumn<int>("availability");
    QTest::addColumn<QString>("keyboard");

    QTest::newRow("available") << int(KeyboardBackend::Availability::Available)
                               << QStringLiteral("Typing through IBus (engine \"Yavo\")");
    QTest::newRow("waiting") << int(KeyboardBackend::Availability::Waiting) << QStringLiteral("Waiting for the IBus daemon");
    QTest::newRow("unavailable") << int(KeyboardBackend::Availability::Unavailable)
                                 << QStringLiteral("No keyboard: typing is left alone");
}

void TestYavoIMETrayIcon::toolTipShowsTheState()
{
    QFETCH(int, availability);
    QFETCH(QString, keyboard);

    makeTray();
    m_keyboard->setAvailability(KeyboardBackend::Availability(availability));
    QCOMPARE(m_tray->systemTrayIcon()->toolTip(),
             QStringLiteral("YavoIME\npress [CTRL-F11] or [ScrollLock]!\n") + keyboard);
    trigger(activate);
    QCOMPARE(m_tray->systemTrayIcon()->toolTip(), QStringLiteral("YavoIME\nKannada-Phonetic layout-Unicode\n") + keyboard);
}

// Where there is no tray icon, the desktop's input-method menu offers the
// same settings in the same state as the tray menu.
void TestYavoIMETrayIcon::engineMenuFollowsTheTray()
{
    makeTray();
    QTRY_COMPARE(labelsOf(m_keyboard->menu()),
                 QStringList({QStringLiteral("Language"), QStringLiteral("Keyboard Layout"),
                              QStringLiteral("Output Encoding"), indicInput, QStringLiteral("Quit")}));
    const QVector<InputMethodMenuEntry> start = m_keyboard->menu();
    QCOMPARE(labelsOf(menuEntry(start, {QStringLiteral("Language")})->entries),
             QStringList({QStringLiteral("Kannada"), QStringLiteral("Telugu"), QStringLiteral("Malayalam"),
                          QStringLiteral("Oriya"), QStringLiteral("Hindi"), QStringLiteral("Gujarati"),
                          QStringLiteral("Bengali"), QStringLiteral("Gurumukhi"), QStringLiteral("Tamil")}));
    QCOMPARE(labelsOf(menuEntry(start, {QStringLiteral("Output Encoding")})->entries),
             QStringList({QStringLiteral("ANSI"), QStringLiteral("Unicode")}));
    QCOMPARE(menuEntry(start, {indicInput})->kind, InputMethodMenuEntry::Toggle);
    QCOMPARE(menuEntry(start, {QStringLiteral("Quit")})->kind, InputMethodMenuEntry::Command);
    QVERIFY(menuEntry(start, {QStringLiteral("Language"), QStringLiteral("Kannada")})->checked);
    QVERIFY(!menuEntry(start, {QStringLiteral("Language"), QStringLiteral("Kannada")})->enabled);
    QVERIFY(!menuEntry(start, {indicInput})->checked);

    trigger(activate);
    trigger(QStringLiteral("Hindi"));
    trigger(inscript);
    trigger(QStringLiteral("ANSI"));
    QTRY_VERIFY(menuEntry(m_keyboard->menu(), {indicInput})->checked);
    const QVector<InputMethodMenuEntry> changed = m_keyboard->menu();
    QVERIFY(menuEntry(changed, {QStringLiteral("Language"), QStringLiteral("Hindi")})->checked);
    QVERIFY(menuEntry(changed, {QStringLiteral("Language"), QStringLiteral("Hindi")})->enabled);
    QVERIFY(!menuEntry(changed, {QStringLiteral("Language"), QStringLiteral("Kannada")})->checked);
    QVERIFY(menuEntry(changed, {QStringLiteral("Keyboard Layout"), inscript})->checked);
    QVERIFY(menuEntry(changed, {QStringLiteral("Output Encoding"), QStringLiteral("ANSI")})->checked);
    QVERIFY(!menuEntry(changed, {QStringLiteral("Keyboard Layout"), phonetic})->enabled);
}

// Choosing in the desktop's menu is choosing in the tray menu: the tray
// shows it, the keys follow it and the settings keep it.
void TestYavoIMETrayIcon::engineMenuDrivesTheTray()
{
    makeTray();
    choose({indicInput});
    QVERIFY(action(deactivate));
    choose({QStringLiteral("Language"), QStringLiteral("Hindi")});
    QCOMPARE(checkedText(submenu(QStringLiteral("Language"))), QStringLiteral("Hindi"));
    choose({QStringLiteral("Keyboard Layout"), kprao});
    QCOMPARE(checkedText(submenu(QStringLiteral("Keyboard Layout"))), kprao);
    choose({QStringLiteral("Keyboard Layout"), phonetic});
    QTRY_COMPARE(m_notifier->lastStatus(), QStringLiteral("Hindi-Phonetic layout-Unicode"));

    Typist typist(*m_keyboard);
    typist.type(QStringLiteral("ka "));
    QCOMPARE(typist.text(), QStringLiteral("\u0915 "));

    choose({indicInput}, false);
    QVERIFY(action(activate));
    m_tray.reset();
    QCOMPARE(inputSetting(QStringLiteral("language")).toInt(), 4);
}

void TestYavoIMETrayIcon::greyedEngineMenuEntriesDoNothing_data()
{
    QTest::addColumn<bool>("indicOn");
    QTest::addColumn<QStringList>("entry");
    // Whether each submenu is offered, in the order Language, Keyboard
    // Layout, Output Encoding.
    QTest::addColumn<QList<bool>>("submenus");

    const QList<bool> none = {false, false, false};
    QTest::newRow("off, language") << false << QStringList{QStringLiteral("Language"), QStringLiteral("Hindi")} << none;
    QTest::newRow("off, layout") << false << QStringList{QStringLiteral("Keyboard Layout"), inscript} << none;
    QTest::newRow("off, encoding") << false << QStringList{QStringLiteral("Output Encoding"), QStringLiteral("ANSI")}
                                   << none;
    const QList<bool> all = {true, true, true};
    QTest::newRow("ANSI, phonetic") << true << QStringList{QStringLiteral("Keyboard Layout"), phonetic} << all;
    QTest::newRow("ANSI, phonetic-2") << true << QStringList{QStringLiteral("Keyboard Layout"), phonetic2} << all;
}

// A greyed entry of the desktop's menu, activated all the same (a panel
// that ignores the flag, a direct call): the tray and the keys stay as
// they were, and each submenu is offered exactly while one of its choices
// is.
void TestYavoIMETrayIcon::greyedEngineMenuEntriesDoNothing()
{
    QFETCH(bool, indicOn);
    QFETCH(QStringList, entry);
    QFETCH(QList<bool>, submenus);

    makeTray();
    if (indicOn) {
        trigger(activate);
        trigger(QStringLiteral("ANSI"));
    }
    const QStringList before = trayState();
    const QString keys = QStringLiteral("namaskAra ");
    Typist typedBefore(*m_keyboard);
    typedBefore.type(keys);
    QTRY_VERIFY(menuEntry(m_keyboard->menu(), {indicInput})
                && menuEntry(m_keyboard->menu(), {indicInput})->checked == indicOn);
    const QVector<InputMethodMenuEntry> menu = m_keyboard->menu();
    const QStringList titles = {QStringLiteral("Language"), QStringLiteral("Keyboard Layout"),
                                QStringLiteral("Output Encoding")};
    for (int i = 0; i < titles.size(); ++i) {
        const InputMethodMenuEntry *submenu = menuEntry(menu, {titles.at(i)});
        QCOMPARE(submenu->enabled, submenus.at(i));
        const bool anyChoice = std::any_of(submenu->entries.cbegin(), submenu->entries.cend(),
                                           [](const InputMethodMenuEntry &choice) { return choice.enabled; });
        QCOMPARE(anyChoice, submenu->enabled);
    }
    QVERIFY(!menuEntry(menu, entry)->enabled);

    choose(entry, true);
    QTest::qWait(50);
    QCOMPARE(trayState(), before);
    Typist typedAfter(*m_keyboard);
    typedAfter.type(keys);
    QCOMPARE(typedAfter.text(), typedBefore.text());
}

// The bar is the one the hook expands from; it goes with the tray.
void TestYavoIMETrayIcon::quickBytes()
{
    const QString path = SharedSettings::quickBytesPath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("ty=Thank you\n");
    file.close();

    makeTray();
    QPointer<yvQuickBytesToolBar> bar = m_tray->quickBytesToolBar();
    QVERIFY(bar);
    QVERIFY(!bar->isVisible());
    trigger(QStringLiteral("Quick Bytes..."));
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->windowTitle(), QStringLiteral("YavoIME-QuickBytesbar"));
    QVERIFY(bar->windowFlags() & Qt::WindowStaysOnTopHint);

    Typist typist(*m_keyboard);
    typist.type(QStringLiteral("ty "));
    QCOMPARE(typist.text(), QStringLiteral("Thank you "));
    m_tray.reset();
    QVERIFY(bar.isNull());
}

// The program has no window: closing a dialog, the menu or the hidden tray
// widget must not end it. Quit does.
void TestYavoIMETrayIcon::onlyQuitEnds_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<bool>("ends");

    QTest::newRow("About closed") << "About" << false;
    QTest::newRow("Help closed") << "Help" << false;
    QTest::newRow("menu loses the focus") << "menu" << false;
    QTest::newRow("Quit") << "&Quit" << true;
    QTest::newRow("Quit in the desktop's menu") << "desktop Quit" << true;
}

void TestYavoIMETrayIcon::onlyQuitEnds()
{
    QFETCH(QString, what);
    QFETCH(bool, ends);

    makeTray();
    QTimer::singleShot(0, this, [&] {
        if (what == QLatin1String("desktop Quit")) {
            choose({QStringLiteral("Quit")}, false);
        } else if (what == QLatin1String("menu")) {
            menu()->popup(QPoint(10, 10));
            QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(menu(), &focusOut);
        } else {
            trigger(what);
            if (QDialog *dialog = m_tray->findChild<QDialog *>())
                dialog->close();
        }
    });
    // An ending comes within the next turns of the event loop; a program
    // still running by then stays running.
    constexpr int stillRunning = 7;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    connect(&giveUp, &QTimer::timeout, qApp, [] { qApp->exit(stillRunning); });
    giveUp.start(200);
    const int code = qApp->exec();
    giveUp.stop();
    QCOMPARE(code != stillRunning, ends);
}

void TestYavoIMETrayIcon::newDialogPerClick()
{
    makeTray();
    for (int click = 1; click <= 2; ++click) {
        trigger(QStringLiteral("About"));
        trigger(QStringLiteral("Help"));
        QCOMPARE(m_tray->findChildren<AboutYavoIME *>().size(), click);
        QCOMPARE(m_tray->findChildren<YavoIMEHelp *>().size(), click);
    }
}

void TestYavoIMETrayIcon::aboutShowsVersion()
{
    AboutYavoIME about;
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("label_5"))->text(), QStringLiteral("Version  3.x.10"));
    QVERIFY(!about.findChild<QLabel *>(QStringLiteral("label"))->pixmap(Qt::ReturnByValue).isNull());
}

// A dialog goes once the focus leaves it, not when it moves to one of its
// own widgets.
void TestYavoIMETrayIcon::dialogsLeaveWithTheFocus_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("About") << "About";
    QTest::newRow("Help") << "Help";
}

void TestYavoIMETrayIcon::dialogsLeaveWithTheFocus()
{
    QFETCH(QString, dialog);

    QWidget owner;
    QPointer<QDialog> shown;
    if (dialog == QLatin1String("About"))
        shown = new AboutYavoIME(&owner);
    else
        shown = new YavoIMEHelp(&owner);
    shown->show();
    QApplication::setActiveWindow(shown);
    QVERIFY(QTest::qWaitForWindowActive(shown));
    QTRY_VERIFY(QApplication::focusWidget() == shown || shown->isAncestorOf(QApplication::focusWidget()));

    QList<QPointer<QWidget>> own;
    for (QWidget *widget : shown->findChildren<QWidget *>()) {
        if (widget->focusPolicy() != Qt::NoFocus)
            own.append(widget);
    }
    QVERIFY(!own.isEmpty());
    for (const QPointer<QWidget> &widget : own) {
        QVERIFY2(shown, "deleted when the focus moved inside");
        widget->setFocus(Qt::TabFocusReason);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QVERIFY2(shown, "deleted when the focus moved inside");

    QLineEdit elsewhere;
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    elsewhere.setFocus();
    QTRY_VERIFY(shown.isNull());
}

YAVO_TEST_MAIN(TestYavoIMETrayIcon)
#include "tst_yavoimetrayicon.moc"

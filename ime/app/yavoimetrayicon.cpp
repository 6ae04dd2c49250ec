#include "ime/app/yavoimetrayicon.h"

#include "ime/app/aboutyavoime.h"
#include "ime/app/enginemenu.h"
#include "private/imeresources_p.h"
#include "ime/app/traynotifier.h"
#include "ime/app/yavoimehelp.h"
#include "ime/app/yavoimemenu.h"
#include "ime/app/yavoqthooks.h"

#include "core/ansitounicode.h"
#include "core/keyboardlayouts.h"
#include "core/nuditoansi.h"
#include "core/sharedsettings.h"
#include "platform/keyboardbackend.h"
#include "widgets/yvmessagebox.h"
#include "widgets/yvquickbytestoolbar.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QFileSystemWatcher>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>

namespace {

const QString settingsGroup = QStringLiteral("InputSettings");
const QString trayIconOn = QStringLiteral(":/resources/lo_trayIcon_16.png");
const QString trayIconOff = QStringLiteral(":/resources/lo_english_32.png");

// The hidden English entry of the Language menu.
constexpr int englishIndex = 9;
constexpr int kannadaIndex = 0;
// Only the layouts up to InScript come back from the store: a stored
// Phonetic-2 starts as Phonetic.
constexpr int lastStoredLayout = int(ImeKeyboardLayout::InScript);

// A stored number, or the fallback when it is missing, not a number or
// outside first..last: it indexes the menu's entries.
int storedIndex(const QSettings &settings, const QString &key, int fallback, int first, int last)
{
    bool ok = false;
    const int value = settings.value(key, QString::number(fallback)).toInt(&ok);
    return ok && value >= first && value <= last ? value : fallback;
}

} // namespace

YavoIMETrayIcon::YavoIMETrayIcon(QWidget *parent)
    : YavoIMETrayIcon(std::make_unique<SystemTrayNotifier>(), parent)
{
}

YavoIMETrayIcon::YavoIMETrayIcon(std::unique_ptr<TrayNotifier> balloonNotifier, QWidget *parent)
    : QWidget(parent)
    , notifier(std::move(balloonNotifier))
{
    registerYavoIMEResources();
    createQuickBytesBar();
    createLanguageMenus();
    createTrayMenu();
    englishAction->setVisible(false);
    createEngineMenu();

    hooks = new YavoQtHooks(this);
    hooks->setQuickBytesBar(quickBytesBar);
    connect(hooks.data(), &YavoQtHooks::toggleIndic, this, &YavoIMETrayIcon::onToggleIndic);

    readSettings();
    trayIcon->installEventFilter(this);
    trayIcon->show();

    activateAction->setChecked(false);
    onToggleIMEIndicClicked();
}

YavoIMETrayIcon::~YavoIMETrayIcon()
{
    trayIcon->hide();
    writeSettings();
    delete quickBytesBar;
}

void YavoIMETrayIcon::readSettings()
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(settingsGroup);
    // A value that does not fit its menu starts as on the first start.
    language = storedIndex(settings, QStringLiteral("language"), kannadaIndex, 0, englishIndex);
    languageGroup->actions().at(language)->setChecked(true);

    englishNumeralsAction->setChecked(settings.value(QStringLiteral("englishNumerals"), QStringLiteral("0")).toBool());

    keyboard = storedIndex(settings, QStringLiteral("keyboard"), int(ImeKeyboardLayout::Phonetic), 0, lastStoredLayout);
    layoutGroup->actions().at(keyboard)->setChecked(true);

    hooks->setIndicEnabled(true);
    hooks->setLanguage(language);
    hooks->setKeyboardLayout(keyboard);

    encoding = storedIndex(settings, QStringLiteral("encoding"), YavoQtHooks::EncodingUnicode,
                           YavoQtHooks::EncodingANSI, YavoQtHooks::EncodingUnicode);
    QAction *encodingAction = encoding == YavoQtHooks::EncodingANSI ? ansiAction : unicodeAction;
    encodingAction->setChecked(true);
    onEncodingActionToggled(encodingAction);

    const bool arkavattu = settings.value(QStringLiteral("isArkavattuOK"), QStringLiteral("0")).toBool();
    {
        const QSignalBlocker blocker(arkavattuAction);
        arkavattuAction->setChecked(arkavattu);
    }
    onArkavattuActionToggled(arkavattu);
}

void YavoIMETrayIcon::writeSettings()
{
    QSettings settings(settingsOrganization, settingsApplication);
    settings.beginGroup(settingsGroup);
    settings.setValue(QStringLiteral("language"), language);
    settings.setValue(QStringLiteral("keyboard"), keyboard);
    settings.setValue(QStringLiteral("englishNumerals"), englishNumerals);
    settings.setValue(QStringLiteral("isArkavattuOK"), arkavattuAction->isChecked());
    settings.setValue(QStringLiteral("encoding"), encoding);
    settings.endGroup();
    settings.sync();
}

YavoQtHooks *YavoIMETrayIcon::keyboardHooks() const
{
    return hooks;
}

yvQuickBytesToolBar *YavoIMETrayIcon::quickBytesToolBar() const
{
    return quickBytesBar;
}

bool YavoIMETrayIcon::eventFilter(QObject *watched, QEvent *event)
{
    return QWidget::eventFilter(watched, event);
}

void YavoIMETrayIcon::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
}

void YavoIMETrayIcon::createQuickBytesBar()
{
    if (quickBytesBar)
        return;
    quickBytesBar = new yvQuickBytesToolBar(yvQuickBytesToolBar::QB_IME);
    quickBytesBar->setWindowTitle(tr("YavoIME-QuickBytesbar"));
    quickBytesBar->setWindowFlags(quickBytesBar->windowFlags() | Qt::WindowStaysOnTopHint | Qt::Tool);
    quickBytesBar->setMinimumWidth(150);
    auto *watcher = new QFileSystemWatcher(this);
    watcher->addPath(SharedSettings::quickBytesPath());
    connect(watcher, &QFileSystemWatcher::fileChanged, quickBytesBar.data(), &yvQuickBytesToolBar::updateToolbar);
    // Its buttons are disabled here: a click has nothing to do.
    connect(quickBytesBar.data(), &yvQuickBytesToolBar::charClicked, this, [](const QString &) {});
    quickBytesBar->hide();
}

void YavoIMETrayIcon::createLanguageMenus()
{
    trayIcon = new QSystemTrayIcon(this);
    menu = new YavoIMEMenu(this);
    connect(menu, &YavoIMEMenu::lostFocus, this, &QWidget::close);

    languageMenu = new QMenu(tr("Language"), menu);
    languageGroup = new QActionGroup(this);
    languageGroup->setExclusive(true);
    const QString languages[] = {tr("Kannada"), tr("Telugu"), tr("Malayalam"), tr("Oriya"), tr("Hindi"),
                                 tr("Gujarati"), tr("Bengali"), tr("Gurumukhi"), tr("Tamil"),
                                 tr("English    [ Ctrl+F11 ]")};
    for (const QString &name : languages) {
        QAction *action = languageMenu->addAction(name);
        action->setCheckable(true);
        languageGroup->addAction(action);
    }
    englishAction = languageGroup->actions().at(englishIndex);
    connect(languageGroup, &QActionGroup::triggered, this, &YavoIMETrayIcon::onLanguageChanged);

    englishNumeralsAction = new QAction(tr("English Numerals"), this);
    englishNumeralsAction->setCheckable(true);
    connect(englishNumeralsAction, &QAction::toggled, this, &YavoIMETrayIcon::onEnglishNumeralsActionToggled);

    arkavattuAction = new QAction(tr("Arkavattu ()"), this);
    arkavattuAction->setCheckable(true);
    connect(arkavattuAction, &QAction::toggled, this, &YavoIMETrayIcon::onArkavattuActionToggled);

    encodingGroup = new QActionGroup(this);
    encodingGroup->setExclusive(true);
    ansiAction = new QAction(tr("ANSI"), this);
    ansiAction->setData(int(YavoQtHooks::EncodingANSI));
    unicodeAction = new QAction(tr("Unicode"), this);
    unicodeAction->setData(int(YavoQtHooks::EncodingUnicode));
    for (QAction *action : {ansiAction, unicodeAction}) {
        action->setCheckable(true);
        encodingGroup->addAction(action);
    }
    connect(encodingGroup, &QActionGroup::triggered, this, &YavoIMETrayIcon::onEncodingActionToggled);

    layoutMenu = new QMenu(tr("Keyboard Layout"), menu);
    layoutGroup = new QActionGroup(this);
    layoutGroup->setExclusive(true);
    phoneticAction = layoutMenu->addAction(tr("Phonetic layout"));
    kpraoAction = layoutMenu->addAction(tr("KPRao(NUDI) layout"));
    inscriptAction = layoutMenu->addAction(tr("InScript layout"));
    phonetic2Action = layoutMenu->addAction(QIcon(), tr("Phonetic-2 layout"));
    for (QAction *action : {phoneticAction, kpraoAction, inscriptAction, phonetic2Action}) {
        action->setCheckable(true);
        layoutGroup->addAction(action);
    }
    connect(layoutGroup, &QActionGroup::triggered, this, &YavoIMETrayIcon::onKeyboardLayoutChanged);

    quitAction = new QAction(QIcon(), tr("&Quit"), this);
    connect(quitAction, &QAction::triggered, qApp, &QCoreApplication::quit);
}

void YavoIMETrayIcon::createTrayMenu()
{
    menu->addMenu(languageMenu);
    menu->addMenu(layoutMenu);
    menu->addSeparator();
    menu->addAction(englishNumeralsAction);
    menu->addAction(arkavattuAction);
    menu->addSeparator();
    menu->addAction(ansiAction);
    menu->addAction(unicodeAction);
    menu->addSeparator();
    convertAction = menu->addAction(tr("Convert ANSI text to Unicode..."));
    connect(convertAction, &QAction::triggered, this, &YavoIMETrayIcon::onConvertActionToggled);
    quickBytesAction = menu->addAction(tr("Quick Bytes..."));
    connect(quickBytesAction, &QAction::triggered, this, &YavoIMETrayIcon::onQuickBytesClicked);
    menu->addSeparator();
    aboutAction = menu->addAction(QIcon(), tr("About"));
    connect(aboutAction, &QAction::triggered, this, &YavoIMETrayIcon::slotAboutIME);
    helpAction = menu->addAction(QIcon(), tr("Help"));
    connect(helpAction, &QAction::triggered, this, &YavoIMETrayIcon::onHelpClicked);
    menu->addSeparator();
    activateAction = menu->addAction(QIcon(), tr("Activate [CTRL-F11 or ScrollLock]"));
    activateAction->setCheckable(true);
    connect(activateAction, &QAction::triggered, this, &YavoIMETrayIcon::onToggleIMEIndicClicked);
    menu->addAction(quitAction);

    trayIcon->setContextMenu(menu);
    trayIcon->setIcon(QIcon(trayIconOn));
    connect(trayIcon, &QSystemTrayIcon::activated, this, &YavoIMETrayIcon::slotIconActivated);

    // A state change often passes through updateStatus() more than once
    // before the event loop runs again: the user hears of it once.
    balloonTimer = new QTimer(this);
    balloonTimer->setSingleShot(true);
    balloonTimer->setInterval(0);
    connect(balloonTimer, &QTimer::timeout, this, &YavoIMETrayIcon::showStatusBalloon);
}

void YavoIMETrayIcon::createEngineMenu()
{
    engineMenu = new EngineMenu(this);
    engineMenu->addChoices(languageMenu->title(), languageGroup->actions(), languageMenu->menuAction());
    engineMenu->addChoices(layoutMenu->title(), layoutGroup->actions(), layoutMenu->menuAction());
    engineMenu->addChoices(tr("Output Encoding"), encodingGroup->actions());
    engineMenu->addToggle(tr("Indic Input [CTRL-F11 or ScrollLock]"), activateAction);
    engineMenu->addCommand(quitAction);
    connect(engineMenu, &EngineMenu::keyboardAvailabilityChanged, this, &YavoIMETrayIcon::updateToolTip);
}

void YavoIMETrayIcon::updateStatus()
{
    languageMenu->setEnabled(indicEnabled);
    layoutMenu->setEnabled(indicEnabled);
    ansiAction->setEnabled(indicEnabled);
    unicodeAction->setEnabled(indicEnabled);
    englishNumeralsAction->setEnabled(indicEnabled);
    const bool unicode = encoding == YavoQtHooks::EncodingUnicode;
    phoneticAction->setEnabled(unicode);
    phonetic2Action->setEnabled(unicode);
    arkavattuAction->setEnabled(indicEnabled && language == kannadaIndex);

    updateToolTip();
    balloonTimer->start();
}

QString YavoIMETrayIcon::statusText() const
{
    if (!indicEnabled)
        return tr("press [CTRL-F11] or [ScrollLock]!");
    const QAction *layout = layoutGroup->checkedAction();
    const QString layoutText = layout ? layout->text() : QString();
    if (ansiAction->isChecked())
        return tr("Kannada-%1-ANSI").arg(layoutText);
    const QAction *lang = languageGroup->checkedAction();
    const QAction *enc = encodingGroup->checkedAction();
    return tr("%1-%2-%3").arg(lang ? lang->text() : QString(), layoutText, enc ? enc->text() : QString());
}

void YavoIMETrayIcon::updateToolTip()
{
    QString keyboard;
    switch (Platform::KeyboardBackend::current()->availability()) {
    case Platform::KeyboardBackend::Availability::Available:
        keyboard = tr("Typing through IBus (engine \"Yavo\")");
        break;
    case Platform::KeyboardBackend::Availability::Waiting:
        keyboard = tr("Waiting for the IBus daemon");
        break;
    case Platform::KeyboardBackend::Availability::Unavailable:
        keyboard = tr("No keyboard: typing is left alone");
        break;
    }
    trayIcon->setToolTip(tr("YavoIME") + QLatin1Char('\n') + statusText() + QLatin1Char('\n') + keyboard);
}

void YavoIMETrayIcon::showStatusBalloon()
{
    notifier->showMessage(trayIcon, QString(), statusText(), trayIcon->icon(), balloonMsecs);
}

void YavoIMETrayIcon::updateTrayIcon()
{
    trayIcon->setIcon(QIcon(indicEnabled ? trayIconOn : trayIconOff));
    updateStatus();
}

void YavoIMETrayIcon::activateLanguage(int lang)
{
    if (indicEnabled && language == lang)
        return;
    indicEnabled = true;
    language = lang;
    hooks->setIndicEnabled(true);
    hooks->setLanguage(lang);
    updateTrayIcon();
}

void YavoIMETrayIcon::applyActivation()
{
    indicEnabled = activateAction->isChecked();
    hooks->setIndicEnabled(indicEnabled);
    updateTrayIcon();
}

void YavoIMETrayIcon::onMessageReceived(const QString &)
{
    updateStatus();
}

void YavoIMETrayIcon::slotIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    // The tray itself shows the context menu on a right click; the
    // activation that follows must not hide it again.
    if (reason == QSystemTrayIcon::Context && trayIcon->contextMenu())
        return;
    if (menu->isVisible())
        menu->hide();
    else
        menu->popup(QCursor::pos());
}

void YavoIMETrayIcon::onLanguageChanged(QAction *action)
{
    const int index = languageGroup->actions().indexOf(action);
    if (index >= 0 && index < englishIndex)
        activateLanguage(index);
    else if (action == englishAction)
        applyActivation();
}

void YavoIMETrayIcon::onEnglishNumeralsActionToggled(bool b)
{
    englishNumerals = b;
    hooks->setEnglishNumerals(b);
    SharedSettings::setEnglishNumerals(b);
}

void YavoIMETrayIcon::onArkavattuActionToggled(bool b)
{
    hooks->setArkavattu(b);
    // The sample shows what the setting types for RA, virama and YA: with
    // it the repha below YA, without it a joiner that keeps RA's half form.
    const QString sample = b ? QStringLiteral("\u0CB0\u0CCD\u0CAF") : QStringLiteral("\u0CB0\u0CCD\u200D\u0CAF");
    arkavattuAction->setToolTip(sample);
    arkavattuAction->setText(tr("Arkavattu -%1 (%2)").arg(b ? tr("Yes") : tr("No"), sample));
}

void YavoIMETrayIcon::onEncodingActionToggled(QAction *action)
{
    encoding = action->data().toInt();
    hooks->setEncoding(encoding);
    if (encoding == YavoQtHooks::EncodingANSI) {
        // Nudi glyphs are typed with the KPRao and InScript layouts only.
        if (inscriptAction->isChecked()) {
            keyboard = int(ImeKeyboardLayout::InScript);
        } else {
            kpraoAction->setChecked(true);
            keyboard = int(ImeKeyboardLayout::KPRao);
        }
        hooks->setKeyboardLayout(keyboard);
    }
    updateStatus();
}

void YavoIMETrayIcon::onKeyboardLayoutChanged(QAction *action)
{
    const int index = layoutGroup->actions().indexOf(action);
    if (index < 0 || index == keyboard)
        return;
    keyboard = index;
    hooks->setKeyboardLayout(index);
    updateStatus();
}

void YavoIMETrayIcon::onConvertActionToggled()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    const QString text = clipboard->text();
    auto *box = new yvMessageBox(this);
    if (text.trimmed().isEmpty()) {
        box->setMessage(tr("ANSI ಯಿಂದ Unicode Convert ಮಾಡಲು ಈ ಕೆಳಕಂಡಂತೆ ಮಾಡಿ:") + QStringLiteral("\n\n")
                        + tr("1) ANSI ಪಠ್ಯ select ಮಾಡಿ, COPY ಮಾಡಿ (Ctrl+c ಒತ್ತಿ) ಕೊಳ್ಳಿ ") + QLatin1Char('\n')
                        + tr("2) ಈಗ YavoIME ನಲ್ಲಿ \"Convert\" ಮೆನುವನ್ನು ಒತ್ತಿ") + QLatin1Char('\n')
                        + tr("3) ನೀವು ಕಾಪಿಕೊಂಡ ಪಠ್ಯದ ಯೂನಿಕೋಡ್ ಪಠ್ಯ ಈಗ ಸಿದ್ದವಾಗುತ್ತೆ.") + QLatin1Char('\n')
                        + tr("4) ಈಗ ನಿಮಗೆ ಬೇಕಾದ ಕಡೆ ಪೇಸ್ಟ್(Ctrl+v) ಮಾಡಿ.") + QStringLiteral("\n\n"));
    } else {
        NudiToAnsi nudiToAnsi;
        AnsiToUnicode ansiToUnicode;
        clipboard->setText(ansiToUnicode.convertText(nudiToAnsi.convertText(text)));
        box->setMessage(tr("1) ಯೂನಿಕೋಡ್ ಪಠ್ಯ ಸಿದ್ದವಾಗಿದೆ") + QLatin1Char('\n')
                        + tr("2) ಈಗ ನಿಮಗೆ ಬೇಕಾದ ಕಡೆ ಪೇಸ್ಟ್(Ctrl+v) ಮಾಡಿ.") + QLatin1Char('\n'));
    }
    box->show();
}

void YavoIMETrayIcon::onToggleIMEIndicClicked()
{
    if (activateAction->isChecked()) {
        activateAction->setText(tr("Deactivate [CTRL-F11 or ScrollLock]"));
        languageGroup->actions().at(language)->setChecked(true);
        activateLanguage(language);
    } else {
        activateAction->setText(tr("Activate [CTRL-F11 or ScrollLock]"));
        applyActivation();
    }
    updateTrayIcon();
}

void YavoIMETrayIcon::slotAboutIME()
{
    (new AboutYavoIME(this))->show();
}

void YavoIMETrayIcon::onHelpClicked()
{
    (new YavoIMEHelp(this))->show();
}

void YavoIMETrayIcon::onQuickBytesClicked()
{
    createQuickBytesBar();
    quickBytesBar->show();
    quickBytesBar->raise();
}

void YavoIMETrayIcon::onToggleIndic()
{
    activateAction->setChecked(!activateAction->isChecked());
    onToggleIMEIndicClicked();
}

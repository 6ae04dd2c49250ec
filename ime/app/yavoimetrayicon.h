#ifndef YAVO_YAVOIMETRAYICON_H
#define YAVO_YAVOIMETRAYICON_H

#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>

#include <memory>

class EngineMenu;
class QAction;
class QActionGroup;
class QMenu;
class QTimer;
class TrayNotifier;
class YavoIMEMenu;
class YavoQtHooks;
class yvQuickBytesToolBar;

// The whole face of the input method: a widget that is never shown and
// owns the tray icon with its menu, the keyboard hook, the QuickBytes bar
// and the input settings. It reads the settings when it is made and writes
// them when it goes; every change shows the new state in a balloon, once,
// and the icon's tool tip always shows it. The desktop's input-method menu
// offers the same settings where no tray icon is shown.
class YavoIMETrayIcon : public QWidget
{
    Q_OBJECT

public:
    explicit YavoIMETrayIcon(QWidget *parent = nullptr);
    // The balloons go to the notifier (owned) instead of the tray icon.
    explicit YavoIMETrayIcon(std::unique_ptr<TrayNotifier> notifier, QWidget *parent = nullptr);
    ~YavoIMETrayIcon() override;

    bool eventFilter(QObject *watched, QEvent *event) override;

    YavoIMEMenu *contextMenu() const { return menu; }
    QSystemTrayIcon *systemTrayIcon() const { return trayIcon; }
    YavoQtHooks *keyboardHooks() const;
    yvQuickBytesToolBar *quickBytesToolBar() const;

    // How long a status balloon stays.
    static constexpr int balloonMsecs = 2500;

public Q_SLOTS:
    void onMessageReceived(const QString &msg);

protected:
    void closeEvent(QCloseEvent *event) override;

private Q_SLOTS:
    void slotIconActivated(QSystemTrayIcon::ActivationReason reason);
    void onLanguageChanged(QAction *action);
    void onEnglishNumeralsActionToggled(bool b);
    void onArkavattuActionToggled(bool b);
    void onEncodingActionToggled(QAction *action);
    void onKeyboardLayoutChanged(QAction *action);
    void onConvertActionToggled();
    void onToggleIMEIndicClicked();
    void slotAboutIME();
    void onHelpClicked();
    void onQuickBytesClicked();
    void onToggleIndic();

private:
    void createQuickBytesBar();
    void createLanguageMenus();
    void createTrayMenu();
    void createEngineMenu();
    void readSettings();
    void writeSettings();
    void updateStatus();
    QString statusText() const;
    void updateToolTip();
    void showStatusBalloon();
    void updateTrayIcon();
    void activateLanguage(int lang);
    void applyActivation();

    QSystemTrayIcon *trayIcon = nullptr;
    YavoIMEMenu *menu = nullptr;
    QAction *englishAction = nullptr;
    QMenu *languageMenu = nullptr;
    QMenu *layoutMenu = nullptr;
    QAction *englishNumeralsAction = nullptr;
    QAction *arkavattuAction = nullptr;
    QAction *ansiAction = nullptr;
    QAction *unicodeAction = nullptr;
    QAction *phoneticAction = nullptr;
    QAction *kpraoAction = nullptr;
    QAction *inscriptAction = nullptr;
    QAction *phonetic2Action = nullptr;
    QAction *activateAction = nullptr;
    QAction *quitAction = nullptr;
    QAction *convertAction = nullptr;
    QAction *quickBytesAction = nullptr;
    QAction *aboutAction = nullptr;
    QAction *helpAction = nullptr;
    int language = 0;
    bool indicEnabled = false;
    int keyboard = 0;
    bool englishNumerals = false;
    int encoding = 1;
    QPointer<YavoQtHooks> hooks;
    QActionGroup *languageGroup = nullptr;
    QActionGroup *layoutGroup = nullptr;
    QActionGroup *encodingGroup = nullptr;
    QPointer<yvQuickBytesToolBar> quickBytesBar;
    std::unique_ptr<TrayNotifier> notifier;
    EngineMenu *engineMenu = nullptr;
    QTimer *balloonTimer = nullptr;
};

#endif

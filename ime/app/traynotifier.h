#ifndef YAVO_TRAYNOTIFIER_H
#define YAVO_TRAYNOTIFIER_H

#include <QSystemTrayIcon>

class QIcon;
class QString;

// Where the tray widget's balloons go. The program shows them at its tray
// icon; a test puts another notifier in to read them, since a desktop
// without a tray shows none.
class TrayNotifier
{
public:
    virtual ~TrayNotifier();

    virtual void showMessage(QSystemTrayIcon *trayIcon, const QString &title, const QString &message,
                             const QIcon &icon, int msecs) = 0;
    virtual void showMessage(QSystemTrayIcon *trayIcon, const QString &title, const QString &message,
                             QSystemTrayIcon::MessageIcon icon, int msecs) = 0;
};

// Shows the balloons at the tray icon itself.
class SystemTrayNotifier : public TrayNotifier
{
public:
    void showMessage(QSystemTrayIcon *trayIcon, const QString &title, const QString &message,
                     const QIcon &icon, int msecs) override;
    void showMessage(QSystemTrayIcon *trayIcon, const QString &title, const QString &message,
                     QSystemTrayIcon::MessageIcon icon, int msecs) override;
};

#endif

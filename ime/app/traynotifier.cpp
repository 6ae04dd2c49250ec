#include "ime/app/traynotifier.h"

TrayNotifier::~TrayNotifier() = default;

void SystemTrayNotifier::showMessage(QSystemTrayIcon *trayIcon, const QString &title, const QString &message,
                                     const QIcon &icon, int msecs)
{
    trayIcon->showMessage(title, message, icon, msecs);
}

void SystemTrayNotifier::showMessage(QSystemTrayIcon *trayIcon, const QString &title, const QString &message,
                                     QSystemTrayIcon::MessageIcon icon, int msecs)
{
    trayIcon->showMessage(title, message, icon, msecs);
}

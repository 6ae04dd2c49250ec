#include "ime/app/yavoimeapplication.h"

#include "private/imeversion_p.h"
#include "ime/app/yavoimetrayicon.h"

YavoIMEApplication::YavoIMEApplication(int &argc, char **argv)
    : SingleApplication(QStringLiteral(YAVO_IME_MAKER_DOMAIN "-YavoIME"), argc, argv)
{
    setApplicationName(QStringLiteral("YavoIME"));
    setApplicationVersion(QStringLiteral(YAVO_IME_VERSION));
    setApplicationDisplayName(tr("YavoIME"));
    setOrganizationDomain(QStringLiteral(YAVO_IME_MAKER_DOMAIN));
    setOrganizationName(QStringLiteral("Yavo Software"));
    processEvents();
    connect(this, &QCoreApplication::aboutToQuit, this, [this] {
        if (trayIcon)
            trayIcon->deleteLater();
    });
}

YavoIMEApplication::~YavoIMEApplication()
{
    // The event loop is over: deleting now still writes the settings.
    delete trayIcon;
}

bool YavoIMEApplication::start()
{
    if (isRunning()) {
        sendMessage(messages.join(QLatin1Char('\n')), 5000);
        return false;
    }
    trayIcon = new YavoIMETrayIcon();
    setActivationWindow(trayIcon, true);
    connect(this, &SingleApplication::messageReceived, trayIcon.data(), &YavoIMETrayIcon::onMessageReceived);
    return true;
}

bool YavoIMEApplication::event(QEvent *event)
{
    if (event->type() == QEvent::ApplicationStateChange) {
        event->accept();
        return true;
    }
    return SingleApplication::event(event);
}

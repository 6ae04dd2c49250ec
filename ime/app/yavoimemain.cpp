#include "ime/app/yavoimemain.h"

#include "ime/app/singleapplication.h"
#include "ime/app/yavoimetrayicon.h"

#include "platform/keyboardbackend.h"

#include <QStyleFactory>

void prepareYavoIMEApplication(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setQuitOnLastWindowClosed(false);
}

int yavoIMEMain(int argc, char *argv[], std::unique_ptr<Platform::KeyboardBackend> (*chooseBackend)())
{
    SingleApplication app(argc, argv, true);
    prepareYavoIMEApplication(app);
    if (app.sendMessage(QStringLiteral("Wake up!"), 5000))
        return 0;

    const std::unique_ptr<Platform::KeyboardBackend> backend = chooseBackend();
    if (backend)
        Platform::KeyboardBackend::setCurrent(backend.get());

    YavoIMETrayIcon trayIcon;
    app.setActivationWindow(&trayIcon, true);
    QObject::connect(&app, &SingleApplication::messageReceived, &trayIcon, &YavoIMETrayIcon::onMessageReceived);
    return app.exec();
}

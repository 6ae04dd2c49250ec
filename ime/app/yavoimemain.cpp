#include "ime/app/yavoimemain.h"

#include "private/imeapplogging_p.h"
#include "ime/app/singleapplication.h"
#include "ime/app/yavoimetrayicon.h"

#include "platform/keyboardbackend.h"

#include <QStyleFactory>

using Platform::KeyboardBackend;

namespace {

const QString wakeUpMessage = QStringLiteral("Wake up!");
// From a copy the daemon started and that serves its engine, to a running
// copy that may serve no daemon at all.
const QString takeOverMessage = QStringLiteral("Wake up! A copy started by the IBus daemon serves its engine.");

constexpr int messageTimeout = 5000;

bool serves(const KeyboardBackend *backend)
{
    return backend && backend->availability() == KeyboardBackend::Availability::Available;
}

} // namespace

void prepareYavoIMEApplication(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    app.setQuitOnLastWindowClosed(false);
}

int yavoIMEMain(int argc, char *argv[], std::unique_ptr<KeyboardBackend> (*chooseBackend)(), bool startedByDaemon)
{
    SingleApplication app(argc, argv, true);
    prepareYavoIMEApplication(app);

    std::unique_ptr<KeyboardBackend> backend;
    if (startedByDaemon && app.isRunning()) {
        // The daemon starts a copy when nobody serves its engine: the
        // running copy does not, unless it took the engine meanwhile.
        backend = chooseBackend();
        if (!serves(backend.get())) {
            // The backend has said why in its warning.
            app.sendMessage(wakeUpMessage, messageTimeout);
            return 0;
        }
        app.sendMessage(takeOverMessage, messageTimeout);
        if (!app.waitToRun(messageTimeout))
            qCWarning(lcImeApp, "Another copy of YavoIME keeps running beside this one.");
    } else if (app.sendMessage(wakeUpMessage, messageTimeout)) {
        qCWarning(lcImeApp, "YavoIME is running already: that copy shows its state, and this one ends.");
        return 0;
    }
    if (!backend)
        backend = chooseBackend();
    if (backend)
        KeyboardBackend::setCurrent(backend.get());

    YavoIMETrayIcon trayIcon;
    app.setActivationWindow(&trayIcon, true);
    QObject::connect(&app, &SingleApplication::messageReceived, &trayIcon, [&](const QString &message) {
        if (message == takeOverMessage && !serves(KeyboardBackend::current())) {
            qCWarning(lcImeApp, "A copy of YavoIME started by the IBus daemon takes over: this copy ends.");
            app.quit();
            return;
        }
        trayIcon.onMessageReceived(message);
    });
    return app.exec();
}

#include "ime/app/imekeyboardbackend.h"

#include "private/imeapplogging_p.h"

#include "platform/ibus/ibuskeyboardbackend.h"

std::unique_ptr<Platform::KeyboardBackend> chooseKeyboardBackend()
{
    QString why;
    std::unique_ptr<Platform::KeyboardBackend> backend = Platform::IBusKeyboardBackend::connectToDaemon(&why);
    if (!backend)
        qCDebug(lcImeApp).noquote() << "No IBus keyboard:" << why;
    return backend;
}

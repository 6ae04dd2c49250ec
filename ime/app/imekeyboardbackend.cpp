#include "ime/app/imekeyboardbackend.h"

#include "private/imeapplogging_p.h"

#include "platform/ibus/ibuskeyboardbackend.h"

std::unique_ptr<Platform::KeyboardBackend> chooseKeyboardBackend()
{
    QString why;
    std::unique_ptr<Platform::KeyboardBackend> backend = Platform::IBusKeyboardBackend::create(&why);
    if (!backend)
        qCWarning(lcImeApp).noquote() << "No keyboard: YavoIME cannot reach IBus, as" << why
                                     << "- it runs but leaves typing alone.";
    return backend;
}

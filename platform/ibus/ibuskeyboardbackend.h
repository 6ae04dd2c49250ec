#ifndef YAVO_IBUSKEYBOARDBACKEND_H
#define YAVO_IBUSKEYBOARDBACKEND_H

#include "platform/keyboardbackend.h"

#include <QString>

#include <memory>

namespace Platform {

class IBusKeyboardBackendPrivate;

// The keyboard of a Linux desktop, reached as an IBus engine: the daemon
// hands the engine each key of the application that has the focus, the
// engine hands it to the installed hook, and the hook's answer decides
// whether the application gets the key. What the hook sends is carried out
// in the same application: characters are committed as text, Backspaces
// delete through the application's surrounding text where it offers it and
// are forwarded as keys where it does not, other keys are forwarded.
//
// The daemon's messages arrive through GLib's main context, which Qt's event
// loop runs on this platform; the backend refuses to start where it does not.
class IBusKeyboardBackend : public KeyboardBackend
{
public:
    // Connects to the IBus daemon of the session and offers the engine
    // there. Null when no daemon is reachable or the engine cannot be
    // offered; *error then says why.
    static std::unique_ptr<IBusKeyboardBackend> connectToDaemon(QString *error = nullptr);

    ~IBusKeyboardBackend() override;

    // Nothing can be typed: no application has the engine's focus, or a
    // deletion would reach beyond the text before the application's caret.
    static constexpr quint32 ErrorAccessDenied = 5;

    unsigned sendInput(const INPUT *inputs, unsigned count) override;
    quint32 lastError() const override;

private:
    IBusKeyboardBackend();

    std::unique_ptr<IBusKeyboardBackendPrivate> d;
    friend class IBusKeyboardBackendPrivate;
};

} // namespace Platform

#endif

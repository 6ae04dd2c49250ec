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
// whether the application gets the key.
//
// What the hook sends becomes the application's pre-edit text while the
// hook may still change it, and is committed once the hook's composition
// ends, so that nothing the application already holds is ever deleted by
// the engine. An application reaches text and keys by different roads
// (commits at once, keys through its own event queue), so while the hook
// converts keys, the printable keys it passes on are committed as text,
// and a key passed on after a commit follows that commit as a forwarded
// key. Deletions of text the application typed itself (a QuickBytes label
// typed with Indic input off) go out as Backspace keys, like the keys that
// typed it.
//
// The engine is offered when the object is made and the daemon runs,
// otherwise as soon as one starts, and again whenever the daemon comes
// back after going away. The daemon's messages arrive through GLib's main
// context, which Qt's event loop runs on this platform; the backend
// refuses to start where it does not.
class IBusKeyboardBackend : public KeyboardBackend
{
public:
    // Null only when the event loop cannot deliver the daemon's messages;
    // *error then says why.
    static std::unique_ptr<IBusKeyboardBackend> create(QString *error = nullptr);

    ~IBusKeyboardBackend() override;

    // Nothing can be typed: no application has the engine's focus.
    static constexpr quint32 ErrorAccessDenied = 5;

    unsigned sendInput(const INPUT *inputs, unsigned count) override;
    quint32 lastError() const override;
    Availability availability() const override;
    void endComposition() override;
    void setMenu(const QVector<InputMethodMenuEntry> &entries) override;

private:
    IBusKeyboardBackend();

    std::unique_ptr<IBusKeyboardBackendPrivate> d;
    friend class IBusKeyboardBackendPrivate;
};

} // namespace Platform

#endif

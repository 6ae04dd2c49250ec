#ifndef YAVO_FAKEKEYBOARDBACKEND_H
#define YAVO_FAKEKEYBOARDBACKEND_H

#include "platform/keyboardbackend.h"

#include <QVector>

// A keyboard a test drives by hand. It is the current backend while it
// lives (all keys up at first) and gives the place back to the null backend
// when it goes. It hands the keys a test delivers to the installed hook and
// keeps every record the hook sends and the menu the program offers the
// desktop.
class FakeKeyboardBackend : public Platform::KeyboardBackend
{
public:
    FakeKeyboardBackend();

    void setKeyState(int virtualKey, bool down, bool toggled = false);

    // Makes installHook fail with the given error code (0: succeed again).
    void setInstallError(quint32 error) { m_installError = error; }

    // At most this many records are carried out from now on, over all
    // later sends; a negative limit carries out everything.
    void setSendLimit(int records) { m_sendLimit = records; }

    // One key event as the hook sees it; true when the hook kept it from
    // the application.
    bool deliver(quintptr message, int virtualKey, quint32 scanCode = 0, quint32 flags = 0);
    bool keyDown(int virtualKey) { return deliver(Platform::WM_KEYDOWN, virtualKey); }
    bool keyUp(int virtualKey) { return deliver(Platform::WM_KEYUP, virtualKey, 0, Platform::LLKHF_UP); }
    // The keys go to another application or field from now on.
    void changeInputContext();

    // The records carried out since the last takeSent(), and the size of
    // each send asked for.
    QVector<Platform::INPUT> takeSent();
    const QVector<Platform::INPUT> &sent() const { return m_sent; }
    const QVector<unsigned> &sendSizes() const { return m_sendSizes; }

    // The desktop's input-method service comes and goes.
    void setAvailability(Availability availability);
    // The user chooses an entry of the desktop's menu.
    void activateMenuEntry(const QString &id, bool checked) { notifyMenuEntryActivated(id, checked); }
    const QVector<Platform::InputMethodMenuEntry> &menu() const { return m_menu; }

    bool installHook(Platform::KeyboardHook *hook) override;
    unsigned sendInput(const Platform::INPUT *inputs, unsigned count) override;
    quint32 lastError() const override { return m_lastError; }
    Availability availability() const override { return m_availability; }
    void setMenu(const QVector<Platform::InputMethodMenuEntry> &entries) override { m_menu = entries; }

private:
    QVector<Platform::INPUT> m_sent;
    QVector<unsigned> m_sendSizes;
    quint32 m_installError = 0;
    quint32 m_lastError = 0;
    int m_sendLimit = -1;
    Availability m_availability = Availability::Available;
    QVector<Platform::InputMethodMenuEntry> m_menu;
};

#endif

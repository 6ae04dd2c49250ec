#include "fakekeyboardbackend.h"

using namespace Platform;

FakeKeyboardBackend::FakeKeyboardBackend()
{
    setCurrent(this);
}

void FakeKeyboardBackend::setKeyState(int virtualKey, bool down, bool toggled)
{
    reportKeyState(virtualKey, down, toggled);
}

bool FakeKeyboardBackend::deliver(quintptr message, int virtualKey, quint32 scanCode, quint32 flags)
{
    KBDLLHOOKSTRUCT event;
    event.vkCode = quint32(virtualKey);
    event.scanCode = scanCode;
    event.flags = flags;
    return deliverKeyEvent(message, event);
}

void FakeKeyboardBackend::changeInputContext()
{
    if (KeyboardHook *hook = installedHook())
        hook->inputContextChanged();
}

QVector<INPUT> FakeKeyboardBackend::takeSent()
{
    QVector<INPUT> sent;
    sent.swap(m_sent);
    return sent;
}

bool FakeKeyboardBackend::installHook(KeyboardHook *hook)
{
    if (m_installError != 0) {
        m_lastError = m_installError;
        return false;
    }
    return KeyboardBackend::installHook(hook);
}

unsigned FakeKeyboardBackend::sendInput(const INPUT *inputs, unsigned count)
{
    m_sendSizes.append(count);
    unsigned done = count;
    if (m_sendLimit >= 0) {
        done = qMin(count, unsigned(m_sendLimit));
        m_sendLimit -= int(done);
    }
    for (unsigned i = 0; i < done; ++i)
        m_sent.append(inputs[i]);
    return done;
}

void FakeKeyboardBackend::setAvailability(Availability availability)
{
    m_availability = availability;
    notifyAvailabilityChanged();
}

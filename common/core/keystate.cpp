#include "core/keystate.h"

#include "platform/keystatetable.h"

using namespace Platform;

namespace {

bool isDown(int virtualKey)
{
    return GetKeyState(virtualKey) & KeyStateDown;
}

} // namespace

bool KeyState::isShiftDown() const
{
    return isDown(VK_SHIFT);
}

bool KeyState::isAltDown() const
{
    return isDown(VK_MENU);
}

bool KeyState::isCtrlDown() const
{
    return isDown(VK_CONTROL);
}

bool KeyState::isLeftWinDown() const
{
    return isDown(VK_LWIN);
}

bool KeyState::isRightWinDown() const
{
    return isDown(VK_RWIN);
}

bool KeyState::isScrollLockDown() const
{
    return isDown(VK_SCROLL);
}

bool KeyState::isCapsLockOn() const
{
    return GetKeyState(VK_CAPITAL) != 0;
}

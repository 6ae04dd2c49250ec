#include "platform/ibus/ibuskeymap.h"

#include "platform/virtualkeys.h"

#include <ibus.h>

namespace Platform {

namespace {

struct KeyEntry
{
    quint32 keysym;
    quint32 shiftedKeysym; // 0 when Shift gives the same keysym
    int virtualKey;
    quint32 keycode;       // 0 when the key is never forwarded
};

// The keys of the US layout the engine is registered with. Letters and
// digits are handled apart: their virtual keys are their upper-case ASCII.
constexpr KeyEntry keyTable[] = {
    {IBUS_KEY_semicolon, IBUS_KEY_colon, VK_OEM_1, 0},
    {IBUS_KEY_equal, IBUS_KEY_plus, VK_OEM_PLUS, 0},
    {IBUS_KEY_comma, IBUS_KEY_less, VK_OEM_COMMA, 0},
    {IBUS_KEY_minus, IBUS_KEY_underscore, VK_OEM_MINUS, 0},
    {IBUS_KEY_period, IBUS_KEY_greater, VK_OEM_PERIOD, 0},
    {IBUS_KEY_slash, IBUS_KEY_question, VK_OEM_2, 0},
    {IBUS_KEY_grave, IBUS_KEY_asciitilde, VK_OEM_3, 0},
    {IBUS_KEY_bracketleft, IBUS_KEY_braceleft, VK_OEM_4, 0},
    {IBUS_KEY_backslash, IBUS_KEY_bar, VK_OEM_5, 0},
    {IBUS_KEY_bracketright, IBUS_KEY_braceright, VK_OEM_6, 0},
    {IBUS_KEY_apostrophe, IBUS_KEY_quotedbl, VK_OEM_7, 0},
    {IBUS_KEY_0, IBUS_KEY_parenright, '0', 0},
    {IBUS_KEY_1, IBUS_KEY_exclam, '1', 0},
    {IBUS_KEY_2, IBUS_KEY_at, '2', 0},
    {IBUS_KEY_3, IBUS_KEY_numbersign, '3', 0},
    {IBUS_KEY_4, IBUS_KEY_dollar, '4', 0},
    {IBUS_KEY_5, IBUS_KEY_percent, '5', 0},
    {IBUS_KEY_6, IBUS_KEY_asciicircum, '6', 0},
    {IBUS_KEY_7, IBUS_KEY_ampersand, '7', 0},
    {IBUS_KEY_8, IBUS_KEY_asterisk, '8', 0},
    {IBUS_KEY_9, IBUS_KEY_parenleft, '9', 0},
    {IBUS_KEY_space, 0, VK_SPACE, 57},
    {IBUS_KEY_BackSpace, 0, VK_BACK, 14},
    {IBUS_KEY_Tab, IBUS_KEY_ISO_Left_Tab, VK_TAB, 15},
    {IBUS_KEY_Return, 0, VK_RETURN, 28},
    {IBUS_KEY_KP_Enter, 0, VK_RETURN, 0},
    {IBUS_KEY_Escape, 0, VK_ESCAPE, 1},
    {IBUS_KEY_Delete, 0, VK_DELETE, 111},
    {IBUS_KEY_Insert, 0, VK_INSERT, 110},
    {IBUS_KEY_Home, 0, VK_HOME, 102},
    {IBUS_KEY_End, 0, VK_END, 107},
    {IBUS_KEY_Page_Up, 0, VK_PRIOR, 104},
    {IBUS_KEY_Page_Down, 0, VK_NEXT, 109},
    {IBUS_KEY_Left, 0, VK_LEFT, 105},
    {IBUS_KEY_Up, 0, VK_UP, 103},
    {IBUS_KEY_Right, 0, VK_RIGHT, 106},
    {IBUS_KEY_Down, 0, VK_DOWN, 108},
    {IBUS_KEY_Shift_L, 0, VK_LSHIFT, 0},
    {IBUS_KEY_Shift_R, 0, VK_RSHIFT, 0},
    {IBUS_KEY_Control_L, 0, VK_LCONTROL, 0},
    {IBUS_KEY_Control_R, 0, VK_RCONTROL, 0},
    {IBUS_KEY_Alt_L, IBUS_KEY_Meta_L, VK_LMENU, 0},
    {IBUS_KEY_Alt_R, IBUS_KEY_Meta_R, VK_RMENU, 0},
    {IBUS_KEY_ISO_Level3_Shift, 0, VK_RMENU, 0},
    {IBUS_KEY_Super_L, 0, VK_LWIN, 0},
    {IBUS_KEY_Super_R, 0, VK_RWIN, 0},
    {IBUS_KEY_Menu, 0, VK_APPS, 0},
    {IBUS_KEY_Caps_Lock, 0, VK_CAPITAL, 0},
    {IBUS_KEY_Num_Lock, 0, VK_NUMLOCK, 0},
    {IBUS_KEY_Scroll_Lock, 0, VK_SCROLL, 0},
    {IBUS_KEY_Pause, 0, VK_PAUSE, 0},
    {IBUS_KEY_Print, 0, VK_SNAPSHOT, 0},
    {IBUS_KEY_KP_Multiply, 0, VK_MULTIPLY, 0},
    {IBUS_KEY_KP_Add, 0, VK_ADD, 0},
    {IBUS_KEY_KP_Subtract, 0, VK_SUBTRACT, 0},
    {IBUS_KEY_KP_Decimal, IBUS_KEY_KP_Delete, VK_DECIMAL, 0},
    {IBUS_KEY_KP_Divide, 0, VK_DIVIDE, 0},
};

} // namespace

int virtualKeyForKeysym(quint32 keysym)
{
    if (keysym >= IBUS_KEY_a && keysym <= IBUS_KEY_z)
        return int(keysym - IBUS_KEY_a) + 'A';
    if (keysym >= IBUS_KEY_A && keysym <= IBUS_KEY_Z)
        return int(keysym);
    if (keysym >= IBUS_KEY_KP_0 && keysym <= IBUS_KEY_KP_9)
        return int(keysym - IBUS_KEY_KP_0) + VK_NUMPAD0;
    if (keysym >= IBUS_KEY_F1 && keysym <= IBUS_KEY_F24)
        return int(keysym - IBUS_KEY_F1) + VK_F1;
    for (const KeyEntry &key : keyTable) {
        if (keysym == key.keysym || (key.shiftedKeysym != 0 && keysym == key.shiftedKeysym))
            return key.virtualKey;
    }
    return 0;
}

ForwardedKey forwardedKeyFor(int virtualKey)
{
    for (const KeyEntry &key : keyTable) {
        if (key.virtualKey == virtualKey && key.keycode != 0)
            return {key.keysym, key.keycode};
    }
    return {};
}

} // namespace Platform

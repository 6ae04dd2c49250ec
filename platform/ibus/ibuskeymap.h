#ifndef YAVO_IBUSKEYMAP_H
#define YAVO_IBUSKEYMAP_H

#include <QtGlobal>

namespace Platform {

// The virtual key of the US-keyboard key that gives the keysym, with or
// without Shift (both "a" and "A" are the A key, both "1" and "!" the 1 key);
// 0 for a keysym of no key the hook knows.
int virtualKeyForKeysym(quint32 keysym);

// A key as the input method's daemon forwards it to an application.
struct ForwardedKey
{
    quint32 keysym = 0;
    quint32 keycode = 0; // the kernel's code of the key (X keycode - 8)
};

// The key to forward for a virtual key the hook sends; a zero keysym for a
// virtual key with no keysym.
ForwardedKey forwardedKeyFor(int virtualKey);

} // namespace Platform

#endif

#ifndef YAVO_COMPLETERKEYS_P_H
#define YAVO_COMPLETERKEYS_P_H

#include <Qt>

// The keys with which a visible completion popup chooses an entry or goes
// away: an editor under the popup leaves them to it.
inline bool isCompleterPopupKey(int key)
{
    switch (key) {
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

#endif

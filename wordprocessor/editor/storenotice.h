#ifndef YAVO_STORENOTICE_H
#define YAVO_STORENOTICE_H

#include <QString>

class QWidget;

// Tells the user what went wrong with one of their stores (the search
// history, the user dictionary) without stopping the program: the box waits
// beside the window while the user goes on without the store, and goes with
// that window, so it never holds the program open at exit.
class StoreNotice
{
public:
    // Nothing is shown without a window to show it beside; the store has
    // logged the problem already.
    static void show(QWidget *owner, const QString &text);
};

#endif

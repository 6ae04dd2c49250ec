#ifndef YAVO_IMEDEBUG_H
#define YAVO_IMEDEBUG_H

#include <QStringList>
#include <QtGlobal>

// Debugging aids of the input method; the program installs and calls
// neither.

// A message handler that also appends each message to "log.txt" in the
// current folder.
void debugLogHandler(QtMsgType type, const char *message);

// One debug line per character of every string: the string, its index, the
// character and its code; an empty line after each string.
void dumpStringList(const QStringList &list);

#endif

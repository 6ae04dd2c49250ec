#ifndef YAVO_LOGMESSAGEHANDLER_H
#define YAVO_LOGMESSAGEHANDLER_H

#include <QString>
#include <QtGlobal>

class QUrl;

// The log file of the tutor, "yavo_typing_tutor.log" in the current folder.
extern const QUrl logFileUrl;

// A message handler that appends warnings and critical messages to the log
// file, drops debug and info messages and aborts on fatal ones. The tutor
// does not install it; a developer may, with qInstallMessageHandler.
void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message);

#endif

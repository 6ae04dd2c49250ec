#include "tutor/logmessagehandler.h"

#include "private/tutorlogging_p.h"

#include <QDateTime>
#include <QFile>
#include <QTextStream>
#include <QThread>
#include <QUrl>

#include <cstdlib>

const QUrl logFileUrl = QUrl::fromLocalFile(QStringLiteral("yavo_typing_tutor.log"));

namespace {

QString levelWord(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return QStringLiteral("Debug");
    case QtInfoMsg:
        return QStringLiteral("Info");
    case QtWarningMsg:
        return QStringLiteral("Warning");
    case QtCriticalMsg:
        return QStringLiteral("Critical");
    case QtFatalMsg:
        return QStringLiteral("Fatal");
    }
    return QString();
}

} // namespace

void logMessageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtFatalMsg)
        std::abort();
    if (type == QtDebugMsg || type == QtInfoMsg)
        return;

    const QString line = QStringLiteral("[%1] <%2> %3 (%4) | %5:%6 (%7) '%8'")
        .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy.MM.dd hh:mm:ss.zzz")),
             QString::number(reinterpret_cast<quintptr>(QThread::currentThreadId())),
             levelWord(type),
             QString::fromUtf8(context.category),
             QString::fromUtf8(context.file),
             QString::number(context.line),
             QString::fromUtf8(context.function),
             message);

    QFile file(logFileUrl.toLocalFile());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) {
        // Only warnings and critical messages get here, so this debug line
        // does not come back to the file.
        qCDebug(lcTutor) << file.errorString();
        return;
    }
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out << line << '\n';
}

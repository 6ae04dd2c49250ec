#include "ime/app/imedebug.h"

#include "private/imeapplogging_p.h"

#include <QFile>
#include <QTextStream>

#include <cstdio>

void debugLogHandler(QtMsgType type, const char *message)
{
    std::fprintf(stderr, "%s\n", message);
    std::fflush(stderr);
    QFile file(QStringLiteral("log.txt"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
        return;
    QTextStream out(&file);
    out.setCodec("UTF-8");
    out.setGenerateByteOrderMark(true);
    const char *prefix = nullptr;
    int number = 0;
    switch (type) {
    case QtDebugMsg:
        prefix = "Yavo-IME : Debug: ";
        number = 42;
        break;
    case QtWarningMsg:
        prefix = "Yavo-IME : Warning: ";
        number = 46;
        break;
    case QtCriticalMsg:
        prefix = " Yavo-IME : Critical: ";
        number = 50;
        break;
    case QtFatalMsg:
        prefix = " Yavo-IME : Fatal:  ";
        number = 54;
        break;
    case QtInfoMsg:
        prefix = " Yavo-IME : Info:  ";
        number = 58;
        break;
    }
    if (!prefix)
        return;
    out << '\n' << prefix << number << ' ' << QString::fromUtf8(message);
}

void dumpStringList(const QStringList &list)
{
    for (const QString &string : list) {
        for (int i = 0; i < string.size(); ++i)
            qCDebug(lcImeApp) << string << ":" << i << string.at(i) << string.at(i).unicode();
        qCDebug(lcImeApp) << "";
    }
}

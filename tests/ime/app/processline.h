#ifndef YAVO_PROCESSLINE_H
#define YAVO_PROCESSLINE_H

#include <QElapsedTimer>
#include <QProcess>
#include <QString>

// The next line a program writes on its standard output, without its line
// end; an empty string when none comes within timeoutMsecs or the program
// ends first.
inline QString readProcessLine(QProcess &process, int timeoutMsecs)
{
    QElapsedTimer timer;
    timer.start();
    while (!process.canReadLine()) {
        if (process.state() == QProcess::NotRunning || timer.elapsed() > timeoutMsecs)
            return QString();
        process.waitForReadyRead(100);
    }
    return QString::fromUtf8(process.readLine()).trimmed();
}

#endif

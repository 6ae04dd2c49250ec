#include "app/programstarter.h"

#include <QProcess>

ProgramStarter::~ProgramStarter() = default;

bool ProgramStarter::startDetached(const QString &program, const QStringList &arguments)
{
    return QProcess::startDetached(program, arguments);
}

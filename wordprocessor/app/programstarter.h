#ifndef YAVO_PROGRAMSTARTER_H
#define YAVO_PROGRAMSTARTER_H

#include <QString>
#include <QStringList>

// Starts another program of the suite on its own, so that the word processor
// keeps running beside it. Tests put a recorder in its place.
class ProgramStarter
{
public:
    virtual ~ProgramStarter();

    // False when the program could not be started.
    virtual bool startDetached(const QString &program, const QStringList &arguments);
};

#endif

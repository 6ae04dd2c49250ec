#ifndef YAVO_TESTPLUGINS_H
#define YAVO_TESTPLUGINS_H

#include <QCoreApplication>
#include <QString>

// Lets Qt find the suite's own plug-ins (the "QSQLCIPHER" SQL driver) in the
// build tree, the way the programs add the "libs" folder beside them. Call it
// once the application object exists.
inline void addTestPluginPath()
{
    QCoreApplication::addLibraryPath(QStringLiteral(YAVO_PLUGIN_DIR));
}

#endif

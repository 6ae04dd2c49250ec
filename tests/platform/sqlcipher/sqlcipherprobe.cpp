// Saves and loads a search history in a folder given on the command line and
// prints what came back. The driver test runs it with and without plain
// SQLite forced into the process, which a test program cannot undo in itself.
#include "editor/history.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3)
        return 2;
    QCoreApplication::addLibraryPath(arguments.at(1));
    if (!QDir::setCurrent(arguments.at(2)))
        return 3;
    History().save(QStringLiteral("Find"), QStringLiteral("secret words"));
    QTextStream(stdout) << History().load(QStringLiteral("Find"));
    return 0;
}

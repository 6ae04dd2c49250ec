#include "core/userdatafolder.h"

#include <QCoreApplication>

#include <cstdio>

// Takes the old user files of the folder given as its argument into the data
// folder, as the word processor does when it starts, and prints the copies it
// made, one a line: the tests start several at once.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    for (const QString &copy : UserDataFolder::adoptOldFiles(QString::fromLocal8Bit(argv[1])))
        std::printf("%s\n", qPrintable(copy));
    return 0;
}

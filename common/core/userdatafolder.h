#ifndef YAVO_USERDATAFOLDER_H
#define YAVO_USERDATAFOLDER_H

#include <QString>
#include <QStringList>

// Where the word processor keeps the files that are the user's own: the
// search history, the user dictionary and the user word file. They live in
// the user's data folder, so the same words and history are there whatever
// folder the program is started from, and the word processor and the user
// dictionary editor find them at the same paths.
class UserDataFolder
{
public:
    // The folder, which the file paths below make on first use.
    static QString path();

    static QString historyFile();
    static QString userDictionaryFile();
    static QString userWordFile();

    // Earlier versions kept these files relative to the folder the program
    // was started from ("dat/history.dat", "dat/usrdic.dat", "usr.dct").
    // Each one found in startFolder that the data folder does not hold yet
    // is copied over, whole or not at all; the originals stay where they
    // are, and no file of the data folder is replaced. Programs started
    // together take turns. Gives the paths of the copies made.
    static QStringList adoptOldFiles(const QString &startFolder);
};

#endif

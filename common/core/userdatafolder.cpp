#include "core/userdatafolder.h"

#include "core/sharedsettings.h"
#include "private/corelogging_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

struct UserFile
{
    const char *oldPath;   // relative to the folder the program started in
    const char *name;      // in the data folder
};

constexpr char historyName[] = "history.dat";
constexpr char userDictionaryName[] = "usrdic.dat";
constexpr char userWordName[] = "usr.dct";

constexpr UserFile userFiles[] = {
    {"dat/history.dat", historyName},
    {"dat/usrdic.dat", userDictionaryName},
    {"usr.dct", userWordName},
};

// SQLite's journal of an unfinished transaction belongs to its database: a
// copy without it may be damaged.
constexpr const char *companionSuffixes[] = {"-journal", "-wal"};

QString filePath(const char *name)
{
    const QString folder = UserDataFolder::path();
    QDir().mkpath(folder);
    return QDir(folder).filePath(QLatin1String(name));
}

bool copyFile(const QString &from, const QString &to)
{
    if (QFile::copy(from, to))
        return true;
    qCWarning(lcCore).noquote() << "could not copy" << from << "to" << to;
    QFile::remove(to);
    return false;
}

} // namespace

QString UserDataFolder::path()
{
    // What AppDataLocation names for the suite's settings scope. The word
    // processor's application name carries its version, which must not move
    // the user's words at every release.
    return QStringLiteral("%1/%2/%3").arg(
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            settingsOrganization, settingsApplication);
}

QString UserDataFolder::historyFile()
{
    return filePath(historyName);
}

QString UserDataFolder::userDictionaryFile()
{
    return filePath(userDictionaryName);
}

QString UserDataFolder::userWordFile()
{
    return filePath(userWordName);
}

QStringList UserDataFolder::adoptOldFiles(const QString &startFolder)
{
    const QDir folder(path());
    for (const UserFile &file : userFiles) {
        if (QFileInfo::exists(folder.filePath(QLatin1String(file.name))))
            return QStringList();
    }
    const QDir start(startFolder);
    QStringList copied;
    for (const UserFile &file : userFiles) {
        const QString old = start.filePath(QLatin1String(file.oldPath));
        if (!QFileInfo(old).isFile() || !QDir().mkpath(folder.path()))
            continue;
        const QString copy = folder.filePath(QLatin1String(file.name));
        if (!copyFile(old, copy))
            continue;
        for (const char *suffix : companionSuffixes) {
            const QString companion = old + QLatin1String(suffix);
            if (QFileInfo(companion).isFile())
                copyFile(companion, copy + QLatin1String(suffix));
        }
        qCInfo(lcCore).noquote() << "copied" << old << "to" << copy;
        copied.append(copy);
    }
    return copied;
}

#include "core/userdatafolder.h"

#include "core/sharedsettings.h"
#include "private/corelogging_p.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <algorithm>
#include <iterator>

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

constexpr qint64 copyChunkSize = 1 << 20;
// Taken while old files are copied in: two copies of the program started
// together must not both copy the same file.
constexpr char adoptionLockName[] = ".adoption.lock";
constexpr int adoptionWaitMs = 120000;

QString filePath(const char *name)
{
    const QString folder = UserDataFolder::path();
    QDir().mkpath(folder);
    return QDir(folder).filePath(QLatin1String(name));
}

// Copies the file's bytes to a temporary name beside `to` and puts it in
// place only where no file stands there yet. Nothing but the temporary copy
// is ever removed: the name may have been taken meanwhile by a store or by
// another copy of the program, and that file is the user's.
bool copyInto(const QString &from, const QString &to)
{
    QFile source(from);
    const QFileInfo target(to);
    QTemporaryFile copy(target.dir().filePath(QLatin1Char('.') + target.fileName() + QLatin1String(".XXXXXX")));
    bool ok = source.open(QIODevice::ReadOnly) && copy.open();
    QByteArray chunk;
    while (ok && !source.atEnd()) {
        chunk = source.read(copyChunkSize);
        ok = !chunk.isEmpty() && copy.write(chunk) == chunk.size();
    }
    ok = ok && copy.flush();
    if (!ok) {
        qCWarning(lcCore).noquote() << "could not copy" << from << "to" << to << ":"
                                    << (source.error() != QFileDevice::NoError ? source.errorString()
                                                                               : copy.errorString());
        return false;
    }
    // Renamed while open, the temporary file's own rename is used, which
    // never replaces a file that is there (QFile's would fall back on
    // writing over it); when it fails, the temporary copy goes with `copy`.
    if (!copy.rename(to)) {
        qCWarning(lcCore).noquote() << "did not put" << from << "in place at" << to << ":" << copy.errorString();
        return false;
    }
    copy.setAutoRemove(false);
    return true;
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
    const QDir start(startFolder);
    const QDir folder(path());
    const auto wanted = [&](const UserFile &file) {
        return QFileInfo(start.filePath(QLatin1String(file.oldPath))).isFile()
            && !QFileInfo::exists(folder.filePath(QLatin1String(file.name)));
    };
    if (std::none_of(std::begin(userFiles), std::end(userFiles), wanted) || !QDir().mkpath(folder.path()))
        return QStringList();

    QLockFile lock(folder.filePath(QLatin1String(adoptionLockName)));
    // A large file takes a while to copy: only a lock whose holder is gone
    // is stale, and a holder that is still copying is waited for, though not
    // for ever.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(adoptionWaitMs)) {
        qCWarning(lcCore).noquote() << "could not lock" << folder.path() << "to copy old files in";
        return QStringList();
    }
    // Decided per file under the lock: what another copy of the program put
    // in place meanwhile stays, and what an interrupted start left out comes
    // now.
    QStringList copied;
    for (const UserFile &file : userFiles) {
        if (!wanted(file))
            continue;
        const QString old = start.filePath(QLatin1String(file.oldPath));
        const QString copy = folder.filePath(QLatin1String(file.name));
        // The journal goes first: a database seen without it may be read as
        // damaged.
        QStringList companionCopies;
        for (const char *suffix : companionSuffixes) {
            const QString companion = old + QLatin1String(suffix);
            const QString companionCopy = copy + QLatin1String(suffix);
            if (QFileInfo(companion).isFile() && !QFileInfo::exists(companionCopy)
                && copyInto(companion, companionCopy))
                companionCopies << companionCopy;
        }
        if (!copyInto(old, copy)) {
            // Left alone, a journal made here would be played back into the
            // database a store makes in its place.
            for (const QString &companionCopy : qAsConst(companionCopies))
                QFile::remove(companionCopy);
            continue;
        }
        qCInfo(lcCore).noquote() << "copied" << old << "to" << copy;
        copied.append(copy);
    }
    return copied;
}

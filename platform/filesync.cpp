#include "platform/filesync.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDevice>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace Platform {

namespace {

bool hasReason(const QIODevice &device)
{
    return device.errorString() != QCoreApplication::translate("QIODevice", "Unknown error");
}

// The reason the system gives for refusing more bytes in the file: its size
// limit, a full or read-only file system, or a folder the user may not
// write into; empty when it shows none.
QString systemRefusal(const QFileDevice &file)
{
    rlimit sizeLimit;
    if (::getrlimit(RLIMIT_FSIZE, &sizeLimit) == 0 && sizeLimit.rlim_cur != RLIM_INFINITY
        && file.size() >= qint64(sizeLimit.rlim_cur))
        return qt_error_string(EFBIG);
    const QByteArray folder = QFile::encodeName(QFileInfo(file.fileName()).absolutePath());
    struct statvfs fileSystem;
    if (::statvfs(folder.constData(), &fileSystem) == 0) {
        if (fileSystem.f_flag & ST_RDONLY)
            return qt_error_string(EROFS);
        // The blocks kept back for the administrator are free to root only.
        if ((::geteuid() == 0 ? fileSystem.f_bfree : fileSystem.f_bavail) == 0)
            return qt_error_string(ENOSPC);
    }
    if (::access(folder.constData(), W_OK) != 0)
        return qt_error_string(errno);
    return QString();
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

bool flushFileBuffers(QFileDevice &file, QString *error)
{
    if (!file.isOpen()) {
        setError(error, qt_error_string(EBADF));
        return false;
    }
    // After a write that stored only part of the buffer, writing the rest
    // either succeeds or fails with the reason the first one did not give.
    if (!file.flush() && !file.flush()) {
        setError(error, writeErrorText(&file));
        return false;
    }
    const int fd = file.handle();
    if (fd < 0) {
        setError(error, qt_error_string(EBADF));
        return false;
    }
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        setError(error, qt_error_string(errno));
        return false;
    }
    return true;
}

bool commitSaveFile(QSaveFile &file, QString *error)
{
    // Qt's commit ignores a failure to write out its buffer, and would put a
    // cut-off file in place of the old one.
    if (file.isOpen() && !file.flush() && !file.flush()) {
        setError(error, writeErrorText(&file));
        file.cancelWriting();
        return false;
    }
    if (file.commit())
        return true;
    setError(error, writeErrorText(&file));
    return false;
}

QString writeErrorText(QIODevice *device)
{
    auto *file = qobject_cast<QFileDevice *>(device);
    if (!file || hasReason(*file))
        return device->errorString();
    if (file->isOpen() && !file->flush() && hasReason(*file))
        return file->errorString();
    const QString refusal = systemRefusal(*file);
    return refusal.isEmpty() ? file->errorString() : refusal;
}

void ignoreFileSizeLimitSignal()
{
    struct sigaction ignore = {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    ::sigaction(SIGXFSZ, &ignore, nullptr);
}

} // namespace Platform

#ifndef YAVO_FILESYNC_H
#define YAVO_FILESYNC_H

class QFileDevice;
class QIODevice;
class QSaveFile;
class QString;

namespace Platform {

// Stand-in for FlushFileBuffers: pushes Qt's buffer and then the kernel's
// cache of an open file to the disk, so a saved document survives a crash
// or power loss right after the save. False when either step fails or the
// device has no file handle; *error then names the cause (no space left,
// no permission, a read-only file system) as the system gave it.
bool flushFileBuffers(QFileDevice &file, QString *error = nullptr);

// Puts a saved file in place of the old one, but only when all of it could
// be written. False when that fails, with the cause in *error as for
// flushFileBuffers; the old file is then left as it was.
bool commitSaveFile(QSaveFile &file, QString *error = nullptr);

// Why a write to the device failed, as the system names it. Qt keeps no
// reason when a write stored only part of the bytes (and then reports
// "Unknown error" for every later write); writing the rest again, or the
// state of the file's folder, names it.
QString writeErrorText(QIODevice *device);

// A write past the user's file-size limit (ulimit -f) then fails with
// EFBIG, which a save reports as "File too large", instead of ending the
// program (SIGXFSZ) with every unsaved edit. Each program calls it first
// thing in main.
void ignoreFileSizeLimitSignal();

} // namespace Platform

#endif

#ifndef YAVO_FILESYNC_H
#define YAVO_FILESYNC_H

class QFileDevice;

namespace Platform {

// Stand-in for FlushFileBuffers: pushes Qt's buffer and then the kernel's
// cache of an open file to the disk, so a saved document survives a crash
// or power loss right after the save. False when either step fails or the
// device has no file handle.
bool flushFileBuffers(QFileDevice &file);

} // namespace Platform

#endif

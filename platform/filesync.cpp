#include "platform/filesync.h"

#include <QFileDevice>

#include <cerrno>
#include <unistd.h>

namespace Platform {

bool flushFileBuffers(QFileDevice &file)
{
    if (!file.isOpen() || !file.flush())
        return false;
    const int fd = file.handle();
    if (fd < 0)
        return false;
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

} // namespace Platform

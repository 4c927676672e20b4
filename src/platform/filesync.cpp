#include "filesync.h"

#include <QFile>
#include <QFileDevice>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

bool FileSync::contents(QFileDevice& file) {
    const int fd = file.handle();
    if (fd < 0)
        return false;
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

bool FileSync::folder(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return false;
    int result = 0;
    do {
        result = ::fsync(fd);
    } while (result != 0 && errno == EINTR);
    // Some file systems cannot sync a folder at all; their renames need no sync.
    const bool synced = result == 0 || errno == EINVAL;
    ::close(fd);
    return synced;
}

#else

// The save's own commit flushes the file; a folder needs no sync on these systems.
bool FileSync::contents(QFileDevice& file) {
    return file.flush();
}

bool FileSync::folder(const QString&) {
    return true;
}

#endif

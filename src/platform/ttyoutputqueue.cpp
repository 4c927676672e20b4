#include "ttyoutputqueue.h"

#if defined(Q_OS_UNIX)
#include <sys/ioctl.h>
#include <termios.h>
#endif

qint64 ttyOutputQueue(qintptr handle) {
#if defined(Q_OS_UNIX) && defined(TIOCOUTQ)
    if (handle < 0)
        return 0;
    int queued = 0;
    if (::ioctl(static_cast<int>(handle), TIOCOUTQ, &queued) != 0 || queued < 0)
        return 0;
    return queued;
#else
    Q_UNUSED(handle);
    return 0;
#endif
}

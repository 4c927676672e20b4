#pragma once

#include <QtGlobal>

// Bytes the kernel still holds in the output queue of the terminal device behind the
// handle, so a caller sees the real lag of a slow line. 0 on failure and where the
// system offers no such count.
qint64 ttyOutputQueue(qintptr handle);

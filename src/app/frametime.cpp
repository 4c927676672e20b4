#include "app/frametime.h"

#include <QtGlobal>

#include <algorithm>
#include <limits>

namespace FrameTime {

namespace {

int saturated(qint64 value) {
    return static_cast<int>(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                               std::numeric_limits<int>::max()));
}

} // namespace

FrameLimits frameLimitsFor(int lineCount, int columnCount) {
    // 11 bits per character at 19200 baud, STX and ETX included.
    const qint64 characters = qint64(lineCount) * columnCount + 2;
    FrameLimits limits;
    limits.frameTime = saturated(2 * ((characters * 11000) / 19200));
    if (limits.frameTime >= 1000) {
        limits.hideFlowTab = true;
        limits.changeTimeMinimum = roundHalfEven(limits.frameTime, 1000);
    } else if (limits.frameTime >= 96) {
        limits.flowStepMinimum = roundHalfEven(limits.frameTime, 100);
    }
    return limits;
}

int roundHalfEven(int numerator, int denominator) {
    if (denominator == 0) {
        return 0;
    }
    qint64 n = numerator;
    qint64 d = denominator;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    qint64 quotient = n / d;
    qint64 remainder = n % d;
    if (remainder < 0) { // floor division
        --quotient;
        remainder += d;
    }
    if (2 * remainder > d || (2 * remainder == d && quotient % 2 != 0)) {
        ++quotient;
    }
    return saturated(quotient);
}

int outputBufferSizeFor(int lineCount, int columnCount) {
    const qint64 characters = std::max<qint64>(0, qint64(lineCount) * columnCount);
    const qint64 size = 2 * characters + 20;
    return size <= 62999 ? static_cast<int>(size) : 0;
}

} // namespace FrameTime

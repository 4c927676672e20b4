#include "playbacktime.h"

#include <limits>

namespace {

int toInterval(qint64 ms) {
    if (ms < 0)
        return 0;
    return ms > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max() : int(ms);
}

} // namespace

namespace PlaybackTime {

int fromSeconds(qint64 seconds, int speedFactor) {
    return toInterval(seconds * speedFactor);
}

int fromTenths(qint64 tenths, int speedFactor) {
    return toInterval(tenths * 100 * speedFactor / 1000);
}

} // namespace PlaybackTime

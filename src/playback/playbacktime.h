#pragma once

#include <QtGlobal>

// Times of the sequence turned into timer intervals with the overall speed factor (1000 is
// nominal, 1500 makes every time half as long again, 500 halves it). Results beyond what a
// timer can hold are held at the largest interval; negative times give 0 (a stopped timer).
namespace PlaybackTime {

// seconds x factor milliseconds.
int fromSeconds(qint64 seconds, int speedFactor);
// (tenths x 100 x factor) div 1000 milliseconds, the remainder dropped.
int fromTenths(qint64 tenths, int speedFactor);

} // namespace PlaybackTime

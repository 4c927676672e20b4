#pragma once

#include <QByteArray>

// The Dauer cell: "V" (preset) or "M" (minimum) followed by seconds, as in V45 or M12.
struct DurationCell {
    bool preset = false;
    int seconds = 0;

    QByteArray write() const;
    // Any first letter other than "V" reads as minimum. Seconds that do not convert throw
    // ConversionError.
    static DurationCell read(const QByteArray& cell);
    // The mode alone, which every cell gives, also one whose seconds do not convert.
    static bool readsPreset(const QByteArray& cell) { return cell.startsWith('V'); }
};

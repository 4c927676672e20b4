#pragma once

#include "sequence/sequencetable.h"

#include <algorithm>
#include <chrono>
#include <vector>

// The timing benchmarks' schedule: one flowing text whose first frame is due 100 ms after
// the start and every further one a step later.

// The value below which the share p (0 to 1) of the sorted values lies.
inline double percentile(const std::vector<double>& sorted, double p) {
    return sorted[std::min(sorted.size() - 1, size_t(p * double(sorted.size() - 1) + 0.5))];
}

// How late each of the first frameCount events came against the schedule, in milliseconds,
// sorted.
inline std::vector<double>
latenesses(const std::vector<std::chrono::steady_clock::time_point>& times,
           std::chrono::steady_clock::time_point start, int frameCount, int stepMs) {
    std::vector<double> lateness;
    for (size_t k = 0; k < size_t(frameCount) && k < times.size(); ++k) {
        const auto due = start + std::chrono::milliseconds(100 + int(k) * stepMs);
        lateness.push_back(std::chrono::duration<double, std::milli>(times[k] - due).count());
    }
    std::sort(lateness.begin(), lateness.end());
    return lateness;
}

// Entry 1, a flowing text of textLength letters A to Z on line 1 that steps every 0.1 s
// (scaled by the speed), with fixed texts on the other lines.
inline SequenceTable::Cells flowingTextEntry(int textLength) {
    SequenceTable::Cells cells;
    cells[SequenceTable::NumberColumn] = "1";
    cells[SequenceTable::ActiveColumn] = "JA";
    cells[SequenceTable::KindColumn] = "F";
    QByteArray text;
    for (int i = 0; i < textLength; ++i)
        text += char('A' + i % 26);
    cells[SequenceTable::TextColumn] = '"' + text + '"';
    cells[SequenceTable::ParameterColumn] = "1,2,Oben,Unten";
    cells[SequenceTable::DurationColumn] = "M1";
    return cells;
}

#pragma once

#include "sequence/textkind.h"

#include <QtGlobal>

// The shortest time, in whole seconds, in which an entry's text can run through the display.
struct MinimumDurationInput {
    TextKind kind = TextKind::Block;
    // Editor lines of a block or scroll text; characters of a flowing text (line breaks
    // counted as they stand in the field).
    int amount = 0;
    // Page change time, line change time (seconds) or flow step (tenths of a second).
    int parameter = 0;
    int lineCount = 1;
    int columnCount = 1;
};

// Block: whole pages of lineCount lines times the page change time. Scroll: the lines plus
// one screenful, times the line change time. Flowing: the characters plus one line width,
// times the step, in tenths cut towards zero. Wide enough that no text overflows it.
qint64 minimumDuration(const MinimumDurationInput& input);

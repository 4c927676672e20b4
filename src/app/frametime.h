#pragma once

// The limits that follow from the display's size: how long one screen frame takes on the line,
// and which editor minimums that forces.
namespace FrameTime {

struct FrameLimits {
    int frameTime = 0;         // ms: twice the transmission time of one frame at 19200 baud
    int flowStepMinimum = 0;   // 0: unchanged; else the lower limit of Fliesstakt (0.1 s)
    int changeTimeMinimum = 0; // 0: unchanged; else the lower limit of the change times (s)
    bool hideFlowTab = false;  // a frame takes a second or more: flowing texts cannot run
};

FrameLimits frameLimitsFor(int lineCount, int columnCount);
// numerator / denominator rounded to the nearest integer, halves to the even neighbour.
// A denominator of 0 gives 0.
int roundHalfEven(int numerator, int denominator);
// The serial output buffer for two frames and some slack: 2 * lines * columns + 20 bytes, or 0
// when that is above 62999 (the display is too large; the port keeps its 63000 bytes).
int outputBufferSizeFor(int lineCount, int columnCount);

} // namespace FrameTime

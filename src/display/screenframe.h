#pragma once

#include <QByteArray>

class DisplayImage;

// The screen frame on the serial line: STX, lineCount lines of exactly columnCount
// characters, ETX; lineCount * columnCount + 2 bytes, no checksum, no reply.
namespace ScreenFrame {

constexpr char Stx = 0x02;
constexpr char Etx = 0x03;

// Each line is the first columnCount characters of its slot, padded with spaces; bytes below
// 0x20 go out as spaces, all others (0x80..0xFF included) unchanged. Negative sizes count as 0.
QByteArray build(const DisplayImage& image, int lineCount, int columnCount);

} // namespace ScreenFrame

// Same as ScreenFrame::build.
QByteArray buildScreenFrame(const DisplayImage& image, int lineCount, int columnCount);

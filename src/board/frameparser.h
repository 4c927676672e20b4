#pragma once

#include <QByteArray>
#include <QList>

#include <optional>

// Reads a screen frame back into its lines: the inverse of ScreenFrame::build.
namespace FrameParser {

// The lineCount lines of exactly columnCount bytes, or nothing when the bytes are not one
// whole frame: STX, lineCount * columnCount bytes from 0x20 up, ETX.
std::optional<QList<QByteArray>> parse(const QByteArray& frame, int lineCount, int columnCount);

} // namespace FrameParser

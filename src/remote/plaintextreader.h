#pragma once

#include "osccodec.h"

#include <QByteArray>

#include <optional>

// The plain-text port's datagrams: one command as text, for consoles that can only send
// strings ("/lumentafel/goto 120"). The address, then its arguments, apart by spaces or tabs;
// a line end at the end is ignored. Every argument is a string: the address table reads
// numbers from strings too.
namespace PlainTextReader {

inline constexpr int MaximumDatagram = 1024;
inline constexpr int MaximumArguments = 8;

// Nothing for an empty, overlong or binary datagram.
std::optional<OscMessage> read(const QByteArray& datagram);

} // namespace PlainTextReader

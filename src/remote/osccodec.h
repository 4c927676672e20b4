#pragma once

#include <QByteArray>
#include <QList>

// One argument of an OSC message, reduced to what the remote's addresses read.
struct OscArgument {
    enum class Type { Int, Float, String, Other };
    Type type = Type::Other;
    qint64 integer = 0;
    double real = 0;
    QByteArray text;
    // The OSC type tag it came with.
    char tag = 0;
};

struct OscMessage {
    QByteArray address;
    QList<OscArgument> arguments;
};

// Reads and writes OSC packets through liblo's codec. Bundles are opened and their messages
// taken in order, at once: the remote has nothing to schedule.
namespace OscCodec {

// Messages a packet holds past this count are dropped.
inline constexpr int MaximumMessagesPerPacket = 32;
// Bundles inside bundles deeper than this are dropped.
inline constexpr int MaximumBundleDepth = 4;

// The messages of one packet; a malformed packet, or a malformed element of a bundle,
// gives nothing for that part.
QList<OscMessage> decode(const QByteArray& packet);
// A message of string arguments.
QByteArray encode(const QByteArray& address, const QList<QByteArray>& strings);

} // namespace OscCodec

#pragma once

#include <QByteArray>
#include <QList>

// Cuts the byte stream of one OSC connection into packets. A stream whose first byte is the
// SLIP END byte is read as SLIP (RFC 1055: END at both ends of each packet, OSC 1.1); any
// other stream as OSC 1.0's packets each led by its size as a 32-bit big-endian integer.
// What it keeps between reads never exceeds MaximumPacket bytes.
class OscStreamFramer {
public:
    static constexpr int MaximumPacket = 64 * 1024;
    static constexpr char End = char(0xC0);
    static constexpr char Escape = char(0xDB);
    static constexpr char EscapedEnd = char(0xDC);
    static constexpr char EscapedEscape = char(0xDD);

    enum class Framing { Undecided, Slip, LengthPrefix };

    // The packets completed by these bytes. A SLIP packet longer than the maximum is dropped
    // up to its END; a size prefix beyond the maximum leaves the stream broken.
    QList<QByteArray> feed(const QByteArray& bytes);

    Framing framing() const { return m_framing; }
    // The stream can no longer be read: the connection should close.
    bool isBroken() const { return m_broken; }
    // Packets dropped for their length or a bad escape.
    int droppedPackets() const { return m_dropped; }
    // The bytes held for an incomplete packet.
    int pendingBytes() const { return m_packet.size(); }

    // A packet in this stream's framing (SLIP until the stream says otherwise).
    QByteArray frame(const QByteArray& packet) const;
    static QByteArray slipEncode(const QByteArray& packet);

private:
    void feedSlip(char byte, QList<QByteArray>& packets);
    void feedLengthPrefixed(const char* bytes, int size, QList<QByteArray>& packets);

    Framing m_framing = Framing::Undecided;
    QByteArray m_packet;
    bool m_escaped = false;
    bool m_discarding = false;
    bool m_broken = false;
    int m_dropped = 0;
    QByteArray m_sizeBytes;
    int m_expected = -1;
};

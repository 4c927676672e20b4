#include "oscstreamframer.h"

QList<QByteArray> OscStreamFramer::feed(const QByteArray& bytes) {
    QList<QByteArray> packets;
    if (m_broken || bytes.isEmpty())
        return packets;
    if (m_framing == Framing::Undecided)
        m_framing = bytes.front() == End ? Framing::Slip : Framing::LengthPrefix;
    if (m_framing == Framing::Slip) {
        for (const char byte : bytes)
            feedSlip(byte, packets);
    } else {
        feedLengthPrefixed(bytes.constData(), int(bytes.size()), packets);
    }
    return packets;
}

void OscStreamFramer::feedSlip(char byte, QList<QByteArray>& packets) {
    if (byte == End) {
        if (!m_packet.isEmpty() && !m_discarding)
            packets.append(m_packet);
        m_packet.clear();
        m_escaped = false;
        m_discarding = false;
        return;
    }
    if (m_discarding)
        return;
    if (m_escaped) {
        m_escaped = false;
        if (byte == EscapedEnd) {
            byte = End;
        } else if (byte == EscapedEscape) {
            byte = Escape;
        } else {
            // Not a SLIP escape: the packet is corrupt.
            m_packet.clear();
            m_discarding = true;
            ++m_dropped;
            return;
        }
    } else if (byte == Escape) {
        m_escaped = true;
        return;
    }
    if (m_packet.size() >= MaximumPacket) {
        m_packet.clear();
        m_discarding = true;
        ++m_dropped;
        return;
    }
    m_packet.append(byte);
}

void OscStreamFramer::feedLengthPrefixed(const char* bytes, int size, QList<QByteArray>& packets) {
    int offset = 0;
    while (offset < size && !m_broken) {
        if (m_expected < 0) {
            const int take = qMin(4 - int(m_sizeBytes.size()), size - offset);
            m_sizeBytes.append(bytes + offset, take);
            offset += take;
            if (m_sizeBytes.size() < 4)
                return;
            const auto* b = reinterpret_cast<const unsigned char*>(m_sizeBytes.constData());
            const quint32 length =
                quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]);
            m_sizeBytes.clear();
            if (length > quint32(MaximumPacket)) {
                // The rest of the stream cannot be cut into packets any more.
                m_broken = true;
                ++m_dropped;
                m_packet.clear();
                return;
            }
            m_expected = int(length);
        }
        const int take = qMin(m_expected - int(m_packet.size()), size - offset);
        m_packet.append(bytes + offset, take);
        offset += take;
        if (m_packet.size() == m_expected) {
            if (!m_packet.isEmpty())
                packets.append(m_packet);
            m_packet.clear();
            m_expected = -1;
        }
    }
}

QByteArray OscStreamFramer::frame(const QByteArray& packet) const {
    if (m_framing != Framing::LengthPrefix)
        return slipEncode(packet);
    const auto length = quint32(packet.size());
    QByteArray framed;
    framed.reserve(packet.size() + 4);
    framed.append(char(length >> 24)).append(char(length >> 16));
    framed.append(char(length >> 8)).append(char(length));
    return framed + packet;
}

QByteArray OscStreamFramer::slipEncode(const QByteArray& packet) {
    QByteArray framed;
    framed.reserve(packet.size() + 8);
    framed.append(End);
    for (const char byte : packet) {
        if (byte == End)
            framed.append(Escape).append(EscapedEnd);
        else if (byte == Escape)
            framed.append(Escape).append(EscapedEscape);
        else
            framed.append(byte);
    }
    framed.append(End);
    return framed;
}

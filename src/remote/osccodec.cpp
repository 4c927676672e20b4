#include "osccodec.h"

#include <lo/lo.h>
#include <lo/lo_lowlevel.h>

#include <cstdlib>
#include <cstring>

namespace {

const char BundleTag[] = "#bundle";

// liblo's argument pointers are only 4-byte aligned within its copy of the packet, while its
// lo_arg union asks for 8: the values are copied out byte-wise instead of read through it.
template <typename T> T valueAt(const lo_arg* value) {
    T result;
    std::memcpy(&result, reinterpret_cast<const char*>(value), sizeof result);
    return result;
}

OscArgument argumentFrom(char tag, const lo_arg* value) {
    OscArgument argument;
    argument.tag = tag;
    switch (tag) {
    case LO_INT32:
        argument.type = OscArgument::Type::Int;
        argument.integer = valueAt<qint32>(value);
        break;
    case LO_INT64:
        argument.type = OscArgument::Type::Int;
        argument.integer = valueAt<qint64>(value);
        break;
    case LO_TRUE:
    case LO_FALSE:
        argument.type = OscArgument::Type::Int;
        argument.integer = tag == LO_TRUE ? 1 : 0;
        break;
    case LO_FLOAT:
        argument.type = OscArgument::Type::Float;
        argument.real = valueAt<float>(value);
        break;
    case LO_DOUBLE:
        argument.type = OscArgument::Type::Float;
        argument.real = valueAt<double>(value);
        break;
    case LO_STRING:
    case LO_SYMBOL:
        argument.type = OscArgument::Type::String;
        argument.text = QByteArray(reinterpret_cast<const char*>(value));
        break;
    default:
        break;
    }
    return argument;
}

void decodeMessage(const QByteArray& packet, QList<OscMessage>& messages) {
    int result = 0;
    // liblo copies the bytes and checks every length against the packet before it reads.
    lo_message message =
        lo_message_deserialise(const_cast<char*>(packet.constData()), packet.size(), &result);
    if (!message)
        return;
    OscMessage decoded;
    // The path is the packet's first string, checked by the deserialiser.
    decoded.address =
        QByteArray(packet.constData(), int(qstrnlen(packet.constData(), packet.size())));
    const int count = lo_message_get_argc(message);
    const char* types = lo_message_get_types(message);
    lo_arg** values = lo_message_get_argv(message);
    for (int i = 0; i < count; ++i)
        decoded.arguments.append(argumentFrom(types[i], values[i]));
    lo_message_free(message);
    messages.append(decoded);
}

quint32 readBigEndian(const char* bytes) {
    const auto* b = reinterpret_cast<const unsigned char*>(bytes);
    return quint32(b[0]) << 24 | quint32(b[1]) << 16 | quint32(b[2]) << 8 | quint32(b[3]);
}

void decodeInto(const QByteArray& packet, int depth, QList<OscMessage>& messages) {
    if (messages.size() >= OscCodec::MaximumMessagesPerPacket)
        return;
    if (!packet.startsWith(QByteArray(BundleTag, sizeof BundleTag))) {
        decodeMessage(packet, messages);
        return;
    }
    if (depth >= OscCodec::MaximumBundleDepth)
        return;
    // "#bundle\0", an 8-byte time tag, then elements each led by its size.
    int offset = 16;
    while (offset + 4 <= packet.size() && messages.size() < OscCodec::MaximumMessagesPerPacket) {
        const quint32 size = readBigEndian(packet.constData() + offset);
        offset += 4;
        if (size == 0 || size % 4 != 0 || size > quint32(packet.size() - offset))
            return;
        decodeInto(packet.mid(offset, int(size)), depth + 1, messages);
        offset += int(size);
    }
}

} // namespace

namespace OscCodec {

QList<OscMessage> decode(const QByteArray& packet) {
    QList<OscMessage> messages;
    decodeInto(packet, 0, messages);
    return messages;
}

QByteArray encode(const QByteArray& address, const QList<QByteArray>& strings) {
    lo_message message = lo_message_new();
    for (const QByteArray& text : strings)
        lo_message_add_string(message, text.constData());
    size_t size = 0;
    void* bytes = lo_message_serialise(message, address.constData(), nullptr, &size);
    QByteArray packet;
    if (bytes)
        packet = QByteArray(static_cast<const char*>(bytes), int(size));
    std::free(bytes);
    lo_message_free(message);
    return packet;
}

} // namespace OscCodec

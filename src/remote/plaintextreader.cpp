#include "plaintextreader.h"

namespace PlainTextReader {

std::optional<OscMessage> read(const QByteArray& datagram) {
    if (datagram.size() > MaximumDatagram)
        return std::nullopt;
    for (const char c : datagram)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\r' && c != '\n') ||
            c == 0x7F)
            return std::nullopt;
    const QList<QByteArray> words = datagram.simplified().split(' ');
    if (words.front().isEmpty() || !words.front().startsWith('/') ||
        words.size() > MaximumArguments + 1)
        return std::nullopt;
    OscMessage message;
    message.address = words.front();
    for (int i = 1; i < words.size(); ++i) {
        OscArgument argument;
        argument.type = OscArgument::Type::String;
        argument.tag = 's';
        argument.text = words.at(i);
        message.arguments.append(argument);
    }
    return message;
}

} // namespace PlainTextReader

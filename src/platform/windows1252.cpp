#include "windows1252.h"

#include <QHash>
#include <QStringDecoder>

#include <array>

namespace Windows1252 {
namespace {

// Each byte's character, decoded once by Qt's own converter.
const std::array<QChar, 256>& decodingTable() {
    static const std::array<QChar, 256> table = [] {
        std::array<QChar, 256> t{};
        QStringDecoder decoder("windows-1252");
        for (int b = 0; b < 256; ++b) {
            const QString s = decoder.decode(QByteArray(1, static_cast<char>(b)));
            t[size_t(b)] = s.size() == 1 ? s.at(0) : QChar(QChar::ReplacementCharacter);
        }
        return t;
    }();
    return table;
}

// The decoding table turned round. Bytes the code page leaves unassigned decode to the
// replacement character and are not encodable.
const QHash<char16_t, char>& encodingTable() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int b = 0; b < 256; ++b) {
            const QChar c = decodingTable()[size_t(b)];
            if (c != QChar::ReplacementCharacter)
                t.insert(c.unicode(), static_cast<char>(b));
        }
        return t;
    }();
    return table;
}

// Each byte's upper-case byte, where the code page holds the upper-case letter.
const std::array<char, 256>& upperTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const QString upper = QString(decodingTable()[size_t(b)]).toUpper();
            t[size_t(b)] = static_cast<char>(b);
            if (upper.size() == 1)
                t[size_t(b)] = encodingTable().value(upper.at(0).unicode(), t[size_t(b)]);
        }
        return t;
    }();
    return table;
}

} // namespace

QString toUnicode(const QByteArray& bytes) {
    const auto& table = decodingTable();
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* to = out.data();
    for (const char b : bytes)
        *to++ = table[static_cast<unsigned char>(b)];
    return out;
}

bool equalIgnoringCase(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    const auto& upper = upperTable();
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (upper[static_cast<unsigned char>(a[i])] != upper[static_cast<unsigned char>(b[i])])
            return false;
    }
    return true;
}

QByteArray fromUnicode(const QString& text, char replacement) {
    const auto& table = encodingTable();
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
            out += replacement;
            continue;
        }
        out += table.value(c.unicode(), replacement);
    }
    return out;
}

QStringList unencodable(const QString& text) {
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            out += text.mid(i, 2);
            ++i;
        } else if (!canEncode(c)) {
            out += QString(c);
        }
    }
    return out;
}

bool canEncode(QChar c) {
    return encodingTable().contains(c.unicode());
}

} // namespace Windows1252

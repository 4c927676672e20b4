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

// Each byte's upper-case byte, where the code page holds the upper-case letter.
const std::array<char, 256>& upperTable() {
    static const std::array<char, 256> table = [] {
        std::array<char, 256> t{};
        for (int b = 0; b < 256; ++b) {
            const QString upper = QString(decodingTable()[size_t(b)]).toUpper();
            t[size_t(b)] = static_cast<char>(b);
            if (upper.size() == 1 && canEncode(upper.at(0)))
                t[size_t(b)] = fromUnicode(upper).at(0);
        }
        return t;
    }();
    return table;
}

// The code page's characters, decoded once by Qt's own converter. Bytes the code page
// leaves unassigned decode to the replacement character and are not encodable.
const QHash<char16_t, char>& encodingTable() {
    static const QHash<char16_t, char> table = [] {
        QHash<char16_t, char> t;
        for (int b = 0; b < 256; ++b) {
            const QString s = toUnicode(QByteArray(1, static_cast<char>(b)));
            if (s.size() == 1 && s.at(0) != QChar::ReplacementCharacter)
                t.insert(s.at(0).unicode(), static_cast<char>(b));
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

QByteArray fromUnicode(const QString& text) {
    const auto& table = encodingTable();
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text)
        out += table.value(c.unicode(), '?');
    return out;
}

bool canEncode(QChar c) {
    return encodingTable().contains(c.unicode());
}

} // namespace Windows1252

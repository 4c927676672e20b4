#include "windows1252.h"

#include <QHash>
#include <QStringDecoder>

namespace Windows1252 {
namespace {

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
    QStringDecoder decoder("windows-1252");
    return decoder.decode(bytes);
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

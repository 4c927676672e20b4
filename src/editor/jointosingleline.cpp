#include "jointosingleline.h"

QByteArray joinToSingleLine(const QByteArray& text) {
    QByteArray out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text.at(i));
        const bool innerBreak = c == '\n' && i > 0 && text.at(i - 1) == '\r' && i + 1 < text.size();
        if (innerBreak)
            out += ' ';
        else if (c >= 32)
            out += static_cast<char>(c);
    }
    return out;
}

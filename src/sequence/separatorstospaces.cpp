#include "separatorstospaces.h"

#include <algorithm>

namespace {

bool isSeparator(char c) {
    return c == '\t' || c == '\r' || c == '\n' || c == '\0';
}

} // namespace

QByteArray separatorsToSpaces(const QByteArray& text) {
    // Almost every cell is clean: hand it back shared instead of copying it.
    if (std::none_of(text.cbegin(), text.cend(), isSeparator))
        return text;
    QByteArray out = text;
    std::replace_if(out.begin(), out.end(), isSeparator, ' ');
    return out;
}

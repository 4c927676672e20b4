#include "checkdisplaycharacters.h"

namespace {

bool displayable(unsigned char c) {
    if (c >= 32 && c <= 126)
        return true;
    switch (c) {
    case 13:  // carriage return
    case 128: // euro sign
    case 196: // Ä
    case 214: // Ö
    case 220: // Ü
    case 223: // ß
    case 228: // ä
    case 246: // ö
    case 252: // ü
        return true;
    default:
        return false;
    }
}

unsigned char upper(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return static_cast<unsigned char>(c - 'a' + 'A');
    switch (c) {
    case 228:
        return 196;
    case 246:
        return 214;
    case 252:
        return 220;
    default:
        return c;
    }
}

} // namespace

CheckedText checkDisplayCharacters(const QByteArray& text, bool lowerCaseAllowed) {
    CheckedText result;
    result.text.reserve(text.size());
    for (const char byte : text) {
        auto c = static_cast<unsigned char>(byte);
        if (!displayable(c)) {
            result.replaced += byte;
            c = '#';
        }
        if (!lowerCaseAllowed)
            c = upper(c);
        result.text += static_cast<char>(c);
    }
    return result;
}

#include "checkdisplaycharacters.h"

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

char displayUpperCase(char byte) {
    const auto c = static_cast<unsigned char>(byte);
    if (c >= 'a' && c <= 'z')
        return static_cast<char>(c - 'a' + 'A');
    switch (c) {
    case 228:
        return static_cast<char>(196);
    case 246:
        return static_cast<char>(214);
    case 252:
        return static_cast<char>(220);
    default:
        return byte;
    }
}

CheckedText checkDisplayCharacters(const QByteArray& text, bool lowerCaseAllowed) {
    CheckedText result;
    result.text.reserve(text.size());
    for (const char byte : text) {
        auto c = static_cast<unsigned char>(byte);
        if (!displayable(c)) {
            result.replaced += byte;
            c = '#';
        }
        result.text +=
            lowerCaseAllowed ? static_cast<char>(c) : displayUpperCase(static_cast<char>(c));
    }
    return result;
}

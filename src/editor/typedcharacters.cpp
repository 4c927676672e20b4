#include "typedcharacters.h"

#include "checkdisplaycharacters.h"

namespace TypedCharacters {

bool accepted(unsigned char code) {
    if (code == 13 || (code >= 32 && code <= 34) || (code >= 36 && code <= 90) ||
        (code >= 97 && code <= 122))
        return true;
    switch (code) {
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

Filtered filter(const QByteArray& typed, bool lowerCaseAllowed) {
    Filtered result;
    for (const char c : typed) {
        if (!accepted(static_cast<unsigned char>(c)))
            ++result.rejected;
        else
            result.text += lowerCaseAllowed ? c : displayUpperCase(c);
    }
    return result;
}

} // namespace TypedCharacters

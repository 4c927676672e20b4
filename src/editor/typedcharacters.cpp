#include "typedcharacters.h"

#include "checkdisplaycharacters.h"

namespace TypedCharacters {

bool accepted(unsigned char code) {
    // What the display shows, less what the keyboard may not type: the number sign, the
    // brackets, backslash, circumflex, underscore, grave accent, braces, bar and tilde.
    if (code == '#' || (code >= '[' && code <= '`') || (code >= '{' && code <= '~'))
        return false;
    return displayable(code);
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

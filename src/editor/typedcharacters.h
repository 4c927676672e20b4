#pragma once

#include <QByteArray>

// What typing may put into the text editors: letters, digits, the common punctuation, the
// euro sign and the German umlauts and sharp s. The number sign, brackets, backslash,
// circumflex, underscore, grave accent, braces, bar, tilde and every other accented letter
// are refused. Editing keys (Backspace, Delete, the arrows, shortcuts) never come here.
namespace TypedCharacters {

bool accepted(unsigned char code);

struct Filtered {
    QByteArray text; // the accepted characters, upper-cased unless lower case is allowed
    int rejected = 0;
};

// Typed Windows-1252 text, character by character.
Filtered filter(const QByteArray& typed, bool lowerCaseAllowed);

} // namespace TypedCharacters

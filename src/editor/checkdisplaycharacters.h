#pragma once

#include <QByteArray>

// A text made displayable, and the characters that had to be replaced for it.
struct CheckedText {
    QByteArray text;
    // The replaced characters in the order they occurred, repeats included; empty when the
    // text was displayable as it stood.
    QByteArray replaced;
};

// Walks the Windows-1252 text byte by byte and keeps its length: a character the display
// cannot show (anything outside 32..126 except carriage return, the euro sign and the
// German umlauts and sharp s) becomes "#". Unless lower case is allowed, a..z and the
// umlauts are forced to upper case; the sharp s has no capital on the display and stays.
CheckedText checkDisplayCharacters(const QByteArray& text, bool lowerCaseAllowed);

// Whether the display shows this Windows-1252 byte: printable ASCII, the carriage return, the
// euro sign and the German umlauts and sharp s.
bool displayable(unsigned char c);

// The display's capital of a Windows-1252 character: a..z and the umlauts; the sharp s has
// none and stays, as does every other character.
char displayUpperCase(char c);

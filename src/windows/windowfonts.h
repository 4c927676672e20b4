#pragma once

#include <QFont>
#include <QString>

// The fonts of the help and about windows. "Arial" is a metric twin of Liberation Sans,
// which the font configuration gives for that name; the heavy title and the bold key list
// ask for the desktop's sans-serif family at the weight they need, since no installed
// family stands in for their names.
namespace WindowFonts {

inline QFont arial(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

inline QFont sans(int pixels, QFont::Weight weight) {
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setWeight(weight);
    return font;
}

} // namespace WindowFonts

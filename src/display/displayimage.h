#pragma once

#include <QByteArray>

#include <array>

// What the display should show: one text slot per display line, slot i being line i + 1
// counted from the top. Slots may be shorter or longer than the display is wide; the screen
// frame fits them. Only the first LineCount slots ever reach the display.
class DisplayImage {
public:
    static constexpr int SlotCount = 501;

    // Empty for an index outside 0..SlotCount - 1.
    const QByteArray& line(int index) const;
    // Ignored for an index outside 0..SlotCount - 1.
    void setLine(int index, const QByteArray& text);
    // All slots empty.
    void clear();
    // Slots 0..count - 1 empty, the rest kept: Stop blanks the visible lines this way.
    void clearFirst(int count);

private:
    static bool isValid(int index) { return index >= 0 && index < SlotCount; }

    std::array<QByteArray, SlotCount> m_lines;
};

#include "displayimage.h"

#include <algorithm>

const QByteArray& DisplayImage::line(int index) const {
    static const QByteArray empty;
    return isValid(index) ? m_lines[static_cast<size_t>(index)] : empty;
}

void DisplayImage::setLine(int index, const QByteArray& text) {
    if (isValid(index))
        m_lines[static_cast<size_t>(index)] = text;
}

void DisplayImage::clear() {
    clearFirst(SlotCount);
}

void DisplayImage::clearFirst(int count) {
    const int end = std::clamp(count, 0, SlotCount);
    for (int i = 0; i < end; ++i)
        m_lines[static_cast<size_t>(i)].clear();
}

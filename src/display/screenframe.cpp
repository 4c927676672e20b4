#include "screenframe.h"

#include "displayimage.h"

#include <algorithm>

namespace ScreenFrame {

// Equivalent to cutToWidth(appendCopies(slot, " ", columnCount), columnCount) per line with
// control bytes blanked, but written straight into one buffer: the frame is rebuilt on every
// image change and a large display has tens of thousands of characters.
QByteArray build(const DisplayImage& image, int lineCount, int columnCount) {
    const qsizetype lines = std::max(lineCount, 0);
    const qsizetype columns = std::max(columnCount, 0);
    QByteArray frame(lines * columns + 2, ' ');
    char* out = frame.data();
    *out++ = Stx;
    for (qsizetype k = 0; k < lines; ++k) {
        const QByteArray& slot = image.line(static_cast<int>(k));
        const qsizetype used = std::min(slot.size(), columns);
        const char* in = slot.constData();
        for (qsizetype i = 0; i < used; ++i) {
            const auto byte = static_cast<unsigned char>(in[i]);
            out[i] = byte < 0x20 ? ' ' : static_cast<char>(byte);
        }
        out += columns;
    }
    *out = Etx;
    return frame;
}

} // namespace ScreenFrame

QByteArray buildScreenFrame(const DisplayImage& image, int lineCount, int columnCount) {
    return ScreenFrame::build(image, lineCount, columnCount);
}

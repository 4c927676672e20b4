#include "texthelpers.h"

namespace TextHelpers {

QByteArray CutToWidth(const QByteArray& text, int n) {
    if (n < 1 || text.size() < n)
        return {};
    return text.left(n);
}

QByteArray PadLeftTo(const QByteArray& text, const QByteArray& fill, int n) {
    if (text.size() >= n)
        return CutToWidth(text, n);
    if (fill.isEmpty())
        return text;
    const qsizetype copies = (n - text.size()) / fill.size();
    return PrependCopies(text, fill, static_cast<int>(copies));
}

QByteArray PrependCopies(const QByteArray& text, const QByteArray& fill, int k) {
    if (k <= 0 || fill.isEmpty())
        return text;
    QByteArray result;
    result.reserve(fill.size() * k + text.size());
    for (int i = 0; i < k; ++i)
        result += fill;
    result += text;
    return result;
}

QByteArray AppendCopies(const QByteArray& text, const QByteArray& fill, int k) {
    if (k <= 0 || fill.isEmpty())
        return text;
    QByteArray result;
    result.reserve(text.size() + fill.size() * k);
    result += text;
    for (int i = 0; i < k; ++i)
        result += fill;
    return result;
}

} // namespace TextHelpers

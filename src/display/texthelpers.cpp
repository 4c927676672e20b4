#include "texthelpers.h"

namespace TextHelpers {

QByteArray cutToWidth(const QByteArray& text, int n) {
    if (n < 1 || text.size() < n)
        return {};
    return text.left(n);
}

QByteArray padLeftTo(const QByteArray& text, const QByteArray& fill, int n) {
    if (text.size() >= n)
        return cutToWidth(text, n);
    if (fill.isEmpty())
        return text;
    const qsizetype copies = (n - text.size()) / fill.size();
    return prependCopies(text, fill, static_cast<int>(copies));
}

QByteArray prependCopies(const QByteArray& text, const QByteArray& fill, int k) {
    if (k <= 0 || fill.isEmpty())
        return text;
    QByteArray result;
    result.reserve(fill.size() * k + text.size());
    for (int i = 0; i < k; ++i)
        result += fill;
    result += text;
    return result;
}

QByteArray appendCopies(const QByteArray& text, const QByteArray& fill, int k) {
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

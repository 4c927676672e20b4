#include "textkind.h"

namespace TextKindCode {

TextKind read(const QByteArray& cell) {
    if (cell == "BLOCK" || cell == "B")
        return TextKind::Block;
    if (cell == "SCROLL" || cell == "S")
        return TextKind::Scroll;
    if (cell == "FLIESS" || cell == "F")
        return TextKind::Flow;
    return TextKind::None;
}

QByteArray write(TextKind kind) {
    switch (kind) {
    case TextKind::Block:
        return QByteArrayLiteral("BLOCK");
    case TextKind::Scroll:
        return QByteArrayLiteral("SCROLL");
    case TextKind::Flow:
        return QByteArrayLiteral("FLIESS");
    case TextKind::None:
        break;
    }
    return QByteArray();
}

} // namespace TextKindCode

#pragma once

#include <QByteArray>

// The three kinds of text and their codes in the B/S/F cell.
enum class TextKind { None, Block, Scroll, Flow };

namespace TextKindCode {

// "BLOCK"/"B", "SCROLL"/"S", "FLIESS"/"F", exact and case-sensitive; anything else is None.
TextKind read(const QByteArray& cell);
// The long forms the system writes; empty for None.
QByteArray write(TextKind kind);

} // namespace TextKindCode

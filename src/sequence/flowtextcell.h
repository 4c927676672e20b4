#pragma once

#include <QByteArray>

// The text cell of a flowing text: one line between double quotes, inner quotes unchanged.
namespace FlowTextCell {

QByteArray write(const QByteArray& text);
// The characters between the first and the last character; empty for a cell shorter than 2.
QByteArray read(const QByteArray& cell);

} // namespace FlowTextCell

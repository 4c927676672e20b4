#include "flowtextcell.h"

namespace FlowTextCell {

QByteArray write(const QByteArray& text) {
    return '"' + text + '"';
}

QByteArray read(const QByteArray& cell) {
    if (cell.size() < 2)
        return QByteArray();
    return cell.mid(1, cell.size() - 2);
}

} // namespace FlowTextCell

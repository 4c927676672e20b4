#include "app/windowplacement.h"

#include <QtGlobal>

namespace WindowPlacement {

int keepReachable(int position, int screenExtent) {
    return qint64(position) > qint64(screenExtent) - 50 ? 20 : position;
}

} // namespace WindowPlacement

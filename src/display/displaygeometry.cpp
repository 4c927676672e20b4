#include "displaygeometry.h"

#include <algorithm>

DisplayGeometry DisplayGeometry::fromSettings(int lines, int columns) {
    DisplayGeometry geometry;
    geometry.lineCount = std::clamp(lines, 1, MaxLines);
    geometry.columnCount = std::clamp(columns, 1, MaxFrameCharacters / geometry.lineCount);
    geometry.adjusted = geometry.lineCount != lines || geometry.columnCount != columns;
    return geometry;
}

#include "markerdelegate.h"

#include "sequencetable.h"

#include <QPainter>

QColor MarkerDelegate::colourOf(int marker, const QPalette& palette) {
    switch (static_cast<SequenceTable::Marker>(marker)) {
    case SequenceTable::Marker::Initial:
        return QColor(192, 192, 192);
    case SequenceTable::Marker::Marked:
        return QColor(255, 255, 0);
    case SequenceTable::Marker::Playing:
        return QColor(255, 0, 0);
    case SequenceTable::Marker::Normal:
        break;
    }
    return palette.color(QPalette::Button);
}

void MarkerDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    // The marker keeps its colour in the selected row too: red must stay visible.
    painter->fillRect(option.rect,
                      colourOf(index.data(SequenceTable::MarkerRole).toInt(), option.palette));
}

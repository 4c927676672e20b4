#pragma once

#include <QStyledItemDelegate>

// Paints a marker cell in its row's colour: button face, silver, yellow or red.
class MarkerDelegate final : public QStyledItemDelegate {
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    static QColor colourOf(int marker, const QPalette& palette);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

#include "lumentafellogo.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

namespace LumentafelLogo {
namespace {

// The board is a grid of dots, five wide and seven high, like one character cell of the
// display; the lit ones form the letter.
constexpr int Columns = 5;
constexpr int Rows = 7;
constexpr const char* Letter[Rows] = {"X....", "X....", "X....", "X....",
                                      "X....", "X....", "XXXXX"};

const QColor Board(0x1d, 0x25, 0x33);
const QColor Lit(0xff, 0xb3, 0x1a);
const QColor Unlit(0x3a, 0x44, 0x55);

// Unit square: the board's corner radius and the dots' pitch and size.
constexpr double Radius = 0.18;
constexpr double Margin = 0.17;
constexpr double DotRadius = 0.042;

double pitch() {
    return (1.0 - 2 * Margin) / (Rows - 1);
}

QPointF dotCentre(int column, int row) {
    const double left = 0.5 - pitch() * (Columns - 1) / 2;
    return {left + column * pitch(), Margin + row * pitch()};
}

bool lit(int column, int row) {
    return Letter[row][column] == 'X';
}

} // namespace

void paintMark(QPainter& painter, const QRectF& area) {
    const double side = qMin(area.width(), area.height());
    const QPointF origin(area.center().x() - side / 2, area.center().y() - side / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Board);
    painter.drawRoundedRect(QRectF(origin, QSizeF(side, side)), Radius * side, Radius * side);
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            painter.setBrush(lit(column, row) ? Lit : Unlit);
            const QPointF centre = origin + dotCentre(column, row) * side;
            painter.drawEllipse(centre, DotRadius * side, DotRadius * side);
        }
    }
    painter.restore();
}

QImage markImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintMark(painter, QRectF(0, 0, size, size));
    return image;
}

QByteArray markSvg(int size) {
    const auto number = [size](double unit) {
        return QByteArray::number(unit * size, 'f', 2);
    };
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
                     QByteArray::number(size) + "\" height=\"" + QByteArray::number(size) +
                     "\" viewBox=\"0 0 " + QByteArray::number(size) + ' ' +
                     QByteArray::number(size) + "\">\n";
    svg += "  <title>Lumentafel</title>\n";
    svg += "  <rect width=\"" + number(1) + "\" height=\"" + number(1) + "\" rx=\"" +
           number(Radius) + "\" fill=\"" + Board.name().toLatin1() + "\"/>\n";
    for (int row = 0; row < Rows; ++row) {
        for (int column = 0; column < Columns; ++column) {
            const QPointF centre = dotCentre(column, row);
            svg += "  <circle cx=\"" + number(centre.x()) + "\" cy=\"" + number(centre.y()) +
                   "\" r=\"" + number(DotRadius) + "\" fill=\"" +
                   (lit(column, row) ? Lit : Unlit).name().toLatin1() + "\"/>\n";
        }
    }
    svg += "</svg>\n";
    return svg;
}

QPixmap aboutPicture() {
    QPixmap picture(275, 90);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paintMark(painter, QRectF(5, 5, 80, 80));
    QFont word(QStringLiteral("Sans Serif"));
    word.setStyleHint(QFont::SansSerif);
    word.setPixelSize(34);
    word.setWeight(QFont::Black);
    painter.setFont(word);
    painter.setPen(Board);
    painter.drawText(QRectF(95, 0, 180, 90), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Lumentafel"));
    return picture;
}

} // namespace LumentafelLogo

#pragma once

#include <QByteArray>
#include <QPixmap>

class QPainter;
class QRectF;

// The Lumentafel mark: a dark character board whose lit dots spell an "L", and the word
// beside it. Drawn, not loaded, so that it needs no image plugin; the installed icons are
// rendered from the same drawing and the scalable icon describes the same shapes.
namespace LumentafelLogo {

// The mark, filling the square inside `area`.
void paintMark(QPainter& painter, const QRectF& area);
// The mark at this size in pixels.
QImage markImage(int size);
// The mark as a scalable vector picture of `size` pixels.
QByteArray markSvg(int size);
// The about window's picture: the mark and the product's name, 275 x 90 pixels.
QPixmap aboutPicture();

} // namespace LumentafelLogo

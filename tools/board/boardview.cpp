#include "boardview.h"

#include "platform/windows1252.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>

namespace {
// One blank dot column and two blank dot rows between characters.
constexpr int CellColumns = BoardView::DotColumns + 1;
constexpr int CellRows = BoardView::DotRows + 2;
const QColor Lit(255, 176, 40);
const QColor Unlit(48, 26, 8);
} // namespace

BoardView::BoardView(int lineCount, int columnCount, QWidget* parent)
    : QWidget(parent)
    , m_lineCount(lineCount)
    , m_columnCount(columnCount) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(columnCount * CellColumns, lineCount * CellRows);
    for (int i = 0; i < lineCount; ++i)
        m_lines.append(QString(columnCount, QLatin1Char(' ')));
}

void BoardView::setLines(const QList<QByteArray>& lines) {
    for (int i = 0; i < m_lineCount; ++i)
        m_lines[i] = Windows1252::toUnicode(lines.value(i));
    update();
}

QSize BoardView::sizeHint() const {
    const int p = qBound(2, 1000 / (m_columnCount * CellColumns), 5);
    return QSize(m_columnCount * CellColumns * p + 2 * p, m_lineCount * CellRows * p + 2 * p);
}

int BoardView::pitch() const {
    const int across = width() / (m_columnCount * CellColumns + 2);
    const int down = height() / (m_lineCount * CellRows + 2);
    return qMax(1, qMin(across, down));
}

const QImage& BoardView::dotsOf(QChar c) {
    auto it = m_dots.find(c);
    if (it != m_dots.end())
        return *it;
    // The character drawn by a font at the size of the matrix, without smoothing: each pixel
    // that is set becomes a lit dot.
    QImage image(DotColumns, DotRows, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    // Capitals take rows 2 to 9, accents and umlaut dots the rows above, descenders below.
    font.setPixelSize(DotRows - 2);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::white);
    const QString text(c);
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    painter.drawText(QPointF((DotColumns - advance) / 2, DotRows - 3), text);
    painter.end();
    return *m_dots.insert(c, image);
}

const QPixmap& BoardView::glyphOf(QChar c) {
    const int p = pitch();
    if (p != m_glyphPitch) {
        m_glyphs.clear();
        m_glyphPitch = p;
    }
    auto it = m_glyphs.find(c);
    if (it != m_glyphs.end())
        return *it;
    const QImage& dots = dotsOf(c);
    QPixmap pixmap(CellColumns * p, CellRows * p);
    pixmap.fill(Qt::black);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal radius = p * 0.42;
    for (int y = 0; y < DotRows; ++y) {
        for (int x = 0; x < DotColumns; ++x) {
            const QPointF centre((x + 0.5) * p, (y + 1) * p);
            if (qAlpha(dots.pixel(x, y)) > 127) {
                QRadialGradient glow(centre, radius * 1.6);
                glow.setColorAt(0, QColor(255, 236, 180));
                glow.setColorAt(0.45, Lit);
                glow.setColorAt(1, QColor(Lit.red(), Lit.green(), Lit.blue(), 0));
                painter.setBrush(glow);
                painter.drawEllipse(centre, radius * 1.6, radius * 1.6);
            } else {
                painter.setBrush(Unlit);
                painter.drawEllipse(centre, radius, radius);
            }
        }
    }
    painter.end();
    return *m_glyphs.insert(c, pixmap);
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    const int p = pitch();
    const int left = (width() - m_columnCount * CellColumns * p) / 2;
    const int top = (height() - m_lineCount * CellRows * p) / 2;
    for (int line = 0; line < m_lineCount; ++line) {
        const QString& text = m_lines.at(line);
        for (int column = 0; column < m_columnCount; ++column) {
            const QChar c = column < text.size() ? text.at(column) : QLatin1Char(' ');
            painter.drawPixmap(left + column * CellColumns * p, top + line * CellRows * p,
                               glyphOf(c));
        }
    }
}

void BoardView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    update();
}

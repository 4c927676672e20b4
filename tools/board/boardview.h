#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QPixmap>
#include <QWidget>

// The board's face: lines x columns characters of glowing amber dots on black, each
// character a matrix of DotColumns x DotRows dots; unlit dots stay faintly visible.
class BoardView final : public QWidget {
    Q_OBJECT

public:
    static constexpr int DotColumns = 7;
    static constexpr int DotRows = 12;

    BoardView(int lineCount, int columnCount, QWidget* parent = nullptr);

    // Windows-1252 lines as the last frame brought them.
    void setLines(const QList<QByteArray>& lines);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The dots of one character, computed once per character.
    const QImage& dotsOf(QChar c);
    // The character drawn at the current dot pitch, cached until the pitch changes.
    const QPixmap& glyphOf(QChar c);
    int pitch() const;

    int m_lineCount;
    int m_columnCount;
    QList<QString> m_lines;
    QHash<QChar, QImage> m_dots;
    QHash<QChar, QPixmap> m_glyphs;
    int m_glyphPitch = 0;
};

#include "editorlines.h"

#include "platform/windows1252.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

namespace EditorLines {
namespace {

int visibleLength(const QString& line) {
    int n = static_cast<int>(line.size());
    while (n > 0 && line.at(n - 1) == QLatin1Char(' '))
        --n;
    return n;
}

// One editor line and the document position of its first character.
struct LaidOutLine {
    int position;
    QString text;
};

// A word longer than a line stands on a line of its own: it goes on over as many lines
// as it needs. Spaces at the wrap point are not characters of the display line.
void appendCut(QList<LaidOutLine>& lines, int position, QString line, int columns) {
    while (columns > 0 && visibleLength(line) > columns) {
        lines.append({position, line.left(columns)});
        line.remove(0, columns);
        position += columns;
    }
    lines.append({position, line});
}

// The one reading of the editor's lines that every question about them goes through.
QList<LaidOutLine> laidOut(QTextEdit& editor) {
    QTextDocument* document = editor.document();
    // Lay the whole text out now; the editor otherwise lays out lazily what is not shown.
    document->documentLayout()->documentSize();
    const int columns =
        editor.lineWrapMode() == QTextEdit::FixedColumnWidth ? editor.lineWrapColumnOrWidth() : 0;
    QList<LaidOutLine> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const bool last = !block.next().isValid();
        if (last && text.isEmpty())
            break;
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            appendCut(lines, block.position(), text, columns);
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString part = text.mid(line.textStart(), line.textLength());
            // A forced line break inside a paragraph ends the line; it is no character.
            part.remove(QChar::LineSeparator);
            appendCut(lines, block.position() + line.textStart(), part, columns);
        }
    }
    return lines;
}

int lineIndexIn(const QList<LaidOutLine>& lines, QTextEdit& editor, int position) {
    // After a final line break (or in an empty editor) the caret stands on the empty line
    // that is not counted: the one after the last.
    const QTextBlock lastBlock = editor.document()->lastBlock();
    if (lines.isEmpty() || (lastBlock.text().isEmpty() && position >= lastBlock.position()))
        return static_cast<int>(lines.size());
    int index = 0;
    while (index + 1 < lines.size() && lines.at(index + 1).position <= position)
        ++index;
    return index;
}

} // namespace

void wrapAtColumns(QTextEdit& editor, int columns) {
    // Counted in characters, whatever the font: at word boundaries only, because at a fixed
    // column count the editor's "or anywhere" breaks inside words that would fit the next
    // line. A longer word is cut when the lines are read.
    editor.setAcceptRichText(false);
    editor.setWordWrapMode(QTextOption::WordWrap);
    editor.setLineWrapMode(QTextEdit::FixedColumnWidth);
    editor.setLineWrapColumnOrWidth(columns);
}

QList<QByteArray> read(QTextEdit& editor) {
    QList<QByteArray> lines;
    for (const LaidOutLine& line : laidOut(editor))
        lines.append(Windows1252::fromUnicode(line.text, Windows1252::UnencodableMark));
    return lines;
}

int lineIndexAt(QTextEdit& editor, int position) {
    return lineIndexIn(laidOut(editor), editor, position);
}

QList<QByteArray> pageAt(QTextEdit& editor, int position, int pageSize) {
    const QList<LaidOutLine> lines = laidOut(editor);
    QList<QByteArray> page;
    if (pageSize < 1)
        return page;
    const int first = lineIndexIn(lines, editor, position) / pageSize * pageSize;
    for (int i = first; i < first + pageSize && i < lines.size(); ++i)
        page.append(Windows1252::fromUnicode(lines.at(i).text, Windows1252::UnencodableMark));
    return page;
}

int count(QTextEdit& editor) {
    return static_cast<int>(read(editor).size());
}

void write(QTextEdit& editor, const QList<QByteArray>& lines) {
    editor.setPlainText(memoFromLines(lines));
    editor.moveCursor(QTextCursor::Start);
}

QList<QByteArray> memoLines(const QString& plainText) {
    QList<QByteArray> lines = Windows1252::fromUnicode(plainText).split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QString memoFromLines(const QList<QByteArray>& lines) {
    QString text;
    for (const QByteArray& line : lines) {
        text += Windows1252::toUnicode(line);
        text += QLatin1Char('\n');
    }
    return text;
}

QByteArray memoText(const QString& plainText) {
    QByteArray text = Windows1252::fromUnicode(plainText, Windows1252::UnencodableMark);
    text.replace("\r\n", "\n");
    text.replace('\r', '\n');
    text.replace("\n", "\r\n");
    return text;
}

} // namespace EditorLines

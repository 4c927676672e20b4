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

// A word longer than a line stands on a line of its own: it goes on over as many lines
// as it needs. Spaces at the wrap point are not characters of the display line.
void appendCut(QList<QByteArray>& lines, QString line, int columns) {
    while (columns > 0 && visibleLength(line) > columns) {
        lines.append(Windows1252::fromUnicode(line.left(columns), Windows1252::UnencodableMark));
        line.remove(0, columns);
    }
    lines.append(Windows1252::fromUnicode(line, Windows1252::UnencodableMark));
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
    QTextDocument* document = editor.document();
    // Lay the whole text out now; the editor otherwise lays out lazily what is not shown.
    document->documentLayout()->documentSize();
    const int columns =
        editor.lineWrapMode() == QTextEdit::FixedColumnWidth ? editor.lineWrapColumnOrWidth() : 0;
    QList<QByteArray> lines;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const bool last = !block.next().isValid();
        if (last && text.isEmpty())
            break;
        const QTextLayout* layout = block.layout();
        if (!layout || layout->lineCount() == 0) {
            appendCut(lines, text, columns);
            continue;
        }
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            QString part = text.mid(line.textStart(), line.textLength());
            // A forced line break inside a paragraph ends the line; it is no character.
            part.remove(QChar::LineSeparator);
            appendCut(lines, part, columns);
        }
    }
    return lines;
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

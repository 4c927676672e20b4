#include "editor/editorlines.h"

#include <QTest>
#include <QTextEdit>

class EditorLinesTest : public QObject {
    Q_OBJECT

private slots:
    void counted_data();
    void counted();
    void wrappedAtTheColumnCount_data();
    void wrappedAtTheColumnCount();
    void writtenLinesReadBack_data();
    void writtenLinesReadBack();
    void memoLines_data();
    void memoLines();
    void lineOfAPosition_data();
    void lineOfAPosition();
};

namespace {

QByteArrayList bytes(const QStringList& lines) {
    QByteArrayList out;
    for (const QString& line : lines)
        out.append(line.toLatin1());
    return out;
}

} // namespace

void EditorLinesTest::counted_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("empty editor") << QString() << QStringList();
    QTest::newRow("one line") << QStringLiteral("A") << QStringList{"A"};
    QTest::newRow("final break not a line") << QStringLiteral("A\n") << QStringList{"A"};
    QTest::newRow("empty line before the end") << QStringLiteral("A\n\n") << QStringList{"A", ""};
    QTest::newRow("only a break") << QStringLiteral("\n") << QStringList{""};
    QTest::newRow("inner empty line") << QStringLiteral("A\n\nB") << QStringList{"A", "", "B"};
    QTest::newRow("forced break in a paragraph")
        << QString(QStringLiteral("A") + QChar(QChar::LineSeparator) + QStringLiteral("B"))
        << QStringList{"A", "B"};
    // The editor lays out lazily what it does not show; every line is read all the same.
    QStringList many;
    for (int i = 0; i < 3000; ++i)
        many.append(QStringLiteral("ZEILE %1").arg(i));
    QTest::newRow("many lines") << many.join(QLatin1Char('\n')) << many;
    // The capital sharp s is not in the code page: it reads as the mark the display check
    // replaces and reports, not as a question mark.
    QTest::newRow("umlauts in the code page")
        << QStringLiteral("GRÜẞE ÄÖ") << QStringList{QStringLiteral("GRÜ\u0081E ÄÖ")};
}

void EditorLinesTest::counted() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QTextEdit editor;
    EditorLines::wrapAtColumns(editor, 24);
    editor.setPlainText(text);
    QByteArrayList expected;
    for (const QString& line : lines)
        expected.append(line.toLatin1());
    QCOMPARE(EditorLines::read(editor), expected);
    QCOMPARE(EditorLines::count(editor), expected.size());
}

void EditorLinesTest::wrappedAtTheColumnCount_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("words wrap") << 10 << QStringLiteral("GUTEN ABEND MEINE DAMEN")
                                << QStringList{"GUTEN ", "ABEND ", "MEINE ", "DAMEN"};
    QTest::newRow("spaces at the wrap point stay")
        << 5 << QStringLiteral("ABCDE   F") << QStringList{"ABCDE   ", "F"};
    QTest::newRow("exactly full") << 5 << QStringLiteral("ABCDE") << QStringList{"ABCDE"};
    QTest::newRow("long word cut")
        << 4 << QStringLiteral("ABCDEFGHIJ") << QStringList{"ABCD", "EFGH", "IJ"};
    QTest::newRow("long word after a short one") << 10 << QStringLiteral("AB CDEFGHIJKLMNOP X")
                                                 << QStringList{"AB ", "CDEFGHIJKL", "MNOP ", "X"};
    QTest::newRow("break ends a line") << 24 << QStringLiteral("A\nB") << QStringList{"A", "B"};
}

void EditorLinesTest::wrappedAtTheColumnCount() {
    QFETCH(int, columns);
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QTextEdit editor;
    QFont font(QStringLiteral("Courier"));
    font.setPixelSize(12);
    font.setBold(true);
    editor.setFont(font);
    EditorLines::wrapAtColumns(editor, columns);
    editor.setPlainText(text);
    const QByteArrayList read = EditorLines::read(editor);
    QCOMPARE(read, bytes(lines));
    for (QByteArray line : read) {
        while (line.endsWith(' '))
            line.chop(1);
        QVERIFY2(line.size() <= columns, line.constData());
    }
}

void EditorLinesTest::writtenLinesReadBack_data() {
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("none") << QStringList();
    QTest::newRow("one empty line") << QStringList{""};
    QTest::newRow("two lines") << QStringList{"A", "B"};
    QTest::newRow("leading spaces") << QStringList{"   MITTE", ""};
}

void EditorLinesTest::writtenLinesReadBack() {
    QFETCH(QStringList, lines);
    QTextEdit editor;
    EditorLines::wrapAtColumns(editor, 24);
    EditorLines::write(editor, bytes(lines));
    QCOMPARE(EditorLines::read(editor), bytes(lines));
    QCOMPARE(editor.textCursor().position(), 0);
}

void EditorLinesTest::memoLines_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QByteArray>("memoText");

    QTest::newRow("empty") << QString() << QStringList() << QByteArray();
    QTest::newRow("final break") << QStringLiteral("Hallo\nWelt\n") << QStringList{"Hallo", "Welt"}
                                 << QByteArray("Hallo\r\nWelt\r\n");
    QTest::newRow("one empty line")
        << QStringLiteral("\n") << QStringList{""} << QByteArray("\r\n");
    QTest::newRow("no final break")
        << QStringLiteral("A\n\nB") << QStringList{"A", "", "B"} << QByteArray("A\r\n\r\nB");
}

void EditorLinesTest::memoLines() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QFETCH(QByteArray, memoText);
    QCOMPARE(EditorLines::memoLines(text), bytes(lines));
    QCOMPARE(EditorLines::memoText(text), memoText);
    QCOMPARE(EditorLines::memoLines(EditorLines::memoFromLines(bytes(lines))), bytes(lines));
}

void EditorLinesTest::lineOfAPosition_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("lineOfEachPosition");

    QTest::newRow("empty editor") << 24 << QString() << QList<int>{0};
    QTest::newRow("hard lines") << 24 << QStringLiteral("AB\nC") << QList<int>{0, 0, 0, 1, 1};
    // After a final break the caret is on the line that is not counted.
    QTest::newRow("final break") << 24 << QStringLiteral("A\n") << QList<int>{0, 0, 1};
    // At a wrap point the caret belongs to the next line.
    QTest::newRow("wrapped words") << 4 << QStringLiteral("AB CD") << QList<int>{0, 0, 0, 1, 1, 1};
    // A word longer than a line is cut into pieces, which Qt's own layout does not do.
    QTest::newRow("long word cut")
        << 4 << QStringLiteral("ABCDEFGHIJ") << QList<int>{0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2};
}

void EditorLinesTest::lineOfAPosition() {
    QFETCH(int, columns);
    QFETCH(QString, text);
    QFETCH(QList<int>, lineOfEachPosition);
    QTextEdit editor;
    EditorLines::wrapAtColumns(editor, columns);
    editor.setPlainText(text);
    QList<int> lines;
    for (int position = 0; position < editor.document()->characterCount(); ++position)
        lines.append(EditorLines::lineIndexAt(editor, position));
    QCOMPARE(lines, lineOfEachPosition);
}

QTEST_MAIN(EditorLinesTest)
#include "tst_editorlines.moc"

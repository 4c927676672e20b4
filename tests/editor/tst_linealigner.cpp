#include "editorrig.h"

#include "editor/alignmentbuttons.h"
#include "editor/editorlines.h"
#include "editor/linealigner.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextCursor>
#include <QToolButton>

class LineAlignerTest : public QObject {
    Q_OBJECT

private slots:
    void selectedLinesAligned_data();
    void selectedLinesAligned();
    void wrappedParagraphBecomesHardLines();
    void scrollEditorByItsButtons();
    void previewFollowsTheAlignedCaret();
};

namespace {

void select(QTextEdit& editor, int start, int end) {
    QTextCursor cursor(editor.document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

} // namespace

Q_DECLARE_METATYPE(LineAlignment)

void LineAlignerTest::selectedLinesAligned_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<LineAlignment>("alignment");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");

    const QString three = QStringLiteral(" A \n B \n C ");
    QTest::newRow("caret line only")
        << three << 5 << 5 << LineAlignment::Left << QStringLiteral(" A \nB\n C \n") << 5;
    QTest::newRow("selection over two lines")
        << three << 1 << 5 << LineAlignment::Right
        << QString(QString(23, ' ') + "A\n" + QString(23, ' ') + "B\n C \n") << 1;
    QTest::newRow("selection ending at a line's start takes that line")
        << three << 0 << 4 << LineAlignment::Left << QStringLiteral("A\nB\n C \n") << 0;
    QTest::newRow("centre with odd remainder")
        << QStringLiteral("  HALLO  ") << 0 << 0 << LineAlignment::Centre
        << QString(QString(9, ' ') + "HALLO\n") << 0;
    // The text got shorter than the caret's old offset: the caret goes to the end.
    QTest::newRow("caret clamped to the shorter text")
        << QStringLiteral("     A     ") << 11 << 11 << LineAlignment::Left << QStringLiteral("A\n")
        << 2;
    QTest::newRow("caret after the final break aligns nothing")
        << QStringLiteral(" A \n") << 4 << 4 << LineAlignment::Left << QStringLiteral(" A \n") << 4;
}

void LineAlignerTest::selectedLinesAligned() {
    QFETCH(QString, text);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(LineAlignment, alignment);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    EditorRig rig;
    QTextEdit& editor = *rig.panel->blockEditor();
    editor.setPlainText(text);
    rig.editor->setEntryModified(false);
    select(editor, start, end);
    rig.panel->blockAlignment()->button(alignment)->click();
    QCOMPARE(editor.toPlainText(), expected);
    QCOMPARE(editor.textCursor().position(), caret);
    QVERIFY(!editor.textCursor().hasSelection());
    QVERIFY(rig.editor->isEntryModified());
    QVERIFY(rig.panel->caretPreviewEnabled());
}

void LineAlignerTest::wrappedParagraphBecomesHardLines() {
    EditorRig rig;
    QTextEdit& editor = *rig.panel->blockEditor();
    editor.setPlainText(QStringLiteral("ERSTE ZEILE DES TEXTES   ZWEITE ZEILE DES TEXTES  "
                                       "DRITTE ZEILE"));
    const QList<QByteArray> before = EditorLines::read(editor);
    QCOMPARE(before.size(), 3);
    select(editor, 30, 30); // in the second editor line
    rig.editor->aligner().align(editor, LineAlignment::Right);
    const QList<QByteArray> after = EditorLines::read(editor);
    QCOMPARE(after.size(), 3);
    QCOMPARE(after.at(0), before.at(0));
    QCOMPARE(after.at(1), QByteArray(QByteArray(1, ' ') + "ZWEITE ZEILE DES TEXTES"));
    QCOMPARE(after.at(2), before.at(2));
    // Three paragraphs now: the wraps became hard line breaks.
    QCOMPARE(editor.toPlainText().count(QLatin1Char('\n')), 3);
}

void LineAlignerTest::scrollEditorByItsButtons() {
    EditorRig rig;
    QTextEdit& scroll = *rig.panel->scrollEditor();
    scroll.setPlainText(QStringLiteral("AB"));
    rig.panel->blockEditor()->setPlainText(QStringLiteral("  X"));
    rig.panel->scrollAlignment()->button(LineAlignment::Centre)->click();
    QCOMPARE(scroll.toPlainText(), QString(QString(11, ' ') + "AB\n"));
    QCOMPARE(rig.panel->blockEditor()->toPlainText(), QStringLiteral("  X"));
    QCOMPARE(rig.panel->findChild<QToolButton*>("ScrCenter"),
             rig.panel->scrollAlignment()->button(LineAlignment::Centre));
}

void LineAlignerTest::previewFollowsTheAlignedCaret() {
    EditorRig rig;
    QTextEdit& editor = *rig.panel->blockEditor();
    editor.setPlainText(QStringLiteral(" A\n B\n C\n D"));
    select(editor, 0, 0);
    rig.editor->aligner().align(editor, LineAlignment::Left);
    QCOMPARE(rig.panel->previewLines().at(0)->text(), QStringLiteral("A"));
    QCOMPARE(rig.panel->previewLines().at(1)->text(), QStringLiteral(" B"));
}

QTEST_MAIN(LineAlignerTest)
#include "tst_linealigner.moc"

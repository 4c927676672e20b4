#include "editorrig.h"

#include "editor/caretpage.h"
#include "editor/caretpreviewpause.h"

#include <QLineEdit>
#include <QTest>
#include <QTextCursor>

#include <stdexcept>

class CaretPageTest : public QObject {
    Q_OBJECT

private slots:
    void pageOfTheCaret_data();
    void pageOfTheCaret();
    void inertWhileSimulatingOrPaused_data();
    void inertWhileSimulatingOrPaused();
    void pauseRestoredByAnException();
    void loadingAnEntryLeavesThePreviewAlone();
};

namespace {

QStringList preview(const EntryEditorPanel& panel) {
    QStringList lines;
    for (const QLineEdit* line : panel.previewLines())
        lines << line->text();
    return lines;
}

void moveCaret(QTextEdit& editor, int position, int anchor = -1) {
    QTextCursor cursor(editor.document());
    cursor.setPosition(anchor < 0 ? position : anchor);
    cursor.setPosition(position, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

const QString EightLines = QStringLiteral("L0\nL1\nL2\nL3\nL4\nL5\nL6\nL7");

} // namespace

void CaretPageTest::pageOfTheCaret_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QStringList>("page");

    QTest::newRow("first page") << EightLines << 4 << -1 << QStringList{"L0", "L1", "L2"};
    QTest::newRow("line 4: lines 3 to 5")
        << EightLines << 13 << -1 << QStringList{"L3", "L4", "L5"};
    QTest::newRow("last page short") << EightLines << 23 << -1 << QStringList{"L6", "L7", ""};
    // The selection's start counts, wherever the caret stands.
    QTest::newRow("selection backwards") << EightLines << 1 << 13 << QStringList{"L0", "L1", "L2"};
    QTest::newRow("selection forwards") << EightLines << 22 << 10 << QStringList{"L3", "L4", "L5"};
    // A word longer than the display is cut into lines the display shows one by one.
    QTest::newRow("long word in pieces")
        << QString(QString(30, 'X') + "\nB\nC\nD") << 33 << -1 << QStringList{"C", "D", ""};
    QTest::newRow("empty editor") << QString() << 0 << -1 << QStringList{"", "", ""};
}

void CaretPageTest::pageOfTheCaret() {
    QFETCH(QString, text);
    QFETCH(int, position);
    QFETCH(int, anchor);
    QFETCH(QStringList, page);
    EditorRig rig;
    QTextEdit& editor = *rig.panel->blockEditor();
    editor.setPlainText(text);
    moveCaret(editor, position, anchor);
    rig.editor->caretPage().show();
    QCOMPARE(preview(*rig.panel), page);
    // Caret and selection as they were.
    QCOMPARE(editor.textCursor().position(), position);
    QCOMPARE(editor.textCursor().anchor(), anchor < 0 ? position : anchor);
    QVERIFY(rig.panel->caretPreviewEnabled());
}

void CaretPageTest::inertWhileSimulatingOrPaused_data() {
    QTest::addColumn<bool>("simulating");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("follows");

    QTest::newRow("follows the caret") << false << true << true;
    QTest::newRow("simulation runs") << true << true << false;
    QTest::newRow("paused") << false << false << false;
}

void CaretPageTest::inertWhileSimulatingOrPaused() {
    QFETCH(bool, simulating);
    QFETCH(bool, enabled);
    QFETCH(bool, follows);
    EditorRig rig;
    QTextEdit& editor = *rig.panel->blockEditor();
    editor.setPlainText(EightLines);
    moveCaret(editor, 0);
    rig.panel->setSimulationRunning(simulating);
    rig.panel->setCaretPreviewEnabled(enabled);
    rig.panel->previewLines().at(0)->setText(QStringLiteral("SIM"));
    moveCaret(editor, 13);
    QCOMPARE(preview(*rig.panel).first(), follows ? QStringLiteral("L3") : QStringLiteral("SIM"));
}

void CaretPageTest::pauseRestoredByAnException() {
    EditorRig rig;
    try {
        const CaretPreviewPause pause(*rig.panel);
        QVERIFY(!rig.panel->caretPreviewEnabled());
        throw std::runtime_error("cell does not convert");
    } catch (const std::runtime_error&) {
    }
    QVERIFY(rig.panel->caretPreviewEnabled());
}

void CaretPageTest::loadingAnEntryLeavesThePreviewAlone() {
    EditorRig rig;
    rig.setRows({QStringLiteral("00010|JA|BLOCK|A,B,C,D|3|M3|")});
    rig.editor->loadEntry(1);
    QCOMPARE(preview(*rig.panel), (QStringList{"", "", ""}));
    QVERIFY(rig.panel->caretPreviewEnabled());
    moveCaret(*rig.panel->blockEditor(), 6);
    QCOMPARE(preview(*rig.panel), (QStringList{"D", "", ""}));
}

QTEST_MAIN(CaretPageTest)
#include "tst_caretpage.moc"

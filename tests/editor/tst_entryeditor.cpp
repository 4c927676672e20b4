#include "editorrig.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <functional>

class EntryEditorTest : public QObject {
    Q_OBJECT

private slots:
    void changesMakeTheEntryPending_data();
    void changesMakeTheEntryPending();
    void flowStepShownInSeconds_data();
    void flowStepShownInSeconds();
    void leaveGuard_data();
    void leaveGuard();
    void leavingIsMovingTheFocusWithinTheWindow();
    void renameTakesTheSelectedEntry();
    void editingKeys();
    void clearEntryEmptiesTheFields();
};

using Change = std::function<void(EntryEditorPanel&)>;
Q_DECLARE_METATYPE(Change)

void EntryEditorTest::changesMakeTheEntryPending_data() {
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("pending");

    const auto row = [](const char* name, Change change, bool pending) {
        QTest::newRow(name) << change << pending;
    };
    row(
        "note", [](EntryEditorPanel& f) { f.noteField()->setPlainText("x"); }, true);
    row(
        "preset clicked", [](EntryEditorPanel& f) { f.byDuration()->click(); }, true);
    row(
        "block text", [](EntryEditorPanel& f) { f.blockEditor()->setPlainText("x"); }, true);
    row(
        "scroll text", [](EntryEditorPanel& f) { f.scrollEditor()->setPlainText("x"); }, true);
    row(
        "flow text", [](EntryEditorPanel& f) { f.flowEditor()->setPlainText("x"); }, true);
    row(
        "fixed line", [](EntryEditorPanel& f) { f.flowLineFields().at(1)->setText("x"); }, true);
    row(
        "page change time", [](EntryEditorPanel& f) { f.pageTime()->setValue(9); }, true);
    row(
        "line change time", [](EntryEditorPanel& f) { f.lineTime()->setValue(9); }, true);
    row(
        "flow step", [](EntryEditorPanel& f) { f.flowStep()->setValue(9); }, true);
    row(
        "flow line", [](EntryEditorPanel& f) { f.flowLine()->setValue(2); }, true);
    row(
        "minutes", [](EntryEditorPanel& f) { f.durationMinutes()->setValue(9); }, true);
    row(
        "seconds", [](EntryEditorPanel& f) { f.durationSeconds()->setValue(9); }, true);
    row(
        "kind tab", [](EntryEditorPanel& f) { f.kindTabs()->setCurrentIndex(1); }, true);
    // The number alone is no change of the entry: "Nr. ändern" takes it over.
    row(
        "number", [](EntryEditorPanel& f) { f.numberField()->setText("00020"); }, false);
    row(
        "same value", [](EntryEditorPanel& f) { f.pageTime()->setValue(3); }, false);
}

void EntryEditorTest::changesMakeTheEntryPending() {
    QFETCH(Change, change);
    QFETCH(bool, pending);
    EditorRig rig;
    QVERIFY(!rig.editor->isEntryModified());
    change(*rig.panel);
    QCOMPARE(rig.editor->isEntryModified(), pending);
    QCOMPARE(rig.panel->commitButton()->isEnabled(), pending);
}

void EntryEditorTest::flowStepShownInSeconds_data() {
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("german");

    QTest::newRow("default") << 5 << "0,5";
    QTest::newRow("one tenth") << 1 << "0,1";
    QTest::newRow("whole second") << 10 << "1";
}

void EntryEditorTest::flowStepShownInSeconds() {
    QFETCH(int, tenths);
    QFETCH(QString, german);
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    {
        EditorRig rig;
        rig.panel->flowStep()->setValue(tenths);
        QCOMPARE(rig.panel->flowStepSeconds()->text(), german);
    }
    QLocale::setDefault(before);
}

void EntryEditorTest::leaveGuard_data() {
    QTest::addColumn<QString>("languageCode");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("rows");

    QTest::newRow("yes commits") << "D" << true
                                 << QStringList{"Q:Änderungen in Tabelle übernehmen?"} << 2;
    QTest::newRow("no keeps the table")
        << "D" << true << QStringList{"N:Änderungen in Tabelle übernehmen?"} << 1;
    QTest::newRow("English") << "GB" << true << QStringList{"N:Save changes to the grid?"} << 1;
    QTest::newRow("nothing pending, no question") << "D" << false << QStringList() << 1;
}

void EntryEditorTest::leaveGuard() {
    QFETCH(QString, languageCode);
    QFETCH(bool, pending);
    QFETCH(QStringList, boxes);
    QFETCH(int, rows);
    EditorRig rig(3, 24, languageCode);
    rig.setRows({QStringLiteral("00010|JA|BLOCK|A|3|M3|")});
    rig.selection.select(1);
    rig.panel->numberField()->setText(QStringLiteral("00020"));
    rig.editor->setEntryModified(pending);
    rig.expectBoxes(boxes);
    rig.editor->offerPendingCommit();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.table.gridRowCount() - 1, rows);
    QVERIFY(!rig.editor->isEntryModified());
}

void EntryEditorTest::leavingIsMovingTheFocusWithinTheWindow() {
    EditorRig rig;
    rig.editor->setEntryModified(true);
    QWidget outside(&rig.window);
    QWidget otherWindow;
    // Within the editor, or to another window (a box): no question.
    emit qApp->focusChanged(rig.panel->numberField(), rig.panel->noteField());
    emit qApp->focusChanged(rig.panel->noteField(), &otherWindow);
    emit qApp->focusChanged(rig.panel->noteField(), nullptr);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    // From the editor to another control of the main window: the question.
    rig.prompter.expect(ScriptedPrompter::Kind::YesNo, QStringLiteral("Änderungen"),
                        Prompter::Answer::No);
    emit qApp->focusChanged(rig.panel->noteField(), &outside);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(!rig.editor->isEntryModified());
}

void EntryEditorTest::renameTakesTheSelectedEntry() {
    EditorRig rig;
    rig.setRows(
        {QStringLiteral("00010|JA|BLOCK|A|3|M3|"), QStringLiteral("00020|JA|BLOCK|B|3|M3|")});
    rig.selection.select(1);
    rig.editor->loadEntry(1);
    rig.panel->numberField()->setText(QStringLiteral("00030"));
    rig.panel->changeNumberButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.rows(), (QStringList{"00020|JA|BLOCK|B|3|M3|", "00030|JA|BLOCK|A|3|M3|"}));
    QCOMPARE(rig.selection.selectedRow(), 2);
    QVERIFY(!rig.editor->flags().renameOnCommit);
}

void EntryEditorTest::editingKeys() {
    EditorRig rig;
    QTest::keyClicks(rig.panel->flowEditor(), QStringLiteral("AB"));
    QTest::keyClick(rig.panel->flowEditor(), Qt::Key_Return);
    QTest::keyClick(rig.panel->flowEditor(), Qt::Key_Enter);
    QTest::keyClicks(rig.panel->flowEditor(), QStringLiteral("C"));
    QCOMPARE(rig.panel->flowEditor()->toPlainText(), QStringLiteral("ABC"));
    // The note and the block text keep their line breaks.
    QTest::keyClicks(rig.panel->noteField(), QStringLiteral("A"));
    QTest::keyClick(rig.panel->noteField(), Qt::Key_Return);
    QCOMPARE(rig.panel->noteField()->toPlainText(), QStringLiteral("A\n"));
    // Tab moves on; it does not type a tab into the text.
    QTest::keyClick(rig.panel->blockEditor(), Qt::Key_Tab);
    QCOMPARE(rig.panel->blockEditor()->toPlainText(), QString());
}

void EntryEditorTest::clearEntryEmptiesTheFields() {
    EditorRig rig;
    EntryEditorPanel& f = *rig.panel;
    f.noteField()->setPlainText(QStringLiteral("Licht"));
    f.blockEditor()->setPlainText(QStringLiteral("HALLO"));
    f.scrollEditor()->setPlainText(QStringLiteral("WELT"));
    f.flowEditor()->setPlainText(QStringLiteral("LAUF"));
    f.flowLineFields().first()->setText(QStringLiteral("OBEN"));
    f.durationMinutes()->setValue(2);
    f.durationSeconds()->setValue(30);
    f.pageTime()->setValue(7);
    f.lineTime()->setValue(8);
    f.flowStep()->setValue(9);
    f.byDuration()->setChecked(true);
    f.kindTabs()->setCurrentIndex(1);
    f.activeCheckBox()->setChecked(false);

    rig.editor->showNumber("00040");
    rig.editor->clearEntry();
    QCOMPARE(f.numberField()->text(), QStringLiteral("00040"));
    for (const QString& text : {f.noteField()->toPlainText(), f.blockEditor()->toPlainText(),
                                f.scrollEditor()->toPlainText(), f.flowEditor()->toPlainText(),
                                f.flowLineFields().first()->text()})
        QVERIFY2(text.isEmpty(), qPrintable(text));
    QCOMPARE(f.durationMinutes()->value(), 0);
    QCOMPARE(f.durationSeconds()->value(), 3);
    QCOMPARE(f.pageTime()->value(), 3);
    QCOMPARE(f.lineTime()->value(), 3);
    QCOMPARE(f.flowStep()->value(), 5);
    QVERIFY(!rig.editor->isEntryModified());
    // Kept: the duration mode, the kind page and the active flag.
    QVERIFY(f.byDuration()->isChecked());
    QCOMPARE(f.kindTabs()->currentIndex(), 1);
    QVERIFY(!f.activeCheckBox()->isChecked());
}

QTEST_MAIN(EntryEditorTest)
#include "tst_entryeditor.moc"

#include "editorrig.h"

#include "editor/editorcontextmenu.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

class KindTabsTest : public QObject {
    Q_OBJECT

private slots:
    void operatorChangesCarryTheTextOver_data();
    void operatorChangesCarryTheTextOver();
    void programChangesAskNothing();
    void controlTabConvertsLikeAClick();
    void contextMenuOnTheShownEditor_data();
    void contextMenuOnTheShownEditor();
};

Q_DECLARE_METATYPE(TextKind)

namespace {

QString text(QWidget* editor) {
    if (auto* rich = qobject_cast<QTextEdit*>(editor))
        return rich->toPlainText();
    return static_cast<QPlainTextEdit*>(editor)->toPlainText();
}

void fill(EntryEditorPanel& p, const QString& block, const QString& scroll, const QString& flow) {
    p.blockEditor()->setPlainText(block);
    p.scrollEditor()->setPlainText(scroll);
    p.flowEditor()->setPlainText(flow);
}

const QString Question = QStringLiteral("Umwandlung in Fliesstext");

} // namespace

void KindTabsTest::operatorChangesCarryTheTextOver_data() {
    QTest::addColumn<TextKind>("from");
    QTest::addColumn<TextKind>("to");
    QTest::addColumn<QString>("block");
    QTest::addColumn<int>("answer"); // -1: no question, 0: No, 1: Yes
    QTest::addColumn<TextKind>("shown");
    QTest::addColumn<QStringList>("texts"); // block, scroll, flow afterwards

    const auto B = TextKind::Block, S = TextKind::Scroll, F = TextKind::Flow;
    const QString two = QStringLiteral("ONE\nTWO");
    QTest::newRow("block to scroll") << B << S << two << -1 << S << QStringList{two, two, "FLOW"};
    QTest::newRow("scroll to block")
        << S << B << two << -1 << B << QStringList{"S1\nS2", "S1\nS2", "FLOW"};
    QTest::newRow("block to flow, yes: lines joined by a space")
        << B << F << two << 1 << F << QStringList{two, "S1\nS2", "ONE TWO"};
    QTest::newRow("block to flow, no: back to block, nothing changed")
        << B << F << two << 0 << B << QStringList{two, "S1\nS2", "FLOW"};
    QTest::newRow("scroll to flow, yes")
        << S << F << two << 1 << F << QStringList{two, "S1\nS2", "S1 S2"};
    QTest::newRow("scroll to flow, no")
        << S << F << two << 0 << S << QStringList{two, "S1\nS2", "FLOW"};
    QTest::newRow("empty block to flow: nothing asked")
        << B << F << QString() << -1 << F << QStringList{"", "S1\nS2", "FLOW"};
    QTest::newRow("flow to block")
        << F << B << two << -1 << B << QStringList{"FLOW", "S1\nS2", "FLOW"};
    QTest::newRow("flow to scroll") << F << S << two << -1 << S << QStringList{two, "FLOW", "FLOW"};
}

void KindTabsTest::operatorChangesCarryTheTextOver() {
    QFETCH(TextKind, from);
    QFETCH(TextKind, to);
    QFETCH(QString, block);
    QFETCH(int, answer);
    QFETCH(TextKind, shown);
    QFETCH(QStringList, texts);
    EditorRig rig;
    EntryEditorPanel& p = *rig.panel;
    rig.window.show();
    fill(p, block, QStringLiteral("S1\nS2"), QStringLiteral("FLOW"));
    p.showKind(from);
    rig.editor->setEntryModified(false);
    if (answer >= 0)
        rig.prompter.expect(ScriptedPrompter::Kind::WarningYesNo, Question,
                            answer ? Prompter::Answer::Yes : Prompter::Answer::No);
    p.kindTabs()->setCurrentWidget(p.pageOf(to)); // as a click on the tab does
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(p.currentKind(), shown);
    QCOMPARE((QStringList{text(p.blockEditor()), text(p.scrollEditor()), text(p.flowEditor())}),
             texts);
    QVERIFY(rig.editor->isEntryModified()); // also after a No
    // Typing goes on in the editor of the tab shown.
    QCOMPARE(p.window()->focusWidget(), p.editorOf(shown));
}

void KindTabsTest::programChangesAskNothing() {
    EditorRig rig;
    EntryEditorPanel& p = *rig.panel;
    fill(p, QStringLiteral("A\nB"), QString(), QStringLiteral("FLOW"));
    rig.editor->setEntryModified(false);
    p.showKind(TextKind::Flow);
    p.showKind(TextKind::Scroll);
    QCOMPARE(p.currentKind(), TextKind::Scroll);
    QCOMPARE(text(p.flowEditor()), QStringLiteral("FLOW"));
    QCOMPARE(text(p.scrollEditor()), QString());
    QVERIFY(!rig.editor->isEntryModified());
    // Loading an entry of another kind converts nothing either.
    rig.setRows({QStringLiteral("00010|JA|FLIESS|\"LAUF\"|5,1,,\"\"|M3|")});
    rig.editor->loadEntry(1);
    QCOMPARE(p.currentKind(), TextKind::Flow);
    QCOMPARE(text(p.flowEditor()), QStringLiteral("LAUF"));
    QCOMPARE(text(p.scrollEditor()), QString());
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
}

void KindTabsTest::controlTabConvertsLikeAClick() {
    EditorRig rig;
    EntryEditorPanel& p = *rig.panel;
    rig.window.show();
    fill(p, QStringLiteral("A\nB"), QString(), QString());
    p.blockEditor()->setFocus();
    QTest::keyClick(p.blockEditor(), Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(p.currentKind(), TextKind::Scroll);
    QCOMPARE(text(p.scrollEditor()), QStringLiteral("A\nB"));
}

void KindTabsTest::contextMenuOnTheShownEditor_data() {
    QTest::addColumn<TextKind>("shown");
    QTest::newRow("block page") << TextKind::Block;
    QTest::newRow("scroll page") << TextKind::Scroll;
}

void KindTabsTest::contextMenuOnTheShownEditor() {
    QFETCH(TextKind, shown);
    EditorRig rig;
    EntryEditorPanel& p = *rig.panel;
    fill(p, QStringLiteral("BLOCK"), QStringLiteral("SCROLL"), QString());
    p.showKind(shown);
    auto* target = static_cast<QTextEdit*>(p.editorOf(shown));
    auto* other = shown == TextKind::Block ? p.scrollEditor() : p.blockEditor();
    const QString otherText = other->toPlainText();
    EditorContextMenu& menu = *p.contextMenu();
    QCOMPARE(menu.objectName(), QStringLiteral("PopupMenu2"));

    menu.selectAllAction()->trigger();
    menu.clearAction()->trigger();
    QCOMPARE(target->toPlainText(), QString());
    // Pasted text is plain and passes no filter.
    QApplication::clipboard()->setText(QStringLiteral("a#~b"));
    menu.pasteAction()->trigger();
    QCOMPARE(target->toPlainText(), QStringLiteral("a#~b"));
    QCOMPARE(rig.prompter.beeps(), 0);
    menu.selectAllAction()->trigger();
    menu.cutAction()->trigger();
    QCOMPARE(target->toPlainText(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("a#~b"));
    menu.undoAction()->trigger();
    QCOMPARE(target->toPlainText(), QStringLiteral("a#~b"));
    QCOMPARE(other->toPlainText(), otherText);
}

QTEST_MAIN(KindTabsTest)
#include "tst_kindtabs.moc"

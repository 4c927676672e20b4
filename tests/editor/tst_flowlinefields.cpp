#include "scriptedprompter.h"

#include "display/displaysetup.h"
#include "editor/entryeditor.h"
#include "editor/entryeditorpanel.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>

namespace {

// The editor on its real panel, set up for a board of 3 lines.
struct FieldRig {
    EntryEditorPanel panel;
    SequenceTable table;
    RowSelection selection{table};
    ScriptedPrompter prompter;
    EntryEditor editor{panel, table, selection, prompter};

    FieldRig(int columnCount, bool lowerCaseAllowed) {
        DisplaySetup setup;
        setup.lineCount = 3;
        setup.columnCount = columnCount;
        setup.lowerCaseAllowed = lowerCaseAllowed;
        panel.setUpForDisplay(setup);
        panel.show();
    }
    QLineEdit* field(int i) const { return panel.flowLineFields().at(i); }
};

// Typed key by key; QTest::keyClicks takes ASCII only.
void type(QWidget* widget, const QString& text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

} // namespace

class FlowLineFieldsTest : public QObject {
    Q_OBJECT

private slots:
    void typedAndPasted_data();
    void typedAndPasted();
};

void FlowLineFieldsTest::typedAndPasted_data() {
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("lowerCase");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("expected");

    // The sharp s has no capital on the board and keeps the field's length.
    QTest::newRow("typed, sharp s stays") << 24 << false << false << "straße"
                                          << "STRAßE";
    QTest::newRow("umlauts") << 24 << false << false << "äöü xyz"
                             << "ÄÖÜ XYZ";
    QTest::newRow("accents are left to the commit's check") << 24 << false << false << "é€1"
                                                            << "é€1";
    QTest::newRow("pasted") << 24 << false << true << "hallo welt"
                            << "HALLO WELT";
    QTest::newRow("typed past the line") << 5 << false << false << "abcdefgh"
                                         << "ABCDE";
    QTest::newRow("pasted past the line") << 5 << false << true << "straßenbahn"
                                          << "STRAß";
    QTest::newRow("lower case allowed") << 24 << true << false << "straße"
                                        << "straße";
}

void FlowLineFieldsTest::typedAndPasted() {
    QFETCH(int, columns);
    QFETCH(bool, lowerCase);
    QFETCH(bool, paste);
    QFETCH(QString, input);
    QFETCH(QString, expected);

    FieldRig rig(columns, lowerCase);
    QLineEdit* field = rig.field(1);
    field->setFocus();
    QVERIFY(!rig.editor.isEntryModified());
    if (paste) {
        QApplication::clipboard()->setText(input);
        field->paste();
    } else {
        type(field, input);
    }
    QCOMPARE(field->text(), expected);
    QVERIFY(rig.editor.isEntryModified());
    // The caret stays behind what was entered.
    QCOMPARE(field->cursorPosition(), expected.size());
}

QTEST_MAIN(FlowLineFieldsTest)
#include "tst_flowlinefields.moc"

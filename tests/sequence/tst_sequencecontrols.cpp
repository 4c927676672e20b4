#include "scriptedprompter.h"
#include "sequencerows.h"

#include "app/mainwindowform.h"
#include "editor/entryeditorpanel.h"
#include "sequence/conversionerror.h"
#include "sequence/finddialog.h"
#include "sequence/marklist.h"
#include "sequence/marklistwindow.h"
#include "sequence/rowselection.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencetableview.h"

#include <QAction>
#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>

using Answer = Prompter::Answer;
using ByteList = QList<QByteArray>;
using Kind = ScriptedPrompter::Kind;

namespace {

// The controls on the real form and grid; the general error box is the prompter's error.
struct Rig {
    QMainWindow window;
    MainWindowForm form;
    SequenceTable table;
    RowSelection selection{table};
    MarkList marks;
    ScriptedPrompter prompter;
    QString language = QStringLiteral("D");
    MarkListWindow markWindow;
    std::unique_ptr<SequenceControls> controls;

    Rig() {
        form.setupUi(&window);
        form.editorPanel->setUpForDisplay(DisplaySetup{});
        form.tableView->attach(table, selection, marks);
        SequenceRows::fill(table, {"00010", "00020", "00030"});
        SequenceControls::Context context{window,
                                          form,
                                          table,
                                          selection,
                                          marks,
                                          prompter,
                                          [this] { return language; },
                                          [this](const std::function<void()>& command) {
                                              try {
                                                  command();
                                              } catch (const std::exception& e) {
                                                  prompter.showError(QString::fromUtf8(e.what()));
                                              }
                                          }};
        controls = std::make_unique<SequenceControls>(context, EditorHooks());
        controls->attachMarkListWindow(markWindow);
        window.resize(900, 600);
        window.show();
        selection.select(1);
    }
    // A left press on the header of a column.
    void pressHeader(int column) {
        QHeaderView* header = form.tableView->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 3, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
    }
    void clickMarker(int row) {
        SequenceTableView* view = form.tableView;
        const QRect cell = view->visualRect(table.index(row - 1, SequenceTable::MarkerColumn));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
};

} // namespace

class SequenceControlsTest : public QObject {
    Q_OBJECT

private slots:
    void newTextEmptiesTheEditor();
    void aNumberThatDoesNotConvertShowsTheErrorBox();
    void headerSearch();
    void activeMenu();
    void markingListFollowsTheMarks();
    void englishCaptions();
};

void SequenceControlsTest::newTextEmptiesTheEditor() {
    Rig rig;
    EntryEditorPanel& f = *rig.form.editorPanel;
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
    f.commitButton()->setEnabled(true);

    rig.form.newTextButton->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
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
    QVERIFY(!f.commitButton()->isEnabled());
    // Kept: the duration mode, the kind page and the selected row.
    QVERIFY(f.byDuration()->isChecked());
    QCOMPARE(f.kindTabs()->currentIndex(), 1);
    QCOMPARE(rig.selection.selectedRow(), 1);
    QCOMPARE(rig.table.gridRowCount(), 4);
}

void SequenceControlsTest::aNumberThatDoesNotConvertShowsTheErrorBox() {
    Rig rig;
    rig.table.setCell(SequenceTable::NumberColumn, 3, "0003X");
    rig.form.editorPanel->numberField()->setText(QStringLiteral("00077"));
    rig.prompter.expect(Kind::Error, QStringLiteral("'0003X' ist kein gültiger Integerwert"));
    rig.form.proposeNumberButton->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.form.editorPanel->numberField()->text(), QStringLiteral("00077"));
}

void SequenceControlsTest::headerSearch() {
    Rig rig;
    rig.pressHeader(SequenceTable::NoteColumn);
    FindDialog& find = rig.controls->findDialog();
    QVERIFY(find.isVisible());
    QCOMPARE(find.column(), int(SequenceTable::NoteColumn));
    QTest::keyClicks(find.textField(), QStringLiteral("NOTE 0003"));
    find.findNextButton()->click();
    QCOMPARE(rig.selection.selectedRow(), 3);

    rig.pressHeader(SequenceTable::NumberColumn);
    QCOMPARE(find.column(), int(SequenceTable::NumberColumn));
    rig.prompter.expect(Kind::Information, QStringLiteral("\"NOTE 0003\" nicht gefunden."));
    find.findNextButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.selection.selectedRow(), 3);
}

void SequenceControlsTest::activeMenu() {
    Rig rig;
    rig.selection.select(2);
    rig.pressHeader(SequenceTable::ActiveColumn);
    QMenu& menu = rig.controls->activeMenu();
    QTRY_VERIFY(menu.isVisible());
    QCOMPARE(menu.actions().at(1)->text(), QStringLiteral("Keinen Text aktivieren"));
    menu.actions().at(1)->trigger();
    QCOMPARE(SequenceRows::column(rig.table, SequenceTable::ActiveColumn),
             (ByteList{"NEIN", "JA", "NEIN"}));
    menu.actions().at(0)->trigger();
    QCOMPARE(SequenceRows::column(rig.table, SequenceTable::ActiveColumn),
             (ByteList{"JA", "JA", "JA"}));
}

void SequenceControlsTest::markingListFollowsTheMarks() {
    Rig rig;
    rig.form.markListAction->trigger();
    QVERIFY(rig.markWindow.isVisible());
    rig.clickMarker(3);
    rig.clickMarker(1);
    QCOMPARE(rig.markWindow.numberList()->count(), 2);
    QCOMPARE(rig.markWindow.numberList()->item(0)->text(), QStringLiteral("00030"));

    rig.prompter.expect(Kind::YesNo, QStringLiteral("00030,00010"), Answer::Yes);
    rig.markWindow.deleteButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(SequenceRows::column(rig.table, SequenceTable::NumberColumn), ByteList{"00020"});
    QCOMPARE(rig.markWindow.numberList()->count(), 0);
}

void SequenceControlsTest::englishCaptions() {
    Rig rig;
    rig.controls->applyLanguage(QStringLiteral("GB"));
    QCOMPARE(rig.form.proposeNumberButton->text(), QStringLiteral("New No."));
    QCOMPARE(rig.form.exchangeTextsButton->toolTip(),
             QStringLiteral("Exchange two yellow marged texts"));
    QCOMPARE(rig.form.markListAction->text(), QStringLiteral("List of &marks"));
    QCOMPARE(rig.markWindow.windowTitle(), QStringLiteral("Mark"));
    QCOMPARE(rig.controls->findDialog().windowTitle(), QStringLiteral("Find"));
    rig.controls->applyLanguage(QStringLiteral("D"));
    QCOMPARE(rig.form.deleteTextsButton->text(), QStringLiteral("Texte löschen"));
}

QTEST_MAIN(SequenceControlsTest)
#include "tst_sequencecontrols.moc"

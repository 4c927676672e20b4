#include "recordingeditor.h"
#include "scriptedprompter.h"
#include "sequencerows.h"

#include "sequence/conversionerror.h"
#include "sequence/finddialog.h"
#include "sequence/marklist.h"
#include "sequence/marklistwindow.h"
#include "sequence/rowselection.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencetableview.h"
#include "sequence/tablecommandbar.h"

#include "windows/languageswitch.h"

#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

using Answer = Prompter::Answer;
using ByteList = QList<QByteArray>;
using Kind = ScriptedPrompter::Kind;

namespace {

// The controls on the real grid and command bar, with the editor reduced to what the commands
// ask of it; the general error box is the prompter's error.
struct Rig {
    QWidget window;
    SequenceTableView* view = new SequenceTableView(&window);
    TableCommandBar* bar = new TableCommandBar(&window);
    SequenceTable table;
    RowSelection selection{table};
    MarkList marks;
    ScriptedPrompter prompter;
    QString language = QStringLiteral("D");
    MarkListWindow markWindow;
    RecordingEditor editor;
    // The Aktiv cell of each row the editor loaded, as it was when loaded.
    QList<QByteArray> loadedActive;
    bool loadFails = false;
    std::unique_ptr<SequenceControls> controls;

    Rig() {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(bar);
        layout->addWidget(view);
        view->attach(table, selection, marks);
        SequenceRows::fill(table, {"00010", "00020", "00030"});
        SequenceControls::Context context{window,
                                          *view,
                                          *bar,
                                          {},
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
        EditorHooks hooks = editor.hooks();
        hooks.loadRow = [this](int row) {
            editor.loaded.append(row);
            loadedActive.append(table.cell(SequenceTable::ActiveColumn, row));
            if (loadFails)
                throw ConversionError(QStringLiteral("'X' ist kein gültiger Integerwert"));
        };
        controls = std::make_unique<SequenceControls>(context, hooks);
        controls->attachMarkListWindow(markWindow);
        window.resize(900, 600);
        window.show();
        selection.select(1);
    }
    // A left press on the header of a column.
    void pressHeader(int column) {
        QHeaderView* header = view->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 3, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
    }
    void clickMarker(int row) {
        const QRect cell = view->visualRect(table.index(row - 1, SequenceTable::MarkerColumn));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    }
    void rightClickActive(int row) {
        const QRect cell = view->visualRect(table.index(row - 1, SequenceTable::ActiveColumn));
        QTest::mouseClick(view->viewport(), Qt::RightButton, {}, cell.center());
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
    void togglingActiveReloadsTheRow();
};

void SequenceControlsTest::newTextEmptiesTheEditor() {
    Rig rig;
    rig.bar->newTextButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.editor.numbersSet, ByteList{"00040"});
    QCOMPARE(rig.editor.resets, 1);
    QCOMPARE(rig.editor.guards, 1);
    QCOMPARE(rig.selection.selectedRow(), 1);
    QCOMPARE(rig.table.gridRowCount(), 4);
}

void SequenceControlsTest::aNumberThatDoesNotConvertShowsTheErrorBox() {
    Rig rig;
    rig.table.setCell(SequenceTable::NumberColumn, 3, "0003X");
    rig.prompter.expect(Kind::Error, QStringLiteral("'0003X' ist kein gültiger Integerwert"));
    rig.bar->proposeNumberButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.editor.numbersSet.isEmpty());
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
    rig.bar->markListAction()->trigger();
    QVERIFY(rig.markWindow.isVisible());
    rig.clickMarker(3);
    rig.clickMarker(1);
    QCOMPARE(rig.markWindow.numberList()->count(), 2);
    QCOMPARE(rig.markWindow.numberList()->item(0)->text(), QStringLiteral("00030"));

    rig.prompter.expect(Kind::WarningYesNo, QStringLiteral("00030,00010"), Answer::Yes);
    rig.markWindow.deleteButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(SequenceRows::column(rig.table, SequenceTable::NumberColumn), ByteList{"00020"});
    QCOMPARE(rig.markWindow.numberList()->count(), 0);
}

void SequenceControlsTest::englishCaptions() {
    Rig rig;
    LanguageSwitch languages;
    languages.apply(QStringLiteral("GB"));
    QCOMPARE(rig.bar->proposeNumberButton()->text(), QStringLiteral("New No."));
    QCOMPARE(rig.bar->exchangeTextsButton()->toolTip(),
             QStringLiteral("Exchange two yellow marged texts"));
    QCOMPARE(rig.bar->markListAction()->text(), QStringLiteral("List of &marks"));
    QCOMPARE(rig.markWindow.windowTitle(), QStringLiteral("Mark"));
    QCOMPARE(rig.controls->findDialog().windowTitle(), QStringLiteral("Find"));
    QCOMPARE(rig.controls->activeMenu().actions().at(1)->text(),
             QStringLiteral("Deactivate all texts"));
    languages.apply(QStringLiteral("D"));
    QCOMPARE(rig.bar->deleteTextsButton()->text(), QStringLiteral("Texte löschen"));
}

void SequenceControlsTest::togglingActiveReloadsTheRow() {
    Rig rig;
    // The editor shows the new state, so that "OK" does not write the old one back.
    rig.rightClickActive(2);
    QCOMPARE(rig.editor.loaded, QList<int>{2});
    QCOMPARE(rig.loadedActive, ByteList{"NEIN"});

    // A row that does not load is reported by the general error box.
    rig.loadFails = true;
    rig.prompter.expect(Kind::Error, QStringLiteral("'X' ist kein gültiger Integerwert"));
    rig.rightClickActive(2);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.loadedActive, (ByteList{"NEIN", "JA"}));
}

QTEST_MAIN(SequenceControlsTest)
#include "tst_sequencecontrols.moc"

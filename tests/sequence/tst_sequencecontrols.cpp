#include "scriptedprompter.h"
#include "sequencerows.h"

#include "app/mainwindowform.h"
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
        form.buildLineFields(3, 24);
        form.Tabelle->attach(table, selection, marks);
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
        QHeaderView* header = form.Tabelle->horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 3, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, at);
    }
    void clickMarker(int row) {
        SequenceTableView* view = form.Tabelle;
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
    MainWindowForm& f = rig.form;
    f.Hinweis->setPlainText(QStringLiteral("Licht"));
    f.Textfeld->setPlainText(QStringLiteral("HALLO"));
    f.ScrollTextFeld->setPlainText(QStringLiteral("WELT"));
    f.Fliesstextfeld->setPlainText(QStringLiteral("LAUF"));
    f.FlowLineEdits.first()->setText(QStringLiteral("OBEN"));
    f.DauerMinuten->setValue(2);
    f.DauerSekunden->setValue(30);
    f.Seitenwechselzeit->setValue(7);
    f.Zeilenwechselzeit->setValue(8);
    f.Fliesstakt->setValue(9);
    f.NachDauer->setChecked(true);
    f.PageControl1->setCurrentIndex(1);
    f.Button11->setEnabled(true);

    f.Button1->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(f.TextNr->text(), QStringLiteral("00040"));
    for (const QString& text :
         {f.Hinweis->toPlainText(), f.Textfeld->toPlainText(), f.ScrollTextFeld->toPlainText(),
          f.Fliesstextfeld->toPlainText(), f.FlowLineEdits.first()->text()})
        QVERIFY2(text.isEmpty(), qPrintable(text));
    QCOMPARE(f.DauerMinuten->value(), 0);
    QCOMPARE(f.DauerSekunden->value(), 3);
    QCOMPARE(f.Seitenwechselzeit->value(), 3);
    QCOMPARE(f.Zeilenwechselzeit->value(), 3);
    QCOMPARE(f.Fliesstakt->value(), 5);
    QVERIFY(!f.Button11->isEnabled());
    // Kept: the duration mode, the kind page and the selected row.
    QVERIFY(f.NachDauer->isChecked());
    QCOMPARE(f.PageControl1->currentIndex(), 1);
    QCOMPARE(rig.selection.selectedRow(), 1);
    QCOMPARE(rig.table.RowCount(), 4);
}

void SequenceControlsTest::aNumberThatDoesNotConvertShowsTheErrorBox() {
    Rig rig;
    rig.table.setCell(SequenceTable::NumberColumn, 3, "0003X");
    rig.form.TextNr->setText(QStringLiteral("00077"));
    rig.prompter.expect(Kind::Error, QStringLiteral("'0003X' ist kein gültiger Integerwert"));
    rig.form.Button4->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.form.TextNr->text(), QStringLiteral("00077"));
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
    rig.form.ListeMarkierung1->trigger();
    QVERIFY(rig.markWindow.isVisible());
    rig.clickMarker(3);
    rig.clickMarker(1);
    QCOMPARE(rig.markWindow.Markiert()->count(), 2);
    QCOMPARE(rig.markWindow.Markiert()->item(0)->text(), QStringLiteral("00030"));

    rig.prompter.expect(Kind::YesNo, QStringLiteral("00030,00010"), Answer::Yes);
    rig.markWindow.deleteButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(SequenceRows::column(rig.table, SequenceTable::NumberColumn), ByteList{"00020"});
    QCOMPARE(rig.markWindow.Markiert()->count(), 0);
}

void SequenceControlsTest::englishCaptions() {
    Rig rig;
    rig.controls->applyLanguage(QStringLiteral("GB"));
    QCOMPARE(rig.form.Button4->text(), QStringLiteral("New No."));
    QCOMPARE(rig.form.Button7->toolTip(), QStringLiteral("Exchange two yellow marged texts"));
    QCOMPARE(rig.form.ListeMarkierung1->text(), QStringLiteral("List of &marks"));
    QCOMPARE(rig.markWindow.windowTitle(), QStringLiteral("Mark"));
    QCOMPARE(rig.controls->findDialog().windowTitle(), QStringLiteral("Find"));
    rig.controls->applyLanguage(QStringLiteral("D"));
    QCOMPARE(rig.form.Button5->text(), QStringLiteral("Texte löschen"));
}

QTEST_MAIN(SequenceControlsTest)
#include "tst_sequencecontrols.moc"

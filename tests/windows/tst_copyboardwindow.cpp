#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "sequencerows.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "editor/entryeditor.h"
#include "editor/entryeditorpanel.h"
#include "playback/playbackcontroller.h"
#include "programfolder.h"
#include "sequence/sequencetable.h"
#include "windows/copyboardwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using Answer = Prompter::Answer;
using Kind = ScriptedPrompter::Kind;
using Target = CopyboardWindow::Target;

namespace {

// The whole program on doubles with the text import window beside it.
struct ProgramRig {
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    explicit ProgramRig(const QByteArray& displayKeys = {}) {
        services =
            servicesInFolder(dir.path(), QStringLiteral("lumentafel"), clock, pump, prompter, port);
        QFile f(dir.filePath(QStringLiteral("lumentafel.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write("[Anzeige]\nSeriellerCOM-Port=1\n" + displayKeys);
        f.close();
        port.setAvailablePorts({1});
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
    }
    CopyboardWindow& copyboard() { return windows->copyboard(); }
    SequenceTable& table() { return windows->main().table(); }
    EntryEditorPanel& editor() { return *windows->main().form().editorPanel; }

    // The text area holds text, all of it selected.
    void select(const QString& text) {
        QPlainTextEdit* area = copyboard().textArea();
        area->setPlainText(text);
        area->selectAll();
    }
    void click(Target target) {
        QTest::mouseClick(copyboard().newEntryButton(target), Qt::LeftButton);
    }
    // Kind, text, parameter and duration of a row.
    QByteArray row(int r) {
        return table().cell(SequenceTable::KindColumn, r) + '|' +
               table().cell(SequenceTable::TextColumn, r) + '|' +
               table().cell(SequenceTable::ParameterColumn, r) + '|' +
               table().cell(SequenceTable::DurationColumn, r);
    }
};

} // namespace

class CopyboardWindowTest : public QObject {
    Q_OBJECT

private slots:
    void withoutSelectionOnlyBeeps_data();
    void withoutSelectionOnlyBeeps();
    void selectionBecomesANewEntry_data();
    void selectionBecomesANewEntry();
    void newEntryBesideAnExistingOne();
    void unshowableCharactersBecomeHash();
    void theEditorGetsTheSelectionNotTheClipboard();
    void pendingEditIsOfferedFirst();
    void refusedPendingEditStopsTheImport();
    void secondImportMakesASecondEntry_data();
    void secondImportMakesASecondEntry();
    void textTooLongForAFileIsRefused_data();
    void textTooLongForAFileIsRefused();
    void newEntriesRestWhilePlaying();
    void noFlowEntryWithoutTheFlowPage();
    void geometryFollowsTheEditor();
};

void CopyboardWindowTest::withoutSelectionOnlyBeeps_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("copy") << "Button1";
    QTest::newRow("block") << "Button3";
    QTest::newRow("scroll") << "Button4";
    QTest::newRow("flow") << "Button5";
}

void CopyboardWindowTest::withoutSelectionOnlyBeeps() {
    QFETCH(QString, button);
    ProgramRig rig;
    QApplication::clipboard()->setText(QStringLiteral("before"));
    rig.copyboard().textArea()->setPlainText(QStringLiteral("Text ohne Auswahl"));
    const QByteArray before = rig.row(1);
    QTest::mouseClick(rig.copyboard().findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(rig.prompter.beeps(), 1);
    QCOMPARE(rig.row(1), before);
    QCOMPARE(rig.table().gridRowCount(), 2);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
}

void CopyboardWindowTest::selectionBecomesANewEntry_data() {
    QTest::addColumn<Target>("target");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("row");
    QTest::newRow("five lines, block text") << Target::Block << "Eins\nZwei\nDrei\nVier\nFünf"
                                            << QByteArray("BLOCK|EINS,ZWEI,DREI,VIER,F\xdc"
                                                          "NF|3|M6");
    QTest::newRow("a long line wraps in the block editor")
        << Target::Block << "Dies ist eine Zeile mit mehr als vierundzwanzig Zeichen"
        << QByteArray(
               "BLOCK|\"DIES IST EINE ZEILE MIT \",\"MEHR ALS VIERUNDZWANZIG \",ZEICHEN|3|M3");
    QTest::newRow("two lines, scroll text")
        << Target::Scroll << "Eins\nZwei" << QByteArray("SCROLL|EINS,ZWEI|3|M15");
    QTest::newRow("two lines, flowing text")
        << Target::Flow << "A\nB" << QByteArray("FLIESS|\"A B\"|5,1,,\"\"|M14");
}

// The selection's paragraphs arrive as lines: a block text of five lines, a flowing text of
// both lines joined by a space.
void CopyboardWindowTest::selectionBecomesANewEntry() {
    QFETCH(Target, target);
    QFETCH(QString, text);
    QFETCH(QByteArray, row);
    ProgramRig rig;
    rig.select(text);
    rig.click(target);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.prompter.beeps(), 0);
    QCOMPARE(rig.table().cell(SequenceTable::NumberColumn, 1), QByteArray("00010"));
    QCOMPARE(rig.row(1), row);
    QCOMPARE(QApplication::clipboard()->text(), text);
}

void CopyboardWindowTest::newEntryBesideAnExistingOne() {
    ProgramRig rig;
    rig.table().setRows({SequenceRows::entry("00010")});
    rig.select(QStringLiteral("Neu"));
    rig.click(Target::Block);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.table().gridRowCount(), 3);
    QCOMPARE(rig.table().cell(SequenceTable::NumberColumn, 2), QByteArray("00020"));
    QCOMPARE(rig.row(2), QByteArray("BLOCK|NEU|3|M3"));
    QCOMPARE(rig.row(1), QByteArray("BLOCK|TEXT00010|3|M3"));
}

// A character Windows-1252 lacks is no question mark: it is replaced and named like the
// display's other unshowable characters, in one warning.
void CopyboardWindowTest::unshowableCharactersBecomeHash() {
    ProgramRig rig;
    rig.prompter.expect(Kind::Warning, QStringLiteral("ersetzt:é→"));
    rig.select(QStringLiteral("Café → Bar"));
    rig.click(Target::Block);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.row(1), QByteArray("BLOCK|\"CAF# # BAR\"|3|M3"));
}

void CopyboardWindowTest::theEditorGetsTheSelectionNotTheClipboard() {
    ProgramRig rig;
    // A clipboard manager that rewrites whatever is copied.
    QClipboard* clipboard = QApplication::clipboard();
    const QMetaObject::Connection manager =
        connect(clipboard, &QClipboard::dataChanged, [clipboard] {
            if (clipboard->text() != QLatin1String("managed"))
                clipboard->setText(QStringLiteral("managed"));
        });
    rig.select(QStringLiteral("Original"));
    rig.click(Target::Block);
    disconnect(manager);
    QCOMPARE(rig.row(1), QByteArray("BLOCK|ORIGINAL|3|M3"));
}

void CopyboardWindowTest::pendingEditIsOfferedFirst() {
    ProgramRig rig;
    rig.table().setRows({SequenceRows::entry("00010")});
    rig.editor().noteField()->setPlainText(QStringLiteral("geändert"));
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Änderungen in Tabelle übernehmen?"),
                        Answer::No);
    rig.select(QStringLiteral("Neu"));
    rig.click(Target::Block);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.table().cell(SequenceTable::NoteColumn, 1), QByteArray());
    QCOMPARE(rig.row(2), QByteArray("BLOCK|NEU|3|M3"));
}

// Yes to taking the pending edit, and the table refused it: the import went on with "Neuer
// Text" and emptied the editor.
void CopyboardWindowTest::refusedPendingEditStopsTheImport() {
    ProgramRig rig;
    rig.table().setRows({SequenceRows::entry("00010"), SequenceRows::entry("00020")});
    rig.windows->main().editor().loadEntry(1);
    rig.editor().numberField()->setText(QStringLiteral("00020"));
    rig.editor().noteField()->setPlainText(QStringLiteral("geändert"));
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Änderungen in Tabelle übernehmen?"),
                        Answer::Yes);
    rig.prompter.expect(Kind::Error, QStringLiteral("Text Nr.: 00020 existiert bereits."));
    rig.select(QStringLiteral("Neu"));
    rig.click(Target::Block);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.table().gridRowCount(), 3);
    QCOMPARE(rig.row(1), QByteArray("BLOCK|TEXT00010|3|M3"));
    QCOMPARE(rig.editor().numberField()->text(), QStringLiteral("00020"));
    QCOMPARE(rig.editor().noteField()->toPlainText(), QStringLiteral("geändert"));
    QCOMPARE(rig.editor().blockEditor()->toPlainText(), QStringLiteral("TEXT00010\n"));
}

void CopyboardWindowTest::secondImportMakesASecondEntry_data() {
    QTest::addColumn<Target>("target");
    QTest::newRow("block") << Target::Block;
    QTest::newRow("scroll") << Target::Scroll;
    QTest::newRow("flow") << Target::Flow;
}

// A sequence numbered 1, 2, 3: each import replaced the one before it under 00010.
void CopyboardWindowTest::secondImportMakesASecondEntry() {
    QFETCH(Target, target);
    ProgramRig rig;
    rig.table().setRows(
        {SequenceRows::entry("1"), SequenceRows::entry("2"), SequenceRows::entry("3")});
    for (const QString& text : {QStringLiteral("ERSTER"), QStringLiteral("ZWEITER")}) {
        rig.select(text);
        rig.click(target);
    }
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(SequenceRows::column(rig.table(), SequenceTable::NumberColumn),
             (QList<QByteArray>{"00010", "00020", "1", "2", "3"}));
    QVERIFY(rig.table().cell(SequenceTable::TextColumn, 1).contains("ERSTER"));
    QVERIFY(rig.table().cell(SequenceTable::TextColumn, 2).contains("ZWEITER"));
}

void CopyboardWindowTest::textTooLongForAFileIsRefused_data() {
    secondImportMakesASecondEntry_data();
}

// Every way into the table keeps the bound a sequence file holds: nothing is taken, and the
// editor keeps the text to be shortened or split.
void CopyboardWindowTest::textTooLongForAFileIsRefused() {
    QFETCH(Target, target);
    ProgramRig rig;
    rig.table().setRows({SequenceRows::entry("00010")});
    QStringList lines;
    for (int i = 0; i < 3000; ++i)
        lines << QStringLiteral("GUTEN ABEND, MEINE DAMEN");
    rig.prompter.expect(Kind::Error, QStringLiteral("höchstens 65536 Zeichen"));
    rig.select(lines.join(QLatin1Char('\n')));
    rig.click(target);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.table().gridRowCount(), 2);
    QCOMPARE(rig.row(1), QByteArray("BLOCK|TEXT00010|3|M3"));
    const QWidget* editor = rig.editor().editorOf(rig.editor().currentKind());
    const QString kept = target == Target::Flow
                             ? static_cast<const QPlainTextEdit*>(editor)->toPlainText()
                             : static_cast<const QTextEdit*>(editor)->toPlainText();
    QVERIFY(kept.startsWith(QStringLiteral("GUTEN ABEND, MEINE DAMEN")));
    QVERIFY(kept.size() > 3000 * 24);
}

void CopyboardWindowTest::newEntriesRestWhilePlaying() {
    ProgramRig rig;
    rig.table().setRows({SequenceRows::entry("00010")});
    const QList<Target> targets{Target::Block, Target::Scroll, Target::Flow};
    rig.windows->main().playback().play();
    for (Target target : targets)
        QVERIFY(!rig.copyboard().newEntryButton(target)->isEnabled());
    QVERIFY(rig.copyboard().copyButton()->isEnabled());
    rig.windows->main().playback().stop();
    for (Target target : targets)
        QVERIFY(rig.copyboard().newEntryButton(target)->isEnabled());
}

// A display too slow for a flowing text: 10 lines of 100 characters.
void CopyboardWindowTest::noFlowEntryWithoutTheFlowPage() {
    ProgramRig rig("Zeilen=10\nStellen=100\n");
    QVERIFY(!rig.copyboard().newEntryButton(Target::Flow)->isEnabled());
    QVERIFY(rig.copyboard().newEntryButton(Target::Block)->isEnabled());
    rig.windows->main().playback().play();
    rig.windows->main().playback().stop();
    QVERIFY(!rig.copyboard().newEntryButton(Target::Flow)->isEnabled());
}

void CopyboardWindowTest::geometryFollowsTheEditor() {
    ProgramRig rig;
    CopyboardWindow& window = rig.copyboard();
    const int editor = rig.editor().blockEditor()->width();
    QCOMPARE(window.textArea()->font(), rig.editor().blockEditor()->font());
    QCOMPARE(window.minimumWidth(), qMax(editor + 10, 190));
    QCOMPARE(window.maximumWidth(), window.minimumWidth());
    QCOMPARE(window.minimumHeight(), 300);
    QCOMPARE(window.pos(), QPoint(20, 20));
    QCOMPARE(window.height(), 510);
}

QTEST_MAIN(CopyboardWindowTest)
#include "tst_copyboardwindow.moc"

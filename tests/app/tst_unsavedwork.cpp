#include "programondoubles.h"

#include "app/mainwindow.h"
#include "display/statusline.h"
#include "editor/entryeditor.h"
#include "editor/entryeditorpanel.h"
#include "sequence/documentstate.h"
#include "sequence/rescuekeeper.h"
#include "sequence/rowselection.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencetable.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Answer = Prompter::Answer;
using Kind = ScriptedPrompter::Kind;

namespace {

const QByteArray Header = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n";

// The whole program on doubles over one folder. A run ends without a word (as a kill or a
// power cut ends it) when its windows go: nothing is asked, saved or cleaned up, and the
// rescue copies asked for are on disk.
struct ProgramRig : ProgramOnDoubles {
    explicit ProgramRig(const QByteArray& settings = QByteArray())
        : ProgramOnDoubles(u"RPW"_s) {
        write(u"RPW.ini"_s, "[Anzeige]\r\nSeriellerCOM-Port=1\r\n[Programm]\r\nLetzteDatei=" +
                                path(u"first.lta"_s).toLocal8Bit() + "\r\n" + settings);
        write(u"first.lta"_s, Header + "\t00010\tJA\tBLOCK\tERSTER\t1\tM1\t\t\r\n");
        write(u"second.lta"_s, Header + "\t00010\tJA\tBLOCK\tA\t1\tM1\t\t\r\n"
                                        "\t00020\tJA\tBLOCK\tB\t1\tM1\t\t\r\n"
                                        "\t00030\tJA\tBLOCK\tC\t1\tM1\t\t\r\n");
    }
    // Written a minute ago: a rescue copy taken in this test is newer, however coarse the
    // file system's clock.
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        QVERIFY(f.flush());
        QVERIFY(f.setFileTime(QDateTime::currentDateTime().addSecs(-60),
                              QFileDevice::FileModificationTime));
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<none>");
    }
    QStringList rescueFiles() const {
        return QDir(dir.path()).entryList({u"*.rescue*.lta"_s}, QDir::Files, QDir::Name);
    }
    EntryEditorPanel& editor() { return *main().form().editorPanel; }
    void crash() { windows.reset(); }
    // A correction typed into the editor and left there ("OK" not pressed).
    void typeNote(const QString& note) { editor().noteField()->setPlainText(note); }
    // Runs the virtual clock until the selection leaves `row` (at most a minute).
    void playUntilTheSelectionLeaves(int row) {
        for (int ms = 0; ms < 60000 && main().selection().selectedRow() == row; ms += 50)
            clock.advance(50);
    }
};

} // namespace

class UnsavedWorkTest : public QObject {
    Q_OBJECT

private slots:
    void rescueCopyOfferedWhenItsSequenceOpens_data();
    void rescueCopyOfferedWhenItsSequenceOpens();
    void followingKeepsACorrectionTypedDuringTheShow_data();
    void followingKeepsACorrectionTypedDuringTheShow();
};

void UnsavedWorkTest::rescueCopyOfferedWhenItsSequenceOpens_data() {
    QTest::addColumn<bool>("untitled");
    QTest::newRow("opened by Ablauf öffnen") << false;
    QTest::newRow("untitled, offered at the start") << true;
}

// A correction typed into a sequence other than the one opened at the start survives a
// crash; taken back and saved at once, it leaves no copy behind.
void UnsavedWorkTest::rescueCopyOfferedWhenItsSequenceOpens() {
    QFETCH(bool, untitled);
    ProgramRig rig;
    const QString name = untitled ? u"Unbenannt"_s : u"second"_s;
    rig.start();
    if (untitled) {
        rig.main().form().newAction->trigger();
    } else {
        rig.prompter.expectFile(Kind::OpenFile, rig.path(u"second.lta"_s));
        rig.main().form().openAction->trigger();
    }
    rig.typeNote(u"KORREKTUR"_s);
    rig.clock.advance(RescueKeeper::DelayMs);
    rig.crash();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.rescueFiles(), QStringList{name + u".rescue.lta"_s});

    // The next run opens the last sequence of the settings, first.lta.
    const QString question = u"Für "_s + QDir::toNativeSeparators(rig.path(name + u".lta"_s)) +
                             u" gibt es ungesicherte Änderungen"_s;
    if (untitled) {
        rig.prompter.expect(Kind::YesNo, question, Answer::Yes);
        rig.start();
    } else {
        rig.start();
        QVERIFY2(rig.prompter.finished(), rig.prompter.report());
        rig.prompter.expectFile(Kind::OpenFile, rig.path(u"second.lta"_s))
            .expect(Kind::YesNo, question, Answer::Yes);
        rig.main().form().openAction->trigger();
    }
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    const DocumentState& document = rig.main().sequence().document();
    QCOMPARE(document.currentFile(), rig.path(name + u".lta"_s));
    QVERIFY(document.isModified());
    QCOMPARE(rig.main().table().cell(SequenceTable::NoteColumn, 1), QByteArray("KORREKTUR"));

    // Saved within the rescue delay: the copy taken back goes with the save.
    rig.clock.advance(RescueKeeper::DelayMs - 1);
    if (untitled)
        rig.prompter.expectFile(Kind::SaveFile, rig.path(u"third.lta"_s));
    rig.main().form().saveAction->trigger();
    rig.clock.advance(RescueKeeper::DelayMs);
    rig.crash();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.rescueFiles(), QStringList());
    QVERIFY(rig.read(untitled ? u"third.lta"_s : u"second.lta"_s).contains("\tKORREKTUR\t"));
}

// With "Verfolgen" ticked the next entry of the show moves the table's selection and marker
// but leaves a correction in the editor; "OK" takes it into its own entry, also after the
// changes were once given up, and following then loads the editor again.
void UnsavedWorkTest::followingKeepsACorrectionTypedDuringTheShow_data() {
    QTest::addColumn<bool>("givenUp");
    QTest::newRow("committed") << false;
    QTest::newRow("given up, then typed again") << true;
}

void UnsavedWorkTest::followingKeepsACorrectionTypedDuringTheShow() {
    QFETCH(bool, givenUp);
    ProgramRig rig("[Einstellungen]\r\nVerfolgen=1\r\n");
    rig.services->sequenceFile = rig.path(u"second.lta"_s);
    rig.start();
    rig.main().findChild<QToolButton*>(u"Play"_s)->click();
    QCOMPARE(rig.main().table().marker(1), SequenceTable::Marker::Playing);
    rig.typeNote(u"KORREKTUR"_s);

    rig.playUntilTheSelectionLeaves(1);
    QCOMPARE(rig.main().selection().selectedRow(), 2);
    QCOMPARE(rig.main().table().marker(2), SequenceTable::Marker::Playing);
    QCOMPARE(rig.editor().numberField()->text(), u"00010"_s);
    QCOMPARE(rig.editor().noteField()->toPlainText(), u"KORREKTUR"_s);
    QVERIFY(rig.main().editor().isEntryModified());
    const QString status = rig.main().form().statusLine->currentMessage();
    QVERIFY2(status.startsWith(u"Verfolgen: Text 00020 nicht in den Editor geladen"_s),
             qPrintable(status));

    if (givenUp) {
        // The editor still shows 00010: a correction typed now is one of 00010 again.
        rig.prompter.expect(Kind::YesNo, u"Änderungen in Tabelle übernehmen?"_s, Answer::No);
        rig.main().editor().offerPendingCommit();
        QCOMPARE(rig.main().table().cell(SequenceTable::NoteColumn, 1), QByteArray());
        rig.typeNote(u"KORREKTUR"_s);
    }
    rig.editor().commitButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.main().table().cell(SequenceTable::NoteColumn, 1), QByteArray("KORREKTUR"));
    QCOMPARE(rig.main().table().cell(SequenceTable::NoteColumn, 2), QByteArray());
    QVERIFY(!rig.main().editor().isEntryModified());

    const int committed = rig.main().selection().selectedRow();
    rig.playUntilTheSelectionLeaves(committed);
    const int next = rig.main().selection().selectedRow();
    QVERIFY(next != committed);
    QCOMPARE(rig.editor().numberField()->text(),
             QString::fromLatin1(rig.main().table().cell(SequenceTable::NumberColumn, next)));
}

QTEST_MAIN(UnsavedWorkTest)
#include "tst_unsavedwork.moc"

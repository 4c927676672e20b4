#include "recordingeditor.h"
#include "scriptedprompter.h"
#include "sequencerows.h"

#include "sequence/conversionerror.h"
#include "sequence/documentstate.h"
#include "sequence/marklist.h"
#include "sequence/rowselection.h"
#include "sequence/tablecommands.h"

#include "windows/languageswitch.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::StringLiterals;
using Answer = Prompter::Answer;
using ByteList = QList<QByteArray>;
using Kind = ScriptedPrompter::Kind;

namespace {

// The commands over a real table and selection, with the editor reduced to what the commands
// ask of it.
struct Rig {
    SequenceTable table;
    RowSelection selection{table};
    MarkList marks;
    DocumentState document;
    ScriptedPrompter prompter;
    QString language = u"D"_s;
    LanguageSwitch languages;
    RecordingEditor editor;
    QList<int> selectedWhileFollowing;
    std::unique_ptr<TableCommands> commands;

    explicit Rig(const ByteList& numbers = {}) {
        if (!numbers.isEmpty())
            SequenceRows::fill(table, numbers);
        QObject::connect(&selection, &RowSelection::rowSelected, [this](int row) {
            if (editor.follows)
                selectedWhileFollowing.append(row);
        });
        commands = std::make_unique<TableCommands>(
            CommandContext{table, selection, marks, document, prompter, editor.hooks(), [this] {
                               return language;
                           }});
    }
    void mark(std::initializer_list<const char*> numbers) {
        for (const char* n : numbers) {
            marks.append(n);
            if (const int row = table.findNumber(n))
                table.setMarker(row, SequenceTable::Marker::Marked);
        }
    }
    ByteList numbers() const { return SequenceRows::column(table, SequenceTable::NumberColumn); }
    ByteList notes() const { return SequenceRows::column(table, SequenceTable::NoteColumn); }
};

} // namespace

class TableCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void newNumber_data();
    void newNumber();
    void newTextStopsAtANumberThatDoesNotConvert();
    void newTextKeepsChangesTheTableRefused();
    void renumber_data();
    void renumber();
    void deleteSelected_data();
    void deleteSelected();
    void deleteMarked_data();
    void deleteMarked();
    void exchange_data();
    void exchange();
    void activeStateOfAll();
    void search_data();
    void search();
    void clickInTheMarkingList();
};

void TableCommandsTest::newNumber_data() {
    QTest::addColumn<ByteList>("numbers");
    QTest::addColumn<QByteArray>("proposal");
    QTest::newRow("empty table") << ByteList{} << QByteArray("00010");
    QTest::newRow("00240") << ByteList{"00010", "00230", "00235"} << QByteArray("00240");
    QTest::newRow("000105") << ByteList{"000105"} << QByteArray("00020");
    QTest::newRow("99990") << ByteList{"99990"} << QByteArray("00000");
}

void TableCommandsTest::newNumber() {
    QFETCH(ByteList, numbers);
    QFETCH(QByteArray, proposal);
    for (const bool newText : {false, true}) {
        Rig rig(numbers);
        rig.selection.select(1);
        if (newText)
            rig.commands->newText();
        else
            rig.commands->proposeNumber();
        QCOMPARE(rig.editor.number, proposal);
        // "Neuer Text" also offers to take editor changes and empties the editor.
        QCOMPARE(rig.editor.guards, newText ? 1 : 0);
        QCOMPARE(rig.editor.resets, newText ? 1 : 0);
        QCOMPARE(rig.selection.selectedRow(), 1);
        QCOMPARE(rig.numbers().size(), qMax(1, int(numbers.size())));
        QVERIFY(!rig.document.isModified());
    }
}

void TableCommandsTest::newTextStopsAtANumberThatDoesNotConvert() {
    Rig rig({"00010", "0010A"});
    QVERIFY_THROWS_EXCEPTION(ConversionError, rig.commands->newText());
    QCOMPARE(rig.editor.number, QByteArray("00010"));
    QVERIFY(rig.editor.numbersSet.isEmpty());
    QCOMPARE(rig.editor.resets, 0);
}

// Yes to taking the editor's changes, and the table refused them: clearing the editor now
// would lose them.
void TableCommandsTest::newTextKeepsChangesTheTableRefused() {
    Rig rig({"00010"});
    rig.editor.changesRefused = true;
    QVERIFY(!rig.commands->newText());
    QCOMPARE(rig.editor.guards, 1);
    QVERIFY(rig.editor.numbersSet.isEmpty());
    QCOMPARE(rig.editor.resets, 0);
}

void TableCommandsTest::renumber_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<ByteList>("numbers");
    const QString german = u"Achtung! Alle Texte werden neu duchnummeriert bei 00010 beginnend in "
                           u"Schritten von 10. Die bisherige Reihenfolge bleibt dabei erhalten."_s;
    QTest::newRow("Yes") << u"D"_s << Answer::Yes << ByteList{"00010", "00020", "00030"};
    QTest::newRow("No") << u"D"_s << Answer::No << ByteList{"00005", "00017", "A"};
    QTest::newRow("English") << u"GB"_s << Answer::Yes << ByteList{"00010", "00020", "00030"};
}

void TableCommandsTest::renumber() {
    QFETCH(QString, language);
    QFETCH(Answer, answer);
    QFETCH(ByteList, numbers);
    Rig rig({"00005", "00017", "A"});
    rig.language = language;
    rig.languages.apply(rig.language);
    rig.selection.select(2);
    rig.prompter.expect(Kind::WarningYesNo,
                        language == "GB"_L1 ? u"Attention! All texts get new numbers. Starting at "
                                              u"00010 in steps by 10. The previous order will not "
                                              u"be changed."_s
                                            : u"Achtung! Alle Texte werden neu duchnummeriert bei "
                                              u"00010 beginnend in Schritten von 10. Die bisherige "
                                              u"Reihenfolge bleibt dabei erhalten."_s,
                        answer);
    rig.commands->renumberAll();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), numbers);
    QCOMPARE(rig.document.isModified(), answer == Answer::Yes);
    QCOMPARE(rig.editor.loaded, answer == Answer::Yes ? QList<int>{2} : QList<int>{});

    // Not offered when row 1 has no number: no question.
    Rig empty;
    empty.commands->renumberAll();
    QVERIFY2(empty.prompter.finished(), empty.prompter.report());
}

void TableCommandsTest::deleteSelected_data() {
    QTest::addColumn<ByteList>("table");
    QTest::addColumn<ByteList>("marked");
    QTest::addColumn<int>("selected");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<ByteList>("left");
    QTest::newRow("the only entry")
        << ByteList{"00010"} << ByteList{} << 1 << Answer::Yes << ByteList{""};
    QTest::newRow("No keeps it") << ByteList{"00010", "00020"} << ByteList{} << 2 << Answer::No
                                 << ByteList{"00010", "00020"};
    QTest::newRow("selected of three") << ByteList{"00010", "00020", "00030"} << ByteList{} << 2
                                       << Answer::Yes << ByteList{"00010", "00030"};
    // Marks that no row holds any more are dropped: the selected entry is meant.
    QTest::newRow("only stale marks")
        << ByteList{"00010", "00020"} << ByteList{"00015"} << 1 << Answer::Yes << ByteList{"00020"};
}

void TableCommandsTest::deleteSelected() {
    QFETCH(ByteList, table);
    QFETCH(ByteList, marked);
    QFETCH(int, selected);
    QFETCH(Answer, answer);
    QFETCH(ByteList, left);
    Rig rig(table);
    for (const QByteArray& n : marked)
        rig.marks.append(n);
    rig.selection.select(selected);
    rig.selectedWhileFollowing.clear();
    QSignalSpy marksChanged(rig.commands.get(), &TableCommands::marksChanged);
    rig.prompter.expect(
        Kind::WarningYesNo,
        u"Achtung! Soll der aktuell ausgewählte Text (blauer Balken) gelöscht werden?"_s, answer);
    rig.commands->deleteTexts();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), left);
    QCOMPARE(rig.document.isModified(), answer == Answer::Yes);
    QVERIFY(rig.marks.numbers().isEmpty());
    QCOMPARE(marksChanged.isEmpty(), marked.isEmpty() && answer == Answer::No);
    QVERIFY(rig.table.gridRowCount() >= 2);
    // The editor keeps the deleted entry: the row moving up into the selection is not loaded.
    QVERIFY(rig.editor.loaded.isEmpty());
    QCOMPARE(rig.selectedWhileFollowing, QList<int>{});
}

void TableCommandsTest::deleteMarked_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<ByteList>("marked");
    QTest::addColumn<QString>("question");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<ByteList>("left");
    QTest::newRow("in marking order") << u"D"_s << ByteList{"00010", "00030"}
                                      << u"Achtung! Sollen die Texte 00010,00030 gelöscht werden?"_s
                                      << Answer::Yes << ByteList{"00020"};
    QTest::newRow("English") << u"GB"_s << ByteList{"00030", "00010"}
                             << u"Attention! Erase 00030,00010 ?"_s << Answer::Yes
                             << ByteList{"00020"};
    QTest::newRow("No keeps the marks")
        << u"D"_s << ByteList{"00020"} << u"Achtung! Sollen die Texte 00020 gelöscht werden?"_s
        << Answer::No << ByteList{"00010", "00020", "00030"};
    QTest::newRow("stale numbers are not named")
        << u"D"_s << ByteList{"00015", "00020"}
        << u"Achtung! Sollen die Texte 00020 gelöscht werden?"_s << Answer::Yes
        << ByteList{"00010", "00030"};
}

void TableCommandsTest::deleteMarked() {
    QFETCH(QString, language);
    QFETCH(ByteList, marked);
    QFETCH(QString, question);
    QFETCH(Answer, answer);
    QFETCH(ByteList, left);
    Rig rig({"00010", "00020", "00030"});
    rig.language = language;
    rig.languages.apply(rig.language);
    for (const QByteArray& n : marked)
        rig.mark({n.constData()});
    rig.selection.select(2);
    rig.selectedWhileFollowing.clear();
    rig.prompter.expect(Kind::WarningYesNo, question, answer);
    rig.commands->deleteTexts();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.prompter.shown().last(), question);
    QCOMPARE(rig.numbers(), left);
    QCOMPARE(rig.marks.numbers().isEmpty(), answer == Answer::Yes);
    QCOMPARE(rig.document.isModified(), answer == Answer::Yes);
    // Deleting loads nothing into the editor.
    QVERIFY(rig.editor.loaded.isEmpty());
    QCOMPARE(rig.selectedWhileFollowing, QList<int>{});
}

void TableCommandsTest::exchange_data() {
    QTest::addColumn<ByteList>("marked");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<ByteList>("notes");
    const ByteList unchanged{"note 00010", "note 00020", "note 00030"};
    QTest::newRow("two") << ByteList{"00010", "00020"} << Answer::Yes
                         << ByteList{"note 00020", "note 00010", "note 00030"};
    QTest::newRow("No keeps the marks") << ByteList{"00010", "00020"} << Answer::No << unchanged;
    QTest::newRow("one") << ByteList{"00010"} << Answer::Ok << unchanged;
    QTest::newRow("three") << ByteList{"00010", "00020", "00030"} << Answer::Ok << unchanged;
    QTest::newRow("two, one of them stale")
        << ByteList{"00010", "00015"} << Answer::Ok << unchanged;
}

void TableCommandsTest::exchange() {
    QFETCH(ByteList, marked);
    QFETCH(Answer, answer);
    QFETCH(ByteList, notes);
    Rig rig({"00010", "00020", "00030"});
    for (const QByteArray& n : marked)
        rig.mark({n.constData()});
    rig.selection.select(1);
    rig.selectedWhileFollowing.clear();
    const bool asks = answer != Answer::Ok;
    if (asks)
        rig.prompter.expect(Kind::WarningYesNo,
                            u"Achtung! Sollen die Texte 00010 und 00020 getauscht werden?"_s,
                            answer);
    else
        rig.prompter.expect(Kind::Information,
                            u"Es können nicht mehr als 2 Texte miteinander getauscht werden."_s);
    rig.commands->exchangeTexts();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.notes(), notes);
    QCOMPARE(rig.numbers(), (ByteList{"00010", "00020", "00030"}));
    QCOMPARE(rig.document.isModified(), answer == Answer::Yes);
    QVERIFY(rig.editor.follows);
    QVERIFY(rig.editor.loaded.isEmpty());
    QVERIFY(rig.selectedWhileFollowing.isEmpty()); // the editor is not reloaded
    if (answer == Answer::Yes) {
        QVERIFY(rig.marks.numbers().isEmpty());
        QCOMPARE(rig.selection.selectedRow(), 2); // the selected text moved to row 2
        // Its number field follows it, so "OK" edits the same text under its new number.
        QCOMPARE(rig.editor.numbersSet, ByteList{"00020"});
    } else {
        QVERIFY(rig.editor.numbersSet.isEmpty());
        if (asks)
            QCOMPARE(rig.marks.numbers(), marked);
    }
}

void TableCommandsTest::activeStateOfAll() {
    Rig rig({"00010", "00020", "00030"});
    rig.table.setCell(SequenceTable::ActiveColumn, 1, "NEIN");
    rig.selection.select(2);
    rig.commands->deactivateAll();
    QCOMPARE(SequenceRows::column(rig.table, SequenceTable::ActiveColumn),
             (ByteList{"NEIN", "JA", "NEIN"}));
    rig.commands->activateAll();
    QCOMPARE(SequenceRows::column(rig.table, SequenceTable::ActiveColumn),
             (ByteList{"JA", "JA", "JA"}));
    rig.language = u"GB"_s;
    rig.languages.apply(rig.language);
    rig.commands->deactivateAll();
    QCOMPARE(SequenceRows::column(rig.table, SequenceTable::ActiveColumn),
             (ByteList{"NO", "YES", "NO"}));
    QVERIFY(!rig.document.isModified());
    QVERIFY(rig.editor.loaded.isEmpty());
}

void TableCommandsTest::search_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("message");
    QTest::newRow("found") << u"D"_s << u"00030"_s << 3 << QString();
    QTest::newRow("not found") << u"D"_s << u"nirgends"_s << 1 << u"\"nirgends\" nicht gefunden."_s;
    QTest::newRow("not found, English")
        << u"GB"_s << u"nowhere"_s << 1 << u"\"nowhere\" not found."_s;
}

void TableCommandsTest::search() {
    QFETCH(QString, language);
    QFETCH(QString, text);
    QFETCH(int, selected);
    QFETCH(QString, message);
    Rig rig({"00010", "00020", "00030"});
    rig.language = language;
    rig.languages.apply(rig.language);
    rig.selection.select(1);
    if (!message.isEmpty())
        rig.prompter.expect(Kind::Information, message);
    QCOMPARE(rig.commands->findNext({text, SequenceTable::NoteColumn, false, true}),
             message.isEmpty());
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.selection.selectedRow(), selected);
}

void TableCommandsTest::clickInTheMarkingList() {
    Rig rig({"00010", "00020", "00030"});
    rig.mark({"00030", "00015"});
    rig.selection.select(1);
    QSignalSpy marksChanged(rig.commands.get(), &TableCommands::marksChanged);
    rig.commands->selectMarked("00030");
    QCOMPARE(rig.selection.selectedRow(), 3);
    QVERIFY(marksChanged.isEmpty());
    rig.commands->selectMarked("00015");
    QCOMPARE(rig.selection.selectedRow(), 3);
    QCOMPARE(rig.marks.numbers(), ByteList{"00030"});
    QCOMPARE(marksChanged.size(), 1);
}

QTEST_MAIN(TableCommandsTest)
#include "tst_tablecommands.moc"

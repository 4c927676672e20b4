#include "editorrig.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class EntryCommitTest : public QObject {
    Q_OBJECT

private slots:
    void commit_data();
    void commit();
    void separatorsBecomeSpaces_data();
    void separatorsBecomeSpaces();
    void activeWord_data();
    void activeWord();
    void entryOnTheDisplayIsRefused();
    void pageChangeTimeBeingTyped_data();
    void pageChangeTimeBeingTyped();
};

namespace {

QString lines(int n, const QString& line = QStringLiteral("A")) {
    QStringList out;
    for (int i = 0; i < n; ++i)
        out << line;
    return out.join(QLatin1Char('\n'));
}

const QString Quote = QStringLiteral("\"");

} // namespace

void EntryCommitTest::commit_data() {
    QTest::addColumn<int>("lineCount");
    QTest::addColumn<int>("columnCount");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<QStringList>("flowLines");
    QTest::addColumn<bool>("preset");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selectedAfter");
    QTest::addColumn<QString>("editorAfter");

    const QStringList fresh{QString()};
    const QStringList none;
    const QString tooShort = QStringLiteral("W:Anzeigedauer ist für diesen Text zu klein");

    // The minimum duration of each kind, written as "M" when no preset is ticked.
    QTest::newRow("block 7 lines")
        << 3 << 24 << fresh << 1 << "B"
        << "00010" << lines(7) << 3 << none << false << 0 << 0 << none
        << QStringList{"00010|JA|BLOCK|A,A,A,A,A,A,A|3|M9|"} << 1 << QString();
    QTest::newRow("block 6 lines")
        << 3 << 24 << fresh << 1 << "B"
        << "00010" << lines(6) << 3 << none << false << 0 << 0 << none
        << QStringList{"00010|JA|BLOCK|A,A,A,A,A,A|3|M6|"} << 1 << QString();
    QTest::newRow("block empty") << 3 << 24 << fresh << 1 << "B"
                                 << "00010" << QString() << 3 << none << false << 0 << 0 << none
                                 << QStringList{"00010|JA|BLOCK||3|M0|"} << 1 << QString();
    QTest::newRow("block 4 lines, 5 s")
        << 3 << 24 << fresh << 1 << "B"
        << "00010" << lines(4) << 5 << none << false << 0 << 0 << none
        << QStringList{"00010|JA|BLOCK|A,A,A,A|5|M10|"} << 1 << QString();
    QTest::newRow("scroll 7 lines")
        << 3 << 24 << fresh << 1 << "S"
        << "00010" << lines(7) << 3 << none << false << 0 << 0 << none
        << QStringList{"00010|JA|SCROLL|A,A,A,A,A,A,A|3|M30|"} << 1 << QString();
    QTest::newRow("scroll empty, 2 lines")
        << 2 << 24 << fresh << 1 << "S"
        << "00010" << QString() << 3 << QStringList{QString()} << false << 0 << 0 << none
        << QStringList{"00010|JA|SCROLL||3|M6|"} << 1 << QString();
    QTest::newRow("flow 40 characters, step 5")
        << 3 << 24 << fresh << 1 << "F"
        << "00010" << QString(40, 'X') << 5 << QStringList{"", ""} << false << 0 << 0 << none
        << QStringList{"00010|JA|FLIESS|" + Quote + QString(40, 'X') + Quote + "|5,1,,\"\"|M32|"}
        << 1 << QString();
    QTest::newRow("flow 40 characters, step 3")
        << 3 << 24 << fresh << 1 << "F"
        << "00010" << QString(40, 'X') << 3 << QStringList{"", ""} << false << 0 << 0 << none
        << QStringList{"00010|JA|FLIESS|" + Quote + QString(40, 'X') + Quote + "|3,1,,\"\"|M19|"}
        << 1 << QString();
    QTest::newRow("flow 13 characters, 20 columns")
        << 3 << 20 << fresh << 1 << "F"
        << "00010" << QString(13, 'X') << 7 << QStringList{"", ""} << false << 0 << 0 << none
        << QStringList{"00010|JA|FLIESS|" + Quote + QString(13, 'X') + Quote + "|7,1,,\"\"|M23|"}
        << 1 << QString();
    // The line breaks count as characters before they are joined: 13 characters.
    QTest::newRow("flow lines joined")
        << 3 << 24 << fresh << 1 << "F"
        << "00010"
        << "Hallo\nWelt\n"
        << 5 << QStringList{"oben", "stra\u00dfe"} << false << 0 << 0 << none
        << QStringList{"00010|JA|FLIESS|\"HALLO WELT\"|5,1,OBEN,STRA\u00dfE|M18|"} << 1
        << "HALLO WELT";

    // A preset duration is kept when the text fits into it, else raised to the minimum.
    QTest::newRow("preset equal to minimum")
        << 3 << 24 << fresh << 1 << "B"
        << "00010" << lines(7) << 3 << none << true << 0 << 9 << none
        << QStringList{"00010|JA|BLOCK|A,A,A,A,A,A,A|3|V9|"} << 1 << QString();
    QTest::newRow("preset below minimum")
        << 3 << 24 << fresh << 1 << "B"
        << "00010" << lines(4) << 5 << none << true << 0 << 9 << QStringList{tooShort}
        << QStringList{"00010|JA|BLOCK|A,A,A,A|5|M10|"} << 1 << QString();
    QTest::newRow("sixty seconds") << 3 << 24 << fresh << 1 << "B"
                                   << "00010" << QString() << 3 << none << true << 1 << 60 << none
                                   << QStringList{"00010|JA|BLOCK||3|V120|"} << 1 << QString();
    QTest::newRow("minutes at their limit")
        << 1 << 24 << fresh << 1 << "B"
        << "00010" << lines(25) << 3600 << none << false << 0 << 0 << none
        << QStringList{"00010|JA|BLOCK|" + lines(25).replace('\n', ',') + "|3600|M86400|"} << 1
        << QString();

    // The number decides the target row.
    const QString a = QStringLiteral("|JA|BLOCK|ALT|3|M3|");
    QTest::newRow("own number edits the entry")
        << 3 << 24 << QStringList{"00010" + a} << 1 << "B"
        << "00010"
        << "NEU" << 3 << none << false << 0 << 0 << none << QStringList{"00010|JA|BLOCK|NEU|3|M3|"}
        << 1 << "NEU\n";
    QTest::newRow("other number adds, sorted in front")
        << 3 << 24 << QStringList{"00020" + a, "00030" + a} << 2 << "B"
        << "00010"
        << "NEU" << 3 << none << false << 0 << 0 << none
        << QStringList{"00010|JA|BLOCK|NEU|3|M3|", "00020" + a, "00030" + a} << 1 << QString();
    QTest::newRow("A10 then a10 adds a second row")
        << 3 << 24 << QStringList{"A10" + a} << 1 << "B"
        << "a10"
        << "NEU" << 3 << none << false << 0 << 0 << none
        << QStringList{"A10" + a, "a10|JA|BLOCK|NEU|3|M3|"} << 2 << QString();
    QTest::newRow("number held by another row")
        << 3 << 24 << QStringList{"00020" + a, "00030" + a} << 1 << "B"
        << "00030"
        << "NEU" << 3 << none << false << 0 << 0
        << QStringList{"E:Text Nr.: 00030 existiert bereits."}
        << QStringList{"00020" + a, "00030" + a} << 1 << "NEU";
    QTest::newRow("letter case does not make it another number")
        << 3 << 24 << QStringList{"abc" + a, "x" + a} << 2 << "B"
        << "ABC"
        << "NEU" << 3 << none << false << 0 << 0
        << QStringList{"E:Text Nr.: ABC existiert bereits."} << QStringList{"abc" + a, "x" + a} << 2
        << QString();
    QTest::newRow("empty number") << 3 << 24 << QStringList{"00020" + a} << 1 << "B"
                                  << ""
                                  << "NEU" << 3 << none << false << 0 << 0
                                  << QStringList{"E:Keine Textnummer eingetragen."}
                                  << QStringList{"00020" + a} << 1 << QString();

    // Characters the display cannot show become "#", with one warning listing them.
    QTest::newRow("pasted tab and e acute")
        << 3 << 24 << fresh << 1 << "B"
        << "00010"
        << "a\tb\u00e9" << 3 << none << false << 0 << 0 << QStringList{"W:ersetzt:\t\u00e9"}
        << QStringList{"00010|JA|BLOCK|A#B#|3|M3|"} << 1 << "A#B#\n";
    // Characters Windows-1252 lacks (from word processors, other scripts, emoji) are no
    // question marks: they are replaced and named like the rest, in the order they came.
    QTest::newRow("arrow, less-or-equal, emoji, e acute")
        << 3 << 24 << fresh << 1 << "B"
        << "00010"
        << "a\u2192b\u2264c\U0001F600\u00e9" << 3 << none << false << 0 << 0
        << QStringList{"W:ersetzt:\u2192\u2264\U0001F600\u00e9"}
        << QStringList{"00010|JA|BLOCK|A#B#C##|3|M3|"} << 1 << "A#B#C##\n";
    QTest::newRow("Cyrillic in a scroll text")
        << 3 << 24 << fresh << 1 << "S"
        << "00010"
        << "\u0416a" << 3 << none << false << 0 << 0 << QStringList{"W:ersetzt:\u0416"}
        << QStringList{"00010|JA|SCROLL|#A|3|M12|"} << 1 << QString();
    QTest::newRow("flow text and a fixed line, a warning each")
        << 3 << 24 << fresh << 1 << "F"
        << "00010"
        << "x\U0001F600" << 5 << QStringList{"\u03a9", ""} << false << 0 << 0
        << QStringList{"W:ersetzt:\U0001F600", "W:ersetzt:\u03a9"}
        << QStringList{"00010|JA|FLIESS|\"X#\"|5,1,#,\"\"|M13|"} << 1 << "X#";
    QTest::newRow("sharp s stays")
        << 3 << 24 << fresh << 1 << "B"
        << "00010"
        << "stra\u00dfe" << 3 << none << false << 0 << 0 << none
        << QStringList{"00010|JA|BLOCK|STRA\u00dfE|3|M3|"} << 1 << QString();
    QTest::newRow("wrapped lines become lines of their own")
        << 3 << 10 << fresh << 1 << "B"
        << "00010"
        << "GUTEN ABEND MEINE DAMEN" << 3 << none << false << 0 << 0 << none
        << QStringList{"00010|JA|BLOCK|\"GUTEN \",\"ABEND \",\"MEINE \",DAMEN|3|M6|"} << 1
        << "GUTEN \nABEND \nMEINE \nDAMEN\n";
}

void EntryCommitTest::commit() {
    QFETCH(int, lineCount);
    QFETCH(int, columnCount);
    QFETCH(QStringList, rows);
    QFETCH(int, selected);
    QFETCH(QString, kind);
    QFETCH(QString, number);
    QFETCH(QString, text);
    QFETCH(int, parameter);
    QFETCH(QStringList, flowLines);
    QFETCH(bool, preset);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);
    QFETCH(int, selectedAfter);
    QFETCH(QString, editorAfter);

    EditorRig rig(lineCount, columnCount);
    EntryEditorPanel& f = *rig.panel;
    rig.setRows(rows);
    rig.selection.select(selected);
    f.numberField()->setText(number);
    if (kind == QLatin1String("B")) {
        f.kindTabs()->setCurrentWidget(f.blockPage());
        f.blockEditor()->setPlainText(text);
        f.pageTime()->setValue(parameter);
    } else if (kind == QLatin1String("S")) {
        f.kindTabs()->setCurrentWidget(f.scrollPage());
        f.scrollEditor()->setPlainText(text);
        f.lineTime()->setValue(parameter);
    } else {
        f.kindTabs()->setCurrentWidget(f.flowPage());
        f.flowEditor()->setPlainText(text);
        f.flowStep()->setValue(parameter);
    }
    QCOMPARE(f.flowLineFields().size(), lineCount - 1);
    for (int i = 0; i < flowLines.size() && i < f.flowLineFields().size(); ++i)
        f.flowLineFields().at(i)->setText(flowLines.at(i));
    f.byDuration()->setChecked(preset);
    f.durationMinutes()->setValue(minutes);
    f.durationSeconds()->setValue(seconds);
    rig.expectBoxes(boxes);

    QVERIFY(rig.editor->isEntryModified());
    // The rescue copy's view of the commit: the same table, without a box or a change.
    const QStringList before = rig.rows();
    const std::unique_ptr<SequenceTable> quiet = rig.editor->tableWithPendingEntry();
    QVERIFY(quiet);
    QCOMPARE(rig.prompter.shown(), QStringList());
    QCOMPARE(rig.rows(), before);
    QCOMPARE(rig.selection.selectedRow(), selected);
    QVERIFY(rig.editor->isEntryModified());
    f.commitButton()->click();

    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.rows(), expected);
    QCOMPARE(EditorRig::rowsOf(*quiet), expected);
    QCOMPARE(rig.selection.selectedRow(), selectedAfter);
    QVERIFY(!rig.editor->isEntryModified());
    QVERIFY(rig.document.isModified());
    QVERIFY(rig.editor->flags().followsSelection);
    if (!editorAfter.isNull()) {
        const QString shown = kind == QLatin1String("F") ? f.flowEditor()->toPlainText()
                                                         : f.blockEditor()->toPlainText();
        QCOMPARE(shown, editorAfter);
    }
}

void EntryCommitTest::separatorsBecomeSpaces_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain") << "00010"
                           << "Licht aus\nVorhang"
                           << "00010|\"Licht aus\",Vorhang";
    QTest::newRow("tab in the number") << "00\t10"
                                       << ""
                                       << "00 10|";
    QTest::newRow("tab in a note line") << "00010"
                                        << "A\tB"
                                        << "00010|\"A B\"";
    QTest::newRow("line breaks of the note are its lines") << "00010"
                                                           << "A\n\nB\n"
                                                           << "00010|A,,B";
}

void EntryCommitTest::separatorsBecomeSpaces() {
    QFETCH(QString, number);
    QFETCH(QString, note);
    QFETCH(QString, expected);
    EditorRig rig;
    rig.panel->numberField()->setText(number);
    rig.panel->noteField()->setPlainText(note);
    rig.editor->commitEntry();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    const QStringList cells = rig.rows().value(0).split(QLatin1Char('|'));
    QCOMPARE(cells.value(0) + "|" + cells.value(6), expected);
}

void EntryCommitTest::activeWord_data() {
    QTest::addColumn<QString>("languageCode");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("expected");

    const QStringList alone{QStringLiteral("00010|JA|BLOCK|A|3|M3|")};
    const QStringList others{QStringLiteral("00010|JA|BLOCK|A|3|M3|"),
                             QStringLiteral("00020|JA|BLOCK|B|3|M3|")};
    QTest::newRow("active") << "D" << others << true << "JA";
    QTest::newRow("inactive") << "D" << others << false << "NEIN";
    QTest::newRow("inactive in English") << "GB" << others << false << "NO";
    QTest::newRow("the last active one stays active") << "D" << alone << false << "JA";
    QTest::newRow("an English word is rewritten in German")
        << "D" << QStringList{"00010|YES|BLOCK|A|3|M3|"} << true << "JA";
}

void EntryCommitTest::activeWord() {
    QFETCH(QString, languageCode);
    QFETCH(QStringList, rows);
    QFETCH(bool, active);
    QFETCH(QString, expected);
    EditorRig rig(3, 24, languageCode);
    rig.setRows(rows);
    rig.selection.select(1);
    rig.editor->loadEntry(1);
    QVERIFY(rig.panel->activeCheckBox()->isChecked());
    // The hidden box raises no change: the commit runs all the same.
    rig.panel->activeCheckBox()->setChecked(active);
    rig.editor->commitEntry();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(QString::fromLatin1(rig.table.cell(SequenceTable::ActiveColumn, 1)), expected);
}

void EntryCommitTest::entryOnTheDisplayIsRefused() {
    EditorRig rig(3, 24, QStringLiteral("GB"));
    rig.setRows({QStringLiteral("00010|YES|BLOCK|A|3|M3|")});
    rig.selection.select(1);
    QByteArrayList asked;
    rig.editor->setRunningCheck([&](const QByteArray& number) {
        asked << number;
        return number == "00010";
    });
    rig.panel->numberField()->setText(QStringLiteral("00010"));
    rig.panel->blockEditor()->setPlainText(QStringLiteral("NEU"));
    rig.prompter.expect(ScriptedPrompter::Kind::Error,
                        QStringLiteral("This text is just running!"));
    rig.panel->changeNumberButton()->click();

    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(asked, QByteArrayList{"00010"});
    QCOMPARE(rig.rows(), QStringList{"00010|YES|BLOCK|A|3|M3|"});
    QVERIFY(rig.editor->isEntryModified());
    QVERIFY(!rig.document.isModified());
    // "Nr. ändern" asks for one commit only, also when that one was refused.
    QVERIFY(!rig.editor->flags().renameOnCommit);

    // Another number commits while the entry runs.
    rig.panel->numberField()->setText(QStringLiteral("00020"));
    rig.panel->commitButton()->click();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.rows().size(), 2);
}

void EntryCommitTest::pageChangeTimeBeingTyped_data() {
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("parameter");
    QTest::newRow("as the field holds it") << "7" << QByteArray("7");
    QTest::newRow("emptied") << "" << QByteArray("7");
    QTest::newRow("below its range") << "0" << QByteArray("7");
}

// A commit by the leave guard (saving, another row) can find the page change time being
// typed: the cell takes the value the field holds, so the entry still loads and plays.
void EntryCommitTest::pageChangeTimeBeingTyped() {
    QFETCH(QString, shown);
    QFETCH(QByteArray, parameter);

    EditorRig rig;
    EntryEditorPanel& f = *rig.panel;
    rig.setRows({QStringLiteral("00010|JA|BLOCK|A|3|M3|")});
    rig.selection.select(1);
    f.numberField()->setText(QStringLiteral("00010"));
    f.kindTabs()->setCurrentWidget(f.blockPage());
    f.blockEditor()->setPlainText(QStringLiteral("B"));
    f.pageTime()->setValue(7);
    f.pageTime()->findChild<QLineEdit*>()->setText(shown);
    QCOMPARE(f.pageTime()->text(), shown);

    rig.editor->commitEntry();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.table.cell(SequenceTable::ParameterColumn, 1), parameter);
    rig.editor->loadEntry(1);
    QCOMPARE(f.pageTime()->value(), 7);
}

QTEST_MAIN(EntryCommitTest)
#include "tst_entrycommit.moc"

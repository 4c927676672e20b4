#include "recordingeditor.h"
#include "scriptedprompter.h"
#include "sequencerows.h"

#include "sequence/documentcommands.h"
#include "sequence/documentstate.h"
#include "sequence/marklist.h"
#include "sequence/rowselection.h"
#include "sequence/sequencefile.h"

#include "windows/languageswitch.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using Answer = Prompter::Answer;
using ByteList = QList<QByteArray>;
using Kind = ScriptedPrompter::Kind;

namespace {

const QByteArray TwoEntries = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n"
                              "\t00010\tNEIN\tBLOCK\tA\t3\tV10\t\t\r\n"
                              "\t00020\tNEIN\tBLOCK\tB\t3\tV10\t\t\r\n";

// The file commands over a real table in a temporary program folder.
struct Rig {
    QTemporaryDir dir;
    SequenceTable table;
    RowSelection selection{table};
    MarkList marks;
    DocumentState document;
    ScriptedPrompter prompter;
    QString language = u"D"_s;
    LanguageSwitch languages;
    RecordingEditor editor;
    std::unique_ptr<DocumentCommands> commands;

    Rig() {
        document.setExecutableDir(dir.path());
        document.setCaptionPrefix(u"LTF V1.54 - "_s);
        commands = std::make_unique<DocumentCommands>(
            CommandContext{table, selection, marks, document, prompter, editor.hooks(), [this] {
                               return language;
                           }});
        commands->openAtStartup(QString(), false);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray read(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    // A named document with changes.
    void modifiedNamed(const QString& name) {
        write(name, TwoEntries);
        QVERIFY(commands->openFile(path(name)));
        table.setCell(SequenceTable::NoteColumn, 1, "changed");
        document.setModified(true);
    }
    ByteList numbers() const { return SequenceRows::column(table, SequenceTable::NumberColumn); }
};

} // namespace

class DocumentCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void startsUntitled();
    void untitledSaveShowsTheDialog();
    void namedSaveWritesWithoutDialog();
    void saveAsOverAnExistingFile_data();
    void saveAsOverAnExistingFile();
    void opening();
    void cancellingTheSaveQuestionOfOpeningChangesNothing();
    void unreadableFileLeavesANewDocument();
    void newAfterChanges_data();
    void newAfterChanges();
    void closeQuestion_data();
    void closeQuestion();
    void startUp_data();
    void startUp();
    void oversizedCellKeepsTheOpenDocument_data();
    void oversizedCellKeepsTheOpenDocument();
    void longCellsOpenCut();
    void nulBytesLoseNoRowAndAreReportedOnce();
    void rescueCopyOfferedAtStartUp_data();
    void rescueCopyOfferedAtStartUp();
    void rescueQuestionDatedInTheInterfaceLanguage_data();
    void rescueQuestionDatedInTheInterfaceLanguage();
    void rescueCopyOfferedWhenItsSequenceOpens_data();
    void rescueCopyOfferedWhenItsSequenceOpens();
};

void DocumentCommandsTest::startsUntitled() {
    Rig rig;
    QCOMPARE(rig.document.currentFile(), rig.path(u"Unbenannt.lta"_s));
    QCOMPARE(rig.document.caption(), u"LTF V1.54 - Unbenannt.lta"_s);
    QCOMPARE(rig.editor.number, QByteArray("00010"));
    QCOMPARE(rig.numbers(), ByteList{""});
    QVERIFY(!rig.document.isModified());
}

void DocumentCommandsTest::untitledSaveShowsTheDialog() {
    Rig rig;
    SequenceRows::fill(rig.table, {"00010"});
    rig.document.setModified(true);
    // A name typed without an extension gets ".lta".
    rig.prompter.expectFile(Kind::SaveFile, rig.path(u"show"_s));
    QVERIFY(rig.commands->save());
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.read(u"show.lta"_s), SequenceFile::encode(rig.table));
    QCOMPARE(rig.document.caption(), u"LTF V1.54 - show.lta"_s);
    QVERIFY(!rig.document.isModified());
    QCOMPARE(rig.editor.guards, 1); // editor changes are offered once
}

void DocumentCommandsTest::namedSaveWritesWithoutDialog() {
    Rig rig;
    rig.modifiedNamed(u"show.lta"_s);
    QVERIFY(rig.commands->save());
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.read(u"show.lta"_s).contains("\t00010\tJA\tBLOCK\tA\t3\tV10\tchanged\t\r\n"));
    QVERIFY(!rig.document.isModified());
    QCOMPARE(rig.editor.guards, 1);
}

void DocumentCommandsTest::saveAsOverAnExistingFile_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<Answer>("answer");
    QTest::newRow("No writes nothing") << u"D"_s << Answer::No;
    QTest::newRow("Yes replaces it") << u"D"_s << Answer::Yes;
    QTest::newRow("English") << u"GB"_s << Answer::No;
}

void DocumentCommandsTest::saveAsOverAnExistingFile() {
    QFETCH(QString, language);
    QFETCH(Answer, answer);
    Rig rig;
    rig.language = language;
    rig.languages.apply(rig.language);
    rig.modifiedNamed(u"show.lta"_s);
    rig.write(u"other.lta"_s, "keep me");
    const QString other = QDir::toNativeSeparators(rig.path(u"other.lta"_s));
    rig.prompter.expectFile(Kind::SaveFile, rig.path(u"other.lta"_s))
        .expect(Kind::YesNo,
                language == "GB"_L1 ? u"Overwrite File "_s + other + u" ?"_s
                                    : u"Datei "_s + other + u" überscheiben?"_s,
                answer);
    QCOMPARE(rig.commands->saveAs(), answer == Answer::Yes);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    if (answer == Answer::Yes) {
        QCOMPARE(rig.read(u"other.lta"_s), SequenceFile::encode(rig.table));
        QCOMPARE(rig.document.caption(), u"LTF V1.54 - other.lta"_s);
    } else {
        QCOMPARE(rig.read(u"other.lta"_s), QByteArray("keep me"));
        QCOMPARE(rig.document.currentFile(), rig.path(u"show.lta"_s));
        QCOMPARE(rig.document.caption(), u"LTF V1.54 - show.lta"_s);
        QVERIFY(rig.document.isModified());
    }
}

void DocumentCommandsTest::opening() {
    Rig rig;
    rig.write(u"show.lta"_s, TwoEntries);
    // A mark of the document before: 00010 of the new file is not marked.
    rig.marks.append("00010");
    QSignalSpy marksChanged(rig.commands.get(), &DocumentCommands::marksChanged);
    rig.prompter.expectFile(Kind::OpenFile, rig.path(u"show.lta"_s));
    rig.commands->openSequence();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), (ByteList{"00010", "00020"}));
    QCOMPARE(rig.document.caption(), u"LTF V1.54 - show.lta"_s);
    QVERIFY(!rig.document.isModified());
    QCOMPARE(rig.selection.selectedRow(), 1);
    QCOMPARE(rig.editor.loaded, QList<int>{1});
    // No entry was active: the selected one is made active.
    QCOMPARE(rig.table.cell(SequenceTable::ActiveColumn, 1), QByteArray("JA"));
    QCOMPARE(rig.table.cell(SequenceTable::ActiveColumn, 2), QByteArray("NEIN"));
    QVERIFY(rig.marks.numbers().isEmpty());
    QCOMPARE(marksChanged.size(), 1);
}

void DocumentCommandsTest::cancellingTheSaveQuestionOfOpeningChangesNothing() {
    Rig rig;
    rig.modifiedNamed(u"show.lta"_s);
    rig.marks.append("00020");
    rig.write(u"other.lta"_s, "\t\r\n\t00099\r\n");
    const QString shown = QDir::toNativeSeparators(rig.path(u"show.lta"_s));
    rig.prompter.expectFile(Kind::OpenFile, rig.path(u"other.lta"_s))
        .expect(Kind::YesNoCancel, u"Möchten Die die Änderungen in "_s + shown + u" speichern?"_s,
                Answer::Cancel);
    rig.commands->openSequence();
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), (ByteList{"00010", "00020"}));
    QCOMPARE(rig.table.cell(SequenceTable::NoteColumn, 1), QByteArray("changed"));
    QCOMPARE(rig.document.currentFile(), rig.path(u"show.lta"_s));
    QVERIFY(rig.document.isModified());
    QCOMPARE(rig.marks.numbers(), ByteList{"00020"});
}

void DocumentCommandsTest::unreadableFileLeavesANewDocument() {
    Rig rig;
    rig.modifiedNamed(u"show.lta"_s);
    rig.document.setModified(false);
    QVERIFY(QDir(rig.dir.path()).mkdir(u"folder.lta"_s)); // a folder does not read as a file
    rig.prompter.expect(Kind::Error, u"kann nicht geöffnet werden"_s);
    QVERIFY(!rig.commands->openFile(rig.path(u"folder.lta"_s)));
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), ByteList{""});
    QVERIFY(rig.document.isUntitled());
}

void DocumentCommandsTest::newAfterChanges_data() {
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("saveDialogCancelled");
    QTest::addColumn<bool>("renewed");
    QTest::newRow("No drops the changes") << Answer::No << false << true;
    QTest::newRow("Cancel keeps them") << Answer::Cancel << false << false;
    QTest::newRow("Yes saves first") << Answer::Yes << false << true;
    // A save that did not happen must not lose the changes.
    QTest::newRow("Yes, save dialog cancelled") << Answer::Yes << true << false;
}

void DocumentCommandsTest::newAfterChanges() {
    QFETCH(Answer, answer);
    QFETCH(bool, saveDialogCancelled);
    QFETCH(bool, renewed);
    Rig rig;
    SequenceRows::fill(rig.table, {"00010", "00020"});
    rig.document.setModified(true);
    rig.editor.number = "00020";
    const QString untitled = QDir::toNativeSeparators(rig.path(u"Unbenannt.lta"_s));
    rig.prompter.expect(Kind::YesNoCancel,
                        u"Möchten Die die Änderungen in "_s + untitled + u" speichern?"_s, answer);
    if (answer == Answer::Yes)
        rig.prompter.expectFile(Kind::SaveFile,
                                saveDialogCancelled ? QString() : rig.path(u"saved.lta"_s));
    QCOMPARE(rig.commands->newSequence(), renewed);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), renewed ? ByteList{""} : (ByteList{"00010", "00020"}));
    QCOMPARE(rig.editor.number, QByteArray(renewed ? "00010" : "00020"));
    QCOMPARE(rig.document.isModified(), !renewed);
    QCOMPARE(rig.document.isUntitled(), true);
    if (answer == Answer::Yes && !saveDialogCancelled)
        QVERIFY(rig.read(u"saved.lta"_s).contains("\t00020\t"));
}

void DocumentCommandsTest::closeQuestion_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("Yes saves and closes") << u"D"_s << Answer::Yes << true << true;
    QTest::newRow("No closes") << u"D"_s << Answer::No << true << false;
    QTest::newRow("Cancel stays") << u"D"_s << Answer::Cancel << false << false;
    QTest::newRow("English") << u"GB"_s << Answer::No << true << false;
}

void DocumentCommandsTest::closeQuestion() {
    QFETCH(QString, language);
    QFETCH(Answer, answer);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    Rig rig;
    rig.language = language;
    rig.languages.apply(rig.language);
    rig.modifiedNamed(u"show.lta"_s);
    const QString shown = QDir::toNativeSeparators(rig.path(u"show.lta"_s));
    rig.prompter.expect(Kind::YesNoCancel,
                        language == "GB"_L1
                            ? u"Save changes to "_s + shown + u" ?"_s
                            : u"Möchten Die die Änderungen in "_s + shown + u" speichern?"_s,
                        answer);
    QCOMPARE(rig.commands->askToSaveOnClose(), closes);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.read(u"show.lta"_s).contains("changed"), written);
    // Nothing modified: no question.
    rig.document.setModified(false);
    QVERIFY(rig.commands->askToSaveOnClose());
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
}

void DocumentCommandsTest::startUp_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("required");
    QTest::addColumn<QString>("error");
    QTest::addColumn<ByteList>("numbers");
    QTest::newRow("last file") << u"show.lta"_s << false << QString() << ByteList{"00010", "00020"};
    QTest::newRow("last file gone") << u"gone.lta"_s << false << QString() << ByteList{""};
    QTest::newRow("named file gone")
        << u"gone.lta"_s << true << u"kann nicht geöffnet werden"_s << ByteList{""};
    QTest::newRow("unreadable") << u"folder.lta"_s << false << QString() << ByteList{""};
}

void DocumentCommandsTest::startUp() {
    QFETCH(QString, name);
    QFETCH(bool, required);
    QFETCH(QString, error);
    QFETCH(ByteList, numbers);
    Rig rig;
    rig.write(u"show.lta"_s, TwoEntries);
    QVERIFY(QDir(rig.dir.path()).mkdir(u"folder.lta"_s));
    if (!error.isEmpty())
        rig.prompter.expect(Kind::Error, error);
    rig.commands->openAtStartup(rig.path(name), required);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), numbers);
    QCOMPARE(rig.document.currentFile(),
             numbers.size() > 1 ? rig.path(name) : rig.path(u"Unbenannt.lta"_s));
    QVERIFY(!rig.document.isModified());
    QCOMPARE(rig.table.marker(1), SequenceTable::Marker::Initial);
}

void DocumentCommandsTest::rescueCopyOfferedAtStartUp_data() {
    QTest::addColumn<QString>("rescueName");
    QTest::addColumn<int>("rescueAgeS"); // against show.lta, written now
    QTest::addColumn<bool>("asked");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QByteArray>("note");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<bool>("keptAside");
    QTest::addColumn<bool>("sameAsTheFile");
    using A = Answer;
    // Yes: the changes come back as the modified document under the file's name.
    QTest::newRow("yes") << u"show.rescue.lta"_s << -60 << true << int(A::Yes)
                         << QByteArray("rescued") << true << false << false;
    QTest::newRow("yes, from the fallback folder")
        << u"settings/show.rescue.lta"_s << -60 << true << int(A::Yes) << QByteArray("rescued")
        << true << false << false;
    // No: the file opens as it is; the copy stays, under a name with its date.
    QTest::newRow("no") << u"show.rescue.lta"_s << -60 << true << int(A::No) << QByteArray()
                        << false << true << false;
    // A copy older than its file is not offered, but not lost either.
    QTest::newRow("older than the file") << u"show.rescue.lta"_s << 60 << false << int(A::No)
                                         << QByteArray() << false << true << false;
    // ... unless a save took in all of it: then it is no work of its own, and goes.
    QTest::newRow("older, and what the file holds")
        << u"show.rescue.lta"_s << 60 << false << int(A::No) << QByteArray() << false << false
        << true;
}

void DocumentCommandsTest::rescueCopyOfferedAtStartUp() {
    QFETCH(QString, rescueName);
    QFETCH(int, rescueAgeS);
    QFETCH(bool, asked);
    QFETCH(int, answer);
    QFETCH(QByteArray, note);
    QFETCH(bool, modified);
    QFETCH(bool, keptAside);
    QFETCH(bool, sameAsTheFile);
    Rig rig;
    QVERIFY(QDir(rig.dir.path()).mkdir(u"settings"_s));
    rig.commands->setRescueFolder(rig.path(u"settings"_s));
    rig.write(u"show.lta"_s, TwoEntries);
    QByteArray rescued = TwoEntries;
    if (!sameAsTheFile)
        rescued.replace("V10\t\t\r\n\t00020", "V10\trescued\t\r\n\t00020");
    rig.write(rescueName, rescued);
    QFile rescue(rig.path(rescueName));
    const QDateTime fileTime = QFileInfo(rig.path(u"show.lta"_s)).lastModified();
    QVERIFY(rescue.open(QIODevice::ReadWrite));
    QVERIFY(rescue.setFileTime(fileTime.addSecs(-rescueAgeS), QFileDevice::FileModificationTime));
    rescue.close();
    if (asked)
        rig.prompter.expect(Kind::YesNo, u"ungesicherte Änderungen"_s, Answer(answer));

    rig.commands->openAtStartup(rig.path(u"show.lta"_s), false);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.document.currentFile(), rig.path(u"show.lta"_s));
    QCOMPARE(rig.document.isModified(), modified);
    QCOMPARE(rig.table.cell(SequenceTable::NoteColumn, 1), note);
    QCOMPARE(rig.read(u"show.lta"_s), TwoEntries);
    const QDir folder = QFileInfo(rig.path(rescueName)).dir();
    const QStringList aside = folder.entryList({u"show.rescue 20*.lta"_s}, QDir::Files);
    QCOMPARE(aside.size(), keptAside ? 1 : 0);
    // Taken back, the copy stays until the run's own copies replace it.
    QCOMPARE(QFileInfo::exists(rig.path(rescueName)), modified);
    if (keptAside)
        QCOMPARE(rig.read(QDir(rig.dir.path()).relativeFilePath(folder.filePath(aside.first()))),
                 rescued);
}

void DocumentCommandsTest::rescueCopyOfferedWhenItsSequenceOpens_data() {
    QTest::addColumn<QString>("opening"); // "open", "start" or "command line"
    QTest::addColumn<QString>("rescueOf");
    QTest::addColumn<bool>("ownCopy");
    QTest::addColumn<int>("answer"); // -1: not asked
    QTest::addColumn<QString>("document");
    QTest::addColumn<bool>("keptAside");
    using A = Answer;
    QTest::newRow("Ablauf öffnen, yes")
        << u"open"_s << u"show.lta"_s << false << int(A::Yes) << u"show.lta"_s << false;
    QTest::newRow("Ablauf öffnen, no")
        << u"open"_s << u"show.lta"_s << false << int(A::No) << u"show.lta"_s << true;
    // A copy this run wrote itself is the work just given up: not offered again.
    QTest::newRow("Ablauf öffnen, the run's own copy")
        << u"open"_s << u"show.lta"_s << true << -1 << u"show.lta"_s << false;
    // The untitled document: the start is the only time it can be offered.
    QTest::newRow("untitled at the start, yes")
        << u"start"_s << u"Unbenannt.lta"_s << false << int(A::Yes) << u"Unbenannt.lta"_s << false;
    QTest::newRow("untitled at the start, no")
        << u"start"_s << u"Unbenannt.lta"_s << false << int(A::No) << u"show.lta"_s << true;
    // A file named on the command line opens as asked; the copy waits for a later start.
    QTest::newRow("untitled, file on the command line")
        << u"command line"_s << u"Unbenannt.lta"_s << false << -1 << u"show.lta"_s << false;
}

void DocumentCommandsTest::rescueCopyOfferedWhenItsSequenceOpens() {
    QFETCH(QString, opening);
    QFETCH(QString, rescueOf);
    QFETCH(bool, ownCopy);
    QFETCH(int, answer);
    QFETCH(QString, document);
    QFETCH(bool, keptAside);
    Rig rig;
    rig.write(u"show.lta"_s, TwoEntries);
    QByteArray rescued = TwoEntries;
    rescued.replace("V10\t\t\r\n\t00020", "V10\trescued\t\r\n\t00020");
    const QString rescueName = QFileInfo(rescueOf).completeBaseName() + u".rescue.lta"_s;
    rig.write(rescueName, rescued);
    // Written after its file: what a crash leaves.
    QFile rescue(rig.path(rescueName));
    QVERIFY(rescue.open(QIODevice::ReadWrite));
    QVERIFY(rescue.setFileTime(QFileInfo(rig.path(u"show.lta"_s)).lastModified().addSecs(60),
                               QFileDevice::FileModificationTime));
    rescue.close();
    rig.commands->setOwnCopyCheck(
        [&](const QString& path) { return ownCopy && path == rig.path(rescueName); });
    QSignalSpy taken(rig.commands.get(), &DocumentCommands::rescueCopyTaken);
    if (opening == "open"_L1)
        rig.prompter.expectFile(Kind::OpenFile, rig.path(u"show.lta"_s));
    if (answer >= 0)
        rig.prompter.expect(Kind::YesNo,
                            u"Für "_s + QDir::toNativeSeparators(rig.path(rescueOf)) +
                                u" gibt es ungesicherte Änderungen"_s,
                            Answer(answer));

    if (opening == "open"_L1)
        rig.commands->openSequence();
    else
        rig.commands->openAtStartup(rig.path(u"show.lta"_s), opening == "command line"_L1);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    const bool restored = Answer(answer) == Answer::Yes;
    QCOMPARE(rig.document.currentFile(), rig.path(document));
    QCOMPARE(rig.document.isModified(), restored);
    QCOMPARE(rig.table.cell(SequenceTable::NoteColumn, 1),
             restored ? QByteArray("rescued") : QByteArray());
    QCOMPARE(taken.size(), restored ? 1 : 0);
    if (restored)
        QCOMPARE(taken.first().first().toString(), rig.path(rescueName));
    const QStringList aside =
        QDir(rig.dir.path()).entryList({QFileInfo(rescueName).completeBaseName() + u" 20*.lta"_s});
    QCOMPARE(aside.size(), keptAside ? 1 : 0);
    QCOMPARE(rig.read(keptAside ? aside.first() : rescueName), rescued);
}

void DocumentCommandsTest::rescueQuestionDatedInTheInterfaceLanguage_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("date");
    QTest::newRow("German") << u"D"_s << u"vom 8. Dezember 2026, 19:05."_s;
    QTest::newRow("English") << u"GB"_s << u"8 December 2026, 19:05"_s;
}

// The month is named in the operator's language, whatever the system's locale.
void DocumentCommandsTest::rescueQuestionDatedInTheInterfaceLanguage() {
    QFETCH(QString, language);
    QFETCH(QString, date);
    Rig rig;
    rig.language = language;
    rig.languages.apply(language);
    rig.write(u"show.lta"_s, TwoEntries);
    rig.write(u"show.rescue.lta"_s, TwoEntries);
    const QDateTime saved(QDate(2026, 12, 8), QTime(19, 0));
    for (const auto& [name, time] :
         {std::pair{u"show.lta"_s, saved}, std::pair{u"show.rescue.lta"_s, saved.addSecs(300)}}) {
        QFile file(rig.path(name));
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    }
    rig.prompter.expect(Kind::YesNo, date, Answer::No);
    rig.commands->openAtStartup(rig.path(u"show.lta"_s), false);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
}

void DocumentCommandsTest::oversizedCellKeepsTheOpenDocument_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("box");
    const QByteArray big(1024 * 1024, 'X');
    const QString cutQuestion = u"Die Datei enthält zu lange Zellen. Gekürzt öffnen?"_s;
    QTest::newRow("a note of 1 MB, not cut")
        << TwoEntries + "\t00030\tJA\tBLOCK\tC\t3\tV10\t" + big + "\t\r\n"
        << "N:" + cutQuestion;
    QTest::newRow("a header line without tabs, not cut") << big + "\r\n"
                                                         << "N:" + cutQuestion;
    QTest::newRow("more lines than a sequence numbers")
        << TwoEntries + QByteArray(SequenceFile::MaxRows, '\n')
        << u"E:Sie hat mehr als 100000 Zeilen"_s;
}

// No window can lay out such a file in time: it is refused, or opened only with its long
// cells cut, before anything changes.
void DocumentCommandsTest::oversizedCellKeepsTheOpenDocument() {
    QFETCH(QByteArray, file);
    QFETCH(QString, box);
    Rig rig;
    rig.modifiedNamed(u"show.lta"_s);
    rig.write(u"big.lta"_s, file);
    if (box.startsWith(u'N'))
        rig.prompter.expect(Kind::YesNo, box.mid(2), Answer::No);
    else
        rig.prompter.expect(Kind::Error, box.mid(2));
    QVERIFY(!rig.commands->openFile(rig.path(u"big.lta"_s)));
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.document.currentFile(), rig.path(u"show.lta"_s));
    QVERIFY(rig.document.isModified());
    QCOMPARE(rig.table.cell(SequenceTable::NoteColumn, 1), QByteArray("changed"));
    QCOMPARE(rig.read(u"big.lta"_s), file);
}

// A file saved with cells the reader refuses (by a version that let them in) stays within
// reach: cut at the bound, the rows named, the file untouched until a save.
void DocumentCommandsTest::longCellsOpenCut() {
    Rig rig;
    const qsizetype max = SequenceFile::MaxCellBytes;
    const QByteArray longText = "\"" + QByteArray(max + 5000, 'A') + "\"";
    const QByteArray file = TwoEntries + "\t00030\tJA\tBLOCK\t" + longText + "\t3\tV10\t\t\r\n" +
                            "\t\t\t\t\t\t\t" + QByteArray(max + 1, 'n') + "\t\r\n" +
                            "\t00040\tJA\tBLOCK\tD\t3\tV10\t\t\r\n";
    rig.write(u"old.lta"_s, file);
    rig.prompter.expect(Kind::YesNo, u"Die Datei enthält zu lange Zellen. Gekürzt öffnen?"_s,
                        Answer::Yes);
    rig.prompter.expect(Kind::Warning, u"auf 65536 Zeichen gekürzt in: Text Nr. 00030, Zeile 5."_s);
    QVERIFY(rig.commands->openFile(rig.path(u"old.lta"_s)));
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), (ByteList{"00010", "00020", "00030", "", "00040"}));
    QCOMPARE(rig.table.cell(SequenceTable::TextColumn, 3), longText.left(max));
    QCOMPARE(rig.table.cell(SequenceTable::NoteColumn, 4), QByteArray(max, 'n'));
    QCOMPARE(rig.document.currentFile(), rig.path(u"old.lta"_s));
    QVERIFY(rig.document.isModified());
    QCOMPARE(rig.read(u"old.lta"_s), file);

    QVERIFY(rig.commands->save());
    const SequenceFile::Lines saved = SequenceFile::lines(rig.table);
    QVERIFY(SequenceFile::read(rig.path(u"old.lta"_s)).rows == saved.rows);
}

// The rows after a NUL were lost, and Ctrl+S made the loss permanent.
void DocumentCommandsTest::nulBytesLoseNoRowAndAreReportedOnce() {
    Rig rig;
    const QByteArray nul(1, '\0');
    rig.write(u"show.lta"_s, TwoEntries + "\t00030\tJA\tBLOCK\tC" + nul + "D\t3\tV10\t" + nul +
                                 "\t\r\n\t00040\tJA\tBLOCK\tE\t3\tV10\t\t\r\n");
    rig.prompter.expect(Kind::Warning, u"Nullzeichen"_s);
    QVERIFY(rig.commands->openFile(rig.path(u"show.lta"_s)));
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.numbers(), (ByteList{"00010", "00020", "00030", "00040"}));
    rig.document.setModified(true);
    QVERIFY(rig.commands->save());
    QCOMPARE(rig.read(u"show.lta"_s), TwoEntries + "\t00030\tJA\tBLOCK\tC D\t3\tV10\t \t\r\n"
                                                   "\t00040\tJA\tBLOCK\tE\t3\tV10\t\t\r\n");
}

QTEST_GUILESS_MAIN(DocumentCommandsTest)
#include "tst_documentcommands.moc"

#include "programondoubles.h"

#include "app/mainwindow.h"
#include "editor/entryeditorpanel.h"
#include "sequence/documentcommands.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

using Kind = ScriptedPrompter::Kind;

namespace {

const QByteArray Header = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n";

// The whole program on doubles, editing a sequence file in a temporary folder.
struct ProgramRig : ProgramOnDoubles {
    ProgramRig()
        : ProgramOnDoubles(QStringLiteral("lumentafel")) {
        writeFile(QStringLiteral("lumentafel.ini"), "[Anzeige]\nSeriellerCOM-Port=1\n");
        start();
    }
    EntryEditorPanel& panel() { return *main().form().editorPanel; }
    DocumentCommands& documents() { return main().sequence().documents(); }
    QString show() const { return path(QStringLiteral("show.lta")); }
    QByteArray readShow() const {
        QFile f(show());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void openShow(const QByteArray& rows) {
        QFile f(show());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Header + rows);
        f.close();
        QVERIFY(documents().openFile(show()));
    }
    void newText() {
        QTest::mouseClick(main().findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
    }
    void commitBlockText(const QString& text) {
        panel().blockEditor()->setPlainText(text);
        QTest::mouseClick(panel().commitButton(), Qt::LeftButton);
    }
    std::vector<SequenceTable::Cells> rows() { return SequenceFile::lines(main().table()).rows; }
};

} // namespace

// The faults that lost an operator's work, on the whole program.
class EntrySafetyTest : public QObject {
    Q_OBJECT

private slots:
    void textTooLongForAFileIsRefused();
    void secondNewTextMakesASecondEntry();
};

// A pasted act of a libretto went into the table, Ctrl+S wrote it, and the next start refused
// the whole file.
void EntrySafetyTest::textTooLongForAFileIsRefused() {
    ProgramRig rig;
    rig.openShow("\t00010\tJA\tBLOCK\tA\t3\tM3\t\t\r\n\t00020\tJA\tBLOCK\tB\t3\tM3\t\t\r\n");
    const std::vector<SequenceTable::Cells> before = rig.rows();
    QStringList lines;
    for (int i = 0; i < 4000; ++i)
        lines << QStringLiteral("GUTEN ABEND, MEINE DAMEN");
    const QString act = lines.join(QLatin1Char('\n'));
    // Each line in quotes and a comma after it.
    rig.prompter.expect(
        Kind::Error, QStringLiteral("Die Spalte Text würde %1 Zeichen enthalten; eine Zelle darf "
                                    "höchstens 65536 Zeichen enthalten.")
                         .arg(4000 * 27 - 1));
    rig.commitBlockText(act);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.rows() == before);
    QCOMPARE(rig.panel().blockEditor()->toPlainText(), act);

    QVERIFY(rig.main().sequence().documents().save());
    QVERIFY(rig.documents().openFile(rig.show()));
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.rows() == before);
}

// A sequence numbered 1, 2, 3: the second "Neuer Text" proposed 00010 again and its "OK"
// wrote over the first new entry.
void EntrySafetyTest::secondNewTextMakesASecondEntry() {
    ProgramRig rig;
    rig.openShow("\t1\tJA\tBLOCK\tA\t3\tM3\t\t\r\n\t2\tJA\tBLOCK\tB\t3\tM3\t\t\r\n"
                 "\t3\tJA\tBLOCK\tC\t3\tM3\t\t\r\n");
    rig.newText();
    QCOMPARE(rig.panel().numberField()->text(), QStringLiteral("00010"));
    rig.commitBlockText(QStringLiteral("ERSTER"));
    rig.newText();
    QCOMPARE(rig.panel().numberField()->text(), QStringLiteral("00020"));
    rig.commitBlockText(QStringLiteral("ZWEITER"));
    // The number of an entry the table holds is refused, also right after "Neuer Text".
    rig.newText();
    rig.panel().numberField()->setText(QStringLiteral("2"));
    rig.prompter.expect(Kind::Error, QStringLiteral("Text Nr.: 2 existiert bereits."));
    rig.commitBlockText(QStringLiteral("DRITTER"));
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());

    QVERIFY(rig.documents().save());
    const QByteArray saved = rig.readShow();
    QVERIFY2(saved.contains("\t00010\tJA\tBLOCK\tERSTER\t"), saved.constData());
    QVERIFY2(saved.contains("\t00020\tJA\tBLOCK\tZWEITER\t"), saved.constData());
    QVERIFY2(saved.contains("\t2\tJA\tBLOCK\tB\t"), saved.constData());
    QCOMPARE(saved.count("\r\n"), 6);
}

QTEST_MAIN(EntrySafetyTest)
#include "tst_entrysafety.moc"

#include "editorrig.h"

#include "sequence/conversionerror.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

class EntryLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void load_data();
    void load();
    void flowParameters();
    void rowWithoutNumberLoadsNothing();
};

void EntryLoaderTest::load_data() {
    QTest::addColumn<QString>("row");
    QTest::addColumn<int>("page"); // -1: the page the editor showed before
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<bool>("preset");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("error"); // "*": any conversion error

    QTest::newRow("preset zero") << "00010|JA|BLOCK|A,B|4|V0|" << 0 << "A\nB\n"
                                 << 4 << true << 0 << 0 << ""
                                 << "";
    QTest::newRow("minimum 75 s") << "00010|JA|BLOCK|A|4|M75|" << 0 << "A\n"
                                  << 4 << false << 1 << 15 << ""
                                  << "";
    QTest::newRow("other letter reads as minimum") << "00010|JA|BLOCK|A|4|X12|" << 0 << "A\n"
                                                   << 4 << false << 0 << 12 << ""
                                                   << "";
    QTest::newRow("one-letter block")
        << "00010|JA|B|\"GUTEN ABEND\",\"\"|5|M5|Licht,\"Ton ab\"" << 0 << "GUTEN ABEND\n\n"
        << 5 << false << 0 << 5 << "Licht\nTon ab\n"
        << "";
    QTest::newRow("scroll") << "00010|JA|SCROLL|A,B|6|M30|" << 1 << "A\nB\n"
                            << 6 << false << 0 << 30 << ""
                            << "";
    QTest::newRow("S loads like SCROLL") << "00010|JA|S|A,B|6|M30|" << 1 << "A\nB\n"
                                         << 6 << false << 0 << 30 << ""
                                         << "";
    QTest::newRow("flow with quotes") << "00010|JA|FLIESS|\"HALLO \"DU\"\"|7,1,,\"\"|M20|" << 2
                                      << "HALLO \"DU\"" << 7 << false << 0 << 20 << ""
                                      << "";
    QTest::newRow("F loads like FLIESS")
        << "00010|JA|F|\"X\"|7,1,,\"\"|M20|" << 2 << "X" << 7 << false << 0 << 20 << ""
        << "";
    QTest::newRow("unknown kind keeps the page")
        << "00010|JA|BS|A|6|M30|" << -1 << "" << 0 << false << 0 << 30 << ""
        << "";
    // A cell that does not convert stops the load where it stands.
    QTest::newRow("duration not a number")
        << "00010|JA|BLOCK|A|4|Vabc|Notiz" << -1 << "" << 0 << false << 0 << 0 << ""
        << "Text 00010, Spalte Dauer: 'abc' ist kein gültiger Integerwert";
    QTest::newRow("parameter not a number")
        << "00010|JA|BLOCK|A|4s|V7|Notiz" << 0 << "A\n"
        << 0 << true << 0 << 7 << "Notiz\n"
        << "Text 00010, Spalte Parameter: '4s' ist kein gültiger Integerwert";
    QTest::newRow("flow parameters too few")
        << "00010|JA|FLIESS|\"X\"|7,1|M20|" << 2 << "X" << 0 << false << 0 << 20 << ""
        << "*";
}

void EntryLoaderTest::load() {
    QFETCH(QString, row);
    QFETCH(int, page);
    QFETCH(QString, text);
    QFETCH(int, parameter);
    QFETCH(bool, preset);
    QFETCH(int, minutes);
    QFETCH(int, seconds);
    QFETCH(QString, note);
    QFETCH(QString, error);

    EditorRig rig;
    EntryEditorPanel& f = *rig.panel;
    rig.setRows({row});
    f.kindTabs()->setCurrentIndex(0);
    f.pageTime()->setValue(3);
    f.byDuration()->setChecked(true);
    f.durationSeconds()->setValue(0);
    rig.editor->setEntryModified(true);
    QString thrown;
    try {
        rig.editor->loadEntry(1);
    } catch (const ConversionError& e) {
        thrown = QString::fromLocal8Bit(e.what());
    }
    if (error.isEmpty())
        QCOMPARE(thrown, QString());
    else if (error == QLatin1String("*"))
        QVERIFY(!thrown.isEmpty());
    else
        QVERIFY2(thrown.contains(error), qPrintable(thrown));
    // Only a complete load takes the pending state away.
    QCOMPARE(rig.editor->isEntryModified(), !error.isEmpty());
    QCOMPARE(f.numberField()->text(), QStringLiteral("00010"));
    QCOMPARE(f.kindTabs()->currentIndex(), page == -1 ? 0 : page);
    if (page == -1)
        return;
    if (error.isEmpty() || page != 2) {
        QCOMPARE(f.byDuration()->isChecked(), preset);
        QCOMPARE(f.durationMinutes()->value(), minutes);
        QCOMPARE(f.durationSeconds()->value(), seconds);
        QCOMPARE(f.noteField()->toPlainText(), note);
    }
    const QString shown = page == 0   ? f.blockEditor()->toPlainText()
                          : page == 1 ? f.scrollEditor()->toPlainText()
                                      : f.flowEditor()->toPlainText();
    QCOMPARE(shown, text);
    if (!error.isEmpty())
        return;
    const int value = page == 0   ? f.pageTime()->value()
                      : page == 1 ? f.lineTime()->value()
                                  : f.flowStep()->value();
    QCOMPARE(value, parameter);
}

void EntryLoaderTest::flowParameters() {
    EditorRig rig(3, 24);
    EntryEditorPanel& f = *rig.panel;
    for (QLineEdit* preview : f.previewLines())
        preview->setText(QStringLiteral("ALT"));
    rig.setRows({QStringLiteral("00010|NEIN|FLIESS|\"X\"|3,2,OBEN,\"UNTEN LINKS\"|M9|")});
    rig.editor->loadEntry(1);
    QCOMPARE(f.flowStep()->value(), 3);
    QCOMPARE(f.flowStepSeconds()->text(), QLocale().toString(0.3));
    QCOMPARE(f.flowLine()->value(), 2);
    QCOMPARE(f.flowLineFields().at(0)->text(), QStringLiteral("OBEN"));
    QCOMPARE(f.flowLineFields().at(1)->text(), QStringLiteral("UNTEN LINKS"));
    QVERIFY(!f.activeCheckBox()->isChecked());
    for (QLineEdit* preview : f.previewLines())
        QCOMPARE(preview->text(), QString());
}

void EntryLoaderTest::rowWithoutNumberLoadsNothing() {
    EditorRig rig;
    rig.setRows({QStringLiteral("|JA|SCROLL|A|3|V5|")});
    rig.editor->setEntryModified(true);
    rig.editor->loadEntry(1);
    QCOMPARE(rig.panel->numberField()->text(), QStringLiteral("00010"));
    QCOMPARE(rig.panel->kindTabs()->currentIndex(), 0);
    QVERIFY(rig.editor->isEntryModified());
}

QTEST_MAIN(EntryLoaderTest)
#include "tst_entryloader.moc"

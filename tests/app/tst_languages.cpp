#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "display/portcommand.h"
#include "programfolder.h"
#include "sequence/activemarks.h"
#include "sequence/documentstate.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencetable.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

struct ProgramRig {
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    explicit ProgramRig(const QByteArray& language = "D") {
        services = servicesInFolder(dir.path(), QStringLiteral("RPW"), clock, pump, prompter, port);
        QFile f(dir.filePath(QStringLiteral("RPW.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write("[Anzeige]\nSeriellerCOM-Port=1\n[Programm]\nSprache=" + language + "\n");
        f.close();
        port.setAvailablePorts({1});
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
    }
    MainWindow& main() { return windows->main(); }
    void choose(QAction* item) {
        item->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
};

QString where(const QObject* o) {
    QStringList path;
    for (; o; o = o->parent())
        path.prepend(QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(':') +
                     o->objectName());
    return path.join(QLatin1Char('/'));
}

// Every text the operator can read in any window: titles, captions, tabs, hints, menu items
// and the table's header cells.
QMap<QString, QString> snapshot() {
    QMap<QString, QString> texts;
    const auto add = [&texts](const QString& key, const QString& text) {
        if (!text.isEmpty())
            texts.insert(key, text);
    };
    QSet<QAction*> actions;
    for (QWidget* w : QApplication::allWidgets()) {
        // A control hidden by design (a measuring label, a hidden flag) shows nothing.
        if (!w->isWindow() && w->isHidden())
            continue;
        const QString at = where(w);
        if (w->isWindow())
            add(at + QStringLiteral("#title"), w->windowTitle());
        add(at + QStringLiteral("#hint"), w->toolTip());
        if (auto* label = qobject_cast<QLabel*>(w))
            add(at + QStringLiteral("#text"), label->text());
        if (auto* button = qobject_cast<QAbstractButton*>(w))
            add(at + QStringLiteral("#text"), button->text());
        if (auto* box = qobject_cast<QGroupBox*>(w))
            add(at + QStringLiteral("#title"), box->title());
        if (auto* tabs = qobject_cast<QTabWidget*>(w))
            for (int i = 0; i < tabs->count(); ++i)
                add(at + QStringLiteral("#tab%1").arg(i), tabs->tabText(i));
        for (QAction* a : w->actions())
            actions.insert(a);
        for (QAction* a : w->findChildren<QAction*>())
            actions.insert(a);
    }
    for (QAction* a : actions) {
        add(where(a) + QStringLiteral("#%1#action").arg(quintptr(a)), a->text());
        if (a->toolTip() != QString(a->text()).remove(QLatin1Char('&')))
            add(where(a) + QStringLiteral("#%1#hint").arg(quintptr(a)), a->toolTip());
    }
    return texts;
}

QMap<QString, QString> withHeader(MainWindow& window, QMap<QString, QString> texts) {
    for (int c = 1; c < SequenceTable::Columns; ++c)
        texts.insert(QStringLiteral("header%1").arg(c),
                     window.table().headerData(c, Qt::Horizontal).toString());
    return texts;
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT

private slots:
    void everyTextSwitches();
    void questionAfterASwitch_data();
    void questionAfterASwitch();
    void activeWordsAndUntitledName();
    void englishFromTheSettings();
};

// A text added without its English fails here, in whatever window it appears.
void LanguagesTest::everyTextSwitches() {
    ProgramRig rig;
    MainWindow& window = rig.main();
    const QMap<QString, QString> german = withHeader(window, snapshot());
    rig.choose(window.form().englishAction);
    const QMap<QString, QString> english = withHeader(window, snapshot());
    // The same in both languages: symbols, numbers, names and words both languages share.
    const QSet<QString> same{
        QStringLiteral("▶"),
        QStringLiteral("■"),
        QStringLiteral("❚❚"),
        QStringLiteral("M"),
        QStringLiteral("|◀"),
        QStringLiteral("▶|"),
        QStringLiteral("◀"),
        QStringLiteral("50%"),
        QStringLiteral("100%"),
        QStringLiteral("150%"),
        QStringLiteral("0.5"),
        QStringLiteral("&Stop"),
        QStringLiteral("&COM-Port"),
        QStringLiteral("&Info"),
        QStringLiteral("Min."),
        QStringLiteral("OK"),
        QStringLiteral("Text aktiv"),
        QStringLiteral("Copyboard"),
        QStringLiteral("Text"),
        QStringLiteral("Parameter"),
        QStringLiteral("Hilfe"),
        QStringLiteral("00010"),
        QStringLiteral("Start"),
        QStringLiteral("Alt+M"),
        QStringLiteral("F5"),
        QStringLiteral("F6"),
        QStringLiteral("F7"),
        QStringLiteral("F8"),
        QStringLiteral("F9"),
        QStringLiteral("Version"),
        QStringLiteral("V1.54"),
        QStringLiteral("20.03.2002"),
        QStringLiteral("www.lumentafel.example.org"),
        QStringLiteral("Textnummer des aktuellen Textes. Es können auch Buchstaben eingetragen "
                       "werden. Es wird Alphabetisch einsortiert.")};
    QCOMPARE(english.keys(), german.keys());
    QStringList unchanged;
    for (auto it = german.cbegin(); it != german.cend(); ++it) {
        // The product's name and version, and the caption's document name, are no texts.
        const bool name = it.value().contains(QLatin1String(" V1.54"));
        if (!same.contains(it.value()) && !name && english.value(it.key()) == it.value())
            unchanged << it.key() + QStringLiteral(": ") + it.value();
    }
    QVERIFY2(unchanged.isEmpty(), qPrintable(unchanged.join(QLatin1Char('\n'))));
    QVERIFY(german.size() > 100);
    rig.choose(window.form().germanAction);
    QCOMPARE(withHeader(window, snapshot()), german);
}

void LanguagesTest::questionAfterASwitch_data() {
    QTest::addColumn<bool>("english");
    QTest::addColumn<QString>("question");
    QTest::addColumn<QString>("yes");
    QTest::newRow("English") << true << "Change COM-Port? Now: COM1"
                             << "&Yes";
    QTest::newRow("German") << false << "COM-Port ändern? Momentan: COM1"
                            << "&Ja";
}

// A box opened after the switch speaks the new language, Qt's own buttons included.
void LanguagesTest::questionAfterASwitch() {
    QFETCH(bool, english);
    QFETCH(QString, question);
    QFETCH(QString, yes);
    ProgramRig rig;
    rig.choose(rig.main().form().englishAction);
    if (!english)
        rig.choose(rig.main().form().germanAction);
    QCOMPARE(PortCommand::changeQuestion(1), question);
    QMessageBox box(QMessageBox::Question, QString(), question, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(box.button(QMessageBox::Yes)->text(), yes);
}

void LanguagesTest::activeWordsAndUntitledName() {
    ProgramRig rig;
    MainWindow& window = rig.main();
    QVERIFY(window.sequence().document().currentFile().endsWith(QLatin1String("Unbenannt.lta")));
    rig.choose(window.form().englishAction);
    // The document made under German keeps its name; the next new one is English.
    QVERIFY(window.sequence().document().currentFile().endsWith(QLatin1String("Unbenannt.lta")));
    QVERIFY(window.sequence().document().untitledPath().endsWith(QLatin1String("Untitled.lta")));
    QCOMPARE(window.table().headerData(SequenceTable::ActiveColumn, Qt::Horizontal).toString(),
             QStringLiteral("Active"));
    QCOMPARE(ActiveMarks::forLanguage(window.shell().languageCode).active, QByteArray("YES"));
}

void LanguagesTest::englishFromTheSettings() {
    ProgramRig rig("GB");
    MainWindowForm& form = rig.main().form();
    QVERIFY(form.englishAction->isChecked());
    QCOMPARE(form.newAction->text(), QStringLiteral("&New"));
    QVERIFY(rig.main().windowTitle().endsWith(QLatin1String(" - Untitled.lta")));
}

QTEST_MAIN(LanguagesTest)
#include "tst_languages.moc"

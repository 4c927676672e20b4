#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/mainwindowform.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "programfolder.h"
#include "windows/helpwindow.h"
#include "windows/languageswitch.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The whole program on doubles, started from a folder with a settings file.
struct ProgramRig {
    QTemporaryDir dir;
    VirtualClock clock;
    VirtualEventPump pump{clock};
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    explicit ProgramRig(const QByteArray& offline = "0") {
        services =
            servicesInFolder(dir.path(), QStringLiteral("lumentafel"), clock, pump, prompter, port);
        QFile f(dir.filePath(QStringLiteral("lumentafel.ini")));
        if (f.open(QIODevice::WriteOnly))
            f.write("[Anzeige]\nSeriellerCOM-Port=1\noffline=" + offline + "\n");
        f.close();
        port.setAvailablePorts({1});
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
    }
};

// The key goes to the active window, whose activation the platform reports in an event.
void pressF1() {
    QCoreApplication::processEvents();
    QTest::keyClick(QApplication::activeWindow(), Qt::Key_F1);
    QCoreApplication::processEvents();
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void f1ShowsThenHides();
    void okHides();
    void hiddenOffline();
    void keyList_data();
    void keyList();
    void everyControlLiesInsideTheWindow_data();
    void everyControlLiesInsideTheWindow();
};

// F1 in the main window shows the help window with the focus; the next F1 reaches the help
// window and hides it.
void HelpWindowTest::f1ShowsThenHides() {
    ProgramRig rig;
    MainWindow& main = rig.windows->main();
    HelpWindow& help = rig.windows->help();
    main.show();
    QApplication::setActiveWindow(&main);
    pressF1();
    QVERIFY(help.isVisible());
    QCOMPARE(QApplication::activeWindow(), &help);
    pressF1();
    QVERIFY(!help.isVisible());
    QVERIFY(rig.prompter.finished());
}

void HelpWindowTest::okHides() {
    HelpWindow help;
    help.showInFront();
    QTest::mouseClick(help.closeButton(), Qt::LeftButton);
    QVERIFY(!help.isVisible());
}

void HelpWindowTest::hiddenOffline() {
    ProgramRig rig("1");
    QAction* item = rig.windows->main().form().helpAction;
    QVERIFY(!item->isVisible());
    QVERIFY(item->shortcut().isEmpty());
}

void HelpWindowTest::keyList_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("title");
    QTest::newRow("German") << "D"
                            << QStringList{"Start+Pause|Alt+Leertaste",
                                           "Weiter bei Pause|Leertaste",
                                           "Start|Strg+Enter",
                                           "Stop|Escape",
                                           "Pause|Strg+P",
                                           "Manuell anspielen|Alt+M",
                                           "Erster|F5",
                                           "Letzter|F6",
                                           "Zurück|F7",
                                           "Vor|F8",
                                           "gehe zu|F9",
                                           "Ablauf speichern|Strg+S",
                                           "Texte Löschen|Strg+Entf",
                                           "Liste Markierung|Strg+M"}
                            << "OK (Hilfe ausblenden = F1)"
                            << "Hilfe";
    QTest::newRow("English") << "GB"
                             << QStringList{"Start+Hold|Alt+Space",
                                            "Go on if holded|Space",
                                            "Start|Ctl+Return",
                                            "Stop:|Esc",
                                            "Hold|Ctl+P",
                                            "Play manuell|Alt+M",
                                            "First|F5",
                                            "Last|F6",
                                            "Previous|F7",
                                            "Next|F8",
                                            "go to|F9",
                                            "Save sequence|Ctl+S",
                                            "Clear text|Ctl+Del",
                                            "List of marks|Ctl+M"}
                             << "OK (Close help = F1)"
                             << "Help";
}

// The texts follow a language switch while the window is open.
void HelpWindowTest::keyList() {
    QFETCH(QString, language);
    QFETCH(QStringList, rows);
    QFETCH(QString, button);
    QFETCH(QString, title);
    LanguageSwitch languages;
    HelpWindow help;
    help.show();
    languages.apply(language);
    QCOMPARE(help.rowTexts(), rows);
    QCOMPARE(help.closeButton()->text(), button);
    QCOMPARE(help.windowTitle(), title);
}

void HelpWindowTest::everyControlLiesInsideTheWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::newRow("German") << "D";
    QTest::newRow("English") << "GB";
}

// Every panel, label and the button lie wholly inside the window of its fixed size, and the
// button shows its whole caption, in either language.
void HelpWindowTest::everyControlLiesInsideTheWindow() {
    QFETCH(QString, language);
    LanguageSwitch languages;
    HelpWindow help;
    languages.apply(language);
    help.show();
    QCOMPARE(help.size(), QSize(417, 481));
    const QList<QWidget*> children = help.findChildren<QWidget*>();
    QVERIFY(children.size() > 30);
    for (const QWidget* child : children) {
        const QRect inWindow(child->mapTo(&help, QPoint(0, 0)), child->size());
        QVERIFY2(help.rect().contains(inWindow),
                 qPrintable(child->objectName() + QLatin1Char(' ') + QDebug::toString(inWindow)));
    }
    QPushButton* ok = help.closeButton();
    QVERIFY(ok->height() >= ok->fontMetrics().height() + 4);
    QVERIFY2(ok->fontMetrics().horizontalAdvance(ok->text()) + 8 <= ok->width(),
             qPrintable(ok->text()));
}

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"

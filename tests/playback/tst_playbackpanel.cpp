#include "playbackrig.h"

#include "playback/playbackcommands.h"
#include "playback/playbackcontroller.h"
#include "playback/playbackpanel.h"
#include "playback/playbackstrip.h"
#include "scriptedprompter.h"
#include "sequence/finddialog.h"
#include "sequence/marklist.h"
#include "sequence/marklistwindow.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetableview.h"
#include "windows/copyboardwindow.h"
#include "windows/helpwindow.h"
#include "windows/languageswitch.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A main window with the strip, its menu, the editor's kind tabs and number field and a
// table, over the recording port.
struct PanelRig : DisplayRig {
    QMainWindow window;
    RowSelection selection{table};
    PlaybackController controller{table, selection, output, clock, nullptr};
    PlaybackCommands commands{controller, table, selection};
    MarkList marks;
    PlaybackStrip* strip = nullptr;
    QTabWidget* kindTabs = nullptr;
    QLineEdit* numberField = nullptr;
    QLineEdit* lineField = nullptr;
    QPlainTextEdit* noteField = nullptr;
    SequenceTableView* tableView = nullptr;
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    std::unique_ptr<PlaybackPanel> panel;

    PanelRig()
        : DisplayRig(1, 4) {
        auto* central = new QWidget;
        auto* layout = new QVBoxLayout(central);
        kindTabs = new QTabWidget;
        kindTabs->setObjectName("PageControl1");
        numberField = new QLineEdit;
        numberField->setObjectName("TextNr");
        lineField = new QLineEdit;
        lineField->setObjectName("FliesstextZeile0");
        noteField = new QPlainTextEdit;
        noteField->setObjectName("Hinweis");
        strip = new PlaybackStrip;
        tableView = new SequenceTableView;
        tableView->attach(table, selection, marks);
        for (QWidget* w : {static_cast<QWidget*>(numberField), static_cast<QWidget*>(lineField),
                           static_cast<QWidget*>(noteField), static_cast<QWidget*>(kindTabs),
                           static_cast<QWidget*>(strip), static_cast<QWidget*>(tableView)})
            layout->addWidget(w);
        window.setCentralWidget(central);
        QMenu* file = window.menuBar()->addMenu("&Datei");
        newAction = file->addAction("&Neu");
        openAction = file->addAction("Ablauf &öffnen");
        QMenu* play = window.menuBar()->addMenu("&Abspielen");
        play->setObjectName("Abspielen1");
        play->addActions(strip->menuActions());
        panel = std::make_unique<PlaybackPanel>(window, *strip, *tableView, commands);
        panel->addEditingControls({numberField}, {newAction, openAction});
        QObject::connect(panel.get(), &PlaybackPanel::pausedChanged, kindTabs,
                         [this](bool paused) { kindTabs->setEnabled(!paused); });
        setRows({{"7", "JA", "B", "A", "1", "M1"}, {"8", "JA", "B", "Z", "1", "M1"}});
    }
    template <typename T> T* find(const char* name) const {
        T* found = window.findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no %s", name);
        return found;
    }
    QToolButton* button(const char* name) const { return find<QToolButton>(name); }
    QPushButton* pushButton(const char* name) const { return find<QPushButton>(name); }
    QAction* action(const char* name) const { return find<QAction>(name); }
    // The mode, the pause, the number shown, the frames sent and the note's text.
    QString state() const {
        QString s = buttonsDown().join(',');
        if (controller.isPaused())
            s += " paused";
        s += " number '" + find<QLabel>("Label13")->text() + "'";
        s += " frames " + QString::number(frames().size());
        return s + " note '" + noteField->toPlainText() + "'";
    }
    QStringList buttonsDown() const {
        QStringList down;
        for (const char* name : {"Stop", "Play", "Manuell"}) {
            if (button(name)->isChecked())
                down << QLatin1String(name);
        }
        return down;
    }
};

} // namespace

class PlaybackPanelTest : public QObject {
    Q_OBJECT

private slots:
    void menuKeys_data();
    void menuKeys();
    void languageTexts_data();
    void languageTexts();
    void exactlyOneModeButtonDown_data();
    void exactlyOneModeButtonDown();
    void controlsEnabledByTheirCommands();
    void stripShowsCommandsFromElsewhere();
    void pauseShowsCheckMarkKeyAndLocksTabs();
    void speedButtonsSetBar();
    void currentNumberAndReport();
    void stripFitsTheDefaultWidth_data();
    void stripFitsTheDefaultWidth();
    void keysWinOverTheFocusedControl_data();
    void keysWinOverTheFocusedControl();
    void keysWorkInEveryWindow_data();
    void keysWorkInEveryWindow();
};

void PlaybackPanelTest::menuKeys_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("keys");
    QTest::newRow("play") << "automatischabspielen1"
                          << "Ctrl+Return, Ctrl+Enter";
    QTest::newRow("stop") << "Stop1"
                          << "Esc";
    QTest::newRow("manual") << "Manuell1"
                            << "Alt+M";
    QTest::newRow("pause") << "Pause1"
                           << "Ctrl+P";
    QTest::newRow("start and pause") << "StartPause"
                                     << "Alt+Space";
    QTest::newRow("first") << "Erster1"
                           << "F5";
    QTest::newRow("last") << "Letzter1"
                          << "F6";
    QTest::newRow("previous") << "Zurck1"
                              << "F7";
    QTest::newRow("next") << "Vor1"
                          << "F8";
    QTest::newRow("go to") << "gehezu1"
                           << "F9";
    QTest::newRow("go on") << "Weiter1"
                           << "Ctrl+Space";
}

void PlaybackPanelTest::menuKeys() {
    QFETCH(QString, action);
    QFETCH(QString, keys);
    PanelRig rig;
    auto* a = rig.window.findChild<QAction*>(action);
    QVERIFY(a);
    QStringList shown;
    for (const QKeySequence& k : a->shortcuts())
        shown << k.toString(QKeySequence::PortableText);
    QCOMPARE(shown.join(", "), keys);
}

void PlaybackPanelTest::languageTexts_data() {
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("property");
    QTest::addColumn<QString>("german");
    QTest::addColumn<QString>("english");
    QTest::newRow("Manuell hint, as it stands")
        << "Manuell" << QByteArray("toolTip") << "Manuell anspielen (Alt+M"
        << "Play manuell (Alt+M)";
    QTest::newRow("zu") << "zu" << QByteArray("text") << "Gehe zu Text"
                        << "Go to text";
    QTest::newRow("Weiter") << "Weiter" << QByteArray("text") << "Weiter bei Pause (Strg+Leertaste)"
                            << "Go on if holded (Ctl+Space)";
    QTest::newRow("Label14") << "Label14" << QByteArray("text") << "Aktueller Text:"
                             << "Actual text:";
    QTest::newRow("Verfolgen") << "Verfolgen" << QByteArray("text") << "Verfolgen"
                               << "Follow";
    QTest::newRow("Button8") << "Button8" << QByteArray("toolTip")
                             << "Geschwindigkeit auf 50% setzten"
                             << "Set overall speed to 50%";
    QTest::newRow("StartPause hint")
        << "StartPause" << QByteArray("toolTip")
        << "Ablauf wird gestarte und angehaltet und wartet dann auf \"weiter\""
        << "Sequence starts, hold then and waits for \"Go on if holded (space)\"";
    QTest::newRow("Pause1") << "Pause1" << QByteArray("text") << "&Pause"
                            << "&Hold";
    QTest::newRow("Weiter1") << "Weiter1" << QByteArray("text") << "&Weiter"
                             << "Go &on";
}

void PlaybackPanelTest::languageTexts() {
    QFETCH(QString, object);
    QFETCH(QByteArray, property);
    QFETCH(QString, german);
    QFETCH(QString, english);
    PanelRig rig;
    LanguageSwitch languages;
    QObject* o = rig.window.findChild<QObject*>(object);
    QVERIFY(o);
    QCOMPARE(o->property(property.constData()).toString(), german);
    languages.apply("GB");
    QCOMPARE(o->property(property.constData()).toString(), english);
    languages.apply("gb"); // only "GB" is English
    QCOMPARE(o->property(property.constData()).toString(), german);
}

void PlaybackPanelTest::exactlyOneModeButtonDown_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("down");
    QTest::newRow("Play button") << "Play"
                                 << "Play";
    QTest::newRow("play menu item") << "automatischabspielen1"
                                    << "Play";
    QTest::newRow("Manuell button") << "Manuell"
                                    << "Manuell";
    QTest::newRow("manual menu item") << "Manuell1"
                                      << "Manuell";
    QTest::newRow("start and pause") << "StartPause"
                                     << "Play";
}

void PlaybackPanelTest::exactlyOneModeButtonDown() {
    QFETCH(QString, control);
    QFETCH(QString, down);
    PanelRig rig;
    QCOMPARE(rig.buttonsDown(), QStringList{"Stop"});
    if (auto* b = rig.window.findChild<QToolButton*>(control))
        QTest::mouseClick(b, Qt::LeftButton);
    else
        rig.window.findChild<QAction*>(control)->trigger();
    QCOMPARE(rig.buttonsDown(), QStringList{down});
    rig.action("Stop1")->trigger();
    QCOMPARE(rig.buttonsDown(), QStringList{"Stop"});
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Stopped);
}

void PlaybackPanelTest::controlsEnabledByTheirCommands() {
    PanelRig rig;
    // Editing controls of other windows are handed over by pointer, whatever their names.
    auto* newText = new QPushButton(&rig.window);
    MarkListWindow markList;
    rig.panel->addEditingControls({newText, markList.deleteButton()});

    QVERIFY(newText->isEnabled() && markList.deleteButton()->isEnabled() &&
            rig.numberField->isEnabled());
    QVERIFY(!rig.button("First")->isEnabled() && !rig.action("Erster1")->isEnabled());
    QVERIFY(!rig.button("Pause")->isEnabled() && !rig.pushButton("Weiter")->isEnabled());

    QTest::mouseClick(rig.button("Manuell"), Qt::LeftButton);
    QVERIFY(!newText->isEnabled() && !markList.deleteButton()->isEnabled() &&
            !rig.newAction->isEnabled());
    QVERIFY(rig.button("First")->isEnabled() && rig.action("gehezu1")->isEnabled());
    QVERIFY(rig.button("Pause")->isEnabled() && rig.action("Pause1")->isEnabled());

    QTest::mouseClick(rig.button("Play"), Qt::LeftButton);
    QVERIFY(!rig.button("Next")->isEnabled() && !rig.action("Vor1")->isEnabled());

    rig.action("Stop1")->trigger();
    QVERIFY(newText->isEnabled() && markList.deleteButton()->isEnabled() &&
            rig.openAction->isEnabled());
    QVERIFY(!rig.button("Pause")->isEnabled());
}

// A command from elsewhere (the remote) shows on the strip as the operator's own would.
void PlaybackPanelTest::stripShowsCommandsFromElsewhere() {
    PanelRig rig;
    rig.commands.run(PlaybackRequest::withNumber(PlaybackCommand::ManualFromNumber, "8",
                                                 CommandOrigin::remote("udp 127.0.0.1:9000")));
    QCOMPARE(rig.buttonsDown(), QStringList{"Manuell"});
    QCOMPARE(rig.find<QLabel>("Label13")->text(), QString("8"));
    QVERIFY(rig.button("Next")->isEnabled() && !rig.newAction->isEnabled());
    rig.commands.run(PlaybackRequest::speed(PlaybackRequest::speedFactorOfPercent(150)));
    QCOMPARE(rig.find<QSlider>("Relativ")->value(), 500);
    QCOMPARE(rig.controller.speedFactor(), 500);
}

void PlaybackPanelTest::pauseShowsCheckMarkKeyAndLocksTabs() {
    PanelRig rig;
    QTest::mouseClick(rig.button("Play"), Qt::LeftButton);
    QTest::mouseClick(rig.button("Pause"), Qt::LeftButton);
    QVERIFY(rig.controller.isPaused());
    QVERIFY(rig.action("Pause1")->isChecked());
    QCOMPARE(rig.action("Weiter1")->shortcut(), QKeySequence(Qt::Key_Space));
    QVERIFY(rig.pushButton("Weiter")->isEnabled());
    QVERIFY(!rig.kindTabs->isEnabled());

    rig.action("Pause1")->trigger(); // the menu item releases it
    QVERIFY(!rig.controller.isPaused());
    QVERIFY(!rig.button("Pause")->isChecked());
    QCOMPARE(rig.action("Weiter1")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Space));
    QVERIFY(rig.kindTabs->isEnabled());
    QVERIFY(!rig.action("Weiter1")->isEnabled());
}

void PlaybackPanelTest::speedButtonsSetBar() {
    PanelRig rig;
    rig.window.show();
    QTest::mouseClick(rig.pushButton("Button8"), Qt::LeftButton);
    QCOMPARE(rig.pushButton("Button8")->text(), "50%");
    QCOMPARE(rig.controller.speedFactor(), 1500);
    QTest::mouseClick(rig.pushButton("Button10"), Qt::LeftButton);
    QCOMPARE(rig.controller.speedFactor(), 500);
    QTest::mouseClick(rig.pushButton("Button9"), Qt::LeftButton);
    QCOMPARE(rig.find<QSlider>("Relativ")->value(), 1000);
    // The fast end of the bar and its button are on the left.
    QVERIFY(rig.pushButton("Button10")->x() < rig.pushButton("Button9")->x());
    QVERIFY(rig.pushButton("Button9")->x() < rig.pushButton("Button8")->x());
}

void PlaybackPanelTest::currentNumberAndReport() {
    PanelRig rig;
    rig.setRows({{"7ä", "JA", "B", "A", "1", "V?"}});
    QTest::mouseClick(rig.button("Play"), Qt::LeftButton);
    QCOMPARE(rig.find<QLabel>("Label13")->text(), QString::fromUtf8("7ä"));
    QLabel* report = rig.panel->reportLabel();
    QCOMPARE(report->text(),
             QString::fromUtf8("Text 7ä, Spalte Dauer: '?' ist kein gültiger Integerwert"));
    QVERIFY(!report->isHidden());
    QTest::mouseClick(rig.button("Stop"), Qt::LeftButton);
    QVERIFY(report->isHidden());
}

void PlaybackPanelTest::stripFitsTheDefaultWidth_data() {
    QTest::addColumn<QString>("font");
    QTest::addColumn<QString>("language");
    QTest::newRow("Liberation Sans, German") << "Liberation Sans"
                                             << "";
    QTest::newRow("Liberation Sans, English") << "Liberation Sans"
                                              << "GB";
}

// The main window is 775 pixels wide by default: every control of the strip, with the
// display's button beside the mode buttons, is inside it and shows its whole caption.
void PlaybackPanelTest::stripFitsTheDefaultWidth() {
    QFETCH(QString, font);
    QFETCH(QString, language);
    const QFont previous = QApplication::font();
    QApplication::setFont(QFont(font, previous.pointSize()));
    {
        LanguageSwitch languages;
        languages.apply(language);
        PlaybackStrip strip;
        strip.addDisplayControls(new QPushButton("Anzeige"));
        strip.showCurrentNumber("00010");
        strip.resize(775, strip.height());
        strip.show();
        strip.layout()->activate();
        const QRect inside(0, 0, 775, strip.height());
        for (QWidget* w : strip.findChildren<QWidget*>()) {
            if (!w->isVisibleTo(&strip))
                continue;
            const QRect at(w->mapTo(&strip, QPoint(0, 0)), w->size());
            QVERIFY2(inside.contains(at), qPrintable(w->objectName()));
            if (auto* button = qobject_cast<QPushButton*>(w)) {
                const int caption = button->fontMetrics().horizontalAdvance(button->text());
                QVERIFY2(w->width() >= caption + 8, qPrintable(w->objectName()));
            } else if (qobject_cast<QLabel*>(w) || qobject_cast<QCheckBox*>(w)) {
                QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(w->objectName()));
            }
        }
    }
    QApplication::setFont(previous);
}

// The playback keys reach their commands whichever control has the focus; a text field
// keeps Space only while going on is not open.
void PlaybackPanelTest::keysWinOverTheFocusedControl_data() {
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("state");

    const QStringList paused{"play", "pause"};
    const QStringList manual{"manual"};
    const int ctrl = Qt::ControlModifier;
    const int alt = Qt::AltModifier;
    const int none = Qt::NoModifier;
    QTest::newRow("Ctrl+Enter, table") << "table" << QStringList() << int(Qt::Key_Return) << ctrl
                                       << "Play number '7' frames 0 note ''";
    QTest::newRow("keypad Enter, note")
        << "note" << QStringList() << int(Qt::Key_Enter) << int(ctrl | Qt::KeypadModifier)
        << "Play number '7' frames 0 note ''";
    QTest::newRow("Esc, line field") << "line" << QStringList{"play"} << int(Qt::Key_Escape) << none
                                     << "Stop number '7' frames 1 note ''";
    QTest::newRow("Ctrl+P, note") << "note" << QStringList{"play"} << int(Qt::Key_P) << ctrl
                                  << "Play paused number '7' frames 0 note ''";
    QTest::newRow("Alt+Space, table") << "table" << QStringList() << int(Qt::Key_Space) << alt
                                      << "Play paused number '7' frames 0 note ''";
    QTest::newRow("Alt+M, note") << "note" << QStringList() << int(Qt::Key_M) << alt
                                 << "Manuell number '' frames 0 note ''";
    QTest::newRow("F5, table") << "table" << manual << int(Qt::Key_F5) << none
                               << "Manuell number '7' frames 0 note ''";
    QTest::newRow("F6, note") << "note" << manual << int(Qt::Key_F6) << none
                              << "Manuell number '8' frames 0 note ''";
    QTest::newRow("F7, line field")
        << "line" << manual << int(Qt::Key_F7) << none << "Manuell number '8' frames 0 note ''";
    QTest::newRow("F8, table") << "table" << manual << int(Qt::Key_F8) << none
                               << "Manuell number '8' frames 0 note ''";
    QTest::newRow("F9, note") << "note" << QStringList{"manual", "select 2"} << int(Qt::Key_F9)
                              << none << "Manuell number '8' frames 0 note ''";
    QTest::newRow("Space while paused, table") << "table" << paused << int(Qt::Key_Space) << none
                                               << "Play paused number '7' frames 1 note ''";
    QTest::newRow("Space while paused, note") << "note" << paused << int(Qt::Key_Space) << none
                                              << "Play paused number '7' frames 1 note ''";
    QTest::newRow("Space while paused, line field")
        << "line" << paused << int(Qt::Key_Space) << none
        << "Play paused number '7' frames 1 note ''";
    QTest::newRow("Ctrl+Space while paused, table")
        << "table" << paused << int(Qt::Key_Space) << ctrl
        << "Play paused number '7' frames 1 note ''";
    QTest::newRow("Space while playing stays in the note")
        << "note" << QStringList{"play"} << int(Qt::Key_Space) << none
        << "Play number '7' frames 0 note ' '";
    QTest::newRow("F8 while playing is no command")
        << "table" << QStringList{"play"} << int(Qt::Key_F8) << none
        << "Play number '7' frames 0 note ''";
}

void PlaybackPanelTest::keysWinOverTheFocusedControl() {
    QFETCH(QString, focus);
    QFETCH(QStringList, before);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, state);

    PanelRig rig;
    rig.window.show();
    QApplication::setActiveWindow(&rig.window);
    for (const QString& command : before) {
        if (command == "play")
            rig.controller.play();
        else if (command == "pause")
            rig.controller.setPaused(true);
        else if (command == "manual")
            rig.controller.manual();
        else if (command == "select 2")
            rig.selection.select(2);
    }
    QWidget* target = focus == "table"  ? static_cast<QWidget*>(rig.tableView)
                      : focus == "note" ? static_cast<QWidget*>(rig.noteField)
                                        : static_cast<QWidget*>(rig.lineField);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(rig.state(), state);
}

void PlaybackPanelTest::keysWorkInEveryWindow_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("state");
    // Every case starts in manual mode on entry 7.
    QTest::newRow("help, Esc") << "help" << int(Qt::Key_Escape)
                               << "Stop number '7' frames 1 note ''";
    QTest::newRow("help, F8") << "help" << int(Qt::Key_F8) << "Manuell number '8' frames 0 note ''";
    QTest::newRow("import, F8") << "import" << int(Qt::Key_F8)
                                << "Manuell number '8' frames 0 note ''";
    QTest::newRow("marking list, Esc")
        << "marks" << int(Qt::Key_Escape) << "Stop number '7' frames 1 note ''";
    QTest::newRow("find, F8") << "find" << int(Qt::Key_F8) << "Manuell number '8' frames 0 note ''";
    // A box keeps its keys: Esc closes it and leaves the show alone.
    QTest::newRow("modal box, Esc")
        << "modal" << int(Qt::Key_Escape) << "Manuell number '7' frames 0 note ''";
}

void PlaybackPanelTest::keysWorkInEveryWindow() {
    QFETCH(QString, window);
    QFETCH(int, key);
    QFETCH(QString, state);

    PanelRig rig;
    ScriptedPrompter prompter;
    rig.window.show();
    rig.controller.manual();
    rig.controller.first();
    std::unique_ptr<QWidget> other;
    if (window == "help")
        other = std::make_unique<HelpWindow>();
    else if (window == "import")
        other = std::make_unique<CopyboardWindow>(prompter);
    else if (window == "marks")
        other = std::make_unique<MarkListWindow>();
    else if (window == "find")
        other = std::make_unique<FindDialog>();
    else {
        auto dialog = std::make_unique<QDialog>();
        dialog->setWindowModality(Qt::ApplicationModal);
        dialog->setLayout(new QVBoxLayout);
        dialog->layout()->addWidget(new QLineEdit);
        other = std::move(dialog);
    }
    other->show();
    QApplication::setActiveWindow(other.get());
    QWidget* target = other->focusWidget() ? other->focusWidget() : other.get();
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(rig.state(), state);
}

QTEST_MAIN(PlaybackPanelTest)
#include "tst_playbackpanel.moc"

#include "playbackrig.h"

#include "app/mainwindowform.h"
#include "editor/entryeditorpanel.h"
#include "playback/playbackcontroller.h"
#include "playback/playbackpanel.h"
#include "sequence/rowselection.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

// The main window's form with the panel on it, over the recording port.
struct PanelRig : DisplayRig {
    QMainWindow window;
    MainWindowForm form;
    RowSelection selection{table};
    PlaybackController controller{table, selection, output, clock, nullptr};
    std::unique_ptr<PlaybackPanel> panel;

    PanelRig()
        : DisplayRig(1, 4) {
        form.setupUi(&window);
        panel = std::make_unique<PlaybackPanel>(window, form, controller);
        setRows({{"7", "JA", "B", "A", "1", "M1"}, {"8", "JA", "B", "Z", "1", "M1"}});
    }
    template <typename T> T* find(const char* name) const {
        return window.findChild<T*>(QLatin1String(name));
    }
    QStringList buttonsDown() const {
        QStringList down;
        for (QToolButton* b : {form.stopButton, form.playButton, form.manualButton}) {
            if (b->isChecked())
                down << b->objectName();
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
    void groupsEnabledByName();
    void pauseShowsCheckMarkKeyAndLocksTabs();
    void speedButtonsSetBar();
    void currentNumberAndReport();
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
    QTest::newRow("menu") << "Abspielen1" << QByteArray("title") << "&Abspielen"
                          << "&Play";
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
    QObject* o = rig.window.findChild<QObject*>(object);
    QVERIFY(o);
    QCOMPARE(o->property(property.constData()).toString(), german);
    rig.panel->applyLanguage("GB");
    QCOMPARE(o->property(property.constData()).toString(), english);
    rig.panel->applyLanguage("gb"); // only "GB" is English
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
    rig.form.stopAction->trigger();
    QCOMPARE(rig.buttonsDown(), QStringList{"Stop"});
    QCOMPARE(rig.controller.playbackMode(), PlaybackMode::Stopped);
}

void PlaybackPanelTest::groupsEnabledByName() {
    PanelRig rig;
    // Commands that other windows add later are found by their names.
    auto* newText = new QPushButton(&rig.window);
    newText->setObjectName("Button1");
    QWidget markList;
    auto* deleteMarked = new QPushButton(&markList);
    deleteMarked->setObjectName("Button5");
    rig.panel->addCommandWindow(&markList);

    QVERIFY(newText->isEnabled() && deleteMarked->isEnabled() &&
            rig.form.editorPanel->numberField()->isEnabled());
    QVERIFY(!rig.form.firstButton->isEnabled() && !rig.form.firstAction->isEnabled());
    QVERIFY(!rig.form.pauseButton->isEnabled() && !rig.form.goOnButton->isEnabled());

    QTest::mouseClick(rig.form.manualButton, Qt::LeftButton);
    QVERIFY(!newText->isEnabled() && !deleteMarked->isEnabled() &&
            !rig.form.newAction->isEnabled());
    QVERIFY(rig.form.firstButton->isEnabled() && rig.form.goToAction->isEnabled());
    QVERIFY(rig.form.pauseButton->isEnabled() && rig.form.pauseAction->isEnabled());

    QTest::mouseClick(rig.form.playButton, Qt::LeftButton);
    QVERIFY(!rig.form.nextButton->isEnabled() && !rig.form.nextAction->isEnabled());

    rig.form.stopAction->trigger();
    QVERIFY(newText->isEnabled() && deleteMarked->isEnabled() && rig.form.openAction->isEnabled());
    QVERIFY(!rig.form.pauseButton->isEnabled());
}

void PlaybackPanelTest::pauseShowsCheckMarkKeyAndLocksTabs() {
    PanelRig rig;
    QTest::mouseClick(rig.form.playButton, Qt::LeftButton);
    QTest::mouseClick(rig.form.pauseButton, Qt::LeftButton);
    QVERIFY(rig.controller.isPaused());
    QVERIFY(rig.form.pauseAction->isChecked());
    QCOMPARE(rig.form.goOnAction->shortcut(), QKeySequence(Qt::Key_Space));
    QVERIFY(rig.form.goOnButton->isEnabled());
    QVERIFY(!rig.form.editorPanel->kindTabs()->isEnabled());

    rig.form.pauseAction->trigger(); // the menu item releases it
    QVERIFY(!rig.controller.isPaused());
    QVERIFY(!rig.form.pauseButton->isChecked());
    QCOMPARE(rig.form.goOnAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Space));
    QVERIFY(rig.form.editorPanel->kindTabs()->isEnabled());
    QVERIFY(!rig.form.goOnAction->isEnabled());
}

void PlaybackPanelTest::speedButtonsSetBar() {
    PanelRig rig;
    rig.window.show();
    QTest::mouseClick(rig.form.speed50Button, Qt::LeftButton);
    QCOMPARE(rig.form.speed50Button->text(), "50%");
    QCOMPARE(rig.controller.speedFactor(), 1500);
    QTest::mouseClick(rig.form.speed150Button, Qt::LeftButton);
    QCOMPARE(rig.controller.speedFactor(), 500);
    QTest::mouseClick(rig.form.speed100Button, Qt::LeftButton);
    QCOMPARE(rig.form.speedSlider->value(), 1000);
    // The fast end of the bar and its button are on the left.
    QVERIFY(rig.form.speed150Button->x() < rig.form.speed100Button->x());
    QVERIFY(rig.form.speed100Button->x() < rig.form.speed50Button->x());
}

void PlaybackPanelTest::currentNumberAndReport() {
    PanelRig rig;
    rig.setRows({{"7ä", "JA", "B", "A", "1", "V?"}});
    QTest::mouseClick(rig.form.playButton, Qt::LeftButton);
    QCOMPARE(rig.form.currentNumberLabel->text(), QString::fromUtf8("7ä"));
    QLabel* report = rig.panel->reportLabel();
    QCOMPARE(report->text(), "'?' ist kein gültiger Integerwert");
    QVERIFY(!report->isHidden());
    QTest::mouseClick(rig.form.stopButton, Qt::LeftButton);
    QVERIFY(report->isHidden());
}

QTEST_MAIN(PlaybackPanelTest)
#include "tst_playbackpanel.moc"

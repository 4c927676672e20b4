#include "mainwindowform.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QSplitter>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "display/statusline.h"
#include "display/uploadstrip.h"
#include "editor/entryeditorpanel.h"
#include "sequence/sequencetableview.h"

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QAction* action(QMenu* menu, const char* name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    return a;
}

QAction* separator(QMenu* menu, const char* name) {
    QAction* a = menu->addSeparator();
    a->setObjectName(QLatin1String(name));
    return a;
}

void addAll(QBoxLayout* layout, std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets)
        layout->addWidget(w);
}

QToolButton* toolButton(const char* name, const QString& text, bool checkable = false) {
    auto* b = named(new QToolButton, name);
    b->setText(text);
    b->setCheckable(checkable);
    b->setFixedSize(33, 33);
    return b;
}

} // namespace

void MainWindowForm::setupUi(QMainWindow* window) {
    window->setObjectName(QStringLiteral("TForm1"));
    window->setMinimumSize(775, 421);

    QMenuBar* bar = window->menuBar();
    QMenu* file = named(bar->addMenu(QStringLiteral("&Datei")), "Datei1");
    newAction = action(file, "Neu1", QStringLiteral("&Neu"));
    openAction = action(file, "Oeffnen1", QStringLiteral("Ablauf &öffnen"));
    saveAction = action(file, "Speichern1", QStringLiteral("Ablauf &speichern"));
    saveAsAction = action(file, "Speichernunter1", QStringLiteral("Ablauf speichern &unter"));
    saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    quitAction = action(file, "Beenden1", QStringLiteral("&Beenden"));

    QMenu* edit = named(bar->addMenu(QStringLiteral("&Bearbeiten")), "Bearbeiten1");

    QMenu* play = named(bar->addMenu(QStringLiteral("&Abspielen")), "Abspielen1");
    playAutomaticAction =
        action(play, "automatischabspielen1", QStringLiteral("&Automatisch abspielen"));
    stopAction = action(play, "Stop1", QStringLiteral("&Stop"));
    pauseAction = action(play, "Pause1", QStringLiteral("&Pause"));
    pauseAction->setCheckable(true);
    startPausedAction = action(play, "StartPause", QStringLiteral("Start+Pause"));
    manualAction = action(play, "Manuell1", QStringLiteral("&Manuell"));
    stepSeparator = separator(play, "N2");
    firstAction = action(play, "Erster1", QStringLiteral("&Erster"));
    lastAction = action(play, "Letzter1", QStringLiteral("&Letzter"));
    previousAction = action(play, "Zurck1", QStringLiteral("&Zurück"));
    nextAction = action(play, "Vor1", QStringLiteral("&Vor"));
    goToAction = action(play, "gehezu1", QStringLiteral("&Gehe zu"));
    goOnAction = action(play, "Weiter1", QStringLiteral("&Weiter"));
    portSeparator = separator(play, "N3");
    choosePortAction = action(play, "COMPort1", QStringLiteral("&COM-Port"));

    QMenu* language = named(bar->addMenu(QStringLiteral("&Sprache")), "Sprache1");
    germanAction = action(language, "Deutsch1", QStringLiteral("&Deutsch"));
    englishAction = action(language, "Englisch1", QStringLiteral("&Englisch"));
    auto* languages = new QActionGroup(window);
    for (QAction* a : {germanAction, englishAction}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    germanAction->setChecked(true);
    aboutAction = action(bar->addMenu(QStringLiteral("&Info")), "Info1", QStringLiteral("&Info"));
    helpAction = bar->addAction(QStringLiteral("&Hilfe (F1)"));
    helpAction->setObjectName(QStringLiteral("Hilfe1"));
    helpAction->setShortcut(QKeySequence(Qt::Key_F1));

    editorPanel = new EntryEditorPanel;

    // Playback strip
    auto* strip = new QWidget;
    strip->setFixedHeight(65);
    strip->setObjectName(QStringLiteral("PlaybackStrip"));
    strip->setAttribute(Qt::WA_StyledBackground);
    strip->setStyleSheet(QStringLiteral("#PlaybackStrip { background: teal; }"
                                        " #Panel6 { background: green; }"));
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(4, 2, 4, 2);
    auto* current = new QVBoxLayout;
    auto* currentRow = new QHBoxLayout;
    currentTextLabel = named(new QLabel(QStringLiteral("Aktueller Text:")), "Label14");
    currentNumberLabel = named(new QLabel, "Label13");
    currentNumberLabel->setStyleSheet(QStringLiteral(
        "color: yellow; background: blue; font: bold 16px \"Courier New\"; padding: 0 4px;"));
    followCheckBox = named(new QCheckBox(QStringLiteral("Verfolgen")), "Verfolgen");
    currentRow->addWidget(currentTextLabel);
    currentRow->addWidget(currentNumberLabel);
    current->addLayout(currentRow);
    current->addWidget(followCheckBox);
    stripLayout->addLayout(current);

    auto* speed = new QVBoxLayout;
    speedLabel = named(new QLabel(QStringLiteral("Gesamtgeschwindigkeit")), "Label17");
    speedSlider = named(new QSlider(Qt::Horizontal), "Relativ");
    speedSlider->setRange(500, 1500);
    speedSlider->setValue(1000);
    speedSlider->setTickInterval(100);
    speedSlider->setTickPosition(QSlider::TicksBelow);
    speedSlider->setFixedWidth(145);
    auto* speedButtons = new QHBoxLayout;
    // The fast end of the bar and its button are on the left.
    speed50Button = named(new QPushButton(QStringLiteral("50%")), "Button8");
    speed100Button = named(new QPushButton(QStringLiteral("100%")), "Button9");
    speed150Button = named(new QPushButton(QStringLiteral("150%")), "Button10");
    for (QPushButton* b : {speed150Button, speed100Button, speed50Button})
        speedButtons->addWidget(b);
    speed->addWidget(speedLabel);
    speed->addWidget(speedSlider);
    speed->addLayout(speedButtons);
    stripLayout->addLayout(speed);

    playButton = toolButton("Play", QStringLiteral("▶"), true);
    stopButton = toolButton("Stop", QStringLiteral("■"), true);
    pauseButton = toolButton("Pause", QStringLiteral("❚❚"), true);
    manualButton = toolButton("Manuell", QStringLiteral("M"), true);
    playbackModeGroup = new QButtonGroup(window);
    playbackModeGroup->setObjectName(QStringLiteral("PlaybackModeGroup"));
    for (QToolButton* b : {playButton, stopButton, manualButton})
        playbackModeGroup->addButton(b);
    stopButton->setChecked(true);
    for (QToolButton* b : {playButton, stopButton, pauseButton, manualButton})
        stripLayout->addWidget(b);

    supervisionButton = named(new QPushButton(QStringLiteral("Anzeige")), "Button3");
    uploadStrip = new UploadStrip;
    stripLayout->addWidget(supervisionButton);
    stripLayout->addWidget(uploadStrip);
    stripLayout->addStretch();

    navigationPanel = named(new QWidget, "Panel6");
    navigationPanel->setFixedWidth(269);
    navigationPanel->setAttribute(Qt::WA_StyledBackground);
    auto* navigation = new QVBoxLayout(navigationPanel);
    navigation->setContentsMargins(2, 0, 2, 0);
    auto* navigationRow = new QHBoxLayout;
    firstButton = toolButton("First", QStringLiteral("|◀"));
    lastButton = toolButton("Last", QStringLiteral("▶|"));
    previousButton = toolButton("Bevore", QStringLiteral("◀"));
    nextButton = toolButton("Next", QStringLiteral("▶"));
    goToButton = named(new QPushButton(QStringLiteral("Gehe zu Text")), "zu");
    addAll(navigationRow, {firstButton, lastButton, previousButton, nextButton, goToButton});
    goOnButton =
        named(new QPushButton(QStringLiteral("Weiter bei Pause (Strg+Leertaste)")), "Weiter");
    navigation->addLayout(navigationRow);
    navigation->addWidget(goOnButton);
    stripLayout->addWidget(navigationPanel);

    tableView = new SequenceTableView;

    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(strip);
    lowerLayout->addWidget(tableView, 1);

    editorSplitter = named(new QSplitter(Qt::Vertical), "Splitter1");
    editorSplitter->addWidget(editorPanel);
    editorSplitter->addWidget(lower);
    editorSplitter->setChildrenCollapsible(false);
    window->setCentralWidget(editorSplitter);

    statusLine = new StatusLine;
    window->setStatusBar(statusLine);

    buildTableCommands(edit);
}

void MainWindowForm::buildTableCommands(QMenu* edit) {
    const auto button = [](const char* name, const QString& caption, const QString& hint) {
        auto* b = named(new QPushButton(caption), name);
        b->setToolTip(hint);
        return b;
    };
    proposeNumberButton = button("Button4", QStringLiteral("Nr. neu"),
                                 QStringLiteral("Neue, freie Textnummer ermitteln"));
    newTextButton =
        button("Button1", QStringLiteral("Neuer Text"), QStringLiteral("Aktiven Text löschen"));
    renumberButton = button("Button6", QStringLiteral("Neu durchnumerieren"),
                            QStringLiteral("Alle Texte in 10er - Schritten neu durchnummerieren"));
    deleteTextsButton =
        button("Button5", QStringLiteral("Texte löschen"),
               QStringLiteral("Die mit der gelben Markierung ausgewählten Texte oder der "
                              "ausgwähle Text (blauer Balken) wird nach Bestätigung gelöscht"));
    exchangeTextsButton =
        button("Button7", QStringLiteral("Texte tauschen"),
               QStringLiteral("Zwei mit der gelben Markierung ausgewählten Texte werden "
                              "getauscht"));
    auto* bar = new QWidget;
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    addAll(row, {proposeNumberButton, newTextButton, renumberButton, deleteTextsButton,
                 exchangeTextsButton});
    row->addStretch();
    editorPanel->addCommandBar(bar);

    deleteTextsAction = action(edit, "Textelschen1", QStringLiteral("Texte &löschen"));
    deleteTextsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    exchangeTextsAction = action(edit, "Textetauschen1", QStringLiteral("Texte &tauschen"));
    markListAction = action(edit, "ListeMarkierung1", QStringLiteral("Liste &Markierung"));
    markListAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

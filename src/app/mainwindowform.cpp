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
#include <QStatusBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

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

QSpinBox* spin(const char* name, int minimum, int maximum, int value) {
    auto* box = named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

// A page of the kind tabs: the text editor with its change time beside it.
QWidget* textPage(const char* name, QWidget* editor, const QString& timing, QSpinBox* time) {
    auto* page = named(new QWidget, name);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(editor);
    auto* form = new QFormLayout;
    form->addRow(timing, time);
    layout->addLayout(form);
    return page;
}

void addAll(QBoxLayout* layout, std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets)
        layout->addWidget(w);
}

// A display of many lines brings many line fields: they scroll instead of growing the window.
QScrollArea* scrolling(QWidget* lines) {
    auto* area = new QScrollArea;
    area->setWidget(lines);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
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

    editMenu = named(bar->addMenu(QStringLiteral("&Bearbeiten")), "Bearbeiten1");

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

    // Entry editor panel
    editorPanel = named(new QWidget, "Panel2");
    editorPanel->setMinimumHeight(232);
    auto* editor = new QVBoxLayout(editorPanel);
    auto* header = new QHBoxLayout;
    numberLabel = named(new QLabel(QStringLiteral("Text Nr.")), "TextNrLabel");
    numberField = named(new QLineEdit(QStringLiteral("00010")), "TextNr");
    numberField->setToolTip(QStringLiteral(
        "Textnummer des aktuellen Textes. Es können auch Buchstaben eingetragen werden. Es wird "
        "Alphabetisch einsortiert."));
    changeNumberButton = named(new QPushButton(QStringLiteral("Nr. ändern")), "Button2");
    changeNumberButton->setToolTip(QStringLiteral(
        "Bisherige Textnummer des ausgewählten Textes auf die oben eingestellte Nummer ändern"));
    activeCheckBox = named(new QCheckBox(QStringLiteral("Text aktiv")), "CheckBox1");
    activeCheckBox->setChecked(true);
    activeCheckBox->hide();
    noteLabel = named(new QLabel(QStringLiteral("Hinweisfeld:")), "HinweisLabel");
    noteField = named(new QPlainTextEdit, "Hinweis");
    noteField->setMaximumHeight(40);
    noteField->setToolTip(
        QStringLiteral("Hier können Sie einen Hinweis zum aktuelle Text eintragen"));
    addAll(header, {numberLabel, numberField, changeNumberButton, activeCheckBox, noteLabel});
    header->addWidget(noteField, 1);
    editor->addLayout(header);

    kindTabs = named(new QTabWidget, "PageControl1");
    referenceLabel = named(new QLabel(editorPanel), "TestLabel");
    QFont reference(QStringLiteral("Courier"));
    reference.setPixelSize(12);
    reference.setBold(true);
    reference.setStyleHint(QFont::Monospace);
    referenceLabel->setFont(reference);
    referenceLabel->hide();
    flowMeasure = named(new QPlainTextEdit(editorPanel), "Memo1");
    flowMeasure->hide();

    blockEditor = named(new QTextEdit, "Textfeld");
    pageTime = spin("Seitenwechselzeit", 1, 3600, 3);
    blockPage = textPage("TabSheet1", blockEditor, QStringLiteral("Seitenwechselzeit"), pageTime);
    kindTabs->addTab(blockPage, QStringLiteral("Blocktext"));

    scrollEditor = named(new QTextEdit, "ScrollTextFeld");
    lineTime = spin("Zeilenwechselzeit", 1, 3600, 3);
    scrollPage = textPage("TabSheet2", scrollEditor, QStringLiteral("Zeilenwechselzeit"), lineTime);
    kindTabs->addTab(scrollPage, QStringLiteral("Scrolltext"));

    flowPage = named(new QWidget, "TabSheet3");
    flowEditor = named(new QPlainTextEdit, "Fliesstextfeld");
    // Tab moves on to the next field in the editor's text fields; a pasted tab stays text.
    noteField->setTabChangesFocus(true);
    blockEditor->setTabChangesFocus(true);
    scrollEditor->setTabChangesFocus(true);
    flowEditor->setTabChangesFocus(true);
    flowStep = spin("Fliesstakt", 1, 10, 5);
    flowStep->setWrapping(false);
    flowStepLabel = named(new QLabel(QStringLiteral("Fliesstakt")), "Label7");
    flowStepSeconds = named(new QLabel(QStringLiteral("0,5")), "Label8");
    flowLine = spin("TextInZeile", 1, 1, 1);
    flowLineLabel = named(new QLabel(QStringLiteral("Fliesstext in Zeile")), "Label12");
    auto* flow = new QVBoxLayout(flowPage);
    flow->addWidget(flowEditor);
    flowLinePanel = named(new QWidget, "FlowLinePanel");
    flow->addWidget(scrolling(flowLinePanel));
    auto* flowTiming = new QHBoxLayout;
    addAll(flowTiming, {flowStepLabel, flowStep, flowStepSeconds, flowLineLabel, flowLine});
    flowTiming->addStretch();
    flow->addLayout(flowTiming);
    kindTabs->addTab(flowPage, QStringLiteral("Fließtext"));
    previewPanel = named(new QWidget, "PreviewPanel");
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(scrolling(previewPanel));
    kinds->addWidget(kindTabs, 1);
    editor->addLayout(kinds, 1);

    auto* duration = new QHBoxLayout;
    durationLabel = named(new QLabel(QStringLiteral("Mindestanzeigedauer:")), "Label4");
    minutesLabel = named(new QLabel(QStringLiteral("Min.")), "Label5");
    secondsLabel = named(new QLabel(QStringLiteral("Sek.")), "Label6");
    presetLabel = named(new QLabel(QStringLiteral("Vor-\r\ngabe")), "Label16");
    presetDurationFlag = named(new QCheckBox, "Vorgabezeit");
    presetDurationFlag->hide(); // playback's flag for a preset duration, never shown
    byDuration = named(new QCheckBox, "NachDauer");
    durationMinutes = spin("DauerMinuten", 0, 1440, 0);
    durationSeconds = spin("DauerSekunden", 0, 60, 0);
    const QString durationHint = QStringLiteral(
        "Anzeigedauer wird verwendet wenn \"Automatisch nach Anzeigedauer\" ausgewählt wird");
    durationMinutes->setToolTip(durationHint);
    durationSeconds->setToolTip(durationHint);
    presetLabel->setToolTip(
        QStringLiteral("Selbsgewählte Vorgabezeit verwenden / sonst Mindestzeit verwenden"));
    commitButton = named(new QPushButton(QStringLiteral("OK")), "Button11");
    commitButton->setToolTip(QStringLiteral("Änderungen am aktiven Text in Tabelle übernehmen"));
    commitButton->setEnabled(false);
    addAll(duration, {durationLabel, durationMinutes, minutesLabel, durationSeconds, secondsLabel,
                      presetLabel, presetDurationFlag, byDuration});
    duration->addStretch();
    duration->addWidget(commitButton);
    editor->addLayout(duration);

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
    uploadButton = named(new QPushButton(QStringLiteral("senden")), "AnzeigeSenden");
    cancelUploadButton = named(new QPushButton(QStringLiteral("abbrechen")), "abbrechen");
    uploadButton->hide();
    cancelUploadButton->hide();
    stripLayout->addWidget(supervisionButton);
    stripLayout->addWidget(uploadButton);
    stripLayout->addWidget(cancelUploadButton);
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

    statusLine = named(new QStatusBar, "StatusBar1");
    window->setStatusBar(statusLine);
}

namespace {

QLineEdit* lineField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

} // namespace

void MainWindowForm::buildLineFields(int lineCount, int columnCount) {
    qDeleteAll(flowLineFields);
    qDeleteAll(previewLines);
    flowLineFields.clear();
    previewLines.clear();
    delete flowLinePanel->layout();
    delete previewPanel->layout();

    auto* flowLines = new QVBoxLayout(flowLinePanel);
    flowLines->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i + 1 < lineCount; ++i) {
        QLineEdit* field = lineField(flowLinePanel, QStringLiteral("FliesstextZeile%1").arg(i));
        field->setMaxLength(columnCount);
        flowLines->addWidget(field);
        flowLineFields.append(field);
    }

    auto* preview = new QVBoxLayout(previewPanel);
    preview->setContentsMargins(0, 0, 0, 0);
    preview->setSpacing(0);
    QFont monospaced(QStringLiteral("Courier"));
    monospaced.setStyleHint(QFont::Monospace);
    for (int i = 0; i < lineCount; ++i) {
        QLineEdit* line = lineField(previewPanel, QStringLiteral("VorschauZeile%1").arg(i));
        line->setReadOnly(true);
        line->setFocusPolicy(Qt::NoFocus);
        line->setFont(monospaced);
        const int width =
            QFontMetrics(monospaced).horizontalAdvance(QLatin1Char('X')) * (columnCount + 1) + 8;
        line->setMinimumWidth(qMin(width, 320));
        preview->addWidget(line);
        previewLines.append(line);
    }
    preview->addStretch();
}

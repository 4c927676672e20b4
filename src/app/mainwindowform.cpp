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
    Neu1 = action(file, "Neu1", QStringLiteral("&Neu"));
    Oeffnen1 = action(file, "Oeffnen1", QStringLiteral("Ablauf &öffnen"));
    Speichern1 = action(file, "Speichern1", QStringLiteral("Ablauf &speichern"));
    Speichernunter1 = action(file, "Speichernunter1", QStringLiteral("Ablauf speichern &unter"));
    Speichern1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    file->addSeparator();
    Beenden1 = action(file, "Beenden1", QStringLiteral("&Beenden"));

    QMenu* edit = named(bar->addMenu(QStringLiteral("&Bearbeiten")), "Bearbeiten1");

    QMenu* play = named(bar->addMenu(QStringLiteral("&Abspielen")), "Abspielen1");
    automatischabspielen1 =
        action(play, "automatischabspielen1", QStringLiteral("&Automatisch abspielen"));
    Stop1 = action(play, "Stop1", QStringLiteral("&Stop"));
    Pause1 = action(play, "Pause1", QStringLiteral("&Pause"));
    Pause1->setCheckable(true);
    StartPause = action(play, "StartPause", QStringLiteral("Start+Pause"));
    Manuell1 = action(play, "Manuell1", QStringLiteral("&Manuell"));
    N2 = separator(play, "N2");
    Erster1 = action(play, "Erster1", QStringLiteral("&Erster"));
    Letzter1 = action(play, "Letzter1", QStringLiteral("&Letzter"));
    Zurck1 = action(play, "Zurck1", QStringLiteral("&Zurück"));
    Vor1 = action(play, "Vor1", QStringLiteral("&Vor"));
    gehezu1 = action(play, "gehezu1", QStringLiteral("&Gehe zu"));
    Weiter1 = action(play, "Weiter1", QStringLiteral("&Weiter"));
    N3 = separator(play, "N3");
    COMPort1 = action(play, "COMPort1", QStringLiteral("&COM-Port"));

    QMenu* language = named(bar->addMenu(QStringLiteral("&Sprache")), "Sprache1");
    Deutsch1 = action(language, "Deutsch1", QStringLiteral("&Deutsch"));
    Englisch1 = action(language, "Englisch1", QStringLiteral("&Englisch"));
    auto* languages = new QActionGroup(window);
    for (QAction* a : {Deutsch1, Englisch1}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    Deutsch1->setChecked(true);
    Info1 = action(bar->addMenu(QStringLiteral("&Info")), "Info1", QStringLiteral("&Info"));
    Hilfe1 = bar->addAction(QStringLiteral("&Hilfe (F1)"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    Hilfe1->setShortcut(QKeySequence(Qt::Key_F1));

    // Entry editor panel
    Panel2 = named(new QWidget, "Panel2");
    Panel2->setMinimumHeight(232);
    auto* editor = new QVBoxLayout(Panel2);
    auto* header = new QHBoxLayout;
    TextNrLabel = named(new QLabel(QStringLiteral("Text Nr.")), "TextNrLabel");
    TextNr = named(new QLineEdit(QStringLiteral("00010")), "TextNr");
    TextNr->setToolTip(QStringLiteral(
        "Textnummer des aktuellen Textes. Es können auch Buchstaben eingetragen werden. Es wird "
        "Alphabetisch einsortiert."));
    Button2 = named(new QPushButton(QStringLiteral("Nr. ändern")), "Button2");
    Button2->setToolTip(QStringLiteral(
        "Bisherige Textnummer des ausgewählten Textes auf die oben eingestellte Nummer ändern"));
    CheckBox1 = named(new QCheckBox(QStringLiteral("Text aktiv")), "CheckBox1");
    CheckBox1->setChecked(true);
    CheckBox1->hide();
    HinweisLabel = named(new QLabel(QStringLiteral("Hinweisfeld:")), "HinweisLabel");
    Hinweis = named(new QPlainTextEdit, "Hinweis");
    Hinweis->setMaximumHeight(40);
    Hinweis->setToolTip(
        QStringLiteral("Hier können Sie einen Hinweis zum aktuelle Text eintragen"));
    addAll(header, {TextNrLabel, TextNr, Button2, CheckBox1, HinweisLabel});
    header->addWidget(Hinweis, 1);
    editor->addLayout(header);

    PageControl1 = named(new QTabWidget, "PageControl1");
    TestLabel = named(new QLabel(Panel2), "TestLabel");
    QFont reference(QStringLiteral("Courier"));
    reference.setPixelSize(12);
    reference.setBold(true);
    reference.setStyleHint(QFont::Monospace);
    TestLabel->setFont(reference);
    TestLabel->hide();
    Memo1 = named(new QPlainTextEdit(Panel2), "Memo1");
    Memo1->hide();

    Textfeld = named(new QTextEdit, "Textfeld");
    Seitenwechselzeit = spin("Seitenwechselzeit", 1, 3600, 3);
    TabSheet1 =
        textPage("TabSheet1", Textfeld, QStringLiteral("Seitenwechselzeit"), Seitenwechselzeit);
    PageControl1->addTab(TabSheet1, QStringLiteral("Blocktext"));

    ScrollTextFeld = named(new QTextEdit, "ScrollTextFeld");
    Zeilenwechselzeit = spin("Zeilenwechselzeit", 1, 3600, 3);
    TabSheet2 = textPage("TabSheet2", ScrollTextFeld, QStringLiteral("Zeilenwechselzeit"),
                         Zeilenwechselzeit);
    PageControl1->addTab(TabSheet2, QStringLiteral("Scrolltext"));

    TabSheet3 = named(new QWidget, "TabSheet3");
    Fliesstextfeld = named(new QPlainTextEdit, "Fliesstextfeld");
    // Tab moves on to the next field in the editor's text fields; a pasted tab stays text.
    Hinweis->setTabChangesFocus(true);
    Textfeld->setTabChangesFocus(true);
    ScrollTextFeld->setTabChangesFocus(true);
    Fliesstextfeld->setTabChangesFocus(true);
    Fliesstakt = spin("Fliesstakt", 1, 10, 5);
    Fliesstakt->setWrapping(false);
    Label7 = named(new QLabel(QStringLiteral("Fliesstakt")), "Label7");
    Label8 = named(new QLabel(QStringLiteral("0,5")), "Label8");
    TextInZeile = spin("TextInZeile", 1, 1, 1);
    Label12 = named(new QLabel(QStringLiteral("Fliesstext in Zeile")), "Label12");
    auto* flow = new QVBoxLayout(TabSheet3);
    flow->addWidget(Fliesstextfeld);
    FlowLinePanel = named(new QWidget, "FlowLinePanel");
    flow->addWidget(scrolling(FlowLinePanel));
    auto* flowTiming = new QHBoxLayout;
    addAll(flowTiming, {Label7, Fliesstakt, Label8, Label12, TextInZeile});
    flowTiming->addStretch();
    flow->addLayout(flowTiming);
    PageControl1->addTab(TabSheet3, QStringLiteral("Fließtext"));
    PreviewPanel = named(new QWidget, "PreviewPanel");
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(scrolling(PreviewPanel));
    kinds->addWidget(PageControl1, 1);
    editor->addLayout(kinds, 1);

    auto* duration = new QHBoxLayout;
    Label4 = named(new QLabel(QStringLiteral("Mindestanzeigedauer:")), "Label4");
    Label5 = named(new QLabel(QStringLiteral("Min.")), "Label5");
    Label6 = named(new QLabel(QStringLiteral("Sek.")), "Label6");
    Label16 = named(new QLabel(QStringLiteral("Vor-\r\ngabe")), "Label16");
    Vorgabezeit = named(new QCheckBox, "Vorgabezeit");
    Vorgabezeit->hide(); // playback's flag for a preset duration, never shown
    NachDauer = named(new QCheckBox, "NachDauer");
    DauerMinuten = spin("DauerMinuten", 0, 1440, 0);
    DauerSekunden = spin("DauerSekunden", 0, 60, 0);
    const QString durationHint = QStringLiteral(
        "Anzeigedauer wird verwendet wenn \"Automatisch nach Anzeigedauer\" ausgewählt wird");
    DauerMinuten->setToolTip(durationHint);
    DauerSekunden->setToolTip(durationHint);
    Label16->setToolTip(
        QStringLiteral("Selbsgewählte Vorgabezeit verwenden / sonst Mindestzeit verwenden"));
    Button11 = named(new QPushButton(QStringLiteral("OK")), "Button11");
    Button11->setToolTip(QStringLiteral("Änderungen am aktiven Text in Tabelle übernehmen"));
    Button11->setEnabled(false);
    addAll(duration,
           {Label4, DauerMinuten, Label5, DauerSekunden, Label6, Label16, Vorgabezeit, NachDauer});
    duration->addStretch();
    duration->addWidget(Button11);
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
    Label14 = named(new QLabel(QStringLiteral("Aktueller Text:")), "Label14");
    Label13 = named(new QLabel, "Label13");
    Label13->setStyleSheet(QStringLiteral(
        "color: yellow; background: blue; font: bold 16px \"Courier New\"; padding: 0 4px;"));
    Verfolgen = named(new QCheckBox(QStringLiteral("Verfolgen")), "Verfolgen");
    currentRow->addWidget(Label14);
    currentRow->addWidget(Label13);
    current->addLayout(currentRow);
    current->addWidget(Verfolgen);
    stripLayout->addLayout(current);

    auto* speed = new QVBoxLayout;
    Label17 = named(new QLabel(QStringLiteral("Gesamtgeschwindigkeit")), "Label17");
    Relativ = named(new QSlider(Qt::Horizontal), "Relativ");
    Relativ->setRange(500, 1500);
    Relativ->setValue(1000);
    Relativ->setTickInterval(100);
    Relativ->setTickPosition(QSlider::TicksBelow);
    Relativ->setFixedWidth(145);
    auto* speedButtons = new QHBoxLayout;
    // The fast end of the bar and its button are on the left.
    Button8 = named(new QPushButton(QStringLiteral("50%")), "Button8");
    Button9 = named(new QPushButton(QStringLiteral("100%")), "Button9");
    Button10 = named(new QPushButton(QStringLiteral("150%")), "Button10");
    for (QPushButton* b : {Button10, Button9, Button8})
        speedButtons->addWidget(b);
    speed->addWidget(Label17);
    speed->addWidget(Relativ);
    speed->addLayout(speedButtons);
    stripLayout->addLayout(speed);

    Play = toolButton("Play", QStringLiteral("▶"), true);
    Stop = toolButton("Stop", QStringLiteral("■"), true);
    Pause = toolButton("Pause", QStringLiteral("❚❚"), true);
    Manuell = toolButton("Manuell", QStringLiteral("M"), true);
    PlaybackModeGroup = new QButtonGroup(window);
    PlaybackModeGroup->setObjectName(QStringLiteral("PlaybackModeGroup"));
    for (QToolButton* b : {Play, Stop, Manuell})
        PlaybackModeGroup->addButton(b);
    Stop->setChecked(true);
    for (QToolButton* b : {Play, Stop, Pause, Manuell})
        stripLayout->addWidget(b);

    Button3 = named(new QPushButton(QStringLiteral("Anzeige")), "Button3");
    AnzeigeSenden = named(new QPushButton(QStringLiteral("senden")), "AnzeigeSenden");
    abbrechen = named(new QPushButton(QStringLiteral("abbrechen")), "abbrechen");
    AnzeigeSenden->hide();
    abbrechen->hide();
    stripLayout->addWidget(Button3);
    stripLayout->addWidget(AnzeigeSenden);
    stripLayout->addWidget(abbrechen);
    stripLayout->addStretch();

    Panel6 = named(new QWidget, "Panel6");
    Panel6->setFixedWidth(269);
    Panel6->setAttribute(Qt::WA_StyledBackground);
    auto* navigation = new QVBoxLayout(Panel6);
    navigation->setContentsMargins(2, 0, 2, 0);
    auto* navigationRow = new QHBoxLayout;
    First = toolButton("First", QStringLiteral("|◀"));
    Last = toolButton("Last", QStringLiteral("▶|"));
    Bevore = toolButton("Bevore", QStringLiteral("◀"));
    Next = toolButton("Next", QStringLiteral("▶"));
    zu = named(new QPushButton(QStringLiteral("Gehe zu Text")), "zu");
    addAll(navigationRow, {First, Last, Bevore, Next, zu});
    Weiter = named(new QPushButton(QStringLiteral("Weiter bei Pause (Strg+Leertaste)")), "Weiter");
    navigation->addLayout(navigationRow);
    navigation->addWidget(Weiter);
    stripLayout->addWidget(Panel6);

    Tabelle = new SequenceTableView;

    auto* lower = new QWidget;
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(strip);
    lowerLayout->addWidget(Tabelle, 1);

    Splitter1 = named(new QSplitter(Qt::Vertical), "Splitter1");
    Splitter1->addWidget(Panel2);
    Splitter1->addWidget(lower);
    Splitter1->setChildrenCollapsible(false);
    window->setCentralWidget(Splitter1);

    StatusBar1 = named(new QStatusBar, "StatusBar1");
    window->setStatusBar(StatusBar1);

    buildTableCommands(edit);
}

void MainWindowForm::buildTableCommands(QMenu* edit) {
    const auto button = [](const char* name, const QString& caption, const QString& hint) {
        auto* b = named(new QPushButton(caption), name);
        b->setToolTip(hint);
        return b;
    };
    Button4 = button("Button4", QStringLiteral("Nr. neu"),
                     QStringLiteral("Neue, freie Textnummer ermitteln"));
    Button1 =
        button("Button1", QStringLiteral("Neuer Text"), QStringLiteral("Aktiven Text löschen"));
    Button6 = button("Button6", QStringLiteral("Neu durchnumerieren"),
                     QStringLiteral("Alle Texte in 10er - Schritten neu durchnummerieren"));
    Button5 =
        button("Button5", QStringLiteral("Texte löschen"),
               QStringLiteral("Die mit der gelben Markierung ausgewählten Texte oder der "
                              "ausgwähle Text (blauer Balken) wird nach Bestätigung gelöscht"));
    Button7 = button("Button7", QStringLiteral("Texte tauschen"),
                     QStringLiteral("Zwei mit der gelben Markierung ausgewählten Texte werden "
                                    "getauscht"));
    auto* row = new QHBoxLayout;
    addAll(row, {Button4, Button1, Button6, Button5, Button7});
    row->addStretch();
    static_cast<QBoxLayout*>(Panel2->layout())->addLayout(row);

    Textelschen1 = action(edit, "Textelschen1", QStringLiteral("Texte &löschen"));
    Textelschen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    Textetauschen1 = action(edit, "Textetauschen1", QStringLiteral("Texte &tauschen"));
    ListeMarkierung1 = action(edit, "ListeMarkierung1", QStringLiteral("Liste &Markierung"));
    ListeMarkierung1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));
}

namespace {

QLineEdit* lineField(QWidget* parent, const QString& name) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

} // namespace

void MainWindowForm::buildLineFields(int lineCount, int columnCount) {
    qDeleteAll(FlowLineEdits);
    qDeleteAll(PreviewLines);
    FlowLineEdits.clear();
    PreviewLines.clear();
    delete FlowLinePanel->layout();
    delete PreviewPanel->layout();

    auto* flowLines = new QVBoxLayout(FlowLinePanel);
    flowLines->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i + 1 < lineCount; ++i) {
        QLineEdit* field = lineField(FlowLinePanel, QStringLiteral("FliesstextZeile%1").arg(i));
        field->setMaxLength(columnCount);
        flowLines->addWidget(field);
        FlowLineEdits.append(field);
    }

    auto* preview = new QVBoxLayout(PreviewPanel);
    preview->setContentsMargins(0, 0, 0, 0);
    preview->setSpacing(0);
    QFont monospaced(QStringLiteral("Courier"));
    monospaced.setStyleHint(QFont::Monospace);
    for (int i = 0; i < lineCount; ++i) {
        QLineEdit* line = lineField(PreviewPanel, QStringLiteral("VorschauZeile%1").arg(i));
        line->setReadOnly(true);
        line->setFocusPolicy(Qt::NoFocus);
        line->setFont(monospaced);
        const int width =
            QFontMetrics(monospaced).horizontalAdvance(QLatin1Char('X')) * (columnCount + 1) + 8;
        line->setMinimumWidth(qMin(width, 320));
        preview->addWidget(line);
        PreviewLines.append(line);
    }
    preview->addStretch();
}

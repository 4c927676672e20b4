#include "entryeditorpanel.h"

#include "alignmentbuttons.h"
#include "editorcontextmenu.h"
#include "editorlines.h"
#include "flowlinefields.h"
#include "previewlines.h"

#include "windows/accessiblenames.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QSpinBox* spin(const char* name, int minimum, int maximum, int value) {
    auto* box = named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

// A time field with its unit after it; the row keeps what the field does not need for the
// fields beside it.
QHBoxLayout* timeWithUnit(QSpinBox* time, QLabel* unit) {
    auto* row = new QHBoxLayout;
    row->addWidget(time);
    row->addWidget(unit);
    row->addStretch();
    return row;
}

// A page of the kind tabs: the text editor with its change time and alignment beside it.
QWidget* textPage(const char* name, QWidget* editor, QLabel* timing, QSpinBox* time, QLabel* unit,
                  QWidget* alignment) {
    auto* page = named(new QWidget, name);
    auto* layout = new QHBoxLayout(page);
    layout->addWidget(editor);
    auto* side = new QVBoxLayout;
    auto* form = new QFormLayout;
    form->addRow(timing, timeWithUnit(time, unit));
    side->addLayout(form);
    side->addWidget(alignment);
    side->addStretch();
    layout->addLayout(side);
    return page;
}

constexpr const char* BlockAlignmentNames[3] = {"LeftAlign", "CenterAlign", "RightAlign"};
constexpr const char* ScrollAlignmentNames[3] = {"ScrLeft", "ScrCenter", "ScrRight"};

void addAll(QBoxLayout* layout, std::initializer_list<QWidget*> widgets) {
    for (QWidget* w : widgets)
        layout->addWidget(w);
}

// A display of many lines brings many line fields: they scroll instead of growing the window.
QScrollArea* scrolling(QWidget* lines) {
    auto* area = new QScrollArea;
    area->setObjectName(QStringLiteral("ScrollBox2"));
    area->setWidget(lines);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

} // namespace

EntryEditorPanel::EntryEditorPanel(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("Panel2"));
    setMinimumHeight(232);
    new QVBoxLayout(this);
    buildHeader();
    buildKindTabs();
    buildDurationRow();
    retranslate();
}

void EntryEditorPanel::buildHeader() {
    auto* header = new QHBoxLayout;
    m_numberLabel = named(new QLabel, "TextNrLabel");
    m_numberField = named(new QLineEdit(QStringLiteral("00010")), "TextNr");
    // The one hint that reads the same in both languages.
    m_numberField->setToolTip(QStringLiteral(
        "Textnummer des aktuellen Textes. Es können auch Buchstaben eingetragen werden. Es wird "
        "Alphabetisch einsortiert."));
    m_changeNumberButton = named(new QPushButton, "Button2");
    m_activeCheckBox = named(new QCheckBox, "CheckBox1");
    m_activeCheckBox->setChecked(true);
    m_activeCheckBox->hide();
    m_noteLabel = named(new QLabel, "HinweisLabel");
    m_noteField = named(new QPlainTextEdit, "Hinweis");
    m_noteField->setMaximumHeight(40);
    m_copyboardButton = named(new QPushButton, "Button13");
    addAll(header, {m_copyboardButton, m_numberLabel, m_numberField, m_changeNumberButton,
                    m_activeCheckBox, m_noteLabel});
    header->addWidget(m_noteField, 1);
    static_cast<QBoxLayout*>(layout())->addLayout(header);
}

void EntryEditorPanel::buildKindTabs() {
    m_kindTabs = named(new QTabWidget, "PageControl1");
    m_referenceLabel = named(new QLabel(this), "TestLabel");
    QFont reference(QStringLiteral("Courier"));
    reference.setPixelSize(12);
    reference.setBold(true);
    reference.setStyleHint(QFont::Monospace);
    m_referenceLabel->setFont(reference);
    m_referenceLabel->hide();
    m_flowMeasure = named(new QPlainTextEdit(this), "Memo1");
    m_flowMeasure->hide();

    m_blockEditor = named(new QTextEdit, "Textfeld");
    m_pageTime = spin("Seitenwechselzeit", 1, 3600, 3);
    m_pageTimeLabel = named(new QLabel, "SeitenwechselzeitLabel");
    m_pageTimeUnit = named(new QLabel, "SeitenwechselzeitEinheit");
    m_blockAlignment = new AlignmentButtons(BlockAlignmentNames);
    m_blockPage = textPage("TabSheet1", m_blockEditor, m_pageTimeLabel, m_pageTime, m_pageTimeUnit,
                           m_blockAlignment);
    m_kindTabs->addTab(m_blockPage, QString());

    m_scrollEditor = named(new QTextEdit, "ScrollTextFeld");
    m_lineTime = spin("Zeilenwechselzeit", 1, 3600, 3);
    m_lineTimeLabel = named(new QLabel, "ZeilenwechselzeitLabel");
    m_lineTimeUnit = named(new QLabel, "ZeilenwechselzeitEinheit");
    m_scrollAlignment = new AlignmentButtons(ScrollAlignmentNames);
    m_scrollPage = textPage("TabSheet2", m_scrollEditor, m_lineTimeLabel, m_lineTime,
                            m_lineTimeUnit, m_scrollAlignment);
    m_kindTabs->addTab(m_scrollPage, QString());

    m_flowPage = named(new QWidget, "TabSheet3");
    m_flowEditor = named(new QPlainTextEdit, "Fliesstextfeld");
    // Tab moves on to the next field in the editor's text fields; a pasted tab stays text.
    m_noteField->setTabChangesFocus(true);
    m_blockEditor->setTabChangesFocus(true);
    m_scrollEditor->setTabChangesFocus(true);
    m_flowEditor->setTabChangesFocus(true);
    m_flowStep = spin("Fliesstakt", 1, 10, 5);
    m_flowStep->setWrapping(false);
    m_flowStepLabel = named(new QLabel, "Label7");
    m_flowStepSeconds = named(new QLabel(QStringLiteral("0,5")), "Label8");
    m_flowStepUnit = named(new QLabel, "FliesstaktEinheit");
    m_flowLine = spin("TextInZeile", 1, 1, 1);
    m_flowLineLabel = named(new QLabel, "Label12");
    auto* flow = new QVBoxLayout(m_flowPage);
    flow->addWidget(m_flowEditor);
    m_flowLinePanel = new FlowLineFields;
    m_flowLineArea = scrolling(m_flowLinePanel);
    flow->addWidget(m_flowLineArea);
    auto* flowTiming = new QHBoxLayout;
    addAll(flowTiming, {m_flowStepLabel, m_flowStep, m_flowStepSeconds, m_flowStepUnit,
                        m_flowLineLabel, m_flowLine});
    flowTiming->addStretch();
    flow->addLayout(flowTiming);
    m_kindTabs->addTab(m_flowPage, QString());
    connect(m_kindTabs, &QTabWidget::currentChanged, this, &EntryEditorPanel::kindTabChanged);
    m_contextMenu = new EditorContextMenu([this] { return menuTarget(); }, this);
    for (QTextEdit* editor : {m_blockEditor, m_scrollEditor}) {
        editor->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(editor, &QWidget::customContextMenuRequested, this,
                [this, editor](const QPoint& at) { m_contextMenu->popUpFor(editor, at); });
    }
    m_previewPanel = new PreviewLines;
    auto* kinds = new QHBoxLayout;
    kinds->addWidget(m_previewPanel);
    kinds->addWidget(m_kindTabs, 1);
    static_cast<QBoxLayout*>(layout())->addLayout(kinds, 1);
}

void EntryEditorPanel::buildDurationRow() {
    auto* duration = new QHBoxLayout;
    m_durationLabel = named(new QLabel, "Label4");
    m_minutesLabel = named(new QLabel, "Label5");
    m_secondsLabel = named(new QLabel, "Label6");
    m_presetLabel = named(new QLabel, "Label16");
    m_presetDurationFlag = named(new QCheckBox, "Vorgabezeit");
    m_presetDurationFlag->hide(); // playback's flag for a preset duration, never shown
    m_byDuration = named(new QCheckBox, "NachDauer");
    m_durationMinutes = spin("DauerMinuten", 0, 1440, 0);
    m_durationSeconds = spin("DauerSekunden", 0, 60, 0);
    m_commitButton = named(new QPushButton, "Button11");
    m_commitButton->setEnabled(false);
    addAll(duration, {m_durationLabel, m_durationMinutes, m_minutesLabel, m_durationSeconds,
                      m_secondsLabel, m_presetLabel, m_presetDurationFlag, m_byDuration});
    duration->addStretch();
    duration->addWidget(m_commitButton);
    static_cast<QBoxLayout*>(layout())->addLayout(duration);
}

void EntryEditorPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void EntryEditorPanel::retranslate() {
    m_numberLabel->setText(tr("Text Nr."));
    m_changeNumberButton->setText(tr("Nr. ändern"));
    m_changeNumberButton->setToolTip(
        tr("Bisherige Textnummer des ausgewählten Textes auf die oben eingestellte Nummer ändern"));
    m_activeCheckBox->setText(tr("Text aktiv"));
    // The window's name, the same in both languages.
    m_copyboardButton->setText(QStringLiteral("Copyboard"));
    m_copyboardButton->setToolTip(tr("Fenster zum Übernehmen von Texten aus anderen Programmen"));
    m_noteLabel->setText(tr("Hinweisfeld:"));
    m_noteField->setToolTip(tr("Hier können Sie einen Hinweis zum aktuelle Text eintragen"));
    m_kindTabs->setTabText(m_kindTabs->indexOf(m_blockPage), tr("Blocktext"));
    m_kindTabs->setTabText(m_kindTabs->indexOf(m_scrollPage), tr("Scrolltext"));
    m_kindTabs->setTabText(m_kindTabs->indexOf(m_flowPage), tr("Fließtext"));
    m_pageTimeLabel->setText(tr("Seitenwechselzeit"));
    m_lineTimeLabel->setText(tr("Zeilenwechselzeit"));
    m_flowEditor->setToolTip(tr("Fliesstext Eingabefeld"));
    m_blockEditor->setToolTip(tr("Blocktext Eingabefeld"));
    m_pageTime->setToolTip(tr("Zeit für das Umblättern auf die nächste Seite"));
    m_lineTime->setToolTip(tr("Zeit in welcher sich der Text um eine Zeile nach oben schiebt"));
    m_flowStep->setToolTip(tr("Zeit für einen Fliesstextschritt"));
    m_flowLine->setToolTip(tr("Nummer der Zeile in welcher der Fliesstext laufen soll"));
    m_flowStepLabel->setText(tr("Fliesstakt"));
    m_flowLineLabel->setText(tr("Fliesstext in Zeile"));
    m_durationLabel->setText(tr("Mindestanzeigedauer:"));
    m_minutesLabel->setText(tr("Min."));
    m_secondsLabel->setText(tr("Sek."));
    for (QLabel* unit : {m_pageTimeUnit, m_lineTimeUnit, m_flowStepUnit})
        unit->setText(tr("Sek."));
    m_presetLabel->setText(tr("Vor-\r\ngabe"));
    m_presetLabel->setToolTip(
        tr("Selbsgewählte Vorgabezeit verwenden / sonst Mindestzeit verwenden"));
    const QString durationHint =
        tr("Anzeigedauer wird verwendet wenn \"Automatisch nach Anzeigedauer\" ausgewählt wird");
    m_durationMinutes->setToolTip(durationHint);
    m_durationSeconds->setToolTip(durationHint);
    m_commitButton->setText(tr("OK"));
    m_commitButton->setToolTip(tr("Änderungen am aktiven Text in Tabelle übernehmen"));
    nameFields();
}

void EntryEditorPanel::nameFields() {
    using namespace AccessibleNames;
    nameAfterLabels(m_numberField, m_numberLabel);
    nameAfterLabels(m_noteField, m_noteLabel);
    nameAfterLabels(m_pageTime, m_pageTimeLabel, m_pageTimeUnit);
    nameAfterLabels(m_lineTime, m_lineTimeLabel, m_lineTimeUnit);
    nameAfterLabels(m_flowStep, m_flowStepLabel, m_flowStepUnit);
    nameAfterLabels(m_flowLine, m_flowLineLabel);
    // Both duration fields are named after the row's label and their unit; the label's access
    // key goes to the minutes.
    nameAfterLabels(m_durationSeconds, m_durationLabel, m_secondsLabel);
    nameAfterLabels(m_durationMinutes, m_durationLabel, m_minutesLabel);
    nameAfterLabels(m_byDuration, m_presetLabel);
    nameAfterHint(m_blockEditor);
    nameAfterHint(m_flowEditor);
    m_scrollEditor->setAccessibleName(tr("Scrolltext Eingabefeld"));
    m_kindTabs->setAccessibleName(tr("Textart"));
    m_kindTabs->tabBar()->setAccessibleName(m_kindTabs->accessibleName());
    m_flowLineArea->setAccessibleName(tr("Feste Zeilen"));
}

void EntryEditorPanel::showKind(TextKind kind) {
    QWidget* page = pageOf(kind);
    if (!page)
        return;
    const QScopedValueRollback program(m_programKindChange, true);
    m_kindTabs->setCurrentWidget(page);
    m_shownKind = kind;
}

void EntryEditorPanel::kindTabChanged() {
    const TextKind from = m_shownKind;
    m_shownKind = currentKind();
    if (!m_programKindChange && from != m_shownKind)
        emit kindChangedByOperator(from, m_shownKind);
}

TextKind EntryEditorPanel::currentKind() const {
    return kindOf(m_kindTabs->currentWidget());
}

TextKind EntryEditorPanel::kindOf(const QWidget* page) const {
    if (page == m_blockPage)
        return TextKind::Block;
    if (page == m_scrollPage)
        return TextKind::Scroll;
    if (page == m_flowPage)
        return TextKind::Flow;
    return TextKind::None;
}

QWidget* EntryEditorPanel::pageOf(TextKind kind) const {
    switch (kind) {
    case TextKind::Block:
        return m_blockPage;
    case TextKind::Scroll:
        return m_scrollPage;
    case TextKind::Flow:
        return m_flowPage;
    case TextKind::None:
        break;
    }
    return nullptr;
}

QWidget* EntryEditorPanel::editorOf(TextKind kind) const {
    switch (kind) {
    case TextKind::Block:
        return m_blockEditor;
    case TextKind::Scroll:
        return m_scrollEditor;
    case TextKind::Flow:
        return m_flowEditor;
    case TextKind::None:
        break;
    }
    return nullptr;
}

QTextEdit* EntryEditorPanel::menuTarget() const {
    return currentKind() == TextKind::Block ? m_blockEditor : m_scrollEditor;
}

void EntryEditorPanel::addCommandBar(QWidget* bar) {
    layout()->addWidget(bar);
}

void EntryEditorPanel::setUpForDisplay(const DisplaySetup& setup) {
    m_setup = setup;
    m_flowLine->setMaximum(setup.lineCount);
    if (setup.lineCount < 2) {
        m_flowLine->hide();
        m_flowLineLabel->hide();
    }
    sizeEditorsToColumns(setup.columnCount);
    if (setup.offlineMode)
        for (QWidget* w : std::initializer_list<QWidget*>{
                 m_durationLabel, m_minutesLabel, m_secondsLabel, m_presetLabel,
                 m_presetDurationFlag, m_byDuration, m_durationMinutes, m_durationSeconds})
            w->hide();
    buildLineFields(setup);
}

void EntryEditorPanel::limitTimings(int changeTimeMinimum, int flowStepMinimum, bool hideFlowPage) {
    if (flowStepMinimum > 0)
        m_flowStep->setMinimum(flowStepMinimum); // a lower value is raised with it
    if (changeTimeMinimum > 0) {
        m_pageTime->setMinimum(changeTimeMinimum);
        m_lineTime->setMinimum(changeTimeMinimum);
    }
    if (hideFlowPage)
        m_kindTabs->setTabVisible(m_kindTabs->indexOf(m_flowPage), false);
}

void EntryEditorPanel::sizeEditorsToColumns(int columnCount) {
    m_flowMeasure->setFont(m_referenceLabel->font());
    for (QTextEdit* editor : {m_blockEditor, m_scrollEditor}) {
        editor->setFont(m_referenceLabel->font());
        EditorLines::wrapAtColumns(*editor, columnCount);
    }
    m_referenceLabel->setText(QString(columnCount + 1, QLatin1Char('X')));
    m_referenceLabel->adjustSize();
    const int width = m_referenceLabel->width();
    m_blockEditor->setFixedWidth(width + 18);
    m_scrollEditor->setFixedWidth(width + 18);
    m_flowMeasure->setFixedWidth(width);
}

void EntryEditorPanel::buildLineFields(const DisplaySetup& setup) {
    m_flowLinePanel->build(setup.lineCount, setup.columnCount, setup.lowerCaseAllowed,
                           m_referenceLabel->font());
    m_previewPanel->build(setup.lineCount, setup.columnCount);
    emit lineFieldsBuilt();
}

const QList<QLineEdit*>& EntryEditorPanel::flowLineFields() const {
    return m_flowLinePanel->fields();
}

const QList<QLineEdit*>& EntryEditorPanel::previewLines() const {
    return m_previewPanel->lines();
}

QCheckBox* EntryEditorPanel::simulationBox() const {
    return m_previewPanel->simulationBox();
}

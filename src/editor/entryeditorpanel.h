#pragma once

#include "display/displaysetup.h"
#include "sequence/textkind.h"

#include <QList>
#include <QString>
#include <QWidget>

class FlowLineFields;
class PreviewLines;
class AlignmentButtons;
class EditorContextMenu;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTextEdit;

// The entry editor's area above the table: the number, the note, the kind tabs with their
// texts and timings, the duration row and "OK". It builds and owns these controls; the entry
// editor works on them. Sized once to the display by the start-up.
class EntryEditorPanel final : public QWidget {
    Q_OBJECT

public:
    explicit EntryEditorPanel(QWidget* parent = nullptr);

    // Once, from the start-up: the running line's range, the editors' width and wrap at the
    // display's columns, the flowing text's fixed-line fields and the preview lines, and in
    // offline mode no duration row (the board keeps its own times).
    void setUpForDisplay(const DisplaySetup& setup);
    const DisplaySetup& displaySetup() const { return m_setup; }
    // The shortest change time and flow step one frame allows (0: no limit); a display too
    // slow for a flowing text has no flowing text page.
    void limitTimings(int changeTimeMinimum, int flowStepMinimum, bool hideFlowPage);

    // The kind page shown, as the program changes it (an entry loaded, a text imported): no
    // text is carried over and nothing is asked.
    void showKind(TextKind kind);
    TextKind currentKind() const;
    TextKind kindOf(const QWidget* page) const;
    QWidget* pageOf(TextKind kind) const;
    // The text editor of a kind's page.
    QWidget* editorOf(TextKind kind) const;
    // The block or scroll editor the context menu works on: the block editor while its page
    // is shown, the scroll editor otherwise.
    QTextEdit* menuTarget() const;

    // While cleared, moving the block editor's caret leaves the preview lines alone: the
    // alignment, the caret page itself and the loading of an entry move it themselves.
    bool caretPreviewEnabled() const { return m_caretPreviewEnabled; }
    void setCaretPreviewEnabled(bool enabled) { m_caretPreviewEnabled = enabled; }
    // Set while the simulation of the edited text drives the preview lines: the caret's page
    // is not shown then.
    bool isSimulationRunning() const { return m_simulationRunning; }
    void setSimulationRunning(bool running) { m_simulationRunning = running; }

    // A row of commands below the editor (the table commands).
    void addCommandBar(QWidget* bar);

    QLineEdit* numberField() const { return m_numberField; }
    QPushButton* changeNumberButton() const { return m_changeNumberButton; }
    // "Copyboard": opens the text import window.
    QPushButton* copyboardButton() const { return m_copyboardButton; }
    QCheckBox* activeCheckBox() const { return m_activeCheckBox; }
    QPlainTextEdit* noteField() const { return m_noteField; }
    QTabWidget* kindTabs() const { return m_kindTabs; }
    QWidget* blockPage() const { return m_blockPage; }
    QWidget* scrollPage() const { return m_scrollPage; }
    QWidget* flowPage() const { return m_flowPage; }
    QTextEdit* blockEditor() const { return m_blockEditor; }
    QTextEdit* scrollEditor() const { return m_scrollEditor; }
    QPlainTextEdit* flowEditor() const { return m_flowEditor; }
    QPlainTextEdit* flowMeasure() const { return m_flowMeasure; }
    QLabel* referenceLabel() const { return m_referenceLabel; }
    QSpinBox* pageTime() const { return m_pageTime; }
    QSpinBox* lineTime() const { return m_lineTime; }
    QSpinBox* flowStep() const { return m_flowStep; }
    QLabel* flowStepSeconds() const { return m_flowStepSeconds; }
    // The unit after each change time: seconds.
    QLabel* pageTimeUnit() const { return m_pageTimeUnit; }
    QLabel* lineTimeUnit() const { return m_lineTimeUnit; }
    QLabel* flowStepUnit() const { return m_flowStepUnit; }
    QSpinBox* flowLine() const { return m_flowLine; }
    QLabel* flowLineLabel() const { return m_flowLineLabel; }
    QLabel* durationLabel() const { return m_durationLabel; }
    QCheckBox* presetDurationFlag() const { return m_presetDurationFlag; }
    QCheckBox* byDuration() const { return m_byDuration; }
    QSpinBox* durationMinutes() const { return m_durationMinutes; }
    QSpinBox* durationSeconds() const { return m_durationSeconds; }
    QPushButton* commitButton() const { return m_commitButton; }
    AlignmentButtons* blockAlignment() const { return m_blockAlignment; }
    AlignmentButtons* scrollAlignment() const { return m_scrollAlignment; }
    EditorContextMenu* contextMenu() const { return m_contextMenu; }
    // Built by setUpForDisplay: lineCount - 1 fixed-line fields, lineCount preview lines.
    const QList<QLineEdit*>& flowLineFields() const;
    const QList<QLineEdit*>& previewLines() const;
    PreviewLines* preview() const { return m_previewPanel; }
    // "Text simulieren": the preview plays the edited text.
    QCheckBox* simulationBox() const;

signals:
    // The fixed-line fields and the preview lines were built anew.
    void lineFieldsBuilt();
    // The operator changed the kind tab (a click, Ctrl+Tab); showKind raises nothing.
    void kindChangedByOperator(TextKind from, TextKind to);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    // The names the accessibility bus announces for the fields, after their labels.
    void nameFields();
    void buildHeader();
    void buildKindTabs();
    void buildDurationRow();
    void sizeEditorsToColumns(int columnCount);
    void buildLineFields(const DisplaySetup& setup);
    void kindTabChanged();

    DisplaySetup m_setup;

    QLabel* m_numberLabel = nullptr;
    QLineEdit* m_numberField = nullptr;
    QPushButton* m_changeNumberButton = nullptr;
    QPushButton* m_copyboardButton = nullptr;
    QCheckBox* m_activeCheckBox = nullptr;
    QLabel* m_noteLabel = nullptr;
    QPlainTextEdit* m_noteField = nullptr;
    QTabWidget* m_kindTabs = nullptr;
    QWidget* m_blockPage = nullptr;
    QWidget* m_scrollPage = nullptr;
    QWidget* m_flowPage = nullptr;
    QTextEdit* m_blockEditor = nullptr;
    QTextEdit* m_scrollEditor = nullptr;
    QPlainTextEdit* m_flowEditor = nullptr;
    QPlainTextEdit* m_flowMeasure = nullptr;
    QLabel* m_referenceLabel = nullptr;
    QSpinBox* m_pageTime = nullptr;
    QLabel* m_pageTimeLabel = nullptr;
    QLabel* m_lineTimeLabel = nullptr;
    QSpinBox* m_lineTime = nullptr;
    QSpinBox* m_flowStep = nullptr;
    QLabel* m_flowStepLabel = nullptr;
    QLabel* m_flowStepSeconds = nullptr;
    QLabel* m_pageTimeUnit = nullptr;
    QLabel* m_lineTimeUnit = nullptr;
    QLabel* m_flowStepUnit = nullptr;
    QSpinBox* m_flowLine = nullptr;
    QLabel* m_flowLineLabel = nullptr;
    FlowLineFields* m_flowLinePanel = nullptr;
    QWidget* m_flowLineArea = nullptr;
    PreviewLines* m_previewPanel = nullptr;
    QLabel* m_durationLabel = nullptr;
    QLabel* m_minutesLabel = nullptr;
    QLabel* m_secondsLabel = nullptr;
    QLabel* m_presetLabel = nullptr;
    QCheckBox* m_presetDurationFlag = nullptr;
    QCheckBox* m_byDuration = nullptr;
    QSpinBox* m_durationMinutes = nullptr;
    QSpinBox* m_durationSeconds = nullptr;
    QPushButton* m_commitButton = nullptr;
    AlignmentButtons* m_blockAlignment = nullptr;
    AlignmentButtons* m_scrollAlignment = nullptr;
    EditorContextMenu* m_contextMenu = nullptr;
    TextKind m_shownKind = TextKind::Block;
    bool m_programKindChange = false;
    bool m_caretPreviewEnabled = true;
    bool m_simulationRunning = false;
};

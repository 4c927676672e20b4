#include "entryloader.h"

#include "editorcontext.h"
#include "editorlines.h"

#include "entryeditorpanel.h"
#include "platform/windows1252.h"
#include "sequence/activemarks.h"
#include "sequence/cellnumber.h"
#include "sequence/commalist.h"
#include "sequence/durationcell.h"
#include "sequence/flowparameters.h"
#include "sequence/flowtextcell.h"
#include "sequence/sequencetable.h"
#include "sequence/textkind.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>

void EntryLoader::load(int row) {
    const SequenceTable& table = m_c.table;
    EntryEditorPanel& f = m_c.panel;
    const QByteArray number = table.cell(SequenceTable::NumberColumn, row);
    if (number.isEmpty())
        return;
    f.numberField()->setText(Windows1252::toUnicode(number));
    f.activeCheckBox()->setChecked(
        ActiveMarks::isActive(table.cell(SequenceTable::ActiveColumn, row)));

    const DurationCell duration =
        DurationCell::read(table.cell(SequenceTable::DurationColumn, row));
    f.byDuration()->setChecked(duration.preset);
    f.durationMinutes()->setValue(duration.seconds / 60);
    f.durationSeconds()->setValue(duration.seconds % 60);

    f.noteField()->setPlainText(
        EditorLines::memoFromLines(CommaList::read(table.cell(SequenceTable::NoteColumn, row))));

    switch (TextKindCode::read(table.cell(SequenceTable::KindColumn, row))) {
    case TextKind::Block:
        loadBlock(row);
        break;
    case TextKind::Scroll:
        loadScroll(row);
        break;
    case TextKind::Flow:
        loadFlow(row);
        break;
    case TextKind::None:
        break; // the kind page and the text fields stay as they were
    }
    f.commitButton()->setEnabled(false);
}

void EntryLoader::loadBlock(int row) {
    EntryEditorPanel& f = m_c.panel;
    clearPreview();
    f.kindTabs()->setCurrentWidget(f.blockPage());
    {
        const QSignalBlocker quiet(f.blockEditor());
        EditorLines::write(*f.blockEditor(),
                           CommaList::read(m_c.table.cell(SequenceTable::TextColumn, row)));
    }
    f.pageTime()->setValue(CellNumber::parse(m_c.table.cell(SequenceTable::ParameterColumn, row)));
}

void EntryLoader::loadScroll(int row) {
    EntryEditorPanel& f = m_c.panel;
    clearPreview();
    f.kindTabs()->setCurrentWidget(f.scrollPage());
    EditorLines::write(*f.scrollEditor(),
                       CommaList::read(m_c.table.cell(SequenceTable::TextColumn, row)));
    f.lineTime()->setValue(CellNumber::parse(m_c.table.cell(SequenceTable::ParameterColumn, row)));
}

void EntryLoader::loadFlow(int row) {
    EntryEditorPanel& f = m_c.panel;
    clearPreview();
    f.kindTabs()->setCurrentWidget(f.flowPage());
    f.flowEditor()->setPlainText(
        Windows1252::toUnicode(FlowTextCell::read(m_c.table.cell(SequenceTable::TextColumn, row))));
    const FlowParameters parameters = FlowParameters::read(
        m_c.table.cell(SequenceTable::ParameterColumn, row), m_c.panel.displaySetup().lineCount);
    f.flowStep()->setValue(parameters.step);
    f.flowLine()->setValue(parameters.line);
    for (int i = 0; i < f.flowLineFields().size() && i < parameters.fixedLines.size(); ++i)
        f.flowLineFields().at(i)->setText(Windows1252::toUnicode(parameters.fixedLines.at(i)));
}

void EntryLoader::clearPreview() {
    for (QLineEdit* line : m_c.panel.previewLines())
        line->clear();
}

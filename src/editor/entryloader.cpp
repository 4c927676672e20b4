#include "entryloader.h"

#include "caretpreviewpause.h"
#include "editorcontext.h"
#include "editorlines.h"
#include "entryeditorpanel.h"

#include "platform/windows1252.h"
#include "sequence/sequenceentry.h"
#include "sequence/sequencetable.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>

void EntryLoader::load(int row) {
    EntryEditorPanel& p = m_c.panel;
    const SequenceTable::Cells cells = m_c.table.rowCells(row);
    if (cells[SequenceTable::NumberColumn].isEmpty())
        return;
    // The fields follow the cells in the decoder's order, as far as the cells convert.
    const EntryDecoding decoding = SequenceEntry::decode(cells, p.displaySetup().lineCount);
    const SequenceEntry& entry = decoding.entry;
    p.numberField()->setText(Windows1252::toUnicode(entry.number));
    p.activeCheckBox()->setChecked(entry.isActive());

    if (!decoding.decodedCell(SequenceTable::DurationColumn))
        throw decoding.error->located(entry.number);
    p.byDuration()->setChecked(entry.hasPresetDuration());
    p.durationMinutes()->setValue(entry.durationSeconds / 60);
    p.durationSeconds()->setValue(entry.durationSeconds % 60);
    p.noteField()->setPlainText(EditorLines::memoFromLines(entry.note));

    // A kind cell that names no kind leaves the kind page and the text fields as they were.
    if (entry.kind != TextKind::None) {
        showKindText(entry);
        if (!decoding.decodedCell(SequenceTable::ParameterColumn))
            throw decoding.error->located(entry.number);
        showKindTimings(entry);
    }
    p.commitButton()->setEnabled(false);
}

void EntryLoader::showKindText(const SequenceEntry& entry) {
    EntryEditorPanel& p = m_c.panel;
    clearPreview();
    // The program's own change of kind: nothing is carried over, nothing asked.
    p.showKind(entry.kind);
    switch (entry.kind) {
    case TextKind::Block: {
        const CaretPreviewPause pause(p);
        const QSignalBlocker quiet(p.blockEditor());
        EditorLines::write(*p.blockEditor(), entry.lines);
        break;
    }
    case TextKind::Scroll:
        EditorLines::write(*p.scrollEditor(), entry.lines);
        break;
    case TextKind::Flow:
        p.flowEditor()->setPlainText(Windows1252::toUnicode(entry.flowText()));
        break;
    case TextKind::None:
        break;
    }
}

void EntryLoader::showKindTimings(const SequenceEntry& entry) {
    EntryEditorPanel& p = m_c.panel;
    switch (entry.kind) {
    case TextKind::Block:
        p.pageTime()->setValue(entry.changeTime);
        break;
    case TextKind::Scroll:
        p.lineTime()->setValue(entry.changeTime);
        break;
    case TextKind::Flow:
        p.flowStep()->setValue(entry.flowStep);
        p.flowLine()->setValue(entry.runningLine);
        for (int i = 0; i < p.flowLineFields().size() && i < entry.fixedLines.size(); ++i)
            p.flowLineFields().at(i)->setText(Windows1252::toUnicode(entry.fixedLines.at(i)));
        break;
    case TextKind::None:
        break;
    }
}

void EntryLoader::clearPreview() {
    for (QLineEdit* line : m_c.panel.previewLines())
        line->clear();
}

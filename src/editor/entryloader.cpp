#include "entryloader.h"

#include "editorcontext.h"
#include "editorlines.h"

#include "app/mainwindowform.h"
#include "app/shellstate.h"
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
    MainWindowForm& f = m_c.form;
    const QByteArray number = table.cell(SequenceTable::NumberColumn, row);
    if (number.isEmpty())
        return;
    f.TextNr->setText(Windows1252::toUnicode(number));
    f.CheckBox1->setChecked(ActiveMarks::isActive(table.cell(SequenceTable::ActiveColumn, row)));

    const DurationCell duration =
        DurationCell::read(table.cell(SequenceTable::DurationColumn, row));
    f.NachDauer->setChecked(duration.preset);
    f.DauerMinuten->setValue(duration.seconds / 60);
    f.DauerSekunden->setValue(duration.seconds % 60);

    f.Hinweis->setPlainText(
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
    f.Button11->setEnabled(false);
}

void EntryLoader::loadBlock(int row) {
    MainWindowForm& f = m_c.form;
    clearPreview();
    f.PageControl1->setCurrentWidget(f.TabSheet1);
    {
        const QSignalBlocker quiet(f.Textfeld);
        EditorLines::write(*f.Textfeld,
                           CommaList::read(m_c.table.cell(SequenceTable::TextColumn, row)));
    }
    f.Seitenwechselzeit->setValue(
        CellNumber::parse(m_c.table.cell(SequenceTable::ParameterColumn, row)));
}

void EntryLoader::loadScroll(int row) {
    MainWindowForm& f = m_c.form;
    clearPreview();
    f.PageControl1->setCurrentWidget(f.TabSheet2);
    EditorLines::write(*f.ScrollTextFeld,
                       CommaList::read(m_c.table.cell(SequenceTable::TextColumn, row)));
    f.Zeilenwechselzeit->setValue(
        CellNumber::parse(m_c.table.cell(SequenceTable::ParameterColumn, row)));
}

void EntryLoader::loadFlow(int row) {
    MainWindowForm& f = m_c.form;
    clearPreview();
    f.PageControl1->setCurrentWidget(f.TabSheet3);
    f.Fliesstextfeld->setPlainText(
        Windows1252::toUnicode(FlowTextCell::read(m_c.table.cell(SequenceTable::TextColumn, row))));
    const FlowParameters parameters = FlowParameters::read(
        m_c.table.cell(SequenceTable::ParameterColumn, row), m_c.shell.LineCount);
    f.Fliesstakt->setValue(parameters.step);
    f.TextInZeile->setValue(parameters.line);
    for (int i = 0; i < f.FlowLineEdits.size() && i < parameters.fixedLines.size(); ++i)
        f.FlowLineEdits.at(i)->setText(Windows1252::toUnicode(parameters.fixedLines.at(i)));
}

void EntryLoader::clearPreview() {
    for (QLineEdit* line : m_c.form.PreviewLines)
        line->clear();
}

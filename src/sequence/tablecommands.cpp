#include "tablecommands.h"

#include "activemarks.h"
#include "documentstate.h"
#include "entryactivation.h"
#include "entrydeletion.h"
#include "entryexchange.h"
#include "markcleanup.h"
#include "marklist.h"
#include "numberproposal.h"
#include "renumbering.h"
#include "rowselection.h"
#include "sequencetable.h"

#include "platform/prompter.h"
#include "platform/windows1252.h"

using Answer = Prompter::Answer;

namespace {

QString text(const QByteArray& bytes) {
    return Windows1252::toUnicode(bytes);
}

} // namespace

TableCommands::TableCommands(CommandContext context, QObject* parent)
    : QObject(parent)
    , m_c(std::move(context)) {
}

void TableCommands::proposeNumber() {
    m_c.editor.callShowNumber(NumberProposal::propose(m_c.table));
}

bool TableCommands::newText() {
    // The operator answered Yes to keep the changes: clearing them now would lose them.
    if (!m_c.editor.callTakeChanges())
        return false;
    const QByteArray number = NumberProposal::propose(m_c.table);
    m_c.editor.callShowNumber(number);
    m_c.editor.callClearEntry();
    return true;
}

void TableCommands::renumberAll() {
    if (!Renumbering::isOffered(m_c.table))
        return;
    if (!Renumbering::fits(m_c.table)) {
        m_c.prompter.showWarning(tr("Mehr als %1 Texte können nicht neu durchnummeriert werden.")
                                     .arg(Renumbering::MaximumRows));
        return;
    }
    if (m_c.prompter.askWarningYesNo(tr(
            "Achtung! Alle Texte werden neu duchnummeriert bei 00010 beginnend in "
            "Schritten von 10. Die bisherige Reihenfolge bleibt dabei erhalten.")) != Answer::Yes)
        return;
    Renumbering::apply(m_c.table, m_c.marks);
    emit marksChanged();
    m_c.editor.callLoadRow(m_c.selection.selectedRow());
    m_c.document.setModified(true);
}

void TableCommands::deleteTexts() {
    dropUnheldMarks();
    if (m_c.marks.numbers().isEmpty())
        deleteSelected();
    else
        deleteMarked();
    m_c.table.ensureActive(m_c.selection.selectedRow(), ActiveMarks::forLanguage(m_c.language()));
}

void TableCommands::deleteSelected() {
    const int row = m_c.selection.selectedRow();
    if (!m_c.table.holdsEntry(row))
        return;
    if (m_c.prompter.askWarningYesNo(
            tr("Achtung! Soll der aktuell ausgewählte Text (blauer Balken) gelöscht "
               "werden?")) != Answer::Yes)
        return;
    EntryDeletion::deleteRow(m_c.table, m_c.marks, row);
    m_c.document.setModified(true);
    emit marksChanged();
}

void TableCommands::deleteMarked() {
    const QString list = text(EntryDeletion::markedNumbers(m_c.marks));
    if (m_c.prompter.askWarningYesNo(
            tr("Achtung! Sollen die Texte %1 gelöscht werden?").arg(list)) != Answer::Yes)
        return;
    EntryDeletion::deleteMarked(m_c.table, m_c.marks);
    m_c.document.setModified(true);
    emit marksChanged();
}

void TableCommands::exchangeTexts() {
    dropUnheldMarks();
    if (!EntryExchange::isPossible(m_c.marks)) {
        m_c.prompter.showInformation(
            tr("Es können nicht mehr als 2 Texte miteinander getauscht werden."));
        return;
    }
    const QString first = text(m_c.marks.numbers().at(0));
    const QString second = text(m_c.marks.numbers().at(1));
    if (m_c.prompter.askWarningYesNo(
            tr("Achtung! Sollen die Texte %1 und %2 getauscht werden?").arg(first, second)) !=
        Answer::Yes)
        return;
    m_c.editor.callSetFollowsSelection(false);
    const int selected = m_c.selection.selectedRow();
    const QByteArray before = m_c.table.cell(SequenceTable::NumberColumn, selected);
    const int row = EntryExchange::apply(m_c.table, m_c.marks, selected);
    m_c.selection.select(row);
    m_c.editor.callSetFollowsSelection(true);
    // The editor is not reloaded, but when the selected text took the other number the
    // number field shows it: the old one now names the other text, and "OK" would be refused.
    const QByteArray after = m_c.table.cell(SequenceTable::NumberColumn, row);
    if (after != before)
        m_c.editor.callShowNumber(after);
    // The texts changed their numbers and places: a close must offer to save that.
    m_c.document.setModified(true);
    emit marksChanged();
}

void TableCommands::activateAll() {
    EntryActivation::activateAll(m_c.table, ActiveMarks::forLanguage(m_c.language()));
}

void TableCommands::deactivateAll() {
    EntryActivation::deactivateAll(m_c.table, ActiveMarks::forLanguage(m_c.language()),
                                   m_c.selection.selectedRow());
}

bool TableCommands::findNext(const TableSearch::Query& query) {
    const int row = TableSearch::findNext(m_c.table, query, m_c.selection.selectedRow());
    if (row > 0) {
        m_c.selection.select(row);
        return true;
    }
    m_c.prompter.showInformation(tr("\"%1\" nicht gefunden.").arg(query.text));
    return false;
}

void TableCommands::selectMarked(const QByteArray& number) {
    const int row = m_c.table.findNumber(number);
    if (row > 0) {
        m_c.selection.select(row);
        return;
    }
    m_c.marks.remove(number);
    emit marksChanged();
}

void TableCommands::dropUnheldMarks() {
    if (MarkCleanup::dropUnheld(m_c.table, m_c.marks))
        emit marksChanged();
}

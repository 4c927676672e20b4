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
#include "windows/language.h"

using Answer = Prompter::Answer;

namespace {

QString text(const QByteArray& bytes) {
    return Windows1252::toUnicode(bytes);
}

} // namespace

TableCommands::TableCommands(SequenceTable& table, RowSelection& selection, MarkList& marks,
                             DocumentState& document, Prompter& prompter, EditorHooks editor,
                             std::function<QString()> languageCode, QObject* parent)
    : QObject(parent)
    , m_table(table)
    , m_selection(selection)
    , m_marks(marks)
    , m_document(document)
    , m_prompter(prompter)
    , m_editor(std::move(editor))
    , m_languageCode(std::move(languageCode)) {
}

void TableCommands::Button4Click() {
    m_editor.callSetNumber(NumberProposal::propose(m_table));
}

void TableCommands::Button1Click() {
    m_editor.callTakeChanges();
    const QByteArray number = NumberProposal::propose(m_table);
    m_editor.callSetNumber(number);
    m_editor.callReset();
}

void TableCommands::Button6Click() {
    if (!Renumbering::isOffered(m_table))
        return;
    if (!Renumbering::fits(m_table)) {
        m_prompter.showWarning(
            choose(QStringLiteral("Mehr als %1 Texte können nicht neu durchnummeriert werden."),
                   QStringLiteral("More than %1 texts can not get new numbers."))
                .arg(Renumbering::MaximumRows));
        return;
    }
    if (m_prompter.askYesNo(choose(
            QStringLiteral("Achtung! Alle Texte werden neu duchnummeriert bei 00010 beginnend in "
                           "Schritten von 10. Die bisherige Reihenfolge bleibt dabei erhalten."),
            QStringLiteral("Attention! All texts get new numbers. Starting at 00010 in steps by "
                           "10. The previous order will not be changed."))) != Answer::Yes)
        return;
    Renumbering::apply(m_table, m_marks);
    emit marksChanged();
    m_editor.callLoadRow(m_selection.selectedRow());
    m_document.setModified(true);
}

void TableCommands::deleteTexts() {
    dropUnheldMarks();
    if (m_marks.numbers().isEmpty())
        deleteSelected();
    else
        deleteMarked();
    m_table.ensureActive(m_selection.selectedRow(), ActiveMarks::forLanguage(language()));
}

void TableCommands::deleteSelected() {
    const int row = m_selection.selectedRow();
    if (!m_table.holdsEntry(row))
        return;
    if (m_prompter.askYesNo(choose(
            QStringLiteral("Achtung! Soll der aktuell ausgewählte Text (blauer Balken) gelöscht "
                           "werden?"),
            QStringLiteral("Attention! Erase the selected (blue bar) text?"))) != Answer::Yes)
        return;
    EntryDeletion::deleteRow(m_table, m_marks, row);
    m_document.setModified(true);
    emit marksChanged();
}

void TableCommands::deleteMarked() {
    const QString list = text(EntryDeletion::markedNumbers(m_marks));
    if (m_prompter.askYesNo(choose(QStringLiteral("Achtung! Sollen die Texte %1 gelöscht werden?"),
                                   QStringLiteral("Attention! Erase %1 ?"))
                                .arg(list)) != Answer::Yes)
        return;
    EntryDeletion::deleteMarked(m_table, m_marks);
    m_document.setModified(true);
    emit marksChanged();
}

void TableCommands::exchangeTexts() {
    dropUnheldMarks();
    if (!EntryExchange::isPossible(m_marks)) {
        m_prompter.showInformation(
            choose(QStringLiteral("Es können nicht mehr als 2 Texte miteinander getauscht werden."),
                   QStringLiteral("You can not exchange more then two texts.")));
        return;
    }
    const QString first = text(m_marks.numbers().at(0));
    const QString second = text(m_marks.numbers().at(1));
    if (m_prompter.askYesNo(
            choose(QStringLiteral("Achtung! Sollen die Texte %1 und %2 getauscht werden?"),
                   QStringLiteral("Attention! Exchange the texts %1 and %2?"))
                .arg(first, second)) != Answer::Yes)
        return;
    m_editor.callSetFollowsSelection(false);
    const int row = EntryExchange::apply(m_table, m_marks, m_selection.selectedRow());
    m_selection.select(row);
    m_editor.callSetFollowsSelection(true);
    // The texts changed their numbers and places: a close must offer to save that.
    m_document.setModified(true);
    emit marksChanged();
}

void TableCommands::activateAll() {
    EntryActivation::activateAll(m_table, ActiveMarks::forLanguage(language()));
}

void TableCommands::deactivateAll() {
    EntryActivation::deactivateAll(m_table, ActiveMarks::forLanguage(language()),
                                   m_selection.selectedRow());
}

bool TableCommands::findNext(const TableSearch::Query& query) {
    const int row = TableSearch::findNext(m_table, query, m_selection.selectedRow());
    if (row > 0) {
        m_selection.select(row);
        return true;
    }
    m_prompter.showInformation(
        choose(QStringLiteral("\"%1\" nicht gefunden."), QStringLiteral("\"%1\" not found."))
            .arg(query.text));
    return false;
}

void TableCommands::selectMarked(const QByteArray& number) {
    const int row = m_table.findNumber(number);
    if (row > 0) {
        m_selection.select(row);
        return;
    }
    m_marks.remove(number);
    emit marksChanged();
}

void TableCommands::dropUnheldMarks() {
    if (MarkCleanup::dropUnheld(m_table, m_marks))
        emit marksChanged();
}

QString TableCommands::language() const {
    return m_languageCode ? m_languageCode() : QStringLiteral("D");
}

QString TableCommands::choose(const QString& german, const QString& english) const {
    return Language::choose(language(), german, english);
}

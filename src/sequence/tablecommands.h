#pragma once

#include "commandcontext.h"
#include "tablesearch.h"

#include <QByteArray>
#include <QObject>
#include <QString>

// The commands that edit the sequence table as a whole: propose a number, new text,
// renumber, delete, exchange, activate or deactivate all, search, and the marking list's
// click on a number. Each asks its questions through the prompter; errors of a cell that
// does not convert are thrown to the caller's general error box.
class TableCommands final : public QObject {
    Q_OBJECT

public:
    explicit TableCommands(CommandContext context, QObject* parent = nullptr);

    // "Nr. neu": the proposed number into the number field.
    void proposeNumber();
    // "Neuer Text": takes editor changes, proposes a number and empties the editor. False,
    // with the editor untouched, when the changes were to be taken and the table refused
    // them.
    bool newText();
    // "Neu durchnumerieren".
    void renumberAll();
    // "Texte löschen": the marked entries, or the selected one when none is marked.
    void deleteTexts();
    // "Texte tauschen": the two marked entries. The document counts as modified afterwards;
    // the active state of all entries, a matter of the evening's performance, does not.
    void exchangeTexts();
    // The Aktiv header's pop-up menu.
    void activateAll();
    void deactivateAll();
    // The find dialog's next match from the selected row; false (and the message) when
    // none matched.
    bool findNext(const TableSearch::Query& query);
    // A click on a number in the marking list selects its row.
    void selectMarked(const QByteArray& number);

signals:
    // The marking list changed; its window shows it again.
    void marksChanged();

private:
    void dropUnheldMarks();
    void deleteSelected();
    void deleteMarked();

    CommandContext m_c;
};

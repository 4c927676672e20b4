#pragma once

#include "sequencerows.h"

#include "scriptedprompter.h"

#include "display/displaysetup.h"
#include "editor/entryeditor.h"
#include "editor/entryeditorpanel.h"
#include "sequence/documentstate.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"
#include "windows/languageswitch.h"

#include <QLabel>
#include <QMainWindow>
#include <QSpinBox>
#include <QTextEdit>

#include <memory>

// The entry editor on its real panel, a real table and scripted boxes. Rows are written and
// compared as their seven text cells joined by "|":
// number|Aktiv|B/S/F|Text|Parameter|Dauer|Hinweis.
struct EditorRig {
    LanguageSwitch languages;
    QMainWindow window;
    EntryEditorPanel* panel = new EntryEditorPanel;
    SequenceTable table;
    RowSelection selection{table};
    ScriptedPrompter prompter;
    DocumentState document;
    std::unique_ptr<EntryEditor> editor;

    explicit EditorRig(int lineCount = 3, int columnCount = 24,
                       const QString& languageCode = QStringLiteral("D")) {
        table.setLanguageCode(languageCode);
        window.setCentralWidget(panel);
        editor = std::make_unique<EntryEditor>(*panel, table, selection, prompter);
        editor->commit().setOnSequenceModified([this] { document.setModified(true); });
        DisplaySetup setup;
        setup.lineCount = lineCount;
        setup.columnCount = columnCount;
        panel->setUpForDisplay(setup);
        languages.apply(languageCode);
    }

    void setRows(const QStringList& rows) {
        std::vector<SequenceTable::Cells> cells;
        for (const QString& row : rows)
            cells.push_back(SequenceRows::cells(row.split(QLatin1Char('|'))));
        table.setRows(cells);
    }
    QStringList rows() const { return rowsOf(table); }
    static QStringList rowsOf(const SequenceTable& table) {
        QStringList out;
        for (int r = 1; r < table.gridRowCount(); ++r) {
            QStringList parts;
            for (int c = 1; c < SequenceTable::Columns; ++c)
                parts << QString::fromLatin1(table.cell(c, r));
            out << parts.join(QLatin1Char('|'));
        }
        return out;
    }
    // Expected boxes, each "E:", "W:" or "Q:" (answered Yes; "N:" answered No) and a text part.
    void expectBoxes(const QStringList& boxes) {
        using Kind = ScriptedPrompter::Kind;
        for (const QString& box : boxes) {
            const QString text = box.mid(2);
            switch (box.at(0).toLatin1()) {
            case 'E':
                prompter.expect(Kind::Error, text);
                break;
            case 'W':
                prompter.expect(Kind::Warning, text);
                break;
            case 'Q':
                prompter.expect(Kind::YesNo, text, Prompter::Answer::Yes);
                break;
            default:
                prompter.expect(Kind::YesNo, text, Prompter::Answer::No);
                break;
            }
        }
    }
};

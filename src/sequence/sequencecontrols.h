#pragma once

#include "editorhooks.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class DocumentCommands;
class DocumentState;
class FindDialog;
class MarkList;
class MarkListWindow;
class Prompter;
class QAction;
class QMenu;
class QWidget;
class RowSelection;
class SequenceTable;
class SequenceTableView;
class TableCommandBar;
class TableCommands;

// The sequence's controls in the main window, wired to the document and table commands: the
// file menu's document actions, the table command bar, the grid's clicks, the header's search
// and Aktiv menu, and the marking list window.
class SequenceControls final : public QObject {
    Q_OBJECT

public:
    // The window's menu "&Datei" keeps these; the controls run them.
    struct FileActions {
        QAction* newSequence = nullptr;
        QAction* open = nullptr;
        QAction* save = nullptr;
        QAction* saveAs = nullptr;
    };
    struct Context {
        QWidget& window;
        SequenceTableView& tableView;
        TableCommandBar& commandBar;
        FileActions fileActions;
        SequenceTable& table;
        RowSelection& selection;
        MarkList& marks;
        Prompter& prompter;
        std::function<QString()> languageCode;
        // Runs a command; an error it throws is shown by the general error box.
        std::function<void(const std::function<void()>&)> guard;
    };

    SequenceControls(Context context, EditorHooks editor);
    ~SequenceControls() override;

    void attachMarkListWindow(MarkListWindow& window);
    // The language of the untitled name; the commands read theirs from the context.
    void setLanguageCode(const QString& languageCode);
    // The start-up's last sequence: a file named on the command line, else the settings'.
    void openAtStartup(const QString& executableDir, const QString& captionPrefix,
                       const QString& namedFile);

    DocumentState& document() { return *m_document; }
    DocumentCommands& documents() { return *m_documents; }
    TableCommands& commands() { return *m_commands; }
    TableCommandBar& commandBar() { return m_c.commandBar; }
    FindDialog& findDialog() { return *m_find; }
    QMenu& activeMenu() { return *m_activeMenu; }

protected:
    // The pop-up menu of the Aktiv header follows a language change.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void retranslate();
    // Connects a signal to a command that runs under the general error box.
    template <typename Sender, typename Signal>
    void run(Sender* sender, Signal signal, std::function<void()> command);
    void connectFileMenu();
    void connectEditCommands();
    void connectTableView();

    Context m_c;
    EditorHooks m_editor;
    std::unique_ptr<DocumentState> m_document;
    std::unique_ptr<DocumentCommands> m_documents;
    std::unique_ptr<TableCommands> m_commands;
    std::unique_ptr<QMenu> m_activeMenu;
    FindDialog* m_find = nullptr;
    MarkListWindow* m_markWindow = nullptr;
};

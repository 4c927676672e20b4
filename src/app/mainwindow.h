#pragma once

#include "closecontroller.h"
#include "mainwindowform.h"
#include "shellstate.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class AboutWindow;
class BoardUploads;
class CopyboardWindow;
class LanguageSwitch;
class DisplayOutput;
class EditorSimulation;
class EntryEditor;
class EntryImport;
class HelpWindow;
class MarkList;
class MarkListWindow;
class PlaybackCommands;
class PlaybackController;
class PlaybackPanel;
class PlaybackStrip;
class PortCommand;
class ProgramBoards;
class ProgramRemote;
class ProgramShowLog;
class RescueKeeper;
class RowSelection;
class SequenceControls;
class SequenceTable;
class SupervisionWindow;
class Timer;
class UploadHandshake;
struct ProgramServices;

// The main window composes the program: it owns the shell state, the display output and
// the close passes, and wires the controls to them. Decisions live in the core classes.
class MainWindow final : public QMainWindow, private CloseController::Host {
    Q_OBJECT

public:
    explicit MainWindow(ProgramServices& services, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The windows created after this one. Arms the start-up: it runs once, 200 ms later.
    void attachWindows(SupervisionWindow& supervision, CopyboardWindow& copyboard,
                       AboutWindow& about, HelpWindow& help);
    void attachMarkListWindow(MarkListWindow& window);

    // Runs once the windows are attached (the start-up timer calls it).
    void runStartup();
    // "&Deutsch" ("D") and "&Englisch" ("GB"): the language of every window, the table's
    // header and Aktiv words and the untitled name.
    void chooseLanguage(const QString& languageCode);
    void choosePort();
    void showSupervision();
    void sendDisplayImage();
    // A close request from outside the window (the session or a termination signal).
    void requestClose(bool interactive);

    const ShellState& shell() const { return m_shell; }
    MainWindowForm& form() { return m_form; }
    DisplayOutput& output() { return *m_output; }
    CloseController& closer() { return *m_close; }
    SequenceTable& table() { return *m_table; }
    RowSelection& selection() { return *m_selection; }
    MarkList& markList() { return *m_markList; }
    SequenceControls& sequence() { return *m_sequence; }
    PlaybackController& playback() { return *m_playback; }
    // The one way into playback for every input, and the signals of what happens there.
    PlaybackCommands& playbackCommands() { return *m_playbackCommands; }
    PlaybackPanel& playbackPanel() { return *m_playbackPanel; }
    PlaybackStrip& playbackStrip() { return *m_playbackStrip; }
    EntryEditor& editor() { return *m_editor; }
    EditorSimulation& editorSimulation() { return *m_simulation; }
    UploadHandshake& upload();
    BoardUploads& uploads() { return *m_upload; }
    ProgramBoards& boards() { return *m_boards; }
    ProgramShowLog& showLog() { return *m_showLog; }
    Timer& createTimer() { return *m_createTimer; }
    bool startupDone() const { return m_startupDone; }

signals:
    void startupFinished();
    // The window closed for good; the program ends.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // CloseController::Host
    void askToCommitPendingEntry() override;
    bool askToSaveModifiedSequence() override;
    void stopEditorSimulation() override;
    void stopPlayback() override;
    void writeSettings() override;
    bool offlineMode() const override { return m_shell.offlineMode; }
    void closeMainWindow() override { close(); }

    void stopPlaybackTimers();
    void runGuarded(const std::function<void()>& handler);
    void wirePlaybackCommands();
    void wireEditorSimulation();
    void wireUpload();
    void wireRescue();
    void wireCopyboard(CopyboardWindow& copyboard);

    ProgramServices& m_services;
    std::unique_ptr<LanguageSwitch> m_languages;
    MainWindowForm m_form;
    ShellState m_shell;
    std::unique_ptr<Timer> m_createTimer;
    SequenceTable* m_table = nullptr;
    RowSelection* m_selection = nullptr;
    std::unique_ptr<MarkList> m_markList;
    EntryEditor* m_editor = nullptr;
    EditorSimulation* m_simulation = nullptr;
    std::unique_ptr<DisplayOutput> m_output;
    std::unique_ptr<PlaybackController> m_playback;
    // Goes before the controller it listens to.
    std::unique_ptr<PlaybackCommands> m_playbackCommands;
    // The remote runs the playback commands; it goes before them.
    std::unique_ptr<ProgramRemote> m_remote;
    PlaybackStrip* m_playbackStrip = nullptr;
    PlaybackPanel* m_playbackPanel = nullptr;
    std::unique_ptr<CloseController> m_close;
    std::unique_ptr<PortCommand> m_portCommand;
    ProgramBoards* m_boards = nullptr;
    ProgramShowLog* m_showLog = nullptr;
    std::unique_ptr<BoardUploads> m_upload;
    std::unique_ptr<EntryImport> m_import;
    QPointer<SupervisionWindow> m_supervision;
    QPointer<CopyboardWindow> m_copyboard;
    QPointer<AboutWindow> m_about;
    QPointer<HelpWindow> m_help;
    bool m_startupDone = false;
    bool m_interactiveClose = true;
    // Last, so that it goes first: it holds on to the table and the marks.
    std::unique_ptr<SequenceControls> m_sequence;
    // After the document it watches, so that it goes before it.
    std::unique_ptr<RescueKeeper> m_rescue;
};

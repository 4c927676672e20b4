#include "mainwindow.h"

#include "programboards.h"
#include "programremote.h"
#include "programservices.h"
#include "programshowlog.h"
#include "settings.h"
#include "startupsequence.h"

#include "display/boardfanout.h"
#include "display/boarduploads.h"
#include "display/displayoutput.h"
#include "display/portcommand.h"
#include "display/statusline.h"
#include "display/supervisionwindow.h"
#include "display/uploadhandshake.h"
#include "display/uploadstrip.h"
#include "editor/entryeditor.h"
#include "editor/entryeditorpanel.h"
#include "editor/entryimport.h"
#include "editor/previewlines.h"
#include "platform/clock.h"
#include "platform/prompter.h"
#include "platform/serialport.h"
#include "playback/commandavailability.h"
#include "playback/editorsimulation.h"
#include "playback/playbackcommands.h"
#include "playback/playbackcontroller.h"
#include "playback/playbackpanel.h"
#include "playback/playbackstrip.h"
#include "sequence/documentcommands.h"
#include "sequence/documentstate.h"
#include "sequence/marklist.h"
#include "sequence/marklistwindow.h"
#include "sequence/rescuekeeper.h"
#include "sequence/rowselection.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"
#include "sequence/sequencetableview.h"
#include "sequence/tablecommandbar.h"
#include "sequence/tablecommands.h"
#include "windows/aboutwindow.h"
#include "windows/copyboardwindow.h"
#include "windows/helpwindow.h"
#include "windows/languageswitch.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>

MainWindow::MainWindow(ProgramServices& services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_languages(std::make_unique<LanguageSwitch>()) {
    m_form.setupUi(this);

    m_table = new SequenceTable(this);
    m_table->setMarker(1, SequenceTable::Marker::Initial);
    m_selection = new RowSelection(*m_table, this);
    m_markList = std::make_unique<MarkList>();
    m_form.tableView->attach(*m_table, *m_selection, *m_markList);

    m_editor =
        new EntryEditor(*m_form.editorPanel, *m_table, *m_selection, services.prompter, this);
    connect(m_selection, &RowSelection::rowSelected, this, [this](int row) {
        if (!m_editor->flags().followsSelection)
            return;
        if (m_playback->isFollowing())
            runGuarded([this, row] { m_editor->loadFollowedEntry(row); });
        else
            runGuarded([this, row] { m_editor->loadEntry(row); });
    });
    connect(m_editor, &EntryEditor::statusMessage, m_form.statusLine, &StatusLine::showStatus);

    m_output = std::make_unique<DisplayOutput>(services.port, services.pump, services.clock);
    m_output->setStatusSink([this](const QString& text) { m_form.statusLine->showStatus(text); });
    m_output->setMirror([this](int index, const QByteArray& slot) {
        if (m_supervision)
            m_supervision->showLine(index, slot);
    });

    // The boards beside the first get every frame the first one gets.
    m_boards = new ProgramBoards(services, *m_output, this);

    m_playback = std::make_unique<PlaybackController>(*m_table, *m_selection, *m_output,
                                                      services.clock, this);
    m_playbackStrip = new PlaybackStrip;
    m_form.tableLayout->insertWidget(0, m_playbackStrip);
    m_form.playMenu->insertActions(m_form.choosePortAction, m_playbackStrip->menuActions());
    for (QWidget* w : {static_cast<QWidget*>(m_form.supervisionButton),
                       static_cast<QWidget*>(m_form.uploadStrip)})
        m_playbackStrip->addDisplayControls(w);
    m_playbackCommands = std::make_unique<PlaybackCommands>(*m_playback, *m_table, *m_selection);
    m_playbackPanel =
        new PlaybackPanel(*this, *m_playbackStrip, *m_form.tableView, *m_playbackCommands);
    wirePlaybackCommands();
    m_remote = std::make_unique<ProgramRemote>(
        *m_playbackCommands, services.clock, [this] { return m_shell.offlineMode; },
        *m_form.playMenu, *m_form.statusLine);
    connect(m_playbackPanel, &PlaybackPanel::pausedChanged, m_form.editorPanel,
            [this](bool paused) { m_form.editorPanel->kindTabs()->setEnabled(!paused); });
    m_editor->setRunningCheck(
        [this](const QByteArray& number) { return m_playback->isRunning(number); });
    wireEditorSimulation();

    services.port.setPortSelector([this] {
        // A command that may not ask (from the remote) gets no box: it ends refused.
        if (!m_playbackCommands->mayAsk()) {
            m_playbackCommands->refuseRunning(PortCommand::noPortStatus());
            return 0;
        }
        return m_services.prompter.choosePort(m_services.listPorts ? m_services.listPorts()
                                                                   : QStringList());
    });

    m_close = std::make_unique<CloseController>(static_cast<CloseController::Host&>(*this),
                                                services.port, services.pump, services.clock, this);

    PortCommand::Hooks hooks;
    hooks.stopTimers = [this] {
        stopPlaybackTimers();
    };
    hooks.storePortNumber = [this](int number) {
        SettingsFile(m_shell.settingsFilePath).writePortNumber(number);
    };
    // Giving up the choice keeps the program running without a port, as "No" to the first
    // question does; closing here ended the program without a word, and without asking
    // about a sequence not yet saved.
    hooks.giveUp = [this] {
        m_form.statusLine->showStatus(PortCommand::noPortStatus());
    };
    m_portCommand = std::make_unique<PortCommand>(services.port, services.prompter, hooks);
    m_boards->addMenuAction(*m_form.playMenu, nullptr);
    // The show log only listens; nothing has to call it.
    m_showLog = new ProgramShowLog(services.showLogFolder, services.openFile, this);
    m_showLog->listenTo(*m_playbackCommands, m_boards->monitor());
    m_showLog->listenToRemote(m_remote->server());
    m_showLog->addMenuAction(*m_form.playMenu);
    wireUpload();

    // The table commands sit under the entry editor; their actions go into "&Bearbeiten".
    auto* commandBar = new TableCommandBar;
    m_form.editorPanel->addCommandBar(commandBar);
    m_form.editMenu->addActions(commandBar->menuActions());
    EntryEditorPanel* editorPanel = m_form.editorPanel;
    QList<QWidget*> editingWidgets;
    editingWidgets << commandBar->proposeNumberButton() << commandBar->newTextButton()
                   << commandBar->renumberButton() << commandBar->deleteTextsButton()
                   << commandBar->exchangeTextsButton() << editorPanel->numberField()
                   << editorPanel->changeNumberButton() << editorPanel->copyboardButton();
    m_playbackPanel->addEditingControls(editingWidgets, {m_form.newAction, m_form.openAction,
                                                         commandBar->deleteTextsAction(),
                                                         commandBar->exchangeTextsAction()});
    const SequenceControls::FileActions fileActions{m_form.newAction, m_form.openAction,
                                                    m_form.saveAction, m_form.saveAsAction};
    SequenceControls::Context sequence{*this,
                                       *m_form.tableView,
                                       *commandBar,
                                       fileActions,
                                       *m_table,
                                       *m_selection,
                                       *m_markList,
                                       services.prompter,
                                       [this] { return m_shell.languageCode; },
                                       [this](const std::function<void()>& command) {
                                           runGuarded(command);
                                       }};
    EditorHooks editor;
    editor.takeChanges = [this] {
        return m_editor->offerPendingCommit();
    };
    editor.clearEntry = [this] {
        m_editor->clearEntry();
    };
    editor.showNumber = [this](const QByteArray& number) {
        m_editor->showNumber(number);
    };
    editor.loadRow = [this](int row) {
        m_editor->loadEntry(row);
    };
    editor.setFollowsSelection = [this](bool follows) {
        m_editor->setEditorFollowsSelection(follows);
    };
    m_sequence = std::make_unique<SequenceControls>(sequence, editor);
    // The document state keeps the one modified flag; a commit sets it.
    m_editor->commit().setOnSequenceModified([this] { m_sequence->document().setModified(true); });
    wireRescue();

    connect(m_form.choosePortAction, &QAction::triggered, this, [this] { choosePort(); });
    connect(m_form.germanAction, &QAction::triggered, this,
            [this] { chooseLanguage(QStringLiteral("D")); });
    connect(m_form.englishAction, &QAction::triggered, this,
            [this] { chooseLanguage(QStringLiteral("GB")); });
    connect(m_form.quitAction, &QAction::triggered, this, [this] { close(); });
    connect(m_form.supervisionButton, &QPushButton::clicked, this, [this] { showSupervision(); });

    // Armed once the other windows are attached: the start-up runs 200 ms later, in the
    // event loop.
    m_createTimer = services.clock.createTimer(QStringLiteral("CreateTimer"), 200, this);
    m_createTimer->setOnTimeout([this] { runStartup(); });
}

MainWindow::~MainWindow() {
    m_services.port.setReceiveHandler({});
}

void MainWindow::attachWindows(SupervisionWindow& supervision, CopyboardWindow& copyboard,
                               AboutWindow& about, HelpWindow& help) {
    m_supervision = &supervision;
    m_copyboard = &copyboard;
    m_about = &about;
    m_help = &help;
    connect(m_form.aboutAction, &QAction::triggered, &about, &AboutWindow::showModal);
    connect(m_form.helpAction, &QAction::triggered, &help, &HelpWindow::showInFront);
    wireCopyboard(copyboard);
    m_boards->showStatesIn(supervision, *m_form.statusLine);
    m_createTimer->setEnabled(true);
}

UploadHandshake& MainWindow::upload() {
    return m_upload->first();
}

void MainWindow::attachMarkListWindow(MarkListWindow& window) {
    m_sequence->attachMarkListWindow(window);
    // The marking list's "Texte löschen" and "Texte tauschen" are editing commands too.
    m_playbackPanel->addEditingControls(QList<QWidget*>()
                                        << window.deleteButton() << window.exchangeButton());
}

void MainWindow::runStartup() {
    m_createTimer->setEnabled(false);
    if (m_close->shuttingDown())
        return;
    runGuarded([this] {
        StartupSequence::Context context{
            *this,        m_form,   m_shell,        m_services, *m_output,   *m_supervision,
            *m_copyboard, *m_about, *m_portCommand, *m_table,   *m_sequence, *m_playbackStrip};
        context.switchTexts = [this](const QString& code) {
            m_languages->apply(code);
        };
        StartupSequence(context).run();
    });
    m_rescue->setFallbackFolder(m_sequence->documents().rescueFolder());
    m_boards->start(m_shell.settingsFilePath, m_shell.moreBoards);
    m_remote->start(m_shell.settingsFilePath,
                    SettingsFile(m_shell.settingsFilePath).read(m_shell.executableDir).remote);
    m_startupDone = true;
    qInfo("start-up complete");
    emit startupFinished();
}

void MainWindow::chooseLanguage(const QString& languageCode) {
    m_shell.languageCode = languageCode;
    m_table->setLanguageCode(languageCode);
    m_sequence->setLanguageCode(languageCode);
    m_languages->apply(languageCode);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        m_form.retranslateUi();
        m_boards->retranslate();
        m_showLog->retranslate();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::choosePort() {
    runGuarded([this] { m_portCommand->choosePort(); });
}

void MainWindow::showSupervision() {
    if (m_supervision)
        m_supervision->show();
}

void MainWindow::sendDisplayImage() {
    m_output->sendDisplayImage();
}

void MainWindow::requestClose(bool interactive) {
    // Without questions unsaved changes cannot be saved where the operator wants them: they
    // go into the rescue copy, which the next start offers back.
    if (!interactive && m_startupDone && !m_close->shuttingDown())
        m_rescue->rescueNow();
    m_interactiveClose = interactive;
    close();
    m_interactiveClose = true;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool allow = false;
    runGuarded([&] { allow = m_close->closeQuery(m_interactiveClose); });
    if (!allow) {
        event->ignore();
        return;
    }
    event->accept();
    emit closed();
}

void MainWindow::askToCommitPendingEntry() {
    runGuarded([this] { m_editor->offerPendingCommit(); });
}

bool MainWindow::askToSaveModifiedSequence() {
    if (!m_sequence->documents().askToSaveOnClose())
        return false;
    m_rescue->closeCleanly(); // saved, or given up by the operator
    return true;
}

void MainWindow::stopEditorSimulation() {
    m_simulation->stop();
}

void MainWindow::stopPlayback() {
    if (!m_startupDone)
        return;
    m_playback->stop();
    // The blank frame leaves for every reached board now; none is waited on.
    m_boards->fanOut().flush();
}

void MainWindow::stopPlaybackTimers() {
    stopEditorSimulation();
    m_playback->stopTimers();
}

void MainWindow::writeSettings() {
    // Before the start-up has read the settings there is nothing of the operator's to
    // keep, and writing would replace the stored values with the defaults.
    if (!m_startupDone)
        return;
    Settings s;
    s.follow = m_playbackStrip->follows();
    s.lastFile = m_sequence->document().currentFile();
    s.languageCode = m_shell.languageCode;
    s.windowLeft = pos().x();
    s.windowTop = pos().y();
    s.windowWidth = width();
    s.windowHeight = height();
    s.editHeight = m_form.editorPanel->height();
    if (m_copyboard) {
        s.copyboardLeft = m_copyboard->pos().x();
        s.copyboardTop = m_copyboard->pos().y();
        s.copyboardHeight = m_copyboard->height();
    }
    if (m_supervision) {
        s.supervisionLeft = m_supervision->pos().x();
        s.supervisionTop = m_supervision->pos().y();
    }
    if (!SettingsFile(m_shell.settingsFilePath).writeShutdownKeys(s))
        qWarning("cannot write the settings file %s", qPrintable(m_shell.settingsFilePath));
}

void MainWindow::wirePlaybackCommands() {
    // Where the operator's command would ask for the port, one that may not ask is refused
    // before it starts anything: the board's first frame comes from a timer, after the
    // command, and would open the box all the same.
    m_playbackCommands->setPrecondition([this](const PlaybackRequest& request) {
        if (request.origin.mayAsk || !m_output->outputEnabled() ||
            m_services.port.portNumber() != 0 ||
            !CommandAvailability::drivesTheBoard(request.command))
            return QString();
        return PortCommand::noPortStatus();
    });
    // The status line says why a command was refused (one from the remote, mostly: the
    // operator's own controls are disabled where a command is not open).
    connect(m_playbackCommands.get(), &PlaybackCommands::commandRefused, m_form.statusLine,
            [this](const PlaybackRequest&, const QString& reason) {
                m_form.statusLine->showStatus(reason);
            });
}

void MainWindow::wireEditorSimulation() {
    EditorSimulation::Hooks hooks;
    hooks.editedEntry = [this] {
        return m_editor->editedEntry();
    };
    hooks.display = [this] {
        return m_form.editorPanel->displaySetup();
    };
    hooks.speedFactor = [this] {
        return m_playback->speedFactor();
    };
    hooks.showPreview = [this](const QList<QByteArray>& lines) {
        m_form.editorPanel->preview()->showTexts(lines);
    };
    m_simulation = new EditorSimulation(hooks, m_services.clock, this);
    connect(m_form.editorPanel->simulationBox(), &QCheckBox::toggled, m_simulation,
            &EditorSimulation::setRunning);
    // While the simulation plays, the caret does not choose the preview's page.
    connect(m_simulation, &EditorSimulation::runningChanged, m_form.editorPanel,
            &EntryEditorPanel::setSimulationRunning);
}

void MainWindow::wireUpload() {
    UploadHandshake::Hooks hooks;
    hooks.outputEnabled = [this] {
        return m_output->outputEnabled();
    };
    hooks.showStatus = [this](const QString& text) {
        m_form.statusLine->showStatus(text);
    };
    hooks.pendingChanged = [this](bool pending) {
        m_form.uploadStrip->setPending(pending);
    };
    hooks.reportError = [this](const QString& text) {
        m_services.prompter.showError(text);
    };
    m_upload = std::make_unique<BoardUploads>(m_services.port, m_boards->fanOut(), m_services.clock,
                                              hooks);
    // The board's replies are read whenever the port is open, in live mode too.
    m_services.port.setReceiveHandler(
        [this](const QByteArray& bytes) { m_upload->receiveFromFirst(bytes); });
    connect(m_form.uploadStrip, &UploadStrip::uploadRequested, this, [this] {
        runGuarded(
            [this] { m_upload->start(*m_table, m_output->lineCount(), m_output->columnCount()); });
    });
    connect(m_form.uploadStrip, &UploadStrip::cancelRequested, this,
            [this] { m_upload->cancel(); });
}

void MainWindow::wireRescue() {
    RescueKeeper::Hooks hooks;
    hooks.snapshot = [this] {
        const std::unique_ptr<SequenceTable> pending = m_editor->tableWithPendingEntry();
        return SequenceFile::lines(pending ? *pending : *m_table);
    };
    hooks.entryPending = [this] {
        return m_editor->isEntryModified();
    };
    hooks.sending = [this] {
        return m_output->isSending();
    };
    m_rescue = std::make_unique<RescueKeeper>(m_sequence->document(), m_services.clock, hooks);
    m_rescue->watch(*m_table);
    connect(m_editor, &EntryEditor::changed, m_rescue.get(), &RescueKeeper::noteChange);
    connect(&m_sequence->documents(), &DocumentCommands::rescueCopyTaken, m_rescue.get(),
            &RescueKeeper::adoptCopy);
    m_sequence->documents().setOwnCopyCheck(
        [this](const QString& rescuePath) { return m_rescue->ownsCopy(rescuePath); });
}

void MainWindow::wireCopyboard(CopyboardWindow& copyboard) {
    connect(m_form.editorPanel->copyboardButton(), &QPushButton::clicked, &copyboard, [&copyboard] {
        copyboard.show();
        copyboard.raise();
    });
    m_import = std::make_unique<EntryImport>(*m_form.editorPanel, *m_editor,
                                             [this] { return m_sequence->commands().newText(); });
    connect(&copyboard, &CopyboardWindow::newEntryRequested, this,
            [this](CopyboardWindow::Target target, const QString& text) {
                const TextKind kind = target == CopyboardWindow::Target::Flow     ? TextKind::Flow
                                      : target == CopyboardWindow::Target::Scroll ? TextKind::Scroll
                                                                                  : TextKind::Block;
                runGuarded([this, kind, &text] { m_import->importText(kind, text); });
            });
    connect(m_playbackPanel, &PlaybackPanel::editingEnabled, &copyboard,
            &CopyboardWindow::setNewEntriesEnabled);
    copyboard.setNewEntriesEnabled(m_playbackCommands->editingAllowed());
}

void MainWindow::runGuarded(const std::function<void()>& handler) {
    // The general error box: an error ends only the current event.
    try {
        handler();
    } catch (const std::exception& e) {
        m_services.prompter.showError(QString::fromUtf8(e.what()));
    }
}

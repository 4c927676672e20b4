#pragma once

#include "display/statusline.h"

#include <QList>

class EntryEditorPanel;
class QAction;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QSpinBox;
class QSplitter;
class QTabWidget;
class QTextEdit;
class QToolButton;
class QWidget;
class SequenceTableView;
class UploadStrip;

// The main window's controls, built in code like a designer form. Every control carries
// the name the rest of the program knows it by as its object name. No behaviour here.
class MainWindowForm {
public:
    void setupUi(QMainWindow* window);

    // Menu "&Datei"
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* quitAction = nullptr;
    // Menu "&Abspielen"
    QAction* playAutomaticAction = nullptr;
    QAction* stopAction = nullptr;
    QAction* pauseAction = nullptr;
    QAction* startPausedAction = nullptr;
    QAction* manualAction = nullptr;
    QAction* stepSeparator = nullptr;
    QAction* firstAction = nullptr;
    QAction* lastAction = nullptr;
    QAction* previousAction = nullptr;
    QAction* nextAction = nullptr;
    QAction* goToAction = nullptr;
    QAction* goOnAction = nullptr;
    QAction* portSeparator = nullptr;
    QAction* choosePortAction = nullptr;
    // Menu "&Sprache"
    QAction* germanAction = nullptr;
    QAction* englishAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* helpAction = nullptr;

    // Entry editor
    QSplitter* editorSplitter = nullptr;
    EntryEditorPanel* editorPanel = nullptr;

    // Playback strip
    QLabel* currentTextLabel = nullptr;
    QLabel* currentNumberLabel = nullptr;
    QCheckBox* followCheckBox = nullptr;
    QLabel* speedLabel = nullptr;
    QSlider* speedSlider = nullptr;
    QPushButton* speed50Button = nullptr;
    QPushButton* speed100Button = nullptr;
    QPushButton* speed150Button = nullptr;
    QToolButton* playButton = nullptr;
    QToolButton* stopButton = nullptr;
    QToolButton* pauseButton = nullptr;
    QToolButton* manualButton = nullptr;
    QButtonGroup* playbackModeGroup = nullptr;
    QWidget* navigationPanel = nullptr;
    QToolButton* firstButton = nullptr;
    QToolButton* lastButton = nullptr;
    QToolButton* previousButton = nullptr;
    QToolButton* nextButton = nullptr;
    QPushButton* goToButton = nullptr;
    QPushButton* goOnButton = nullptr;
    QPushButton* supervisionButton = nullptr;
    UploadStrip* uploadStrip = nullptr;

    SequenceTableView* tableView = nullptr;
    StatusLine* statusLine = nullptr;

    // Table commands: the editor's buttons and the menu "&Bearbeiten"
    QPushButton* proposeNumberButton = nullptr;
    QPushButton* newTextButton = nullptr;
    QPushButton* renumberButton = nullptr;
    QPushButton* deleteTextsButton = nullptr;
    QPushButton* exchangeTextsButton = nullptr;
    QAction* deleteTextsAction = nullptr;
    QAction* exchangeTextsAction = nullptr;
    QAction* markListAction = nullptr;

private:
    void buildTableCommands(QMenu* edit);
};

#pragma once

#include <QList>

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
class QStatusBar;
class QTabWidget;
class QTextEdit;
class QToolButton;
class QWidget;
class SequenceTableView;

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
    // Menu "&Bearbeiten": filled with the table commands' actions
    QMenu* editMenu = nullptr;
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
    QWidget* editorPanel = nullptr;
    QLabel* numberLabel = nullptr;
    QLineEdit* numberField = nullptr;
    QPushButton* changeNumberButton = nullptr;
    QLabel* noteLabel = nullptr;
    QCheckBox* activeCheckBox = nullptr;
    QPlainTextEdit* noteField = nullptr;
    QTabWidget* kindTabs = nullptr;
    QWidget* blockPage = nullptr;
    QWidget* scrollPage = nullptr;
    QWidget* flowPage = nullptr;
    QTextEdit* blockEditor = nullptr;
    QTextEdit* scrollEditor = nullptr;
    QPlainTextEdit* flowEditor = nullptr;
    QPlainTextEdit* flowMeasure = nullptr;
    QLabel* referenceLabel = nullptr;
    QSpinBox* pageTime = nullptr;
    QSpinBox* lineTime = nullptr;
    QSpinBox* flowStep = nullptr;
    QLabel* flowStepLabel = nullptr;
    QLabel* flowStepSeconds = nullptr;
    QSpinBox* flowLine = nullptr;
    QLabel* flowLineLabel = nullptr;
    QLabel* durationLabel = nullptr;
    QLabel* minutesLabel = nullptr;
    QLabel* secondsLabel = nullptr;
    QLabel* presetLabel = nullptr;
    QCheckBox* presetDurationFlag = nullptr;
    QCheckBox* byDuration = nullptr;
    QSpinBox* durationMinutes = nullptr;
    QSpinBox* durationSeconds = nullptr;
    QPushButton* commitButton = nullptr;
    // The lines built at start-up for the display's size: the flowing text's fixed lines
    // (FliesstextZeile0 ..) below the flow text, and the preview (VorschauZeile0 ..).
    QWidget* flowLinePanel = nullptr;
    QWidget* previewPanel = nullptr;
    QList<QLineEdit*> flowLineFields;
    QList<QLineEdit*> previewLines;
    void buildLineFields(int lineCount, int columnCount);

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
    QPushButton* uploadButton = nullptr;
    QPushButton* cancelUploadButton = nullptr;

    SequenceTableView* tableView = nullptr;
    QStatusBar* statusLine = nullptr;
};

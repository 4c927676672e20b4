#pragma once

#include <QList>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QTextEdit;
class QVBoxLayout;
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
    // Menu "&Abspielen": the playback items go before the port command.
    QMenu* playMenu = nullptr;
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

    // The display's buttons, shown in the playback strip.
    QPushButton* supervisionButton = nullptr;
    QPushButton* uploadButton = nullptr;
    QPushButton* cancelUploadButton = nullptr;

    // Holds the playback strip above the table.
    QVBoxLayout* tableLayout = nullptr;
    SequenceTableView* tableView = nullptr;
    QStatusBar* statusLine = nullptr;

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

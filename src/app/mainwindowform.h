#pragma once

#include "display/statusline.h"

#include <QList>

class EntryEditorPanel;
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
class QTabWidget;
class QTextEdit;
class QVBoxLayout;
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
    EntryEditorPanel* editorPanel = nullptr;

    // The display's buttons, shown in the playback strip.
    QPushButton* supervisionButton = nullptr;
    UploadStrip* uploadStrip = nullptr;

    // Holds the playback strip above the table.
    QVBoxLayout* tableLayout = nullptr;
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

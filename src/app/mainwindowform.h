#pragma once

#include "display/statusline.h"

#include <QCoreApplication>

class EntryEditorPanel;
class QAction;
class QMainWindow;
class QMenu;
class QPushButton;
class QSplitter;
class QVBoxLayout;
class QWidget;
class SequenceTableView;
class UploadStrip;

// The main window's controls, built in code like a designer form. Every control carries
// the name the rest of the program knows it by as its object name. No behaviour here.
class MainWindowForm {
    Q_DECLARE_TR_FUNCTIONS(MainWindowForm)

public:
    void setupUi(QMainWindow* window);
    // The captions and hints in the language of the installed translation.
    void retranslateUi();

    // Menu "&Datei"
    QAction* newAction = nullptr;
    QAction* openAction = nullptr;
    QAction* saveAction = nullptr;
    QAction* saveAsAction = nullptr;
    QAction* quitAction = nullptr;
    // Menu "&Bearbeiten": filled with the table commands' actions
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    // Menu "&Abspielen": the playback items go before the port command.
    QMenu* playMenu = nullptr;
    QAction* choosePortAction = nullptr;
    // Menu "&Sprache"; "&Info" and "&Hilfe (F1)" are items of the bar itself.
    QMenu* languageMenu = nullptr;
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
};

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
    QAction* Neu1 = nullptr;
    QAction* Oeffnen1 = nullptr;
    QAction* Speichern1 = nullptr;
    QAction* Speichernunter1 = nullptr;
    QAction* Beenden1 = nullptr;
    // Menu "&Abspielen"
    QAction* automatischabspielen1 = nullptr;
    QAction* Stop1 = nullptr;
    QAction* Pause1 = nullptr;
    QAction* StartPause = nullptr;
    QAction* Manuell1 = nullptr;
    QAction* N2 = nullptr;
    QAction* Erster1 = nullptr;
    QAction* Letzter1 = nullptr;
    QAction* Zurck1 = nullptr;
    QAction* Vor1 = nullptr;
    QAction* gehezu1 = nullptr;
    QAction* Weiter1 = nullptr;
    QAction* N3 = nullptr;
    QAction* COMPort1 = nullptr;
    // Menu "&Sprache"
    QAction* Deutsch1 = nullptr;
    QAction* Englisch1 = nullptr;
    QAction* Info1 = nullptr;
    QAction* Hilfe1 = nullptr;

    // Entry editor
    QSplitter* Splitter1 = nullptr;
    QWidget* Panel2 = nullptr;
    QLabel* TextNrLabel = nullptr;
    QLineEdit* TextNr = nullptr;
    QPushButton* Button2 = nullptr;
    QLabel* HinweisLabel = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QPlainTextEdit* Hinweis = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* TabSheet1 = nullptr;
    QWidget* TabSheet2 = nullptr;
    QWidget* TabSheet3 = nullptr;
    QTextEdit* Textfeld = nullptr;
    QTextEdit* ScrollTextFeld = nullptr;
    QPlainTextEdit* Fliesstextfeld = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* TestLabel = nullptr;
    QSpinBox* Seitenwechselzeit = nullptr;
    QSpinBox* Zeilenwechselzeit = nullptr;
    QSpinBox* Fliesstakt = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QSpinBox* TextInZeile = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label16 = nullptr;
    QCheckBox* Vorgabezeit = nullptr;
    QCheckBox* NachDauer = nullptr;
    QSpinBox* DauerMinuten = nullptr;
    QSpinBox* DauerSekunden = nullptr;
    QPushButton* Button11 = nullptr;
    // The lines built at start-up for the display's size: the flowing text's fixed lines
    // (FliesstextZeile0 ..) below the flow text, and the preview (VorschauZeile0 ..).
    QWidget* FlowLinePanel = nullptr;
    QWidget* PreviewPanel = nullptr;
    QList<QLineEdit*> FlowLineEdits;
    QList<QLineEdit*> PreviewLines;
    void buildLineFields(int lineCount, int columnCount);

    // Playback strip
    QLabel* Label14 = nullptr;
    QLabel* Label13 = nullptr;
    QCheckBox* Verfolgen = nullptr;
    QLabel* Label17 = nullptr;
    QSlider* Relativ = nullptr;
    QPushButton* Button8 = nullptr;
    QPushButton* Button9 = nullptr;
    QPushButton* Button10 = nullptr;
    QToolButton* Play = nullptr;
    QToolButton* Stop = nullptr;
    QToolButton* Pause = nullptr;
    QToolButton* Manuell = nullptr;
    QButtonGroup* PlaybackModeGroup = nullptr;
    QWidget* Panel6 = nullptr;
    QToolButton* First = nullptr;
    QToolButton* Last = nullptr;
    QToolButton* Bevore = nullptr;
    QToolButton* Next = nullptr;
    QPushButton* zu = nullptr;
    QPushButton* Weiter = nullptr;
    QPushButton* Button3 = nullptr;
    QPushButton* AnzeigeSenden = nullptr;
    QPushButton* abbrechen = nullptr;

    SequenceTableView* Tabelle = nullptr;
    QStatusBar* StatusBar1 = nullptr;
};

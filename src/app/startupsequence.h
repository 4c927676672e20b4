#pragma once

#include <QString>

#include <functional>

class AboutWindow;
class CopyboardWindow;
class DisplayOutput;
class MainWindowForm;
class PlaybackStrip;
class PortCommand;
class SequenceControls;
class SequenceTable;
class QMainWindow;
class SupervisionWindow;
struct ProgramServices;
struct Settings;
struct ShellState;

// The start-up, once every window exists: variant, settings, language, editor geometry,
// serial port, frame-time limits, offline mode, supervision fields, last sequence,
// supervision showing, about captions and the text import window.
class StartupSequence {
public:
    struct Context {
        QMainWindow& window;
        MainWindowForm& form;
        ShellState& shell;
        ProgramServices& services;
        DisplayOutput& output;
        SupervisionWindow& supervision;
        CopyboardWindow& copyboard;
        AboutWindow& about;
        PortCommand& portCommand;
        SequenceTable& table;
        SequenceControls& sequence;
        PlaybackStrip& playbackStrip;
        // Switches the texts of every window to the language of the code.
        std::function<void(const QString& languageCode)> switchTexts = {};
    };

    explicit StartupSequence(Context context);
    void run();

private:
    void chooseVariant();
    void giveInitialValues();
    void readSettings();
    void applyLanguageTexts();
    void applyHintTimings();
    void openSerialPort();
    void applyFrameTimeLimits();
    void applyLineRateAndMode();
    void buildLineFields();
    void setUpEditorForDisplay();
    void loadLastSequence();
    // The text import window beside the editor: its width from the block editor's.
    void setUpCopyboard();

    Context m_c;
    int m_screenWidth = 0;
    int m_screenHeight = 0;
};

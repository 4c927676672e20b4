#pragma once

#include "commandgroups.h"
#include "playbackmode.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class MainWindowForm;
class PlaybackController;
class QLabel;
class QMainWindow;
class QWidget;

// The playback strip and the "&Abspielen" menu of the main window: connects their clicks,
// keys and hints to the controller and shows its state. Command groups are enabled by the
// object names of their controls, in the main window and in any window added here.
class PlaybackPanel final : public QObject {
    Q_OBJECT

public:
    PlaybackPanel(QMainWindow& window, MainWindowForm& form, PlaybackController& controller);

    // Captions and hints in the language of the code ("GB" English, else German).
    void applyLanguage(const QString& languageCode);
    // Another window holding controls of a command group; the current state is applied.
    void addCommandWindow(QWidget* window);
    // The playback keys work while this window is the active one too (the supervision
    // window, which stays on top of the main window during a show).
    void shareKeysWith(QWidget* window);
    // Where reports about the played sequence appear, in the status bar.
    QLabel* reportLabel() const { return m_report; }

private:
    void connectCommands();
    void setUpKeys();
    void showMode(PlaybackMode mode);
    void showPaused(bool paused);
    void applyGroups(const CommandGroups& groups);
    void setEnabledByName(const QStringList& names, bool enabled);
    void scrollToRow(int row);
    void showReport(const QString& text);

    QMainWindow& m_window;
    MainWindowForm& m_form;
    PlaybackController& m_controller;
    QLabel* m_report = nullptr;
    std::vector<QPointer<QWidget>> m_commandWindows;
};

#pragma once

#include "playbackcommand.h"
#include "playbackkeys.h"
#include "playbackmode.h"

#include <QByteArray>
#include <QList>
#include <QWidget>

#include <functional>
#include <utility>

class QAction;
class QBoxLayout;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;
class QToolButton;

// The playback strip between the entry editor and the table, and the actions of the
// "&Abspielen" menu: the current entry's number, follow, the speed bar, the mode buttons and
// the navigation group. It asks for the commands the operator chooses, enables each control
// by the command it runs and shows the state it is given; the window puts the actions into
// its menu.
class PlaybackStrip final : public QWidget {
    Q_OBJECT

public:
    explicit PlaybackStrip(QWidget* parent = nullptr);

    // The menu's items in menu order, separators included; the last one is the separator
    // after which the window adds its own items.
    QList<QAction*> menuActions() const;
    // The actions that carry a playback key, with their commands.
    QList<KeyCommand> keyCommands() const;
    // Controls of another part (the display's buttons) placed after the mode buttons.
    void addDisplayControls(QWidget* controls);
    // Offline the display plays from its own memory: the live controls and menu items go.
    void hideLiveControls();

    int speedFactor() const;
    bool follows() const;
    void setFollows(bool on);

    // Each control and menu item is enabled as its command is.
    void showEnabled(const std::function<bool(PlaybackCommand)>& isEnabled);
    // The bar moves to the factor without asking for a command.
    void showSpeedFactor(int factor);
    void showMode(PlaybackMode mode);
    // The Pause button, its check mark and the go-on key.
    void showPaused(bool paused);
    void showCurrentNumber(const QByteArray& number);

signals:
    // The operator chose a command with a control of the strip or a menu item.
    void commandRequested(const PlaybackRequest& request);
    // The flag changed (also when the settings set it).
    void followChanged(bool on);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void buildCurrentGroup(QBoxLayout* strip);
    void buildSpeedGroup(QBoxLayout* strip);
    void buildModeButtons(QBoxLayout* strip);
    void buildNavigationGroup(QBoxLayout* strip);
    void buildMenuActions();
    void connectControls();
    // Every control and menu item with the command it runs.
    QList<std::pair<QObject*, PlaybackCommand>> commandControls() const;

    QLabel* m_currentTextLabel = nullptr;
    QLabel* m_currentNumberLabel = nullptr;
    QCheckBox* m_followCheckBox = nullptr;
    QLabel* m_speedLabel = nullptr;
    QSlider* m_speedSlider = nullptr;
    QPushButton* m_speed50Button = nullptr;
    QPushButton* m_speed100Button = nullptr;
    QPushButton* m_speed150Button = nullptr;
    QToolButton* m_playButton = nullptr;
    QToolButton* m_stopButton = nullptr;
    QToolButton* m_pauseButton = nullptr;
    QToolButton* m_manualButton = nullptr;
    QButtonGroup* m_modeGroup = nullptr;
    QBoxLayout* m_displayControls = nullptr;
    QWidget* m_navigationPanel = nullptr;
    QToolButton* m_firstButton = nullptr;
    QToolButton* m_lastButton = nullptr;
    QToolButton* m_previousButton = nullptr;
    QToolButton* m_nextButton = nullptr;
    QPushButton* m_goToButton = nullptr;
    QPushButton* m_goOnButton = nullptr;

    QAction* m_playAction = nullptr;
    QAction* m_stopAction = nullptr;
    QAction* m_pauseAction = nullptr;
    QAction* m_startPausedAction = nullptr;
    QAction* m_manualAction = nullptr;
    QAction* m_stepSeparator = nullptr;
    QAction* m_firstAction = nullptr;
    QAction* m_lastAction = nullptr;
    QAction* m_previousAction = nullptr;
    QAction* m_nextAction = nullptr;
    QAction* m_goToAction = nullptr;
    QAction* m_goOnAction = nullptr;
    QAction* m_endSeparator = nullptr;
};

#pragma once

#include "playbackcommand.h"

#include <QList>
#include <QObject>

class PlaybackCommands;
class QAction;
class QKeyEvent;
class QWidget;

// A menu item that carries a playback key, and the command the key runs.
struct KeyCommand {
    QAction* action = nullptr;
    PlaybackCommand command = PlaybackCommand::Stop;
};

// The playback keys run their commands in every window of the program, whichever control has
// the focus: a table or a text field that would take the key for itself gives it up while
// the item is enabled. While it is not (Space while not paused), the control keeps the key.
// Boxes, file dialogs and menus keep their keys (Esc closes them).
class PlaybackKeys final : public QObject {
    Q_OBJECT

public:
    PlaybackKeys(QList<KeyCommand> keys, PlaybackCommands& commands, QObject* parent);
    ~PlaybackKeys() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

    // A window whose keys go to the playback commands: any of the program's own windows,
    // not a modal box or dialog, not a menu.
    static bool takesKeysIn(const QWidget& window);

private:
    const KeyCommand* commandFor(const QKeyEvent& key) const;

    QList<KeyCommand> m_keys;
    PlaybackCommands& m_commands;
};

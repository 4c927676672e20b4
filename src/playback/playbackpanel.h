#pragma once

#include "commandgroups.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class PlaybackController;
class PlaybackKeys;
class PlaybackStrip;
class QAbstractItemView;
class QLabel;
class QMainWindow;
class QWidget;

// Connects the playback strip and its menu items to the controller and shows the
// controller's state on them. Command groups are enabled by the object names of their
// controls, in the main window and in any window added here.
class PlaybackPanel final : public QObject {
    Q_OBJECT

public:
    // The table is scrolled to follow the current entry.
    PlaybackPanel(QMainWindow& window, PlaybackStrip& strip, QAbstractItemView& table,
                  PlaybackController& controller);

    // Another window holding controls of a command group; the current state is applied.
    void addCommandWindow(QWidget* window);
    // The playback keys work while this window is the active one too (the supervision
    // window, which stays on top of the main window during a show).
    void shareKeysWith(QWidget* window);
    // Where reports about the played sequence appear, in the status bar.
    QLabel* reportLabel() const { return m_report; }

signals:
    // A pause began or ended; the editor's kind tabs are locked meanwhile so that Space
    // cannot type into them.
    void pausedChanged(bool paused);
    // The editing commands were opened or closed (closed while playback runs); for windows
    // whose controls are not found by name.
    void editingEnabled(bool enabled);

private:
    void connectCommands();
    void applyGroups(const CommandGroups& groups);
    void setEnabledByName(const QStringList& names, bool enabled);
    void scrollToRow(int row);
    void showReport(const QString& text);

    QMainWindow& m_window;
    PlaybackStrip& m_strip;
    QAbstractItemView& m_table;
    PlaybackController& m_controller;
    PlaybackKeys* m_keys = nullptr;
    QLabel* m_report = nullptr;
    std::vector<QPointer<QWidget>> m_commandWindows;
};

#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <vector>

class PlaybackCommands;
class PlaybackKeys;
class PlaybackStrip;
class QAbstractItemView;
class QAction;
class QLabel;
class QMainWindow;
class QWidget;

// Connects the playback strip, its menu items and the playback keys to the playback
// commands, and shows what the commands report: the mode, the pause, the enabled state of
// every control, the current number, the table following the current entry, and reports
// about the played sequence in the status bar. The editing controls of other parts are
// handed over by pointer and locked while playback runs.
class PlaybackPanel final : public QObject {
    Q_OBJECT

public:
    // The table is scrolled to follow the current entry.
    PlaybackPanel(QMainWindow& window, PlaybackStrip& strip, QAbstractItemView& table,
                  PlaybackCommands& commands);

    // Controls of the sequence's editing commands, enabled only while playback is stopped.
    void addEditingControls(const QList<QWidget*>& widgets, const QList<QAction*>& actions = {});
    // Where reports about the played sequence appear, in the status bar.
    QLabel* reportLabel() const { return m_report; }

signals:
    // A pause began or ended; the editor's kind tabs are locked meanwhile so that Space
    // cannot type into them.
    void pausedChanged(bool paused);
    // The editing commands were opened or closed (closed while playback runs).
    void editingEnabled(bool enabled);

private:
    void connectCommands();
    void showEnabledState();
    void scrollToRow(int row);
    void showReport(const QString& text);

    QMainWindow& m_window;
    PlaybackStrip& m_strip;
    QAbstractItemView& m_table;
    PlaybackCommands& m_commands;
    PlaybackKeys* m_keys = nullptr;
    QLabel* m_report = nullptr;
    std::vector<QPointer<QWidget>> m_editingWidgets;
    std::vector<QPointer<QAction>> m_editingActions;
};

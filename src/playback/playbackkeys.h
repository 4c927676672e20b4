#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <vector>

class QAction;
class QKeyEvent;
class QWidget;

// The playback keys belong to their menu items, whichever control of the windows has the
// focus: a table or a text field that would take the key for itself gives it up while the
// item is enabled. While it is not (Space while not paused), the control keeps the key.
class PlaybackKeys final : public QObject {
    Q_OBJECT

public:
    PlaybackKeys(QList<QAction*> actions, QWidget& window, QObject* parent);
    ~PlaybackKeys() override;

    // The keys work in this window too.
    void addWindow(QWidget* window);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* actionFor(const QKeyEvent& key) const;
    bool inOurWindows(QObject* receiver) const;

    QList<QAction*> m_actions;
    std::vector<QPointer<QWidget>> m_windows;
};

#include "playbackkeys.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

PlaybackKeys::PlaybackKeys(QList<QAction*> actions, QWidget& window, QObject* parent)
    : QObject(parent)
    , m_actions(std::move(actions)) {
    addWindow(&window);
    // The focused control sees a key before any window does: only the application's filter
    // comes first.
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

PlaybackKeys::~PlaybackKeys() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

void PlaybackKeys::addWindow(QWidget* window) {
    m_windows.emplace_back(window);
}

bool PlaybackKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    if (!inOurWindows(watched))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    QAction* action = actionFor(*key);
    if (!action)
        return false;
    // The control is asked first whether it wants the key; the command claims it, so that
    // the key press comes here instead of into the control.
    event->accept();
    if (type == QEvent::KeyPress)
        action->trigger();
    return true;
}

QAction* PlaybackKeys::actionFor(const QKeyEvent& key) const {
    // The keypad's Enter counts as Enter.
    const QKeySequence pressed(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    for (QAction* action : m_actions) {
        if (action->isEnabled() && action->isVisible() && action->shortcuts().contains(pressed))
            return action;
    }
    return nullptr;
}

bool PlaybackKeys::inOurWindows(QObject* receiver) const {
    if (!receiver->isWidgetType())
        return false;
    const QWidget* window = static_cast<QWidget*>(receiver)->window();
    for (const QPointer<QWidget>& w : m_windows) {
        if (w == window)
            return true;
    }
    return false;
}

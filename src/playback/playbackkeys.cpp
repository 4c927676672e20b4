#include "playbackkeys.h"

#include "playbackcommands.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

PlaybackKeys::PlaybackKeys(QList<KeyCommand> keys, PlaybackCommands& commands, QObject* parent)
    : QObject(parent)
    , m_keys(std::move(keys))
    , m_commands(commands) {
    // The focused control sees a key before any window does: only the application's filter
    // comes first.
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
}

PlaybackKeys::~PlaybackKeys() {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->removeEventFilter(this);
}

bool PlaybackKeys::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
        return false;
    if (!watched->isWidgetType())
        return false;
    const QWidget* window = static_cast<QWidget*>(watched)->window();
    if (!window || !takesKeysIn(*window))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const KeyCommand* found = commandFor(*key);
    if (!found)
        return false;
    // The control is asked first whether it wants the key; the command claims it, so that
    // the key press comes here instead of into the control.
    event->accept();
    if (type == QEvent::KeyPress) {
        // The Pause key turns the pause over, as the checkable item does.
        m_commands.run(PlaybackRequest::of(found->command, CommandOrigin::key()));
    }
    return true;
}

bool PlaybackKeys::takesKeysIn(const QWidget& window) {
    if (window.windowType() == Qt::Popup || window.windowType() == Qt::ToolTip)
        return false;
    return window.windowModality() == Qt::NonModal;
}

const KeyCommand* PlaybackKeys::commandFor(const QKeyEvent& key) const {
    // The keypad's Enter counts as Enter.
    const QKeySequence pressed(
        QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    for (const KeyCommand& k : m_keys) {
        QAction* action = k.action;
        if (action->isEnabled() && action->isVisible() && action->shortcuts().contains(pressed))
            return &k;
    }
    return nullptr;
}

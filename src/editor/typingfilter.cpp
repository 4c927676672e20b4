#include "typingfilter.h"

#include "checkdisplaycharacters.h"
#include "entryeditorpanel.h"
#include "typedcharacters.h"

#include "platform/prompter.h"
#include "platform/windows1252.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QScopedValueRollback>

namespace {

const char* const ModeProperty = "lumentafelTypingMode";

// A key that would put its text into the field: not a control character (Backspace, Delete,
// Enter, Tab, Escape, Ctrl+letter) and no shortcut.
bool insertsText(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty())
        return false;
    for (const QChar c : text)
        if (c.unicode() < 32 || c.unicode() == 127)
            return false;
    const Qt::KeyboardModifiers modifiers = key.modifiers();
    const bool control = modifiers & Qt::ControlModifier;
    const bool altGr = control && (modifiers & Qt::AltModifier); // AltGr on Windows
    return !(modifiers & Qt::MetaModifier) && (!control || altGr);
}

} // namespace

TypingFilter::TypingFilter(const EntryEditorPanel& panel, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , m_panel(panel)
    , m_prompter(prompter) {
}

void TypingFilter::watch(QObject* field, Mode mode) {
    field->setProperty(ModeProperty, static_cast<int>(mode));
    field->installEventFilter(this); // once, however often it is watched
}

QString TypingFilter::filtered(const QString& typed, Mode mode, int& rejected) const {
    const bool lowerCase = m_panel.displaySetup().lowerCaseAllowed;
    rejected = 0;
    QString out;
    for (const char32_t codePoint : typed.toUcs4()) {
        const QString character = QString::fromUcs4(&codePoint, 1);
        const bool encodable = character.size() == 1 && Windows1252::canEncode(character.at(0));
        if (!encodable) {
            // The code page cannot hold it: refused like any other character.
            if (mode == Mode::Refusing)
                ++rejected;
            else
                out += character;
            continue;
        }
        const QByteArray byte = Windows1252::fromUnicode(character);
        if (mode == Mode::CapitalsOnly) {
            out += Windows1252::toUnicode(lowerCase ? byte
                                                    : QByteArray(1, displayUpperCase(byte.at(0))));
            continue;
        }
        const TypedCharacters::Filtered f = TypedCharacters::filter(byte, lowerCase);
        rejected += f.rejected;
        out += Windows1252::toUnicode(f.text);
    }
    return out;
}

bool TypingFilter::eventFilter(QObject* watched, QEvent* event) {
    if (m_resending)
        return false;
    const QVariant modeValue = watched->property(ModeProperty);
    if (!modeValue.isValid())
        return false;
    const auto mode = static_cast<Mode>(modeValue.toInt());
    int rejected = 0;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (!insertsText(*key))
            return false;
        const QString text = filtered(key->text(), mode, rejected);
        for (int i = 0; i < rejected; ++i)
            m_prompter.beep();
        if (text == key->text())
            return false;
        if (!text.isEmpty()) {
            // The field types the new text itself: selection, undo and scrolling stay its own.
            QKeyEvent replacement(QEvent::KeyPress, key->key(), key->modifiers(), text,
                                  key->isAutoRepeat(), static_cast<quint16>(key->count()));
            const QScopedValueRollback resending(m_resending, true);
            QCoreApplication::sendEvent(watched, &replacement);
        }
        return true;
    }
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        if (input->commitString().isEmpty())
            return false;
        const QString text = filtered(input->commitString(), mode, rejected);
        for (int i = 0; i < rejected; ++i)
            m_prompter.beep();
        if (text != input->commitString())
            input->setCommitString(text, input->replacementStart(), input->replacementLength());
    }
    return false;
}

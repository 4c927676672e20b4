#pragma once

#include <QObject>

class EntryEditorPanel;
class Prompter;

// Watches what is typed into a text field, by key or as an input method's commit (dead keys
// and compose sequences): in the text editors a refused character is dropped with one beep
// each, and unless lower case is allowed letters go in as capitals. The fixed-line fields
// of the flowing text only get the capitals. Editing keys, pasted text and text put in by
// the program pass untouched.
class TypingFilter final : public QObject {
    Q_OBJECT

public:
    enum class Mode { Refusing, CapitalsOnly };

    TypingFilter(const EntryEditorPanel& panel, Prompter& prompter, QObject* parent = nullptr);

    void watch(QObject* field, Mode mode);

    // The typed text as it goes in; `rejected` counts the characters dropped.
    QString filtered(const QString& typed, Mode mode, int& rejected) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const EntryEditorPanel& m_panel;
    Prompter& m_prompter;
    bool m_resending = false;
};

#pragma once

#include "platform/prompter.h"

#include <QStringList>

#include <deque>

// Answers boxes and dialogs from a script written by the test. Every text shown is
// recorded; a box that the script does not expect, or that is not the kind expected,
// is recorded as a failure and answered with No/Cancel/nothing.
class ScriptedPrompter final : public Prompter {
public:
    enum class Kind {
        Error,
        Warning,
        Information,
        YesNo,
        WarningYesNo,
        YesNoCancel,
        OpenFile,
        SaveFile,
        Port
    };

    // Expect a box of this kind whose text contains `text` (empty: any text).
    ScriptedPrompter& expect(Kind kind, const QString& text, Answer answer = Answer::Ok);
    // Expect a file dialog answered with this path (empty: cancelled).
    ScriptedPrompter& expectFile(Kind kind, const QString& path);
    // Expect the port dialog; it checks the items offered and answers with a number.
    ScriptedPrompter& expectPort(const QStringList& items, int answer);

    void showError(const QString& text) override;
    void showWarning(const QString& text) override;
    void showInformation(const QString& text) override;
    Answer askYesNo(const QString& text) override;
    Answer askWarningYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    QString chooseOpenFile(const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& suggestion, const QString& filter) override;
    int choosePort(const QStringList& items) override;
    void beep() override { ++m_beeps; }

    const QStringList& shown() const { return m_shown; }
    const QStringList& failures() const { return m_failures; }
    int beeps() const { return m_beeps; }
    // True when every expected box came and nothing unexpected did.
    bool finished() const { return m_failures.isEmpty() && m_script.empty(); }
    // A readable account of what went wrong, for QVERIFY2.
    QByteArray report() const;

private:
    struct Step {
        Kind kind;
        QString text;
        Answer answer;
        QString path;
        QStringList items;
        int port = 0;
    };
    const Step* take(Kind kind, const QString& text);

    std::deque<Step> m_script;
    Step m_current;
    QStringList m_shown;
    QStringList m_failures;
    int m_beeps = 0;
};

#pragma once

#include <QString>
#include <QStringList>

// Every modal box, file dialog and the beep go through here, so that a window never
// blocks a test and every text shown can be checked.
class Prompter {
public:
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompter() = default;

    virtual void showError(const QString& text) = 0;
    virtual void showWarning(const QString& text) = 0;
    virtual void showInformation(const QString& text) = 0;
    // Yes or No.
    virtual Answer askYesNo(const QString& text) = 0;
    // Yes or No, asked as a warning: the answer Yes changes or removes entries for good.
    virtual Answer askWarningYesNo(const QString& text) = 0;
    // Yes, No or Cancel.
    virtual Answer askYesNoCancel(const QString& text) = 0;
    // A path, or empty when cancelled.
    virtual QString chooseOpenFile(const QString& folder, const QString& filter) = 0;
    // Replacing an existing file is not confirmed here: the caller asks.
    virtual QString chooseSaveFile(const QString& suggestion, const QString& filter) = 0;
    // The port selection dialog over the given items ("COM3", ...): the chosen port
    // number, or 0 when none was chosen (cancelled, or OK on an empty list).
    virtual int choosePort(const QStringList& items) = 0;
    virtual void beep() = 0;
};

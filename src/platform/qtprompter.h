#pragma once

#include "prompter.h"

#include <QPointer>
#include <QWidget>

#include <functional>

// Message boxes, file dialogs and the beep of the desktop.
class QtPrompter final : public Prompter {
public:
    // Boxes are centred on the parent when it is shown.
    void setParent(QWidget* parent) { m_parent = parent; }
    // The dialog that lets the operator choose a port: it gets the items and the parent and
    // returns the chosen port number, 0 for none. Without one, no port is ever chosen.
    using PortChooser = std::function<int(const QStringList& items, QWidget* parent)>;
    void setPortChooser(PortChooser chooser) { m_portChooser = std::move(chooser); }

    void showError(const QString& text) override;
    void showWarning(const QString& text) override;
    void showInformation(const QString& text) override;
    Answer askYesNo(const QString& text) override;
    Answer askWarningYesNo(const QString& text) override;
    Answer askYesNoCancel(const QString& text) override;
    QString chooseOpenFile(const QString& folder, const QString& filter) override;
    QString chooseSaveFile(const QString& suggestion, const QString& filter) override;
    int choosePort(const QStringList& items) override;
    void beep() override;

private:
    QWidget* parent() const;
    QPointer<QWidget> m_parent;
    PortChooser m_portChooser;
};

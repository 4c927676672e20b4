#include "qtprompter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace {
// Boxes carry the program's name as started ("RPW", "lumentafel").
QString title() {
    return QCoreApplication::applicationName();
}
} // namespace

QWidget* QtPrompter::parent() const {
    return m_parent && m_parent->isVisible() ? m_parent.data() : nullptr;
}

void QtPrompter::showError(const QString& text) {
    QMessageBox::critical(parent(), title(), text);
}

void QtPrompter::showWarning(const QString& text) {
    QMessageBox::warning(parent(), title(), text);
}

void QtPrompter::showInformation(const QString& text) {
    QMessageBox::information(parent(), title(), text);
}

Prompter::Answer QtPrompter::askYesNo(const QString& text) {
    const auto b = QMessageBox::question(parent(), title(), text,
                                         QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Prompter::Answer QtPrompter::askWarningYesNo(const QString& text) {
    const auto b = QMessageBox::warning(parent(), title(), text, QMessageBox::Yes | QMessageBox::No,
                                        QMessageBox::Yes);
    return b == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

Prompter::Answer QtPrompter::askYesNoCancel(const QString& text) {
    const auto b = QMessageBox::question(parent(), title(), text,
                                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                                         QMessageBox::Yes);
    if (b == QMessageBox::Yes)
        return Answer::Yes;
    return b == QMessageBox::No ? Answer::No : Answer::Cancel;
}

QString QtPrompter::chooseOpenFile(const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileName(parent(), QString(), folder, filter);
}

QString QtPrompter::chooseSaveFile(const QString& suggestion, const QString& filter) {
    // The caller asks its own question before it replaces a file.
    return QFileDialog::getSaveFileName(parent(), QString(), suggestion, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

int QtPrompter::choosePort(const QStringList& items) {
    return m_portChooser ? m_portChooser(items, parent()) : 0;
}

void QtPrompter::beep() {
    QApplication::beep();
}

#include "entryeditor.h"

#include "app/mainwindowform.h"
#include "app/shellstate.h"
#include "platform/prompter.h"
#include "platform/windows1252.h"
#include "sequence/rowselection.h"
#include "windows/language.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTextEdit>

EntryEditor::EntryEditor(MainWindowForm& form, SequenceTable& table, RowSelection& selection,
                         const ShellState& shell, Prompter& prompter, QObject* parent)
    : QObject(parent)
    , m_c{form, table, selection, shell, prompter} {
    connectChangeNotifications();
    connect(form.flowStep, &QSpinBox::valueChanged, this, &EntryEditor::showFlowStep);
    showFlowStep(form.flowStep->value());
    connect(form.commitButton, &QPushButton::clicked, this, &EntryEditor::commitEntry);
    connect(form.changeNumberButton, &QPushButton::clicked, this, &EntryEditor::changeNumber);
    connect(qApp, &QApplication::focusChanged, this, &EntryEditor::focusChanged);
    form.flowEditor->installEventFilter(this);
}

bool EntryEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_c.form.flowEditor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void EntryEditor::connectChangeNotifications() {
    MainWindowForm& f = m_c.form;
    const auto modified = &EntryEditor::markModified;
    connect(f.noteField, &QPlainTextEdit::textChanged, this, modified);
    connect(f.byDuration, &QCheckBox::clicked, this, modified);
    connect(f.blockEditor, &QTextEdit::textChanged, this, modified);
    connect(f.scrollEditor, &QTextEdit::textChanged, this, modified);
    connect(f.flowEditor, &QPlainTextEdit::textChanged, this, modified);
    for (QSpinBox* spin :
         {f.pageTime, f.lineTime, f.flowStep, f.flowLine, f.durationMinutes, f.durationSeconds})
        connect(spin, &QSpinBox::valueChanged, this, modified);
    // Changing the kind converts nothing yet; the entry counts as changed.
    connect(f.kindTabs, &QTabWidget::currentChanged, this, modified);
    connectFlowLineEdits();
}

void EntryEditor::connectFlowLineEdits() {
    for (QLineEdit* field : m_c.form.flowLineFields) {
        disconnect(field, &QLineEdit::textChanged, this, nullptr); // once per field
        connect(field, &QLineEdit::textChanged, this, &EntryEditor::markModified);
    }
}

void EntryEditor::setRunningCheck(EntryCommit::RunningCheck check) {
    m_commit.setRunningCheck(std::move(check));
}

bool EntryEditor::isEntryModified() const {
    return m_c.form.commitButton->isEnabled();
}

void EntryEditor::setEntryModified(bool modified) {
    m_c.form.commitButton->setEnabled(modified);
}

void EntryEditor::loadEntry(int row) {
    m_loader.load(row);
}

void EntryEditor::commitEntry() {
    m_commit.commitEntry();
}

void EntryEditor::changeNumber() {
    m_flags.renameOnCommit = true;
    m_commit.commitEntry();
    m_flags.renameOnCommit = false; // also when the running check ended the commit early
}

void EntryEditor::offerPendingCommit() {
    if (!isEntryModified())
        return;
    const Prompter::Answer answer = m_c.prompter.askYesNo(Language::choose(
        m_c.shell.languageCode, QStringLiteral("Änderungen in Tabelle übernehmen?"),
        QStringLiteral("Save changes to the grid?")));
    if (answer == Prompter::Answer::Yes)
        commitEntry();
    setEntryModified(false);
}

void EntryEditor::clearEntry() {
    MainWindowForm& f = m_c.form;
    f.noteField->clear();
    f.blockEditor->clear();
    f.scrollEditor->clear();
    f.flowEditor->clear();
    f.durationMinutes->setValue(0);
    f.durationSeconds->setValue(3);
    f.pageTime->setValue(3);
    f.lineTime->setValue(3);
    f.flowStep->setValue(5);
    for (QLineEdit* field : f.flowLineFields)
        field->clear();
    // Last: every change above enables "OK".
    setEntryModified(false);
}

void EntryEditor::showNumber(const QByteArray& number) {
    m_c.form.numberField->setText(Windows1252::toUnicode(number));
}

void EntryEditor::showFlowStep(int tenths) {
    // The step in seconds with the locale's decimal separator: 5 shows as "0,5".
    m_c.form.flowStepSeconds->setText(
        QLocale().toString(tenths / 10.0, 'g', QLocale::FloatingPointShortest));
}

void EntryEditor::focusChanged(QWidget* old, QWidget* now) {
    // Leaving the editor for another control of the main window; a box or another window
    // taking the focus is no leaving.
    QWidget* panel = m_c.form.editorPanel;
    if (!old || !now || now->window() != panel->window())
        return;
    if (panel->isAncestorOf(old) && !panel->isAncestorOf(now))
        offerPendingCommit();
}

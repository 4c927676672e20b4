#include "entryeditor.h"

#include "app/mainwindowform.h"
#include "app/shellstate.h"
#include "platform/prompter.h"
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
    connect(form.Fliesstakt, &QSpinBox::valueChanged, this, &EntryEditor::showFlowStep);
    showFlowStep(form.Fliesstakt->value());
    connect(form.Button11, &QPushButton::clicked, this, &EntryEditor::Button11Click);
    connect(form.Button2, &QPushButton::clicked, this, &EntryEditor::Button2Click);
    connect(qApp, &QApplication::focusChanged, this, &EntryEditor::focusChanged);
    form.Fliesstextfeld->installEventFilter(this);
}

bool EntryEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_c.form.Fliesstextfeld && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void EntryEditor::connectChangeNotifications() {
    MainWindowForm& f = m_c.form;
    const auto modified = &EntryEditor::markModified;
    connect(f.Hinweis, &QPlainTextEdit::textChanged, this, modified);
    connect(f.NachDauer, &QCheckBox::clicked, this, modified);
    connect(f.Textfeld, &QTextEdit::textChanged, this, modified);
    connect(f.ScrollTextFeld, &QTextEdit::textChanged, this, modified);
    connect(f.Fliesstextfeld, &QPlainTextEdit::textChanged, this, modified);
    for (QSpinBox* spin : {f.Seitenwechselzeit, f.Zeilenwechselzeit, f.Fliesstakt, f.TextInZeile,
                           f.DauerMinuten, f.DauerSekunden})
        connect(spin, &QSpinBox::valueChanged, this, modified);
    // Changing the kind converts nothing yet; the entry counts as changed.
    connect(f.PageControl1, &QTabWidget::currentChanged, this, modified);
    connectFlowLineEdits();
}

void EntryEditor::connectFlowLineEdits() {
    for (QLineEdit* field : m_c.form.FlowLineEdits) {
        disconnect(field, &QLineEdit::textChanged, this, nullptr); // once per field
        connect(field, &QLineEdit::textChanged, this, &EntryEditor::markModified);
    }
}

void EntryEditor::setRunningCheck(EntryCommit::RunningCheck check) {
    m_commit.setRunningCheck(std::move(check));
}

bool EntryEditor::EntryModified() const {
    return m_c.form.Button11->isEnabled();
}

void EntryEditor::setEntryModified(bool modified) {
    m_c.form.Button11->setEnabled(modified);
}

void EntryEditor::loadEntry(int row) {
    m_loader.load(row);
}

void EntryEditor::Button11Click() {
    m_commit.Button11Click();
}

void EntryEditor::Button2Click() {
    m_flags.RenameOnCommit = true;
    m_commit.Button11Click();
    m_flags.RenameOnCommit = false; // also when the running check ended the commit early
}

void EntryEditor::Panel2Exit() {
    if (!EntryModified())
        return;
    const Prompter::Answer answer = m_c.prompter.askYesNo(Language::choose(
        m_c.shell.LanguageCode, QStringLiteral("Änderungen in Tabelle übernehmen?"),
        QStringLiteral("Save changes to the grid?")));
    if (answer == Prompter::Answer::Yes)
        Button11Click();
    setEntryModified(false);
}

void EntryEditor::showFlowStep(int tenths) {
    // The step in seconds with the locale's decimal separator: 5 shows as "0,5".
    m_c.form.Label8->setText(
        QLocale().toString(tenths / 10.0, 'g', QLocale::FloatingPointShortest));
}

void EntryEditor::focusChanged(QWidget* old, QWidget* now) {
    // Leaving the editor for another control of the main window; a box or another window
    // taking the focus is no leaving.
    QWidget* panel = m_c.form.Panel2;
    if (!old || !now || now->window() != panel->window())
        return;
    if (panel->isAncestorOf(old) && !panel->isAncestorOf(now))
        Panel2Exit();
}

#include "entryeditor.h"

#include "entryeditorpanel.h"

#include "platform/prompter.h"
#include "platform/windows1252.h"
#include "sequence/rowselection.h"
#include "sequence/sequencetable.h"

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

EntryEditor::EntryEditor(EntryEditorPanel& panel, SequenceTable& table, RowSelection& selection,
                         Prompter& prompter, QObject* parent)
    : QObject(parent)
    , m_c{panel, table, selection, prompter} {
    connectChangeNotifications();
    connect(&panel, &EntryEditorPanel::lineFieldsBuilt, this, &EntryEditor::connectFlowLineEdits);
    connect(panel.flowStep(), &QSpinBox::valueChanged, this, &EntryEditor::showFlowStep);
    showFlowStep(panel.flowStep()->value());
    connect(panel.commitButton(), &QPushButton::clicked, this, &EntryEditor::commitEntry);
    connect(panel.changeNumberButton(), &QPushButton::clicked, this, &EntryEditor::changeNumber);
    connect(qApp, &QApplication::focusChanged, this, &EntryEditor::focusChanged);
    m_flowEditor = panel.flowEditor();
    m_flowEditor->installEventFilter(this);
    for (QWidget* editor :
         {static_cast<QWidget*>(panel.blockEditor()), static_cast<QWidget*>(panel.scrollEditor()),
          static_cast<QWidget*>(panel.flowEditor())})
        m_typing.watch(editor, TypingFilter::Mode::Refusing);
}

bool EntryEditor::eventFilter(QObject* watched, QEvent* event) {
    // Compared by address only: while the panel goes, its children still send events here.
    if (watched == m_flowEditor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QObject::eventFilter(watched, event);
}

void EntryEditor::connectChangeNotifications() {
    const EntryEditorPanel& p = m_c.panel;
    const auto modified = &EntryEditor::markModified;
    connect(p.noteField(), &QPlainTextEdit::textChanged, this, modified);
    connect(p.byDuration(), &QCheckBox::clicked, this, modified);
    connect(p.blockEditor(), &QTextEdit::textChanged, this, modified);
    connect(p.scrollEditor(), &QTextEdit::textChanged, this, modified);
    connect(p.flowEditor(), &QPlainTextEdit::textChanged, this, modified);
    for (QSpinBox* spin : {p.pageTime(), p.lineTime(), p.flowStep(), p.flowLine(),
                           p.durationMinutes(), p.durationSeconds()})
        connect(spin, &QSpinBox::valueChanged, this, modified);
    connect(&p, &EntryEditorPanel::kindChangedByOperator, this, &EntryEditor::kindChanged);
    connectFlowLineEdits();
}

void EntryEditor::connectFlowLineEdits() {
    for (QLineEdit* field : m_c.panel.flowLineFields()) {
        disconnect(field, &QLineEdit::textChanged, this, nullptr); // once per field
        connect(field, &QLineEdit::textChanged, this, &EntryEditor::markModified);
    }
}

void EntryEditor::kindChanged(TextKind from, TextKind to) {
    m_converter.convert(from, to);
    markModified(); // also when the operator kept the previous kind
}

void EntryEditor::setRunningCheck(EntryCommit::RunningCheck check) {
    m_commit.setRunningCheck(std::move(check));
}

bool EntryEditor::isEntryModified() const {
    return m_c.panel.commitButton()->isEnabled();
}

void EntryEditor::setEntryModified(bool modified) {
    m_c.panel.commitButton()->setEnabled(modified);
    emit changed();
}

std::unique_ptr<SequenceTable> EntryEditor::tableWithPendingEntry() const {
    return isEntryModified() ? m_commit.tableAfterCommit() : nullptr;
}

void EntryEditor::loadEntry(int row) {
    m_flags.newEntryOnCommit = false;
    m_flags.entryRow = QPersistentModelIndex(m_c.table.index(row - 1, 0));
    m_loader.load(row);
}

void EntryEditor::loadFollowedEntry(int row) {
    if (!isEntryModified()) {
        loadEntry(row);
        return;
    }
    const QByteArray number = m_c.table.cell(SequenceTable::NumberColumn, row);
    if (!number.isEmpty())
        emit statusMessage(tr("Verfolgen: Text %1 nicht in den Editor geladen; der Editor hat "
                              "ungespeicherte Änderungen.")
                               .arg(Windows1252::toUnicode(number)));
}

bool EntryEditor::commitEntry() {
    return m_commit.commitEntry();
}

void EntryEditor::changeNumber() {
    m_flags.renameOnCommit = true;
    m_commit.commitEntry();
    m_flags.renameOnCommit = false; // also when the running check ended the commit early
}

bool EntryEditor::offerPendingCommit() {
    if (!isEntryModified())
        return true;
    const Prompter::Answer answer = m_c.prompter.askYesNo(tr("Änderungen in Tabelle übernehmen?"));
    const bool taken = answer != Prompter::Answer::Yes || commitEntry();
    setEntryModified(false);
    return taken;
}

void EntryEditor::clearEntry() {
    m_flags.entryRow = QPersistentModelIndex(m_c.table.index(m_c.selection.selectedRow() - 1, 0));
    EntryEditorPanel& p = m_c.panel;
    p.noteField()->clear();
    p.blockEditor()->clear();
    p.scrollEditor()->clear();
    p.flowEditor()->clear();
    p.durationMinutes()->setValue(0);
    p.durationSeconds()->setValue(3);
    p.pageTime()->setValue(3);
    p.lineTime()->setValue(3);
    p.flowStep()->setValue(5);
    for (QLineEdit* field : p.flowLineFields())
        field->clear();
    m_flags.newEntryOnCommit = true;
    // Last: every change above enables "OK".
    setEntryModified(false);
}

void EntryEditor::showNumber(const QByteArray& number) {
    m_c.panel.numberField()->setText(Windows1252::toUnicode(number));
}

void EntryEditor::showFlowStep(int tenths) {
    // The step in seconds with the locale's decimal separator: 5 shows as "0,5".
    m_c.panel.flowStepSeconds()->setText(
        QLocale().toString(tenths / 10.0, 'g', QLocale::FloatingPointShortest));
}

void EntryEditor::focusChanged(QWidget* old, QWidget* now) {
    // Leaving the editor for another control of the main window; a box or another window
    // taking the focus is no leaving.
    QWidget* panel = &m_c.panel;
    if (!old || !now || now->window() != panel->window())
        return;
    if (panel->isAncestorOf(old) && !panel->isAncestorOf(now))
        offerPendingCommit();
}

#include "sequencecontrols.h"

#include "documentcommands.h"
#include "documentstate.h"
#include "finddialog.h"
#include "marklistwindow.h"
#include "sequencetableview.h"
#include "tablecommands.h"

#include "app/mainwindowform.h"
#include "editor/entryeditorpanel.h"
#include "platform/windows1252.h"
#include "windows/language.h"

#include <QAction>
#include <QCursor>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTextEdit>

namespace {

// Empties the entry's fields over the form: the editor hook's default.
void resetEditorFields(EntryEditorPanel& f) {
    f.noteField()->clear();
    f.blockEditor()->clear();
    f.scrollEditor()->clear();
    f.flowEditor()->clear();
    f.durationMinutes()->setValue(0);
    f.durationSeconds()->setValue(3);
    f.pageTime()->setValue(3);
    f.lineTime()->setValue(3);
    f.flowStep()->setValue(5);
    for (QLineEdit* field : f.flowLineFields())
        field->clear();
    // Last: every change above enables "OK".
    f.commitButton()->setEnabled(false);
}

void setNumberField(EntryEditorPanel& f, const QByteArray& number) {
    f.numberField()->setText(Windows1252::toUnicode(number));
}

} // namespace

SequenceControls::SequenceControls(Context context, EditorHooks editor)
    : m_c(std::move(context))
    , m_document(std::make_unique<DocumentState>())
    , m_activeMenu(std::make_unique<QMenu>()) {
    MainWindowForm& form = m_c.form;
    if (!editor.reset)
        editor.reset = [&form] {
            resetEditorFields(*form.editorPanel);
        };
    if (!editor.setNumber)
        editor.setNumber = [&form](const QByteArray& number) {
            setNumberField(*form.editorPanel, number);
        };
    const CommandContext commands{m_c.table,    m_c.selection, m_c.marks,       *m_document,
                                  m_c.prompter, editor,        m_c.languageCode};
    m_documents = std::make_unique<DocumentCommands>(commands);
    m_commands = std::make_unique<TableCommands>(commands);
    m_find = new FindDialog(&m_c.window);

    connect(m_document.get(), &DocumentState::captionChanged, &m_c.window,
            &QWidget::setWindowTitle);
    connectFileMenu();
    connectEditCommands();
    applyLanguage(m_c.languageCode());
}

SequenceControls::~SequenceControls() = default;

template <typename Sender, typename Signal>
void SequenceControls::run(Sender* sender, Signal signal, std::function<void()> command) {
    connect(sender, signal, this, [this, command] { m_c.guard(command); });
}

void SequenceControls::connectFileMenu() {
    MainWindowForm& f = m_c.form;
    const auto trigger = [this](QAction* action, std::function<void()> command) {
        run(action, &QAction::triggered, std::move(command));
    };
    trigger(f.newAction, [this] { m_documents->newSequence(); });
    trigger(f.openAction, [this] { m_documents->openSequence(); });
    trigger(f.saveAction, [this] { m_documents->save(); });
    trigger(f.saveAsAction, [this] { m_documents->saveAs(); });
}

void SequenceControls::connectEditCommands() {
    MainWindowForm& f = m_c.form;
    const auto click = [this](QPushButton* button, std::function<void()> command) {
        run(button, &QPushButton::clicked, std::move(command));
    };
    click(f.proposeNumberButton, [this] { m_commands->proposeNumber(); });
    click(f.newTextButton, [this] { m_commands->newText(); });
    click(f.renumberButton, [this] { m_commands->renumberAll(); });
    click(f.deleteTextsButton, [this] { m_commands->deleteTexts(); });
    click(f.exchangeTextsButton, [this] { m_commands->exchangeTexts(); });
    const auto trigger = [this](QAction* action, std::function<void()> command) {
        run(action, &QAction::triggered, std::move(command));
    };
    trigger(f.deleteTextsAction, [this] { m_commands->deleteTexts(); });
    trigger(f.exchangeTextsAction, [this] { m_commands->exchangeTexts(); });
    trigger(f.markListAction, [this] {
        if (m_markWindow)
            m_markWindow->showAt(QCursor::pos());
    });

    QAction* all = m_activeMenu->addAction(QString());
    all->setObjectName(QStringLiteral("AlleTexteaktivieren1"));
    QAction* none = m_activeMenu->addAction(QString());
    none->setObjectName(QStringLiteral("KeinenTextaktivieren1"));
    trigger(all, [this] { m_commands->activateAll(); });
    trigger(none, [this] { m_commands->deactivateAll(); });

    connect(f.tableView, &SequenceTableView::searchRequested, m_find, &FindDialog::openFor);
    connect(f.tableView, &SequenceTableView::activeMenuRequested, m_activeMenu.get(),
            [this](const QPoint& at) { m_activeMenu->popup(at); });
    connect(m_find, &FindDialog::findNext, this, [this](const TableSearch::Query& query) {
        m_c.guard([&] { m_commands->findNext(query); });
    });
}

void SequenceControls::attachMarkListWindow(MarkListWindow& window) {
    m_markWindow = &window;
    window.setMarkList(&m_c.marks);
    window.setLanguageCode(m_c.languageCode());
    run(&window, &MarkListWindow::deleteRequested, [this] { m_commands->deleteTexts(); });
    run(&window, &MarkListWindow::exchangeRequested, [this] { m_commands->exchangeTexts(); });
    connect(&window, &MarkListWindow::numberClicked, this, [this](const QByteArray& number) {
        m_c.guard([&] { m_commands->selectMarked(number); });
    });
    connect(m_commands.get(), &TableCommands::marksChanged, &window, &MarkListWindow::refresh);
    connect(m_documents.get(), &DocumentCommands::marksChanged, &window, &MarkListWindow::refresh);
    connect(m_c.form.tableView, &SequenceTableView::markerClicked, &window,
            &MarkListWindow::refresh);
}

void SequenceControls::applyLanguage(const QString& code) {
    m_document->setLanguageCode(code);
    m_find->setLanguageCode(code);
    if (m_markWindow)
        m_markWindow->setLanguageCode(code);
    const auto choose = [&code](const char* german, const char* english) {
        return Language::choose(code, german, english);
    };
    MainWindowForm& f = m_c.form;
    f.proposeNumberButton->setText(choose("Nr. neu", "New No."));
    f.proposeNumberButton->setToolTip(
        choose("Neue, freie Textnummer ermitteln", "Get a new free number"));
    f.newTextButton->setText(choose("Neuer Text", "New text"));
    f.newTextButton->setToolTip(choose("Aktiven Text löschen", "Clear activ text"));
    f.renumberButton->setText(choose("Neu durchnumerieren", "All numbers new"));
    f.renumberButton->setToolTip(choose("Alle Texte in 10er - Schritten neu durchnummerieren",
                                        "All texts will get new numbers in steps by 10"));
    f.deleteTextsButton->setText(choose("Texte löschen", "Clear texts"));
    f.deleteTextsButton->setToolTip(
        choose("Die mit der gelben Markierung ausgewählten Texte oder der "
               "ausgwähle Text (blauer Balken) wird nach Bestätigung gelöscht",
               "The yellow marked texts or the selected text is deleted after "
               "confirmation"));
    f.exchangeTextsButton->setText(choose("Texte tauschen", "Exchange texts"));
    f.exchangeTextsButton->setToolTip(
        choose("Zwei mit der gelben Markierung ausgewählten Texte werden "
               "getauscht",
               "Exchange two yellow marged texts"));
    f.deleteTextsAction->setText(choose("Texte &löschen", "&Delete texts"));
    f.exchangeTextsAction->setText(choose("Texte &tauschen", "&Exchange texts"));
    f.markListAction->setText(choose("Liste &Markierung", "List of &marks"));
    const QList<QAction*> items = m_activeMenu->actions();
    items.at(0)->setText(choose("Alle Texte aktivieren", "Activate all texts"));
    items.at(1)->setText(choose("Keinen Text aktivieren", "Deactivate all texts"));
}

void SequenceControls::openAtStartup(const QString& executableDir, const QString& captionPrefix,
                                     const QString& namedFile) {
    m_document->setExecutableDir(executableDir);
    m_document->setLanguageCode(m_c.languageCode());
    m_document->setCaptionPrefix(captionPrefix);
    const bool named = !namedFile.isEmpty();
    m_documents->openAtStartup(named ? namedFile : m_document->currentFile(), named);
}

#include "sequencecontrols.h"

#include "documentcommands.h"
#include "documentstate.h"
#include "finddialog.h"
#include "marklistwindow.h"
#include "sequencetableview.h"
#include "tablecommandbar.h"
#include "tablecommands.h"

#include <QAction>
#include <QCursor>
#include <QEvent>
#include <QMenu>

SequenceControls::SequenceControls(Context context, EditorHooks editor)
    : m_c(std::move(context))
    , m_editor(std::move(editor))
    , m_document(std::make_unique<DocumentState>())
    , m_activeMenu(std::make_unique<QMenu>()) {
    const CommandContext commands{m_c.table,    m_c.selection, m_c.marks,       *m_document,
                                  m_c.prompter, m_editor,      m_c.languageCode};
    m_documents = std::make_unique<DocumentCommands>(commands);
    m_commands = std::make_unique<TableCommands>(commands);
    m_find = new FindDialog(&m_c.window);

    connect(m_document.get(), &DocumentState::captionChanged, &m_c.window,
            &QWidget::setWindowTitle);
    connectFileMenu();
    connectEditCommands();
    connectTableView();
    m_activeMenu->installEventFilter(this);
    setLanguageCode(m_c.languageCode());
    retranslate();
}

SequenceControls::~SequenceControls() = default;

template <typename Sender, typename Signal>
void SequenceControls::run(Sender* sender, Signal signal, std::function<void()> command) {
    connect(sender, signal, this, [this, command] { m_c.guard(command); });
}

void SequenceControls::connectFileMenu() {
    const FileActions& f = m_c.fileActions;
    const auto trigger = [this](QAction* action, std::function<void()> command) {
        if (action)
            run(action, &QAction::triggered, std::move(command));
    };
    trigger(f.newSequence, [this] { m_documents->newSequence(); });
    trigger(f.open, [this] { m_documents->openSequence(); });
    trigger(f.save, [this] { m_documents->save(); });
    trigger(f.saveAs, [this] { m_documents->saveAs(); });
}

void SequenceControls::connectEditCommands() {
    TableCommandBar* bar = &m_c.commandBar;
    run(bar, &TableCommandBar::proposeNumberRequested, [this] { m_commands->proposeNumber(); });
    run(bar, &TableCommandBar::newTextRequested, [this] { m_commands->newText(); });
    run(bar, &TableCommandBar::renumberRequested, [this] { m_commands->renumberAll(); });
    run(bar, &TableCommandBar::deleteTextsRequested, [this] { m_commands->deleteTexts(); });
    run(bar, &TableCommandBar::exchangeTextsRequested, [this] { m_commands->exchangeTexts(); });
    connect(bar, &TableCommandBar::markListRequested, this, [this] {
        if (m_markWindow)
            m_markWindow->showAt(QCursor::pos());
    });

    QAction* all = m_activeMenu->addAction(QString());
    all->setObjectName(QStringLiteral("AlleTexteaktivieren1"));
    QAction* none = m_activeMenu->addAction(QString());
    none->setObjectName(QStringLiteral("KeinenTextaktivieren1"));
    run(all, &QAction::triggered, [this] { m_commands->activateAll(); });
    run(none, &QAction::triggered, [this] { m_commands->deactivateAll(); });
    connect(m_find, &FindDialog::findNext, this, [this](const TableSearch::Query& query) {
        m_c.guard([&] { m_commands->findNext(query); });
    });
}

void SequenceControls::connectTableView() {
    SequenceTableView* view = &m_c.tableView;
    connect(view, &SequenceTableView::searchRequested, m_find, &FindDialog::openFor);
    connect(view, &SequenceTableView::activeMenuRequested, m_activeMenu.get(),
            [this](const QPoint& at) { m_activeMenu->popup(at); });
    // The editor carries the active flag into the next commit: it shows the toggled state.
    connect(view, &SequenceTableView::activeToggled, this,
            [this](int row) { m_c.guard([&] { m_editor.callLoadRow(row); }); });
}

void SequenceControls::attachMarkListWindow(MarkListWindow& window) {
    m_markWindow = &window;
    window.setMarkList(&m_c.marks);
    run(&window, &MarkListWindow::deleteRequested, [this] { m_commands->deleteTexts(); });
    run(&window, &MarkListWindow::exchangeRequested, [this] { m_commands->exchangeTexts(); });
    connect(&window, &MarkListWindow::numberClicked, this, [this](const QByteArray& number) {
        m_c.guard([&] { m_commands->selectMarked(number); });
    });
    connect(m_commands.get(), &TableCommands::marksChanged, &window, &MarkListWindow::refresh);
    connect(m_documents.get(), &DocumentCommands::marksChanged, &window, &MarkListWindow::refresh);
    connect(&m_c.tableView, &SequenceTableView::markerClicked, &window, &MarkListWindow::refresh);
}

void SequenceControls::setLanguageCode(const QString& code) {
    m_document->setLanguageCode(code);
}

bool SequenceControls::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_activeMenu.get() && event->type() == QEvent::LanguageChange)
        retranslate();
    return QObject::eventFilter(watched, event);
}

void SequenceControls::retranslate() {
    const QList<QAction*> items = m_activeMenu->actions();
    items.at(0)->setText(tr("Alle Texte aktivieren"));
    items.at(1)->setText(tr("Keinen Text aktivieren"));
}

void SequenceControls::openAtStartup(const QString& executableDir, const QString& captionPrefix,
                                     const QString& namedFile) {
    m_document->setExecutableDir(executableDir);
    m_document->setLanguageCode(m_c.languageCode());
    m_document->setCaptionPrefix(captionPrefix);
    const bool named = !namedFile.isEmpty();
    m_documents->openAtStartup(named ? namedFile : m_document->currentFile(), named);
}

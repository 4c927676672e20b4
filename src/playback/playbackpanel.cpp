#include "playbackpanel.h"

#include "playbackcommands.h"
#include "playbackkeys.h"
#include "playbackstrip.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

PlaybackPanel::PlaybackPanel(QMainWindow& window, PlaybackStrip& strip, QAbstractItemView& table,
                             PlaybackCommands& commands)
    : QObject(&window)
    , m_window(window)
    , m_strip(strip)
    , m_table(table)
    , m_commands(commands) {
    m_report = new QLabel;
    m_report->setObjectName(QStringLiteral("PlaybackReport"));
    m_report->hide();
    m_window.statusBar()->addPermanentWidget(m_report);

    m_keys = new PlaybackKeys(m_strip.keyCommands(), m_commands, this);
    connectCommands();
    m_strip.showMode(m_commands.mode());
    m_strip.showPaused(m_commands.isPaused());
    showEnabledState();
    m_commands.setFollowFlag(m_strip.follows());
    m_commands.run(PlaybackRequest::speed(m_strip.speedFactor()));
}

void PlaybackPanel::connectCommands() {
    PlaybackCommands* c = &m_commands;
    connect(&m_strip, &PlaybackStrip::commandRequested, c,
            [c](const PlaybackRequest& request) { c->run(request); });
    connect(&m_strip, &PlaybackStrip::followChanged, c, &PlaybackCommands::setFollowFlag);

    connect(c, &PlaybackCommands::modeChanged, &m_strip, &PlaybackStrip::showMode);
    connect(c, &PlaybackCommands::pausedChanged, this, [this](bool paused) {
        m_strip.showPaused(paused);
        emit pausedChanged(paused);
    });
    connect(c, &PlaybackCommands::enabledStateChanged, this, &PlaybackPanel::showEnabledState);
    connect(c, &PlaybackCommands::currentNumberChanged, &m_strip,
            &PlaybackStrip::showCurrentNumber);
    connect(c, &PlaybackCommands::followRow, this, &PlaybackPanel::scrollToRow);
    connect(c, &PlaybackCommands::reportChanged, this, &PlaybackPanel::showReport);
    connect(c, &PlaybackCommands::stateChanged, this,
            [this] { m_strip.showSpeedFactor(m_commands.speedFactor()); });
}

void PlaybackPanel::addEditingControls(const QList<QWidget*>& widgets,
                                       const QList<QAction*>& actions) {
    for (QWidget* w : widgets)
        m_editingWidgets.emplace_back(w);
    for (QAction* a : actions)
        m_editingActions.emplace_back(a);
    showEnabledState();
}

void PlaybackPanel::showEnabledState() {
    m_strip.showEnabled([this](PlaybackCommand command) { return m_commands.isEnabled(command); });
    const bool editing = m_commands.editingAllowed();
    for (const QPointer<QWidget>& w : m_editingWidgets) {
        if (w)
            w->setEnabled(editing);
    }
    for (const QPointer<QAction>& a : m_editingActions) {
        if (a)
            a->setEnabled(editing);
    }
    emit editingEnabled(editing);
}

void PlaybackPanel::scrollToRow(int row) {
    if (!m_table.model())
        return;
    // The view shows the data rows only: grid row 1 is its first row.
    const QModelIndex index = m_table.model()->index(row - 1, 0);
    if (index.isValid())
        m_table.scrollTo(index, QAbstractItemView::PositionAtTop);
}

void PlaybackPanel::showReport(const QString& text) {
    m_report->setText(text);
    m_report->setVisible(!text.isEmpty());
}

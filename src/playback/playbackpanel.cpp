#include "playbackpanel.h"

#include "playbackcontroller.h"
#include "playbackkeys.h"
#include "playbackstrip.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>

PlaybackPanel::PlaybackPanel(QMainWindow& window, PlaybackStrip& strip, QAbstractItemView& table,
                             PlaybackController& controller)
    : QObject(&window)
    , m_window(window)
    , m_strip(strip)
    , m_table(table)
    , m_controller(controller) {
    m_report = new QLabel;
    m_report->setObjectName(QStringLiteral("PlaybackReport"));
    m_report->hide();
    m_window.statusBar()->addPermanentWidget(m_report);

    m_keys = new PlaybackKeys(m_strip.keyActions(), m_window, this);
    connectCommands();

    PlaybackController::Hooks hooks;
    hooks.showMode = [this](PlaybackMode mode) {
        m_strip.showMode(mode);
    };
    hooks.showPaused = [this](bool paused) {
        m_strip.showPaused(paused);
        emit pausedChanged(paused);
    };
    hooks.applyGroups = [this](const CommandGroups& groups) {
        applyGroups(groups);
    };
    hooks.showCurrentNumber = [this](const QByteArray& number) {
        m_strip.showCurrentNumber(number);
    };
    hooks.scrollToRow = [this](int row) {
        scrollToRow(row);
    };
    hooks.report = [this](const QString& text) {
        showReport(text);
    };
    m_controller.setHooks(std::move(hooks));
    m_controller.setFollow(m_strip.follows());
    m_controller.setSpeedFactor(m_strip.speedFactor());
}

void PlaybackPanel::connectCommands() {
    PlaybackStrip* s = &m_strip;
    PlaybackController& c = m_controller;
    connect(s, &PlaybackStrip::playRequested, this, [&c] { c.play(); });
    connect(s, &PlaybackStrip::stopRequested, this, [&c] { c.stop(); });
    connect(s, &PlaybackStrip::manualRequested, this, [&c] { c.manual(); });
    connect(s, &PlaybackStrip::pauseRequested, this, [&c](bool down) { c.setPaused(down); });
    connect(s, &PlaybackStrip::startPausedRequested, this, [&c] { c.startPaused(); });
    connect(s, &PlaybackStrip::firstRequested, this, [&c] { c.first(); });
    connect(s, &PlaybackStrip::lastRequested, this, [&c] { c.last(); });
    connect(s, &PlaybackStrip::previousRequested, this, [&c] { c.previous(); });
    connect(s, &PlaybackStrip::nextRequested, this, [&c] { c.next(); });
    connect(s, &PlaybackStrip::goToRequested, this, [&c] { c.goToSelected(); });
    connect(s, &PlaybackStrip::goOnRequested, this, [&c] { c.goOn(); });
    connect(s, &PlaybackStrip::speedFactorChanged, this,
            [&c](int factor) { c.setSpeedFactor(factor); });
    connect(s, &PlaybackStrip::followChanged, this, [&c](bool on) { c.setFollow(on); });
    connect(s, &PlaybackStrip::followClicked, this, [&c](bool on) { c.followClicked(on); });
}

void PlaybackPanel::addCommandWindow(QWidget* window) {
    m_commandWindows.emplace_back(window);
    applyGroups(m_controller.groups());
}

void PlaybackPanel::shareKeysWith(QWidget* window) {
    window->addActions(m_strip.keyActions());
    m_keys->addWindow(window);
}

void PlaybackPanel::applyGroups(const CommandGroups& groups) {
    setEnabledByName(CommandGroups::navigationNames(), groups.navigation);
    setEnabledByName(CommandGroups::editingNames(), groups.editing);
    setEnabledByName(CommandGroups::pauseNames(), groups.pause);
    setEnabledByName(CommandGroups::goOnNames(), groups.goOn);
    emit editingEnabled(groups.editing);
}

void PlaybackPanel::setEnabledByName(const QStringList& names, bool enabled) {
    std::vector<QObject*> windows{&m_window, &m_strip};
    for (const QPointer<QWidget>& w : m_commandWindows) {
        if (w)
            windows.push_back(w);
    }
    for (QObject* window : windows) {
        for (const QString& name : names) {
            for (QWidget* w : window->findChildren<QWidget*>(name))
                w->setEnabled(enabled);
            for (QAction* a : window->findChildren<QAction*>(name))
                a->setEnabled(enabled);
        }
    }
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

#include "playbackpanel.h"

#include "playbackcontroller.h"

#include "app/mainwindowform.h"
#include "editor/entryeditorpanel.h"
#include "platform/windows1252.h"
#include "sequence/sequencetableview.h"
#include "windows/language.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolButton>

namespace {

struct Text {
    const char* german;
    const char* english;
};

QString pick(const QString& languageCode, Text text) {
    return Language::choose(languageCode, text.german, text.english);
}

} // namespace

PlaybackPanel::PlaybackPanel(QMainWindow& window, MainWindowForm& form,
                             PlaybackController& controller)
    : QObject(&window)
    , m_window(window)
    , m_form(form)
    , m_controller(controller) {
    m_report = new QLabel;
    m_report->setObjectName(QStringLiteral("PlaybackReport"));
    m_report->hide();
    m_form.statusLine->addPermanentWidget(m_report);

    setUpKeys();
    connectCommands();
    applyLanguage(QString());

    PlaybackController::Hooks hooks;
    hooks.showMode = [this](PlaybackMode mode) {
        showMode(mode);
    };
    hooks.showPaused = [this](bool paused) {
        showPaused(paused);
    };
    hooks.applyGroups = [this](const CommandGroups& groups) {
        applyGroups(groups);
    };
    hooks.showCurrentNumber = [this](const QByteArray& number) {
        m_form.currentNumberLabel->setText(Windows1252::toUnicode(number));
    };
    hooks.scrollToRow = [this](int row) {
        scrollToRow(row);
    };
    hooks.report = [this](const QString& text) {
        showReport(text);
    };
    m_controller.setHooks(std::move(hooks));
    m_controller.setFollow(m_form.followCheckBox->isChecked());
    m_controller.setSpeedFactor(m_form.speedSlider->value());
}

void PlaybackPanel::setUpKeys() {
    MainWindowForm& f = m_form;
    f.playAutomaticAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    f.stopAction->setShortcut(QKeySequence(Qt::Key_Escape));
    f.manualAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
    f.pauseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    f.pauseAction->setCheckable(true);
    f.startPausedAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
    f.firstAction->setShortcut(QKeySequence(Qt::Key_F5));
    f.lastAction->setShortcut(QKeySequence(Qt::Key_F6));
    f.previousAction->setShortcut(QKeySequence(Qt::Key_F7));
    f.nextAction->setShortcut(QKeySequence(Qt::Key_F8));
    f.goToAction->setShortcut(QKeySequence(Qt::Key_F9));
    f.goOnAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space));
}

void PlaybackPanel::connectCommands() {
    MainWindowForm& f = m_form;
    PlaybackController& c = m_controller;
    connect(f.playButton, &QToolButton::clicked, this, [&c] { c.play(); });
    connect(f.stopButton, &QToolButton::clicked, this, [&c] { c.stop(); });
    connect(f.manualButton, &QToolButton::clicked, this, [&c] { c.manual(); });
    connect(f.pauseButton, &QToolButton::clicked, this, [&c](bool down) { c.setPaused(down); });
    connect(f.playAutomaticAction, &QAction::triggered, this, [&c] { c.play(); });
    connect(f.stopAction, &QAction::triggered, this, [&c] { c.stop(); });
    connect(f.manualAction, &QAction::triggered, this, [&c] { c.manual(); });
    connect(f.pauseAction, &QAction::triggered, this, [&c](bool checked) { c.setPaused(checked); });
    connect(f.startPausedAction, &QAction::triggered, this, [&c] { c.startPaused(); });

    for (auto pair :
         {std::make_pair(f.firstButton, f.firstAction), std::make_pair(f.lastButton, f.lastAction),
          std::make_pair(f.previousButton, f.previousAction),
          std::make_pair(f.nextButton, f.nextAction)}) {
        QAction* action = pair.second;
        connect(pair.first, &QToolButton::clicked, action, &QAction::trigger);
    }
    connect(f.firstAction, &QAction::triggered, this, [&c] { c.first(); });
    connect(f.lastAction, &QAction::triggered, this, [&c] { c.last(); });
    connect(f.previousAction, &QAction::triggered, this, [&c] { c.previous(); });
    connect(f.nextAction, &QAction::triggered, this, [&c] { c.next(); });
    connect(f.goToButton, &QPushButton::clicked, f.goToAction, &QAction::trigger);
    connect(f.goToAction, &QAction::triggered, this, [&c] { c.goToSelected(); });
    connect(f.goOnButton, &QPushButton::clicked, f.goOnAction, &QAction::trigger);
    connect(f.goOnAction, &QAction::triggered, this, [&c] { c.goOn(); });

    QSlider* speed = f.speedSlider;
    connect(f.speed50Button, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::SlowestSpeed); });
    connect(f.speed100Button, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::NominalSpeed); });
    connect(f.speed150Button, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::FastestSpeed); });
    connect(speed, &QSlider::valueChanged, this, [&c](int value) { c.setSpeedFactor(value); });

    connect(f.followCheckBox, &QCheckBox::toggled, this, [&c](bool on) { c.setFollow(on); });
    connect(f.followCheckBox, &QCheckBox::clicked, this, [&c](bool on) { c.followClicked(on); });
}

void PlaybackPanel::applyLanguage(const QString& languageCode) {
    MainWindowForm& f = m_form;
    const QString& l = languageCode;
    f.playButton->setToolTip(
        pick(l, {"Automatisch abspielen, beginnt am ausgewählten Text (Strg+Enter)",
                 "Play automaticly, starts at the selected text (Ctl+Return)"}));
    f.stopButton->setToolTip(pick(l, {"Anzeige anhalten und löschen (Escape-Taste)",
                                      "Stop and clear the display (Esc-key)"}));
    f.manualButton->setToolTip(pick(l, {"Manuell anspielen (Alt+M", "Play manuell (Alt+M)"}));
    f.pauseButton->setToolTip(pick(l, {"Pause (Ablauf an der aktuellen Stelle anhalten)(Strg+P)",
                                       "Pause (hold sequence at the actual position)(Strg+P)"}));
    f.firstButton->setToolTip(
        pick(l, {"Der erste Text wird abgespielt (F5)", "The first text is played (F5)"}));
    f.lastButton->setToolTip(
        pick(l, {"Der letzte Text wird abgespielt (F6)", "The last text is played (F6)"}));
    f.previousButton->setToolTip(pick(
        l, {"Der vorhergehende Text wird abgespielt (F7)", "The previous text is played (F7)"}));
    f.nextButton->setToolTip(
        pick(l, {"Der nächste Text wird abgespielt (F8)", "The next text is played (F8)"}));
    f.goToButton->setText(pick(l, {"Gehe zu Text", "Go to text"}));
    f.goToButton->setToolTip(pick(l, {"Der mit blauem Balken ausgewählte Text wird abgespielt (F9)",
                                      "The blue bar selected text is played next (F9)"}));
    f.goOnButton->setText(
        pick(l, {"Weiter bei Pause (Strg+Leertaste)", "Go on if holded (Ctl+Space)"}));
    f.goOnButton->setToolTip(
        pick(l, {"Weiterblättern bei Pause (F11)", "Next page if holded (F11)"}));
    f.currentTextLabel->setText(pick(l, {"Aktueller Text:", "Actual text:"}));
    f.currentNumberLabel->setToolTip(pick(l, {"Der aktuelle Text welcher gezeigt werden soll",
                                              "The actual text wich is now in the display"}));
    f.speedLabel->setText(pick(l, {"Gesamtgeschwindigkeit", "Overall speed"}));
    f.speedSlider->setToolTip(
        pick(l, {"Gesamtablaufgeschwindigkeit ändern", "Change overall speed"}));
    f.speed50Button->setToolTip(
        pick(l, {"Geschwindigkeit auf 50% setzten", "Set overall speed to 50%"}));
    f.speed100Button->setToolTip(
        pick(l, {"Geschwindigkeit auf 100% setzten", "Set overall speed to 100%"}));
    f.speed150Button->setToolTip(
        pick(l, {"Geschwindigkeit auf 150% setzten", "Set overall speed to 150%"}));
    f.followCheckBox->setText(pick(l, {"Verfolgen", "Follow"}));
    f.followCheckBox->setToolTip(pick(l, {"Während des automatischen Ablaufs wird in der ersten "
                                          "Reihe der Tabele der gerade aktuelle Text gezeigt",
                                          "During the automatic playing the actual text will be "
                                          "shown in the first row"}));
    if (auto* menu = m_window.findChild<QMenu*>(QStringLiteral("Abspielen1")))
        menu->setTitle(pick(l, {"&Abspielen", "&Play"}));
    f.playAutomaticAction->setText(pick(l, {"&Automatisch abspielen", "Play &automaticly"}));
    f.stopAction->setText(pick(l, {"&Stop", "&Stop"}));
    f.stopAction->setToolTip(pick(l, {"Anzeige anhalten und löschen", "Stop and &clear display"}));
    f.pauseAction->setText(pick(l, {"&Pause", "&Hold"}));
    f.startPausedAction->setText(pick(l, {"Start+Pause", "Start+Hold"}));
    f.startPausedAction->setToolTip(
        pick(l, {"Ablauf wird gestarte und angehaltet und wartet dann auf \"weiter\"",
                 "Sequence starts, hold then and waits for \"Go on if holded (space)\""}));
    f.manualAction->setText(pick(l, {"&Manuell", "&Manual"}));
    f.manualAction->setToolTip(pick(l, {"Pause / manuell", "Hold / manual"}));
    f.firstAction->setText(pick(l, {"&Erster", "&First"}));
    f.lastAction->setText(pick(l, {"&Letzter", "&Last"}));
    f.previousAction->setText(pick(l, {"&Zurück", "&Previous"}));
    f.nextAction->setText(pick(l, {"&Vor", "&Next"}));
    f.nextAction->setToolTip(
        pick(l, {"Der nächste Text wird abgespielt", "The next text is played"}));
    f.goToAction->setText(pick(l, {"&Gehe zu", "&Go to"}));
    f.goToAction->setToolTip(pick(l, {"Der mit blauem Balken ausgewählte Text wird abgespielt",
                                      "The blue bar selected text is played"}));
    f.goOnAction->setText(pick(l, {"&Weiter", "Go &on"}));
}

void PlaybackPanel::addCommandWindow(QWidget* window) {
    m_commandWindows.emplace_back(window);
    applyGroups(m_controller.groups());
}

void PlaybackPanel::shareKeysWith(QWidget* window) {
    MainWindowForm& f = m_form;
    window->addActions({f.playAutomaticAction, f.stopAction, f.manualAction, f.pauseAction,
                        f.startPausedAction, f.firstAction, f.lastAction, f.previousAction,
                        f.nextAction, f.goToAction, f.goOnAction});
}

void PlaybackPanel::showMode(PlaybackMode mode) {
    switch (mode) {
    case PlaybackMode::Stopped:
        m_form.stopButton->setChecked(true);
        break;
    case PlaybackMode::Automatic:
        m_form.playButton->setChecked(true);
        break;
    case PlaybackMode::Manual:
        m_form.manualButton->setChecked(true);
        break;
    }
}

void PlaybackPanel::showPaused(bool paused) {
    m_form.pauseButton->setChecked(paused);
    m_form.pauseAction->setChecked(paused);
    // While paused Space alone goes on; the editor's kind tabs are locked so that it cannot
    // type into them.
    m_form.goOnAction->setShortcut(paused ? QKeySequence(Qt::Key_Space)
                                          : QKeySequence(Qt::CTRL | Qt::Key_Space));
    m_form.editorPanel->kindTabs()->setEnabled(!paused);
}

void PlaybackPanel::applyGroups(const CommandGroups& groups) {
    setEnabledByName(CommandGroups::navigationNames(), groups.navigation);
    setEnabledByName(CommandGroups::editingNames(), groups.editing);
    setEnabledByName(CommandGroups::pauseNames(), groups.pause);
    setEnabledByName(CommandGroups::goOnNames(), groups.goOn);
}

void PlaybackPanel::setEnabledByName(const QStringList& names, bool enabled) {
    std::vector<QWidget*> windows{&m_window};
    for (const QPointer<QWidget>& w : m_commandWindows) {
        if (w)
            windows.push_back(w);
    }
    for (QWidget* window : windows) {
        for (const QString& name : names) {
            for (QWidget* w : window->findChildren<QWidget*>(name))
                w->setEnabled(enabled);
            for (QAction* a : window->findChildren<QAction*>(name))
                a->setEnabled(enabled);
        }
    }
}

void PlaybackPanel::scrollToRow(int row) {
    QAbstractItemView* view = m_form.tableView;
    if (!view || !view->model())
        return;
    // The view shows the data rows only: grid row 1 is its first row.
    const QModelIndex index = view->model()->index(row - 1, 0);
    if (index.isValid())
        view->scrollTo(index, QAbstractItemView::PositionAtTop);
}

void PlaybackPanel::showReport(const QString& text) {
    m_report->setText(text);
    m_report->setVisible(!text.isEmpty());
}

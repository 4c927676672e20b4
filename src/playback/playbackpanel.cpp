#include "playbackpanel.h"

#include "playbackcontroller.h"

#include "app/mainwindowform.h"
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
    m_form.StatusBar1->addPermanentWidget(m_report);

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
        m_form.Label13->setText(Windows1252::toUnicode(number));
    };
    hooks.scrollToRow = [this](int row) {
        scrollToRow(row);
    };
    hooks.report = [this](const QString& text) {
        showReport(text);
    };
    m_controller.setHooks(std::move(hooks));
    m_controller.setFollow(m_form.Verfolgen->isChecked());
    m_controller.setSpeedFactor(m_form.Relativ->value());
}

void PlaybackPanel::setUpKeys() {
    MainWindowForm& f = m_form;
    f.automatischabspielen1->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    f.Stop1->setShortcut(QKeySequence(Qt::Key_Escape));
    f.Manuell1->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
    f.Pause1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    f.Pause1->setCheckable(true);
    f.StartPause->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
    f.Erster1->setShortcut(QKeySequence(Qt::Key_F5));
    f.Letzter1->setShortcut(QKeySequence(Qt::Key_F6));
    f.Zurck1->setShortcut(QKeySequence(Qt::Key_F7));
    f.Vor1->setShortcut(QKeySequence(Qt::Key_F8));
    f.gehezu1->setShortcut(QKeySequence(Qt::Key_F9));
    f.Weiter1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space));
}

void PlaybackPanel::connectCommands() {
    MainWindowForm& f = m_form;
    PlaybackController& c = m_controller;
    connect(f.Play, &QToolButton::clicked, this, [&c] { c.Play(); });
    connect(f.Stop, &QToolButton::clicked, this, [&c] { c.Stop(); });
    connect(f.Manuell, &QToolButton::clicked, this, [&c] { c.Manual(); });
    connect(f.Pause, &QToolButton::clicked, this, [&c](bool down) { c.setPaused(down); });
    connect(f.automatischabspielen1, &QAction::triggered, this, [&c] { c.Play(); });
    connect(f.Stop1, &QAction::triggered, this, [&c] { c.Stop(); });
    connect(f.Manuell1, &QAction::triggered, this, [&c] { c.Manual(); });
    connect(f.Pause1, &QAction::triggered, this, [&c](bool checked) { c.setPaused(checked); });
    connect(f.StartPause, &QAction::triggered, this, [&c] { c.StartAndPause(); });

    for (auto pair : {std::make_pair(f.First, f.Erster1), std::make_pair(f.Last, f.Letzter1),
                      std::make_pair(f.Bevore, f.Zurck1), std::make_pair(f.Next, f.Vor1)}) {
        QAction* action = pair.second;
        connect(pair.first, &QToolButton::clicked, action, &QAction::trigger);
    }
    connect(f.Erster1, &QAction::triggered, this, [&c] { c.First(); });
    connect(f.Letzter1, &QAction::triggered, this, [&c] { c.Last(); });
    connect(f.Zurck1, &QAction::triggered, this, [&c] { c.Previous(); });
    connect(f.Vor1, &QAction::triggered, this, [&c] { c.Next(); });
    connect(f.zu, &QPushButton::clicked, f.gehezu1, &QAction::trigger);
    connect(f.gehezu1, &QAction::triggered, this, [&c] { c.GoToSelected(); });
    connect(f.Weiter, &QPushButton::clicked, f.Weiter1, &QAction::trigger);
    connect(f.Weiter1, &QAction::triggered, this, [&c] { c.GoOn(); });

    QSlider* speed = f.Relativ;
    connect(f.Button8, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::SlowestSpeed); });
    connect(f.Button9, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::NominalSpeed); });
    connect(f.Button10, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::FastestSpeed); });
    connect(speed, &QSlider::valueChanged, this, [&c](int value) { c.setSpeedFactor(value); });

    connect(f.Verfolgen, &QCheckBox::toggled, this, [&c](bool on) { c.setFollow(on); });
    connect(f.Verfolgen, &QCheckBox::clicked, this, [&c](bool on) { c.followClicked(on); });
}

void PlaybackPanel::applyLanguage(const QString& languageCode) {
    MainWindowForm& f = m_form;
    const QString& l = languageCode;
    f.Play->setToolTip(pick(l, {"Automatisch abspielen, beginnt am ausgewählten Text (Strg+Enter)",
                                "Play automaticly, starts at the selected text (Ctl+Return)"}));
    f.Stop->setToolTip(pick(l, {"Anzeige anhalten und löschen (Escape-Taste)",
                                "Stop and clear the display (Esc-key)"}));
    f.Manuell->setToolTip(pick(l, {"Manuell anspielen (Alt+M", "Play manuell (Alt+M)"}));
    f.Pause->setToolTip(pick(l, {"Pause (Ablauf an der aktuellen Stelle anhalten)(Strg+P)",
                                 "Pause (hold sequence at the actual position)(Strg+P)"}));
    f.First->setToolTip(
        pick(l, {"Der erste Text wird abgespielt (F5)", "The first text is played (F5)"}));
    f.Last->setToolTip(
        pick(l, {"Der letzte Text wird abgespielt (F6)", "The last text is played (F6)"}));
    f.Bevore->setToolTip(pick(
        l, {"Der vorhergehende Text wird abgespielt (F7)", "The previous text is played (F7)"}));
    f.Next->setToolTip(
        pick(l, {"Der nächste Text wird abgespielt (F8)", "The next text is played (F8)"}));
    f.zu->setText(pick(l, {"Gehe zu Text", "Go to text"}));
    f.zu->setToolTip(pick(l, {"Der mit blauem Balken ausgewählte Text wird abgespielt (F9)",
                              "The blue bar selected text is played next (F9)"}));
    f.Weiter->setText(
        pick(l, {"Weiter bei Pause (Strg+Leertaste)", "Go on if holded (Ctl+Space)"}));
    f.Weiter->setToolTip(pick(l, {"Weiterblättern bei Pause (F11)", "Next page if holded (F11)"}));
    f.Label14->setText(pick(l, {"Aktueller Text:", "Actual text:"}));
    f.Label13->setToolTip(pick(l, {"Der aktuelle Text welcher gezeigt werden soll",
                                   "The actual text wich is now in the display"}));
    f.Label17->setText(pick(l, {"Gesamtgeschwindigkeit", "Overall speed"}));
    f.Relativ->setToolTip(pick(l, {"Gesamtablaufgeschwindigkeit ändern", "Change overall speed"}));
    f.Button8->setToolTip(pick(l, {"Geschwindigkeit auf 50% setzten", "Set overall speed to 50%"}));
    f.Button9->setToolTip(
        pick(l, {"Geschwindigkeit auf 100% setzten", "Set overall speed to 100%"}));
    f.Button10->setToolTip(
        pick(l, {"Geschwindigkeit auf 150% setzten", "Set overall speed to 150%"}));
    f.Verfolgen->setText(pick(l, {"Verfolgen", "Follow"}));
    f.Verfolgen->setToolTip(pick(l, {"Während des automatischen Ablaufs wird in der ersten "
                                     "Reihe der Tabele der gerade aktuelle Text gezeigt",
                                     "During the automatic playing the actual text will be "
                                     "shown in the first row"}));
    if (auto* menu = m_window.findChild<QMenu*>(QStringLiteral("Abspielen1")))
        menu->setTitle(pick(l, {"&Abspielen", "&Play"}));
    f.automatischabspielen1->setText(pick(l, {"&Automatisch abspielen", "Play &automaticly"}));
    f.Stop1->setText(pick(l, {"&Stop", "&Stop"}));
    f.Stop1->setToolTip(pick(l, {"Anzeige anhalten und löschen", "Stop and &clear display"}));
    f.Pause1->setText(pick(l, {"&Pause", "&Hold"}));
    f.StartPause->setText(pick(l, {"Start+Pause", "Start+Hold"}));
    f.StartPause->setToolTip(
        pick(l, {"Ablauf wird gestarte und angehaltet und wartet dann auf \"weiter\"",
                 "Sequence starts, hold then and waits for \"Go on if holded (space)\""}));
    f.Manuell1->setText(pick(l, {"&Manuell", "&Manual"}));
    f.Manuell1->setToolTip(pick(l, {"Pause / manuell", "Hold / manual"}));
    f.Erster1->setText(pick(l, {"&Erster", "&First"}));
    f.Letzter1->setText(pick(l, {"&Letzter", "&Last"}));
    f.Zurck1->setText(pick(l, {"&Zurück", "&Previous"}));
    f.Vor1->setText(pick(l, {"&Vor", "&Next"}));
    f.Vor1->setToolTip(pick(l, {"Der nächste Text wird abgespielt", "The next text is played"}));
    f.gehezu1->setText(pick(l, {"&Gehe zu", "&Go to"}));
    f.gehezu1->setToolTip(pick(l, {"Der mit blauem Balken ausgewählte Text wird abgespielt",
                                   "The blue bar selected text is played"}));
    f.Weiter1->setText(pick(l, {"&Weiter", "Go &on"}));
}

void PlaybackPanel::addCommandWindow(QWidget* window) {
    m_commandWindows.emplace_back(window);
    applyGroups(m_controller.groups());
}

void PlaybackPanel::shareKeysWith(QWidget* window) {
    MainWindowForm& f = m_form;
    window->addActions({f.automatischabspielen1, f.Stop1, f.Manuell1, f.Pause1, f.StartPause,
                        f.Erster1, f.Letzter1, f.Zurck1, f.Vor1, f.gehezu1, f.Weiter1});
}

void PlaybackPanel::showMode(PlaybackMode mode) {
    switch (mode) {
    case PlaybackMode::Stopped:
        m_form.Stop->setChecked(true);
        break;
    case PlaybackMode::Automatic:
        m_form.Play->setChecked(true);
        break;
    case PlaybackMode::Manual:
        m_form.Manuell->setChecked(true);
        break;
    }
}

void PlaybackPanel::showPaused(bool paused) {
    m_form.Pause->setChecked(paused);
    m_form.Pause1->setChecked(paused);
    // While paused Space alone goes on; the editor's kind tabs are locked so that it cannot
    // type into them.
    m_form.Weiter1->setShortcut(paused ? QKeySequence(Qt::Key_Space)
                                       : QKeySequence(Qt::CTRL | Qt::Key_Space));
    m_form.PageControl1->setEnabled(!paused);
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
    QAbstractItemView* view = m_form.Tabelle;
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

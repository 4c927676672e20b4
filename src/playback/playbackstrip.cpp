#include "playbackstrip.h"

#include "playbackcontroller.h"

#include "platform/windows1252.h"
#include "windows/accessiblenames.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QToolButton* toolButton(const char* name, const QString& text, bool checkable = false) {
    auto* b = named(new QToolButton, name);
    b->setText(text);
    b->setCheckable(checkable);
    b->setFixedSize(33, 33);
    return b;
}

} // namespace

PlaybackStrip::PlaybackStrip(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("PlaybackStrip"));
    setFixedHeight(65);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("#PlaybackStrip { background: teal; }"
                                 " #Panel6 { background: green; }"));
    auto* strip = new QHBoxLayout(this);
    strip->setContentsMargins(4, 2, 4, 2);
    strip->setSpacing(4);
    buildCurrentGroup(strip);
    buildSpeedGroup(strip);
    buildModeButtons(strip);
    m_displayControls = new QHBoxLayout;
    m_displayControls->setSpacing(4);
    strip->addLayout(m_displayControls);
    strip->addStretch();
    buildNavigationGroup(strip);
    buildMenuActions();
    connectControls();
    retranslate();
}

void PlaybackStrip::buildCurrentGroup(QBoxLayout* strip) {
    auto* current = new QVBoxLayout;
    auto* currentRow = new QHBoxLayout;
    m_currentTextLabel = named(new QLabel(QStringLiteral("Aktueller Text:")), "Label14");
    m_currentNumberLabel = named(new QLabel, "Label13");
    m_currentNumberLabel->setStyleSheet(QStringLiteral(
        "color: yellow; background: blue; font: bold 16px \"Courier New\"; padding: 0 4px;"));
    m_followCheckBox = named(new QCheckBox(QStringLiteral("Verfolgen")), "Verfolgen");
    currentRow->addWidget(m_currentTextLabel);
    currentRow->addWidget(m_currentNumberLabel);
    current->addLayout(currentRow);
    current->addWidget(m_followCheckBox);
    strip->addLayout(current);
}

void PlaybackStrip::buildSpeedGroup(QBoxLayout* strip) {
    auto* speed = new QVBoxLayout;
    speed->setSpacing(0);
    m_speedLabel = named(new QLabel(QStringLiteral("Gesamtgeschwindigkeit")), "Label17");
    m_speedSlider = named(new QSlider(Qt::Horizontal), "Relativ");
    m_speedSlider->setRange(PlaybackController::FastestSpeed, PlaybackController::SlowestSpeed);
    m_speedSlider->setValue(PlaybackController::NominalSpeed);
    m_speedSlider->setTickInterval(100);
    m_speedSlider->setTickPosition(QSlider::TicksBelow);
    // The bar gives way when the window is narrow, up to its full length when there is room.
    m_speedSlider->setMinimumWidth(90);
    m_speedSlider->setMaximumWidth(145);
    auto* speedButtons = new QHBoxLayout;
    speedButtons->setSpacing(2);
    // The fast end of the bar and its button are on the left.
    m_speed50Button = named(new QPushButton(QStringLiteral("50%")), "Button8");
    m_speed100Button = named(new QPushButton(QStringLiteral("100%")), "Button9");
    m_speed150Button = named(new QPushButton(QStringLiteral("150%")), "Button10");
    for (QPushButton* b : {m_speed150Button, m_speed100Button, m_speed50Button}) {
        // Narrower than a dialog's buttons: the caption is all they need to show.
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("150%")) + 12);
        speedButtons->addWidget(b);
    }
    speed->addWidget(m_speedLabel);
    speed->addWidget(m_speedSlider);
    speed->addLayout(speedButtons);
    strip->addLayout(speed);
}

void PlaybackStrip::buildModeButtons(QBoxLayout* strip) {
    m_playButton = toolButton("Play", QStringLiteral("▶"), true);
    m_stopButton = toolButton("Stop", QStringLiteral("■"), true);
    m_pauseButton = toolButton("Pause", QStringLiteral("❚❚"), true);
    m_manualButton = toolButton("Manuell", QStringLiteral("M"), true);
    m_modeGroup = new QButtonGroup(this);
    m_modeGroup->setObjectName(QStringLiteral("PlaybackModeGroup"));
    for (QToolButton* b : {m_playButton, m_stopButton, m_manualButton})
        m_modeGroup->addButton(b);
    m_stopButton->setChecked(true);
    for (QToolButton* b : {m_playButton, m_stopButton, m_pauseButton, m_manualButton})
        strip->addWidget(b);
}

void PlaybackStrip::buildNavigationGroup(QBoxLayout* strip) {
    m_navigationPanel = named(new QWidget, "Panel6");
    m_navigationPanel->setAttribute(Qt::WA_StyledBackground);
    m_navigationPanel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    auto* navigation = new QVBoxLayout(m_navigationPanel);
    navigation->setContentsMargins(2, 0, 2, 0);
    navigation->setSpacing(2);
    auto* navigationRow = new QHBoxLayout;
    navigationRow->setSpacing(2);
    m_firstButton = toolButton("First", QStringLiteral("|◀"));
    m_lastButton = toolButton("Last", QStringLiteral("▶|"));
    m_previousButton = toolButton("Bevore", QStringLiteral("◀"));
    m_nextButton = toolButton("Next", QStringLiteral("▶"));
    m_goToButton = named(new QPushButton(QStringLiteral("Gehe zu Text")), "zu");
    for (QWidget* w : {static_cast<QWidget*>(m_firstButton), static_cast<QWidget*>(m_lastButton),
                       static_cast<QWidget*>(m_previousButton), static_cast<QWidget*>(m_nextButton),
                       static_cast<QWidget*>(m_goToButton)})
        navigationRow->addWidget(w);
    m_goOnButton =
        named(new QPushButton(QStringLiteral("Weiter bei Pause (Strg+Leertaste)")), "Weiter");
    navigation->addLayout(navigationRow);
    navigation->addWidget(m_goOnButton);
    strip->addWidget(m_navigationPanel);
}

void PlaybackStrip::buildMenuActions() {
    const auto action = [this](const char* name, const QString& caption) {
        auto* a = new QAction(caption, this);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    const auto separator = [this](const char* name) {
        auto* a = new QAction(this);
        a->setSeparator(true);
        a->setObjectName(QLatin1String(name));
        return a;
    };
    m_playAction = action("automatischabspielen1", QStringLiteral("&Automatisch abspielen"));
    m_stopAction = action("Stop1", QStringLiteral("&Stop"));
    m_pauseAction = action("Pause1", QStringLiteral("&Pause"));
    m_pauseAction->setCheckable(true);
    m_startPausedAction = action("StartPause", QStringLiteral("Start+Pause"));
    m_manualAction = action("Manuell1", QStringLiteral("&Manuell"));
    m_stepSeparator = separator("N2");
    m_firstAction = action("Erster1", QStringLiteral("&Erster"));
    m_lastAction = action("Letzter1", QStringLiteral("&Letzter"));
    m_previousAction = action("Zurck1", QStringLiteral("&Zurück"));
    m_nextAction = action("Vor1", QStringLiteral("&Vor"));
    m_goToAction = action("gehezu1", QStringLiteral("&Gehe zu"));
    m_goOnAction = action("Weiter1", QStringLiteral("&Weiter"));
    m_endSeparator = separator("N3");

    m_playAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    m_stopAction->setShortcut(QKeySequence(Qt::Key_Escape));
    m_manualAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_M));
    m_pauseAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_startPausedAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Space));
    m_firstAction->setShortcut(QKeySequence(Qt::Key_F5));
    m_lastAction->setShortcut(QKeySequence(Qt::Key_F6));
    m_previousAction->setShortcut(QKeySequence(Qt::Key_F7));
    m_nextAction->setShortcut(QKeySequence(Qt::Key_F8));
    m_goToAction->setShortcut(QKeySequence(Qt::Key_F9));
    m_goOnAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space));
}

void PlaybackStrip::connectControls() {
    const auto runs = [this](auto* control, auto signal, PlaybackCommand command,
                             CommandOrigin origin) {
        connect(control, signal, this, [this, command, origin] {
            emit commandRequested(PlaybackRequest::of(command, origin));
        });
    };
    const CommandOrigin button = CommandOrigin::button();
    const CommandOrigin menu = CommandOrigin::menu();
    runs(m_playButton, &QToolButton::clicked, PlaybackCommand::Play, button);
    runs(m_stopButton, &QToolButton::clicked, PlaybackCommand::Stop, button);
    runs(m_manualButton, &QToolButton::clicked, PlaybackCommand::Manual, button);
    runs(m_firstButton, &QToolButton::clicked, PlaybackCommand::First, button);
    runs(m_lastButton, &QToolButton::clicked, PlaybackCommand::Last, button);
    runs(m_previousButton, &QToolButton::clicked, PlaybackCommand::Previous, button);
    runs(m_nextButton, &QToolButton::clicked, PlaybackCommand::Next, button);
    runs(m_goToButton, &QPushButton::clicked, PlaybackCommand::GoToSelected, button);
    runs(m_goOnButton, &QPushButton::clicked, PlaybackCommand::GoOn, button);
    runs(m_playAction, &QAction::triggered, PlaybackCommand::Play, menu);
    runs(m_stopAction, &QAction::triggered, PlaybackCommand::Stop, menu);
    runs(m_manualAction, &QAction::triggered, PlaybackCommand::Manual, menu);
    runs(m_startPausedAction, &QAction::triggered, PlaybackCommand::StartPaused, menu);
    runs(m_firstAction, &QAction::triggered, PlaybackCommand::First, menu);
    runs(m_lastAction, &QAction::triggered, PlaybackCommand::Last, menu);
    runs(m_previousAction, &QAction::triggered, PlaybackCommand::Previous, menu);
    runs(m_nextAction, &QAction::triggered, PlaybackCommand::Next, menu);
    runs(m_goToAction, &QAction::triggered, PlaybackCommand::GoToSelected, menu);
    runs(m_goOnAction, &QAction::triggered, PlaybackCommand::GoOn, menu);
    // The Pause button and its menu item have changed their check mark already: it is the
    // state asked for.
    const auto pause = [this](bool down, const CommandOrigin& origin) {
        emit commandRequested(PlaybackRequest::pauseChange(
            down ? PlaybackRequest::PauseChange::On : PlaybackRequest::PauseChange::Off, origin));
    };
    connect(m_pauseButton, &QToolButton::clicked, this,
            [pause, button](bool down) { pause(down, button); });
    connect(m_pauseAction, &QAction::triggered, this,
            [pause, menu](bool down) { pause(down, menu); });

    QSlider* speed = m_speedSlider;
    connect(m_speed50Button, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::SlowestSpeed); });
    connect(m_speed100Button, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::NominalSpeed); });
    connect(m_speed150Button, &QPushButton::clicked, speed,
            [speed] { speed->setValue(PlaybackController::FastestSpeed); });
    connect(speed, &QSlider::valueChanged, this, [this, button](int factor) {
        emit commandRequested(PlaybackRequest::speed(factor, button));
    });

    connect(m_followCheckBox, &QCheckBox::toggled, this, &PlaybackStrip::followChanged);
    connect(m_followCheckBox, &QCheckBox::clicked, this, [this, button](bool on) {
        emit commandRequested(PlaybackRequest::follow(on, button));
    });
}

QList<std::pair<QObject*, PlaybackCommand>> PlaybackStrip::commandControls() const {
    using C = PlaybackCommand;
    return {{m_playButton, C::Play},
            {m_playAction, C::Play},
            {m_stopButton, C::Stop},
            {m_stopAction, C::Stop},
            {m_manualButton, C::Manual},
            {m_manualAction, C::Manual},
            {m_pauseButton, C::Pause},
            {m_pauseAction, C::Pause},
            {m_startPausedAction, C::StartPaused},
            {m_firstButton, C::First},
            {m_firstAction, C::First},
            {m_lastButton, C::Last},
            {m_lastAction, C::Last},
            {m_previousButton, C::Previous},
            {m_previousAction, C::Previous},
            {m_nextButton, C::Next},
            {m_nextAction, C::Next},
            {m_goToButton, C::GoToSelected},
            {m_goToAction, C::GoToSelected},
            {m_goOnButton, C::GoOn},
            {m_goOnAction, C::GoOn},
            {m_speedSlider, C::Speed},
            {m_speed50Button, C::Speed},
            {m_speed100Button, C::Speed},
            {m_speed150Button, C::Speed},
            {m_followCheckBox, C::Follow}};
}

void PlaybackStrip::showEnabled(const std::function<bool(PlaybackCommand)>& isEnabled) {
    for (const auto& [control, command] : commandControls()) {
        const bool on = isEnabled(command);
        if (auto* w = qobject_cast<QWidget*>(control))
            w->setEnabled(on);
        else if (auto* a = qobject_cast<QAction*>(control))
            a->setEnabled(on);
    }
}

void PlaybackStrip::showSpeedFactor(int factor) {
    const QSignalBlocker quiet(m_speedSlider);
    m_speedSlider->setValue(factor);
}

QList<QAction*> PlaybackStrip::menuActions() const {
    return {m_playAction,    m_stopAction,  m_pauseAction, m_startPausedAction, m_manualAction,
            m_stepSeparator, m_firstAction, m_lastAction,  m_previousAction,    m_nextAction,
            m_goToAction,    m_goOnAction,  m_endSeparator};
}

QList<KeyCommand> PlaybackStrip::keyCommands() const {
    using C = PlaybackCommand;
    return {{m_playAction, C::Play},
            {m_stopAction, C::Stop},
            {m_manualAction, C::Manual},
            {m_pauseAction, C::Pause},
            {m_startPausedAction, C::StartPaused},
            {m_firstAction, C::First},
            {m_lastAction, C::Last},
            {m_previousAction, C::Previous},
            {m_nextAction, C::Next},
            {m_goToAction, C::GoToSelected},
            {m_goOnAction, C::GoOn}};
}

void PlaybackStrip::addDisplayControls(QWidget* controls) {
    m_displayControls->addWidget(controls);
}

void PlaybackStrip::hideLiveControls() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_navigationPanel, m_currentTextLabel, m_currentNumberLabel, m_followCheckBox,
             m_speedLabel, m_speedSlider, m_speed50Button, m_speed100Button, m_speed150Button,
             m_playButton, m_stopButton, m_pauseButton, m_manualButton})
        w->hide();
    // Start+Pause stays in the menu.
    for (QAction* a : menuActions()) {
        if (a != m_startPausedAction)
            a->setVisible(false);
    }
}

int PlaybackStrip::speedFactor() const {
    return m_speedSlider->value();
}

bool PlaybackStrip::follows() const {
    return m_followCheckBox->isChecked();
}

void PlaybackStrip::setFollows(bool on) {
    m_followCheckBox->setChecked(on);
}

void PlaybackStrip::showMode(PlaybackMode mode) {
    switch (mode) {
    case PlaybackMode::Stopped:
        m_stopButton->setChecked(true);
        break;
    case PlaybackMode::Automatic:
        m_playButton->setChecked(true);
        break;
    case PlaybackMode::Manual:
        m_manualButton->setChecked(true);
        break;
    }
}

void PlaybackStrip::showPaused(bool paused) {
    m_pauseButton->setChecked(paused);
    m_pauseAction->setChecked(paused);
    // While paused Space alone goes on, as well as the key the button names.
    if (paused)
        m_goOnAction->setShortcuts(
            {QKeySequence(Qt::Key_Space), QKeySequence(Qt::CTRL | Qt::Key_Space)});
    else
        m_goOnAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Space));
}

void PlaybackStrip::showCurrentNumber(const QByteArray& number) {
    m_currentNumberLabel->setText(Windows1252::toUnicode(number));
}

void PlaybackStrip::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void PlaybackStrip::retranslate() {
    m_playButton->setToolTip(
        tr("Automatisch abspielen, beginnt am ausgewählten Text (Strg+Enter)"));
    m_stopButton->setToolTip(tr("Anzeige anhalten und löschen (Escape-Taste)"));
    m_manualButton->setToolTip(tr("Manuell anspielen (Alt+M"));
    m_pauseButton->setToolTip(tr("Pause (Ablauf an der aktuellen Stelle anhalten)(Strg+P)"));
    m_firstButton->setToolTip(tr("Der erste Text wird abgespielt (F5)"));
    m_lastButton->setToolTip(tr("Der letzte Text wird abgespielt (F6)"));
    m_previousButton->setToolTip(tr("Der vorhergehende Text wird abgespielt (F7)"));
    m_nextButton->setToolTip(tr("Der nächste Text wird abgespielt (F8)"));
    m_goToButton->setText(tr("Gehe zu Text"));
    m_goToButton->setToolTip(tr("Der mit blauem Balken ausgewählte Text wird abgespielt (F9)"));
    m_goOnButton->setText(tr("Weiter bei Pause (Strg+Leertaste)"));
    m_goOnButton->setToolTip(tr("Weiterblättern bei Pause (F11)"));
    m_currentTextLabel->setText(tr("Aktueller Text:"));
    m_currentNumberLabel->setToolTip(tr("Der aktuelle Text welcher gezeigt werden soll"));
    m_speedLabel->setText(tr("Gesamtgeschwindigkeit"));
    m_speedSlider->setToolTip(tr("Gesamtablaufgeschwindigkeit ändern"));
    m_speed50Button->setToolTip(tr("Geschwindigkeit auf 50% setzten"));
    m_speed100Button->setToolTip(tr("Geschwindigkeit auf 100% setzten"));
    m_speed150Button->setToolTip(tr("Geschwindigkeit auf 150% setzten"));
    m_followCheckBox->setText(tr("Verfolgen"));
    m_followCheckBox->setToolTip(tr("Während des automatischen Ablaufs wird in der ersten "
                                    "Reihe der Tabele der gerade aktuelle Text gezeigt"));
    // The symbol buttons and the speed buttons are announced by the first words of their hints.
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_playButton, m_stopButton, m_pauseButton, m_manualButton, m_firstButton, m_lastButton,
             m_previousButton, m_nextButton, m_speed50Button, m_speed100Button, m_speed150Button})
        AccessibleNames::nameAfterHint(w);
    AccessibleNames::nameAfterLabels(m_speedSlider, m_speedLabel);
    m_playAction->setText(tr("&Automatisch abspielen"));
    m_stopAction->setText(tr("&Stop"));
    m_stopAction->setToolTip(tr("Anzeige anhalten und löschen"));
    m_pauseAction->setText(tr("&Pause"));
    m_startPausedAction->setText(tr("Start+Pause"));
    m_startPausedAction->setToolTip(
        tr("Ablauf wird gestarte und angehaltet und wartet dann auf \"weiter\""));
    m_manualAction->setText(tr("&Manuell"));
    m_manualAction->setToolTip(tr("Pause / manuell"));
    m_firstAction->setText(tr("&Erster"));
    m_lastAction->setText(tr("&Letzter"));
    m_previousAction->setText(tr("&Zurück"));
    m_nextAction->setText(tr("&Vor"));
    m_nextAction->setToolTip(tr("Der nächste Text wird abgespielt"));
    m_goToAction->setText(tr("&Gehe zu"));
    m_goToAction->setToolTip(tr("Der mit blauem Balken ausgewählte Text wird abgespielt"));
    m_goOnAction->setText(tr("&Weiter"));
}

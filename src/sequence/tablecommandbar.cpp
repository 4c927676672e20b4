#include "tablecommandbar.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>

namespace {

QPushButton* button(QWidget* parent, const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QAction* action(QWidget* parent, const char* name) {
    auto* a = new QAction(parent);
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

TableCommandBar::TableCommandBar(QWidget* parent)
    : QWidget(parent)
    , m_proposeNumber(button(this, "Button4"))
    , m_newText(button(this, "Button1"))
    , m_renumber(button(this, "Button6"))
    , m_deleteTexts(button(this, "Button5"))
    , m_exchangeTexts(button(this, "Button7"))
    , m_deleteTextsAction(action(this, "Textelschen1"))
    , m_exchangeTextsAction(action(this, "Textetauschen1"))
    , m_markListAction(action(this, "ListeMarkierung1")) {
    setObjectName(QStringLiteral("TableCommandBar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* b : {m_proposeNumber, m_newText, m_renumber, m_deleteTexts, m_exchangeTexts})
        row->addWidget(b);
    row->addStretch();
    m_deleteTextsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Delete));
    m_markListAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_M));

    connect(m_proposeNumber, &QPushButton::clicked, this, &TableCommandBar::proposeNumberRequested);
    connect(m_newText, &QPushButton::clicked, this, &TableCommandBar::newTextRequested);
    connect(m_renumber, &QPushButton::clicked, this, &TableCommandBar::renumberRequested);
    connect(m_deleteTexts, &QPushButton::clicked, this, &TableCommandBar::deleteTextsRequested);
    connect(m_exchangeTexts, &QPushButton::clicked, this, &TableCommandBar::exchangeTextsRequested);
    connect(m_deleteTextsAction, &QAction::triggered, this, &TableCommandBar::deleteTextsRequested);
    connect(m_exchangeTextsAction, &QAction::triggered, this,
            &TableCommandBar::exchangeTextsRequested);
    connect(m_markListAction, &QAction::triggered, this, &TableCommandBar::markListRequested);
    retranslate();
}

QList<QAction*> TableCommandBar::menuActions() const {
    return {m_deleteTextsAction, m_exchangeTextsAction, m_markListAction};
}

void TableCommandBar::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void TableCommandBar::retranslate() {
    m_proposeNumber->setText(tr("Nr. neu"));
    m_proposeNumber->setToolTip(tr("Neue, freie Textnummer ermitteln"));
    m_newText->setText(tr("Neuer Text"));
    m_newText->setToolTip(tr("Aktiven Text löschen"));
    m_renumber->setText(tr("Neu durchnumerieren"));
    m_renumber->setToolTip(tr("Alle Texte in 10er - Schritten neu durchnummerieren"));
    m_deleteTexts->setText(tr("Texte löschen"));
    m_deleteTexts->setToolTip(tr("Die mit der gelben Markierung ausgewählten Texte oder der "
                                 "ausgwähle Text (blauer Balken) wird nach Bestätigung gelöscht"));
    m_exchangeTexts->setText(tr("Texte tauschen"));
    m_exchangeTexts->setToolTip(
        tr("Zwei mit der gelben Markierung ausgewählten Texte werden getauscht"));
    m_deleteTextsAction->setText(tr("Texte &löschen"));
    m_exchangeTextsAction->setText(tr("Texte &tauschen"));
    m_markListAction->setText(tr("Liste &Markierung"));
}

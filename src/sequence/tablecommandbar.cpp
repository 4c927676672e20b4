#include "tablecommandbar.h"

#include "windows/language.h"

#include <QAction>
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
    applyLanguage(QStringLiteral("D"));
}

QList<QAction*> TableCommandBar::menuActions() const {
    return {m_deleteTextsAction, m_exchangeTextsAction, m_markListAction};
}

void TableCommandBar::applyLanguage(const QString& code) {
    const auto choose = [&code](const char* german, const char* english) {
        return Language::choose(code, german, english);
    };
    m_proposeNumber->setText(choose("Nr. neu", "New No."));
    m_proposeNumber->setToolTip(
        choose("Neue, freie Textnummer ermitteln", "Get a new free number"));
    m_newText->setText(choose("Neuer Text", "New text"));
    m_newText->setToolTip(choose("Aktiven Text löschen", "Clear activ text"));
    m_renumber->setText(choose("Neu durchnumerieren", "All numbers new"));
    m_renumber->setToolTip(choose("Alle Texte in 10er - Schritten neu durchnummerieren",
                                  "All texts will get new numbers in steps by 10"));
    m_deleteTexts->setText(choose("Texte löschen", "Clear texts"));
    m_deleteTexts->setToolTip(
        choose("Die mit der gelben Markierung ausgewählten Texte oder der "
               "ausgwähle Text (blauer Balken) wird nach Bestätigung gelöscht",
               "The yellow marked texts or the selected text is deleted after "
               "confirmation"));
    m_exchangeTexts->setText(choose("Texte tauschen", "Exchange texts"));
    m_exchangeTexts->setToolTip(
        choose("Zwei mit der gelben Markierung ausgewählten Texte werden getauscht",
               "Exchange two yellow marged texts"));
    m_deleteTextsAction->setText(choose("Texte &löschen", "&Delete texts"));
    m_exchangeTextsAction->setText(choose("Texte &tauschen", "&Exchange texts"));
    m_markListAction->setText(choose("Liste &Markierung", "List of &marks"));
}

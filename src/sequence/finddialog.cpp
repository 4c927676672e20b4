#include "finddialog.h"

#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

FindDialog::FindDialog(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FindDialog1"));
    m_label = new QLabel;
    m_text = new QLineEdit;
    m_text->setObjectName(QStringLiteral("FindText"));
    m_label->setBuddy(m_text);
    m_wholeWord = new QCheckBox;
    m_wholeWord->setEnabled(false);
    m_matchCase = new QCheckBox;
    m_matchCase->setObjectName(QStringLiteral("MatchCase"));
    m_direction = new QGroupBox;
    m_up = new QRadioButton;
    m_down = new QRadioButton;
    m_down->setChecked(true);
    auto* directions = new QHBoxLayout(m_direction);
    directions->addWidget(m_up);
    directions->addWidget(m_down);
    m_findNext = new QPushButton;
    m_findNext->setObjectName(QStringLiteral("FindNext"));
    m_findNext->setDefault(true);
    m_findNext->setEnabled(false);
    m_cancel = new QPushButton;

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_label, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(m_findNext, 0, 3);
    grid->addWidget(m_wholeWord, 1, 0, 1, 2);
    grid->addWidget(m_direction, 1, 2, 2, 1);
    grid->addWidget(m_cancel, 1, 3);
    grid->addWidget(m_matchCase, 2, 0, 1, 2);

    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_findNext->setEnabled(!text.isEmpty()); });
    connect(m_findNext, &QPushButton::clicked, this, [this] { emit findNext(query()); });
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    retranslate();
}

void FindDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void FindDialog::retranslate() {
    setWindowTitle(tr("Suchen"));
    m_label->setText(tr("Suchen &nach:"));
    m_wholeWord->setText(tr("Nur &ganzes Wort suchen"));
    m_matchCase->setText(tr("Groß-/&Kleinschreibung"));
    m_direction->setTitle(tr("Richtung"));
    m_up->setText(tr("Nach &oben"));
    m_down->setText(tr("Nach &unten"));
    m_findNext->setText(tr("&Weitersuchen"));
    m_cancel->setText(tr("Abbrechen"));
}

void FindDialog::openFor(int column) {
    m_column = column;
    show();
    raise();
    activateWindow();
    m_text->setFocus();
}

TableSearch::Query FindDialog::query() const {
    TableSearch::Query q;
    q.text = m_text->text();
    q.column = m_column;
    q.matchCase = m_matchCase->isChecked();
    q.down = m_down->isChecked();
    return q;
}

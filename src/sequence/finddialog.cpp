#include "finddialog.h"

#include "windows/language.h"

#include <QCheckBox>
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
    setLanguageCode(QStringLiteral("D"));
}

void FindDialog::setLanguageCode(const QString& code) {
    const auto choose = [&code](const char* german, const char* english) {
        return Language::choose(code, german, english);
    };
    setWindowTitle(choose("Suchen", "Find"));
    m_label->setText(choose("Suchen &nach:", "Fi&nd what:"));
    m_wholeWord->setText(choose("Nur &ganzes Wort suchen", "Match &whole word only"));
    m_matchCase->setText(choose("Groß-/&Kleinschreibung", "Match &case"));
    m_direction->setTitle(choose("Richtung", "Direction"));
    m_up->setText(choose("Nach &oben", "&Up"));
    m_down->setText(choose("Nach &unten", "&Down"));
    m_findNext->setText(choose("&Weitersuchen", "&Find Next"));
    m_cancel->setText(choose("Abbrechen", "Cancel"));
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

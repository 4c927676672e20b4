#include "alignmentbuttons.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "windows/accessiblenames.h"

namespace {

constexpr LineAlignment Alignments[3] = {LineAlignment::Left, LineAlignment::Centre,
                                         LineAlignment::Right};

// Four lines of alternating length, placed as the alignment places text.
QIcon alignmentIcon(LineAlignment alignment) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QPen(Qt::black, 2));
    for (int i = 0; i < 4; ++i) {
        const int length = i % 2 == 0 ? 14 : 8;
        int left = 1;
        if (alignment == LineAlignment::Centre)
            left = (16 - length) / 2;
        else if (alignment == LineAlignment::Right)
            left = 15 - length;
        const int y = 2 + i * 4;
        painter.drawLine(left, y, left + length - 1, y);
    }
    return QIcon(pixmap);
}

} // namespace

AlignmentButtons::AlignmentButtons(const char* const (&names)[3], QWidget* parent)
    : QWidget(parent) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 3; ++i) {
        auto* button = new QToolButton;
        button->setObjectName(QLatin1String(names[i]));
        button->setIcon(alignmentIcon(Alignments[i]));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus); // the caret stays in the editor
        const LineAlignment alignment = Alignments[i];
        connect(button, &QToolButton::clicked, this,
                [this, alignment] { emit alignRequested(alignment); });
        layout->addWidget(button);
        m_buttons[i] = button;
    }
    layout->addStretch();
    retranslate();
}

QToolButton* AlignmentButtons::button(LineAlignment alignment) const {
    return m_buttons[static_cast<int>(alignment)];
}

void AlignmentButtons::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

void AlignmentButtons::retranslate() {
    m_buttons[0]->setToolTip(tr("Linksbündig"));
    m_buttons[1]->setToolTip(tr("Zentriert"));
    m_buttons[2]->setToolTip(tr("Rechtsbündig"));
    for (QToolButton* button : m_buttons)
        AccessibleNames::nameAfterHint(button);
}

#pragma once

#include "linealignment.h"

#include <QWidget>

class QToolButton;

// The three alignment buttons of a text page, left, centre and right, drawn as lines of
// text aligned that way.
class AlignmentButtons final : public QWidget {
    Q_OBJECT

public:
    // `names`: the object names of the left, centre and right button.
    explicit AlignmentButtons(const char* const (&names)[3], QWidget* parent = nullptr);

    QToolButton* button(LineAlignment alignment) const;

signals:
    void alignRequested(LineAlignment alignment);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();

    QToolButton* m_buttons[3] = {};
};

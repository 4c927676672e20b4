#pragma once

#include <QStatusBar>

class QLabel;

// The main window's status bar: it shows what the display output reports, for example that
// no output is possible.
class StatusLine final : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);

public slots:
    // Shows the text until the next one; an empty text clears the line.
    void showStatus(const QString& text);
    // Names a board in trouble at the line's right end, beside the passing messages; an empty
    // text hides it.
    void showBoardTrouble(const QString& text);

public:
    QLabel* boardTroubleLabel() const { return m_boardTrouble; }

private:
    QLabel* m_boardTrouble = nullptr;
};

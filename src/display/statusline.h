#pragma once

#include <QStatusBar>

// The main window's status bar: it shows what the display output reports, for example that
// no output is possible.
class StatusLine final : public QStatusBar {
    Q_OBJECT

public:
    explicit StatusLine(QWidget* parent = nullptr);

public slots:
    // Shows the text until the next one; an empty text clears the line.
    void showStatus(const QString& text);
};

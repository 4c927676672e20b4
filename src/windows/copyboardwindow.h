#pragma once

#include <QWidget>

// The text import window: a side window for text pasted from other programs.
class CopyboardWindow final : public QWidget {
    Q_OBJECT

public:
    explicit CopyboardWindow(QWidget* parent = nullptr);
    // Places the window at its stored left and top edge with its stored height.
    void setUpGeometry(int left, int top, int height);

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
};

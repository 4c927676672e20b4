#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QLabel;
class QPushButton;

// The key list for the operator at the performance: three coloured panels of actions and
// their keys, and a button that hides the window. F1 hides it again; the main window's F1
// shows it.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Shows the window in front, with the focus, so that the next F1 reaches it.
    void showInFront();
    QPushButton* closeButton() const { return m_closeButton; }
    QAction* closeAction() const { return m_closeAction; }
    // The action and key captions of every row, panel by panel.
    QStringList rowTexts() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Row {
        QLabel* action;
        QLabel* key;
    };
    void retranslate();

    QList<Row> m_rows;
    QPushButton* m_closeButton = nullptr;
    QAction* m_closeAction = nullptr;
};

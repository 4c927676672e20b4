#pragma once

#include <QByteArray>
#include <QWidget>

class MarkList;
class QListWidget;
class QPushButton;

// The marking list ("Markierung"): a small tool window over the main window listing the
// marked numbers in marking order, with the delete and exchange commands. Closing it only
// hides it; the marks stay. Its delete and exchange buttons carry the names of the main
// window's delete and exchange buttons; they are locked with the other editing controls while
// playback runs.
class MarkListWindow final : public QWidget {
    Q_OBJECT

public:
    explicit MarkListWindow(QWidget* parent = nullptr);

    // The list shown; the window reads it again on refresh().
    void setMarkList(const MarkList* marks);
    void refresh();
    // Shows the window with its top left corner at a screen position.
    void showAt(const QPoint& screenPosition);

    QListWidget* numberList() const { return m_list; }
    QPushButton* deleteButton() const { return m_delete; }
    QPushButton* exchangeButton() const { return m_exchange; }
    QPushButton* closeButton() const { return m_close; }

protected:
    void changeEvent(QEvent* event) override;

signals:
    void deleteRequested();
    void exchangeRequested();
    void numberClicked(const QByteArray& number);

private:
    void retranslate();
    const MarkList* m_marks = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_exchange = nullptr;
    QPushButton* m_close = nullptr;
};

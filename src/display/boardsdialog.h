#pragma once

#include "boardaddress.h"
#include "boardmonitor.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Anzeigen…": the boards with their states; the operator adds and removes the boards beside
// the first (the first is the COM port command's). Every change is handed on at once.
class BoardsDialog final : public QDialog {
    Q_OBJECT

public:
    explicit BoardsDialog(QWidget* parent = nullptr);

    // The boards beside the first, as stored.
    void setBoards(const QList<BoardAddress>& boards);
    const QList<BoardAddress>& boards() const { return m_boards; }
    // The first board's name ("COM7"), empty when no port is chosen.
    void setFirstBoard(const QString& name);
    // The boards' states, as the monitor sees them.
    void showStatuses(const QList<BoardStatus>& statuses);

    QListWidget* boardList() const { return m_list; }
    QLineEdit* addressEdit() const { return m_address; }
    QPushButton* addButton() const { return m_add; }
    QPushButton* removeButton() const { return m_remove; }

signals:
    void boardsChanged(const QList<BoardAddress>& boards);

protected:
    void changeEvent(QEvent* event) override;

private:
    void addBoard();
    void removeBoard();
    void retranslate();
    void refresh();

    QList<BoardAddress> m_boards;
    QList<BoardStatus> m_statuses;
    QString m_firstBoard;
    QListWidget* m_list = nullptr;
    QLineEdit* m_address = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_remove = nullptr;
    QPushButton* m_close = nullptr;
    QLabel* m_hint = nullptr;
};

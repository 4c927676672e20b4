#pragma once

#include <QWidget>

class BoardEmulator;
class BoardView;
class QLabel;
class QPlainTextEdit;

// The emulated board on the screen: its face, a status line (frames, frame rate, framing
// errors, the line) and the entries of the last upload, decoded.
class BoardWindow final : public QWidget {
    Q_OBJECT

public:
    BoardWindow(BoardEmulator& board, const QString& lineDescription, QWidget* parent = nullptr);

private:
    void showCounts();
    void showUpload();

    BoardEmulator& m_board;
    QString m_lineDescription;
    BoardView* m_view;
    QLabel* m_status;
    QPlainTextEdit* m_upload;
};

#pragma once

#include "boardaddress.h"
#include "boardoutput.h"

#include <QObject>

#include <functional>
#include <memory>
#include <vector>

// The boards beside the first one: hands every frame to each board's own output, so a board
// in trouble holds only its own frames back. The first board keeps the display output's port.
class BoardFanOut final : public QObject {
    Q_OBJECT

public:
    // Makes the output for an address (a serial port, a TCP connection; a test's double).
    using Factory = std::function<std::unique_ptr<BoardOutput>(const BoardAddress&)>;

    explicit BoardFanOut(Factory factory, QObject* parent = nullptr);
    ~BoardFanOut() override;

    // Keeps the outputs of addresses that stay (with their connection), ends those of the
    // addresses that go, starts the new ones and gives them the current frame.
    void setBoards(const QList<BoardAddress>& addresses);
    QList<BoardAddress> addresses() const;
    int count() const { return static_cast<int>(m_boards.size()); }
    BoardOutput& output(int index) const { return *m_boards.at(static_cast<size_t>(index)).output; }

    // Every frame, blank ones included; never waits.
    void sendFrame(const QByteArray& frame);
    // Hands what is queued to the system without waiting (on the way out).
    void flush();

signals:
    void boardsChanged();
    void boardStateChanged(const QString& name, BoardOutput::State state);
    void boardLost(const QString& name, const QString& reason);

private:
    struct Board {
        BoardAddress address;
        std::unique_ptr<BoardOutput> output;
    };

    Factory m_factory;
    std::vector<Board> m_boards;
    QByteArray m_currentFrame;
};

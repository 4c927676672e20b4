#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

// The board's end of the serial line: a pseudo-terminal of its own or a serial device.
class BoardLine {
public:
    using ReceiveHandler = std::function<void(const QByteArray&)>;

    virtual ~BoardLine() = default;

    // Opens the line; an empty text on success, else why it failed.
    virtual QString open() = 0;
    virtual void write(const QByteArray& bytes) = 0;
    // What the program opens to reach the board, for the status line.
    virtual QString description() const = 0;

    void setReceiveHandler(ReceiveHandler handler) { m_onReceived = std::move(handler); }

protected:
    void deliver(const QByteArray& bytes) {
        if (m_onReceived)
            m_onReceived(bytes);
    }

private:
    ReceiveHandler m_onReceived;
};

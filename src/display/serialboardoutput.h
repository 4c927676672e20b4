#pragma once

#include "boardoutput.h"

#include <memory>

class SerialPort;

// A board on a serial port of its own ("COMn"). A port that cannot be opened, or whose device
// vanished, is tried again on the board output's back-off.
class SerialBoardOutput final : public BoardOutput {
    Q_OBJECT

public:
    SerialBoardOutput(std::unique_ptr<SerialPort> port, Clock& clock, QObject* parent = nullptr);
    ~SerialBoardOutput() override;

    SerialPort& port() { return *m_port; }

protected:
    void connectLink() override;
    void disconnectLink() override;
    bool linkStillUp() const override;
    qint64 linkBytesQueued() const override;
    bool writeToLink(const QByteArray& bytes) override;

private:
    std::unique_ptr<SerialPort> m_port;
};

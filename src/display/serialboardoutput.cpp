#include "serialboardoutput.h"

#include "platform/porterror.h"
#include "platform/serialport.h"

SerialBoardOutput::SerialBoardOutput(std::unique_ptr<SerialPort> port, Clock& clock,
                                     QObject* parent)
    : BoardOutput(QStringLiteral("COM%1").arg(port->portNumber()), clock, parent)
    , m_port(std::move(port)) {
    m_port->setReceiveHandler([this](const QByteArray& bytes) { deliverReceived(bytes); });
}

SerialBoardOutput::~SerialBoardOutput() {
    m_port->setReceiveHandler({});
}

void SerialBoardOutput::connectLink() {
    try {
        m_port->open();
    } catch (const PortError&) {
        return; // tried again on the back-off
    }
    linkUp();
}

void SerialBoardOutput::disconnectLink() {
    m_port->close();
}

bool SerialBoardOutput::linkStillUp() const {
    return m_port->isOpen();
}

qint64 SerialBoardOutput::linkBytesQueued() const {
    return m_port->bytesQueued();
}

bool SerialBoardOutput::writeToLink(const QByteArray& bytes) {
    // A closed port would open again inside the write: the back-off decides when to reopen.
    if (!m_port->isOpen())
        return false;
    try {
        m_port->writeText(bytes);
    } catch (const PortError&) {
        return false;
    }
    return true;
}

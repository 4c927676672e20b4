#include "portcommand.h"

#include "platform/porterror.h"
#include "platform/prompter.h"
#include "platform/serialport.h"

PortCommand::PortCommand(SerialPort& port, Prompter& prompter, Hooks hooks)
    : m_port(port)
    , m_prompter(prompter)
    , m_hooks(std::move(hooks)) {
}

QString PortCommand::changeQuestion(int portNumber) {
    return tr("COM-Port ändern? Momentan: COM%1").arg(portNumber);
}

QString PortCommand::retryQuestion(int portNumber) {
    return tr("Noch ein Versuch? Momentan: COM%1").arg(portNumber);
}

QString PortCommand::noPortStatus() {
    return tr("Kein COM-Port gewählt: Abspielen > COM-Port wählt einen");
}

PortCommand::Outcome PortCommand::choosePort() {
    for (;;) {
        if (m_hooks.stopTimers)
            m_hooks.stopTimers();
        if (m_prompter.askYesNo(changeQuestion(m_port.portNumber())) != Prompter::Answer::Yes)
            return Outcome::Unchanged;

        m_port.close();
        m_port.setPortNumber(0);
        try {
            m_port.open(); // number 0: the selection dialog chooses first
            if (m_hooks.storePortNumber)
                m_hooks.storePortNumber(m_port.portNumber());
            return Outcome::Opened;
        } catch (const PortError&) {
            // The operator may try again from the first question on.
        }
        if (m_prompter.askYesNo(retryQuestion(m_port.portNumber())) != Prompter::Answer::Yes) {
            if (m_hooks.giveUp)
                m_hooks.giveUp();
            return Outcome::GaveUp;
        }
    }
}

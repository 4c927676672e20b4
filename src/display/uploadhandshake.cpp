#include "uploadhandshake.h"

#include "uploadbuilder.h"
#include "uploadtexts.h"

#include "platform/porterror.h"
#include "platform/serialport.h"

UploadHandshake::UploadHandshake(SerialPort& port, Clock& clock, Hooks hooks)
    : UploadHandshake(Link{[&port] { port.open(); },
                           [&port](const QByteArray& bytes) {
                               port.writeText(bytes);
                           }},
                      clock, std::move(hooks)) {
}

UploadHandshake::UploadHandshake(Link link, Clock& clock, Hooks hooks)
    : m_link(std::move(link))
    , m_matcher(clock)
    , m_hooks(std::move(hooks)) {
}

void UploadHandshake::start(const SequenceTable& table, int lineCount, int columnCount) {
    const UploadBuilder::Result built = UploadBuilder::build(table, lineCount, columnCount);
    switch (built.refusal) {
    case UploadBuilder::Refusal::None:
        break;
    case UploadBuilder::Refusal::TooLong:
        throw UploadRefused(UploadTexts::tooLong().toStdString());
    case UploadBuilder::Refusal::BoardTooLarge:
        throw UploadRefused(UploadTexts::boardTooLarge().toStdString());
    case UploadBuilder::Refusal::ParameterOutOfRange:
        throw UploadRefused(UploadTexts::parameterOutOfRange(built.numbers).toStdString());
    }
    m_uploadData = built.data;
    m_link.open();
    setPending(true);
    showStatus(UploadTexts::waiting());
    if (m_hooks.outputEnabled && m_hooks.outputEnabled())
        m_link.write(QByteArray(1, RequestByte));
}

void UploadHandshake::cancel() {
    setPending(false);
    showStatus(QString());
}

void UploadHandshake::receive(const QByteArray& bytes) {
    for (const QByteArray& reply : m_matcher.feed(bytes))
        handleReply(reply);
}

void UploadHandshake::handleReply(const QByteArray& reply) {
    if (reply == "BEREIT!") {
        if (!m_pending)
            return;
        showStatus(UploadTexts::transmitting());
        if (!m_hooks.outputEnabled || !m_hooks.outputEnabled())
            return;
        try {
            m_link.write(m_uploadData);
        } catch (const PortError& e) {
            // The port was lost after the request: the upload stays pending until the
            // operator gives up or the board asks again.
            if (m_hooks.reportError)
                m_hooks.reportError(QString::fromUtf8(e.what()));
        }
    } else if (reply == "OK!") {
        finish(UploadTexts::transmissionOk(), reply);
    } else if (reply == "CHECK FALSE") {
        finish(UploadTexts::checkFailed(), reply);
    } else if (reply == "EEPROM FALSE") {
        finish(UploadTexts::memoryDefective(), reply);
    }
}

void UploadHandshake::finish(const QString& status, const QByteArray& reply) {
    setPending(false);
    showStatus(status);
    if (m_hooks.finished)
        m_hooks.finished(reply);
}

void UploadHandshake::setPending(bool pending) {
    m_pending = pending;
    if (m_hooks.pendingChanged)
        m_hooks.pendingChanged(pending);
}

void UploadHandshake::showStatus(const QString& text) {
    if (m_hooks.showStatus)
        m_hooks.showStatus(text);
}

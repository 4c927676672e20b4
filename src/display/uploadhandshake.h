#pragma once

#include "replymatcher.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <stdexcept>

class Clock;
class SerialPort;
class SequenceTable;

// An upload the builder refused; the message says why, in the current language.
class UploadRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The upload of the sequence into the board's memory and the board's replies.
//
// start() sends the request byte 0x55 and the upload becomes pending; each "BEREIT!" while
// pending sends the upload (again); "OK!", "CHECK FALSE" and "EEPROM FALSE" end the pending
// state, pending or not, and say how it went; cancel() gives up. Replies are found by the
// reply matcher in everything the port receives, in live mode too.
class UploadHandshake {
public:
    struct Hooks {
        // Nothing is written to the port until the settings have been read.
        std::function<bool()> outputEnabled;
        std::function<void(const QString&)> showStatus;
        std::function<void(bool pending)> pendingChanged;
        // An error while handling a reply: no exception leaves the receive path.
        std::function<void(const QString&)> reportError;
        // The board's answer that ended the upload ("OK!", "CHECK FALSE", "EEPROM FALSE").
        std::function<void(const QByteArray& reply)> finished;
    };
    // How the handshake reaches its board: open throws PortError when the board cannot be
    // reached, write throws PortError when the bytes cannot be queued.
    struct Link {
        std::function<void()> open;
        std::function<void(const QByteArray&)> write;
    };

    static constexpr char RequestByte = 0x55;

    UploadHandshake(SerialPort& port, Clock& clock, Hooks hooks);
    UploadHandshake(Link link, Clock& clock, Hooks hooks);

    // Builds the upload from the table's active entries and requests the board's attention.
    // Throws UploadRefused (nothing sent, the previous upload kept, state unchanged) or
    // PortError when the port cannot be opened (state unchanged).
    void start(const SequenceTable& table, int lineCount, int columnCount);
    void cancel();
    // Bytes the port received.
    void receive(const QByteArray& bytes);

    bool isPending() const { return m_pending; }
    const QByteArray& uploadData() const { return m_uploadData; }

private:
    void handleReply(const QByteArray& reply);
    void finish(const QString& status, const QByteArray& reply);
    void setPending(bool pending);
    void showStatus(const QString& text);

    Link m_link;
    ReplyMatcher m_matcher;
    Hooks m_hooks;
    QByteArray m_uploadData;
    bool m_pending = false;
};

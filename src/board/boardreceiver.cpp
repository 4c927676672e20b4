#include "boardreceiver.h"

#include "frameparser.h"
#include "uploadparser.h"

#include "display/screenframe.h"
#include "display/uploadbuilder.h"

BoardReceiver::BoardReceiver(int lineCount, int columnCount)
    : m_lineCount(lineCount)
    , m_columnCount(columnCount)
    , m_frameSize(qsizetype(lineCount) * columnCount + 2) {
}

QList<BoardReceiver::Event> BoardReceiver::feed(const QByteArray& bytes) {
    QList<Event> events;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (m_state != State::Upload) {
            take(bytes.at(i), events);
            continue;
        }
        // An upload is read in whole pieces: its end is found from its records.
        m_buffer += bytes.mid(i);
        const qsizetype length = UploadParser::completeLength(m_buffer);
        if (length == 0)
            break;
        // An upload too long for the board's memory is dropped at its limit.
        const QByteArray rest = m_buffer.mid(length < 0 ? UploadBuilder::MaximumSize : length);
        if (length < 0) {
            error(QStringLiteral("upload without end"), events);
            m_state = State::Junk;
        } else {
            events.append(Event{Event::Type::Upload, {}, m_buffer.left(length), {}});
            m_state = State::Idle;
        }
        m_buffer.clear();
        events += feed(rest);
        break;
    }
    return events;
}

bool BoardReceiver::reset() {
    const bool busy =
        m_state == State::Frame || m_state == State::Upload || m_state == State::AwaitingUpload;
    m_state = State::Idle;
    m_buffer.clear();
    return busy;
}

void BoardReceiver::take(char byte, QList<Event>& events) {
    const auto value = static_cast<unsigned char>(byte);
    switch (m_state) {
    case State::Idle:
        startOrStray(byte, events, true);
        return;
    case State::Junk:
        startOrStray(byte, events, false);
        return;
    case State::AwaitingUpload:
        if (byte >= '0' && byte <= '9') {
            m_state = State::Upload;
            m_buffer = QByteArray(1, byte);
            return;
        }
        startOrStray(byte, events, true);
        return;
    case State::Frame:
        if (m_buffer.size() == m_frameSize - 1) {
            m_buffer += byte;
            if (const auto lines = FrameParser::parse(m_buffer, m_lineCount, m_columnCount)) {
                events.append(Event{Event::Type::Frame, *lines, {}, {}});
                m_state = State::Idle;
                m_buffer.clear();
                return;
            }
            error(QStringLiteral("frame without ETX at its end"), events);
            m_buffer.clear();
            m_state = State::Junk;
            if (byte == ScreenFrame::Stx)
                startOrStray(byte, events, false);
            return;
        }
        if (value >= 0x20) {
            m_buffer += byte;
            return;
        }
        // A control byte inside a frame: the frame is broken; a STX starts the next one.
        error(byte == ScreenFrame::Etx ? QStringLiteral("frame too short")
                                       : QStringLiteral("control byte inside a frame"),
              events);
        m_buffer.clear();
        m_state = State::Junk;
        if (byte == ScreenFrame::Stx)
            startOrStray(byte, events, false);
        return;
    case State::Upload:
        return;
    }
}

void BoardReceiver::startOrStray(char byte, QList<Event>& events, bool countStray) {
    if (byte == ScreenFrame::Stx) {
        m_state = State::Frame;
        m_buffer = QByteArray(1, byte);
    } else if (byte == RequestByte) {
        m_state = State::AwaitingUpload;
        events.append(Event{Event::Type::UploadRequest, {}, {}, {}});
    } else {
        if (countStray)
            error(QStringLiteral("stray byte 0x%1")
                      .arg(static_cast<unsigned char>(byte), 2, 16, QLatin1Char('0')),
                  events);
        m_state = State::Junk;
    }
}

void BoardReceiver::error(const QString& detail, QList<Event>& events) {
    events.append(Event{Event::Type::FramingError, {}, {}, detail});
}

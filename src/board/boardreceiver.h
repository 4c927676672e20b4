#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What a board makes of the bytes on its line: screen frames (STX, lineCount * columnCount
// bytes, ETX), the upload request 0x55 and, after it, one upload into its memory. Anything
// else is a framing error: a stray byte outside a frame, a control byte inside one, a frame
// that does not end in ETX where it should. After an error the receiver waits for the next
// STX or request; a run of stray bytes counts once. Bytes may arrive split anywhere.
class BoardReceiver {
public:
    static constexpr char RequestByte = 0x55;

    struct Event {
        enum class Type { Frame, FramingError, UploadRequest, Upload };
        Type type;
        // Frame: its lines.
        QList<QByteArray> lines;
        // Upload: its bytes.
        QByteArray bytes;
        // Framing error: what was wrong.
        QString detail;
    };

    BoardReceiver(int lineCount, int columnCount);

    QList<Event> feed(const QByteArray& bytes);
    // Gives up an upload or frame in progress, as after a long silence; true when one was.
    bool reset();
    bool receivingUpload() const { return m_state == State::Upload; }

private:
    enum class State { Idle, Junk, Frame, AwaitingUpload, Upload };

    void take(char byte, QList<Event>& events);
    void startOrStray(char byte, QList<Event>& events, bool countStray);
    void error(const QString& detail, QList<Event>& events);

    int m_lineCount;
    int m_columnCount;
    qsizetype m_frameSize;
    State m_state = State::Idle;
    QByteArray m_buffer;
};

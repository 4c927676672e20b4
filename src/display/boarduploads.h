#pragma once

#include "uploadhandshake.h"

#include <QCoreApplication>
#include <QList>
#include <QMetaObject>
#include <QString>

#include <memory>
#include <vector>

class BoardFanOut;
class Clock;
class SequenceTable;
class SerialPort;

// The offline upload to every board: each board has a handshake of its own and answers for
// itself, so one board that fails or never answers holds no other back. With the first board
// alone the upload reads as it always did; with more, the status line sums up
// ("Übertragung: 2 von 3 OK; tcp://10.0.0.20:4001: CHECK FALSE").
class BoardUploads {
    Q_DECLARE_TR_FUNCTIONS(BoardUploads)

public:
    BoardUploads(SerialPort& firstPort, BoardFanOut& boards, Clock& clock,
                 UploadHandshake::Hooks hooks);
    ~BoardUploads();

    // Throws UploadRefused (nothing sent to any board). With the first board alone, a port
    // that cannot be opened throws PortError as before; with more boards it counts as that
    // board's failure and the others go on.
    void start(const SequenceTable& table, int lineCount, int columnCount);
    void cancel();
    // Bytes the first board's port received.
    void receiveFromFirst(const QByteArray& bytes);

    bool isPending() const;
    UploadHandshake& first() { return *m_first; }

    static QString summary(int okCount, int boardCount, const QStringList& failures);

private:
    struct Result {
        QString name;
        QByteArray reply; // empty while the board has not answered
        QString failure;  // the board could not be reached
    };

    std::unique_ptr<UploadHandshake> makeFurtherHandshake(int index);
    void boardFinished(int index, const QByteArray& reply);
    void showSummary();
    void updatePending();
    void dropFurther();

    SerialPort& m_firstPort;
    BoardFanOut& m_boards;
    Clock& m_clock;
    UploadHandshake::Hooks m_hooks;
    std::unique_ptr<UploadHandshake> m_first;
    std::vector<std::unique_ptr<UploadHandshake>> m_further;
    std::vector<QMetaObject::Connection> m_connections;
    QList<Result> m_results;
    bool m_summing = false;
    bool m_pending = false;
};

#pragma once

#include "display/boardoutput.h"

#include <QList>

// A board whose link the test opens, closes and fills by hand; records every write.
class RecordingBoardOutput final : public BoardOutput {
    Q_OBJECT

public:
    RecordingBoardOutput(const QString& name, Clock& clock);

    // Whether the next attempt reaches the board.
    bool reachable = true;
    // Bytes the link reports as still on their way.
    qint64 queued = 0;
    // When on, each write adds its size to the bytes on their way.
    bool queueWrites = false;
    int attempts = 0;
    QList<QByteArray> written;

    // The link goes down, as a pulled adapter or a closed connection would take it.
    void drop() { linkDown(QStringLiteral("pulled")); }
    void reply(const QByteArray& bytes) { deliverReceived(bytes); }

protected:
    void connectLink() override;
    void disconnectLink() override { queued = 0; }
    qint64 linkBytesQueued() const override { return queued; }
    bool writeToLink(const QByteArray& bytes) override;
};

#pragma once

#include <QByteArray>
#include <QList>
#include <QtGlobal>

class Clock;

// Finds the board's replies in the bytes the port receives: each reply is the text between
// "<<<" and the next ">>>"; bytes outside a reply are ignored. Markers may arrive split over
// several reads. A "<<<" inside a reply starts the reply over. A reply longer than
// MaximumReply bytes, or one whose end has not come within MaximumWaitMs on the clock, is
// dropped, and the matcher waits for the next "<<<".
class ReplyMatcher {
public:
    static constexpr int MaximumReply = 4096;
    static constexpr qint64 MaximumWaitMs = 120000;

    explicit ReplyMatcher(Clock& clock);

    // The replies completed by these bytes, in order.
    QList<QByteArray> feed(const QByteArray& bytes);
    bool insideReply() const { return m_inside; }

private:
    void startReply();
    void drop();

    Clock& m_clock;
    bool m_inside = false;
    // Outside a reply: the last bytes, enough to see a start marker split over reads.
    // Inside: the reply so far, possibly ending in part of an end marker.
    QByteArray m_bytes;
    qint64 m_startedMs = 0;
};

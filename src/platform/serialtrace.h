#pragma once

#include <QByteArray>
#include <QString>

#include <deque>

// The last entries the port sent and received, one byte each, written as a
// hexadecimal listing when the port closes.
class SerialTrace {
public:
    enum class Direction { Sent, Received };
    static constexpr int Capacity = 10000;

    struct Entry {
        Direction direction;
        unsigned char byte;
    };

    void record(Direction direction, const QByteArray& bytes);
    const std::deque<Entry>& entries() const { return m_entries; }
    // The listing: one line per run of bytes in the same direction, at most 16 a line,
    // "S:" for sent and "R:" for received, bytes as two upper-case hex digits.
    QByteArray listing() const;
    // Writes the listing; false when the file cannot be written.
    bool writeTo(const QString& path) const;

private:
    std::deque<Entry> m_entries;
};

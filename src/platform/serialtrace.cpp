#include "serialtrace.h"

#include <QSaveFile>

void SerialTrace::record(Direction direction, const QByteArray& bytes) {
    for (const char c : bytes) {
        m_entries.push_back({direction, static_cast<unsigned char>(c)});
        if (m_entries.size() > static_cast<size_t>(Capacity))
            m_entries.pop_front();
    }
}

QByteArray SerialTrace::listing() const {
    static const char digits[] = "0123456789ABCDEF";
    QByteArray out;
    out.reserve(static_cast<int>(m_entries.size()) * 3 + 64);
    bool first = true;
    Direction current = Direction::Sent;
    int onLine = 0;
    for (const Entry& e : m_entries) {
        if (first || e.direction != current || onLine == 16) {
            if (!first)
                out += "\r\n";
            out += e.direction == Direction::Sent ? "S:" : "R:";
            current = e.direction;
            onLine = 0;
            first = false;
        }
        out += ' ';
        out += digits[e.byte >> 4];
        out += digits[e.byte & 0x0F];
        ++onLine;
    }
    if (!first)
        out += "\r\n";
    return out;
}

bool SerialTrace::writeTo(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(listing());
    return file.commit();
}

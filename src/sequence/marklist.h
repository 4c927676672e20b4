#pragma once

#include <QByteArray>
#include <QList>

// The numbers of the marked entries, in the order they were marked.
class MarkList {
public:
    void append(const QByteArray& number);
    // Removes every occurrence; false when the number was not there.
    bool remove(const QByteArray& number);
    bool contains(const QByteArray& number) const;
    void clear() { m_numbers.clear(); }
    const QList<QByteArray>& numbers() const { return m_numbers; }

private:
    QList<QByteArray> m_numbers;
};

#include "marklist.h"

void MarkList::append(const QByteArray& number) {
    m_numbers.append(number);
}

bool MarkList::remove(const QByteArray& number) {
    return m_numbers.removeAll(number) > 0;
}

bool MarkList::contains(const QByteArray& number) const {
    return m_numbers.contains(number);
}

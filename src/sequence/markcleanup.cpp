#include "markcleanup.h"

#include "marklist.h"
#include "sequencetable.h"

bool MarkCleanup::dropUnheld(const SequenceTable& table, MarkList& marks) {
    bool dropped = false;
    const QList<QByteArray> numbers = marks.numbers();
    for (const QByteArray& number : numbers) {
        if (table.findNumber(number) == 0)
            dropped = marks.remove(number) || dropped;
    }
    return dropped;
}

// The comma-list reader, which takes the text, parameter and note cells of a file apart, and
// the writer that builds them from the editor's lines.
//
// Properties: the input as a cell reads into items that the writer writes back into a cell
// that reads the same; the input split at its line feeds, taken as lines (a NUL becomes a
// space, as in every cell), is written into a cell that reads back into exactly those lines.

#include "fuzzcheck.h"

#include "sequence/commalist.h"

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<int>(size));

    const QList<QByteArray> items = CommaList::read(input);
    for (const QByteArray& item : items)
        FUZZ_CHECK(!item.contains('\0'));
    const QByteArray cell = CommaList::write(items);
    FUZZ_CHECK(CommaList::read(cell) == items);

    QList<QByteArray> lines = QByteArray(input).replace('\0', ' ').split('\n');
    if (input.isEmpty())
        lines.clear();
    FUZZ_CHECK(CommaList::read(CommaList::write(lines)) == lines);
    return 0;
}

// The list of further boards (WeitereAnzeigen) as the settings file gives it: any text.
//
// Properties: the items read are written back as a list that reads as the same boards, with
// nothing refused; every board's text reads back as that board; every item of the input is
// either read or named as refused.

#include "fuzzcheck.h"

#include "display/boardaddress.h"
#include "platform/windows1252.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = Windows1252::toUnicode(
        QByteArray(reinterpret_cast<const char*>(data), static_cast<int>(size)));
    QStringList refused;
    const QList<BoardAddress> boards = BoardAddress::parseList(text, &refused);

    QStringList again;
    FUZZ_CHECK(BoardAddress::parseList(BoardAddress::joinList(boards), &again) == boards);
    FUZZ_CHECK(again.isEmpty());
    for (const BoardAddress& board : boards) {
        const std::optional<BoardAddress> read = BoardAddress::parse(board.text());
        FUZZ_CHECK(read.has_value() && read->text() == board.text());
        FUZZ_CHECK(!board.text().contains(QLatin1Char(',')));
    }
    int items = 0;
    for (const QString& item : text.split(QLatin1Char(',')))
        items += item.trimmed().isEmpty() ? 0 : 1;
    FUZZ_CHECK(boards.size() + refused.size() <= items);
    return 0;
}

// The board's reader of its line, fed whatever arrives on it in reads of any size, and the
// screen frames the program builds, read back the way the board reads them.
//
// The first bytes of the input choose the board's size, the read sizes and whether this run
// builds a frame, the rest is the line's bytes or the display image's text.
//
// Properties of arbitrary bytes: the events do not depend on how the bytes were cut into
// reads; a frame has the board's lines and columns and no control byte, and is what the
// program would send for those lines; an upload comes after a request, is at most 2048 bytes
// and ends where the upload reader says it does; a framing error says what was wrong.
// Properties of a built frame: the reader gives back each line cut or padded to the board's
// width with control bytes as spaces, in one read or many, and refuses it on a board of
// another size.

#include "fuzzcheck.h"

#include "board/boardreceiver.h"
#include "board/frameparser.h"
#include "board/uploadparser.h"
#include "display/displayimage.h"
#include "display/screenframe.h"
#include "display/uploadbuilder.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {

using Event = BoardReceiver::Event;

bool sameEvents(const QList<Event>& a, const QList<Event>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].type != b[i].type || a[i].lines != b[i].lines || a[i].bytes != b[i].bytes ||
            a[i].detail != b[i].detail)
            return false;
    return true;
}

QByteArray frameOf(const QList<QByteArray>& lines, int lineCount, int columnCount) {
    DisplayImage image;
    for (qsizetype k = 0; k < lines.size(); ++k)
        image.setLine(static_cast<int>(k), lines[k]);
    return ScreenFrame::build(image, lineCount, columnCount);
}

// Feeds the bytes in reads whose sizes cycle through reads (1 to 256, 255 meaning all).
QList<Event> feedInReads(BoardReceiver& receiver, const QByteArray& bytes,
                         const std::vector<std::uint8_t>& reads) {
    QList<Event> events;
    qsizetype offset = 0;
    std::size_t next = 0;
    while (offset < bytes.size()) {
        qsizetype length = 1;
        if (!reads.empty()) {
            const std::uint8_t r = reads[next++ % reads.size()];
            length = r == 255 ? bytes.size() : r + 1;
        }
        events += receiver.feed(bytes.mid(offset, length));
        offset += length;
    }
    return events;
}

void checkEvents(const QList<Event>& events, const QByteArray& bytes, int lineCount,
                 int columnCount) {
    const qsizetype frameSize = qsizetype(lineCount) * columnCount + 2;
    qsizetype frames = 0;
    qsizetype requests = 0;
    qsizetype uploads = 0;
    qsizetype uploadBytes = 0;
    for (const Event& event : events) {
        switch (event.type) {
        case Event::Type::Frame:
            ++frames;
            FUZZ_CHECK(event.lines.size() == lineCount);
            for (const QByteArray& line : event.lines) {
                FUZZ_CHECK(line.size() == columnCount);
                for (char c : line)
                    FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20);
            }
            FUZZ_CHECK(bytes.contains(frameOf(event.lines, lineCount, columnCount)));
            break;
        case Event::Type::UploadRequest:
            ++requests;
            break;
        case Event::Type::Upload:
            ++uploads;
            // Each upload answers a request of its own.
            FUZZ_CHECK(uploads <= requests);
            FUZZ_CHECK(event.bytes.size() <= UploadBuilder::MaximumSize);
            FUZZ_CHECK(UploadParser::completeLength(event.bytes) == event.bytes.size());
            FUZZ_CHECK(event.bytes.front() >= '0' && event.bytes.front() <= '9');
            uploadBytes += event.bytes.size();
            break;
        case Event::Type::FramingError:
            FUZZ_CHECK(!event.detail.isEmpty());
            break;
        }
    }
    FUZZ_CHECK(frames * frameSize + requests + uploadBytes <= bytes.size());
}

// Arbitrary bytes on the line of a board of lineCount x columnCount.
void readLine(const QByteArray& bytes, int lineCount, int columnCount,
              const std::vector<std::uint8_t>& reads) {
    BoardReceiver whole(lineCount, columnCount);
    const QList<Event> expected = whole.feed(bytes);
    checkEvents(expected, bytes, lineCount, columnCount);

    BoardReceiver receiver(lineCount, columnCount);
    const QList<Event> events = feedInReads(receiver, bytes, reads);
    FUZZ_CHECK(sameEvents(events, expected));
    FUZZ_CHECK(receiver.receivingUpload() == whole.receivingUpload());
    receiver.reset();
    FUZZ_CHECK(!receiver.receivingUpload());

    if (const auto lines = FrameParser::parse(bytes, lineCount, columnCount)) {
        FUZZ_CHECK(frameOf(*lines, lineCount, columnCount) == bytes);
        FUZZ_CHECK(expected.size() == 1 && expected.front().type == Event::Type::Frame &&
                   expected.front().lines == *lines);
    }
}

// A frame built by the program from the given slotTexts, read back by the board.
void readBuiltFrame(const QList<QByteArray>& slotTexts, int lineCount, int columnCount,
                    const std::vector<std::uint8_t>& reads) {
    const QByteArray frame = frameOf(slotTexts, lineCount, columnCount);
    QList<QByteArray> expected;
    for (int k = 0; k < lineCount; ++k) {
        QByteArray line = slotTexts.value(k).left(columnCount);
        for (char& c : line)
            if (static_cast<unsigned char>(c) < 0x20)
                c = ' ';
        expected.append(line + QByteArray(columnCount - line.size(), ' '));
    }
    const auto lines = FrameParser::parse(frame, lineCount, columnCount);
    FUZZ_CHECK(lines.has_value());
    FUZZ_CHECK(*lines == expected);

    BoardReceiver receiver(lineCount, columnCount);
    const QList<Event> events = feedInReads(receiver, frame + frame, reads);
    FUZZ_CHECK(events.size() == 2);
    for (const Event& event : events)
        FUZZ_CHECK(event.type == Event::Type::Frame && event.lines == expected);

    FUZZ_CHECK(!FrameParser::parse(frame, lineCount, columnCount + 1).has_value());
    FUZZ_CHECK(!FrameParser::parse(frame, lineCount + 1, columnCount).has_value());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const int lineCount = provider.ConsumeIntegralInRange<int>(1, 8);
    const int columnCount = provider.ConsumeIntegralInRange<int>(1, 40);
    const std::size_t readsSize = provider.ConsumeIntegralInRange<std::size_t>(0, 16);
    const std::vector<std::uint8_t> reads = provider.ConsumeBytes<std::uint8_t>(readsSize);
    if (provider.ConsumeBool()) {
        QList<QByteArray> slotTexts;
        while (slotTexts.size() < lineCount + 1 && provider.remaining_bytes() > 0) {
            const std::string text = provider.ConsumeRandomLengthString(2 * columnCount);
            slotTexts.append(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        }
        readBuiltFrame(slotTexts, lineCount, columnCount, reads);
        return 0;
    }
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    readLine(QByteArray(rest.data(), static_cast<qsizetype>(rest.size())), lineCount, columnCount,
             reads);
    return 0;
}

// The reply matcher, fed the bytes from the board the way the port delivers them: in reads
// of any size, sometimes with minutes between two reads.
//
// The first bytes of the input choose the read sizes and the waits, the rest is what the
// board sends. Properties: without waits, the replies do not depend on how the bytes were cut
// into reads; a reply never holds a marker and is never longer than the matcher allows.

#include "fuzzcheck.h"

#include "display/replymatcher.h"
#include "platform/clock.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QByteArray>
#include <QList>

#include <cstddef>
#include <cstdint>

namespace {

class SteppedClock final : public Clock {
public:
    std::unique_ptr<Timer> createTimer(const QString&, int, QObject*) override { return {}; }
    qint64 nowMs() const override { return m_nowMs; }
    void advance(qint64 ms) { m_nowMs += ms; }

private:
    qint64 m_nowMs = 0;
};

void checkReplies(const QList<QByteArray>& replies) {
    for (const QByteArray& reply : replies) {
        FUZZ_CHECK(reply.size() <= ReplyMatcher::MaximumReply);
        FUZZ_CHECK(!reply.contains("<<<"));
        FUZZ_CHECK(!reply.contains(">>>"));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::size_t readsSize = provider.ConsumeIntegralInRange<std::size_t>(0, 64);
    const std::vector<std::uint8_t> reads = provider.ConsumeBytes<std::uint8_t>(readsSize);
    const bool waits = provider.ConsumeBool();
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), static_cast<int>(rest.size()));

    SteppedClock wholeClock;
    ReplyMatcher whole(wholeClock);
    const QList<QByteArray> expected = whole.feed(bytes);
    checkReplies(expected);

    SteppedClock clock;
    ReplyMatcher matcher(clock);
    QList<QByteArray> replies;
    int offset = 0;
    std::size_t next = 0;
    while (offset < bytes.size()) {
        // Read sizes from 1 to 256, and now and then a large one.
        int length = 1;
        if (!reads.empty()) {
            const std::uint8_t r = reads[next++ % reads.size()];
            length = r == 255 ? 8192 : r + 1;
            if (waits && r % 7 == 0)
                clock.advance(r % 2 ? ReplyMatcher::MaximumWaitMs
                                    : ReplyMatcher::MaximumWaitMs - 1);
        }
        replies += matcher.feed(bytes.mid(offset, length));
        offset += length;
    }
    checkReplies(replies);
    if (!waits)
        FUZZ_CHECK(replies == expected);
    return 0;
}

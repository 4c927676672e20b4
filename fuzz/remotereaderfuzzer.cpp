// The remote's readers of network bytes: a TCP stream cut into packets by the SLIP or
// size-prefix framing (in reads of any size), each packet read as OSC, each message through
// the address table and the protocol; and the same bytes as a plain-text datagram.
//
// The first bytes choose the read sizes, the passcode state and the lock; the rest is the
// stream. Properties: the framer never holds more than one packet; how the stream is cut into
// reads does not change the packets; every answer is a well-formed OSC message at its reply
// address with a known status.

#include "fuzzcheck.h"

#include "remote/osccodec.h"
#include "remote/oscstreamframer.h"
#include "remote/plaintextreader.h"
#include "remote/remotecommandtarget.h"
#include "remote/remoteprotocol.h"
#include "remote/remoterequest.h"

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

struct AcceptingTarget final : RemoteCommandTarget {
    void run(const RemoteRequest& request, const QString&, Finished finished) override {
        FUZZ_CHECK(request.controlsPlayback());
        if (!request.number.isEmpty())
            FUZZ_CHECK(request.number.size() == 5);
        finished(request.number == "00013" ? QStringLiteral("no such text") : QString());
    }
    RemoteState state() const override { return {}; }
};

void checkAnswer(const RemoteProtocol::Answer& answer) {
    FUZZ_CHECK(answer.answered);
    FUZZ_CHECK(answer.address.startsWith("/lumentafel/reply/"));
    FUZZ_CHECK(answer.status == "ok" || answer.status == "error" || answer.status == "badpass" ||
               answer.status == "denied");
    const QList<OscMessage> reply =
        OscCodec::decode(OscCodec::encode(answer.address, {answer.status, answer.detail}));
    FUZZ_CHECK(reply.size() == 1);
    FUZZ_CHECK(reply.front().address == answer.address);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider provider(data, size);
    const std::size_t readsSize = provider.ConsumeIntegralInRange<std::size_t>(0, 32);
    const std::vector<std::uint8_t> reads = provider.ConsumeBytes<std::uint8_t>(readsSize);
    const bool passcode = provider.ConsumeBool();
    const bool locked = provider.ConsumeBool();
    const std::string rest = provider.ConsumeRemainingBytesAsString();
    const QByteArray bytes(rest.data(), static_cast<int>(rest.size()));

    SteppedClock clock;
    AcceptingTarget target;
    RemoteProtocol protocol(target, clock);
    if (passcode)
        protocol.setPasscode("pw");
    protocol.setLocked(locked);
    RemoteSender sender;
    sender.transport = RemoteSender::Transport::Tcp;
    sender.host = QStringLiteral("127.0.0.1");

    OscStreamFramer whole;
    const QList<QByteArray> expected = whole.feed(bytes);

    OscStreamFramer framer;
    QList<QByteArray> packets;
    int offset = 0;
    std::size_t next = 0;
    while (offset < bytes.size()) {
        const int length = reads.empty() ? int(bytes.size()) : reads[next++ % reads.size()] + 1;
        packets += framer.feed(bytes.mid(offset, length));
        FUZZ_CHECK(framer.pendingBytes() <= OscStreamFramer::MaximumPacket);
        offset += length;
    }
    FUZZ_CHECK(packets == expected);
    FUZZ_CHECK(framer.isBroken() == whole.isBroken());

    for (const QByteArray& packet : packets) {
        FUZZ_CHECK(packet.size() <= OscStreamFramer::MaximumPacket);
        const QList<OscMessage> messages = OscCodec::decode(packet);
        FUZZ_CHECK(messages.size() <= OscCodec::MaximumMessagesPerPacket);
        for (const OscMessage& message : messages) {
            clock.advance(1000);
            protocol.handle(sender, message, checkAnswer);
        }
    }
    // The bytes as one UDP datagram, OSC and plain text.
    for (const OscMessage& message : OscCodec::decode(bytes))
        protocol.handle(sender, message, checkAnswer);
    if (const std::optional<OscMessage> text = PlainTextReader::read(bytes)) {
        FUZZ_CHECK(text->arguments.size() <= PlainTextReader::MaximumArguments);
        protocol.handle(sender, *text, checkAnswer);
    }
    return 0;
}

#include "display/replymatcher.h"

#include "virtualclock.h"

#include <QTest>

using Reads = QList<QByteArray>;
using Replies = QList<QByteArray>;

class ReplyMatcherTest : public QObject {
    Q_OBJECT

private slots:
    void replies_data();
    void replies();
    void replyWithoutEndIsDroppedAfterTwoMinutes();
};

// Each row feeds its reads in order and collects every reply found.
void ReplyMatcherTest::replies_data() {
    QTest::addColumn<Reads>("reads");
    QTest::addColumn<Replies>("expected");

    const QByteArray longest(ReplyMatcher::MaximumReply, 'x');
    QTest::newRow("one reply") << Reads{"<<<BEREIT!>>>"} << Replies{"BEREIT!"};
    QTest::newRow("markers split across reads")
        << Reads{"<", "<<BER", "EIT!>", ">", ">"} << Replies{"BEREIT!"};
    QTest::newRow("junk outside is ignored")
        << Reads{"xx>>>OK!<<", "<OK!>>>yy<<", "z"} << Replies{"OK!"};
    QTest::newRow("two replies in one read")
        << Reads{"<<<BEREIT!>>><<<OK!>>>"} << Replies{"BEREIT!", "OK!"};
    QTest::newRow("empty reply") << Reads{"<<<>>>"} << Replies{QByteArray()};
    QTest::newRow("a new start marker starts over")
        << Reads{"<<<BERE", "<<<OK!>>>"} << Replies{"OK!"};
    QTest::newRow("reply of the largest size")
        << Reads{"<<<" + longest + ">>>"} << Replies{longest};
    QTest::newRow("one byte more is dropped, the next reply is found")
        << Reads{"<<<" + longest, "x>>>", "<<<OK!>>>"} << Replies{"OK!"};
    QTest::newRow("babble without markers")
        << Reads{QByteArray(100000, '<').replace(0, 1, "x")} << Replies{};
}

void ReplyMatcherTest::replies() {
    QFETCH(Reads, reads);
    QFETCH(Replies, expected);
    VirtualClock clock;
    ReplyMatcher matcher(clock);
    Replies found;
    for (const QByteArray& read : reads)
        found += matcher.feed(read);
    QCOMPARE(found, expected);
}

void ReplyMatcherTest::replyWithoutEndIsDroppedAfterTwoMinutes() {
    VirtualClock clock;
    ReplyMatcher matcher(clock);
    matcher.feed("<<<BER");
    clock.advance(ReplyMatcher::MaximumWaitMs - 1);
    QCOMPARE(matcher.feed("EIT!>>>"), Replies{"BEREIT!"});
    matcher.feed("<<<BER");
    clock.advance(ReplyMatcher::MaximumWaitMs);
    QCOMPARE(matcher.feed("EIT!>>>"), Replies{});
    QCOMPARE(matcher.feed("<<<OK!>>>"), Replies{"OK!"});
}

QTEST_MAIN(ReplyMatcherTest)
#include "tst_replymatcher.moc"

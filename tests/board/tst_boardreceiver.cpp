#include "board/boardreceiver.h"
#include "display/displayimage.h"
#include "display/screenframe.h"

#include <QTest>

using Type = BoardReceiver::Event::Type;

namespace {

QByteArray frame(const QList<QByteArray>& lines, int columns) {
    DisplayImage image;
    for (int i = 0; i < lines.size(); ++i)
        image.setLine(i, lines.at(i));
    return ScreenFrame::build(image, int(lines.size()), columns);
}

// The events as short words: "F:HALLO|WELT" for a frame, "E" for a framing error, "R" for a
// request, "U:<size>" for an upload.
QStringList describe(const QList<BoardReceiver::Event>& events) {
    QStringList out;
    for (const BoardReceiver::Event& e : events) {
        switch (e.type) {
        case Type::Frame:
            out << QStringLiteral("F:") + QString::fromLatin1(e.lines.join('|'));
            break;
        case Type::FramingError:
            out << QStringLiteral("E");
            break;
        case Type::UploadRequest:
            out << QStringLiteral("R");
            break;
        case Type::Upload:
            out << QStringLiteral("U:%1").arg(e.bytes.size());
            break;
        }
    }
    return out;
}

// A valid upload on 2 x 2: one block of two lines.
const QByteArray upload = [] {
    QByteArray body = QByteArray("020002B03ABCD\x02") + char(0xF3);
    quint64 sum = 0;
    for (char c : body)
        sum += static_cast<unsigned char>(c);
    return body + QByteArray::number(sum).rightJustified(8, ' ');
}();

} // namespace

class BoardReceiverTest : public QObject {
    Q_OBJECT

private slots:
    void events_data();
    void events();
    void splitAnywhereGivesTheSameEvents();
    void resetGivesUpAnUnfinishedUpload();
};

void BoardReceiverTest::events_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("expected");
    const QByteArray ab = frame({"AB", "CD"}, 2);
    QTest::newRow("two frames") << ab + frame({"X", ""}, 2) << QStringList{"F:AB|CD", "F:X |  "};
    QTest::newRow("request byte inside a frame is text")
        << frame({"UU", "UU"}, 2) << QStringList{"F:UU|UU"};
    QTest::newRow("junk before a frame counts once")
        << QByteArray("xyz") + ab << QStringList{"E", "F:AB|CD"};
    QTest::newRow("short frame, the next one still read") << QByteArray("\x02"
                                                                        "AB\x03") +
                                                                 ab
                                                          << QStringList{"E", "F:AB|CD"};
    QTest::newRow("frame cut by the next STX") << QByteArray("\x02"
                                                             "ABC") +
                                                      ab
                                               << QStringList{"E", "F:AB|CD"};
    QTest::newRow("frame too long") << QByteArray("\x02"
                                                  "ABCDE\x03") +
                                           ab
                                    << QStringList{"E", "F:AB|CD"};
    QTest::newRow("request, upload, then a frame")
        << QByteArray("U") + upload + ab
        << QStringList{"R", QStringLiteral("U:%1").arg(upload.size()), "F:AB|CD"};
    QTest::newRow("request repeated before the upload")
        << QByteArray("UU") + upload
        << QStringList{"R", "R", QStringLiteral("U:%1").arg(upload.size())};
    QTest::newRow("upload text holding 0xF3 and U is read to its real end")
        << QByteArray("U") +
               [] {
                   QByteArray body = QByteArray("010002B03\xF3U\x02") + char(0xF3);
                   quint64 sum = 0;
                   for (char c : body)
                       sum += static_cast<unsigned char>(c);
                   return body + QByteArray::number(sum).rightJustified(8, ' ');
               }()
        << QStringList{"R", "U:21"};
    QTest::newRow("upload that never ends is dropped at 2048 bytes")
        << QByteArray("U020002B") + QByteArray(2100, 'A') + ab << QStringList{"R", "E", "F:AB|CD"};
}

void BoardReceiverTest::events() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, expected);
    BoardReceiver receiver(2, 2);
    QCOMPARE(describe(receiver.feed(bytes)), expected);
}

void BoardReceiverTest::splitAnywhereGivesTheSameEvents() {
    const QByteArray bytes =
        QByteArray("zz") + frame({"AB", "CD"}, 2) + "U" + upload + frame({"EF", "GH"}, 2);
    const QStringList expected{"E", "F:AB|CD", "R", QStringLiteral("U:%1").arg(upload.size()),
                               "F:EF|GH"};
    for (qsizetype cut = 0; cut <= bytes.size(); ++cut) {
        BoardReceiver receiver(2, 2);
        QList<BoardReceiver::Event> events = receiver.feed(bytes.left(cut));
        events += receiver.feed(bytes.mid(cut));
        QCOMPARE(describe(events), expected);
    }
}

void BoardReceiverTest::resetGivesUpAnUnfinishedUpload() {
    BoardReceiver receiver(2, 2);
    receiver.feed("U020002B03");
    QVERIFY(receiver.receivingUpload());
    QVERIFY(receiver.reset());
    QCOMPARE(describe(receiver.feed("U" + upload)),
             (QStringList{"R", QStringLiteral("U:%1").arg(upload.size())}));
}

QTEST_APPLESS_MAIN(BoardReceiverTest)
#include "tst_boardreceiver.moc"

#include "display/displayimage.h"
#include "display/screenframe.h"
#include "display/texthelpers.h"

#include <QTest>

class ScreenFrameTest : public QObject {
    Q_OBJECT

private slots:
    void frame_data();
    void frame();
    void everyByteFromSpaceUpGoesOutUnchanged();
    void stopBlanksOnlyTheVisibleSlots();
    void imageIgnoresIndicesOutsideItsSlots();
};

static QByteArray spaces(int n) {
    return QByteArray(n, ' ');
}

// Slots are given as a list; the expected frame is spelled out byte for byte.
void ScreenFrameTest::frame_data() {
    QTest::addColumn<QList<QByteArray>>("texts");
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("3x24 HALLO, empty, umlauts")
        << QList<QByteArray>{"HALLO", "", "\xC4\xD6\xDC"} << 3 << 24
        << QByteArray("\x02"
                      "HALLO" +
                      spaces(19) + spaces(24) + "\xC4\xD6\xDC" + spaces(21) + "\x03");
    QTest::newRow("over-long slot is cut")
        << QList<QByteArray>{"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234"} << 1 << 24
        << QByteArray("\x02"
                      "ABCDEFGHIJKLMNOPQRSTUVWX\x03");
    QTest::newRow("control bytes become spaces")
        << QList<QByteArray>{QByteArray("A\tB\r\nC\x01\x1F\x7F", 9)} << 1 << 10
        << QByteArray("\x02"
                      "A B  C  \x7F \x03");
    QTest::newRow("NUL inside a slot becomes a space")
        << QList<QByteArray>{QByteArray("A\0B", 3)} << 1 << 3
        << QByteArray("\x02"
                      "A B\x03");
    QTest::newRow("all empty is the blank display")
        << QList<QByteArray>{} << 4 << 5 << QByteArray("\x02" + spaces(20) + "\x03");
    QTest::newRow("slots beyond the line count stay off the frame")
        << QList<QByteArray>{"A", "B", "C"} << 2 << 2
        << QByteArray("\x02"
                      "A B \x03");
    QTest::newRow("one column") << QList<QByteArray>{"XY", "", "Z"} << 3 << 1
                                << QByteArray("\x02"
                                              "X Z\x03");
}

void ScreenFrameTest::frame() {
    QFETCH(QList<QByteArray>, texts);
    QFETCH(int, lines);
    QFETCH(int, columns);
    QFETCH(QByteArray, expected);

    DisplayImage image;
    for (int i = 0; i < texts.size(); ++i)
        image.setLine(i, texts.at(i));
    const QByteArray frame = ScreenFrame::build(image, lines, columns);
    QCOMPARE(frame.size(), lines * columns + 2);
    QCOMPARE(frame, expected);
    QCOMPARE(buildScreenFrame(image, lines, columns), frame);

    // The fitting rule the frame must agree with, line by line.
    for (int k = 0; k < lines; ++k) {
        QByteArray fitted = TextHelpers::cutToWidth(
            TextHelpers::appendCopies(image.line(k), " ", columns), columns);
        for (char& c : fitted) {
            if (static_cast<unsigned char>(c) < 0x20)
                c = ' ';
        }
        QCOMPARE(frame.mid(1 + k * columns, columns), fitted);
    }
}

void ScreenFrameTest::everyByteFromSpaceUpGoesOutUnchanged() {
    QByteArray all;
    for (int b = 0x20; b <= 0xFF; ++b)
        all += static_cast<char>(b);
    DisplayImage image;
    image.setLine(0, all);
    const QByteArray frame = ScreenFrame::build(image, 1, all.size());
    QCOMPARE(frame.mid(1, all.size()), all);
}

void ScreenFrameTest::stopBlanksOnlyTheVisibleSlots() {
    DisplayImage image;
    for (int i = 0; i < 5; ++i)
        image.setLine(i, "TEXT");
    image.clearFirst(3);
    QCOMPARE(ScreenFrame::build(image, 3, 4), QByteArray("\x02" + spaces(12) + "\x03"));
    QCOMPARE(image.line(3), QByteArray("TEXT"));
    image.clear();
    QCOMPARE(image.line(4), QByteArray());
}

void ScreenFrameTest::imageIgnoresIndicesOutsideItsSlots() {
    DisplayImage image;
    image.setLine(-1, "X");
    image.setLine(DisplayImage::SlotCount, "X");
    image.setLine(DisplayImage::SlotCount - 1, "LAST");
    QCOMPARE(image.line(-1), QByteArray());
    QCOMPARE(image.line(DisplayImage::SlotCount), QByteArray());
    QCOMPARE(image.line(DisplayImage::SlotCount - 1), QByteArray("LAST"));
    image.clearFirst(DisplayImage::SlotCount + 100);
    QCOMPARE(image.line(DisplayImage::SlotCount - 1), QByteArray());
}

QTEST_GUILESS_MAIN(ScreenFrameTest)
#include "tst_screenframe.moc"

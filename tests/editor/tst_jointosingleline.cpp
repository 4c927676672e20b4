#include "editor/jointosingleline.h"

#include <QTest>

class JoinToSingleLineTest : public QObject {
    Q_OBJECT

private slots:
    void joined_data();
    void joined();
};

void JoinToSingleLineTest::joined_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("inner break") << QByteArray("A\r\nB") << QByteArray("A B");
    QTest::newRow("final break vanishes")
        << QByteArray("Hallo\r\nWelt\r\n") << QByteArray("Hallo Welt");
    QTest::newRow("empty line between") << QByteArray("A\r\n\r\nB") << QByteArray("A  B");
    QTest::newRow("lone line feed") << QByteArray("A\nB") << QByteArray("AB");
    QTest::newRow("lone carriage return") << QByteArray("A\rB") << QByteArray("AB");
    QTest::newRow("tab and control") << QByteArray("A\tB\x01"
                                                   "C")
                                     << QByteArray("ABC");
    QTest::newRow("only a break") << QByteArray("\r\n") << QByteArray();
    QTest::newRow("leading break") << QByteArray("\r\nA") << QByteArray(" A");
    QTest::newRow("line feed first") << QByteArray("\nA") << QByteArray("A");
    QTest::newRow("high bytes stay") << QByteArray("\xc4\x80\xff") << QByteArray("\xc4\x80\xff");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void JoinToSingleLineTest::joined() {
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, expected);
    QCOMPARE(joinToSingleLine(text), expected);
}

QTEST_APPLESS_MAIN(JoinToSingleLineTest)
#include "tst_jointosingleline.moc"

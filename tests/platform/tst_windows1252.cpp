#include "platform/windows1252.h"

#include <QStringDecoder>
#include <QTest>

class Windows1252Test : public QObject {
    Q_OBJECT

private slots:
    void codecNameIsKnownToQt() {
        QStringDecoder decoder("windows-1252");
        QVERIFY(decoder.isValid());
    }
    void roundTrip_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("HALLO 1,2") << QByteArray("HALLO 1,2");
        QTest::newRow("umlauts") << QStringLiteral("ÄÖÜßäöü")
                                 << QByteArray("\xC4\xD6\xDC\xDF\xE4\xF6\xFC");
        QTest::newRow("euro") << QStringLiteral("€") << QByteArray("\x80");
        QTest::newRow("controls") << QStringLiteral("\t\r\n") << QByteArray("\t\r\n");
    }
    void roundTrip() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(Windows1252::fromUnicode(text), bytes);
        QCOMPARE(Windows1252::toUnicode(bytes), text);
    }
    void unencodable() {
        QVERIFY(!Windows1252::canEncode(QChar(0x0416))); // Cyrillic Zhe
        QVERIFY(!Windows1252::canEncode(QChar(0x0100))); // A with macron
        QVERIFY(Windows1252::canEncode(QChar(0x20AC)));
        QCOMPARE(Windows1252::fromUnicode(QStringLiteral("AЖB")), QByteArray("A?B"));
    }
};

QTEST_GUILESS_MAIN(Windows1252Test)
#include "tst_windows1252.moc"

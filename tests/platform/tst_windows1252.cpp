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
        // One character beyond the 16-bit range is one byte, not two.
        const QString text = QStringLiteral("é→\U0001F600Ж€");
        QCOMPARE(Windows1252::fromUnicode(text, Windows1252::UnencodableMark),
                 QByteArray("\xe9\x81\x81\x81\x80"));
        QCOMPARE(
            Windows1252::unencodable(text),
            (QStringList{QStringLiteral("→"), QStringLiteral("\U0001F600"), QStringLiteral("Ж")}));
    }
    void everyByteDecodesLikeQt() {
        QByteArray all;
        for (int b = 0; b < 256; ++b)
            all += static_cast<char>(b);
        QStringDecoder decoder("windows-1252");
        QCOMPARE(Windows1252::toUnicode(all), decoder.decode(all));
    }
    void equalIgnoringCase_data() {
        QTest::addColumn<QByteArray>("a");
        QTest::addColumn<QByteArray>("b");
        QTest::addColumn<bool>("equal");
        QTest::newRow("letters") << QByteArray("00015a") << QByteArray("00015A") << true;
        QTest::newRow("umlauts") << QByteArray("\xE4\xF6\xFC") << QByteArray("\xC4\xD6\xDC")
                                 << true;
        QTest::newRow("y diaeresis") << QByteArray("\xFF") << QByteArray("\x9F") << true;
        QTest::newRow("sharp s only itself") << QByteArray("\xDF") << QByteArray("SS") << false;
        QTest::newRow("different") << QByteArray("A1") << QByteArray("A2") << false;
        QTest::newRow("length") << QByteArray("A") << QByteArray("AA") << false;
        QTest::newRow("division sign is no letter")
            << QByteArray("\xF7") << QByteArray("\xD7") << false;
    }
    void equalIgnoringCase() {
        QFETCH(QByteArray, a);
        QFETCH(QByteArray, b);
        QFETCH(bool, equal);
        QCOMPARE(Windows1252::equalIgnoringCase(a, b), equal);
    }
};

QTEST_GUILESS_MAIN(Windows1252Test)
#include "tst_windows1252.moc"

#include "editor/checkdisplaycharacters.h"

#include <QTest>

class CheckDisplayCharactersTest : public QObject {
    Q_OBJECT

private slots:
    void checked_data();
    void checked();
};

void CheckDisplayCharactersTest::checked_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("lowerCase");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<QByteArray>("replaced");

    QTest::newRow("plain upper") << QByteArray("HALLO 1!") << false << QByteArray("HALLO 1!")
                                 << QByteArray();
    QTest::newRow("forced upper") << QByteArray("hallo") << false << QByteArray("HALLO")
                                  << QByteArray();
    QTest::newRow("lower kept") << QByteArray("hallo") << true << QByteArray("hallo")
                                << QByteArray();
    // ä ö ü become Ä Ö Ü, ß has no capital and stays.
    QTest::newRow("umlauts") << QByteArray("stra\xdf"
                                           "e \xe4\xf6\xfc")
                             << false
                             << QByteArray("STRA\xdf"
                                           "E \xc4\xd6\xdc")
                             << QByteArray();
    QTest::newRow("euro and capitals pass") << QByteArray("\x80\xc4\xd6\xdc") << false
                                            << QByteArray("\x80\xc4\xd6\xdc") << QByteArray();
    QTest::newRow("tab and e acute")
        << QByteArray("A\tB\xe9") << false << QByteArray("A#B#") << QByteArray("\t\xe9");
    QTest::newRow("repeats reported")
        << QByteArray("\xe9x\xe9") << true << QByteArray("#x#") << QByteArray("\xe9\xe9");
    QTest::newRow("line feed replaced, carriage return kept")
        << QByteArray("A\r\nB") << false << QByteArray("A\r#B") << QByteArray("\n");
    QTest::newRow("delete and 255")
        << QByteArray("\x7f\xff") << false << QByteArray("##") << QByteArray("\x7f\xff");
    QTest::newRow("untypable but displayable")
        << QByteArray("#[\\]^_`{|}~") << false << QByteArray("#[\\]^_`{|}~") << QByteArray();
    QTest::newRow("empty") << QByteArray() << false << QByteArray() << QByteArray();
}

void CheckDisplayCharactersTest::checked() {
    QFETCH(QByteArray, text);
    QFETCH(bool, lowerCase);
    QFETCH(QByteArray, expected);
    QFETCH(QByteArray, replaced);
    const CheckedText result = checkDisplayCharacters(text, lowerCase);
    QCOMPARE(result.text, expected);
    QCOMPARE(result.replaced, replaced);
    QCOMPARE(result.text.size(), text.size());
}

QTEST_APPLESS_MAIN(CheckDisplayCharactersTest)
#include "tst_checkdisplaycharacters.moc"

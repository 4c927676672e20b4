#include "display/texthelpers.h"

#include <QTest>

// One table for all four helpers: each row names the helper, its arguments and the result.
class TextHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void helpers_data();
    void helpers();
};

void TextHelpersTest::helpers_data() {
    QTest::addColumn<QString>("helper");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("fill");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("expected");

    const QByteArray none;
    QTest::newRow("cut: shorter than n is empty")
        << "cut" << QByteArray("ABC") << none << 5 << QByteArray();
    QTest::newRow("cut: first n") << "cut" << QByteArray("ABCDEF") << none << 4
                                  << QByteArray("ABCD");
    QTest::newRow("cut: exactly n") << "cut" << QByteArray("ABC") << none << 3 << QByteArray("ABC");
    QTest::newRow("cut: n 0") << "cut" << QByteArray("ABC") << none << 0 << QByteArray();
    QTest::newRow("cut: n negative") << "cut" << QByteArray("ABC") << none << -2 << QByteArray();
    QTest::newRow("cut: high bytes kept")
        << "cut" << QByteArray("\xC4\xD6\xDC\x80") << none << 2 << QByteArray("\xC4\xD6");

    QTest::newRow("pad: one-char fill right-aligns")
        << "pad" << QByteArray("AB") << QByteArray(" ") << 5 << QByteArray("   AB");
    QTest::newRow("pad: longer fill stops before n")
        << "pad" << QByteArray("AB") << QByteArray("xy") << 7 << QByteArray("xyxyAB");
    QTest::newRow("pad: longer fill reaching n exactly")
        << "pad" << QByteArray("AB") << QByteArray("xy") << 6 << QByteArray("xyxyAB");
    QTest::newRow("pad: too long is cut")
        << "pad" << QByteArray("ABCDEF") << QByteArray(" ") << 4 << QByteArray("ABCD");
    QTest::newRow("pad: already n long")
        << "pad" << QByteArray("ABCD") << QByteArray(" ") << 4 << QByteArray("ABCD");
    QTest::newRow("pad: fill longer than the gap")
        << "pad" << QByteArray("AB") << QByteArray("xyz") << 4 << QByteArray("AB");
    QTest::newRow("pad: empty text")
        << "pad" << QByteArray() << QByteArray("-") << 3 << QByteArray("---");
    QTest::newRow("pad: empty fill leaves short text")
        << "pad" << QByteArray("AB") << QByteArray() << 5 << QByteArray("AB");
    QTest::newRow("pad: empty fill still cuts")
        << "pad" << QByteArray("ABCDEF") << QByteArray() << 4 << QByteArray("ABCD");
    QTest::newRow("pad: n 0") << "pad" << QByteArray("AB") << QByteArray(" ") << 0 << QByteArray();

    QTest::newRow("prepend: onto empty")
        << "prepend" << QByteArray() << QByteArray("X") << 3 << QByteArray("XXX");
    QTest::newRow("prepend: multi-char fill")
        << "prepend" << QByteArray("A") << QByteArray("ab") << 2 << QByteArray("ababA");
    QTest::newRow("prepend: k 0") << "prepend" << QByteArray("A") << QByteArray("X") << 0
                                  << QByteArray("A");
    QTest::newRow("prepend: k negative")
        << "prepend" << QByteArray("A") << QByteArray("X") << -1 << QByteArray("A");

    QTest::newRow("append: two dashes")
        << "append" << QByteArray("A") << QByteArray("-") << 2 << QByteArray("A--");
    QTest::newRow("append: k 0") << "append" << QByteArray("A") << QByteArray("-") << 0
                                 << QByteArray("A");
    QTest::newRow("append: k negative")
        << "append" << QByteArray("A") << QByteArray("-") << -3 << QByteArray("A");
}

void TextHelpersTest::helpers() {
    QFETCH(QString, helper);
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, fill);
    QFETCH(int, n);
    QFETCH(QByteArray, expected);

    QByteArray result;
    if (helper == QLatin1String("cut"))
        result = TextHelpers::cutToWidth(text, n);
    else if (helper == QLatin1String("pad"))
        result = TextHelpers::padLeftTo(text, fill, n);
    else if (helper == QLatin1String("prepend"))
        result = TextHelpers::prependCopies(text, fill, n);
    else
        result = TextHelpers::appendCopies(text, fill, n);
    QCOMPARE(result, expected);
}

QTEST_GUILESS_MAIN(TextHelpersTest)
#include "tst_texthelpers.moc"

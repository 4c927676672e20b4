#include "editor/kindconversion.h"
#include "editor/typedcharacters.h"

#include <QTest>

// The rules behind the kind tabs and the typing filter, without widgets.
class KindRulesTest : public QObject {
    Q_OBJECT

private slots:
    void typed_data();
    void typed();
    void everyCodeJudged();
    void conversion_data();
    void conversion();
};

void KindRulesTest::typed_data() {
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<bool>("lowerCaseAllowed");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("rejected");

    QTest::newRow("letters to capitals") << QByteArray("az") << false << QByteArray("AZ") << 0;
    QTest::newRow("umlauts to capitals, sharp s stays")
        << QByteArray("\xe4\xf6\xfc\xdf") << false << QByteArray("\xc4\xd6\xdc\xdf") << 0;
    QTest::newRow("lower case allowed") << QByteArray("a\xe4") << true << QByteArray("a\xe4") << 0;
    QTest::newRow("punctuation, digits, euro")
        << QByteArray(" !\"$%09:@\x80") << false << QByteArray(" !\"$%09:@\x80") << 0;
    QTest::newRow("number sign, brackets, tilde refused")
        << QByteArray("#[\\]^_`{|}~\x7f") << false << QByteArray() << 12;
    QTest::newRow("accented letters refused")
        << QByteArray("\xe9\xe0\xc9\xf1") << false << QByteArray() << 4;
    QTest::newRow("mixed") << QByteArray("a#b") << false << QByteArray("AB") << 1;
}

void KindRulesTest::typed() {
    QFETCH(QByteArray, typed);
    QFETCH(bool, lowerCaseAllowed);
    QFETCH(QByteArray, text);
    QFETCH(int, rejected);
    const TypedCharacters::Filtered f = TypedCharacters::filter(typed, lowerCaseAllowed);
    QCOMPARE(f.text, text);
    QCOMPARE(f.rejected, rejected);
}

void KindRulesTest::everyCodeJudged() {
    // The accepted set, counted: 13, 32..34, 36..90, 97..122 and the nine others.
    int accepted = 0;
    for (int code = 0; code < 256; ++code)
        accepted += TypedCharacters::accepted(static_cast<unsigned char>(code)) ? 1 : 0;
    QCOMPARE(accepted, 1 + 3 + 55 + 26 + 8);
}

Q_DECLARE_METATYPE(TextKind)
Q_DECLARE_METATYPE(KindConversion::Step)

void KindRulesTest::conversion_data() {
    QTest::addColumn<TextKind>("from");
    QTest::addColumn<TextKind>("to");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<KindConversion::Step>("step");
    QTest::addColumn<QByteArray>("joined");

    using S = KindConversion::Step;
    const TextKind B = TextKind::Block, Sc = TextKind::Scroll, F = TextKind::Flow;
    QTest::newRow("block to scroll") << B << Sc << QByteArray("A\r\nB") << S::Copy << QByteArray();
    QTest::newRow("scroll to block") << Sc << B << QByteArray("A") << S::Copy << QByteArray();
    QTest::newRow("flow to block") << F << B << QByteArray("A") << S::Copy << QByteArray();
    QTest::newRow("flow to scroll, empty too")
        << F << Sc << QByteArray() << S::Copy << QByteArray();
    QTest::newRow("block to flow joins")
        << B << F << QByteArray("ONE\r\nTWO\r\n") << S::AskThenJoin << QByteArray("ONE TWO");
    QTest::newRow("scroll to flow joins")
        << Sc << F << QByteArray("A\r\n\r\nB") << S::AskThenJoin << QByteArray("A  B");
    QTest::newRow("empty source: nothing asked")
        << B << F << QByteArray() << S::Nothing << QByteArray();
    QTest::newRow("same kind") << B << B << QByteArray("A") << S::Nothing << QByteArray();
}

void KindRulesTest::conversion() {
    QFETCH(TextKind, from);
    QFETCH(TextKind, to);
    QFETCH(QByteArray, source);
    QFETCH(KindConversion::Step, step);
    QFETCH(QByteArray, joined);
    const KindConversion c = convertKind(from, to, source);
    QCOMPARE(c.step, step);
    QCOMPARE(c.joined, joined);
}

QTEST_APPLESS_MAIN(KindRulesTest)
#include "tst_kindrules.moc"

#include "editor/typedcharacters.h"

#include <QTest>

// The typed set over every code: the widget tests type a sample, this catches a wrong bound.
class TypedCharactersTest : public QObject {
    Q_OBJECT

private slots:
    void everyCode();
};

void TypedCharactersTest::everyCode() {
    QByteArray refused;
    for (int code = 1; code < 256; ++code)
        if (!TypedCharacters::accepted(static_cast<unsigned char>(code)))
            refused += static_cast<char>(code);
    QByteArray expected;
    for (int code = 1; code < 256; ++code) {
        const bool ranges = code == 13 || (code >= 32 && code <= 34) ||
                            (code >= 36 && code <= 90) || (code >= 97 && code <= 122);
        if (!ranges && !QByteArray("\x80\xc4\xd6\xdc\xdf\xe4\xf6\xfc").contains(char(code)))
            expected += static_cast<char>(code);
    }
    QCOMPARE(refused, expected);
    const TypedCharacters::Filtered f = TypedCharacters::filter("a#\xe4\xdf~", false);
    QCOMPARE(f.text, QByteArray("A\xc4\xdf"));
    QCOMPARE(f.rejected, 2);
}

QTEST_APPLESS_MAIN(TypedCharactersTest)
#include "tst_typedcharacters.moc"

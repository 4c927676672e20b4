#include "app/inifile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class IniFileTest : public QObject {
    Q_OBJECT

private slots:
    void readString_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray plain = "[Programm]\r\nSprache=GB\r\n";
        QTest::newRow("plain") << plain << QByteArray("Programm") << QByteArray("Sprache")
                               << QByteArray("GB");
        QTest::newRow("case of names")
            << plain << QByteArray("PROGRAMM") << QByteArray("sprache") << QByteArray("GB");
        QTest::newRow("whitespace")
            << QByteArray("  [ Programm ]  \n\t Sprache =  GB \t\n") << QByteArray("Programm")
            << QByteArray("Sprache") << QByteArray("GB");
        QTest::newRow("double quotes") << QByteArray("[P]\nK=\" a b \"\n") << QByteArray("P")
                                       << QByteArray("K") << QByteArray(" a b ");
        QTest::newRow("single quotes")
            << QByteArray("[P]\nK='x'\n") << QByteArray("P") << QByteArray("K") << QByteArray("x");
        QTest::newRow("unmatched quotes kept") << QByteArray("[P]\nK=\"x'\n") << QByteArray("P")
                                               << QByteArray("K") << QByteArray("\"x'");
        QTest::newRow("lone quote kept")
            << QByteArray("[P]\nK=\"\n") << QByteArray("P") << QByteArray("K") << QByteArray("\"");
        QTest::newRow("empty value is no default")
            << QByteArray("[P]\nK=\n") << QByteArray("P") << QByteArray("K") << QByteArray();
        QTest::newRow("comment is no key") << QByteArray("[P]\n;K=1\n") << QByteArray("P")
                                           << QByteArray("K") << QByteArray("default");
        QTest::newRow("key in other section") << QByteArray("[A]\nK=1\n[B]\n") << QByteArray("B")
                                              << QByteArray("K") << QByteArray("default");
        QTest::newRow("key before any section") << QByteArray("K=1\n[P]\n") << QByteArray("P")
                                                << QByteArray("K") << QByteArray("default");
        QTest::newRow("first key wins") << QByteArray("[P]\nK=1\nk=2\n") << QByteArray("P")
                                        << QByteArray("K") << QByteArray("1");
        QTest::newRow("first section wins") << QByteArray("[P]\nK=1\n[p]\nK=2\n") << QByteArray("P")
                                            << QByteArray("K") << QByteArray("1");
        QTest::newRow("equals in value") << QByteArray("[P]\nK=a=b\n") << QByteArray("P")
                                         << QByteArray("K") << QByteArray("a=b");
        QTest::newRow("last line without end")
            << QByteArray("[P]\r\nK=v") << QByteArray("P") << QByteArray("K") << QByteArray("v");
    }
    void readString() {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, expected);
        const IniFile ini = IniFile::fromBytes(file);
        QCOMPARE(ini.readString(section, key, "default"), expected);
    }

    void readInteger_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("decimal") << QByteArray("42") << 42;
        QTest::newRow("spaces") << QByteArray("  7  ") << 7;
        QTest::newRow("plus") << QByteArray("+5") << 5;
        QTest::newRow("minus") << QByteArray("-12") << -12;
        QTest::newRow("leading zeros") << QByteArray("007") << 7;
        QTest::newRow("quoted") << QByteArray("\"8\"") << 8;
        QTest::newRow("hex") << QByteArray("0x1F") << 31;
        QTest::newRow("hex upper X") << QByteArray("0XfF") << 255;
        QTest::newRow("0x alone") << QByteArray("0x") << -1;
        QTest::newRow("bad hex digit") << QByteArray("0x1G") << -1;
        QTest::newRow("signed hex") << QByteArray("-0x1") << -1;
        QTest::newRow("trailing text") << QByteArray("12abc") << -1;
        QTest::newRow("inner space") << QByteArray("1 2") << -1;
        QTest::newRow("sign alone") << QByteArray("-") << -1;
        QTest::newRow("empty") << QByteArray("") << -1;
        QTest::newRow("max") << QByteArray("2147483647") << 2147483647;
        QTest::newRow("min") << QByteArray("-2147483648") << int(-2147483647 - 1);
        QTest::newRow("overflow") << QByteArray("2147483648") << -1;
        QTest::newRow("underflow") << QByteArray("-2147483649") << -1;
        QTest::newRow("huge") << QByteArray("99999999999999999999999") << -1;
        QTest::newRow("hex max") << QByteArray("0x7FFFFFFF") << 2147483647;
        QTest::newRow("hex overflow") << QByteArray("0x80000000") << -1;
        QTest::newRow("hex huge") << QByteArray("0x123456789ABCDEF0123") << -1;
    }
    void readInteger() {
        QFETCH(QByteArray, value);
        QFETCH(int, expected);
        const IniFile ini = IniFile::fromBytes("[A]\r\nN=" + value + "\r\n");
        QCOMPARE(ini.readInteger("a", "n", -1), expected);
        QCOMPARE(ini.readInteger("a", "missing", -3), -3);
    }

    void write_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QByteArray>("key");
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("new file uses CRLF")
            << QByteArray() << QByteArray("Programm") << QByteArray("Sprache") << QByteArray("GB")
            << QByteArray("[Programm]\r\nSprache=GB\r\n");
        QTest::newRow("existing key, others kept")
            << QByteArray("; Anzeige\r\n[Anzeige]\r\nZeilen = 4\r\n\r\nX=1\r\n[Programm]\r\n"
                          "Sprache=D\r\n  ; end\r\n")
            << QByteArray("Programm") << QByteArray("Sprache") << QByteArray("GB")
            << QByteArray("; Anzeige\r\n[Anzeige]\r\nZeilen = 4\r\n\r\nX=1\r\n[Programm]\r\n"
                          "Sprache=GB\r\n  ; end\r\n");
        QTest::newRow("case-insensitive match rewrites the line")
            << QByteArray("[programm]\nsprache = D\nFoo=1\n") << QByteArray("Programm")
            << QByteArray("Sprache") << QByteArray("GB")
            << QByteArray("[programm]\nSprache=GB\nFoo=1\n");
        QTest::newRow("missing key after last non-blank line, LF kept")
            << QByteArray("[A]\nX=1\n; note\n\n\n[B]\nY=2\n") << QByteArray("A") << QByteArray("K")
            << QByteArray("v") << QByteArray("[A]\nX=1\n; note\nK=v\n\n\n[B]\nY=2\n");
        QTest::newRow("missing key in last section without line end")
            << QByteArray("[A]\r\nX=1") << QByteArray("a") << QByteArray("K") << QByteArray("v")
            << QByteArray("[A]\r\nX=1\r\nK=v\r\n");
        QTest::newRow("missing section with blank line before")
            << QByteArray("[A]\nX=1\n") << QByteArray("B") << QByteArray("K") << QByteArray("v")
            << QByteArray("[A]\nX=1\n\n[B]\nK=v\n");
        QTest::newRow("missing section after trailing blank line")
            << QByteArray("[A]\r\nX=1\r\n\r\n") << QByteArray("B") << QByteArray("K")
            << QByteArray("v") << QByteArray("[A]\r\nX=1\r\n\r\n[B]\r\nK=v\r\n");
        QTest::newRow("missing section, file without line end")
            << QByteArray("[A]\nX=1") << QByteArray("B") << QByteArray("K") << QByteArray("v")
            << QByteArray("[A]\nX=1\n\n[B]\nK=v\n");
        QTest::newRow("untouched last line keeps missing end")
            << QByteArray("[A]\nK=1\n[B]\nY=2") << QByteArray("A") << QByteArray("K")
            << QByteArray("3") << QByteArray("[A]\nK=3\n[B]\nY=2");
        QTest::newRow("rewritten last line keeps missing end")
            << QByteArray("[A]\nK=1") << QByteArray("A") << QByteArray("K") << QByteArray("3")
            << QByteArray("[A]\nK=3");
        QTest::newRow("only first of duplicate sections")
            << QByteArray("[A]\nX=1\n[A]\nK=1\n") << QByteArray("A") << QByteArray("K")
            << QByteArray("2") << QByteArray("[A]\nX=1\nK=2\n[A]\nK=1\n");
        QTest::newRow("line breaks in a value are dropped")
            << QByteArray() << QByteArray("A") << QByteArray("K") << QByteArray("a\r\n[B]\nX=1")
            << QByteArray("[A]\r\nK=a[B]X=1\r\n");
    }
    void write() {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, section);
        QFETCH(QByteArray, key);
        QFETCH(QByteArray, value);
        QFETCH(QByteArray, after);
        IniFile ini = IniFile::fromBytes(before);
        ini.writeString(section, key, value);
        QCOMPARE(ini.toBytes(), after);
    }

    // Values that reading would change are stored so that they read back as written.
    void writtenValueReadsBack_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("plain") << QByteArray("/home/a b/St\xFC"
                                             "ck.lta");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("leading space") << QByteArray(" x");
        QTest::newRow("trailing tab") << QByteArray("x\t");
        QTest::newRow("quoted") << QByteArray("\"x\"");
        QTest::newRow("single quoted") << QByteArray("'x'");
        QTest::newRow("one quote") << QByteArray("'x");
    }
    void writtenValueReadsBack() {
        QFETCH(QByteArray, value);
        IniFile ini;
        ini.writeString("A", "K", value);
        QCOMPARE(IniFile::fromBytes(ini.toBytes()).readString("A", "K", "default"), value);
    }

    void writeInteger() {
        IniFile ini = IniFile::fromBytes("[A]\r\nN=0x10\r\n");
        ini.writeInteger("A", "N", -42);
        QCOMPARE(ini.toBytes(), QByteArray("[A]\r\nN=-42\r\n"));
    }

    void goldenRoundTripOnDisk() {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath("RPW.ini");
        const QByteArray golden = "; von Hand\r\n[Anzeige]\r\nZeilen=4\r\nStellen=40\r\n\r\n"
                                  "[Programm]\r\nLetzteDatei=C:\\St\xFC"
                                  "cke\\B\xFChne.lta\r\n"
                                  "Sprache=D\r\n";
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(golden);
        }
        IniFile ini = IniFile::load(path);
        QCOMPARE(ini.readString("Programm", "LetzteDatei", ""), QByteArray("C:\\St\xFC"
                                                                           "cke\\B\xFChne.lta"));
        QVERIFY(ini.save(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), golden);
        file.close();

        ini.writeString("Programm", "LetzteDatei", "/tmp/\xC4rger.lta");
        QVERIFY(ini.save(path));
        QCOMPARE(IniFile::load(path).readString("programm", "letztedatei", ""),
                 QByteArray("/tmp/\xC4rger.lta"));
    }

    void missingFileIsEmpty() {
        QTemporaryDir dir;
        const IniFile ini = IniFile::load(dir.filePath("none.ini"));
        QCOMPARE(ini.toBytes(), QByteArray());
        QVERIFY(IniFile::tryLoad(dir.filePath("none.ini")).has_value());
    }

    void saveFollowsSymlink() {
        QTemporaryDir dir;
        const QString target = dir.filePath("real.ini");
        const QString link = dir.filePath("link.ini");
        QVERIFY(QFile::link(target, link));
        IniFile ini;
        ini.writeInteger("A", "N", 1);
        QVERIFY(ini.save(link));
        QVERIFY(QFileInfo(link).isSymLink());
        QCOMPARE(IniFile::load(target).readInteger("A", "N", 0), 1);
    }

    void saveToUnwritablePathFails() {
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath("file");
        QFile file(notAFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        IniFile ini;
        ini.writeInteger("A", "N", 1);
        QVERIFY(!ini.save(notAFolder + "/x.ini"));
    }
};

QTEST_GUILESS_MAIN(IniFileTest)
#include "tst_inifile.moc"

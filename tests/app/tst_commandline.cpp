#include "app/commandline.h"

#include <QDir>
#include <QRegularExpression>
#include <QTest>

using Request = CommandLine::Request;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void requests_data();
    void requests();
    void versionNamesTheProduct_data();
    void versionNamesTheProduct();
};

void CommandLineTest::requests_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Request>("request");
    QTest::addColumn<QString>("file");
    const QString here = QDir::currentPath();
    QTest::newRow("nothing") << QStringList{} << Request::Run << "";
    QTest::newRow("a sequence") << QStringList{"show.lta"} << Request::Run << here + "/show.lta";
    QTest::newRow("an absolute path")
        << QStringList{"/stage/show.lta"} << Request::Run << "/stage/show.lta";
    QTest::newRow("a file named like an option")
        << QStringList{"--", "-act2.lta"} << Request::Run << here + "/-act2.lta";
    QTest::newRow("--help") << QStringList{"--help"} << Request::Help << "";
    QTest::newRow("-h") << QStringList{"-h"} << Request::Help << "";
    QTest::newRow("--version") << QStringList{"--version"} << Request::Version << "";
    QTest::newRow("-v") << QStringList{"-v"} << Request::Version << "";
    QTest::newRow("an unknown option") << QStringList{"--fullscreen"} << Request::Error << "";
    QTest::newRow("an unknown option before a file")
        << QStringList{"-x", "show.lta"} << Request::Error << "";
    QTest::newRow("two files") << QStringList{"a.lta", "b.lta"} << Request::Error << "";
}

void CommandLineTest::requests() {
    QFETCH(QStringList, arguments);
    QFETCH(Request, request);
    QFETCH(QString, file);
    const CommandLine line(QStringList{"/usr/bin/lumentafel"} + arguments);
    QCOMPARE(line.request(), request);
    QCOMPARE(line.sequenceFile(), file);
    if (request == Request::Error)
        QVERIFY(!line.text().isEmpty());
}

void CommandLineTest::versionNamesTheProduct_data() {
    QTest::addColumn<QString>("argv0");
    QTest::addColumn<QString>("product");
    QTest::newRow("general") << "/usr/bin/lumentafel"
                             << "Lumentafel V1.54 (20.03.2002), built ";
    QTest::newRow("stage link") << "/usr/bin/RPW"
                                << "Rampenwort V1.54 (20.03.2002), built ";
}

void CommandLineTest::versionNamesTheProduct() {
    QFETCH(QString, argv0);
    QFETCH(QString, product);
    const CommandLine line({argv0, QStringLiteral("--version")});
    QVERIFY2(line.text().contains(product), qPrintable(line.text()));
    // The build date follows, as year-month-day.
    QVERIFY(QRegularExpression(QStringLiteral("built \\d{4}-\\d\\d-\\d\\d$"))
                .match(line.text())
                .hasMatch());
}

QTEST_MAIN(CommandLineTest)
#include "tst_commandline.moc"

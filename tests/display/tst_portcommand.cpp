#include "recordingserialport.h"
#include "scriptedprompter.h"

#include "display/portcommand.h"

#include "windows/languageswitch.h"

#include <QTest>

using Answer = Prompter::Answer;
using Kind = ScriptedPrompter::Kind;

namespace {

struct Rig {
    RecordingSerialPort port;
    ScriptedPrompter prompter;
    QStringList ports;
    QList<int> stored;
    int timerStops = 0;
    bool gaveUp = false;
    PortCommand command{port, prompter, hooks()};

    Rig() {
        port.setPortSelector([this] { return prompter.choosePort(ports); });
    }
    PortCommand::Hooks hooks() {
        PortCommand::Hooks h;
        h.stopTimers = [this] {
            ++timerStops;
        };
        h.storePortNumber = [this](int n) {
            stored << n;
        };
        h.giveUp = [this] {
            gaveUp = true;
        };
        return h;
    }
};

} // namespace

class PortCommandTest : public QObject {
    Q_OBJECT

private slots:
    void answeredNoLeavesThePortAlone();
    void yesWithAChosenPortOpensAndStoresIt();
    void failuresLeadToTheRetryQuestion_data();
    void failuresLeadToTheRetryQuestion();
    void retryRunsTheWholeCommandAgain();
    void englishTexts();
};

void PortCommandTest::answeredNoLeavesThePortAlone() {
    Rig rig;
    rig.port.setAvailablePorts({2});
    rig.port.setPortNumber(2);
    rig.port.open();
    rig.prompter.expect(Kind::YesNo, QStringLiteral("COM-Port ändern? Momentan: COM2"), Answer::No);
    QCOMPARE(rig.command.choosePort(), PortCommand::Outcome::Unchanged);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.port.isOpen());
    QCOMPARE(rig.timerStops, 1); // playback stays frozen whatever the answer
    QVERIFY(rig.stored.isEmpty());
}

void PortCommandTest::yesWithAChosenPortOpensAndStoresIt() {
    Rig rig;
    rig.port.setAvailablePorts({1});
    rig.ports = QStringList{QStringLiteral("COM1")};
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Momentan: COM0"), Answer::Yes)
        .expectPort({QStringLiteral("COM1")}, 1);
    QCOMPARE(rig.command.choosePort(), PortCommand::Outcome::Opened);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.port.isOpen());
    QCOMPARE(rig.port.openedPort(), 1);
    QCOMPARE(rig.stored, QList<int>{1});
}

void PortCommandTest::failuresLeadToTheRetryQuestion_data() {
    QTest::addColumn<QStringList>("offered");
    QTest::addColumn<int>("chosen");
    QTest::addColumn<QString>("retryText");
    QTest::newRow("dialog cancelled")
        << QStringList{"COM1"} << 0 << QStringLiteral("Noch ein Versuch? Momentan: COM0");
    QTest::newRow("no ports at all")
        << QStringList{} << 0 << QStringLiteral("Noch ein Versuch? Momentan: COM0");
    // Listed because another program holds it, but it does not open.
    QTest::newRow("held port") << QStringList{"COM4"} << 4
                               << QStringLiteral("Noch ein Versuch? Momentan: COM4");
}

void PortCommandTest::failuresLeadToTheRetryQuestion() {
    QFETCH(QStringList, offered);
    QFETCH(int, chosen);
    QFETCH(QString, retryText);
    Rig rig;
    rig.port.setAvailablePorts({1});
    rig.ports = offered;
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Momentan: COM0"), Answer::Yes)
        .expectPort(offered, chosen)
        .expect(Kind::YesNo, retryText, Answer::No);
    QCOMPARE(rig.command.choosePort(), PortCommand::Outcome::GaveUp);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QVERIFY(rig.gaveUp);
    QVERIFY(rig.stored.isEmpty());
    QVERIFY(!rig.port.isOpen());
}

void PortCommandTest::retryRunsTheWholeCommandAgain() {
    Rig rig;
    rig.port.setAvailablePorts({3});
    rig.port.setPortNumber(3);
    rig.port.open();
    rig.ports = QStringList{QStringLiteral("COM3")};
    rig.prompter.expect(Kind::YesNo, QStringLiteral("Momentan: COM3"), Answer::Yes)
        .expectPort({QStringLiteral("COM3")}, 0)
        .expect(Kind::YesNo, QStringLiteral("Noch ein Versuch? Momentan: COM0"), Answer::Yes)
        .expect(Kind::YesNo, QStringLiteral("COM-Port ändern? Momentan: COM0"), Answer::Yes)
        .expectPort({QStringLiteral("COM3")}, 3);
    QCOMPARE(rig.command.choosePort(), PortCommand::Outcome::Opened);
    QVERIFY2(rig.prompter.finished(), rig.prompter.report());
    QCOMPARE(rig.timerStops, 2);
    QCOMPARE(rig.stored, QList<int>{3});
}

void PortCommandTest::englishTexts() {
    LanguageSwitch languages;
    languages.apply(QStringLiteral("GB"));
    QCOMPARE(PortCommand::changeQuestion(3), QStringLiteral("Change COM-Port? Now: COM3"));
    QCOMPARE(PortCommand::retryQuestion(0), QStringLiteral("Try again? Now: COM0"));
    // Only "GB" is English; the code is case-sensitive.
    languages.apply(QStringLiteral("gb"));
    QCOMPARE(PortCommand::retryQuestion(7), QStringLiteral("Noch ein Versuch? Momentan: COM7"));
}

QTEST_GUILESS_MAIN(PortCommandTest)
#include "tst_portcommand.moc"

#include "display/uploadhandshake.h"
#include "platform/porterror.h"
#include "sequence/sequencetable.h"
#include "windows/languageswitch.h"

#include "recordingserialport.h"
#include "virtualclock.h"

#include "../support/sequencerows.h"

#include <QTest>

using Reads = QList<QByteArray>;

namespace {

// The handshake on the port double, with everything it shows recorded.
struct Rig {
    RecordingSerialPort port;
    VirtualClock clock;
    SequenceTable table;
    LanguageSwitch languages;
    bool outputEnabled = true;
    QStringList statuses;
    QList<bool> pendingStates;
    QStringList errors;
    UploadHandshake handshake{port, clock, hooks()};

    Rig() {
        port.setAvailablePorts({1});
        port.setPortNumber(1);
        table.setRows({SequenceRows::cells({"1", "JA", "S", "A", "3", "M3"})});
    }

    UploadHandshake::Hooks hooks() {
        UploadHandshake::Hooks h;
        h.outputEnabled = [this] {
            return outputEnabled;
        };
        h.showStatus = [this](const QString& text) {
            statuses << text;
        };
        h.pendingChanged = [this](bool pending) {
            pendingStates << pending;
        };
        h.reportError = [this](const QString& text) {
            errors << text;
        };
        return h;
    }

    void start() { handshake.start(table, 1, 2); }
};

const QByteArray Upload = QByteArray("010002S03A \x02\xF3") + "     815";

} // namespace

class UploadHandshakeTest : public QObject {
    Q_OBJECT

private slots:
    void startRequestsTheBoard();
    void replies_data();
    void replies();
    void refusedUploadSendsNothingAndKeepsTheLastOne();
    void portThatDoesNotOpenLeavesTheStateIdle();
    void nothingIsWrittenBeforeOutputIsEnabled();
    void cancelEndsThePendingStateAndLaterReadyIsIgnored();
    void writeFailingInTheReplyHandlerIsReportedAndStaysPending();
};

void UploadHandshakeTest::startRequestsTheBoard() {
    Rig rig;
    rig.start();
    QCOMPARE(rig.port.written(), QByteArray("U"));
    QVERIFY(rig.handshake.isPending());
    QCOMPARE(rig.pendingStates, QList<bool>{true});
    QCOMPARE(rig.statuses, QStringList{"Bitte warten..."});
    QCOMPARE(rig.handshake.uploadData(), Upload);
}

// Each row: whether an upload was started first, the language, what the board sends; then
// what went out after the request, the pending state and the last status shown.
void UploadHandshakeTest::replies_data() {
    QTest::addColumn<bool>("started");
    QTest::addColumn<QString>("language");
    QTest::addColumn<Reads>("reads");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("pending");
    QTest::addColumn<QString>("status");

    QTest::newRow("ready while pending sends the upload")
        << true << "D" << Reads{"<<<BEREIT!>>>"} << Upload << true << "Wird gesendet...";
    QTest::newRow("each ready sends it again")
        << true << "GB" << Reads{"<<<BEREIT!>>>", "<<<BEREIT!>>>"} << Upload + Upload << true
        << "Transmit...";
    QTest::newRow("ready while idle is ignored")
        << false << "D" << Reads{"<<<BEREIT!>>>"} << QByteArray() << false << "";
    QTest::newRow("lower-case ready is no reply the program knows")
        << true << "D" << Reads{"<<<bereit!>>>"} << QByteArray() << true << "Bitte warten...";
    QTest::newRow("ok") << true << "D" << Reads{"<<<BEREIT!>>>", "<<<OK!>>>"} << Upload << false
                        << "Übertragung ist OK!";
    QTest::newRow("ok while idle still reports")
        << false << "GB" << Reads{"<<<OK!>>>"} << QByteArray() << false << "Transmission OK!";
    QTest::newRow("check false") << true << "D" << Reads{"<<<CHECK FALSE>>>"} << QByteArray()
                                 << false << "Fehler bei Übertragung";
    QTest::newRow("check false, English") << true << "GB" << Reads{"<<<CHECK FALSE>>>"}
                                          << QByteArray() << false << "Error in transmission";
    QTest::newRow("eeprom false") << true << "D" << Reads{"<<<EEPROM FALSE>>>"} << QByteArray()
                                  << false << "Anzeigespeicher ist defekt";
    QTest::newRow("eeprom false, English") << true << "GB" << Reads{"<<<EEPROM FALSE>>>"}
                                           << QByteArray() << false << "Defective displaymemory";
    QTest::newRow("reply split over reads") << true << "D" << Reads{"junk<<", "<BER", "EIT!>", ">>"}
                                            << Upload << true << "Wird gesendet...";
}

void UploadHandshakeTest::replies() {
    QFETCH(bool, started);
    QFETCH(QString, language);
    QFETCH(Reads, reads);
    QFETCH(QByteArray, sent);
    QFETCH(bool, pending);
    QFETCH(QString, status);
    Rig rig;
    rig.languages.apply(language);
    if (started)
        rig.start();
    rig.port.clearWritten();
    for (const QByteArray& read : reads)
        rig.handshake.receive(read);
    QCOMPARE(rig.port.written(), sent);
    QCOMPARE(rig.handshake.isPending(), pending);
    QCOMPARE(rig.pendingStates.isEmpty() ? false : rig.pendingStates.last(), pending);
    QCOMPARE(rig.statuses.isEmpty() ? QString() : rig.statuses.last(), status);
    QVERIFY(rig.errors.isEmpty());
}

void UploadHandshakeTest::refusedUploadSendsNothingAndKeepsTheLastOne() {
    Rig rig;
    rig.start();
    rig.handshake.receive("<<<OK!>>>");
    rig.port.clearWritten();
    rig.pendingStates.clear();
    rig.table.setRows({SequenceRows::cells({"1", "JA", "B", "A", "120", "M3"}),
                       SequenceRows::cells({"2a", "JA", "B", "A", "", "M3"})});
    try {
        rig.start();
        QFAIL("the upload was not refused");
    } catch (const UploadRefused& e) {
        QVERIFY2(QString::fromStdString(e.what()).contains(QStringLiteral("Text Nr. 1, 2a")),
                 e.what());
    }
    QVERIFY(rig.port.written().isEmpty());
    QCOMPARE(rig.handshake.uploadData(), Upload);
    QVERIFY(!rig.handshake.isPending());
    QVERIFY(rig.pendingStates.isEmpty());
}

void UploadHandshakeTest::portThatDoesNotOpenLeavesTheStateIdle() {
    Rig rig;
    rig.port.setPortNumber(2);
    QVERIFY_THROWS_EXCEPTION(PortError, rig.start());
    QVERIFY(!rig.handshake.isPending());
    QVERIFY(rig.pendingStates.isEmpty());
    QVERIFY(rig.statuses.isEmpty());
}

void UploadHandshakeTest::nothingIsWrittenBeforeOutputIsEnabled() {
    Rig rig;
    rig.outputEnabled = false;
    rig.start();
    rig.handshake.receive("<<<BEREIT!>>>");
    QVERIFY(rig.port.written().isEmpty());
    QVERIFY(rig.handshake.isPending());
    QCOMPARE(rig.statuses.last(), QStringLiteral("Wird gesendet..."));
}

void UploadHandshakeTest::cancelEndsThePendingStateAndLaterReadyIsIgnored() {
    Rig rig;
    rig.start();
    rig.handshake.cancel();
    QCOMPARE(rig.pendingStates, (QList<bool>{true, false}));
    QCOMPARE(rig.statuses.last(), QString());
    rig.port.clearWritten();
    rig.handshake.receive("<<<BEREIT!>>>");
    QVERIFY(rig.port.written().isEmpty());
    QCOMPARE(rig.statuses.last(), QString());
}

void UploadHandshakeTest::writeFailingInTheReplyHandlerIsReportedAndStaysPending() {
    Rig rig;
    rig.start();
    rig.port.setRefuseWrites(true);
    rig.handshake.receive("<<<BEREIT!>>><<<BEREIT!>>>");
    QCOMPARE(rig.errors.size(), 2);
    QVERIFY(rig.handshake.isPending());
    rig.handshake.cancel();
    QVERIFY(!rig.handshake.isPending());
}

QTEST_MAIN(UploadHandshakeTest)
#include "tst_uploadhandshake.moc"

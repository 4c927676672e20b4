#include "ptypair.h"
#include "ptyreader.h"
#include "scriptedprompter.h"
#include "virtualclock.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "display/statusline.h"
#include "display/uploadhandshake.h"
#include "display/uploadstrip.h"
#include "platform/comportresolver.h"
#include "platform/qteventpump.h"
#include "platform/qtserialport.h"
#include "programfolder.h"
#include "sequence/sequencetable.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// The program in offline mode on the virtual clock, its port a socat pseudo-terminal pair
// whose far end plays the board.
struct OfflineProgram {
    QTemporaryDir dir;
    std::unique_ptr<PtyPair> pty;
    std::unique_ptr<PtyReader> board;
    VirtualClock clock;
    QtEventPump pump;
    ScriptedPrompter prompter;
    std::unique_ptr<QtSerialPort> port;
    std::unique_ptr<ProgramServices> services;
    std::unique_ptr<ProgramWindows> windows;

    // A display of 2 lines of 4 characters on COM5.
    bool start() {
        QDir(dir.path()).mkpath("com");
        pty = std::make_unique<PtyPair>(dir.filePath("com/COM5"), dir.filePath("board"));
        if (!pty->start())
            return false;
        board = std::make_unique<PtyReader>(dir.filePath("board"));
        QFile ini(dir.filePath("Lumentafel.ini"));
        if (!board->isOpen() || !ini.open(QIODevice::WriteOnly))
            return false;
        ini.write("[Anzeige]\r\nSeriellerCOM-Port=5\r\nZeilen=2\r\nStellen=4\r\noffline=1\r\n");
        ini.close();
        port = std::make_unique<QtSerialPort>(ComPortResolver(dir.filePath("com")));
        services = servicesInFolder(dir.path(), QStringLiteral("Lumentafel"), clock, pump, prompter,
                                    *port);
        windows = std::make_unique<ProgramWindows>(*services);
        clock.advance(200);
        return main().startupDone() && port->isOpen();
    }
    MainWindow& main() { return windows->main(); }
    UploadStrip& strip() { return *main().form().uploadStrip; }
    QString status() { return main().form().statusLine->currentMessage(); }
};

} // namespace

class UploadWireTest : public QObject {
    Q_OBJECT

private slots:
    void uploadOverTheLine_data();
    void uploadOverTheLine();
};

void UploadWireTest::uploadOverTheLine_data() {
    QTest::addColumn<QByteArray>("finalReply");
    QTest::addColumn<QString>("status");
    QTest::newRow("ok") << QByteArray("<<<OK!>>>") << QStringLiteral("Übertragung ist OK!");
    QTest::newRow("check false") << QByteArray("<<<CHECK FALSE>>>")
                                 << QStringLiteral("Fehler bei Übertragung");
}

// The board answers the request byte with "BEREIT!", takes the upload and answers. The
// upload is longer than two frames, the most the live output buffer would hold.
void UploadWireTest::uploadOverTheLine() {
    QFETCH(QByteArray, finalReply);
    QFETCH(QString, status);
    OfflineProgram program;
    QVERIFY2(program.start(), program.pty ? program.pty->output().constData() : "");
    QVERIFY2(program.prompter.finished(), program.prompter.report());
    program.main().table().setRows({{"", "1", "JA", "B", "AB,CD", "3", "M1", ""},
                                    {"", "2", "JA", "S", "EF,GH,IJ", "12", "M1", ""}});

    program.strip().uploadButton()->click();
    QVERIFY2(program.prompter.finished(), program.prompter.report());
    QVERIFY(!program.strip().uploadButton()->isEnabled());
    QCOMPARE(program.board->readAtLeast(1), QByteArray("U"));
    QCOMPARE(program.status(), QStringLiteral("Bitte warten..."));

    QVERIFY(program.board->write("<<<BEREIT!>>>"));
    const QByteArray upload = program.main().upload().uploadData();
    QCOMPARE(upload.size(), 6 + 12 + 16 + 1 + 8);
    QCOMPARE(program.board->readAtLeast(int(upload.size())), upload);
    QCOMPARE(program.status(), QStringLiteral("Wird gesendet..."));

    QVERIFY(program.board->write(finalReply));
    QTRY_COMPARE(program.status(), status);
    QVERIFY(program.strip().uploadButton()->isEnabled());
    QVERIFY(!program.strip().cancelButton()->isEnabled());
}

QTEST_MAIN(UploadWireTest)
#include "tst_uploadwire.moc"

#include "programonline.h"

#include "app/mainwindow.h"
#include "display/statusline.h"
#include "display/uploadhandshake.h"
#include "display/uploadstrip.h"
#include "sequence/sequencetable.h"

#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// The program in offline mode on the line; the peer plays the board.
struct OfflineProgram : ProgramOnLine {
    bool start() { return ProgramOnLine::start("offline=1\r\n"); }
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
    QCOMPARE(program.peer->readAtLeast(1), QByteArray("U"));
    QCOMPARE(program.status(), QStringLiteral("Bitte warten..."));

    QVERIFY(program.peer->write("<<<BEREIT!>>>"));
    const QByteArray upload = program.main().upload().uploadData();
    QCOMPARE(upload.size(), 6 + 12 + 16 + 1 + 8);
    QCOMPARE(program.peer->readAtLeast(int(upload.size())), upload);
    QCOMPARE(program.status(), QStringLiteral("Wird gesendet..."));

    QVERIFY(program.peer->write(finalReply));
    QTRY_COMPARE(program.status(), status);
    QVERIFY(program.strip().uploadButton()->isEnabled());
    QVERIFY(!program.strip().cancelButton()->isEnabled());
}

QTEST_MAIN(UploadWireTest)
#include "tst_uploadwire.moc"

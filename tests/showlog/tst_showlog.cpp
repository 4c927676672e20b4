#include "showlog/showlog.h"
#include "showlog/showlogwriter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QStringList linesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QStringLiteral("<missing>")};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

ShownEntry entry(const QByteArray& number, TextKind kind, QList<QByteArray> lines) {
    ShownEntry e;
    e.number = number;
    e.kind = kind;
    e.lines = std::move(lines);
    return e;
}

PlaybackSnapshot snapshot(PlaybackMode mode, bool paused, int speed) {
    PlaybackSnapshot s;
    s.mode = mode;
    s.paused = paused;
    s.speedPercent = speed;
    return s;
}

} // namespace

class ShowLogTest : public QObject {
    Q_OBJECT

private slots:
    void oneLinePerEventInTheDaysFile();
    void theDayChangesTheFile();
    void aFloodOfRefusalsIsCutOff();
    void filesOlderThanSixtyDaysGo();
};

void ShowLogTest::oneLinePerEventInTheDaysFile() {
    QTemporaryDir dir;
    ShowLogWriter writer(dir.filePath(QStringLiteral("logs")));
    ShowLog log(writer);
    QDateTime now(QDate(2026, 3, 20), QTime(19, 31, 5, 127));
    log.setNow([&now] { return now; });

    log.stateChanged(snapshot(PlaybackMode::Stopped, false, 100)); // the state at the start
    log.entryStarted(entry("00010", TextKind::Block, {"GR\xDC\xDF  ", "GOTT"}),
                     CommandOrigin::key());
    now = now.addMSecs(1500);
    log.entryStarted(entry("00020", TextKind::Flow, {"LAUF\tTEXT"}),
                     CommandOrigin::durationTimer());
    log.entryStarted(ShownEntry{}, CommandOrigin::program()); // the board goes blank: no entry
    log.stateChanged(snapshot(PlaybackMode::Automatic, true, 100));
    log.stateChanged(snapshot(PlaybackMode::Automatic, false, 150));
    log.stateChanged(snapshot(PlaybackMode::Stopped, false, 150));
    log.remoteAnswered(QStringLiteral("udp 127.0.0.1:5000"), "next", "error",
                       QStringLiteral("nur im Handbetrieb"));
    log.remoteAnswered(QStringLiteral("tcp 127.0.0.1:5001"), "stop", "ok", {}); // not refused
    log.boardLost(QStringLiteral("tcp://127.0.0.20:4001"));
    log.boardBack(QStringLiteral("tcp://127.0.0.20:4001"));
    writer.waitUntilWritten();

    QCOMPARE(log.todaysFile(), dir.filePath(QStringLiteral("logs/show-2026-03-20.log")));
    const QStringList expected{
        "19:31:05.127\tStart\t00010\tBLOCK\t\"GR\u00dc\u00df\"\tTaste",
        "19:31:06.627\tStart\t00020\tFLIESS\t\"LAUF TEXT\"\tDauer abgelaufen",
        "19:31:06.627\tPause",
        "19:31:06.627\tWeiter",
        "19:31:06.627\tGeschwindigkeit\t150 %",
        "19:31:06.627\tStopp",
        "19:31:06.627\tAbgelehnt\tFernsteuerung udp 127.0.0.1:5000\tnext error: nur im Handbetrieb",
        "19:31:06.627\tAnzeige verloren\ttcp://127.0.0.20:4001",
        "19:31:06.627\tAnzeige zurück\ttcp://127.0.0.20:4001",
    };
    QCOMPARE(linesOf(log.todaysFile()), expected);
    QCOMPARE(writer.failedLines(), 0);
}

// A sender flooding the remote with wrong passcodes must not fill the disk.
void ShowLogTest::aFloodOfRefusalsIsCutOff() {
    QTemporaryDir dir;
    ShowLogWriter writer(dir.filePath(QStringLiteral("logs")));
    ShowLog log(writer);
    QDateTime now(QDate(2026, 3, 20), QTime(19, 31, 5));
    log.setNow([&now] { return now; });
    const auto refuse = [&log] {
        log.remoteAnswered(QStringLiteral("udp 127.0.0.1:5000"), "next", "badpass", {});
    };
    for (int i = 0; i < 150; ++i)
        refuse();
    now = now.addSecs(60);
    refuse();
    writer.waitUntilWritten();
    const QStringList lines = linesOf(log.todaysFile());
    QCOMPARE(lines.size(), 100 + 1 + 1);
    QVERIFY(lines.at(100).endsWith(u"weitere Ablehnungen in dieser Minute nicht protokolliert"));
    QVERIFY(lines.last().startsWith(u"19:32:05.000\tAbgelehnt\tFernsteuerung udp"));
}

void ShowLogTest::theDayChangesTheFile() {
    QTemporaryDir dir;
    ShowLogWriter writer(dir.path());
    ShowLog log(writer);
    QDateTime now(QDate(2026, 3, 20), QTime(23, 59, 59, 999));
    log.setNow([&now] { return now; });
    log.boardLost(QStringLiteral("COM8"));
    now = now.addMSecs(1);
    log.boardBack(QStringLiteral("COM8"));
    writer.waitUntilWritten();
    QCOMPARE(linesOf(dir.filePath(QStringLiteral("show-2026-03-20.log"))),
             QStringList{"23:59:59.999\tAnzeige verloren\tCOM8"});
    QCOMPARE(linesOf(dir.filePath(QStringLiteral("show-2026-03-21.log"))),
             QStringList{"00:00:00.000\tAnzeige zurück\tCOM8"});
}

void ShowLogTest::filesOlderThanSixtyDaysGo() {
    QTemporaryDir dir;
    const QDate today(2026, 3, 20);
    for (const QString& name : {ShowLogWriter::fileNameFor(today.addDays(-61)),
                                ShowLogWriter::fileNameFor(today.addDays(-60)),
                                ShowLogWriter::fileNameFor(today.addDays(-1)),
                                QStringLiteral("show-notes.log"), QStringLiteral("other.txt")}) {
        QFile file(dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    {
        ShowLogWriter writer(dir.path());
        writer.append(today, QStringLiteral("first line of the run"));
        writer.waitUntilWritten();
    }
    QStringList left = QDir(dir.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(left, (QStringList{"other.txt", ShowLogWriter::fileNameFor(today.addDays(-60)),
                                ShowLogWriter::fileNameFor(today.addDays(-1)),
                                ShowLogWriter::fileNameFor(today), "show-notes.log"}));
}

QTEST_GUILESS_MAIN(ShowLogTest)
#include "tst_showlog.moc"

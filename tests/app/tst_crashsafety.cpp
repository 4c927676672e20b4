#include "programprocess.h"

#include "sequence/rescuecopy.h"
#include "sequence/rescuekeeper.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <vector>

// The real program killed with SIGKILL at random moments (seeded) while a 10,000-entry
// sequence is edited and saved, again and again on the same files: the file on disk is always
// one of the sequences saved, whole, and each start offers a rescue copy that holds at least
// every change that was left alone for longer than the rescue delay.
class CrashSafetyTest : public QObject {
    Q_OBJECT

private slots:
    void killedWhileEditingOrSavingLosesNothingOlderThanTheRescueDelay();
};

namespace {

constexpr int Entries = 10000;
constexpr int Kills = 12;
// What the copy may take beyond the delay on a busy machine: the text, the write, the syncs.
constexpr qint64 WriteMarginMs = 1500;
const QString MainWindow = QStringLiteral("^RPW V1\\.54 - show\\.lta$");
const QString Box = QStringLiteral("^RPW$");

// The sequence with its first k entries deleted, as the program writes it.
class Sequences {
public:
    Sequences() {
        m_text = "\tText Nr.\tAktiv\tB/S/F\tText\tParameter\tDauer\tHinweis\t\r\n";
        for (int i = 1; i <= Entries; ++i) {
            m_lineStarts.push_back(m_text.size());
            m_text += "\t" + QByteArray::number(i * 10).rightJustified(6, '0') +
                      "\tJA\tBLOCK\tGUTEN ABEND,TEXT " + QByteArray::number(i) +
                      "\t3\tM3\tHinweis\t\r\n";
        }
    }
    QByteArray withDeleted(int k) const {
        return m_text.left(m_lineStarts.front()) + m_text.mid(m_lineStarts.at(size_t(k)));
    }
    // How many entries these bytes have deleted; -1 when they are no such sequence whole.
    int deletedIn(const QByteArray& bytes) const {
        const int k = Entries - (static_cast<int>(bytes.count("\r\n")) - 1);
        return k >= 0 && k < Entries && bytes == withDeleted(k) ? k : -1;
    }

private:
    QByteArray m_text;
    std::vector<qsizetype> m_lineStarts;
};

} // namespace

void CrashSafetyTest::killedWhileEditingOrSavingLosesNothingOlderThanTheRescueDelay() {
    if (!XSession::available())
        QSKIP("Xvfb and xdotool are not installed (scripts/setup installs them)");
    const Sequences sequences;
    XSession x;
    QVERIFY2(x.start(), x.errorOutput().constData());
    ProgramFolder folder;
    const QString show = folder.path(QStringLiteral("show.lta"));
    const QString rescue = RescueCopy::path(show);
    QVERIFY(folder.prepare("[Anzeige]\r\nSeriellerCOM-Port=7\r\n[Programm]\r\nLetzteDatei=" +
                           show.toLocal8Bit() + "\r\n"));
    QVERIFY(folder.write(QStringLiteral("show.lta"), sequences.withDeleted(0)));

    QRandomGenerator random(14);
    QElapsedTimer clock;
    clock.start();
    int saved = 0;                 // the sequence last saved whole
    int beingSaved = 0;            // a save under way when killed may have put this one in place
    std::vector<int> runStates{0}; // what the last run's table held, in order
    // When each change of the last run was made (-1: the state it started with).
    std::vector<qint64> changedAt{-1};
    qint64 killedAt = 0;

    for (int run = 0; run <= Kills; ++run) {
        // The file: the last sequence saved, or the one being saved, whole.
        const int onDisk = sequences.deletedIn(folder.read(QStringLiteral("show.lta")));
        QVERIFY2(onDisk == saved || onDisk == beingSaved,
                 qPrintable(QStringLiteral("run %1: the file holds %2").arg(run).arg(onDisk)));
        saved = beingSaved = onDisk;
        // The rescue copy must hold every change left alone longer than the delay.
        int mustHold = -1;
        for (size_t j = 1; j < changedAt.size(); ++j) {
            const qint64 quietUntil = j + 1 < changedAt.size() ? changedAt[j + 1] : killedAt;
            if (quietUntil - changedAt[j] > RescueKeeper::DelayMs + WriteMarginMs)
                mustHold = runStates[j];
        }
        if (onDisk == runStates.back())
            mustHold = -1; // saved: nothing is left to rescue
        const bool offered =
            RescueCopy::isNewerThanDocument(rescue, show) && QFileInfo::exists(rescue);
        int current = onDisk;
        if (offered) {
            const int held = sequences.deletedIn(folder.read(QFileInfo(rescue).fileName()));
            QVERIFY2(std::find(runStates.begin(), runStates.end(), held) != runStates.end(),
                     qPrintable(QStringLiteral("run %1: the copy holds %2").arg(run).arg(held)));
            QVERIFY2(held >= mustHold, qPrintable(QStringLiteral("run %1: the copy holds %2, "
                                                                 "not %3")
                                                      .arg(run)
                                                      .arg(held)
                                                      .arg(mustHold)));
            current = held;
        } else {
            QVERIFY2(
                mustHold < 0,
                qPrintable(
                    QStringLiteral("run %1: no copy offered, %2 lost").arg(run).arg(mustHold)));
        }
        qInfo("start %d: file %d, copy offered %s", run, onDisk,
              offered ? qPrintable(QString::number(current)) : "no");
        if (run == Kills)
            break;

        folder.log.clear();
        if (offered) {
            // The start asks before it is complete; Yes takes the copy back.
            QProcessEnvironment env = onX(x);
            env.insert(QStringLiteral("LUMENTAFEL_COM_DIR"), folder.path(QStringLiteral("com")));
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path(QStringLiteral("config")));
            folder.program.setProcessEnvironment(env);
            folder.program.setWorkingDirectory(folder.dir.path());
            folder.program.start(folder.path(QStringLiteral("RPW")), {});
            QVERIFY(folder.program.waitForStarted());
            QVERIFY2(x.key(Box, QStringLiteral("Return"), 20000), x.errorOutput().constData());
            QVERIFY2(folder.waitForLog("start-up complete", 20000), folder.log.constData());
        } else {
            QVERIFY2(folder.start(onX(x)), folder.log.constData());
        }

        runStates = {current};
        changedAt = {-1};
        const int deletions = static_cast<int>(random.bounded(1, 4));
        for (int d = 0; d < deletions; ++d) {
            QVERIFY2(x.key(MainWindow, QStringLiteral("ctrl+Delete")), x.errorOutput().constData());
            QVERIFY2(x.key(Box, QStringLiteral("Return")), x.errorOutput().constData());
            QVERIFY2(x.waitUntilClosed(Box), x.errorOutput().constData());
            runStates.push_back(++current);
            changedAt.push_back(clock.elapsed());
        }
        int waitMs = 0;
        if (random.bounded(5) < 3) {
            // Killed while editing: before, around or after the copy is due.
            waitMs = static_cast<int>(random.bounded(RescueKeeper::DelayMs + WriteMarginMs + 1500));
        } else {
            // Killed while saving, or just before or after.
            QVERIFY2(x.key(MainWindow, QStringLiteral("ctrl+s")), x.errorOutput().constData());
            beingSaved = current;
            waitMs = static_cast<int>(random.bounded(300));
        }
        // The random moment: the program must not end by itself before it.
        QVERIFY(!folder.program.waitForFinished(waitMs));
        QCOMPARE(::kill(static_cast<pid_t>(folder.program.processId()), SIGKILL), 0);
        killedAt = clock.elapsed();
        QVERIFY(folder.program.waitForFinished(10000));
        qInfo("run %d: %d deletions, killed %d ms after %s", run, deletions, waitMs,
              beingSaved == saved ? "the last one" : "ctrl+s");
    }
}

QTEST_GUILESS_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"

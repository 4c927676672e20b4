#include "virtualclock.h"

#include "platform/timer.h"
#include "sequence/documentstate.h"
#include "sequence/rescuekeeper.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// The keeper of "show.lta" in a temporary folder, on the virtual clock; every copy it takes
// is "edit <n>", n counting the copies.
struct Rig {
    QTemporaryDir dir;
    VirtualClock clock;
    DocumentState document;
    bool pending = false;
    bool sending = false;
    int copies = 0;
    std::unique_ptr<RescueKeeper> keeper;

    Rig() {
        document.setDocumentName(path(u"show.lta"_s));
        RescueKeeper::Hooks hooks;
        hooks.snapshot = [this] {
            SequenceFile::Lines lines;
            lines.hasHeader = true;
            lines.header[SequenceTable::NumberColumn] = "edit " + QByteArray::number(++copies);
            return lines;
        };
        hooks.entryPending = [this] {
            return pending;
        };
        hooks.sending = [this] {
            return sending;
        };
        keeper = std::make_unique<RescueKeeper>(document, clock, hooks);
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    // The copy beside the document as the writer left it; "<none>" when there is none.
    QByteArray rescue(const QString& name = u"show.rescue.lta"_s) {
        keeper->waitUntilWritten();
        QFile f(path(name));
        // "edit <n>" from the copy's one line.
        return f.open(QIODevice::ReadOnly) ? f.readAll().split('\t').value(1)
                                           : QByteArray("<none>");
    }
    bool counting() const { return clock.timer(u"RescueTimer"_s)->isEnabled(); }
};

} // namespace

class RescueKeeperTest : public QObject {
    Q_OBJECT

private slots:
    void followsTheLastChangeAfterTheDelay();
    void aSteadyStreamOfChangesStillGetsACopy();
    void aFrameOnItsWayGoesFirst();
    void uncommittedEditorChangesCount();
    void savedOrClosedCleanlyTheCopyGoes();
    void aCloseThatCannotAskKeepsTheCopy();
    void anUnwritableFolderFallsBack();
    void aCopyNotItsOwnIsNeverOverwritten_data();
    void aCopyNotItsOwnIsNeverOverwritten();
    void markerColoursAreNoChange();
};

void RescueKeeperTest::followsTheLastChangeAfterTheDelay() {
    Rig rig;
    rig.document.setModified(true); // t = 0
    rig.clock.advance(RescueKeeper::DelayMs - 1);
    rig.keeper->noteChange(); // a further change puts the copy off
    rig.clock.advance(RescueKeeper::DelayMs - 1);
    QCOMPARE(rig.rescue(), QByteArray("<none>"));
    rig.clock.advance(1);
    QCOMPARE(rig.rescue(), QByteArray("edit 1"));
    // Nothing changed since: no further copy.
    rig.clock.advance(10 * RescueKeeper::DelayMs);
    QCOMPARE(rig.copies, 1);
    rig.keeper->noteChange();
    rig.clock.advance(RescueKeeper::DelayMs);
    QCOMPARE(rig.rescue(), QByteArray("edit 2"));
    QVERIFY(!QFile::exists(rig.path(u"show.lta"_s))); // the document's file is not touched
}

void RescueKeeperTest::aSteadyStreamOfChangesStillGetsACopy() {
    Rig rig;
    rig.document.setModified(true);
    qint64 firstCopyAt = -1;
    for (int ms = 0; ms <= 3 * RescueKeeper::MaxWaitMs && firstCopyAt < 0; ms += 1000) {
        rig.clock.advance(1000);
        rig.keeper->noteChange();
        if (rig.copies > 0)
            firstCopyAt = rig.clock.nowMs();
    }
    QVERIFY(firstCopyAt > 0);
    QVERIFY2(firstCopyAt <= RescueKeeper::MaxWaitMs + RescueKeeper::DelayMs,
             QByteArray::number(firstCopyAt).constData());
}

void RescueKeeperTest::aFrameOnItsWayGoesFirst() {
    Rig rig;
    rig.sending = true;
    rig.document.setModified(true);
    rig.clock.advance(RescueKeeper::DelayMs + 5 * RescueKeeper::RetryMs);
    QCOMPARE(rig.copies, 0);
    rig.sending = false;
    rig.clock.advance(RescueKeeper::RetryMs);
    QCOMPARE(rig.rescue(), QByteArray("edit 1"));
}

void RescueKeeperTest::uncommittedEditorChangesCount() {
    Rig rig;
    rig.pending = true; // typed into the editor, the table itself unchanged
    rig.keeper->noteChange();
    rig.clock.advance(RescueKeeper::DelayMs);
    QCOMPARE(rig.rescue(), QByteArray("edit 1"));
    // The operator dropped the changes: the copy has served.
    rig.pending = false;
    rig.keeper->noteChange();
    QCOMPARE(rig.rescue(), QByteArray("<none>"));
    rig.clock.advance(RescueKeeper::DelayMs);
    QCOMPARE(rig.copies, 1);
}

void RescueKeeperTest::savedOrClosedCleanlyTheCopyGoes() {
    Rig rig;
    rig.document.setModified(true);
    rig.clock.advance(RescueKeeper::DelayMs);
    QCOMPARE(rig.rescue(), QByteArray("edit 1"));
    rig.document.setModified(false); // saved
    QCOMPARE(rig.rescue(), QByteArray("<none>"));

    // A close that asked removes the copy, also one the start took back and this run has
    // not yet rewritten.
    QFile taken(rig.path(u"show.rescue.lta"_s));
    QVERIFY(taken.open(QIODevice::WriteOnly));
    taken.close();
    rig.document.setModified(true);
    rig.keeper->adoptCopy(rig.path(u"show.rescue.lta"_s));
    rig.keeper->closeCleanly();
    QCOMPARE(rig.rescue(), QByteArray("<none>"));
    rig.clock.advance(RescueKeeper::DelayMs);
    QCOMPARE(rig.rescue(), QByteArray("<none>"));
}

void RescueKeeperTest::aCloseThatCannotAskKeepsTheCopy() {
    Rig rig;
    QCOMPARE(rig.keeper->rescueNow(), QString()); // nothing unsaved
    rig.document.setModified(true);
    QCOMPARE(rig.keeper->rescueNow(), rig.path(u"show.rescue.lta"_s));
    QCOMPARE(rig.rescue(), QByteArray("edit 1")); // at once, without the delay
    rig.keeper->closeCleanly();
    rig.document.setModified(false);
    QCOMPARE(rig.rescue(), QByteArray("edit 1"));

    // A document that is itself a rescue copy is never overwritten by one.
    Rig copy;
    copy.document.setDocumentName(copy.path(u"show.rescue.lta"_s));
    copy.document.setModified(true);
    QCOMPARE(copy.keeper->rescueNow(), QString());
    QCOMPARE(copy.copies, 0);
}

void RescueKeeperTest::anUnwritableFolderFallsBack() {
    Rig rig;
    QVERIFY(QDir(rig.dir.path()).mkdir(u"settings"_s));
    rig.keeper->setFallbackFolder(rig.path(u"settings"_s));
    rig.document.setDocumentName(rig.path(u"gone/show.lta"_s));
    rig.document.setModified(true);
    rig.clock.advance(RescueKeeper::DelayMs);
    QCOMPARE(rig.rescue(u"settings/show.rescue.lta"_s), QByteArray("edit 1"));
    rig.document.setModified(false);
    QCOMPARE(rig.rescue(u"settings/show.rescue.lta"_s), QByteArray("<none>"));
}

void RescueKeeperTest::aCopyNotItsOwnIsNeverOverwritten_data() {
    QTest::addColumn<bool>("takenBack");
    QTest::addColumn<bool>("savedWithinTheDelay");
    QTest::addColumn<QByteArray>("copy");
    QTest::addColumn<QByteArray>("keptAside");
    // A copy left by a run that ended without a word, never offered: it goes aside.
    QTest::newRow("unanswered") << false << false << QByteArray("edit 2") << QByteArray("left");
    QTest::newRow("unanswered, saved") << false << true << QByteArray("left") << QByteArray();
    // Taken back into the document, it is the run's own copy.
    QTest::newRow("taken back") << true << false << QByteArray("edit 2") << QByteArray();
    QTest::newRow("taken back, saved") << true << true << QByteArray("<none>") << QByteArray();
}

void RescueKeeperTest::aCopyNotItsOwnIsNeverOverwritten() {
    QFETCH(bool, takenBack);
    QFETCH(bool, savedWithinTheDelay);
    QFETCH(QByteArray, copy);
    QFETCH(QByteArray, keptAside);
    Rig rig;
    QFile left(rig.path(u"show.rescue.lta"_s));
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write("\tleft\t\r\n");
    left.close();
    rig.document.setModified(true);
    if (takenBack)
        rig.keeper->adoptCopy(rig.path(u"show.rescue.lta"_s));
    if (savedWithinTheDelay) {
        rig.clock.advance(RescueKeeper::DelayMs - 1);
        rig.document.setModified(false);
    }
    rig.clock.advance(RescueKeeper::DelayMs);
    rig.keeper->noteChange(); // a second copy goes over the first without a second aside
    rig.clock.advance(RescueKeeper::DelayMs);
    QCOMPARE(rig.rescue(), copy);
    const QStringList aside = QDir(rig.dir.path()).entryList({u"show.rescue 20*.lta"_s});
    QCOMPARE(aside.size(), keptAside.isEmpty() ? 0 : 1);
    if (!keptAside.isEmpty())
        QCOMPARE(rig.rescue(aside.first()), keptAside);
}

void RescueKeeperTest::markerColoursAreNoChange() {
    Rig rig;
    SequenceTable table;
    table.appendRow();
    rig.keeper->watch(table);
    rig.pending = true;
    table.setMarker(1, SequenceTable::Marker::Playing);
    QVERIFY(!rig.counting());
    table.setCell(SequenceTable::TextColumn, 1, "NEU");
    QVERIFY(rig.counting());
}

QTEST_GUILESS_MAIN(RescueKeeperTest)
#include "tst_rescuekeeper.moc"

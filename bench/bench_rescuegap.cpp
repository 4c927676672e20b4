// The rescue copy while the operator edits a 10,000-entry sequence: the whole program on the
// real clock, the editor typed into as an operator would, and the event loop watched by a
// 1 ms timer. Reports the longest gap between two of its ticks (the interface stalls for that
// long) during the editing and at the moments a copy is taken, and how long taking a copy
// costs the user-interface thread. Nothing should come near 16 ms, one frame of the screen.
#include "recordingserialport.h"
#include "scriptedprompter.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "editor/entryeditor.h"
#include "platform/qtclock.h"
#include "platform/qteventpump.h"
#include "programfolder.h"
#include "sequence/documentstate.h"
#include "sequence/rescuekeeper.h"
#include "sequence/rowselection.h"
#include "sequence/sequencecontrols.h"
#include "sequence/sequencefile.h"
#include "sequence/sequencetable.h"
#include "showrows.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Entries = 10000;

// Keeps a result from being optimised away.
qsizetype g_sink = 0;
void benchmark(qsizetype value) {
    g_sink += value;
}

qint64 median(std::vector<qint64> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void runFor(int ms) {
    QDeadlineTimer deadline(ms);
    while (!deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.info=false");
    QApplication app(argc, argv);

    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/rescuegap-XXXXXX"));
    QFile ini(dir.filePath(QStringLiteral("RPW.ini")));
    if (!ini.open(QIODevice::WriteOnly))
        return 1;
    ini.write("[Anzeige]\r\nSeriellerCOM-Port=1\r\n");
    ini.close();
    QtClock clock;
    QtEventPump pump;
    ScriptedPrompter prompter;
    RecordingSerialPort port;
    port.setAvailablePorts({1});
    std::unique_ptr<ProgramServices> services =
        servicesInFolder(dir.path(), QStringLiteral("RPW"), clock, pump, prompter, port);
    ProgramWindows windows(*services);
    MainWindow& main = windows.main();
    QDeadlineTimer started(10000);
    while (!main.startupDone() && !started.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    if (!main.startupDone())
        return 1;

    main.table().setRows(showRows(Entries));
    main.selection().select(Entries / 2);
    main.editor().loadEntry(Entries / 2);
    main.sequence().document().setDocumentName(dir.filePath(QStringLiteral("show.lta")));
    main.sequence().document().setModified(true);
    auto* editor = main.findChild<QTextEdit*>(QStringLiteral("Textfeld"));
    if (!editor)
        return 1;

    // The cost of one copy on the user-interface thread: the table as "OK" would leave it,
    // its lines taken (they are encoded on the writer's thread); encoding shown apart.
    qint64 worstCopyUs = 0;
    qint64 worstEncodeUs = 0;
    qint64 worstPendingUs = 0;
    std::vector<qint64> encodeUs;
    std::vector<qint64> pendingUs;
    std::vector<qint64> copyUs;
    for (int i = 0; i < 20; ++i) {
        QElapsedTimer part;
        part.start();
        benchmark(SequenceFile::encode(main.table()).size());
        worstEncodeUs = std::max(worstEncodeUs, part.nsecsElapsed() / 1000);
        encodeUs.push_back(part.nsecsElapsed() / 1000);
        editor->insertPlainText(QStringLiteral("X"));
        part.start();
        benchmark(main.editor().tableWithPendingEntry()->gridRowCount());
        worstPendingUs = std::max(worstPendingUs, part.nsecsElapsed() / 1000);
        pendingUs.push_back(part.nsecsElapsed() / 1000);
        editor->insertPlainText(QStringLiteral("X"));
        QElapsedTimer copy;
        copy.start();
        const std::unique_ptr<SequenceTable> pending = main.editor().tableWithPendingEntry();
        const SequenceFile::Lines lines = SequenceFile::lines(pending ? *pending : main.table());
        worstCopyUs = std::max(worstCopyUs, copy.nsecsElapsed() / 1000);
        copyUs.push_back(copy.nsecsElapsed() / 1000);
        if (lines.rows.size() < size_t(Entries))
            return 1;
    }

    // The event loop's pulse.
    QElapsedTimer sinceTick;
    qint64 worstGapUs = 0;
    QTimer pulse;
    pulse.setTimerType(Qt::PreciseTimer);
    pulse.setInterval(1);
    QObject::connect(&pulse, &QTimer::timeout, [&] {
        worstGapUs = std::max(worstGapUs, sinceTick.nsecsElapsed() / 1000);
        sinceTick.start();
    });

    const QString rescue = dir.filePath(QStringLiteral("show.rescue.lta"));
    qint64 editingGapUs = 0;
    qint64 copyGapUs = 0;
    int copies = 0;
    for (int round = 0; round < 4; ++round) {
        // A second of typing, a key every 50 ms.
        sinceTick.start();
        worstGapUs = 0;
        pulse.start();
        for (int key = 0; key < 20; ++key) {
            editor->insertPlainText(QStringLiteral("A"));
            runFor(50);
        }
        editingGapUs = std::max(editingGapUs, worstGapUs);
        // Then quiet until the copy is on disk (looked for afterwards: the look itself would
        // touch the disk on this thread).
        pulse.stop();
        QFile::remove(rescue);
        worstGapUs = 0;
        sinceTick.start();
        pulse.start();
        runFor(RescueKeeper::DelayMs + 1000);
        pulse.stop();
        copyGapUs = std::max(copyGapUs, worstGapUs);
        copies += QFileInfo::exists(rescue) ? 1 : 0;
    }
    // The same quiet stretch with nothing to rescue: what the machine itself stalls.
    main.editor().setEntryModified(false);
    main.sequence().document().setModified(false);
    worstGapUs = 0;
    sinceTick.start();
    pulse.start();
    runFor(RescueKeeper::DelayMs + 1000);
    pulse.stop();
    const qint64 idleGapUs = worstGapUs;
    std::printf("10,000 entries, editor holding a change\n");
    std::printf("  taking one copy (table as OK would leave it, its lines): %.2f ms at worst\n",
                double(worstCopyUs) / 1000);
    std::printf("    median %.2f ms; of which encoding the table: median %.2f, worst %.2f ms;\n"
                "    working out the commit: median %.2f, worst %.2f ms\n",
                double(median(copyUs)) / 1000, double(median(encodeUs)) / 1000,
                double(worstEncodeUs) / 1000, double(median(pendingUs)) / 1000,
                double(worstPendingUs) / 1000);
    std::printf("  longest event-loop gap while typing:                   %.2f ms\n",
                double(editingGapUs) / 1000);
    std::printf("  longest event-loop gap around the copies (%d written):  %.2f ms\n", copies,
                double(copyGapUs) / 1000);
    std::printf("  longest event-loop gap of the same stretch, nothing to copy: %.2f ms\n",
                double(idleGapUs) / 1000);
    return copies == 4 && g_sink > 0 ? 0 : 1;
}

// One tick of the editor's preview on the whole program: the fields of the active tab read,
// the frame computed and shown in the preview lines. The widgets are found by their object
// names, so the benchmark follows the program however its panels are arranged.
#include "benchprogram.h"
#include "recordingserialport.h"
#include "scriptedprompter.h"
#include "virtualclock.h"
#include "virtualeventpump.h"

#include "app/mainwindow.h"
#include "app/programservices.h"
#include "app/programwindows.h"
#include "playback/editorsimulation.h"
#include "programfolder.h"

#include <QApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// The program started on a board of 4 lines of 24 characters, with nothing to ask.
struct Program : BenchProgram {
    Program()
        : BenchProgram("bench_editorsimulation") {}
    // The program's own change of the kind: nothing converted, nothing asked.
    void showPage(const char* name) {
        auto* tabs = widget<QTabWidget>("PageControl1");
        const QSignalBlocker quiet(tabs);
        tabs->setCurrentWidget(widget<QWidget>(name));
    }
};

// One program for all runs, created and destroyed inside main's application.
Program* g_program = nullptr;

Program& program() {
    return *g_program;
}

QString textOfLines(int lines) {
    QStringList text;
    for (int i = 0; i < lines; ++i)
        text << QStringLiteral("ZEILE %1 MIT TEXT").arg(i);
    return text.join(QLatin1Char('\n'));
}

// A block or scroll text of range(0) editor lines.
void tickOn(benchmark::State& state, const char* page, const char* editor) {
    Program& p = program();
    p.showPage(page);
    p.widget<QTextEdit>(editor)->setPlainText(textOfLines(int(state.range(0))));
    EditorSimulation& simulation = p.main().editorSimulation();
    for (auto _ : state)
        simulation.tick();
}

void BM_BlockTick(benchmark::State& state) {
    tickOn(state, "TabSheet1", "Textfeld");
}

void BM_ScrollTick(benchmark::State& state) {
    tickOn(state, "TabSheet2", "ScrollTextFeld");
}

// A flowing text of range(0) characters.
void BM_FlowTick(benchmark::State& state) {
    Program& p = program();
    p.showPage("TabSheet3");
    p.widget<QPlainTextEdit>("Fliesstextfeld")
        ->setPlainText(QString(int(state.range(0)), QLatin1Char('A')));
    EditorSimulation& simulation = p.main().editorSimulation();
    for (auto _ : state)
        simulation.tick();
}

} // namespace

BENCHMARK(BM_BlockTick)->Arg(12)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ScrollTick)->Arg(12)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FlowTick)->Arg(200)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The program's progress lines would interleave with the figures.
    qputenv("QT_LOGGING_RULES", "*.info=false");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    Program p;
    g_program = &p;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

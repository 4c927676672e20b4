// The editor's work at the operator's hand: one alignment of a long scroll text, and what the
// typing filter adds to a keystroke. A keystroke must stay far below a millisecond.
#include "scriptedprompter.h"

#include "editor/caretpage.h"
#include "editor/entryeditorpanel.h"
#include "editor/linealigner.h"
#include "editor/linealignment.h"
#include "editor/typingfilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

struct Editor {
    EntryEditorPanel panel;
    ScriptedPrompter prompter;
    CaretPage caretPage{panel};
    LineAligner aligner{panel, caretPage};
    TypingFilter typing{panel, prompter};

    Editor() {
        panel.setUpForDisplay(DisplaySetup{});
        typing.watch(panel.blockEditor(), TypingFilter::Mode::Refusing);
    }
};

QString scrollText(int lines) {
    QString text;
    for (int i = 0; i < lines; ++i)
        text += QStringLiteral("  ZEILE %1 DES TEXTES  \n").arg(i);
    return text;
}

void selectAll(QTextEdit& editor) {
    QTextCursor cursor(editor.document());
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    editor.setTextCursor(cursor);
}

// Centring every line of the scroll text: read, aligned, written back, caret put back.
void BM_AlignScrollText(benchmark::State& state) {
    Editor editor;
    QTextEdit& scroll = *editor.panel.scrollEditor();
    const QString text = scrollText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        scroll.setPlainText(text);
        selectAll(scroll);
        state.ResumeTiming();
        editor.aligner.align(scroll, LineAlignment::Centre);
    }
}

// The rule alone on the same lines.
void BM_AlignLinesRule(benchmark::State& state) {
    QList<QByteArray> lines;
    for (int i = 0; i < state.range(0); ++i)
        lines.append("  ZEILE " + QByteArray::number(i) + " DES TEXTES  ");
    for (auto _ : state)
        benchmark::DoNotOptimize(LineAlignments::alignLines(
            lines, 0, static_cast<int>(lines.size()) - 1, LineAlignment::Centre, 24));
}

// The filter's own part of a key: judging and capitalising one typed character.
void BM_FilterOneKey(benchmark::State& state) {
    Editor editor;
    int rejected = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            editor.typing.filtered(QStringLiteral("a"), TypingFilter::Mode::Refusing, rejected));
}

// A whole keystroke at the end of the block editor's text of `range` lines, filter, insertion
// and the preview of the caret's page together: the lower case letter goes in as its capital.
void BM_KeystrokeIntoBlockEditor(benchmark::State& state) {
    Editor editor;
    QTextEdit& block = *editor.panel.blockEditor();
    const QString text = scrollText(static_cast<int>(state.range(0)));
    const auto restart = [&block, &text] {
        block.setPlainText(text);
        block.moveCursor(QTextCursor::End);
    };
    restart();
    int typed = 0;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QCoreApplication::sendEvent(&block, &press);
        if (++typed == 200) {
            state.PauseTiming();
            restart();
            typed = 0;
            state.ResumeTiming();
        }
    }
}

} // namespace

BENCHMARK(BM_AlignScrollText)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlignLinesRule)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FilterOneKey)->Unit(benchmark::kNanosecond);
BENCHMARK(BM_KeystrokeIntoBlockEditor)->Arg(0)->Arg(30)->Arg(1000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

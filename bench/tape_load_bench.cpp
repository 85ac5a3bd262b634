// How long a long file takes to show on the tape, as Open and the restore of a left
// tape put it there: one line of 1 MB (digits, with nowhere to break the line) and
// 4 MiB of short lines, the longest line and the largest tape Open accepts; and one
// line of 10 MB and 16 MiB of short lines, which Open refuses, to show why.
// "shown" is the tape drawn with the text on it; "laid out" is the whole text laid
// out, which the text box does in the background, and "longest step" the longest
// the window stayed deaf meanwhile. For 16 MiB the background layout is not waited
// for: on Qt 6.4 it runs for many minutes, some of its steps for minutes at a time.
// Each case runs once: without lines broken anywhere the 1 MB line takes minutes.
//   QT_QPA_PLATFORM=offscreen build/bench/main_window_bench --benchmark_filter=openLongTape

#include "app/program.h"
#include "tape/document_file.h"
#include "ui/adapters/text_edit_tape.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

using tallimo::Control;

std::string fileText(bool oneLine, std::size_t bytes)
{
    const std::string piece = oneLine ? "1234567890" : "12 + 3 = 15#\n";
    std::string text;
    text.reserve(bytes + piece.size());
    while (text.size() < bytes) text += piece;
    text.resize(bytes);
    return text;
}

void openLongTape(benchmark::State& state)
{
    const bool oneLine = state.range(0) == 1;
    const auto bytes = static_cast<std::size_t>(state.range(1));
    const std::string text = fileText(oneLine, bytes);
    QTemporaryDir folder;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    double shown = 0, followed = 0, longestStep = 0;
    for (auto _ : state) {
        tallimo::app::Program program;
        program.startUp();
        program.finishStartUp();
        auto& controls = program.calculator().controls();
        controls.show(Control::txtSpool);
        controls.setHeight(tallimo::WindowHeight::Tall);
        QApplication::processEvents();
        tallimo::ui::TextEditTape tape(program.window().tape());

        QElapsedTimer clock;
        clock.start();
        tape.setText(text);
        QApplication::processEvents();
        shown = static_cast<double>(clock.elapsed());
        // Laid out in the background: the longest the window stays deaf meanwhile.
        const QTextBlock last = program.window().tape().document()->lastBlock();
        while (bytes <= tallimo::kLargestDocumentBytes && (last.layout() == nullptr || last.layout()->lineCount() == 0)) {
            QElapsedTimer step;
            step.start();
            QApplication::processEvents(QEventLoop::AllEvents, 50);
            longestStep = std::max(longestStep, static_cast<double>(step.elapsed()));
        }
        followed = static_cast<double>(clock.elapsed());
        state.SetIterationTime(followed / 1000);
    }
    QDir::setCurrent(previous);
    state.counters["shown_ms"] = shown;
    state.counters["laid_out_ms"] = followed;
    state.counters["longest_step_ms"] = longestStep;
    state.counters["MiB"] = static_cast<double>(bytes) / (1024 * 1024);
}

}  // namespace

BENCHMARK(openLongTape)
    ->Args({1, 1'000'000})
    ->Args({0, 4 * 1024 * 1024})
    ->Args({1, 10'000'000})
    ->Args({0, 16 * 1024 * 1024})
    ->Iterations(1)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

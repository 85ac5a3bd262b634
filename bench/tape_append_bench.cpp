// A key press with its tape append must cost the same on a long tape as on a short
// one. Each round presses "7" and then "C", which writes one character to the tape
// and takes it back, so the tape keeps its length however many rounds run. The tape
// is unsaved, so its recovery copy is kept as in use: each run lasts long enough for
// the copy's timer to go off and write the whole tape at least once. The view shows
// the end of the tape and follows it.

#include "app/program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScrollBar>
#include <QString>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using tallimo::Control;

// A started program in a scratch folder (the recovery copy goes to the folder current
// at start) with an open tape of the given number of tape lines.
struct OpenTape {
    explicit OpenTape(int lines)
    {
        program.startUp();
        program.finishStartUp();
        program.calculator().controls().show(Control::txtSpool);
        QString text;
        text.reserve(lines * 14);
        for (int i = 0; i < lines; ++i) text += QStringLiteral("12 + 3 = 15#\n");
        program.window().tape().setPlainText(text);
    }
    ~OpenTape() { QDir::setCurrent(previousFolder); }
    QAbstractButton* key(Control control) { return qobject_cast<QAbstractButton*>(program.window().widget(control)); }

    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
    bool inFolder = QDir::setCurrent(folder.path());  // before the program, which keeps it
    tallimo::app::Program program;
};

void pressKeyOnTape(benchmark::State& state)
{
    const auto lines = static_cast<int>(state.range(0));
    OpenTape page(lines);
    auto& window = page.program.window();
    // The tall window: the tape is laid out and on screen.
    page.program.calculator().controls().setHeight(tallimo::WindowHeight::Tall);

    auto* digit = page.key(Control::cmdDigit_7);
    auto* trim = page.key(Control::cmdDelete);
    // The first change at the end lays out the whole tape that was just opened; the
    // rounds measure the presses that follow, with the view at the end of the tape,
    // which each of them keeps in view.
    digit->click();
    trim->click();
    QApplication::processEvents();
    QScrollBar* view = window.tape().verticalScrollBar();
    view->setValue(view->maximum());
    for (auto _ : state) {
        digit->click();
        trim->click();
        QApplication::processEvents();
    }
    if (view->value() != view->maximum()) state.SkipWithError("the view lost the end of the page");
    state.counters["lines"] = lines;
    state.counters["copy_bytes"] = static_cast<double>(QFileInfo(page.folder.filePath("unsaved-tape-1.tmo")).size());
}

// The pause that writing the copy makes, once at most every two seconds while the
// tape changes: the tape's text taken, turned into the code page and written whole.
void writeRecoveryCopy(benchmark::State& state)
{
    OpenTape page(static_cast<int>(state.range(0)));
    auto* digit = page.key(Control::cmdDigit_7);
    for (auto _ : state) {
        state.PauseTiming();
        digit->click();
        state.ResumeTiming();
        benchmark::DoNotOptimize(page.program.recoveryCopy().bringUpToDate());
    }
    state.counters["lines"] = static_cast<double>(state.range(0));
}

}  // namespace

BENCHMARK(writeRecoveryCopy)->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(pressKeyOnTape)->Arg(1'000)->Arg(10'000)->Arg(100'000)->MinTime(5)->Unit(benchmark::kMicrosecond);

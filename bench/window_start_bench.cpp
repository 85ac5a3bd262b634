// Building and showing the main window with its five hidden windows, beside a bare
// QMainWindow holding as many plain buttons as the main window has controls.

#include "app/program.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

int mainWindowWidgetCount()
{
    tallimo::app::Program program;
    int count = 0;
    for (std::size_t i = 0; i < tallimo::kControlCount; ++i)
        count += program.window().widget(static_cast<tallimo::Control>(i)) != nullptr;
    return count;
}

void startMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto program = std::make_unique<tallimo::app::Program>();
        program->start();
        program->window().show();
        QApplication::processEvents();
        state.PauseTiming();
        program.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void startBareWindow(benchmark::State& state)
{
    const int buttons = mainWindowWidgetCount();
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        auto* client = new QWidget(window.get());
        for (int i = 0; i < buttons; ++i) {
            auto* button = new QPushButton(QString::number(i), client);
            button->setGeometry((i % 10) * 40, (i / 10) * 20, 38, 18);
        }
        window->setCentralWidget(client);
        window->resize(444, 350);
        window->show();
        QApplication::processEvents();
        state.PauseTiming();
        window.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
    state.counters["buttons"] = buttons;
}

}  // namespace

BENCHMARK(startBareWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(startMainWindow)->Unit(benchmark::kMillisecond);

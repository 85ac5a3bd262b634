// Building and showing the main window with its five hidden windows, the part it
// builds after its first frame included, beside a bare QMainWindow holding one plain
// button for each control of the main window (its widgets and menu items), and one
// for each of its widgets alone.

#include "app/program.h"
#include "ui/main/main_window_controls.h"

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

void startMainWindow(benchmark::State& state)
{
    for (auto _ : state) {
        auto program = std::make_unique<tallimo::app::Program>();
        program->startUp();
        QApplication::processEvents();
        program->finishStartUp();
        state.PauseTiming();
        program.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void startBareWindow(benchmark::State& state)
{
    const auto buttons = static_cast<int>(state.range(0));
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
}

}  // namespace

BENCHMARK(startBareWindow)
    ->Arg(static_cast<int>(tallimo::kControlCount))
    ->Arg(static_cast<int>(tallimo::ui::mainWindowDesign().size()))
    ->ArgName("buttons")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(startMainWindow)->Unit(benchmark::kMillisecond);

#pragma once
// The five windows the main window loads hidden at start-up. Each group of windows
// brings its own; until it does, a plain placeholder with the right name stands in.
// To put a real window in, hand MainWindow a factory that makes it for its kind and
// falls back to makePlaceholderWindow for the others.

#include <QColor>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace tallimo::ui {

// In the order the start-up loads them.
enum class Companion { Colour, Weight, Volume, Distance, RunningTotal };
inline constexpr std::array<Companion, 5> kCompanionLoadOrder{Companion::Colour, Companion::Weight, Companion::Volume,
                                                              Companion::Distance, Companion::RunningTotal};

using CompanionFactory = std::function<std::unique_ptr<QWidget>(Companion)>;

// A hidden top-level window with the objectName and caption of the real one.
std::unique_ptr<QWidget> makePlaceholderWindow(Companion kind);

// A window's or a control's background colour.
void paintBackground(QWidget& widget, const QColor& colour);

}  // namespace tallimo::ui

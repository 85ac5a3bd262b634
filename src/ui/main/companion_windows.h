#pragma once
// The five windows the main window loads hidden at start-up, made by the factory
// the main window is given.

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

}  // namespace tallimo::ui

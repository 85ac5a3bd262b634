#pragma once
// The windows beside the main one: the three conversion windows, the colour mixer
// and the running-total window, made hidden when the main window loads them, and
// the about box, made only when it is asked for.

#include "appearance/colour.h"
#include "appearance/window_menu.h"
#include "common/calculator_entry.h"
#include "memory/running_total_window_model.h"
#include "ui/adapters/qt_prompter.h"
#include "ui/main/companion_windows.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

namespace tallimo::ui {
class ColourMixerWindow;
class ConversionWindow;
class RunningTotalWindow;
}  // namespace tallimo::ui

namespace tallimo::app {

class ProgramWindows : public ChildWindows {
public:
    struct Parts {
        CalculatorEntry& entry;  // what the conversion windows send into
        RunningTotalWindowModel& runningTotal;
        ui::QtPrompter& runningTotalPrompter;  // the one the running total asks through
        std::function<void()> releaseColourItems;  // the mixer's closing gives its menu entries back
    };

    ProgramWindows(QWidget& mainWindow, Parts parts) : mainWindow_(mainWindow), parts_(std::move(parts)) {}

    // The factory the main window loads its companions with, in its load order.
    std::unique_ptr<QWidget> make(ui::Companion kind);

    // The colour scheme's background on every companion, shown or not, and on those
    // opened later.
    void setBackground(Colour colour);

    // Out of sight at once, without their closing questions: the program is ending.
    void hideAll();

    ui::ConversionWindow* conversion(ConversionKind kind) const { return conversions_[indexOf(kind)]; }
    ui::ColourMixerWindow* colourMixer() const { return mixer_; }
    ui::RunningTotalWindow* runningTotal() const { return total_; }

    // ChildWindows
    void showConversion(ConversionKind kind) override;
    void showColourMixer() override;
    void showAbout() override;

private:
    std::unique_ptr<QWidget> makeConversion(ConversionKind kind);
    std::unique_ptr<QWidget> makeRunningTotal();

    QWidget& mainWindow_;
    Parts parts_;
    Colour background_ = kBlack;
    // Owned by the main window, which loads and ends them.
    std::array<ui::ConversionWindow*, kConversionKindCount> conversions_{};
    ui::ColourMixerWindow* mixer_ = nullptr;
    ui::RunningTotalWindow* total_ = nullptr;
    // A window's questions and notices show over that window.
    std::array<ui::QtPrompter, kConversionKindCount> conversionPrompters_;
    ui::QtPrompter mixerPrompter_;
};

}  // namespace tallimo::app

#include "app/program_windows.h"

#include "ui/about/about_box.h"
#include "ui/appearance/qt_colour.h"
#include "ui/colour/colour_mixer_window.h"
#include "ui/conversion/conversion_window.h"
#include "ui/running_total/running_total_window.h"

namespace tallimo::app {

std::unique_ptr<QWidget> ProgramWindows::make(ui::Companion kind)
{
    if (const std::optional<ConversionKind> conversion = ui::conversionOf(kind)) return makeConversion(*conversion);
    if (kind == ui::Companion::RunningTotal) return makeRunningTotal();
    auto mixer = std::make_unique<ui::ColourMixerWindow>(mixerPrompter_, parts_.releaseColourItems);
    mixer_ = mixer.get();
    mixerPrompter_.attach(mixer_, {});
    return mixer;
}

std::unique_ptr<QWidget> ProgramWindows::makeConversion(ConversionKind kind)
{
    ui::QtPrompter& prompter = conversionPrompters_[indexOf(kind)];
    auto window = std::make_unique<ui::ConversionWindow>(kind, parts_.entry, prompter);
    conversions_[indexOf(kind)] = window.get();
    prompter.attach(window.get(), {});
    return window;
}

std::unique_ptr<QWidget> ProgramWindows::makeRunningTotal()
{
    // The total it sends goes into the calculator and onto the tape; the tape's change
    // makes the main window show both.
    auto view = std::make_unique<ui::RunningTotalWindow>(parts_.runningTotal);
    total_ = view.get();
    parts_.runningTotalPrompter.attach(total_, {});
    return view;
}

void ProgramWindows::setBackground(Colour colour)
{
    background_ = colour;
    const QColor shown = ui::toQColor(colour);
    for (ui::ConversionWindow* window : conversions_) {
        if (window != nullptr) window->setBackground(shown);
    }
    if (mixer_ != nullptr) mixer_->setBackground(colour);
    if (total_ != nullptr) total_->setBackground(shown);
}

void ProgramWindows::hideAll()
{
    for (ui::ConversionWindow* window : conversions_) {
        if (window != nullptr) window->hide();
    }
    if (mixer_ != nullptr) mixer_->hide();
    if (total_ != nullptr) total_->hide();
}

void ProgramWindows::showConversion(ConversionKind kind)
{
    if (ui::ConversionWindow* window = conversion(kind)) window->open();
}

void ProgramWindows::showColourMixer()
{
    if (mixer_ != nullptr) mixer_->open(background_);
}

void ProgramWindows::showAbout()
{
    ui::AboutBox box(&mainWindow_);
    box.exec();
}

}  // namespace tallimo::app

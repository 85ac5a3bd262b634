#pragma once
// The colour mixer frmColour: three sliders mix a colour that the window shows with
// each component's value. It changes nothing else in the program and keeps nothing
// once closed; each opening after a close starts afresh.

#include "appearance/colour.h"
#include "common/prompter.h"

#include <array>
#include <functional>
#include <string>

namespace tallimo {

// In the order of the value labels lblRGB(0) to lblRGB(2).
enum class Component { Red, Green, Blue };

inline constexpr int kSliderMaximum = 255;
inline constexpr int kSliderSmallStep = 1;
inline constexpr int kSliderLargeStep = 5;

class ColourMixerWindowModel {
public:
    // `releaseColourItems` gives the main window's two Colour entries back; it runs
    // whenever the user is asked about closing, whatever the answer.
    ColourMixerWindowModel(Prompter& prompter, std::function<void()> releaseColourItems)
        : prompter_(prompter), releaseColourItems_(std::move(releaseColourItems))
    {
    }

    // A closed mixer opens afresh in the background given (the scheme in force); an
    // open one stays as it is.
    void open(Colour background);
    bool isOpen() const { return open_; }

    Colour background() const { return background_; }
    void setBackground(Colour colour) { background_ = colour; }

    // A slider's value changed (clamped to 0..255).
    void move(Component component, int value);
    int value(Component component) const { return values_[index(component)]; }
    Colour mixed() const;
    // The caption of lblRGB(component).
    std::string valueText(Component component) const;
    // lblRed, lblGreen, lblBlue: white text on the colour of their component alone,
    // black when loaded.
    Colour nameLabelBackground(Component component) const;
    Colour nameLabelText() const { return kWhite; }

    // The window's close box: asks, then true when the window may close.
    bool requestClose();
    // Exit: asks, and on Yes closes as the close box does (asking again). True when
    // the window is to close; it must then close without asking a third time.
    bool exit();

private:
    static std::size_t index(Component c) { return static_cast<std::size_t>(c); }

    Prompter& prompter_;
    std::function<void()> releaseColourItems_;
    bool open_ = false;
    Colour background_ = kBlack;
    std::array<int, 3> values_{};
};

}  // namespace tallimo

#include "appearance/colour_mixer_window_model.h"

#include "common/messages.h"
#include "common/numbers.h"

#include <algorithm>

namespace tallimo {

namespace {

std::uint8_t component(int value) { return static_cast<std::uint8_t>(value); }

}  // namespace

void ColourMixerWindowModel::open(Colour background)
{
    if (open_) return;
    open_ = true;
    values_ = {};
    background_ = background;
}

void ColourMixerWindowModel::move(Component moved, int value)
{
    values_[index(moved)] = std::clamp(value, 0, kSliderMaximum);
}

Colour ColourMixerWindowModel::mixed() const { return {component(values_[0]), component(values_[1]), component(values_[2])}; }

std::string ColourMixerWindowModel::valueText(Component c) const { return numberToText(values_[index(c)]); }

Colour ColourMixerWindowModel::nameLabelBackground(Component c) const
{
    const std::uint8_t v = component(values_[index(c)]);
    switch (c) {
    case Component::Red: return {v, 0, 0};
    case Component::Green: return {0, v, 0};
    case Component::Blue: return {0, 0, v};
    }
    return kBlack;
}

bool ColourMixerWindowModel::requestClose()
{
    const bool yes = consents(prompter_.ask(yesNo(MsgValuesLostOnClose(), Answer::Yes)));
    if (releaseColourItems_) releaseColourItems_();
    if (yes) open_ = false;
    return yes;
}

bool ColourMixerWindowModel::exit()
{
    const bool yes = consents(prompter_.ask(yesNo(MsgValuesLostOnExit(), Answer::Yes)));
    const bool closing = yes && requestClose();
    if (releaseColourItems_) releaseColourItems_();
    return closing;
}

}  // namespace tallimo

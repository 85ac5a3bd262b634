#pragma once
// Stand-ins for the clock and for the windows the main window shows.

#include "appearance/clock.h"
#include "appearance/window_menu.h"

#include <string>
#include <vector>

namespace tallimo::testing {

class SetClock : public Clock {
public:
    std::string timeText() const override { return time; }
    std::string shortDateText() const override { return date; }
    std::string time = "09:00:00";
    std::string date = "01/02/2026";
};

class RecordingWindows : public ChildWindows {
public:
    void showConversion(ConversionKind kind) override { shown.push_back(static_cast<int>(kind)); }
    void showColourMixer() override { shown.push_back(kMixer); }
    void showAbout() override { shown.push_back(kAbout); }

    static constexpr int kMixer = 10;
    static constexpr int kAbout = 11;
    std::vector<int> shown;  // conversions by their kind's number
};

}  // namespace tallimo::testing

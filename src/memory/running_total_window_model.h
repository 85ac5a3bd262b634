#pragma once
// What the running-total window shows: its text box and whether it is on screen.
// The window is one shared instance; closing it discards its text until the next
// time the total is put into it.

#include "common/calculator_entry.h"
#include "common/prompter.h"

#include <functional>
#include <string>

namespace tallimo {

class RunningTotalWindowModel {
public:
    RunningTotalWindowModel(CalculatorEntry& calculator, Prompter& prompter)
        : calculator_(calculator), prompter_(prompter)
    {
    }

    bool visible() const { return visible_; }
    const std::string& text() const { return text_; }

    void setText(std::string text);
    void show();

    // "Send To Calculator": the total becomes the calculator's input unless the
    // calculator holds a number; the window closes either way.
    void sendTotal();
    // Exit in the menu bar or the popup, and the window's close box.
    void exitTotalWindow();

    // Called after every change, so that the window follows the total while open.
    void onChange(std::function<void()> listener) { listener_ = std::move(listener); }

private:
    void changed()
    {
        if (listener_) listener_();
    }

    CalculatorEntry& calculator_;
    Prompter& prompter_;
    bool visible_ = false;
    std::string text_;
    std::function<void()> listener_;
};

}  // namespace tallimo

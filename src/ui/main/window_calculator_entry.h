#pragma once
// The calculator as the other windows reach it: a memory cell, the running-total
// window or a conversion window sends a value, and the main window shows it at once.

#include "calculator/calculator.h"
#include "ui/main/main_window.h"

namespace tallimo::ui {

class WindowCalculatorEntry : public CalculatorEntry {
public:
    WindowCalculatorEntry(Calculator& calculator, MainWindow& window) : calculator_(calculator), window_(window) {}

    bool holdsValue() const override { return calculator_.holdsValue(); }
    std::string input() const override { return calculator_.input(); }
    void setInput(std::string text) override
    {
        calculator_.setInput(std::move(text));
        window_.render();
    }
    void setOutput(std::string text) override
    {
        calculator_.setOutput(std::move(text));
        window_.render();
    }
    void appendToSpool(std::string_view text) override
    {
        calculator_.appendToSpool(text);
        window_.render();
    }
    void resultShown(std::string_view text) override { calculator_.resultShown(text); }
    void enableConversionEntries(ConversionKind kind) override
    {
        calculator_.enableConversionEntries(kind);
        window_.render();
    }

private:
    Calculator& calculator_;
    MainWindow& window_;
};

}  // namespace tallimo::ui

#pragma once
// The main window as a conversion window sees it: an input box, an output box, the
// tape and the two launcher entries of each conversion window.

#include "common/calculator_entry.h"
#include "common/numbers.h"

#include <map>
#include <string>
#include <vector>

namespace tallimo::testing {

class FakeCalculator : public CalculatorEntry {
public:
    bool holdsValue() const override { return isNumeric(inputBox); }
    std::string input() const override { return inputBox; }
    void setInput(std::string text) override { inputBox = std::move(text); }
    void setOutput(std::string text) override { outputBox = std::move(text); }
    void appendToTape(std::string_view text) override { tape += text; }
    void resultShown(std::string_view text) override { results.emplace_back(text); }
    void enableConversionEntries(ConversionKind kind) override { ++entriesEnabled[kind]; }

    std::string inputBox;
    std::string outputBox;
    std::string tape;
    std::vector<std::string> results;
    std::map<ConversionKind, int> entriesEnabled;
};

}  // namespace tallimo::testing

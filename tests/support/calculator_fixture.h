#pragma once

#include "calculator/calculator.h"
#include "support/keys.h"
#include "support/scripted_prompter.h"
#include "tape/in_memory_tape.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tallimo::testing {

// Every result the calculator told, in order.
struct RecordedResults : ResultListener {
    void resultShown(std::string_view text) override { told.emplace_back(text); }
    std::vector<std::string> told;
};

// A started calculator on an in-memory tape with a scripted prompter.
class CalculatorTest : public ::testing::Test {
protected:
    CalculatorTest()
    {
        calculator.start();
        calculator.tellResultsTo(results);
    }

    std::string keys(const std::string& sequence) { return press(calculator, sequence); }
    const std::string& input() { return calculator.inputText(); }
    const std::string& output() { return calculator.output(0); }
    bool enabled(Control c) { return calculator.controls().enabled(c); }
    bool visible(Control c) { return calculator.controls().visible(c); }
    // The command buttons a person can click now: visible and enabled.
    std::set<Control> clickable()
    {
        std::set<Control> out;
        for (std::size_t i = 0; i < kControlCount; ++i) {
            const auto c = static_cast<Control>(i);
            if (controlName(c).starts_with("cmd") && enabled(c) && visible(c)) out.insert(c);
        }
        return out;
    }

    ScriptedPrompter prompter;
    InMemoryTape tape;
    RecordedResults results;
    Calculator calculator{prompter, tape};
};

}  // namespace tallimo::testing

#pragma once
// The main window's calculating state and its rules: number entry, operators and
// "=", ReSet and Wipe. Every key of the window is one method here; setting the input
// or an output box runs its change reaction at once, before the next step.

#include "calculator/keys.h"
#include "common/calculator_entry.h"
#include "common/main_controls.h"
#include "common/prompter.h"
#include "common/result_listener.h"
#include "tape/tape.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tallimo {

// The window's fields, named as the windows' own code names them.
struct MainFields {
    std::string strRunningTotal;
    std::string strFileName;
    std::int16_t intFileNumber = 0;
    std::array<std::string, 7> strMemory;  // strMemory1 to strMemory7
    std::string strFirstValue;
    bool blnClearInput = false;
    std::string strAngleMode;
};

class Calculator : public CalculatorEntry {
public:
    Calculator(Prompter& prompter, Tape& tape);
    // The tape may outlive the calculator: it must not call back into a dead one.
    ~Calculator() override { tape_.stopListening(tapeListener_); }
    Calculator(const Calculator&) = delete;
    Calculator& operator=(const Calculator&) = delete;

    // The calculator's share of start-up: fields, tape and the start states.
    void start();

    // Number entry.
    void pressDigit(Digit digit);
    void pressSign();
    void pressPoint();
    void pressPercent();
    void pressExponent(Exponent exponent);
    void pressDelete();  // the "C" key

    // Operators and evaluation.
    void pressOperator(Operator op);
    void pressEquals(Equals equals);
    void pressSquareOrCube(SquareOrCube power);
    void pressPye();
    void pressSwop();

    void pressReset();
    void pressWipe();  // the Wipe key
    void menuWipe();   // Wipe in the Edit menu and the popup

    // Boxes: setting one runs its change reaction.
    const std::string& output(int index) const { return outputs_[static_cast<std::size_t>(index)]; }
    void setOutput(int index, std::string text);

    // Every result, the calculator's own and those sent in, goes to `listener`.
    void tellResultsTo(ResultListener& listener) { resultListener_ = &listener; }

    MainControls& controls() { return controls_; }
    const MainControls& controls() const { return controls_; }
    MainFields& fields() { return fields_; }
    const MainFields& fields() const { return fields_; }
    Tape& tape() { return tape_; }
    Prompter& prompter() { return prompter_; }

    // A result: the output box, the input read back from it, and one telling.
    void showResult(const std::string& text);

    // The two failure reactions shared by every calculating key.
    void unknownException();
    void showOverflow();

    // CalculatorEntry
    bool holdsValue() const override;
    std::string input() const override { return input_; }
    const std::string& inputText() const { return input_; }
    void setInput(std::string text) override;
    void setOutput(std::string text) override { setOutput(0, std::move(text)); }
    void appendToTape(std::string_view text) override { tape_.append(text); }
    void resultShown(std::string_view text) override;
    void enableConversionEntries(ConversionKind kind) override;

private:
    void inputChanged();
    void outputChanged();
    // The left-hand operand (strFirstValue) and the right-hand one (the input), read leniently.
    struct Operands {
        double first;
        double second;
    };
    Operands operands() const;
    void disableAllEquals();
    bool wipeValues();                         // asks first; false when the user declines

    Prompter& prompter_;
    Tape& tape_;
    ResultListener* resultListener_ = nullptr;
    std::size_t tapeListener_ = 0;
    MainControls controls_;
    MainFields fields_;
    std::string input_;
    std::array<std::string, kMemoryCellCount + 1> outputs_;  // the result, then the cells
};

}  // namespace tallimo

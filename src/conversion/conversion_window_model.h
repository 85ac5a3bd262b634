#pragma once
// One conversion window (distance, volume or weight) as the screen shows it: the
// amount and result boxes, the labels, which unit's target buttons are shown, the
// option button that is selected, and every control's enabled and visible flags.
// Its methods are the user's actions; messages go through the Prompter and a sent
// result through the CalculatorEntry of the main window.

#include "common/calculator_entry.h"
#include "common/menu_origin.h"
#include "common/prompter.h"
#include "conversion/window_design.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace tallimo {

enum class ConversionControl { TxtInput, TxtOutput, LblInput, LblConvert, LblResult, OptReset, OptSendCalc };

struct ControlFlags {
    bool visible = true;
    bool enabled = true;
};

// All option buttons of a window form one group: at most one of them is selected.
struct Selection {
    enum class Kind { None, Target, Reset, Send };
    Kind kind = Kind::None;
    std::size_t unit = 0;  // for a target button: its source unit and index
    int index = 0;

    static Selection none() { return {}; }
    static Selection reset() { return {Kind::Reset}; }
    static Selection send() { return {Kind::Send}; }
    static Selection target(std::size_t unit, int index) { return {Kind::Target, unit, index}; }
    friend bool operator==(const Selection&, const Selection&) = default;
};

// What Exit did to the window.
enum class ExitOutcome { Stays, Hidden, Closed };

class ConversionWindowModel {
public:
    ConversionWindowModel(ConversionKind kind, CalculatorEntry& calculator, Prompter& prompter);

    const WindowDesign& design() const { return design_; }

    // The main window's launcher: shows the window, loading it afresh if it was closed.
    void open();
    void chooseUnit(std::size_t unit, MenuOrigin place = MenuOrigin::MenuBar);
    void pressKeypad(int index);
    // A target button of the shown unit; an index the unit does not have does nothing.
    void chooseTarget(int index);
    void chooseReset();
    void chooseSend();
    ExitOutcome requestExit();
    // The close box: asks when both boxes hold something; false keeps the window open.
    bool requestClose();

    bool loaded() const { return loaded_; }
    bool shown() const { return shown_; }
    bool expanded() const { return height_ != design_.collapsedHeight; }
    int width() const { return design_.width; }
    int height() const { return height_; }

    const std::string& input() const { return input_; }
    const std::string& output() const { return output_; }
    const std::string& amountLabel() const { return amountLabel_; }
    const std::string& convertLabel() const { return convertLabel_; }
    const std::string& resultLabel() const { return resultLabel_; }
    ControlFlags flags(ConversionControl control) const { return flags_[static_cast<std::size_t>(control)]; }

    std::optional<std::size_t> shownUnit() const { return shownUnit_; }
    bool targetVisible(std::size_t unit) const { return shownUnit_ == unit; }
    bool targetsEnabled() const { return targetsEnabled_; }
    Selection selection() const { return selection_; }

    double amount() const { return amount_; }

private:
    void load();
    bool closingCheck();
    bool bothBoxesFilled() const;
    void setInput(std::string text);
    void applyAmountRule();
    void clear(Selection::Kind kind);
    bool select(Selection selection);
    ControlFlags& flag(ConversionControl control) { return flags_[static_cast<std::size_t>(control)]; }

    const WindowDesign& design_;
    CalculatorEntry& calculator_;
    Prompter& prompter_;

    bool loaded_ = false;
    bool shown_ = false;
    int height_ = 0;
    std::string input_;
    std::string output_;
    std::string amountLabel_;
    std::string convertLabel_;
    std::string resultLabel_;
    std::array<ControlFlags, 7> flags_{};
    std::optional<std::size_t> shownUnit_;
    bool targetsEnabled_ = false;
    Selection selection_;
    double amount_ = 0;
};

}  // namespace tallimo

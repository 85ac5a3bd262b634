#include "ui/main/main_window_controls.h"

namespace tallimo::ui {

namespace {

using C = Control;
using K = ControlKind;

constexpr const char* kMemoryTip = "Memories here can be reused and are saved when application closes";
constexpr const char* kSendTip = "Click here to send adjacent value to calculator input";
constexpr const char* kDeleteTip = "Adjacent memory is deleted when selected.";

// Keys are 495 by 252 twips unless their row says otherwise.
constexpr int kKeyWidth = 495;
constexpr int kKeyHeight = 252;

constexpr TwipsRect key(int left, int top, int width = kKeyWidth, int height = kKeyHeight)
{
    return {left, top, width, height};
}

// The lower band: one row of the memory panel every 360 twips from 4560 down.
constexpr int row(int i) { return 4560 + 360 * i; }

constexpr ControlDesign kDesign[] = {
    {C::pctBackGround, K::Background, "", "right click for pop up menu", {0, 0, 6732, 7937}, "Background"},

    {C::fraScientific, K::Frame, "", "", {960, 1695, 1335, 2052}, "Scientific functions"},
    {C::fraScientificNotation, K::Frame, "", "", {960, 3795, 1335, 495}, "Scientific notation"},
    {C::fraDigit, K::Frame, "", "", {2400, 1695, 1935, 1692}, "Digits"},
    {C::fraIntrinsic, K::Frame, "", "", {2400, 3420, 1935, 567}, "Sign, point and percent"},
    {C::fraOperator, K::Frame, "", "", {4440, 1680, 1335, 1692}, "Operators"},
    {C::fraMemory, K::Frame, "Shift Total", "", {4440, 3400, 1335, 900}, "Memory keys"},
    {C::fraTotal, K::Frame, "", "", {4440, 3400, 1335, 900}, "Running total keys"},

    {C::txtTime, K::TextBox, "", "", {600, 120, 1095, 360}, "Time"},
    {C::txtDate, K::TextBox, "", "", {4875, 120, 1335, 360}, "Date"},
    {C::txtInput, K::DisplayBox, "", "Input values here", {960, 600, 4815, 492}, "Input"},
    {C::txtOutput_0, K::DisplayBox, "", "Output results and swap values", {992, 1125, 4815, 495}, "Output"},

    {C::cmdLevel_0, K::Button, "Degree", "scientific values as degrees", {1800, 120, 855, 300}, "Degrees"},
    {C::cmdLevel_1, K::Button, "Radian", "scientific values as radians", {2760, 120, 975, 300}, "Radians"},
    {C::cmdLevel_2, K::Button, "Gradient", "scientif values as gradient", {3840, 120, 975, 300}, "Gradients"},

    {C::cmdWipe, K::Button, "Wipe", "clears inputs and outputs but not memories or results", {120, 840, 732, 240},
     "Wipe"},
    {C::cmdSwop, K::Button, "swop",
     "Click to place the sum total,  from the lower box,  into the upper box for recalculation.",
     {120, 1200, 735, 252}, "Swap the result into the input"},
    {C::cmdReset, K::Button, "ReSet", "Resets the calculator so that all buttons are enabled", {120, 2400, 732, 240},
     "Reset"},
    {C::cmdShift, K::Button, "Shift", "", {120, 4080, 735, 255}, "Shift between memory and total keys"},
    {C::pctShift, K::Picture, "", "", {120, 4080, 135, 135}, "Total keys shown"},
    {C::cmdDelete, K::Button, "C", "Removes last value input", {5880, 960, 495, 360}, "Delete last character"},

    {C::cmdScientific_0, K::Button, "bin", "reveals the binary equivelant", key(1080, 1920), "Binary"},
    {C::cmdScientific_1, K::Button, "hex", "reveals the hexidecimal equivelant", key(1080, 2280), "Hexadecimal"},
    {C::cmdScientific_2, K::Button, "oct", "reveals the oct equivelant", key(1080, 2640), "Octal"},
    {C::cmdScientific_3, K::Button, "sqr", "calculates the square root", key(1080, 3000), "Square root"},
    {C::cmdScientific_4, K::Button, "int", "reveals the integer value of a non whole number", key(1080, 3360),
     "Integer part"},
    {C::cmdScientificDegree_0, K::Button, "tan", " calculates the tangent ", key(1680, 1920), "Tangent"},
    {C::cmdScientificDegree_1, K::Button, "sin", "calculates the sine", key(1680, 2280, 492), "Sine"},
    {C::cmdScientificDegree_2, K::Button, "cos", "calculates the cosine", key(1680, 2640), "Cosine"},
    {C::cmdScientific_8, K::Button, "log", "calculates the logarithm", key(1680, 3000), "Logarithm"},
    {C::cmdScientific_9, K::Button, "atn", "calculates the atn", key(1680, 3360), "Arc tangent"},

    {C::cmdScientificNotation_0, K::Button, "E-", "inputs  negative scientific notation", key(1080, 3960),
     "Negative exponent"},
    {C::cmdScientificNotation_1, K::Button, "E+", "inputs  posotive  scientific notation", key(1680, 3960),
     "Positive exponent"},

    {C::cmdDigit_1, K::Button, "1", "", key(2520, 1920), "Digit 1"},
    {C::cmdDigit_2, K::Button, "2", "", key(3120, 1920), "Digit 2"},
    {C::cmdDigit_3, K::Button, "3", "", key(3720, 1920), "Digit 3"},
    {C::cmdDigit_4, K::Button, "4", "", key(2520, 2280), "Digit 4"},
    {C::cmdDigit_5, K::Button, "5", "", key(3120, 2280), "Digit 5"},
    {C::cmdDigit_6, K::Button, "6", "", key(3720, 2280), "Digit 6"},
    {C::cmdDigit_7, K::Button, "7", "", key(2520, 2640), "Digit 7"},
    {C::cmdDigit_8, K::Button, "8", "", key(3120, 2640), "Digit 8"},
    {C::cmdDigit_9, K::Button, "9", "", key(3720, 2640), "Digit 9"},
    {C::cmdSqrCubed_0, K::Button, "X2", "", key(2520, 3015, 495, 255), "Square"},
    {C::cmdDigit_0, K::Button, "0", "", key(3120, 3000), "Digit 0"},
    {C::cmdSqrCubed_1, K::Button, "X3", "", key(3720, 3015, 495, 255), "Cube"},

    {C::cmdIntrinsic_0, K::Button, "+/-", "prefixes input with a minus for negative number calculations",
     key(2520, 3600), "Negative sign"},
    {C::cmdIntrinsic_1, K::Button, ".", "insert decimal point", key(3120, 3600, 495, 258), "Decimal point"},
    {C::cmdIntrinsic_2, K::Button, "%", "percentage operations", key(3720, 3600), "Percent"},

    {C::cmdOperator_0, K::Button, "+", "adds two values", key(4560, 1920), "Plus"},
    {C::cmdOperator_1, K::Button, "-", "reduces one value from another", key(4560, 2280), "Minus"},
    {C::cmdOperator_2, K::Button, "*", "multiplies two values", key(4560, 2640), "Times"},
    {C::cmdOperator_3, K::Button, "/", "divides two values", key(4560, 3000, 495, 240), "Divided by"},
    {C::cmdOperator_4, K::Button, "Mod", "reveals the remainder of a division", key(5160, 1920), "Modulo"},
    {C::cmdOperator_5, K::Button, "^", "exponates a value", key(5160, 2280), "To the power of"},
    {C::cmdPye, K::Button, "Pye", "", key(5160, 2640, 495, 255), "Pi"},
    // Six "=" on one spot: the one shown is the pending operation.
    {C::cmdEquals_0, K::Button, "=", "", key(5160, 3000, 495, 255), "Equals, sum"},
    {C::cmdEquals_1, K::Button, "=", "", key(5160, 3000, 495, 255), "Equals, difference"},
    {C::cmdEquals_2, K::Button, "=", "", key(5160, 3000, 495, 255), "Equals, product"},
    {C::cmdEquals_3, K::Button, "=", "", key(5160, 3000, 495, 255), "Equals, quotient"},
    {C::cmdEquals_4, K::Button, "=", "", key(5160, 3000, 495, 255), "Equals, power"},
    {C::cmdEquals_5, K::Button, "=", "", key(5160, 3000, 495, 255), "Equals, remainder"},

    {C::cmdMemory_0, K::Button, "M+", "places the value into memory as a posotive value", key(4560, 3720),
     "Memory plus"},
    {C::cmdMemory_1, K::Button, "M-", "places value into memory as a negative value", key(4560, 4020),
     "Memory minus"},
    {C::cmdMemory_2, K::Button, "MR", "recalls the value in memory for calculation", key(5160, 3720),
     "Memory recall"},
    {C::cmdMemory_3, K::Button, "MC", "clears all  current values  from memory", key(5160, 4020, 495, 240),
     "Memory clear"},
    {C::cmdMemory_4, K::Button, "T+", "Increments the running total", key(4560, 3638), "Total plus"},
    {C::cmdMemory_5, K::Button, "T-", "Decrements the running total", key(4560, 3960), "Total minus"},
    {C::cmdMemory_6, K::Button, "TR", "Recalls the running total", key(5160, 3650), "Total recall"},
    {C::cmdMemory_7, K::Button, "TC", "Resets the running total to zero", key(5160, 3960), "Total clear"},

    {C::cmdDestroy, K::Button, "DESTROY", "Clicking here will close down this application.",
     {2400, 4080, 1932, 255}, "Close Tallimo"},

    // The lower band: the tape and the memory panel share it.
    {C::txtSpool, K::Tape, "", "", {120, 4560, 6255, 3135}, "Tape"},
    {C::optMemory_0, K::OptionButton, "Option1", kSendTip, {120, row(0), 255, 375}, "Send memory cell 1"},
    {C::optMemory_1, K::OptionButton, "Option1", kSendTip, {120, row(1), 255, 375}, "Send memory cell 2"},
    {C::optMemory_2, K::OptionButton, "Option1", kSendTip, {120, row(2), 255, 375}, "Send memory cell 3"},
    {C::optMemory_3, K::OptionButton, "Option1", kSendTip, {120, row(3), 255, 375}, "Send memory cell 4"},
    {C::optMemory_4, K::OptionButton, "Option1", kSendTip, {120, row(4), 255, 375}, "Send memory cell 5"},
    {C::optMemory_5, K::OptionButton, "Option1", kSendTip, {120, row(5), 255, 375}, "Send memory cell 6"},
    {C::optMemory_6, K::OptionButton, "Option1", kSendTip, {120, row(6), 255, 375}, "Send memory cell 7"},
    {C::txtOutput_1, K::DisplayBox, "", kMemoryTip, {360, row(0), 5775, 375}, "Memory cell 1"},
    {C::txtOutput_2, K::DisplayBox, "", kMemoryTip, {360, row(1), 5775, 375}, "Memory cell 2"},
    {C::txtOutput_3, K::DisplayBox, "", kMemoryTip, {360, row(2), 5775, 375}, "Memory cell 3"},
    {C::txtOutput_4, K::DisplayBox, "", kMemoryTip, {360, row(3), 5775, 375}, "Memory cell 4"},
    {C::txtOutput_5, K::DisplayBox, "", kMemoryTip, {360, row(4), 5775, 375}, "Memory cell 5"},
    {C::txtOutput_6, K::DisplayBox, "", kMemoryTip, {360, row(5), 5775, 375}, "Memory cell 6"},
    {C::txtOutput_7, K::DisplayBox, "", kMemoryTip, {340, 6700, 5760, 385}, "Memory cell 7"},
    {C::chkDelete_0, K::CheckBox, "", kDeleteTip, {6120, row(0), 255, 375}, "Delete memory cell 1"},
    {C::chkDelete_1, K::CheckBox, "", kDeleteTip, {6120, row(1), 255, 375}, "Delete memory cell 2"},
    {C::chkDelete_2, K::CheckBox, "", kDeleteTip, {6120, row(2), 255, 375}, "Delete memory cell 3"},
    {C::chkDelete_3, K::CheckBox, "", kDeleteTip, {6120, row(3), 255, 375}, "Delete memory cell 4"},
    {C::chkDelete_4, K::CheckBox, "", kDeleteTip, {6120, row(4), 255, 375}, "Delete memory cell 5"},
    {C::chkDelete_5, K::CheckBox, "", kDeleteTip, {6120, row(5), 255, 375}, "Delete memory cell 6"},
    {C::chkDelete_6, K::CheckBox, "", kDeleteTip, {6120, row(6), 255, 375}, "Delete memory cell 7"},
    {C::cmdCancel, K::Button, "cancel", "Closes memory cells", {480, 7200, 735, 255}, "Close the memory cells"},
    {C::cmdDeleteMemory, K::Button, "delete", "Deletes checked memories", {5280, 7200, 735, 255},
     "Delete the checked memory cells"},
};

}  // namespace

std::span<const ControlDesign> mainWindowDesign() { return kDesign; }

}  // namespace tallimo::ui

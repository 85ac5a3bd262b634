#include "conversion/conversion_window_model.h"

#include "common/messages.h"
#include "common/numbers.h"

#include <cmath>
#include <utility>

namespace tallimo {

ConversionWindowModel::ConversionWindowModel(ConversionKind kind, CalculatorEntry& calculator,
                                             Prompter& prompter)
    : design_(designOf(kind)), calculator_(calculator), prompter_(prompter)
{
    // The main window loads every conversion window hidden when it starts.
    load();
}

void ConversionWindowModel::load()
{
    loaded_ = true;
    height_ = design_.collapsedHeight;
    input_.clear();
    output_.clear();
    amountLabel_.clear();
    convertLabel_ = " Convert to";
    resultLabel_ = "Result";
    flags_.fill(ControlFlags{true, false});
    flag(ConversionControl::TxtInput).enabled = true;
    flag(ConversionControl::TxtOutput).enabled = true;
    shownUnit_.reset();
    targetsEnabled_ = false;
    selection_ = Selection::none();
    amount_ = 0;
}

void ConversionWindowModel::open()
{
    if (!loaded_) load();
    shown_ = true;
}

void ConversionWindowModel::chooseUnit(std::size_t unit, MenuOrigin place)
{
    if (unit >= design_.units.size()) return;
    height_ = design_.expandedHeight;
    for (auto& f : flags_) f.visible = true;
    shownUnit_ = unit;
    if (design_.unitChoiceClearsSend) {
        clear(Selection::Kind::Send);
    } else {
        clear(Selection::Kind::Reset);
        output_.clear();
    }
    const SourceUnit& source = design_.units[unit];
    amountLabel_ = place == MenuOrigin::Popup ? source.popupAmountText : source.amountText;
}

void ConversionWindowModel::pressKeypad(int index)
{
    if (index < 0 || index > 10) return;
    setInput(input_ + (index == 10 ? '.' : static_cast<char>('0' + index)));
}

void ConversionWindowModel::setInput(std::string text)
{
    input_ = std::move(text);
    applyAmountRule();
}

// Runs on every change of the amount; the result box is left as it is.
void ConversionWindowModel::applyAmountRule()
{
    const bool numeric = isNumeric(input_);
    targetsEnabled_ = numeric;
    for (ConversionControl c : {ConversionControl::OptReset, ConversionControl::LblInput, ConversionControl::LblConvert, ConversionControl::LblResult,
                      ConversionControl::OptSendCalc})
        flag(c).enabled = numeric;
    if (design_.enablingCoversTextBoxes) {
        flag(ConversionControl::TxtInput).enabled = numeric;
        flag(ConversionControl::TxtOutput).enabled = numeric;
    }
    clear(Selection::Kind::Send);
}

bool ConversionWindowModel::select(Selection selection)
{
    if (selection_ == selection) return false;
    selection_ = selection;
    return true;
}

void ConversionWindowModel::clear(Selection::Kind kind)
{
    if (selection_.kind == kind) selection_ = Selection::none();
}

void ConversionWindowModel::chooseTarget(int index)
{
    if (!shownUnit_) return;
    const TargetButton* target = design_.units[*shownUnit_].target(index);
    if (target == nullptr || !select(Selection::target(*shownUnit_, index))) return;

    if (!isNumeric(input_)) {
        prompter_.ask(notice(MsgNoInitialValue()));
        setInput("");
    }
    amount_ = readLenient(input_);
    const double result = target->factor.apply(amount_);
    // A keypad amount of some 310 digits, or a large amount times a large factor,
    // leaves the double range; the box shows nothing rather than a wrong number.
    if (!std::isfinite(amount_) || !std::isfinite(result)) {
        prompter_.ask(notice(MsgOverflow()));
        output_.clear();
        return;
    }
    output_ = numberToText(result);
    calculator_.resultShown(output_);
}

void ConversionWindowModel::chooseReset()
{
    if (!select(Selection::reset())) return;
    if (!consents(prompter_.ask(yesNo(MsgConversionReset(), Answer::No)))) return;
    setInput("");
    output_.clear();
    clear(Selection::Kind::Reset);
}

void ConversionWindowModel::chooseSend()
{
    if (!select(Selection::send())) return;
    if (!isNumeric(output_)) {
        prompter_.ask(notice(MsgNotConverted()));
        clear(Selection::Kind::Send);
        return;
    }
    if (calculator_.holdsValue()) {
        prompter_.ask(notice(MsgUnclearedValue()));
        clear(Selection::Kind::Send);
        return;
    }
    calculator_.setInput(output_);
    calculator_.setOutput(calculator_.input());
    calculator_.resultShown(calculator_.input());
    calculator_.appendToTape(calculator_.input());
    if (!design_.sendStaysSelected) clear(Selection::Kind::Send);
}

bool ConversionWindowModel::bothBoxesFilled() const
{
    return !input_.empty() && !output_.empty() && flags(ConversionControl::TxtInput).visible &&
           flags(ConversionControl::TxtOutput).visible;
}

bool ConversionWindowModel::closingCheck()
{
    bool mayClose = true;
    if (bothBoxesFilled())
        mayClose = consents(prompter_.ask(yesNo(MsgValuesLostOnClose(), design_.closingDefault)));
    calculator_.enableConversionEntries(design_.kind);
    return mayClose;
}

bool ConversionWindowModel::requestClose()
{
    if (!closingCheck()) return false;
    loaded_ = false;
    shown_ = false;
    return true;
}

ExitOutcome ConversionWindowModel::requestExit()
{
    ExitOutcome outcome = ExitOutcome::Stays;
    if (!bothBoxesFilled()) {
        if (requestClose()) outcome = ExitOutcome::Closed;
    } else if (consents(prompter_.ask(yesNo(MsgValuesLostOnClose(), design_.closingDefault)))) {
        if (design_.exitHides) {
            shown_ = false;
            outcome = ExitOutcome::Hidden;
        } else if (requestClose()) {
            outcome = ExitOutcome::Closed;
        }
    }
    calculator_.enableConversionEntries(design_.kind);
    return outcome;
}

}  // namespace tallimo

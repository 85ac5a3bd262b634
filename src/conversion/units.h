#pragma once
// The units of the conversion windows: for every source unit its menu entries and
// its column of target buttons, each with the factor that converts an amount.

#include <span>
#include <string_view>

namespace tallimo {

// Every target applies its constants in one go to the amount, never through a base
// unit, so two opposite conversions are not exact inverses of each other.
struct Factor {
    enum class Operation { Multiply, Divide, MultiplyThenDivide };
    Operation operation;
    double constant;
    double divisor = 1;  // only for MultiplyThenDivide

    double apply(double amount) const
    {
        switch (operation) {
        case Operation::Multiply: return amount * constant;
        case Operation::Divide: return amount / constant;
        case Operation::MultiplyThenDivide: return amount * constant / divisor;
        }
        return amount;
    }
};

constexpr Factor times(double constant) { return {Factor::Operation::Multiply, constant}; }
constexpr Factor dividedBy(double constant) { return {Factor::Operation::Divide, constant}; }
constexpr Factor timesThenDividedBy(double constant, double divisor)
{
    return {Factor::Operation::MultiplyThenDivide, constant, divisor};
}

struct TargetButton {
    int index;                 // within the group: the button is `group_index`
    std::string_view caption;
    std::string_view tooltip;
    int row;                   // counted from 1 at the top of the target column
    Factor factor;
};

struct SourceUnit {
    std::string_view menuItem;          // on the menu bar, e.g. mnuAU
    std::string_view popupItem;         // its twin on the popup, e.g. PopUpAU
    std::string_view caption;           // of both menu items
    std::string_view amountText;        // lblInput after the menu-bar item
    std::string_view popupAmountText;   // lblInput after the popup item
    std::string_view group;             // the target buttons' name, e.g. optAU
    std::span<const TargetButton> targets;

    const TargetButton* target(int index) const
    {
        for (const auto& t : targets)
            if (t.index == index) return &t;
        return nullptr;
    }
};

}  // namespace tallimo

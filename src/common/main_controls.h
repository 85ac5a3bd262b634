#pragma once
// The controls of the main window as the core sees them: one table of enabled,
// visible and checked flags keyed by the control, plus the window's two heights.
// The names are the windows' objectNames; the view finds each widget by its name.

#include "common/conversion_kinds.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

namespace tallimo {

// X(name, enabled at start, visible at start): the designed state before start-up.
// Each conversion window adds its menu-bar and popup entries from its own row.
#define TALLIMO_CONVERSION_BAR_ENTRY(kind, letter, X) X(mnu##kind, 1, 1)
#define TALLIMO_CONVERSION_POPUP_ENTRY(kind, letter, X) X(PopUp##kind, 1, 1)
#define TALLIMO_MAIN_CONTROLS(X)                                                               \
    X(txtInput, 1, 1) X(txtOutput_0, 1, 1) X(txtOutput_1, 1, 0) X(txtOutput_2, 1, 0)           \
    X(txtOutput_3, 1, 0) X(txtOutput_4, 1, 0) X(txtOutput_5, 1, 0) X(txtOutput_6, 1, 0)        \
    X(txtOutput_7, 1, 0) X(txtDate, 1, 1) X(txtTime, 1, 1) X(txtSpool, 1, 0)                   \
    X(cmdDigit_0, 1, 1) X(cmdDigit_1, 1, 1) X(cmdDigit_2, 1, 1) X(cmdDigit_3, 1, 1)            \
    X(cmdDigit_4, 1, 1) X(cmdDigit_5, 1, 1) X(cmdDigit_6, 1, 1) X(cmdDigit_7, 1, 1)            \
    X(cmdDigit_8, 1, 1) X(cmdDigit_9, 1, 1)                                                    \
    X(cmdIntrinsic_0, 1, 1) X(cmdIntrinsic_1, 1, 1) X(cmdIntrinsic_2, 0, 1)                    \
    X(cmdScientificNotation_0, 0, 1) X(cmdScientificNotation_1, 0, 1) X(cmdDelete, 1, 1)       \
    X(cmdOperator_0, 0, 1) X(cmdOperator_1, 0, 1) X(cmdOperator_2, 0, 1) X(cmdOperator_3, 0, 1) \
    X(cmdOperator_4, 0, 1) X(cmdOperator_5, 0, 1)                                              \
    X(cmdEquals_0, 0, 1) X(cmdEquals_1, 0, 1) X(cmdEquals_2, 0, 1) X(cmdEquals_3, 0, 1)        \
    X(cmdEquals_4, 0, 1) X(cmdEquals_5, 0, 1)                                                  \
    X(cmdSqrCubed_0, 0, 1) X(cmdSqrCubed_1, 0, 1) X(cmdPye, 1, 1) X(cmdSwop, 0, 1)             \
    X(cmdWipe, 0, 1) X(cmdReset, 0, 1)                                                         \
    X(cmdScientific_0, 0, 1) X(cmdScientific_1, 0, 1) X(cmdScientific_2, 0, 1)                 \
    X(cmdScientific_3, 0, 1) X(cmdScientific_4, 0, 1) X(cmdScientific_8, 0, 1)                 \
    X(cmdScientific_9, 0, 1)                                                                   \
    X(cmdScientificDegree_0, 0, 1) X(cmdScientificDegree_1, 0, 1) X(cmdScientificDegree_2, 0, 1) \
    X(cmdLevel_0, 0, 1) X(cmdLevel_1, 1, 1) X(cmdLevel_2, 1, 1)                                \
    X(cmdMemory_0, 0, 1) X(cmdMemory_1, 0, 1) X(cmdMemory_2, 1, 1) X(cmdMemory_3, 1, 1)        \
    X(cmdMemory_4, 0, 0) X(cmdMemory_5, 0, 0) X(cmdMemory_6, 1, 0) X(cmdMemory_7, 1, 0)        \
    X(cmdShift, 1, 1) X(cmdDeleteMemory, 0, 0) X(cmdCancel, 1, 1) X(cmdDestroy, 1, 1)          \
    X(optMemory_0, 0, 0) X(optMemory_1, 0, 0) X(optMemory_2, 0, 0) X(optMemory_3, 0, 0)        \
    X(optMemory_4, 0, 0) X(optMemory_5, 0, 0) X(optMemory_6, 0, 0)                             \
    X(chkDelete_0, 0, 0) X(chkDelete_1, 0, 0) X(chkDelete_2, 0, 0) X(chkDelete_3, 0, 0)        \
    X(chkDelete_4, 0, 0) X(chkDelete_5, 0, 0) X(chkDelete_6, 0, 0)                             \
    X(fraDigit, 1, 1) X(fraOperator, 1, 1) X(fraIntrinsic, 1, 1) X(fraScientific, 1, 1)        \
    X(fraScientificNotation, 1, 1) X(fraMemory, 1, 1) X(fraTotal, 1, 0) X(pctShift, 1, 0)      \
    X(pctBackGround, 1, 1)                                                                     \
    X(mnuNew, 1, 1) X(mnuOpen, 1, 1) X(mnuClose, 0, 1) X(mnuSave, 0, 1) X(mnuPrint, 0, 1)      \
    X(mnuCopy, 0, 1) X(mnuCut, 0, 1) X(mnuPaste, 0, 1) X(mnuWipe, 0, 1) X(mnuDestroy, 1, 1)    \
    X(mnuStyle, 0, 1) X(mnuColor, 0, 1) X(mnuBold, 0, 1) X(mnuItalic, 0, 1)                    \
    X(mnuUnderline, 0, 1) X(mnuColour, 1, 1)                                                   \
    TALLIMO_CONVERSION_WINDOWS(TALLIMO_CONVERSION_BAR_ENTRY, X)                                \
    X(mnuDate, 1, 1) X(mnuTime, 1, 1) X(mnuResults, 0, 1)                                      \
    X(mnuScheme1, 1, 1) X(mnuScheme2, 1, 1) X(mnuScheme3, 1, 1) X(mnuScheme4, 1, 1)            \
    X(mnuABOUT, 1, 1)                                                                          \
    X(PopUpNew, 1, 1) X(PopUpOpen, 1, 1) X(PopUpClose, 0, 1) X(PopUpSave, 0, 1)                \
    X(PopUpprint, 0, 1) X(PopUpCut, 0, 1) X(PopUpCopy, 0, 1) X(PopUpPaste, 0, 1)               \
    X(PopUpWipe, 0, 1) X(PopUpDestroy, 1, 1) X(PopUpStyle, 0, 1) X(PopUpColor, 0, 1)           \
    X(PopUpBold, 0, 1) X(PopUpItalic, 0, 1) X(PopUpUnderline, 0, 1) X(PopUpColour, 1, 1)       \
    TALLIMO_CONVERSION_WINDOWS(TALLIMO_CONVERSION_POPUP_ENTRY, X)                              \
    X(PopUpDate, 1, 1) X(PopUpTime, 1, 1) X(PopUpResults, 0, 1) X(PopUpScheme1, 1, 1)          \
    X(PopUpScheme2, 1, 1) X(PopUpScheme3, 1, 1) X(PopUpScheme4, 1, 1)

enum class Control : std::uint16_t {
#define TALLIMO_CONTROL_ENUM(name, enabled, visible) name,
    TALLIMO_MAIN_CONTROLS(TALLIMO_CONTROL_ENUM)
#undef TALLIMO_CONTROL_ENUM
};

// The objectName of each control, e.g. "cmdDigit_7", in the table's order.
inline constexpr std::string_view kControlNames[] = {
#define TALLIMO_CONTROL_NAME(name, enabled, visible) #name,
    TALLIMO_MAIN_CONTROLS(TALLIMO_CONTROL_NAME)
#undef TALLIMO_CONTROL_NAME
};
inline constexpr std::size_t kControlCount = std::size(kControlNames);

constexpr std::string_view controlName(Control control) { return kControlNames[static_cast<std::size_t>(control)]; }

// ---- indexed groups: cmdDigit(0 to 9) is cmdDigit_0 to cmdDigit_9 ----

// The group and index in a control's name: ("cmdDigit", 7) for cmdDigit_7, and
// index -1 for a control of no group.
struct GroupIndex {
    std::string_view group;
    int index;
};
constexpr GroupIndex groupIndexOf(Control control)
{
    const std::string_view name = controlName(control);
    const std::size_t underscore = name.rfind('_');
    if (underscore == std::string_view::npos || underscore + 1 == name.size()) return {name, -1};
    int index = 0;
    for (char digit : name.substr(underscore + 1)) {
        if (digit < '0' || digit > '9') return {name, -1};
        index = index * 10 + (digit - '0');
    }
    return {name.substr(0, underscore), index};
}

// How many controls the group has, e.g. 8 for "cmdMemory".
constexpr int groupSize(std::string_view group)
{
    int size = 0;
    for (std::size_t i = 0; i < kControlCount; ++i) {
        const GroupIndex at = groupIndexOf(static_cast<Control>(i));
        if (at.index >= 0 && at.group == group) ++size;
    }
    return size;
}

// Member `index` of an indexed group whose members are declared in index order
// from `first`. The keys' groups are mapped to their types in calculator/keys.h.
constexpr Control member(Control first, int index)
{
    return static_cast<Control>(static_cast<int>(first) + index);
}

// True when `controls` are the whole of their group, in index order: what lets a
// group be walked by member(), or a key's enum be counted off from its first key.
template <std::size_t N>
constexpr bool wholeGroupInOrder(const std::array<Control, N>& controls)
{
    const GroupIndex first = groupIndexOf(controls[0]);
    int previous = first.index - 1;
    for (Control c : controls) {
        const GroupIndex at = groupIndexOf(c);
        if (at.group != first.group || at.index <= previous) return false;
        previous = at.index;
    }
    return first.index >= 0 && groupSize(first.group) == static_cast<int>(N);
}

// The `count` controls from `first` on, as member() walks them.
template <int Count>
constexpr std::array<Control, Count> membersFrom(Control first)
{
    std::array<Control, Count> members{};
    for (int i = 0; i < Count; ++i) members[static_cast<std::size_t>(i)] = member(first, i);
    return members;
}

// The memory cells txtOutput(1 to 7) below the result txtOutput(0), each with its
// send button optMemory and its delete box chkDelete, counted from 0.
inline constexpr int kMemoryCellCount = groupSize("optMemory");
static_assert(wholeGroupInOrder(membersFrom<kMemoryCellCount + 1>(Control::txtOutput_0)));
static_assert(wholeGroupInOrder(membersFrom<kMemoryCellCount>(Control::optMemory_0)));
static_assert(wholeGroupInOrder(membersFrom<kMemoryCellCount>(Control::chkDelete_0)));

inline Control memoryCell(int k) { return member(Control::txtOutput_0, k); }
inline Control sendButton(int i) { return member(Control::optMemory_0, i); }
inline Control deleteBox(int i) { return member(Control::chkDelete_0, i); }

// A command's two twins: its menu-bar item and its popup item.
struct MenuPair {
    Control bar;
    Control popup;
};

// The window is either short (upper band only) or tall (the lower band in view).
enum class WindowHeight { Short, Tall };
inline constexpr int kShortHeightTwips = 5250;
inline constexpr int kTallHeightTwips = 8556;

// A named group of controls made of smaller ones.
template <std::size_t... N>
constexpr std::array<Control, (N + ...)> join(const std::array<Control, N>&... groups)
{
    std::array<Control, (N + ...)> joined{};
    auto at = joined.begin();
    ((at = std::copy(groups.begin(), groups.end(), at)), ...);
    return joined;
}

class MainControls {
public:
    MainControls();

    bool enabled(Control c) const { return flags_[index(c)].enabled; }
    bool visible(Control c) const { return flags_[index(c)].visible; }
    bool checked(Control c) const { return flags_[index(c)].checked; }

    void enable(Control c, bool on = true) { set(flags_[index(c)].enabled, on); }
    void disable(Control c) { enable(c, false); }
    void show(Control c, bool on = true) { set(flags_[index(c)].visible, on); }
    void hide(Control c) { show(c, false); }
    void check(Control c, bool on = true) { set(flags_[index(c)].checked, on); }

    // A named group of controls whose states are set together.
    void enable(std::span<const Control> group, bool on = true)
    {
        for (Control c : group) enable(c, on);
    }
    void disable(std::span<const Control> group) { enable(group, false); }

    WindowHeight height() const { return height_; }
    void setHeight(WindowHeight h)
    {
        if (height_ == h) return;
        height_ = h;
        changed();
    }

    // Both twins of a menu command, in the order menu bar, then popup.
    void enableMenuPair(Control bar, Control popup, bool on)
    {
        enable(bar, on);
        enable(popup, on);
    }
    void enable(MenuPair pair, bool on = true) { enableMenuPair(pair.bar, pair.popup, on); }

    // How the window learns that what it shows changed: `listener` runs after every
    // change of a flag or of the height, and after every change that the calculator
    // reports through changed() (the text of a box). One listener at a time.
    void onChange(std::function<void()> listener) { listener_ = std::move(listener); }
    void changed() const
    {
        if (listener_) listener_();
    }

private:
    void set(bool& flag, bool on)
    {
        if (flag == on) return;
        flag = on;
        changed();
    }

    struct Flags {
        bool enabled;
        bool visible;
        bool checked;
    };
    static std::size_t index(Control c) { return static_cast<std::size_t>(c); }

    std::array<Flags, kControlCount> flags_;
    WindowHeight height_ = WindowHeight::Short;
    std::function<void()> listener_;
};

}  // namespace tallimo

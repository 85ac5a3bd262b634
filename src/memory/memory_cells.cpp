#include "memory/memory_cells.h"

#include "common/messages.h"
#include "common/numbers.h"

namespace tallimo {

namespace {

using C = Control;

// A value's sign is its leading "-"; a "-" further on belongs to an exponent.
bool startsNegative(const std::string& text) { return !text.empty() && text.front() == '-'; }

}  // namespace

bool MemoryCells::anyOccupied() const
{
    for (int k = 1; k <= kCellCount; ++k)
        if (isNumeric(calculator_.output(k))) return true;
    return false;
}

void MemoryCells::storePlus() { store(false); }

void MemoryCells::storeMinus() { store(true); }

void MemoryCells::store(bool negative)
{
    const std::string value = calculator_.output(0);
    if (startsNegative(value) != negative) {
        const std::string_view question = negative ? MsgPositiveIntoMemoryMinus() : MsgNegativeIntoMemoryPlus();
        if (!consents(calculator_.prompter().ask(okCancel(question)))) return;
        calculator_.setOutput(0, negative ? "-" + value : value.substr(1));
    }
    place(calculator_.output(0));
    calculator_.setInput("");
    calculator_.tape().append("#\n");
}

void MemoryCells::place(const std::string& text)
{
    for (int k = 1; k <= kCellCount; ++k) {
        if (!isNumeric(calculator_.output(k))) {
            calculator_.setOutput(k, text);
            return;
        }
    }
    // The question names the oldest value, the one that would go.
    const std::string question = MsgMemoryFull(normalised(calculator_.output(kCellCount)));
    if (!consents(calculator_.prompter().ask(okCancel(question)))) return;
    for (int k = kCellCount; k >= 2; --k) calculator_.setOutput(k, calculator_.output(k - 1));
    calculator_.setOutput(1, text);
}

void MemoryCells::recall()
{
    if (!anyOccupied()) {
        calculator_.prompter().ask(notice(MsgMemoryEmpty()));
        return;
    }
    MainControls& controls = calculator_.controls();
    controls.show(C::cmdCancel);
    for (int i = 0; i < kCellCount; ++i) {
        controls.show(sendButton(i));
        controls.check(sendButton(i), false);
    }
    for (int k = 1; k <= kCellCount; ++k) controls.show(memoryCell(k));
    for (int i = 0; i < kCellCount; ++i) controls.show(deleteBox(i));
    controls.show(C::cmdDeleteMemory);
    controls.setHeight(WindowHeight::Tall);
}

void MemoryCells::clearAll()
{
    if (!consents(calculator_.prompter().ask(okCancel(MsgEraseAllMemory())))) return;
    calculator_.controls().hide(C::cmdCancel);
    for (int k = 1; k <= kCellCount; ++k) calculator_.setOutput(k, "");
    hidePanel();
    shortenUnlessTapeOpen();
}

void MemoryCells::sendCell(int i)
{
    if (i < 0 || i >= kCellCount) return;
    MainControls& controls = calculator_.controls();
    controls.check(sendButton(i));  // the click selects the option button
    if (calculator_.holdsValue()) {
        calculator_.prompter().ask(notice(MsgUnclearedValue()));
        for (int j = 0; j < kCellCount; ++j) controls.check(sendButton(j), false);
        shortenUnlessTapeOpen();
        return;
    }
    hidePanel();
    shortenUnlessTapeOpen();
    std::string& value = calculator_.fields().strMemory[static_cast<std::size_t>(i)];
    value = normalised(calculator_.output(i + 1));
    calculator_.setInput(calculator_.inputText() + value);
    calculator_.resultShown(calculator_.inputText());
    calculator_.tape().append(value + "(mem) ");
}

void MemoryCells::checkDelete(int i, bool checked)
{
    if (i < 0 || i >= kCellCount) return;
    calculator_.controls().check(deleteBox(i), checked);
    calculator_.controls().enable(C::cmdDeleteMemory);
}

void MemoryCells::deleteChecked()
{
    MainControls& controls = calculator_.controls();
    Prompter& prompter = calculator_.prompter();
    auto& values = calculator_.fields().strMemory;
    bool anyChecked = false;
    for (int i = 0; i < kCellCount; ++i) {
        values[static_cast<std::size_t>(i)] = normalised(calculator_.output(i + 1));
        anyChecked = anyChecked || controls.checked(deleteBox(i));
    }
    if (!anyChecked) prompter.ask(notice(MsgNoDeletion()));
    for (int i = 0; i < kCellCount; ++i) {
        if (!controls.checked(deleteBox(i))) continue;
        if (consents(prompter.ask(okCancel(MsgEraseMemoryValue(values[static_cast<std::size_t>(i)]))))) {
            calculator_.setOutput(i + 1, "");
        } else {
            prompter.ask(notice(MsgNoDeletion()));
        }
        controls.check(deleteBox(i), false);
    }
    hidePanel();
    shortenUnlessTapeOpen();
}

void MemoryCells::cancelPanel()
{
    hidePanel();
    shortenUnlessTapeOpen();
}

void MemoryCells::hidePanel()
{
    MainControls& controls = calculator_.controls();
    for (int i = 0; i < kCellCount; ++i) {
        controls.hide(memoryCell(i + 1));
        controls.hide(sendButton(i));
        controls.hide(deleteBox(i));
    }
    controls.hide(C::cmdDeleteMemory);
    controls.hide(C::cmdCancel);
}

// The panel shares the lower band with the tape: an open tape keeps it in view.
void MemoryCells::shortenUnlessTapeOpen()
{
    if (!calculator_.controls().visible(C::txtSpool)) calculator_.controls().setHeight(WindowHeight::Short);
}

}  // namespace tallimo

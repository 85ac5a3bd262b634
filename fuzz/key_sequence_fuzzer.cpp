// Presses any sequence of enabled keys, answering every message box from the input,
// and checks what must hold after every key: one "=" in sight once an operator was
// pressed, no box showing an infinity or NaN, and a tape that only grows by what a
// key writes or loses its last character to "C".

#include "fuzz_support.h"
#include "calculator/calculator.h"
#include "calculator/scientific.h"
#include "tape/in_memory_tape.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using tallimo::fuzzing::require;

using namespace tallimo;

class BytePrompter : public Prompter {
public:
    BytePrompter(const std::uint8_t*& data, const std::uint8_t* end) : data_(data), end_(end) {}
    Answer ask(const Message&) override
    {
        const int choice = data_ < end_ ? *data_++ % 4 : 1;
        return static_cast<Answer>(choice);
    }

private:
    const std::uint8_t*& data_;
    const std::uint8_t* end_;
};

struct Key {
    Control control;
    std::function<void(Calculator&, ScientificKeys&)> press;
};

// In a fixed order: the corpus names keys by their place here.
std::vector<Key> allKeys()
{
    std::vector<Key> keys;
    for (Digit d : kDigits) keys.push_back({controlOf(d), [d](Calculator& c, ScientificKeys&) { c.pressDigit(d); }});
    for (std::size_t i = 0; i < kOperators.size(); ++i) {
        const Operator op = kOperators[i];
        const Equals e = kEqualsKeys[i];
        keys.push_back({controlOf(op), [op](Calculator& c, ScientificKeys&) { c.pressOperator(op); }});
        keys.push_back({controlOf(e), [e](Calculator& c, ScientificKeys&) { c.pressEquals(e); }});
    }
    keys.push_back({Control::cmdIntrinsic_0, [](Calculator& c, ScientificKeys&) { c.pressSign(); }});
    keys.push_back({Control::cmdIntrinsic_1, [](Calculator& c, ScientificKeys&) { c.pressPoint(); }});
    keys.push_back({Control::cmdIntrinsic_2, [](Calculator& c, ScientificKeys&) { c.pressPercent(); }});
    for (Exponent e : kExponents)
        keys.push_back({controlOf(e), [e](Calculator& c, ScientificKeys&) { c.pressExponent(e); }});
    keys.push_back({Control::cmdDelete, [](Calculator& c, ScientificKeys&) { c.pressDelete(); }});
    for (SquareOrCube p : kSquareOrCube)
        keys.push_back({controlOf(p), [p](Calculator& c, ScientificKeys&) { c.pressSquareOrCube(p); }});
    keys.push_back({Control::cmdPye, [](Calculator& c, ScientificKeys&) { c.pressPye(); }});
    keys.push_back({Control::cmdSwop, [](Calculator& c, ScientificKeys&) { c.pressSwop(); }});
    keys.push_back({Control::cmdReset, [](Calculator& c, ScientificKeys&) { c.pressReset(); }});
    keys.push_back({Control::cmdWipe, [](Calculator& c, ScientificKeys&) { c.pressWipe(); }});
    keys.push_back({Control::mnuWipe, [](Calculator& c, ScientificKeys&) { c.menuWipe(); }});
    for (Scientific k : kScientificKeys)
        keys.push_back({controlOf(k), [k](Calculator&, ScientificKeys& s) { s.pressScientific(k); }});
    for (std::size_t i = 0; i < kTrigFunctions.size(); ++i) {
        const TrigFunction f = kTrigFunctions[i];
        const AngleMode m = kAngleModes[i];
        keys.push_back({controlOf(f), [f](Calculator&, ScientificKeys& s) { s.pressTrig(f); }});
        keys.push_back({controlOf(m), [m](Calculator&, ScientificKeys& s) { s.pressLevel(m); }});
    }
    return keys;
}

bool showsNonNumber(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::vector<Key> keys = allKeys();
    const std::uint8_t* end = data + size;
    BytePrompter prompter(data, end);
    InMemoryTape tape;
    Calculator calculator(prompter, tape);
    ScientificKeys scientific(calculator);
    calculator.start();

    bool operatorPressed = false;
    while (data < end) {
        const Key& key = keys[*data++ % keys.size()];
        if (!calculator.controls().enabled(key.control)) continue;
        const std::string before = tape.text();
        key.press(calculator, scientific);
        const std::string after = tape.text();

        const std::string_view name = controlName(key.control);
        operatorPressed = operatorPressed || name.starts_with("cmdOperator");
        if (operatorPressed) {
            int visibleEquals = 0;
            for (Equals k : kEqualsKeys) visibleEquals += calculator.controls().visible(controlOf(k)) ? 1 : 0;
            require(visibleEquals == 1);
        }
        require(!showsNonNumber(calculator.inputText()));
        require(!showsNonNumber(calculator.output(0)));
        if (key.control == Control::cmdDelete) {
            std::string trimmed = before;
            if (!trimmed.empty()) trimmed.pop_back();
            require(after == trimmed);
        } else {
            require(after.size() >= before.size() && after.compare(0, before.size(), before) == 0);
        }
    }
    return 0;
}

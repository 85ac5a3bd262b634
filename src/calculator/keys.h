#pragma once
// The keys of the main window as the calculator's methods take them, each mapped
// once to its control, and the groups of keys whose states are set together.

#include "calculator/trigonometry.h"
#include "common/main_controls.h"

#include <array>
#include <cstddef>

namespace tallimo {

// cmdDigit(0 to 9): the index is the digit.
enum class Digit { Zero, One, Two, Three, Four, Five, Six, Seven, Eight, Nine };
// cmdOperator(0 to 5): "+", "-", "*", "/", "Mod", "^".
enum class Operator { Add, Subtract, Multiply, Divide, Mod, Power };
// cmdEquals(0 to 5): one "=" for each operation; the visible one is pending.
enum class Equals { Sum, Difference, Product, Quotient, Power, Remainder };
// cmdScientificNotation: "E-", "E+".
enum class Exponent { Negative, Positive };
// cmdSqrCubed: "X2", "X3".
enum class SquareOrCube { Square, Cube };
// cmdScientific: bin, hex, oct, sqr, int at 0 to 4; log and atn at 8 and 9.
enum class Scientific { Bin, Hex, Oct, Sqr, Int, Log, Atn };
// cmdMemory(0 to 7): M+, M-, MR, MC, then the total keys T+, T-, TR, TC.
enum class MemoryKey { MPlus, MMinus, MRecall, MClear, TPlus, TMinus, TRecall, TClear };
// cmdLevel(0 to 2) chooses an AngleMode; cmdScientificDegree(0 to 2) a TrigFunction.

namespace keys_detail {

template <typename Key, std::size_t N>
constexpr std::array<Key, N> all()
{
    std::array<Key, N> keys{};
    for (std::size_t i = 0; i < N; ++i) keys[i] = static_cast<Key>(i);
    return keys;
}

constexpr Control from(Control first, auto key) { return member(first, static_cast<int>(key)); }

}  // namespace keys_detail

inline constexpr auto kDigits = keys_detail::all<Digit, 10>();
inline constexpr auto kOperators = keys_detail::all<Operator, 6>();
inline constexpr auto kEqualsKeys = keys_detail::all<Equals, 6>();
inline constexpr auto kExponents = keys_detail::all<Exponent, 2>();
inline constexpr auto kSquareOrCube = keys_detail::all<SquareOrCube, 2>();
inline constexpr auto kScientificKeys = keys_detail::all<Scientific, 7>();
inline constexpr auto kMemoryKeys = keys_detail::all<MemoryKey, 8>();
inline constexpr auto kAngleModes = keys_detail::all<AngleMode, 3>();
inline constexpr auto kTrigFunctions = keys_detail::all<TrigFunction, 3>();

constexpr char digitCharacter(Digit d) { return static_cast<char>('0' + static_cast<int>(d)); }

constexpr Control controlOf(Digit d) { return keys_detail::from(Control::cmdDigit_0, d); }
constexpr Control controlOf(Operator o) { return keys_detail::from(Control::cmdOperator_0, o); }
constexpr Control controlOf(Equals e) { return keys_detail::from(Control::cmdEquals_0, e); }
constexpr Control controlOf(Exponent e) { return keys_detail::from(Control::cmdScientificNotation_0, e); }
constexpr Control controlOf(SquareOrCube s) { return keys_detail::from(Control::cmdSqrCubed_0, s); }
constexpr Control controlOf(MemoryKey m) { return keys_detail::from(Control::cmdMemory_0, m); }
constexpr Control controlOf(AngleMode m) { return keys_detail::from(Control::cmdLevel_0, m); }
constexpr Control controlOf(TrigFunction f) { return keys_detail::from(Control::cmdScientificDegree_0, f); }
constexpr Control controlOf(Scientific s)
{
    return s < Scientific::Log ? keys_detail::from(Control::cmdScientific_0, s)
                               : member(Control::cmdScientific_8, static_cast<int>(s) - static_cast<int>(Scientific::Log));
}

// Groups of keys, as one list of controls each.
template <typename Key, std::size_t N>
constexpr std::array<Control, N> controlsOf(const std::array<Key, N>& keys)
{
    std::array<Control, N> controls{};
    for (std::size_t i = 0; i < N; ++i) controls[i] = controlOf(keys[i]);
    return controls;
}

inline constexpr auto kDigitKeys = controlsOf(kDigits);
inline constexpr auto kOperatorKeys = controlsOf(kOperators);
inline constexpr auto kExponentKeys = controlsOf(kExponents);
inline constexpr auto kSquareAndCubeKeys = controlsOf(kSquareOrCube);
inline constexpr auto kMemoryButtons = controlsOf(kMemoryKeys);
// The scientific functions and the trigonometric keys: one operand each.
inline constexpr auto kFunctionKeys = join(controlsOf(kScientificKeys), controlsOf(kTrigFunctions));
// "+/-", "." and "%".
inline constexpr std::array<Control, 3> kSignPointPercentKeys{Control::cmdIntrinsic_0, Control::cmdIntrinsic_1,
                                                              Control::cmdIntrinsic_2};

// A key's enum counts off its group's controls in index order: a key added to the
// enum, or a control added to the table, without the other stops the build here.
static_assert(wholeGroupInOrder(kDigitKeys));
static_assert(wholeGroupInOrder(kOperatorKeys));
static_assert(wholeGroupInOrder(controlsOf(kEqualsKeys)));
static_assert(wholeGroupInOrder(kExponentKeys));
static_assert(wholeGroupInOrder(kSquareAndCubeKeys));
static_assert(wholeGroupInOrder(controlsOf(kScientificKeys)));
static_assert(wholeGroupInOrder(kMemoryButtons));
static_assert(wholeGroupInOrder(controlsOf(kAngleModes)));
static_assert(wholeGroupInOrder(controlsOf(kTrigFunctions)));
static_assert(wholeGroupInOrder(kSignPointPercentKeys));

}  // namespace tallimo

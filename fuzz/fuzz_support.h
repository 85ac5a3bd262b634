#pragma once
// What every fuzz target shares: a failed property aborts, which the fuzzer
// reports with the input that broke it.

#include "common/prompter.h"

#include <cstdlib>

namespace tallimo::fuzzing {

inline void require(bool condition)
{
    if (!condition) std::abort();
}

// Answers every message box with OK.
class OkPrompter : public Prompter {
public:
    Answer ask(const Message&) override { return Answer::Ok; }
};

}  // namespace tallimo::fuzzing

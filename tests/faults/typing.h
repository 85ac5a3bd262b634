#pragma once
// The keys the recovery typist presses, the same for a given seed in every process,
// so that the test can go through the states of the tape again.

#include <random>
#include <string>

namespace tallimo::testing {

class Typing {
public:
    explicit Typing(unsigned seed) : random_(seed) {}
    std::string nextKey()
    {
        static const char* const keys[] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "+", "-", "*", "=", "C"};
        return keys[pick_(random_)];
    }

private:
    std::mt19937 random_;
    std::uniform_int_distribution<int> pick_{0, 14};
};

}  // namespace tallimo::testing

#pragma once
// A Prompter for tests: answers from a script and records every message asked.

#include "common/prompter.h"

#include <deque>
#include <stdexcept>
#include <vector>

namespace tallimo::testing {

class ScriptedPrompter : public Prompter {
public:
    // Answers to give, in order; when they run out a question counts as closed
    // without an answer and a notice as answered OK.
    void script(std::initializer_list<Answer> answers) { answers_.insert(answers_.end(), answers); }

    Answer ask(const Message& message) override
    {
        asked.push_back(message);
        if (!answers_.empty()) {
            const Answer a = answers_.front();
            answers_.pop_front();
            return a;
        }
        return message.buttons == Buttons::Ok ? Answer::Ok : Answer::Dismissed;
    }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& m : asked) out.push_back(m.text);
        return out;
    }

    std::vector<Message> asked;

private:
    std::deque<Answer> answers_;
};

}  // namespace tallimo::testing

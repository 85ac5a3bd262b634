#pragma once
// A Prompter for tests: answers from a script and records every message asked.

#include "common/prompter.h"

#include <deque>
#include <stdexcept>
#include <vector>

namespace tallimo::testing {

class ScriptedPrompter : public Prompter {
public:
    // Answers to give, in order; when they run out a box counts as closed (refusal)
    // for OK/Cancel and Yes/No boxes and as OK for a notice.
    void script(std::initializer_list<Answer> answers) { answers_.insert(answers_.end(), answers); }

    Answer ask(const Message& message) override
    {
        asked.push_back(message);
        if (!answers_.empty()) {
            const Answer a = answers_.front();
            answers_.pop_front();
            return a;
        }
        switch (message.buttons) {
        case Buttons::Ok: return Answer::Ok;
        case Buttons::OkCancel: return Answer::Cancel;
        case Buttons::YesNo: return Answer::No;
        }
        return Answer::Cancel;
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

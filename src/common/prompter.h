#pragma once
// How the core asks or tells the user something: one modal message box.

#include <string>
#include <string_view>

namespace tallimo {

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Exclamation };
// Dismissed: the box was closed without a button (Escape, its close button, or the
// program told to stop while it was open).
enum class Answer { Ok, Cancel, Yes, No, Dismissed };

struct Message {
    std::string text;
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    Answer defaultButton = Answer::Ok;
    std::string title = "Tallimo";
};

// Closing a box counts as refusal: only OK and Yes are consent. What only a No may
// do (delete something) is not done on a box closed without an answer.
inline bool consents(Answer answer) { return answer == Answer::Ok || answer == Answer::Yes; }

inline Message notice(std::string_view text) { return {std::string(text), Buttons::Ok, Icon::Exclamation}; }
inline Message plain(std::string_view text) { return {std::string(text), Buttons::Ok, Icon::None}; }
inline Message okCancel(std::string_view text)
{
    return {std::string(text), Buttons::OkCancel, Icon::Exclamation};
}
inline Message yesNo(std::string_view text, Answer defaultButton)
{
    return {std::string(text), Buttons::YesNo, Icon::Exclamation, defaultButton};
}

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual Answer ask(const Message& message) = 0;
};

}  // namespace tallimo

#include "memory/running_total_window_model.h"

#include "common/messages.h"

namespace tallimo {

void RunningTotalWindowModel::setText(std::string text)
{
    text_ = std::move(text);
    changed();
}

void RunningTotalWindowModel::show()
{
    visible_ = true;
    changed();
}

void RunningTotalWindowModel::sendTotal()
{
    if (calculator_.holdsValue()) {
        prompter_.ask(notice(MsgUnclearedValue()));
    } else {
        calculator_.setInput(text_);
        calculator_.resultShown(calculator_.input());
        calculator_.appendToTape(calculator_.input() + "#\n");
    }
    exitTotalWindow();
}

void RunningTotalWindowModel::exitTotalWindow()
{
    visible_ = false;
    text_.clear();
    changed();
}

}  // namespace tallimo

#include "memory/running_total_window.h"

#include "common/messages.h"

namespace tallimo {

void RunningTotalWindow::setText(std::string text)
{
    text_ = std::move(text);
    changed();
}

void RunningTotalWindow::show()
{
    visible_ = true;
    changed();
}

void RunningTotalWindow::sendTotal()
{
    if (calculator_.holdsValue()) {
        prompter_.ask(notice(MsgUnclearedValue()));
    } else {
        calculator_.setInput(text_);
        calculator_.resultShown(calculator_.input());
        calculator_.appendToSpool(calculator_.input() + "#\n");
    }
    exitTotalWindow();
}

void RunningTotalWindow::exitTotalWindow()
{
    visible_ = false;
    text_.clear();
    changed();
}

}  // namespace tallimo

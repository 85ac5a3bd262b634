#pragma once
// The message catalogue shared by every window; the caller picks buttons and icon.

#include <string_view>

namespace tallimo {

std::string_view MsgNoSum();
std::string_view MsgClipboardInvalid();
std::string_view MsgClickReset();
std::string_view MsgUnclearedValue();
std::string_view MsgUnknownException();
std::string_view MsgNoInitialValue();
std::string_view MsgNotConverted();
std::string_view MsgUnsavedPage();
std::string_view MsgResetWarning();
std::string_view MsgNoDeletion();

}  // namespace tallimo

#pragma once
// The message catalogue shared by every window; the caller picks buttons and icon.

#include <cstddef>
#include <string>
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

// The recovery copy of an unsaved tape.
std::string MsgRestoreUnsavedTape(std::size_t lines, std::string_view lastWritten, std::string_view lastLine);
std::string MsgUnsavedTapeTooLarge(std::string_view path, std::string_view largest);
std::string MsgUnsavedTapeUnreadable(std::string_view path, std::string_view reason);
std::string MsgRecoveryCopyNotWritten(std::string_view path, std::string_view reason);
std::string MsgPageTooLargeForRecoveryCopy(std::string_view largest);

}  // namespace tallimo

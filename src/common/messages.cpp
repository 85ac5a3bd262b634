#include "common/messages.h"

namespace tallimo {

std::string_view MsgNoSum()
{
    return " No sum to calculate. You must use the 'swop' feature, or enter an initial value "
           "into the input box.  Click reset to continue!";
}
std::string_view MsgClipboardInvalid() { return " The clipboard contents are invalid "; }
std::string_view MsgClickReset() { return " Click Reset to continue "; }
std::string_view MsgUnclearedValue()
{
    return "The calculator is currently holding an uncleared value.  Clear this then resend value!";
}
std::string_view MsgUnknownException() { return "Unknown exception.  Click reset to continue"; }
std::string_view MsgNoInitialValue() { return "You have not entered an initial value to convert!"; }
std::string_view MsgNotConverted()
{
    return "No value has been converted.  Convert a value then send to calculator.";
}
std::string_view MsgUnsavedPage()
{
    return "The existing page could contain values which will be lost if you have unsaved changes! ";
}
std::string_view MsgResetWarning()
{
    return "This will reset the calculator removing existing values except for the memory, spool "
           "and Running Total.";
}
std::string_view MsgNoDeletion() { return "No value selected for deletion"; }

}  // namespace tallimo

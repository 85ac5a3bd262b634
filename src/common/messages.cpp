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

std::string MsgRestoreUnsavedTape(std::size_t lines, std::string_view lastWritten, std::string_view lastLine)
{
    std::string text = "Tallimo kept a copy of a page that was not saved when it last ended unexpectedly: " +
                       std::to_string(lines) + (lines == 1 ? " line" : " lines");
    if (!lastWritten.empty()) text += ", last written " + std::string(lastWritten);
    if (!lastLine.empty()) text += ", ending with \"" + std::string(lastLine) + "\"";
    return text + ".\n\nDo you want to restore this unsaved tape? Yes opens it as a page; No deletes it.";
}
std::string MsgUnsavedTapeTooLarge(std::string_view path, std::string_view largest)
{
    return "The unsaved tape kept in \"" + std::string(path) + "\" is too large to restore as a page: a page holds at most " +
           std::string(largest) + ".\n\nDo you want to delete it? No leaves it where it is.";
}
std::string MsgUnsavedTapeUnreadable(std::string_view path, std::string_view reason)
{
    return "The unsaved tape kept in \"" + std::string(path) + "\" could not be read: " + std::string(reason) +
           " It is left where it is.";
}
std::string MsgRecoveryCopyNotWritten(std::string_view path, std::string_view reason)
{
    return "The open page could not be copied to \"" + std::string(path) +
           "\", where it is kept in case Tallimo ends unexpectedly: " + std::string(reason) +
           "\n\nThe calculator works on; save the page to keep it.";
}
std::string MsgPageTooLargeForRecoveryCopy(std::string_view largest)
{
    return "The open page is too large to keep a copy of in case Tallimo ends unexpectedly: a copy holds at most " +
           std::string(largest) + ".\n\nThe calculator works on; save the page to keep it.";
}

}  // namespace tallimo

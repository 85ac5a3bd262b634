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

std::string_view MsgOverflow() { return "Overflow exception"; }
std::string_view MsgConversionReset() { return "This will reset the calculator removing existing values"; }
std::string_view MsgValuesLostOnClose() { return "If you close the program all current values will be lost"; }
std::string_view MsgValuesLostOnExit() { return "If you close the program all current values will be lost."; }

// ---- memory cells and running total ----

std::string_view MsgPositiveIntoMemoryMinus()
{
    return "You are attempting to place a posotive value into memory Minus";
}
std::string_view MsgNegativeIntoMemoryPlus()
{
    return "You are attempting to place a negative value into memory Plus";
}
std::string MsgMemoryFull(std::string_view oldestValue)
{
    return "Adding another value will remove the memory  " + std::string(oldestValue) +
           ". Alternatively press cancel then MR to delete a different memory cell.";
}
std::string_view MsgMemoryEmpty() { return "The memory is empty"; }
std::string_view MsgEraseAllMemory()
{
    return " If you continue the all values in memory will be permanently erased.  Alternatively click MR to "
           "remove individual values.";
}
std::string MsgEraseMemoryValue(std::string_view value)
{
    return "If you continue the value " + std::string(value) + " will be erased permanently";
}
std::string MsgRunningTotalIs(std::string_view total) { return " The running total = " + std::string(total); }
std::string MsgRunningTotalChange(std::string_view total, bool decrement, std::string_view operand,
                                  std::string_view newTotal)
{
    return " If you continue the Running Total " + std::string(total) +
           (decrement ? " will be decremented by " : " will be incremented by ") + std::string(operand) +
           " creating the new value " + std::string(newTotal);
}
std::string_view MsgEraseRunningTotal()
{
    return " If you continue the value in Running Total will be permanently erased.";
}
std::string MsgMemoryFileNotWritten(std::string_view path, std::string_view reason)
{
    return "The memory file " + std::string(path) + " could not be written: " + std::string(reason);
}

std::string MsgNoFreeCellForValue(std::string_view value)
{
    return "another Tallimo in this folder stored a different value there meanwhile, and no cell was free for "
           "this one's value " +
           std::string(value) + ".";
}
std::string MsgMemoryFilesPassedOver(std::string_view list)
{
    return "Tallimo did not read these memory files, and leaves them as they are; their cells start empty:\n\n" +
           std::string(list);
}

// ---- tape documents ----

std::string_view MsgOpenCancelled() { return "User cancelled file open operation"; }
std::string_view MsgNothingToSave() { return "There is no file to save"; }
std::string MsgUnsavedPageCancelToSave()
{
    return std::string(MsgUnsavedPage()) + "Click Cancel to save work or OK to continue.";
}
std::string MsgPageTooLarge(std::string_view fileName, std::string_view largestInWords)
{
    return "The file \"" + std::string(fileName) + "\" is too large to open as a page: a page holds at most " +
           std::string(largestInWords) + ".";
}
std::string MsgPageLineTooLong(std::string_view fileName, std::string_view longestInWords)
{
    return "The file \"" + std::string(fileName) + "\" holds a line too long to show on a page: a line holds at most " +
           std::string(longestInWords) + ".";
}
std::string MsgPageNotSaved(std::string_view fileName, std::string_view reason)
{
    return "The page could not be saved to \"" + std::string(fileName) + "\". " + std::string(reason);
}

std::string MsgPageSavedTooLargeToOpen(std::string_view fileName, std::string_view largestInWords,
                                       std::string_view longestLineInWords)
{
    return "The page was saved to \"" + std::string(fileName) +
           "\", but it is too large to open as a page again: a page holds at most " + std::string(largestInWords) +
           " and a line at most " + std::string(longestLineInWords) + ". Any text editor can open it.";
}

// ---- why a file could not be read or written ----

std::string_view MsgFileIsAFolder() { return "This is a folder, not a file."; }
std::string_view MsgFileCannotBeOpened() { return "The file cannot be opened."; }
std::string_view MsgFileCannotBeRead() { return "The file cannot be read."; }
std::string_view MsgCodePageCannotStore()
{
    return "The text holds characters that the system's code page cannot store.";
}
std::string_view MsgNotAnOrdinaryFile() { return "This is not an ordinary file, so it is not replaced."; }
std::string_view MsgNotAnOrdinaryFileToRead()
{
    return "This is not an ordinary file but a pipe, a device or a socket, so it is not read.";
}
std::string_view MsgFileIsALink() { return "This is a link, and Tallimo follows no link to a file of its own."; }
std::string_view MsgFileTooLarge() { return "The file is larger than 4 MiB."; }
std::string_view MsgFileCannotBeCreated() { return "The file cannot be created."; }
std::string_view MsgTextNotAllWritten() { return "Not all of the text could be written."; }
std::string_view MsgFileNotCompleted() { return "The file could not be completed."; }
std::string_view MsgTooManyUnsavedTapes() { return "The folder holds too many unsaved tapes."; }
std::string_view MsgFolderNotWritable() { return "The folder cannot be written to."; }
std::string_view MsgLockFileNotMade() { return "The copy's lock file cannot be made."; }

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
std::string MsgUnsavedTapeLineTooLong(std::string_view path, std::string_view longest)
{
    return "The unsaved tape kept in \"" + std::string(path) +
           "\" holds a line too long to restore as a page: a line holds at most " + std::string(longest) +
           ".\n\nDo you want to delete it? No leaves it where it is.";
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

std::string MsgUnsavedTapesNotOffered(std::string_view list)
{
    return "These files look like copies of unsaved tapes, but Tallimo cannot offer them back; it leaves them where "
           "they are:\n\n" +
           std::string(list) + "\n\nA copy that is a plain file can be opened with FILE Open.";
}
std::string MsgLockNotAPlainFile(std::string_view lockPath, std::string_view reason)
{
    return "its lock \"" + std::string(lockPath) + "\" is not a plain file. " + std::string(reason);
}
std::string MsgLockHeldElsewhere(std::string_view lockPath, std::string_view computer)
{
    return "its lock \"" + std::string(lockPath) + "\" says that Tallimo on the computer \"" + std::string(computer) +
           "\" keeps it. If that Tallimo no longer runs, delete the lock to have the copy offered.";
}

}  // namespace tallimo

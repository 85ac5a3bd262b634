#pragma once
// The message catalogue: every text that a message box shows, shared by every
// window; the caller picks buttons and icon. A text built around a value (a file
// name, a cell's value) takes the value as a parameter.

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

std::string_view MsgOverflow();
// The conversion windows' Reset question.
std::string_view MsgConversionReset();
// Closing a conversion window or the colour mixer; the mixer's Exit asks the second.
std::string_view MsgValuesLostOnClose();
std::string_view MsgValuesLostOnExit();

// ---- memory cells and running total ----
std::string_view MsgPositiveIntoMemoryMinus();
std::string_view MsgNegativeIntoMemoryPlus();
std::string MsgMemoryFull(std::string_view oldestValue);
std::string_view MsgMemoryEmpty();
std::string_view MsgEraseAllMemory();
std::string MsgEraseMemoryValue(std::string_view value);
std::string MsgRunningTotalIs(std::string_view total);
std::string MsgRunningTotalChange(std::string_view total, bool decrement, std::string_view operand,
                                  std::string_view newTotal);
std::string_view MsgEraseRunningTotal();
std::string MsgMemoryFileNotWritten(std::string_view path, std::string_view reason);
std::string MsgNoFreeCellForValue(std::string_view value);
std::string MsgMemoryFilesPassedOver(std::string_view list);

// ---- tape documents ----
std::string_view MsgOpenCancelled();
std::string_view MsgNothingToSave();
// MsgUnsavedPage followed by what Cancel and OK do.
std::string MsgUnsavedPageCancelToSave();
std::string MsgPageTooLarge(std::string_view fileName, std::string_view largestInWords);
std::string MsgPageLineTooLong(std::string_view fileName, std::string_view longestInWords);
std::string MsgPageNotSaved(std::string_view fileName, std::string_view reason);
std::string MsgPageSavedTooLargeToOpen(std::string_view fileName, std::string_view largestInWords,
                                       std::string_view longestLineInWords);

// ---- why a file could not be read or written, the reason in the texts above ----
std::string_view MsgFileIsAFolder();
std::string_view MsgFileCannotBeOpened();
std::string_view MsgFileCannotBeRead();
std::string_view MsgCodePageCannotStore();
std::string_view MsgNotAnOrdinaryFile();
std::string_view MsgNotAnOrdinaryFileToRead();
std::string_view MsgFileIsALink();
std::string_view MsgFileTooLarge();
std::string_view MsgFileCannotBeCreated();
std::string_view MsgTextNotAllWritten();
std::string_view MsgFileNotCompleted();
std::string_view MsgTooManyUnsavedTapes();
std::string_view MsgFolderNotWritable();
std::string_view MsgLockFileNotMade();

// The recovery copy of an unsaved tape.
std::string MsgRestoreUnsavedTape(std::size_t lines, std::string_view lastWritten, std::string_view lastLine);
std::string MsgUnsavedTapeTooLarge(std::string_view path, std::string_view largest);
std::string MsgUnsavedTapeLineTooLong(std::string_view path, std::string_view longest);
std::string MsgRecoveryCopyNotWritten(std::string_view path, std::string_view reason);
std::string MsgPageTooLargeForRecoveryCopy(std::string_view largest);
std::string MsgUnsavedTapesNotOffered(std::string_view list);
std::string MsgLockNotAPlainFile(std::string_view lockPath, std::string_view reason);
std::string MsgLockHeldElsewhere(std::string_view lockPath, std::string_view computer);

}  // namespace tallimo

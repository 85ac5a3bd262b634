#include "memory/closing.h"

#include "common/messages.h"

namespace tallimo {

bool Closing::closeCalculator()
{
    const bool tapeHoldsText = calculator_.controls().visible(Control::txtSpool) && !calculator_.tape().isEmpty();
    if (tapeHoldsText && !consents(calculator_.prompter().ask(okCancel(MsgUnsavedPage())))) return false;

    const std::vector<FileFailure> failures = files_.save();
    // The user agreed to lose the tape; but where the cells could not be written
    // (a full disk, most likely) nothing more is deleted.
    if (failures.empty()) {
        if (recovery_) recovery_->discard();
        return true;
    }
    std::string text;
    for (const FileFailure& failure : failures) {
        if (!text.empty()) text += "\n";
        text += MsgMemoryFileNotWritten(failure.path, failure.reason);
    }
    calculator_.prompter().ask(notice(text));
    return true;
}

}  // namespace tallimo

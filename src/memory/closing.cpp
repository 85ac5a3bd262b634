#include "memory/closing.h"

#include "common/messages.h"

namespace tallimo {

bool Closing::closeCalculator()
{
    const bool pageHoldsText = calculator_.controls().visible(Control::txtSpool) && !calculator_.spool().isEmpty();
    if (pageHoldsText && !consents(calculator_.prompter().ask(okCancel(MsgUnsavedPage())))) return false;

    if (recovery_) recovery_->discard();
    const std::vector<FileFailure> failures = files_.save();
    if (!failures.empty()) {
        std::string text;
        for (const FileFailure& failure : failures) {
            if (!text.empty()) text += "\n";
            text += MsgMemoryFileNotWritten(failure.path, failure.reason);
        }
        calculator_.prompter().ask(notice(text));
    }
    return true;
}

}  // namespace tallimo

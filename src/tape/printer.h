#pragma once
// The printer dialog and the printer, as the tape's Print command uses them.

#include <optional>
#include <string_view>

namespace tallimo {

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the printer dialog: the number of copies chosen, nothing when cancelled.
    virtual std::optional<int> chooseCopies() = 0;
    // One finished copy of the text in the printer's default font, from the top of a
    // fresh sheet of paper. False when printing failed.
    virtual bool printCopy(std::string_view text) = 0;
    // Hands the printed copies to the printer; called once after the last copy.
    virtual void endJob() = 0;
};

}  // namespace tallimo

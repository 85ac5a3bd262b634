#pragma once
// The one way the calculator closes: DESTROY, Edit Destroy, the popup's Destroy and
// the window's close box all come here.

#include "calculator/calculator.h"
#include "memory/memory_files.h"
#include "tape/recovery_copy.h"

namespace tallimo {

class Closing {
public:
    // `recovery` is the copy of an unsaved tape, where the program keeps one.
    Closing(Calculator& calculator, MemoryFiles& files, RecoveryCopy* recovery = nullptr)
        : calculator_(calculator), files_(files), recovery_(recovery)
    {
    }

    // Asks first when an open tape holds text. Returns whether the program is to
    // end; the memory files are written then, and any that could not be are named
    // in a message. The user agreed to lose the tape, so its recovery copy goes,
    // unless a memory file could not be written.
    bool closeCalculator();

    // The desktop session is ending or the process was told to stop: the memory
    // files are written without a question or a message.
    std::vector<FileFailure> saveOnSessionEnd() { return files_.save(); }

private:
    Calculator& calculator_;
    MemoryFiles& files_;
    RecoveryCopy* recovery_;
};

}  // namespace tallimo

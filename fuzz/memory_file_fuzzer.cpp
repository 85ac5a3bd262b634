// Restores the memory cells from files of arbitrary bytes (the input split at 0xFF
// 0xFE into up to seven files), then writes them back: no crash, the cells' controls
// follow their contents, and a file that ended with its line end is written back
// byte for byte.

#include "fuzz_support.h"
#include "calculator/calculator.h"
#include "common/in_memory_files.h"
#include "common/numbers.h"
#include "memory/memory_files.h"
#include "tape/in_memory_tape.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using tallimo::fuzzing::OkPrompter;
using tallimo::fuzzing::require;

using namespace tallimo;

std::vector<std::string> splitFiles(std::string_view bytes)
{
    std::vector<std::string> files;
    while (files.size() < 7) {
        const auto cut = bytes.find("\xFF\xFE");
        files.emplace_back(bytes.substr(0, cut));
        if (cut == std::string_view::npos) break;
        bytes.remove_prefix(cut + 2);
    }
    return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto contents = splitFiles(std::string_view(reinterpret_cast<const char*>(data), size));
    InMemoryFiles disk;
    OkPrompter prompter;
    InMemoryTape tape;
    Calculator calculator(prompter, tape);
    calculator.start();
    MemoryFiles files(calculator, disk, "folder");
    for (std::size_t i = 0; i < contents.size(); ++i) disk.files[files.pathOf(static_cast<int>(i) + 1)] = contents[i];

    files.restore();
    bool anyOccupied = false;
    for (int k = 1; k <= 7; ++k) {
        const bool occupied = isNumeric(calculator.output(k));
        require(calculator.controls().enabled(sendButton(k - 1)) == occupied);
        anyOccupied = anyOccupied || occupied;
        (void)normalised(calculator.output(k));
    }
    require(calculator.controls().enabled(Control::cmdMemory_2) == anyOccupied);

    const auto before = disk.files;
    require(files.save().empty());
    for (std::size_t i = 0; i < contents.size(); ++i) {
        const std::string& old = before.at(files.pathOf(static_cast<int>(i) + 1));
        if (old.ends_with("\r\n")) require(disk.files.at(files.pathOf(static_cast<int>(i) + 1)) == old);
    }
    return 0;
}

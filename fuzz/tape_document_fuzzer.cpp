// Opens a tape document of arbitrary bytes: no crash, the tape holds text only, a
// file that is already clean text opens unchanged (less the line end a save adds),
// and saving and opening again gives back the same tape.

#include "fuzz_support.h"
#include "common/in_memory_files.h"
#include "tape/document_file.h"
#include "tape/documents.h"
#include "tape/in_memory_tape.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

using tallimo::fuzzing::OkPrompter;
using tallimo::fuzzing::require;

using namespace tallimo;

class FixedDialogs : public FileDialogs {
public:
    std::optional<std::string> chooseFileToOpen(const FileDialogSettings&) override { return "page.tmo"; }
    std::optional<std::string> chooseFileToSave(const FileDialogSettings&) override { return "saved.tmo"; }
};

class NoPrinter : public Printer {
public:
    std::optional<int> chooseCopies() override { return std::nullopt; }
    bool printCopy(std::string_view) override { return true; }
    void endJob() override {}
};

// Valid UTF-8 with no NUL: what the tape may hold.
bool isCleanText(std::string_view text) { return withTextOnly(text) == text; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    InMemoryFiles disk;
    disk.files["page.tmo"] = bytes;
    FixedDialogs dialogs;
    NoPrinter printer;
    OkPrompter prompter;
    InMemoryTape tape;
    MainControls controls;
    std::string fileName;
    std::int16_t fileNumber = 0;
    Documents documents(controls, tape, prompter, {disk, dialogs, printer}, {fileName, fileNumber});

    documents.open();
    const std::string page = tape.text();
    require(controls.visible(Control::txtSpool));
    require(isCleanText(page));
    if (isCleanText(bytes)) {
        const std::string_view expected =
            std::string_view(bytes).ends_with("\r\n") ? std::string_view(bytes).substr(0, size - 2) : bytes;
        require(page == expected);
    }

    documents.save(MenuOrigin::MenuBar);
    require(disk.files.at("saved.tmo") == page + "\r\n");
    disk.files["page.tmo"] = disk.files.at("saved.tmo");
    documents.open();
    require(tape.text() == page);
    return 0;
}

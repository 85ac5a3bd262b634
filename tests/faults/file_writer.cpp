// Writes files in endless generations until it is killed:
//   file_writer_for_kills memory FOLDER   the seven memory files, as a close does
//   file_writer_for_kills tape FILE       a tape document saved over and over

#include "calculator/calculator.h"
#include "faults/generations.h"
#include "memory/memory_files.h"
#include "tape/in_memory_tape.h"
#include "ui/files/qt_text_files.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

class SilentPrompter : public tallimo::Prompter {
public:
    tallimo::Answer ask(const tallimo::Message&) override { return tallimo::Answer::Ok; }
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) return 2;
    const std::string mode = argv[1];
    const std::string where = argv[2];
    tallimo::ui::QtTextFiles files;
    SilentPrompter prompter;
    tallimo::InMemoryTape tape;
    tallimo::Calculator calculator(prompter, tape);
    tallimo::MemoryFiles memoryFiles(calculator, files, where);
    if (mode == "memory") memoryFiles.restore();  // as a program starts

    for (long generation = 1;; ++generation) {
        if (mode == "memory") {
            for (int k = 1; k <= 7; ++k) calculator.setOutput(k, tallimo::testing::generationText(generation, k));
            if (!memoryFiles.save().empty()) return 1;
        } else {
            // A saved tape is its text followed by a line end, as Save writes it.
            if (!files.write(where, tallimo::testing::generationText(generation, 0) + "\r\n", tallimo::FileOrigin::ChosenByUser).written) return 1;
        }
        std::printf("%ld\n", generation);
        std::fflush(stdout);
    }
}

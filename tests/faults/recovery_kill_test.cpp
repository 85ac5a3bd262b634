// Kills a program that types into an open tape at random moments; after every kill
// the next start must offer back, whole, exactly one state the tape went through.

#include "calculator/calculator.h"
#include "faults/generations.h"
#include "faults/read_file.h"
#include "faults/typing.h"
#include "support/keys.h"
#include "support/scripted_prompter.h"
#include "tape/in_memory_tape.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tallimo::testing {
namespace {

namespace fs = std::filesystem;

// A run of the typist, with the read end of its output.
struct Typist {
    Typist(const fs::path& folder, unsigned seed)
    {
        int ends[2];
        if (::pipe(ends) != 0) return;
        pid = ::fork();
        if (pid == 0) {
            ::dup2(ends[1], 1);
            ::close(ends[0]);
            const std::string seedText = std::to_string(seed);
            ::execl(RECOVERY_TYPIST, RECOVERY_TYPIST, folder.c_str(), seedText.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(ends[1]);
        out = ::fdopen(ends[0], "r");
    }
    std::string line()
    {
        char text[64] = {};
        return std::fgets(text, sizeof text, out) ? std::string(text) : std::string();
    }
    // True when it had to be killed, false when it ended on its own.
    bool kill()
    {
        ::kill(pid, SIGKILL);
        int status = 0;
        ::waitpid(pid, &status, 0);
        std::fclose(out);
        return WIFSIGNALED(status);
    }

    pid_t pid = -1;
    FILE* out = nullptr;
};

// Whether `text` is the tape after some number of the seed's keys.
bool isAStateOfTheTape(const std::string& text, const std::string& start, unsigned seed)
{
    if (!text.starts_with(start)) return false;
    const std::string typed = text.substr(start.size());
    ScriptedPrompter prompter;
    InMemoryTape tape;
    Calculator calculator(prompter, tape);
    calculator.start();
    const auto keys = calculatorKeys();
    Typing typing(seed);
    for (int k = 0; k < 20'000; ++k) {
        if (tape.text() == typed) return true;
        press(calculator, typing.nextKey(), keys);
    }
    return false;
}

// The copy a killed run left (its bytes), and the temporary files of cut writes removed.
std::optional<std::string> leftCopy(const fs::path& folder)
{
    std::optional<std::string> copy;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with("unsaved-tape-")) continue;
        if (!name.ends_with(".tmo")) {
            fs::remove(entry.path());
        } else {
            EXPECT_FALSE(copy) << "a second copy " << name;
            copy = readFile(entry.path());
        }
    }
    return copy;
}

TEST(RecoveryAfterAKill, TheNextStartOffersOneWholeStateOfTheTape)
{
    // In memory where the system has it: a kill, unlike a power cut, leaves the tape
    // cache alone, and the writes need not wait for a disk.
    const fs::path base = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path folder = base / ("tallimo-recovery-kills-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string start = generationText(1, 0);
    std::ofstream(folder / "start.tmo", std::ios::binary) << start << "\r\n";

    constexpr int kKills = 200;
    std::mt19937 random(20261206);
    std::uniform_int_distribution<int> micros(0, 40'000);
    std::optional<std::string> left;  // the copy the last kill left
    int offered = 0;
    for (int run = 0; run <= kKills; ++run) {
        const auto seed = static_cast<unsigned>(run + 1);
        fs::remove(folder / "restored.txt");
        Typist typist(folder, seed);
        ASSERT_GT(typist.pid, 0);
        const std::string asked = typist.line();
        ASSERT_EQ(asked, left ? "asked 1\n" : "asked 0\n") << "start after kill " << run;
        if (left) {
            ++offered;
            const std::string restored = readFile(folder / "restored.txt");
            ASSERT_TRUE(left->ends_with("\r\n") && left->substr(0, left->size() - 2) == restored)
                << "kill " << run << " left a copy that is not what the next start restored";
            ASSERT_TRUE(isAStateOfTheTape(restored, start, seed - 1))
                << "kill " << run << ": the page offered back (" << restored.size() << " bytes) was never on screen";
        }
        if (run == kKills) {
            typist.kill();
            break;
        }
        ASSERT_EQ(typist.line(), "typing\n");
        std::this_thread::sleep_for(std::chrono::microseconds(micros(random)));
        ASSERT_TRUE(typist.kill()) << "the typist ended on its own in run " << run;
        left = leftCopy(folder);
    }
    // Every kill lands after the first copy was written.
    EXPECT_EQ(offered, kKills);
    std::printf("%d of %d kills left a copy to offer\n", offered, kKills);
    fs::remove_all(folder);
}

}  // namespace
}  // namespace tallimo::testing

#include "faults/generations.h"
#include "faults/read_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <signal.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <fcntl.h>
#include <unistd.h>

namespace tallimo::testing {
namespace {

namespace fs = std::filesystem;

void writeFile(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Whether a file holds exactly one whole generation of the given file number.
bool isWholeGeneration(const std::string& bytes, int file)
{
    long generation = -1;
    if (std::sscanf(bytes.c_str(), "generation %ld", &generation) != 1 || generation < 0) return false;
    return bytes == generationText(generation, file) + "\r\n";
}

class KillWhileWriting : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder = fs::temp_directory_path() / ("tallimo-kills-" + std::to_string(::getpid()));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }

    // Starts the writer, lets it run for a random moment and kills it.
    void runAndKill(const std::string& mode, const fs::path& target, std::mt19937& random)
    {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            const int devNull = ::open("/dev/null", O_WRONLY);
            ::dup2(devNull, 1);
            ::execl(FILE_WRITER, FILE_WRITER, mode.c_str(), target.c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        std::uniform_int_distribution<int> micros(0, 60'000);
        std::this_thread::sleep_for(std::chrono::microseconds(micros(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_FALSE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << "the writer failed on its own";
    }

    fs::path folder;
};

constexpr int kKills = 200;

TEST_F(KillWhileWriting, MemoryFilesHoldTheirOldOrTheirNewContent)
{
    for (int k = 1; k <= 7; ++k)
        writeFile(folder / ("memory" + std::to_string(k) + ".tmo"), generationText(0, k) + "\r\n");
    std::mt19937 random(20261206);
    for (int kill = 0; kill < kKills; ++kill) {
        runAndKill("memory", folder, random);
        for (int k = 1; k <= 7; ++k) {
            const std::string bytes = readFile(folder / ("memory" + std::to_string(k) + ".tmo"));
            ASSERT_TRUE(isWholeGeneration(bytes, k))
                << "memory" << k << ".tmo after kill " << kill << " holds " << bytes.size() << " bytes";
        }
    }
}

TEST_F(KillWhileWriting, ASavedTapeHoldsTheOldOrTheNewText)
{
    const fs::path tape = folder / "sums.tmo";
    writeFile(tape, generationText(0, 0) + "\r\n");
    std::mt19937 random(61202026);
    for (int kill = 0; kill < kKills; ++kill) {
        runAndKill("tape", tape, random);
        const std::string bytes = readFile(tape);
        ASSERT_TRUE(isWholeGeneration(bytes, 0)) << "after kill " << kill << " the tape holds " << bytes.size() << " bytes";
    }
}

}  // namespace
}  // namespace tallimo::testing

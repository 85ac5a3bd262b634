// The real program, ended every way but its own close while it asks whether to
// restore a tape left unsaved: SIGTERM, SIGHUP (its terminal closed), SIGINT
// (Ctrl+C there), and its display going away under X11 and Wayland. Each time the
// memory cells are written and every left copy is still there for the next start.

#include "faults/read_file.h"
#include "support/display_servers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sys/wait.h>
#include <thread>

namespace tallimo::testing {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const std::string kCopy1 = "12 + 3 = 15#\n\r\n";
const std::string kCopy2 = "7\r\n";

class Endings : public ::testing::Test {
protected:
    void SetUp() override
    {
        base = fs::temp_directory_path() / ("tallimo-endings-" + std::to_string(::getpid()));
        fs::remove_all(base);
        folder = base / "start";
        fs::create_directories(folder);
        // Without its line end: a file written back shows the close that wrote it.
        std::ofstream(folder / "memory1.tmo", std::ios::binary) << "42";
        std::ofstream(folder / "unsaved-tape-1.tmo", std::ios::binary) << kCopy1;
        std::ofstream(folder / "unsaved-tape-2.tmo", std::ios::binary) << kCopy2;
    }
    void TearDown() override
    {
        if (program > 0) {
            ::kill(program, SIGKILL);
            ::waitpid(program, nullptr, 0);
        }
        fs::remove_all(base);
    }

    using Environment = std::vector<std::pair<std::string, std::string>>;

    // Starts the program in the folder with `environment` added to the test's.
    void start(const Environment& environment)
    {
        program = ::fork();
        ASSERT_GE(program, 0);
        if (program == 0) {
            for (const auto& [name, value] : environment) ::setenv(name.c_str(), value.c_str(), 1);
            if (::chdir(folder.c_str()) != 0) ::_exit(126);
            std::FILE* log = std::fopen((base / "program.log").c_str(), "w");
            if (log) ::dup2(::fileno(log), 2);
            ::execl(TALLIMO_PROGRAM, TALLIMO_PROGRAM, static_cast<char*>(nullptr));
            ::_exit(127);
        }
    }

    // Until the program asks about the first copy: the copy's lock then holds its
    // process id.
    bool waitForTheQuestion()
    {
        const auto until = Clock::now() + std::chrono::seconds(60);
        while (Clock::now() < until) {
            if (readFile(folder / ".unsaved-tape-1.tmo.lock").starts_with(std::to_string(program) + "\n")) {
                // The lock is taken just before the question; give the box a moment.
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return false;
    }

    // The program's exit status, or nothing when it had to be killed.
    std::optional<int> waitForTheEnd()
    {
        const auto until = Clock::now() + std::chrono::seconds(60);
        while (Clock::now() < until) {
            int status = 0;
            if (::waitpid(program, &status, WNOHANG) == program) {
                program = -1;
                return status;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return std::nullopt;
    }

    void expectCellsWrittenAndCopiesKept()
    {
        EXPECT_EQ(readFile(folder / "memory1.tmo"), "42\r\n");
        for (int k = 2; k <= 7; ++k) EXPECT_EQ(readFile(folder / ("memory" + std::to_string(k) + ".tmo")), "\r\n") << k;
        EXPECT_EQ(readFile(folder / "unsaved-tape-1.tmo"), kCopy1);
        EXPECT_EQ(readFile(folder / "unsaved-tape-2.tmo"), kCopy2);
    }

    std::string log() { return readFile(base / "program.log"); }

    // The program started on `server`'s display, which ends while the restore
    // question is open.
    void loseTheDisplayWhileItAsks(DisplayServer& server, const Environment& environment)
    {
        ASSERT_TRUE(server.running());
        start(environment);
        ASSERT_TRUE(waitForTheQuestion()) << log();
        server.stop();
        ASSERT_TRUE(waitForTheEnd()) << "the program did not end";
        expectCellsWrittenAndCopiesKept();
    }

    fs::path base, folder;
    pid_t program = -1;
};

class ASignal : public Endings, public ::testing::WithParamInterface<int> {};

TEST_P(ASignal, WhileTheRestoreQuestionIsOpenSavesTheCellsAndKeepsEveryCopy)
{
    start({{"QT_QPA_PLATFORM", "offscreen"}});
    ASSERT_TRUE(waitForTheQuestion()) << log();
    ::kill(program, GetParam());
    const auto status = waitForTheEnd();
    ASSERT_TRUE(status) << "the program did not end";
    EXPECT_TRUE(WIFEXITED(*status)) << "ended by signal " << WTERMSIG(*status) << "\n" << log();
    expectCellsWrittenAndCopiesKept();
}

INSTANTIATE_TEST_SUITE_P(Endings, ASignal, ::testing::Values(SIGTERM, SIGHUP, SIGINT),
                         [](const ::testing::TestParamInfo<int>& signal) {
                             return signal.param == SIGTERM ? "SIGTERM" : signal.param == SIGHUP ? "SIGHUP" : "SIGINT";
                         });

TEST_F(Endings, ALostX11DisplaySavesTheCellsAndKeepsEveryCopy)
{
    if (Xvfb::missing()) GTEST_SKIP() << "Xvfb is not installed (scripts/setup installs it)";
    Xvfb server;
    loseTheDisplayWhileItAsks(server, {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", server.display()}});
}

TEST_F(Endings, ALostWaylandDisplaySavesTheCellsAndKeepsEveryCopy)
{
    if (Weston::missing()) GTEST_SKIP() << "weston is not installed (scripts/setup installs it)";
    Weston server;
    loseTheDisplayWhileItAsks(server, {{"QT_QPA_PLATFORM", "wayland"}, {"WAYLAND_DISPLAY", server.socket()}});
}

}  // namespace
}  // namespace tallimo::testing

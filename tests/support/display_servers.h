#pragma once
// Display servers of a test's own, so that tests running side by side never share
// one: a headless Weston on a socket named after the process, and an Xvfb on the
// first free display. Each ends with its object. Where the server is not
// installed, `missing` says so and the test skips.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tallimo::testing {

// Whether `program` is on the PATH.
inline bool installed(const char* program)
{
    const std::string command = std::string("command -v ") + program + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0;
}

class DisplayServer {
public:
    DisplayServer() = default;
    DisplayServer(const DisplayServer&) = delete;
    DisplayServer& operator=(const DisplayServer&) = delete;
    ~DisplayServer() { stop(); }

    bool running() const { return pid_ > 0; }
    // Ends the server at once, as a crash of it would.
    void stop()
    {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

protected:
    // Starts `argv` with its output gone; `keepFd` stays open in the child.
    void spawn(const char* const argv[], int keepFd = -1)
    {
        pid_ = ::fork();
        if (pid_ != 0) return;
        const int quiet = ::open("/dev/null", O_WRONLY);
        ::dup2(quiet, 1);
        ::dup2(quiet, 2);
        for (int fd = 3; fd < 256; ++fd)
            if (fd != keepFd) ::close(fd);
        ::execvp(argv[0], const_cast<char* const*>(argv));
        ::_exit(127);
    }

    pid_t pid_ = -1;
};

// A headless Weston. Its socket and runtime folder are the test's own.
class Weston : public DisplayServer {
public:
    Weston()
    {
        if (!installed("weston")) return;
        runtime_ = std::filesystem::temp_directory_path() / ("tallimo-weston-" + std::to_string(::getpid()));
        std::filesystem::create_directories(runtime_);
        std::filesystem::permissions(runtime_, std::filesystem::perms::owner_all);
        socket_ = "tallimo-test-" + std::to_string(::getpid());
        ::setenv("XDG_RUNTIME_DIR", runtime_.c_str(), 1);
        const std::string socketOption = "--socket=" + socket_;
        const char* const argv[] = {"weston", "--backend=headless-backend.so", socketOption.c_str(), "--idle-time=0",
                                    nullptr};
        spawn(argv);
        for (int wait = 0; wait < 200 && !std::filesystem::exists(runtime_ / socket_); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (!std::filesystem::exists(runtime_ / socket_)) stop();
    }
    ~Weston()
    {
        stop();
        std::error_code ignored;
        std::filesystem::remove_all(runtime_, ignored);
    }
    static bool missing() { return !installed("weston"); }
    const std::string& socket() const { return socket_; }
    const std::filesystem::path& runtimeFolder() const { return runtime_; }

private:
    std::filesystem::path runtime_;
    std::string socket_;
};

// An Xvfb on a display it chooses itself.
class Xvfb : public DisplayServer {
public:
    Xvfb()
    {
        if (!installed("Xvfb")) return;
        int ends[2];
        if (::pipe(ends) != 0) return;
        const std::string fd = std::to_string(ends[1]);
        const char* const argv[] = {"Xvfb", "-displayfd", fd.c_str(), "-nolisten", "tcp", nullptr};
        spawn(argv, ends[1]);
        ::close(ends[1]);
        // The server writes the number and its newline apart, and dies of SIGPIPE if
        // the pipe is closed between them: so the whole line is read.
        std::string number;
        char c = 0;
        while (number.size() < 16 && ::read(ends[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(ends[0]);
        if (c != '\n' || number.empty()) {
            stop();
            return;
        }
        display_ = ":" + number;
    }
    static bool missing() { return !installed("Xvfb"); }
    const std::string& display() const { return display_; }

private:
    std::string display_;
};

}  // namespace tallimo::testing

// Starts programs many times, taking turns so that drift on the machine touches all of them
// alike, and prints one JSON line per run: how long after its start the program was painted (or
// mapped), in milliseconds, and its memory peak then.
//
//   startup_driver [--until-mapped] RUNS WARMUPS NAME=COMMAND...
//
// COMMAND is a program, looked up in PATH, and its arguments, separated by spaces. A program's
// start is the moment just before the driver forks it, so the figures include loading the program
// and its libraries. Without --until-mapped each program prints when it was painted
// (paint_probe.h) and quits. With it, any program: the time is when its top-level window is mapped
// on the X display; its memory peak (VmHWM) is read then, and it is killed.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "startup/window_map_watch.h"
#include "support/process_clock.h"

namespace {

using orvane::bench::monotonicNanoseconds;

constexpr std::int64_t kRunTimeLimitNs = 30'000'000'000;

struct Program {
    std::string name;
    std::vector<std::string> command;
};

struct Run {
    double ms = 0;
    long peakKiB = 0;
};

Program parse(const std::string& named) {
    const std::size_t equals = named.find('=');
    Program program{named.substr(0, equals), {}};
    std::istringstream words(named.substr(equals + 1));
    for (std::string word; words >> word;) {
        program.command.push_back(word);
    }
    if (equals == std::string::npos || program.command.empty()) {
        throw std::runtime_error("not NAME=COMMAND: " + named);
    }
    return program;
}

// Forks and runs the program with its standard output into `out`; returns its process id.
pid_t start(const Program& program, int out) {
    std::vector<char*> arguments;
    for (const std::string& word : program.command) {
        arguments.push_back(const_cast<char*>(word.c_str()));
    }
    arguments.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(out, STDOUT_FILENO);
        execvp(arguments[0], arguments.data());
        _exit(127);
    }
    if (child < 0) {
        throw std::runtime_error("cannot fork");
    }
    return child;
}

void reap(const Program& program, pid_t child, bool killed) {
    int status = 0;
    waitpid(child, &status, 0);
    if (killed ? !WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL
               : !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program.name + " failed");
    }
}

std::string readUntilClosed(int fd, pid_t child, std::int64_t deadline) {
    std::string output;
    char buffer[256];
    for (pollfd waiting{fd, POLLIN, 0}; monotonicNanoseconds() < deadline;) {
        if (poll(&waiting, 1, 100) > 0) {
            const ssize_t got = read(fd, buffer, sizeof buffer);
            if (got <= 0) {
                return output;
            }
            output.append(buffer, static_cast<std::size_t>(got));
        }
    }
    kill(child, SIGKILL);
    throw std::runtime_error("a program did not finish in time");
}

Run runUntilPainted(const Program& program) {
    int pipeFds[2];
    if (pipe2(pipeFds, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipe");
    }
    const std::int64_t start = monotonicNanoseconds();
    const pid_t child = ::start(program, pipeFds[1]);
    close(pipeFds[1]);
    const std::string output = readUntilClosed(pipeFds[0], child, start + kRunTimeLimitNs);
    close(pipeFds[0]);
    reap(program, child, false);
    std::istringstream words(output);
    std::string word;
    long long painted = 0;
    Run run;
    if (!(words >> word >> painted >> run.peakKiB) || word != "painted" || run.peakKiB <= 0) {
        throw std::runtime_error(program.name + " printed no paint: " + output);
    }
    run.ms = static_cast<double>(painted - start) / 1e6;
    return run;
}

Run runUntilMapped(const Program& program, orvane::bench::WindowMapWatch& watch, int devNull) {
    const std::int64_t start = monotonicNanoseconds();
    const pid_t child = ::start(program, devNull);
    const auto mapped = watch.waitForWindowOf(child, start + kRunTimeLimitNs);
    const long peak = orvane::bench::peakResidentKiB(child);
    kill(child, SIGKILL);
    reap(program, child, true);
    if (!mapped || peak <= 0) {
        throw std::runtime_error(program.name + " showed no window");
    }
    return {static_cast<double>(*mapped - start) / 1e6, peak};
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    const bool untilMapped = !arguments.empty() && arguments.front() == "--until-mapped";
    if (untilMapped) {
        arguments.erase(arguments.begin());
    }
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: %s [--until-mapped] RUNS WARMUPS NAME=COMMAND...\n", argv[0]);
        return 2;
    }
    try {
        const int runs = std::stoi(arguments[0]);
        const int warmups = std::stoi(arguments[1]);
        std::vector<Program> programs;
        for (std::size_t a = 2; a < arguments.size(); ++a) {
            programs.push_back(parse(arguments[a]));
        }
        std::optional<orvane::bench::WindowMapWatch> watch;
        if (untilMapped) {
            watch.emplace();
        }
        const int devNull = open("/dev/null", O_WRONLY | O_CLOEXEC);
        for (int round = 0; round < warmups + runs; ++round) {
            for (const Program& program : programs) {
                const Run run =
                    watch ? runUntilMapped(program, *watch, devNull) : runUntilPainted(program);
                std::printf(R"({"program": "%s", "warmup": %s, "ms": %.3f, "peak_kib": %ld})"
                            "\n",
                            program.name.c_str(), round < warmups ? "true" : "false", run.ms,
                            run.peakKiB);
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

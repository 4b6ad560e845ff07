// Starts each start-up probe many times, taking turns so that drift on the machine touches all of
// them alike, and prints, as JSON, how long after its start each probe reached each stage (median,
// quartiles and extremes over the measured runs) and its memory peak.
//
//   startup_driver RUNS WARMUPS NAME=PROBE...
//
// A probe's start is the moment just before the driver forks it, so the figures include loading
// the program and its libraries. Each probe runs from a folder of its own with a typical
// SETTINGS.TXT beside it, as the editor is used.

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/process_clock.h"
#include "support/typical_settings.h"

namespace {

namespace fs = std::filesystem;
using orvane::bench::monotonicNanoseconds;

constexpr std::int64_t kRunTimeLimitNs = 30'000'000'000;

struct Probe {
    std::string name;
    fs::path program;  // the copy in the probe's own folder
    std::vector<std::string> stages;
    std::map<std::string, std::vector<double>> stageMs;
    std::vector<double> peakKiB;
};

struct RunResult {
    std::vector<std::pair<std::string, double>> stageMs;
    double peakKiB = 0;
};

Probe prepare(const std::string& name, const fs::path& program) {
    const fs::path folder =
        fs::temp_directory_path() / ("orvane-startup-" + name + "-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const fs::path copy = folder / program.filename();
    fs::copy_file(program, copy, fs::copy_options::overwrite_existing);
    std::ofstream(folder / "SETTINGS.TXT", std::ios::binary) << orvane::bench::kTypicalSettings;
    return {name, copy, {}, {}, {}};
}

std::string readAll(int fd, pid_t child, std::int64_t start) {
    std::string output;
    char buffer[4096];
    while (true) {
        const std::int64_t left = start + kRunTimeLimitNs - monotonicNanoseconds();
        if (left <= 0) {
            kill(child, SIGKILL);
            throw std::runtime_error("a probe did not finish in time");
        }
        pollfd waiting{fd, POLLIN, 0};
        if (poll(&waiting, 1, static_cast<int>(left / 1'000'000) + 1) <= 0) {
            continue;
        }
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            return output;
        }
        output.append(buffer, static_cast<std::size_t>(got));
    }
}

RunResult runOnce(const Probe& probe) {
    int pipeFds[2];
    if (pipe(pipeFds) != 0) {
        throw std::runtime_error("no pipe");
    }
    const std::int64_t start = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeFds[1], STDOUT_FILENO);
        close(pipeFds[0]);
        close(pipeFds[1]);
        execl(probe.program.c_str(), probe.program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeFds[1]);
    const std::string output = readAll(pipeFds[0], child, start);
    close(pipeFds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(probe.name + " failed: " + output);
    }

    RunResult result;
    std::istringstream lines(output);
    std::string word;
    while (lines >> word) {
        if (word == "stage") {
            std::string stage;
            long long nanoseconds = 0;
            lines >> stage >> nanoseconds;
            result.stageMs.emplace_back(stage, static_cast<double>(nanoseconds - start) / 1e6);
        } else if (word == "peak_kib") {
            lines >> result.peakKiB;
        }
    }
    if (result.stageMs.empty() || result.peakKiB <= 0) {
        throw std::runtime_error(probe.name + " printed no stamps: " + output);
    }
    return result;
}

void record(Probe& probe, const RunResult& result) {
    for (const auto& [stage, ms] : result.stageMs) {
        if (std::find(probe.stages.begin(), probe.stages.end(), stage) == probe.stages.end()) {
            probe.stages.push_back(stage);
        }
        probe.stageMs[stage].push_back(ms);
    }
    probe.peakKiB.push_back(result.peakKiB);
}

// The value below which the given fraction of the sorted values lies, interpolated.
double quantile(std::vector<double> values, double fraction) {
    std::sort(values.begin(), values.end());
    const double place = fraction * static_cast<double>(values.size() - 1);
    const auto below = static_cast<std::size_t>(place);
    const std::size_t above = std::min(below + 1, values.size() - 1);
    return values[below] + (values[above] - values[below]) * (place - static_cast<double>(below));
}

void printSummary(const std::vector<double>& values) {
    std::printf(R"({"median": %.3f, "p25": %.3f, "p75": %.3f, "min": %.3f, "max": %.3f})",
                quantile(values, 0.5), quantile(values, 0.25), quantile(values, 0.75),
                quantile(values, 0.0), quantile(values, 1.0));
}

void printJson(const std::vector<Probe>& probes, int runs, int warmups) {
    std::printf(R"({"runs": %d, "warmups": %d, "probes": {)", runs, warmups);
    for (std::size_t p = 0; p < probes.size(); ++p) {
        const Probe& probe = probes[p];
        std::printf(R"(%s"%s": {"stages": [)", p == 0 ? "" : ", ", probe.name.c_str());
        for (std::size_t s = 0; s < probe.stages.size(); ++s) {
            std::printf(R"(%s{"name": "%s", "ms": )", s == 0 ? "" : ", ", probe.stages[s].c_str());
            printSummary(probe.stageMs.at(probe.stages[s]));
            std::printf("}");
        }
        std::printf(R"(], "peak_kib": )");
        printSummary(probe.peakKiB);
        std::printf("}");
    }
    std::printf("}}\n");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s RUNS WARMUPS NAME=PROBE...\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int warmups = std::atoi(argv[2]);
    std::vector<Probe> probes;
    for (int arg = 3; arg < argc; ++arg) {
        const std::string named = argv[arg];
        const std::size_t equals = named.find('=');
        probes.push_back(prepare(named.substr(0, equals), named.substr(equals + 1)));
    }
    const auto removeFolders = [&probes] {
        for (const Probe& probe : probes) {
            fs::remove_all(probe.program.parent_path());
        }
    };
    try {
        for (int run = 0; run < warmups + runs; ++run) {
            for (Probe& probe : probes) {
                const RunResult result = runOnce(probe);
                if (run >= warmups) {
                    record(probe, result);
                }
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        removeFolders();
        return 1;
    }
    removeFolders();
    printJson(probes, runs, warmups);
    return 0;
}

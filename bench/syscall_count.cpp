#include "syscall_count.h"

#include <fcntl.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

extern char** environ;

namespace skemora::bench {

namespace {

constexpr const char* kCountingVariable = "SKEMORA_BENCH_COUNTING";
constexpr const char* kBeginMark = "/skemora-bench-step/begin";
constexpr const char* kEndMark = "/skemora-bench-step/end";

bool CountingNow() {
    static const bool counting = std::getenv(kCountingVariable) != nullptr;
    return counting;
}

// The system call a strace line shows, "" for a line that is no call of its own (a signal, an
// exit, the second half of a call another thread interrupted).
std::string CallOf(const std::string& line) {
    std::size_t at = 0;
    while (at < line.size() && std::isdigit(static_cast<unsigned char>(line[at]))) ++at;
    while (at < line.size() && line[at] == ' ') ++at;
    const std::size_t open = line.find('(', at);
    if (open == std::string::npos || open == at) return {};
    std::string name = line.substr(at, open - at);
    const bool word = std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    });
    return word ? name : std::string();
}

std::string SelfPath() {
    std::error_code error;
    return std::filesystem::read_symlink("/proc/self/exe", error).string();
}

// Runs argv with stdout and stderr to /dev/null and the two variables set; the exit status.
int RunQuietly(const std::vector<std::string>& arguments, const std::string& dataFolder) {
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<std::string> variables = {std::string(kCountingVariable) + "=1",
                                          std::string(kDataFolderVariable) + "=" + dataFolder};
    for (char** entry = environ; *entry != nullptr; ++entry) variables.emplace_back(*entry);
    std::vector<char*> envp;
    for (auto& variable : variables) envp.push_back(variable.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

bool Counting() { return CountingNow(); }

void StepBegin() {
    if (CountingNow()) (void)access(kBeginMark, F_OK);
}

void StepEnd() {
    if (CountingNow()) (void)access(kEndMark, F_OK);
}

std::string SyscallCount::Breakdown() const {
    std::vector<std::pair<int, std::string>> sorted;
    for (const auto& [call, count] : Calls) sorted.emplace_back(-count, call);
    std::sort(sorted.begin(), sorted.end());
    std::string text;
    for (std::size_t i = 0; i < sorted.size() && i < 4; ++i) {
        if (!text.empty()) text += ", ";
        text += sorted[i].second + " " + std::to_string(-sorted[i].first);
    }
    return text;
}

SyscallCount CountStraceLog(std::istream& log) {
    std::vector<std::map<std::string, int>> steps;
    std::map<std::string, int> current;
    bool inside = false;
    std::string line;
    while (std::getline(log, line)) {
        if (line.find(kBeginMark) != std::string::npos) {
            inside = true;
            current.clear();
        } else if (line.find(kEndMark) != std::string::npos) {
            if (inside) steps.push_back(current);
            inside = false;
        } else if (inside) {
            const std::string call = CallOf(line);
            if (!call.empty()) ++current[call];
        }
    }
    SyscallCount count;
    count.Steps = static_cast<int>(steps.size());
    if (steps.empty()) return count;
    const auto total = [](const std::map<std::string, int>& calls) {
        int sum = 0;
        for (const auto& entry : calls) sum += entry.second;
        return sum;
    };
    std::sort(steps.begin(), steps.end(),
              [&](const auto& a, const auto& b) { return total(a) < total(b); });
    const std::size_t middle = steps.size() / 2;
    count.Calls = steps[middle];
    count.Median = steps.size() % 2 == 1
                       ? total(steps[middle])
                       : (total(steps[middle - 1]) + total(steps[middle])) / 2.0;
    return count;
}

const SyscallCount& CountSyscalls(const std::string& name, const std::string& dataFolder) {
    static std::map<std::string, SyscallCount> counted;
    static bool unavailable = false;
    static const SyscallCount none;
    const auto found = counted.find(name);
    if (found != counted.end()) return found->second;
    const char* wanted = std::getenv("SKEMORA_BENCH_SYSCALLS");
    if (CountingNow() || unavailable || dataFolder.empty() || (wanted != nullptr && std::string(wanted) == "0")) {
        return none;
    }
    const std::string log =
        (std::filesystem::temp_directory_path() / ("skemora-bench-strace-" + name + ".log"))
            .string();
    // Few iterations are enough for a count, and strace slows every call down.
    const int status = RunQuietly({"strace", "-f", "-qq", "-o", log, SelfPath(),
                                   "--benchmark_filter=^" + name + "(/|$)",
                                   "--benchmark_min_time=0.02", "--benchmark_repetitions=1"},
                                  dataFolder);
    std::ifstream in(log);
    SyscallCount count = CountStraceLog(in);
    std::remove(log.c_str());
    if (status != 0 || count.Steps == 0) {
        std::fprintf(stderr,
                     "system calls not counted: strace exited with %d, %d steps seen "
                     "(is strace installed and ptrace allowed?)\n",
                     status, count.Steps);
        unavailable = true;
        return none;
    }
    return counted.emplace(name, std::move(count)).first->second;
}

}  // namespace skemora::bench

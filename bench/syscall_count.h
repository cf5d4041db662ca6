// System calls per benchmark step, counted by strace: the benchmark program runs itself again
// under `strace -f` for one benchmark at a time, and the calls between the markers that enclose
// each timed step are counted. The steps' median is the figure; the markers cost nothing
// outside that run.
#pragma once

#include <istream>
#include <map>
#include <string>

namespace skemora::bench {

// Whether this process is the one strace watches.
bool Counting();
// The marks around one timed step (an access() of a path that does not exist, while counting).
void StepBegin();
void StepEnd();

struct SyscallCount {
    int Steps = 0;             // steps seen between the marks; 0 when nothing was counted
    double Median = 0;         // system calls of the median step
    std::map<std::string, int> Calls;  // that step's calls by name
    // "newfstatat 200, read 37, openat 19, ..." for the four most frequent.
    std::string Breakdown() const;
};

// Counts a strace log (`strace -f -o`, with or without process ids).
SyscallCount CountStraceLog(std::istream& log);

// Runs this program under strace for the benchmark `name` alone (over the same data folder,
// whose path goes along in the environment) and counts its steps; the answer is kept, so each
// benchmark is counted once per run. Nothing is counted (Steps 0) while counting, when
// SKEMORA_BENCH_SYSCALLS=0, or when strace cannot run (the reason is printed once); an empty
// `dataFolder` only looks the answer up.
const SyscallCount& CountSyscalls(const std::string& name, const std::string& dataFolder);

// The environment variable that hands the data folder to the process strace watches.
inline constexpr const char* kDataFolderVariable = "SKEMORA_BENCH_DATA";

}  // namespace skemora::bench

// The benchmarks' system call counter reads strace logs: only the calls between a step's marks
// count, each call once (a call another thread interrupted shows twice), and the median step is
// the figure.
#include "syscall_count.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

namespace skemora::bench {
namespace {

const std::string kBegin = "access(\"/skemora-bench-step/begin\", F_OK) = -1 ENOENT\n";
const std::string kEnd = "access(\"/skemora-bench-step/end\", F_OK) = -1 ENOENT\n";

std::string Step(const std::string& calls) { return kBegin + calls + kEnd; }

struct LogCase {
    const char* Name;
    std::string Log;
    int Steps;
    double Median;
    std::string Breakdown;
};

TEST(SyscallCountTest, CountsTheCallsBetweenTheMarksOfEachStep) {
    const std::string openRead =
        "openat(AT_FDCWD, \"/d/a2024.dff\", O_RDONLY) = 3\nread(3, \"1\\r\\n\", 16384) = 3\n"
        "read(3, \"\", 16384) = 0\nclose(3) = 0\n";
    const LogCase cases[] = {
        {"one step", Step(openRead), 1, 4, "read 2, close 1, openat 1"},
        {"nothing outside the marks",
         "write(1, \"x\", 1) = 1\n" + Step("close(3) = 0\n") + "fsync(4) = 0\n", 1, 1, "close 1"},
        {"process ids in front, as strace -f writes them",
         "4242  " + kBegin + "4242  newfstatat(AT_FDCWD, \"a\", {}, 0) = 0\n"
         "4242  newfstatat(AT_FDCWD, \"b\", {}, 0) = 0\n4242  " + kEnd,
         1, 2, "newfstatat 2"},
        {"an interrupted call counts once; signals and exits are no calls",
         Step("read(3,  <unfinished ...>\n--- SIGCHLD {si_signo=SIGCHLD} ---\n"
              "<... read resumed>\"\", 10) = 0\n+++ exited with 0 +++\n"),
         1, 1, "read 1"},
        {"the median of an odd number of steps",
         Step("close(1) = 0\nclose(2) = 0\n") + Step(openRead + openRead) + Step(openRead), 3, 4,
         "read 2, close 1, openat 1"},
        {"the mean of the middle two of an even number",
         Step("close(1) = 0\n") + Step(openRead) + Step(openRead + openRead) +
             Step("close(1) = 0\nclose(2) = 0\n"),
         4, 3, "read 2, close 1, openat 1"},
        {"a step the log ends in is not counted", Step("close(1) = 0\n") + kBegin + openRead, 1,
         1, "close 1"},
        {"no marks", openRead, 0, 0, ""},
    };
    for (const LogCase& c : cases) {
        SCOPED_TRACE(c.Name);
        std::istringstream log(c.Log);
        const SyscallCount count = CountStraceLog(log);
        EXPECT_EQ(count.Steps, c.Steps);
        EXPECT_DOUBLE_EQ(count.Median, c.Median);
        EXPECT_EQ(count.Breakdown(), c.Breakdown);
    }
}

TEST(SyscallCountTest, MarksCostNothingOutsideTheCountedRun) {
    // No strace watches this process: the marks make no call, and nothing is counted.
    EXPECT_FALSE(Counting());
    EXPECT_EQ(CountSyscalls("BM_Anything", "").Steps, 0);
}

}  // namespace
}  // namespace skemora::bench

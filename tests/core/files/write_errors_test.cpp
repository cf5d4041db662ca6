// A file that cannot be written names the system's reason after "Cannot create file <path>", in
// the interface language; a name too long for the usual temporary beside it still saves.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <functional>

#include "core/files/text_file.h"
#include "core/files/write_faults.h"
#include "core/language/texts.h"
#include "support/temp_folder.h"

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

// Writing more than the process may put in one file, as `ulimit -f` makes it: EFBIG.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};

int failingErrno = 0;
bool FailWithErrno(WriteStep step) {
    if (step != WriteStep::Write) return false;
    errno = failingErrno;
    return true;
}

struct Case {
    const char* what;
    std::function<void(const std::string& folder)>
        write;  // fails to write a file  // the path it failed to write
    const char* english;
    const char* danish;
};

const Case kCases[] = {
    {"a file larger than the process may write",
     [](const std::string& folder) {
         FileSizeLimit limit(1024);
         WriteLines(folder + "a202613.dfz", std::vector<std::string>(200, "homework line"));
     },
     "File too large", "Filen er for stor"},
    {"a full disk",
     [](const std::string& folder) {
         failingErrno = ENOSPC;
         SetWriteFaultHook(&FailWithErrno);
         WriteLines(folder + "a202613.dff", {"read p. 12"});
     },
     "No space left on device", "Der er ikke mere plads på disken"},
    {"a folder that is not there",
     [](const std::string& folder) { WriteLines(folder + "gone/skol.dfd", {"School"}); },
     "No such file or directory", "No such file or directory"},
    {"a name longer than the file system holds",
     [](const std::string& folder) {
         WriteLines(folder + std::string(300, 'x') + ".lin", {"http://a"});
     },
     "File name too long", "Filnavnet er for langt"},
};

TEST(WriteErrorsTest, EveryWriteErrorNamesTheSystemsReasonInTheLanguage) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        try {
            c.write(folder.Path());
            SetWriteFaultHook(nullptr);
            ADD_FAILURE() << "the write did not fail";
            continue;
        } catch (const SkemoraError& error) {
            SetWriteFaultHook(nullptr);
            ASSERT_EQ(error.Kind(), ErrorKind::CannotCreateFile);
            const std::string path = error.Arguments().at(0);
            EXPECT_EQ(ErrorText(error, kEnglish), "Cannot create file " + path + "\n" + c.english);
            EXPECT_EQ(ErrorText(error, kDanish),
                      "Kan ikke oprette filen " + path + "\n" + c.danish);
            EXPECT_EQ(std::string(error.what()),
                      "Cannot create file " + path + "\n" + SystemErrorText(error.SystemError()));
        }
        for (const auto& entry : fs::directory_iterator(folder.Path())) {
            ADD_FAILURE() << "left behind: " << entry.path();
        }
    }
}

TEST(WriteErrorsTest, ANameTooLongForTheUsualTemporaryStillSaves) {
    TempFolder folder;
    // 250 characters: the file fits, ".<name>.XXXXXX" would not.
    const std::string name = std::string(246, 'M') + ".lin";
    const std::string path = folder / name;
    WriteLines(path, {"http://a"});
    EXPECT_EQ(ReadLines(path), std::vector<std::string>{"http://a"});
    WriteLines(path, {"http://b"});
    EXPECT_EQ(ReadLines(path), std::vector<std::string>{"http://b"});
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{name});

    // A crash would leave the short temporary; the sweep knows it.
    const std::string leftover = folder / ".skemora.lin.a1B2c3";
    WriteLines(leftover, {"cut off"});
    EXPECT_EQ(RemoveLeftoverTemporaries(folder.Path(), {".lin"}), 1);
    EXPECT_FALSE(fs::exists(leftover));
}

}  // namespace
}  // namespace skemora::test

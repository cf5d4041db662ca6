// The house rule of the sources: dependencies run one way, ground first. The steps and their
// files are read from the README's Layout section, so the order is written down once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace skemora::test {
namespace {

namespace fs = std::filesystem;

const fs::path kRoot = fs::path(SKEMORA_TEST_DATA).parent_path().parent_path();
// The pattern of the step that takes every file no other step names.
const std::string kEveryOtherFile = "*/*";

struct StepPattern {
    int Step;
    std::string Pattern;
};

// "*" stands for any run of characters without a "/".
bool Matches(const std::string& pattern, const std::string& path) {
    std::function<bool(std::size_t, std::size_t)> match = [&](std::size_t p, std::size_t s) {
        if (p == pattern.size()) return s == path.size();
        if (pattern[p] == '*') {
            for (std::size_t end = s; end <= path.size(); ++end) {
                if (match(p + 1, end)) return true;
                if (end < path.size() && path[end] == '/') break;
            }
            return false;
        }
        return s < path.size() && pattern[p] == path[s] && match(p + 1, s + 1);
    };
    return match(0, 0);
}

// The rows "| step | what | `pattern` ... |" of the README's Layout section.
std::vector<StepPattern> ReadSteps() {
    std::ifstream readme(kRoot / "README.md");
    std::string line;
    bool inLayout = false;
    std::vector<StepPattern> steps;
    const std::regex row(R"(^\|\s*(\d+)\s*\|.*\|(.*)\|\s*$)");
    const std::regex code("`([^`]+)`");
    while (std::getline(readme, line)) {
        if (line.rfind("## ", 0) == 0) inLayout = line == "## Layout";
        std::smatch found;
        if (!inLayout || !std::regex_match(line, found, row)) continue;
        const int step = std::stoi(found[1]);
        const std::string patterns = found[2];
        for (auto it = std::sregex_iterator(patterns.begin(), patterns.end(), code);
             it != std::sregex_iterator(); ++it) {
            steps.push_back({step, (*it)[1]});
        }
    }
    return steps;
}

struct Source {
    std::string Path;  // relative to src/
    int Step = 0;
    std::vector<std::pair<int, std::string>> Includes;  // line number, quoted include
    std::vector<std::pair<int, std::string>> SystemIncludes;
};

std::string ModuleOf(const std::string& path) {
    return path.substr(0, path.rfind('.'));
}

class IncludeOrder : public ::testing::Test {
protected:
    void SetUp() override {
        steps = ReadSteps();
        ASSERT_FALSE(steps.empty()) << "no steps in the Layout section of README.md";
        const fs::path src = kRoot / "src";
        for (const auto& entry : fs::recursive_directory_iterator(src)) {
            if (!entry.is_regular_file()) continue;
            Source source;
            source.Path = fs::relative(entry.path(), src).generic_string();
            std::ifstream in(entry.path());
            std::string line;
            const std::regex include(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
            for (int number = 1; std::getline(in, line); ++number) {
                std::smatch found;
                if (!std::regex_search(line, found, include)) continue;
                auto& list = found[1] == "\"" ? source.Includes : source.SystemIncludes;
                list.emplace_back(number, found[2]);
            }
            sources[source.Path] = source;
        }
    }

    // The step of a file: the one step whose named patterns match it, else the step of every
    // other file; 0 (a failure) when two steps name it or none takes it.
    int StepOf(const std::string& path, std::string& problem) const {
        std::set<int> named;
        int fallback = 0;
        for (const auto& [step, pattern] : steps) {
            if (!Matches(pattern, path)) continue;
            if (pattern == kEveryOtherFile)
                fallback = step;
            else
                named.insert(step);
        }
        if (named.size() > 1) {
            problem = path + " is named by more than one step of the Layout section";
            return 0;
        }
        if (named.size() == 1) return *named.begin();
        if (fallback == 0) problem = path + " has no step in the Layout section of README.md";
        return fallback;
    }

    std::vector<StepPattern> steps;
    std::map<std::string, Source> sources;
};

TEST_F(IncludeOrder, EveryFileHasOneStep) {
    for (auto& [path, source] : sources) {
        std::string problem;
        source.Step = StepOf(path, problem);
        EXPECT_NE(source.Step, 0) << problem;
    }
}

TEST_F(IncludeOrder, NoIncludeClimbsAndTheCoreIncludesNoQt) {
    int qtStep = 0;
    for (const auto& [step, pattern] : steps) qtStep = std::max(qtStep, step);
    for (auto& [path, source] : sources) {
        std::string problem;
        source.Step = StepOf(path, problem);
        for (const auto& [line, included] : source.Includes) {
            const auto target = sources.find(included);
            if (target == sources.end()) continue;  // generated (moc) files
            const int targetStep = StepOf(included, problem);
            EXPECT_LE(targetStep, source.Step)
                << path << ":" << line << " (step " << source.Step << ") includes " << included
                << " (step " << targetStep << ")";
        }
        if (source.Step == qtStep) continue;
        for (const auto& [line, included] : source.SystemIncludes) {
            EXPECT_NE(included[0], 'Q')
                << path << ":" << line << " includes Qt's <" << included << "> below the Qt side";
        }
    }
}

TEST_F(IncludeOrder, NoTwoModulesIncludeEachOther) {
    // A module is a header with its source; an edge runs from a module to each one it includes.
    std::map<std::string, std::set<std::string>> edges;
    std::map<std::string, std::map<std::string, std::string>> where;
    for (const auto& [path, source] : sources) {
        const std::string from = ModuleOf(path);
        edges[from];
        for (const auto& [line, included] : source.Includes) {
            if (!sources.contains(included)) continue;
            const std::string to = ModuleOf(included);
            if (to == from) continue;
            edges[from].insert(to);
            where[from].try_emplace(to, path + ":" + std::to_string(line));
        }
    }
    std::map<std::string, int> state;  // 1 on the path being walked, 2 done
    std::vector<std::string> walk;
    std::function<void(const std::string&)> visit = [&](const std::string& module) {
        state[module] = 1;
        walk.push_back(module);
        for (const auto& next : edges[module]) {
            if (state[next] == 1) {
                std::ostringstream loop;
                auto start = std::find(walk.begin(), walk.end(), next);
                for (auto it = start; it != walk.end(); ++it) {
                    const auto& to = std::next(it) == walk.end() ? next : *std::next(it);
                    loop << "\n  " << where[*it][to] << " includes " << to;
                }
                ADD_FAILURE() << "modules include each other:" << loop.str();
            } else if (state[next] == 0) {
                visit(next);
            }
        }
        walk.pop_back();
        state[module] = 2;
    };
    for (const auto& [module, targets] : edges) {
        if (state[module] == 0) visit(module);
    }
}

TEST(IncludeOrderRules, PatternsMatchWithinOneFolderLevel) {
    struct Case {
        const char* Pattern;
        const char* Path;
        bool Matches;
    };
    const Case cases[] = {
        {"files/*", "files/text_file.cpp", true},
        {"timetable/lesson_file.*", "timetable/lesson_file.h", true},
        {"timetable/lesson_file.*", "timetable/lesson_fill.h", false},
        {"*/*_dialog.*", "timetable/lesson_dialog.cpp", true},
        {"*/qt_*", "platform/qt_platform.h", true},
        {"*/*", "app/refresh.cpp", true},
        {"app/*", "app/sub/file.h", false},
    };
    for (const Case& c : cases) EXPECT_EQ(Matches(c.Pattern, c.Path), c.Matches) << c.Pattern;
}

}  // namespace
}  // namespace skemora::test

// The house rule of the sources: dependencies run one way, ground first. The folders are the
// steps; their order is read from the README's Layout section, so it is written down once.
#include <gtest/gtest.h>

#include <algorithm>
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
// The three layers, ground first; each is one library, and its folders are steps of the table.
const std::vector<std::string> kLayers = {"core", "app", "gui"};

struct StepFolder {
    int Step;
    std::string Folder;  // relative to src/, e.g. "core/files"
};

// The rows "| step | what | `folder/` ... |" of the README's Layout section.
std::vector<StepFolder> ReadSteps() {
    std::ifstream readme(kRoot / "README.md");
    std::string line;
    bool inLayout = false;
    std::vector<StepFolder> steps;
    const std::regex row(R"(^\|\s*(\d+)\s*\|.*\|(.*)\|\s*$)");
    const std::regex code("`([^`]+)/`");
    while (std::getline(readme, line)) {
        if (line.rfind("## ", 0) == 0) inLayout = line == "## Layout";
        std::smatch found;
        if (!inLayout || !std::regex_match(line, found, row)) continue;
        const int step = std::stoi(found[1]);
        const std::string folders = found[2];
        for (auto it = std::sregex_iterator(folders.begin(), folders.end(), code);
             it != std::sregex_iterator(); ++it) {
            steps.push_back({step, (*it)[1]});
        }
    }
    return steps;
}

// "core/timetable/lesson_file.cpp" -> "core/timetable"; a file straight under a layer has no
// folder of its own.
std::string FolderOf(const std::string& path) {
    const auto first = path.find('/');
    if (first == std::string::npos) return "";
    const auto second = path.find('/', first + 1);
    return second == std::string::npos ? "" : path.substr(0, second);
}

std::string LayerOf(const std::string& path) {
    return path.substr(0, path.find('/'));
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

    // The step of a file: the step of its folder; 0 (a failure) when no step or two name it.
    int StepOf(const std::string& path, std::string& problem) const {
        const std::string folder = FolderOf(path);
        int found = 0;
        for (const auto& [step, named] : steps) {
            if (named != folder) continue;
            if (found != 0) {
                problem = folder + "/ is named by more than one step of the Layout section";
                return 0;
            }
            found = step;
        }
        if (found == 0) problem = path + ": its folder has no step in the Layout section of README.md";
        return found;
    }

    // Reports a loop of `edges` (from a node to the nodes it includes) as a failure, naming
    // each include of the loop by `where`.
    static void ExpectNoLoop(const std::map<std::string, std::set<std::string>>& edges,
                             std::map<std::string, std::map<std::string, std::string>>& where,
                             const std::string& what) {
        std::map<std::string, int> state;  // 1 on the path being walked, 2 done
        std::vector<std::string> walk;
        std::function<void(const std::string&)> visit = [&](const std::string& node) {
            state[node] = 1;
            walk.push_back(node);
            const auto out = edges.find(node);
            for (const auto& next : out == edges.end() ? std::set<std::string>{} : out->second) {
                if (state[next] == 1) {
                    std::ostringstream loop;
                    auto start = std::find(walk.begin(), walk.end(), next);
                    for (auto it = start; it != walk.end(); ++it) {
                        const auto& to = std::next(it) == walk.end() ? next : *std::next(it);
                        loop << "\n  " << where[*it][to] << " includes " << to;
                    }
                    ADD_FAILURE() << what << " include each other:" << loop.str();
                } else if (state[next] == 0) {
                    visit(next);
                }
            }
            walk.pop_back();
            state[node] = 2;
        };
        for (const auto& [node, targets] : edges) {
            if (state[node] == 0) visit(node);
        }
    }

    // The include graph with each file replaced by `key` of it.
    void ExpectNoLoopOf(const std::function<std::string(const std::string&)>& key,
                        const std::string& what) const {
        std::map<std::string, std::set<std::string>> edges;
        std::map<std::string, std::map<std::string, std::string>> where;
        for (const auto& [path, source] : sources) {
            const std::string from = key(path);
            edges[from];
            for (const auto& [line, included] : source.Includes) {
                if (!sources.contains(included)) continue;
                const std::string to = key(included);
                if (to == from) continue;
                edges[from].insert(to);
                where[from].try_emplace(to, path + ":" + std::to_string(line));
            }
        }
        ExpectNoLoop(edges, where, what);
    }

    std::vector<StepFolder> steps;
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
        if (LayerOf(path) == kLayers.back()) continue;
        for (const auto& [line, included] : source.SystemIncludes) {
            EXPECT_NE(included[0], 'Q')
                << path << ":" << line << " includes Qt's <" << included << "> below the Qt side";
        }
    }
}

TEST_F(IncludeOrder, NoTwoModulesIncludeEachOther) {
    // A module is a header with its source.
    ExpectNoLoopOf(ModuleOf, "modules");
}

TEST_F(IncludeOrder, NoTwoFoldersIncludeEachOther) {
    ExpectNoLoopOf(FolderOf, "folders");
}

TEST_F(IncludeOrder, TheStepsRunThroughTheLayersGroundFirst) {
    // Every step's folders sit in one layer, and the steps of a lower layer come first, so an
    // include that climbs a step never reaches into a higher layer's library.
    std::map<int, std::set<std::string>> layersOfStep;
    for (const auto& [step, folder] : steps) {
        const auto layer = std::find(kLayers.begin(), kLayers.end(), LayerOf(folder));
        ASSERT_NE(layer, kLayers.end()) << folder << "/ is in no layer";
        layersOfStep[step].insert(*layer);
    }
    std::size_t previous = 0;
    for (const auto& [step, layers] : layersOfStep) {
        EXPECT_EQ(layers.size(), 1u) << "step " << step << " spans layers";
        const auto index = static_cast<std::size_t>(
            std::find(kLayers.begin(), kLayers.end(), *layers.begin()) - kLayers.begin());
        EXPECT_GE(index, previous) << "step " << step << " comes after a higher layer";
        previous = index;
    }
}

TEST(IncludeOrderRules, AFilesStepIsTheFolderRightUnderItsLayer) {
    struct Case {
        const char* Path;
        const char* Folder;
    };
    const Case cases[] = {
        {"core/files/text_file.cpp", "core/files"},
        {"app/state/main_state.h", "app/state"},
        {"gui/window/main.cpp", "gui/window"},
        {"core/text_file.h", ""},  // straight under a layer: no step
        {"app/timetable/sub/file.h", "app/timetable"},
    };
    for (const Case& c : cases) EXPECT_EQ(FolderOf(c.Path), c.Folder) << c.Path;
}

}  // namespace
}  // namespace skemora::test

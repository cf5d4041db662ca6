#include "support/golden_page.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace skemora::test {

std::vector<std::string> GoldenLines(const std::string& name,
                                     const std::vector<std::string>& actual) {
    const std::string path = std::string(SKEMORA_TEST_DATA) + "/" + name;
    if (std::getenv("SKEMORA_UPDATE_GOLDEN") != nullptr) {
        std::ofstream out(path, std::ios::binary);
        for (const std::string& line : actual) out << line << '\n';
    }
    std::vector<std::string> lines;
    std::ifstream in(path, std::ios::binary);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

::testing::AssertionResult SameLines(const std::vector<std::string>& actual,
                                     const std::vector<std::string>& expected) {
    const std::size_t common = std::min(actual.size(), expected.size());
    for (std::size_t i = 0; i < common; ++i) {
        if (actual[i] != expected[i]) {
            return ::testing::AssertionFailure()
                   << "line " << i + 1 << " is\n  " << actual[i] << "\nexpected\n  " << expected[i];
        }
    }
    if (actual.size() != expected.size()) {
        return ::testing::AssertionFailure()
               << actual.size() << " lines, expected " << expected.size();
    }
    return ::testing::AssertionSuccess();
}

}  // namespace skemora::test

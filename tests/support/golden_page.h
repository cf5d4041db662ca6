// Whole-page comparison against expected pages kept in tests/data, one line per text line.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace skemora::test {

// The lines of tests/data/<name>. With SKEMORA_UPDATE_GOLDEN set in the environment the file is
// first rewritten from `actual`, for reviewing a deliberate change with git diff.
std::vector<std::string> GoldenLines(const std::string& name,
                                     const std::vector<std::string>& actual);

// Success when both have the same lines; otherwise names the first line that differs.
::testing::AssertionResult SameLines(const std::vector<std::string>& actual,
                                     const std::vector<std::string>& expected);

}  // namespace skemora::test

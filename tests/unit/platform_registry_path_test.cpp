#include <gtest/gtest.h>

#include <ostream>

#include "platform/registry_path.h"

namespace {

struct SplitCase {
    const char* name;
    Text fullPath;
    Text keyPath;
    Text valueName;
};

void PrintTo(const SplitCase& row, std::ostream* out) { *out << row.name; }

class RegistryPathSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(RegistryPathSplit, SplitsAtTheLastBackslash) {
    const RegistryPath path = splitRegistryPath(GetParam().fullPath);
    EXPECT_EQ(path.keyPath, GetParam().keyPath);
    EXPECT_EQ(path.valueName, GetParam().valueName);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RegistryPathSplit,
    testing::Values(
        SplitCase{"OemValue", "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation\\Model",
                  "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation", "Model"},
        SplitCase{"OneLevel", "Key\\Value", "Key", "Value"},
        SplitCase{"NoBackslashNamesAValueOfTheRoot", "Value", "", "Value"},
        SplitCase{"TrailingBackslashNamesTheDefaultValue", "Key\\Sub\\", "Key\\Sub", ""},
        SplitCase{"Empty", "", "", ""},
        SplitCase{"ChineseValueName", "Key\\制造商", "Key", "制造商"},
        // "碶" is B4 5C in code page 936: its trail byte is no separator.
        SplitCase{"TrailByteLikeABackslashKept", "Key\\碶", "Key", "碶"},
        SplitCase{"TrailByteInKeyPathKept", "碶\\Value", "碶", "Value"}),
    [](const testing::TestParamInfo<SplitCase>& info) { return info.param.name; });

}  // namespace

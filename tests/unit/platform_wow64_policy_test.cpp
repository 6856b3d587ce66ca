#include <gtest/gtest.h>

#include <ostream>

#include "platform/wow64_policy.h"

namespace {

TEST(Wow64RegistryView, Wow64ProcessesUseThe64BitViewNativeOnesNoFlag) {
    EXPECT_EQ(registryViewFlags(true), kRegistryView64Key);
    EXPECT_EQ(registryViewFlags(false), 0u);
    EXPECT_EQ(kRegistryView64Key, 0x0100u);  // KEY_WOW64_64KEY
}

struct PathCase {
    const char* name;
    Text path;
    Text windowsDirectory;
    bool inside;
};

void PrintTo(const PathCase& row, std::ostream* out) { *out << row.name; }

class WindowsDirectoryPrefix : public testing::TestWithParam<PathCase> {};

TEST_P(WindowsDirectoryPrefix, DecidesWhetherThePathIsInsideTheWindowsFolder) {
    const PathCase& row = GetParam();
    EXPECT_EQ(isInsideWindowsDirectory(row.path, row.windowsDirectory), row.inside);
    EXPECT_EQ(needsRedirectionOff(true, row.path, row.windowsDirectory), row.inside);
    EXPECT_FALSE(needsRedirectionOff(false, row.path, row.windowsDirectory));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, WindowsDirectoryPrefix,
    testing::Values(
        PathCase{"OemLogo", "C:\\Windows\\System32\\oobe\\info\\oemlogo.bmp", "C:\\Windows", true},
        PathCase{"TheFolderItself", "C:\\Windows", "C:\\Windows", true},
        PathCase{"FolderWithTrailingBackslash", "C:\\Windows\\", "C:\\Windows", true},
        PathCase{"OtherCase", "c:\\WINDOWS\\system32\\oobe", "C:\\Windows", true},
        PathCase{"ForwardSlashes", "C:/Windows/System32", "C:\\Windows", true},
        PathCase{"WindowsDirectoryWithTrailingBackslash", "C:\\Windows\\System32", "C:\\Windows\\",
                 true},
        PathCase{"OtherSystemDrive", "D:\\WINNT\\System32\\x", "D:\\WINNT", true},
        PathCase{"SiblingSharingThePrefix", "C:\\WindowsOld\\x", "C:\\Windows", false},
        PathCase{"SiblingWithSuffix", "C:\\Windows.old", "C:\\Windows", false},
        PathCase{"OtherFolder", "C:\\Users\\me\\logo.bmp", "C:\\Windows", false},
        PathCase{"OtherDrive", "D:\\Windows\\System32", "C:\\Windows", false},
        PathCase{"ShorterThanTheFolder", "C:\\Win", "C:\\Windows", false},
        PathCase{"EmptyPath", "", "C:\\Windows", false},
        PathCase{"UnknownWindowsFolder", "C:\\Windows\\System32", "", false},
        // Code page 936 trail bytes are neither folded nor taken for separators:
        // "碅" (B4 41) and "碼" (B4 61) differ only in a trail byte's ASCII case,
        // "碶" (B4 5C) ends in a byte that looks like a backslash.
        PathCase{"ChineseFolderExact", "C:\\系统\\碶\\x", "C:\\系统\\碶", true},
        PathCase{"TrailBytesNotFolded", "C:\\碼\\x", "C:\\碅", false},
        PathCase{"FolderEndingInTrailByteLikeABackslash", "C:\\碶2\\x", "C:\\碶", false}),
    [](const testing::TestParamInfo<PathCase>& info) { return info.param.name; });

}  // namespace

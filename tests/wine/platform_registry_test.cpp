// Registry values as the system reads them back: type, byte length, bytes.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <ostream>
#include <string>

#include "platform/win32/win32_system_services.h"
#include "platform/win32/wow64_redirection.h"
#include "tests/wine/app_driver.h"

namespace {

constexpr char kTestRoot[] = "SOFTWARE\\VellumarkPlatformTest";

Bytes bytesOf(const Text& text) { return Bytes(text.begin(), text.end()); }

class RegistryWrites : public testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestRoot); }
    void TearDown() override { RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestRoot); }

    Win32SystemServices services;
    const Text keyPath = Text(kTestRoot) + "\\Microsoft\\Windows\\CurrentVersion\\OEMInformation";
};

struct TextCase {
    const char* name;
    Text text;
};

void PrintTo(const TextCase& row, std::ostream* out) { *out << row.name; }

class RegistryTextValues : public RegistryWrites, public testing::WithParamInterface<TextCase> {};

TEST_P(RegistryTextValues, AreStringsWithTheirTerminatingNul) {
    ASSERT_TRUE(services.writeRegistryText(keyPath + "\\Model", GetParam().text));

    const RegistryValueSeen stored = readRegistryValue(keyPath, "Model");
    ASSERT_TRUE(stored.found);
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    Bytes expected = bytesOf(GetParam().text);
    expected.push_back(0);
    EXPECT_EQ(stored.data, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RegistryTextValues,
    testing::Values(TextCase{"EmptyGivesOneByte", ""}, TextCase{"Ascii", "8:00-18:00"},
                    TextCase{"Chinese", "联想中国有限公司"},
                    TextCase{"Path", "C:\\Windows\\System32\\oobe\\info\\oemlogo.bmp"}),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.name; });

TEST_F(RegistryWrites, NumbersAreFourByteDwords) {
    for (const std::uint32_t number : {0u, 1u, 0xFFFFFFFFu}) {
        ASSERT_TRUE(services.writeRegistryNumber(keyPath + "\\OEMBackground", number));
        const RegistryValueSeen stored = readRegistryValue(keyPath, "OEMBackground");
        ASSERT_TRUE(stored.found);
        EXPECT_EQ(stored.type, static_cast<DWORD>(REG_DWORD));
        ASSERT_EQ(stored.data.size(), 4u);
        std::uint32_t read = 0;
        std::memcpy(&read, stored.data.data(), sizeof read);
        EXPECT_EQ(read, number);
    }
}

TEST_F(RegistryWrites, ReplaceTheEarlierValueWithItsType) {
    ASSERT_TRUE(services.writeRegistryText(keyPath + "\\Logo", "a longer text than the next"));
    ASSERT_TRUE(services.writeRegistryText(keyPath + "\\Logo", "short"));
    EXPECT_EQ(readRegistryValue(keyPath, "Logo").data, bytesOf(Text("short", 6)));

    ASSERT_TRUE(services.writeRegistryNumber(keyPath + "\\Logo", 7));
    EXPECT_EQ(readRegistryValue(keyPath, "Logo").type, static_cast<DWORD>(REG_DWORD));
    ASSERT_TRUE(services.writeRegistryText(keyPath + "\\Logo", ""));
    const RegistryValueSeen stored = readRegistryValue(keyPath, "Logo");
    EXPECT_EQ(stored.type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(stored.data, Bytes{0});
}

TEST_F(RegistryWrites, ExistingKeysAreOpenedAndSiblingValuesKept) {
    ASSERT_TRUE(services.writeRegistryText(keyPath + "\\Manufacturer", "联想"));
    ASSERT_TRUE(services.writeRegistryText(keyPath + "\\SupportURL", "http://example.com"));
    EXPECT_TRUE(readRegistryValue(keyPath, "Manufacturer").found);
    EXPECT_TRUE(readRegistryValue(keyPath, "SupportURL").found);
}

TEST_F(RegistryWrites, FailWhenTheKeyCannotBeMade) {
    // A volatile key takes no lasting subkeys, so the missing key can be
    // neither opened nor created.
    HKEY volatileKey = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, (Text(kTestRoot) + "\\Volatile").c_str(), 0, nullptr,
                        REG_OPTION_VOLATILE, KEY_WRITE, nullptr, &volatileKey, nullptr),
        ERROR_SUCCESS);
    RegCloseKey(volatileKey);

    EXPECT_FALSE(services.writeRegistryText(Text(kTestRoot) + "\\Volatile\\Sub\\Value", "x"));
    EXPECT_FALSE(services.writeRegistryNumber(Text(kTestRoot) + "\\Volatile\\Sub\\Value", 1));
}

TEST(RegistryView, The64BitBuildRunsNativelyAndWritesTheOnlyView) {
    // Under wine64 this build is no WOW64 process: no view flag is added and
    // the value lands where a 64-bit reader looks.
    ASSERT_EQ(sizeof(void*), 8u);
    EXPECT_FALSE(isRunningUnderWow64());

    Win32SystemServices services;
    const Text keyPath = Text(kTestRoot) + "\\View";
    ASSERT_TRUE(services.writeRegistryNumber(keyPath + "\\OEMBackground", 1));
    HKEY key = nullptr;
    EXPECT_EQ(
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key),
        ERROR_SUCCESS);
    if (key != nullptr) RegCloseKey(key);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestRoot);
}

}  // namespace

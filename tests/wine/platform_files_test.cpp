// Folders and whole files, checked on the disk the way another program sees them.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "platform/win32/win32_system_services.h"

namespace {

Bytes patternBytes(std::size_t size, std::uint8_t seed) {
    Bytes bytes(size);
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + i * 7);
    return bytes;
}

// Holds a file open the way a program that shares nothing does.
class ExclusiveHandle {
public:
    explicit ExclusiveHandle(const Text& path)
        : handle_(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~ExclusiveHandle() {
        if (valid()) CloseHandle(handle_);
    }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE handle_;
};

class FileServices : public testing::Test {
protected:
    void SetUp() override {
        std::array<char, MAX_PATH> temp{};
        GetTempPathA(static_cast<DWORD>(temp.size()), temp.data());
        folder = Text(temp.data()) + "vellumark-files-" + std::to_string(GetCurrentProcessId()) +
                 "-" + testing::UnitTest::GetInstance()->current_test_info()->name();
        removeTree(folder);
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    }
    void TearDown() override { removeTree(folder); }

    Text pathOf(const Text& name) const { return folder + "\\" + name; }

    std::vector<Text> namesInFolder() const {
        std::vector<Text> names;
        WIN32_FIND_DATAA entry{};
        const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &entry);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            const Text name = entry.cFileName;
            if (name != "." && name != "..") names.push_back(name);
        } while (FindNextFileA(search, &entry));
        FindClose(search);
        std::sort(names.begin(), names.end());
        return names;
    }

    static void removeTree(const Text& path) {
        WIN32_FIND_DATAA entry{};
        const HANDLE search = FindFirstFileA((path + "\\*").c_str(), &entry);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const Text name = entry.cFileName;
                if (name == "." || name == "..") continue;
                const Text child = path + "\\" + name;
                if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    removeTree(child);
                } else {
                    DeleteFileA(child.c_str());
                }
            } while (FindNextFileA(search, &entry));
            FindClose(search);
        }
        RemoveDirectoryA(path.c_str());
    }

    Win32SystemServices services;
    Text folder;
};

TEST_F(FileServices, CreateDirectoryMakesOnlyTheLastComponent) {
    const Text info = pathOf("info");
    EXPECT_FALSE(services.directoryExists(info));
    EXPECT_TRUE(services.createDirectory(info));
    EXPECT_TRUE(services.directoryExists(info));

    EXPECT_FALSE(services.createDirectory(info)) << "exists already";
    EXPECT_FALSE(services.createDirectory(pathOf("missing\\Backgrounds"))) << "parent missing";
    EXPECT_FALSE(services.directoryExists(pathOf("missing")));
    EXPECT_TRUE(services.createDirectory(info + "\\Backgrounds"));
    EXPECT_TRUE(services.directoryExists(info + "\\Backgrounds"));
}

TEST_F(FileServices, DirectoryExistsOnlyForFolders) {
    ASSERT_TRUE(services.writeFileBytes(pathOf("file"), Bytes{1}));
    EXPECT_FALSE(services.directoryExists(pathOf("file")));
    EXPECT_FALSE(services.directoryExists(""));
    EXPECT_TRUE(services.directoryExists(folder));
    EXPECT_TRUE(services.directoryExists(services.windowsDirectory()));
}

TEST_F(FileServices, WrittenFilesHoldExactlyTheBytes) {
    const Text target = pathOf("oemlogo.bmp");
    const Bytes first = patternBytes(250001, 3);
    ASSERT_TRUE(services.writeFileBytes(target, first));
    EXPECT_EQ(services.readFileBytes(target), first);

    // Replacing with fewer bytes leaves none of the old tail.
    const Bytes second = patternBytes(10, 90);
    ASSERT_TRUE(services.writeFileBytes(target, second));
    EXPECT_EQ(services.readFileBytes(target), second);
    EXPECT_EQ(services.fileLength(target), std::optional<std::uint64_t>(10));

    ASSERT_TRUE(services.writeFileBytes(target, Bytes{}));
    EXPECT_EQ(services.fileLength(target), std::optional<std::uint64_t>(0));

    EXPECT_EQ(namesInFolder(), std::vector<Text>{"oemlogo.bmp"}) << "no temporary file left";
}

TEST_F(FileServices, AFileCanBeWrittenOntoItself) {
    const Text target = pathOf("BackgroundDefault.jpg");
    const Bytes content = patternBytes(4096, 1);
    ASSERT_TRUE(services.writeFileBytes(target, content));
    ASSERT_TRUE(services.writeFileBytes(target, services.readFileBytes(target)));
    EXPECT_EQ(services.readFileBytes(target), content);
}

TEST_F(FileServices, AFailedReplaceKeepsTheOldFileWhole) {
    const Text target = pathOf("oemlogo.bmp");
    const Bytes old = patternBytes(1000, 5);
    ASSERT_TRUE(services.writeFileBytes(target, old));
    {
        ExclusiveHandle heldByAnotherProgram(target);
        ASSERT_TRUE(heldByAnotherProgram.valid());
        EXPECT_FALSE(services.writeFileBytes(target, patternBytes(20, 9)));
    }
    EXPECT_EQ(services.readFileBytes(target), old);
    EXPECT_EQ(namesInFolder(), std::vector<Text>{"oemlogo.bmp"}) << "no temporary file left";
}

TEST_F(FileServices, WritesThatCannotStartFail) {
    EXPECT_FALSE(services.writeFileBytes("", Bytes{1, 2}));
    EXPECT_FALSE(services.writeFileBytes(pathOf("missing\\oemlogo.bmp"), Bytes{1, 2}));
    ASSERT_TRUE(services.createDirectory(pathOf("info")));
    EXPECT_FALSE(services.writeFileBytes(pathOf("info"), Bytes{1, 2})) << "a folder is no file";
    EXPECT_EQ(namesInFolder(), std::vector<Text>{"info"});
}

TEST_F(FileServices, UnreadableFilesGiveNothing) {
    const Text locked = pathOf("locked.jpg");
    ASSERT_TRUE(services.writeFileBytes(locked, patternBytes(300, 2)));
    ExclusiveHandle heldByAnotherProgram(locked);
    ASSERT_TRUE(heldByAnotherProgram.valid());

    for (const Text& path : {Text(""), pathOf("missing.jpg"), locked, folder}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(services.readFile(path).has_value());
        EXPECT_TRUE(services.readFileBytes(path).empty());
    }
}

TEST_F(FileServices, AnEmptyFileReadsAsEmptyBytes) {
    const Text empty = pathOf("empty.bmp");
    ASSERT_TRUE(services.writeFileBytes(empty, Bytes{}));
    const std::optional<Bytes> content = services.readFile(empty);
    ASSERT_TRUE(content.has_value());
    EXPECT_TRUE(content->empty());
}

TEST_F(FileServices, ReadingSharesWithOtherReaders) {
    const Text path = pathOf("shared.bmp");
    const Bytes content = patternBytes(777, 4);
    ASSERT_TRUE(services.writeFileBytes(path, content));
    const HANDLE reader = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_EQ(services.readFileBytes(path), content);
    CloseHandle(reader);
}

TEST_F(FileServices, FileLengthNeedsNoReading) {
    const Text path = pathOf("background.jpg");
    ASSERT_TRUE(services.writeFileBytes(path, patternBytes(250001, 8)));
    EXPECT_EQ(services.fileLength(path), std::optional<std::uint64_t>(250001));
    // A file that cannot be read has no length either, just as reading it
    // gives nothing.
    ExclusiveHandle heldByAnotherProgram(path);
    ASSERT_TRUE(heldByAnotherProgram.valid());
    EXPECT_FALSE(services.fileLength(path).has_value());

    EXPECT_FALSE(services.fileLength(pathOf("missing.jpg")).has_value());
    EXPECT_FALSE(services.fileLength("").has_value());
}

TEST_F(FileServices, TheWindowsFolderIsReachedDirectly) {
    // The 64-bit build has no redirection to turn off: oobe\info under the
    // system folder is written where the system looks.
    std::array<char, MAX_PATH> system{};
    ASSERT_NE(GetSystemDirectoryA(system.data(), static_cast<UINT>(system.size())), 0u);
    const Text info =
        Text(system.data()) + "\\vellumark-test-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(services.createDirectory(info));
    const Text logo = info + "\\oemlogo.bmp";
    EXPECT_TRUE(services.writeFileBytes(logo, Bytes{'B', 'M'}));
    EXPECT_EQ(services.readFileBytes(logo), (Bytes{'B', 'M'}));
    removeTree(info);
}

}  // namespace

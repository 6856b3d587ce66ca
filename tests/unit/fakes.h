#pragma once
// Fakes of the services the handlers reach the world through. Each records
// every call in order with its arguments, so a test can compare the exact
// sequence, and can be told which calls fail.
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/windowing/window_operations.h"
#include "platform/system_services.h"
#include "platform/user_services.h"
#include "profile/oem_profile.h"

namespace fakes {

// ---- System ------------------------------------------------------------------

enum class SystemCallKind {
    WriteRegistryText,
    WriteRegistryNumber,
    CreateDirectory,
    DirectoryExists,
    ReadFile,
    FileLength,
    WriteFile,
    WindowsDirectory,
    ReadRegistryNumber,
    WindowsVersion,
};

struct SystemCall {
    SystemCallKind kind;
    Text path;
    Text text;                 // WriteRegistryText
    std::uint32_t number = 0;  // WriteRegistryNumber
    Bytes bytes;               // WriteFile

    bool operator==(const SystemCall& other) const {
        return kind == other.kind && path == other.path && text == other.text &&
               number == other.number && bytes == other.bytes;
    }
    bool isWrite() const {
        return kind == SystemCallKind::WriteRegistryText ||
               kind == SystemCallKind::WriteRegistryNumber ||
               kind == SystemCallKind::CreateDirectory || kind == SystemCallKind::WriteFile;
    }
};

inline SystemCall registryText(const Text& path, const Text& text) {
    return {SystemCallKind::WriteRegistryText, path, text, 0, {}};
}
inline SystemCall registryNumber(const Text& path, std::uint32_t number) {
    return {SystemCallKind::WriteRegistryNumber, path, {}, number, {}};
}
inline SystemCall createDirectory(const Text& path) {
    return {SystemCallKind::CreateDirectory, path, {}, 0, {}};
}
inline SystemCall writeFile(const Text& path, const Bytes& bytes) {
    return {SystemCallKind::WriteFile, path, {}, 0, bytes};
}

inline const char* kindName(SystemCallKind kind) {
    switch (kind) {
    case SystemCallKind::WriteRegistryText: return "writeRegistryText";
    case SystemCallKind::WriteRegistryNumber: return "writeRegistryNumber";
    case SystemCallKind::CreateDirectory: return "createDirectory";
    case SystemCallKind::DirectoryExists: return "directoryExists";
    case SystemCallKind::ReadFile: return "readFile";
    case SystemCallKind::FileLength: return "fileLength";
    case SystemCallKind::WriteFile: return "writeFileBytes";
    case SystemCallKind::WindowsDirectory: return "windowsDirectory";
    case SystemCallKind::ReadRegistryNumber: return "readRegistryNumber";
    case SystemCallKind::WindowsVersion: return "windowsVersion";
    }
    return "?";
}

inline void PrintTo(const SystemCall& call, std::ostream* out) {
    *out << kindName(call.kind) << "(\"" << call.path << "\"";
    if (call.kind == SystemCallKind::WriteRegistryText) *out << ", \"" << call.text << "\"";
    if (call.kind == SystemCallKind::WriteRegistryNumber) *out << ", " << call.number;
    if (call.kind == SystemCallKind::WriteFile) *out << ", " << call.bytes.size() << " bytes";
    *out << ")";
}

// A registry, a file system and a Windows folder held in memory. Folders
// are made only under an existing parent; any path in `failingPaths` fails
// whatever the call, as a write refused by the system does: access denied,
// unless `failureCauses` names another cause for it. The Windows version is
// Windows 7's unless a test sets another.
class FakeSystemServices final : public SystemServices {
public:
    struct RegistryValue {
        bool isNumber = false;
        Text text;
        std::uint32_t number = 0;
    };

    std::vector<SystemCall> calls;
    std::set<Text> failingPaths;
    std::map<Text, WriteResult> failureCauses;
    std::set<Text> directories = {"C:", "C:\\Windows", "C:\\Windows\\System32",
                                  "C:\\Windows\\System32\\oobe"};
    std::map<Text, Bytes> files;
    // A length for a file whose content the test does not want to hold.
    std::map<Text, std::uint64_t> lengthsWithoutContent;
    std::map<Text, RegistryValue> registry;
    Text windowsFolder = "C:\\Windows";
    WindowsVersion version = {6, 1};

    std::vector<SystemCall> writes() const {
        std::vector<SystemCall> result;
        for (const SystemCall& call : calls) {
            if (call.isWrite()) result.push_back(call);
        }
        return result;
    }
    int countOf(SystemCallKind kind) const {
        int count = 0;
        for (const SystemCall& call : calls) count += call.kind == kind;
        return count;
    }

    WriteResult writeRegistryText(const Text& fullPath, const Text& text) override {
        calls.push_back(registryText(fullPath, text));
        if (failingPaths.count(fullPath)) return failureOf(fullPath);
        registry[fullPath] = RegistryValue{false, text, 0};
        return WriteResult::success();
    }
    WriteResult writeRegistryNumber(const Text& fullPath, std::uint32_t number) override {
        calls.push_back(registryNumber(fullPath, number));
        if (failingPaths.count(fullPath)) return failureOf(fullPath);
        registry[fullPath] = RegistryValue{true, {}, number};
        return WriteResult::success();
    }
    std::optional<std::uint32_t> readRegistryNumber(const Text& fullPath) override {
        calls.push_back({SystemCallKind::ReadRegistryNumber, fullPath, {}, 0, {}});
        const auto value = registry.find(fullPath);
        if (value == registry.end() || !value->second.isNumber) return std::nullopt;
        return value->second.number;
    }
    WriteResult createDirectory(const Text& path) override {
        calls.push_back(fakes::createDirectory(path));
        if (failingPaths.count(path)) return failureOf(path);
        if (directories.count(path) || files.count(path)) {
            return WriteResult::fromSystemError(system_error::kAlreadyExists);
        }
        if (!directories.count(parentOf(path))) {
            return WriteResult::fromSystemError(system_error::kPathNotFound);
        }
        directories.insert(path);
        return WriteResult::success();
    }
    bool directoryExists(const Text& path) override {
        calls.push_back({SystemCallKind::DirectoryExists, path, {}, 0, {}});
        return directories.count(path) != 0;
    }
    std::optional<Bytes> readFile(const Text& path) override {
        calls.push_back({SystemCallKind::ReadFile, path, {}, 0, {}});
        const auto file = files.find(path);
        if (path.empty() || failingPaths.count(path) || file == files.end()) return std::nullopt;
        return file->second;
    }
    std::optional<std::uint64_t> fileLength(const Text& path) override {
        calls.push_back({SystemCallKind::FileLength, path, {}, 0, {}});
        if (path.empty() || failingPaths.count(path)) return std::nullopt;
        if (const auto length = lengthsWithoutContent.find(path);
            length != lengthsWithoutContent.end()) {
            return length->second;
        }
        const auto file = files.find(path);
        if (file == files.end()) return std::nullopt;
        return file->second.size();
    }
    WriteResult writeFileBytes(const Text& path, const Bytes& bytes) override {
        calls.push_back(fakes::writeFile(path, bytes));
        if (failingPaths.count(path)) return failureOf(path);
        if (directories.count(path)) return WriteResult::because(WriteFailure::InTheWay);
        if (path.empty() || !directories.count(parentOf(path))) {
            return WriteResult::fromSystemError(system_error::kPathNotFound);
        }
        files[path] = bytes;
        return WriteResult::success();
    }
    Text windowsDirectory() override {
        calls.push_back({SystemCallKind::WindowsDirectory, {}, {}, 0, {}});
        return windowsFolder;
    }
    WindowsVersion windowsVersion() override {
        calls.push_back({SystemCallKind::WindowsVersion, {}, {}, 0, {}});
        return version;
    }

private:
    WriteResult failureOf(const Text& path) const {
        const auto cause = failureCauses.find(path);
        return cause == failureCauses.end()
                   ? WriteResult::fromSystemError(system_error::kAccessDenied)
                   : cause->second;
    }

    static Text parentOf(const Text& path) {
        const auto slash = path.rfind('\\');
        return slash == Text::npos ? Text{} : path.substr(0, slash);
    }
};

// ---- User --------------------------------------------------------------------

struct MessageShown {
    Text text;
    int style = 0;
    Text title;
};

// The dialog keeps its file name between openings, as the real control
// does; each opening takes the next scripted answer: a path to confirm, or
// nothing for cancel. `log` names every call in order ("imageWidth path").
class FakeUserServices final : public UserServices {
public:
    std::vector<MessageShown> messages;
    std::vector<Text> filtersSet;
    std::deque<std::optional<Text>> dialogAnswers;
    int dialogOpenings = 0;
    Text fileName;
    struct Size {
        int width = 0;
        int height = 0;
    };
    // Files not listed measure 0 x 0, as an undecodable file does.
    std::map<Text, Size> imageSizes;
    // The bytes each measurement was given.
    std::vector<Bytes> bytesMeasured;
    std::vector<Text> log;

    void showMessage(const Text& text, int style, const Text& title) override {
        log.push_back("showMessage");
        messages.push_back({text, style, title});
    }
    void setDialogFilter(const Text& filter) override {
        log.push_back("setDialogFilter");
        filtersSet.push_back(filter);
    }
    bool openFileDialog() override {
        log.push_back("openFileDialog");
        ++dialogOpenings;
        if (dialogAnswers.empty()) return false;
        const std::optional<Text> answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        if (!answer) return false;
        fileName = *answer;
        return true;
    }
    Text dialogFileName() const override { return fileName; }
    PictureSize measurePicture(const Bytes& bytes, const Text& path) override {
        log.push_back("measurePicture " + path);
        bytesMeasured.push_back(bytes);
        const auto size = imageSizes.find(path);
        return size == imageSizes.end() ? PictureSize{}
                                        : PictureSize{size->second.width, size->second.height};
    }
};

// ---- Profile -----------------------------------------------------------------

constexpr std::array<ProfileField, 7> kAllTextFields = {
    ProfileField::Manufacturer,   ProfileField::Model,      ProfileField::SupportPhone,
    ProfileField::SupportHours,   ProfileField::SupportUrl, ProfileField::LogoPath,
    ProfileField::BackgroundPath,
};

// The eight controls' contents; `writes` names each write in order, the
// text fields by their ProfileField name and 图片框2 as "Logo".
class FakeOemProfile final : public OemProfile {
public:
    std::map<ProfileField, Text> texts;
    Bytes logo;
    int brandIndex = 0;
    std::vector<std::string> writes;

    Text text(ProfileField field) const override {
        const auto found = texts.find(field);
        return found == texts.end() ? Text{} : found->second;
    }
    void setText(ProfileField field, const Text& text) override {
        writes.push_back(fieldName(field));
        texts[field] = text;
    }
    const Bytes& logoBytes() const override { return logo; }
    void setLogoBytes(Bytes bytes) override {
        writes.push_back("Logo");
        logo = std::move(bytes);
    }
    int selectedBrandIndex() const override { return brandIndex; }

    static std::string fieldName(ProfileField field) {
        switch (field) {
        case ProfileField::Manufacturer: return "Manufacturer";
        case ProfileField::Model: return "Model";
        case ProfileField::SupportPhone: return "SupportPhone";
        case ProfileField::SupportHours: return "SupportHours";
        case ProfileField::SupportUrl: return "SupportUrl";
        case ProfileField::LogoPath: return "LogoPath";
        case ProfileField::BackgroundPath: return "BackgroundPath";
        }
        return "?";
    }
};

// ---- Windows -----------------------------------------------------------------

struct WindowCall {
    std::string operation;  // "load" or "destroy"
    WindowId window;
    WindowMode mode = WindowMode::Modeless;
    bool operator==(const WindowCall& other) const {
        return operation == other.operation && window == other.window && mode == other.mode;
    }
};

inline void PrintTo(const WindowCall& call, std::ostream* out) {
    *out << call.operation << "(" << static_cast<int>(call.window) << ", "
         << (call.mode == WindowMode::Modal ? "modal" : "modeless") << ")";
}

class FakeWindowOperations final : public WindowOperations {
public:
    std::vector<WindowCall> calls;

    bool loadWindow(WindowId window, WindowMode mode) override {
        calls.push_back({"load", window, mode});
        return true;
    }
    void destroyWindow(WindowId window) override {
        calls.push_back({"destroy", window, WindowMode::Modeless});
    }
};

}  // namespace fakes

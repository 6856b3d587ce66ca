// Folders and whole files. Under WOW64, what is created or written inside the
// Windows folder is reached without file-system redirection, so it lands in
// the real System32. What is read is a file the user named, and it is read
// as the 32-bit open-file dialog showed it: with redirection on, as every
// 32-bit program sees the folder.
#include <windows.h>

#include <algorithm>
#include <exception>
#include <limits>

#include "platform/win32/win32_system_services.h"
#include "platform/win32/wow64_redirection.h"

static_assert(system_error::kFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(system_error::kPathNotFound == ERROR_PATH_NOT_FOUND);
static_assert(system_error::kAccessDenied == ERROR_ACCESS_DENIED);
static_assert(system_error::kSharingViolation == ERROR_SHARING_VIOLATION);
static_assert(system_error::kLockViolation == ERROR_LOCK_VIOLATION);
static_assert(system_error::kHandleDiskFull == ERROR_HANDLE_DISK_FULL);
static_assert(system_error::kFileExists == ERROR_FILE_EXISTS);
static_assert(system_error::kDiskFull == ERROR_DISK_FULL);
static_assert(system_error::kAlreadyExists == ERROR_ALREADY_EXISTS);
static_assert(system_error::kDirectory == ERROR_DIRECTORY);
static_assert(system_error::kUserMappedFile == ERROR_USER_MAPPED_FILE);

namespace {

// ReadFile and WriteFile take a DWORD count; larger transfers go in pieces.
constexpr DWORD kMaxTransfer = 1u << 30;
constexpr int kTemporaryNameAttempts = 16;

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close() {
        if (!valid()) return true;
        const bool closed = CloseHandle(handle_) != FALSE;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool allocate(Bytes& bytes, std::uint64_t size) {
    if (size > bytes.max_size() || size > std::numeric_limits<std::size_t>::max()) return false;
    try {
        bytes.resize(static_cast<std::size_t>(size));
    } catch (const std::exception&) {
        return false;
    }
    return true;
}

WriteResult lastError() { return WriteResult::fromSystemError(GetLastError()); }

bool isFolder(const Text& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Replacing a file another program holds open without sharing its deletion
// fails as access denied, which would send the user to an administrator;
// opening it for deletion as the move does tells the two apart.
WriteResult causeOfFailedReplace(const Text& path, DWORD moveError) {
    if (moveError == ERROR_ACCESS_DENIED) {
        FileHandle target(CreateFileA(path.c_str(), DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!target.valid() && GetLastError() == ERROR_SHARING_VIOLATION) {
            return WriteResult::fromSystemError(ERROR_SHARING_VIOLATION);
        }
    }
    return WriteResult::fromSystemError(moveError);
}

bool writeAll(HANDLE file, const Bytes& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, kMaxTransfer));
        DWORD done = 0;
        if (!WriteFile(file, bytes.data() + written, chunk, &done, nullptr) || done == 0) {
            return false;
        }
        written += done;
    }
    return true;
}

// The temporary file lies beside the target so the final move stays on one
// volume and can replace the target in one step.
Text temporaryNameFor(const Text& path, int attempt) {
    return path + "." + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(attempt) +
           ".tmp";
}

WriteResult writeTemporaryFile(const Text& temporaryPath, const Bytes& bytes, bool& nameTaken) {
    FileHandle file(CreateFileA(temporaryPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) {
        const WriteResult failed = lastError();
        nameTaken = failed.systemError == ERROR_FILE_EXISTS;
        return failed;
    }
    WriteResult result = WriteResult::success();
    if (!writeAll(file.get(), bytes) || !FlushFileBuffers(file.get())) result = lastError();
    if (!file.close() && result) result = lastError();
    if (!result) DeleteFileA(temporaryPath.c_str());
    return result;
}

// Reading shares with other readers only, so the file cannot change under us;
// measuring opens the same way, so what cannot be read has no length either.
HANDLE openForReading(const Text& path) {
    return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::optional<std::uint64_t> sizeOf(const FileHandle& file) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
    return static_cast<std::uint64_t>(size.QuadPart);
}

}  // namespace

WriteResult Win32SystemServices::createDirectory(const Text& path) {
    FileSystemRedirectionGuard redirection(path);
    if (CreateDirectoryA(path.c_str(), nullptr)) return WriteResult::success();
    return lastError();
}

bool Win32SystemServices::directoryExists(const Text& path) {
    if (path.empty()) return false;
    FileSystemRedirectionGuard redirection(path);
    return isFolder(path);
}

std::optional<Bytes> Win32SystemServices::readFile(const Text& path) {
    if (path.empty()) return std::nullopt;
    FileHandle file(openForReading(path));
    if (!file.valid()) return std::nullopt;
    const std::optional<std::uint64_t> size = sizeOf(file);
    Bytes bytes;
    if (!size || !allocate(bytes, *size)) return std::nullopt;

    // Nobody else can write while we share only reading, so the size holds;
    // a file that still ends early gives what it held.
    std::size_t total = 0;
    while (total < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(bytes.size() - total, kMaxTransfer));
        DWORD done = 0;
        if (!ReadFile(file.get(), bytes.data() + total, chunk, &done, nullptr)) {
            return std::nullopt;
        }
        if (done == 0) break;
        total += done;
    }
    bytes.resize(total);
    return bytes;
}

std::optional<std::uint64_t> Win32SystemServices::fileLength(const Text& path) {
    if (path.empty()) return std::nullopt;
    FileHandle file(openForReading(path));
    if (!file.valid()) return std::nullopt;
    return sizeOf(file);
}

WriteResult Win32SystemServices::writeFileBytes(const Text& path, const Bytes& bytes) {
    if (path.empty()) return WriteResult::because(WriteFailure::NotFound);
    FileSystemRedirectionGuard redirection(path);
    // Windows calls a move onto a folder access denied, which would send the
    // user to an administrator for nothing.
    if (isFolder(path)) return WriteResult::because(WriteFailure::InTheWay);
    WriteResult result = WriteResult::because(WriteFailure::Other);
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        const Text temporaryPath = temporaryNameFor(path, attempt);
        bool nameTaken = false;
        result = writeTemporaryFile(temporaryPath, bytes, nameTaken);
        if (!result) {
            if (nameTaken) continue;
            return result;
        }
        if (MoveFileExA(temporaryPath.c_str(), path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return WriteResult::success();
        }
        result = causeOfFailedReplace(path, GetLastError());
        DeleteFileA(temporaryPath.c_str());
        return result;
    }
    return result;
}

Text Win32SystemServices::windowsDirectory() { return systemWindowsDirectory(); }

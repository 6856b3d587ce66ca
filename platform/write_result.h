#pragma once
// How a write into the system went, in terms the portable code can act on:
// the cause a user can do something about, and the system's own error code.
#include <cstdint>

enum class WriteFailure {
    None,
    AccessDenied,  // only an administrator may write there
    InUse,         // another program holds the file open or locked
    DiskFull,
    InTheWay,  // a file stands where a folder belongs, or a folder where a file does
    NotFound,  // the folder that should hold it is missing
    Other,
};

// Windows error codes, copied here so the decision is testable without
// windows.h; the Win32 side checks each against its header.
namespace system_error {
constexpr std::uint32_t kFileNotFound = 2;
constexpr std::uint32_t kPathNotFound = 3;
constexpr std::uint32_t kAccessDenied = 5;
constexpr std::uint32_t kSharingViolation = 32;
constexpr std::uint32_t kLockViolation = 33;
constexpr std::uint32_t kHandleDiskFull = 39;
constexpr std::uint32_t kFileExists = 80;
constexpr std::uint32_t kDiskFull = 112;
constexpr std::uint32_t kAlreadyExists = 183;
constexpr std::uint32_t kDirectory = 267;
constexpr std::uint32_t kUserMappedFile = 1224;
}  // namespace system_error

struct WriteResult {
    WriteFailure failure = WriteFailure::None;
    std::uint32_t systemError = 0;

    static WriteResult success() { return {}; }
    // The cause of a failure the system reported with `errorCode`.
    static WriteResult fromSystemError(std::uint32_t errorCode);
    static WriteResult because(WriteFailure failure, std::uint32_t errorCode = 0) {
        return {failure, errorCode};
    }

    bool succeeded() const { return failure == WriteFailure::None; }
    explicit operator bool() const { return succeeded(); }
};

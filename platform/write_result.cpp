#include "platform/write_result.h"

WriteResult WriteResult::fromSystemError(std::uint32_t errorCode) {
    using namespace system_error;
    switch (errorCode) {
    case kAccessDenied: return because(WriteFailure::AccessDenied, errorCode);
    case kSharingViolation:
    case kLockViolation:
    case kUserMappedFile: return because(WriteFailure::InUse, errorCode);
    case kDiskFull:
    case kHandleDiskFull: return because(WriteFailure::DiskFull, errorCode);
    case kFileExists:
    case kAlreadyExists:
    case kDirectory: return because(WriteFailure::InTheWay, errorCode);
    case kFileNotFound:
    case kPathNotFound: return because(WriteFailure::NotFound, errorCode);
    default: return because(WriteFailure::Other, errorCode);
    }
}

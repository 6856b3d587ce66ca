#pragma once
// Folders and whole files. Under WOW64, what is created or written inside the
// Windows folder is reached without file-system redirection, so it lands in
// the real System32. What is read is a file the user named, and it is read
// as the 32-bit open-file dialog showed it: with redirection on, as every
// 32-bit program sees the folder.
#include <cstdint>
#include <optional>

#include "platform/bytes.h"

namespace win32 {

// Creates the last path component only.
bool createDirectory(const Text& path);
bool directoryExists(const Text& path);
// The whole content, read with others allowed to read too; nothing for an
// empty path, a file that cannot be opened or read, or one too large to hold.
std::optional<Bytes> readFile(const Text& path);
// The length from the file system; the content is not read.
std::optional<std::uint64_t> fileLength(const Text& path);
// Writes a temporary file beside the target and moves it over the target only
// once every byte is written and the file closed, so a failure leaves the old
// file whole.
bool writeFileBytes(const Text& path, const Bytes& bytes);

}  // namespace win32

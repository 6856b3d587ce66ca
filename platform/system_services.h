#pragma once
// Registry and file operations the handlers reach the system through.
// Every registry write goes to HKEY_LOCAL_MACHINE; a full path is the key
// path, a backslash and the value name.
#include <cstdint>
#include <optional>

#include "platform/bytes.h"
#include "platform/text.h"

class SystemServices {
public:
    virtual ~SystemServices() = default;

    virtual bool writeRegistryText(const Text& fullPath, const Text& text) = 0;
    virtual bool writeRegistryNumber(const Text& fullPath, std::uint32_t number) = 0;
    // False when the folder exists already or its parent is missing.
    virtual bool createDirectory(const Text& path) = 0;
    virtual bool directoryExists(const Text& path) = 0;
    // The whole content; nothing when the path is empty or the file is
    // missing, unreadable or too large to hold.
    virtual std::optional<Bytes> readFile(const Text& path) = 0;
    // The file's length without reading it; nothing when it cannot be opened.
    virtual std::optional<std::uint64_t> fileLength(const Text& path) = 0;
    // Replaces the file whole or not at all.
    virtual bool writeFileBytes(const Text& path, const Bytes& bytes) = 0;
    // The system's Windows folder, e.g. "C:\Windows".
    virtual Text windowsDirectory() = 0;

    // Empty bytes for any file that cannot be read, as callers expect.
    Bytes readFileBytes(const Text& path) { return readFile(path).value_or(Bytes{}); }
};

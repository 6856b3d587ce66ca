#pragma once
// Registry and file operations the handlers reach the system through.
// Every registry write goes to HKEY_LOCAL_MACHINE; a full path is the key
// path, a backslash and the value name.
#include <cstdint>
#include <optional>

#include "platform/bytes.h"
#include "platform/text.h"
#include "platform/write_result.h"

// The version the system reports of itself, not what compatibility shims
// make of it.
struct WindowsVersion {
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
};

class SystemServices {
public:
    virtual ~SystemServices() = default;

    virtual WriteResult writeRegistryText(const Text& fullPath, const Text& text) = 0;
    virtual WriteResult writeRegistryNumber(const Text& fullPath, std::uint32_t number) = 0;
    // A DWORD value as the system reads it; nothing when it is missing or of
    // another type.
    virtual std::optional<std::uint32_t> readRegistryNumber(const Text& fullPath) = 0;
    // Fails when the folder exists already or its parent is missing.
    virtual WriteResult createDirectory(const Text& path) = 0;
    virtual bool directoryExists(const Text& path) = 0;
    // The whole content; nothing when the path is empty or the file is
    // missing, unreadable or too large to hold.
    virtual std::optional<Bytes> readFile(const Text& path) = 0;
    // The file's length without reading it; nothing when it cannot be opened.
    virtual std::optional<std::uint64_t> fileLength(const Text& path) = 0;
    // Replaces the file whole or not at all.
    virtual WriteResult writeFileBytes(const Text& path, const Bytes& bytes) = 0;
    // The system's Windows folder, e.g. "C:\Windows".
    virtual Text windowsDirectory() = 0;
    virtual WindowsVersion windowsVersion() = 0;

    // Empty bytes for any file that cannot be read, as callers expect.
    Bytes readFileBytes(const Text& path) { return readFile(path).value_or(Bytes{}); }
};

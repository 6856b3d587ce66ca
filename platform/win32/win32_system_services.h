#pragma once
// The registry and file services on Win32; every registry write goes to
// HKEY_LOCAL_MACHINE.
#include "platform/system_services.h"

class Win32SystemServices final : public SystemServices {
public:
    bool writeRegistryText(const Text& fullPath, const Text& text) override;
    bool writeRegistryNumber(const Text& fullPath, std::uint32_t number) override;
    bool createDirectory(const Text& path) override;
    bool directoryExists(const Text& path) override;
    std::optional<Bytes> readFile(const Text& path) override;
    std::optional<std::uint64_t> fileLength(const Text& path) override;
    bool writeFileBytes(const Text& path, const Bytes& bytes) override;
    Text windowsDirectory() override;
};

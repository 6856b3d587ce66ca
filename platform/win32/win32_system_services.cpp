#include "platform/win32/win32_system_services.h"

#include <windows.h>

#include <array>

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"

bool Win32SystemServices::writeRegistryText(const Text& fullPath, const Text& text) {
    return win32::writeRegistryText(HKEY_LOCAL_MACHINE, fullPath, text);
}

bool Win32SystemServices::writeRegistryNumber(const Text& fullPath, std::uint32_t number) {
    return win32::writeRegistryNumber(HKEY_LOCAL_MACHINE, fullPath, number);
}

bool Win32SystemServices::createDirectory(const Text& path) {
    return win32::createDirectory(path);
}

bool Win32SystemServices::directoryExists(const Text& path) {
    return win32::directoryExists(path);
}

std::optional<Bytes> Win32SystemServices::readFile(const Text& path) {
    return win32::readFile(path);
}

std::optional<std::uint64_t> Win32SystemServices::fileLength(const Text& path) {
    return win32::fileLength(path);
}

bool Win32SystemServices::writeFileBytes(const Text& path, const Bytes& bytes) {
    return win32::writeFileBytes(path, bytes);
}

Text Win32SystemServices::windowsDirectory() {
    std::array<char, MAX_PATH> buffer{};
    const UINT length = GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length == 0 || length >= buffer.size()) return Text{};
    return Text(buffer.data(), length);
}

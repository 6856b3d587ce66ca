#include "platform/win32/win32_system_services.h"

#include <windows.h>

#include "platform/win32/win32_files.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/wow64_redirection.h"

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

Text Win32SystemServices::windowsDirectory() { return systemWindowsDirectory(); }

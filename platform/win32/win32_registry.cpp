// Registry writes, all under HKEY_LOCAL_MACHINE.
#include <windows.h>

#include <limits>

#include "platform/registry_path.h"
#include "platform/win32/win32_system_services.h"
#include "platform/win32/wow64_redirection.h"
#include "platform/wow64_policy.h"

static_assert(kRegistryView64Key == KEY_WOW64_64KEY, "the portable copy of KEY_WOW64_64KEY");

namespace {

// A 32-bit process under WOW64 would otherwise write into Wow6432Node,
// which the 64-bit system never reads. The registry reports its failures
// with the same error codes as the file system.
LONG openOrCreateKey(const Text& keyPath, HKEY& key) {
    const REGSAM view = registryViewFlags(isRunningUnderWow64());
    key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_WRITE | view, &key) ==
        ERROR_SUCCESS) {
        return ERROR_SUCCESS;
    }
    return view == 0
               ? RegCreateKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str(), &key)
               : RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, nullptr,
                                 REG_OPTION_NON_VOLATILE, KEY_WRITE | view, nullptr, &key, nullptr);
}

WriteResult resultOf(LONG status) {
    if (status == ERROR_SUCCESS) return WriteResult::success();
    return WriteResult::fromSystemError(static_cast<std::uint32_t>(status));
}

WriteResult setValue(const Text& fullPath, DWORD type, const BYTE* data, DWORD size) {
    const RegistryPath path = splitRegistryPath(fullPath);
    HKEY key = nullptr;
    const LONG opened = openOrCreateKey(path.keyPath, key);
    if (opened != ERROR_SUCCESS) return resultOf(opened);
    const LONG set = RegSetValueExA(key, path.valueName.c_str(), 0, type, data, size);
    RegCloseKey(key);
    return resultOf(set);
}

}  // namespace

WriteResult Win32SystemServices::writeRegistryText(const Text& fullPath, const Text& text) {
    if (text.size() >= std::numeric_limits<DWORD>::max()) {
        return WriteResult::because(WriteFailure::Other);
    }
    return setValue(fullPath, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                    static_cast<DWORD>(text.size() + 1));
}

WriteResult Win32SystemServices::writeRegistryNumber(const Text& fullPath, std::uint32_t number) {
    const DWORD value = number;
    return setValue(fullPath, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

std::optional<std::uint32_t> Win32SystemServices::readRegistryNumber(const Text& fullPath) {
    const RegistryPath path = splitRegistryPath(fullPath);
    const REGSAM view = registryViewFlags(isRunningUnderWow64());
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.keyPath.c_str(), 0, KEY_QUERY_VALUE | view, &key) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = sizeof value;
    const LONG read = RegQueryValueExA(key, path.valueName.c_str(), nullptr, &type,
                                       reinterpret_cast<BYTE*>(&value), &size);
    RegCloseKey(key);
    if (read != ERROR_SUCCESS || type != REG_DWORD || size != sizeof value) return std::nullopt;
    return value;
}

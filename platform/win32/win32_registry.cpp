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
// which the 64-bit system never reads.
HKEY openOrCreateKey(const Text& keyPath) {
    const REGSAM view = registryViewFlags(isRunningUnderWow64());
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_WRITE | view, &key) ==
        ERROR_SUCCESS) {
        return key;
    }
    const LONG created = view == 0 ? RegCreateKeyA(HKEY_LOCAL_MACHINE, keyPath.c_str(), &key)
                                   : RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0,
                                                     nullptr, REG_OPTION_NON_VOLATILE,
                                                     KEY_WRITE | view, nullptr, &key, nullptr);
    return created == ERROR_SUCCESS ? key : nullptr;
}

bool setValue(const Text& fullPath, DWORD type, const BYTE* data, DWORD size) {
    const RegistryPath path = splitRegistryPath(fullPath);
    const HKEY key = openOrCreateKey(path.keyPath);
    if (key == nullptr) return false;
    const bool set =
        RegSetValueExA(key, path.valueName.c_str(), 0, type, data, size) == ERROR_SUCCESS;
    RegCloseKey(key);
    return set;
}

}  // namespace

bool Win32SystemServices::writeRegistryText(const Text& fullPath, const Text& text) {
    if (text.size() >= std::numeric_limits<DWORD>::max()) return false;
    return setValue(fullPath, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                    static_cast<DWORD>(text.size() + 1));
}

bool Win32SystemServices::writeRegistryNumber(const Text& fullPath, std::uint32_t number) {
    const DWORD value = number;
    return setValue(fullPath, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

#pragma once
// Where the system reads the OEM branding, under HKEY_LOCAL_MACHINE: spelled
// once for every test tree, apart from the program's own constants, so a
// test catches a wrong path in the program.
#include <string>

namespace oem_registry {

inline constexpr char kOemInformationKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\OEMInformation";
inline constexpr char kLogonBackgroundKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Authentication\\LogonUI\\Background";
// The six text values under kOemInformationKey.
inline constexpr const char* kOemValueNames[] = {"Logo",         "Manufacturer", "Model",
                                                 "SupportHours", "SupportPhone", "SupportURL"};

// A value's full path as the program names it: the key, a backslash and the
// value name.
inline std::string oemInformationValue(const std::string& name) {
    return std::string(kOemInformationKey) + "\\" + name;
}
inline const std::string kOemBackgroundValue = std::string(kLogonBackgroundKey) + "\\OEMBackground";

}  // namespace oem_registry

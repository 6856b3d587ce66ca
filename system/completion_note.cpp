#include "system/completion_note.h"

#include "system/oem_paths.h"

namespace {

// Windows 8 is 6.2; Windows 7 is 6.1.
bool isWindows8OrLater(const WindowsVersion& version) {
    return version.major > 6 || (version.major == 6 && version.minor >= 2);
}

bool policySet(SystemServices& system, const Text& fullPath) {
    return system.readRegistryNumber(fullPath).value_or(0) != 0;
}

}  // namespace

Text completionNote(SystemServices& system) {
    if (!isWindows8OrLater(system.windowsVersion())) return "";
    Text note =
        "注意：登录背景只在 Windows 7 上生效，这台电脑的登录界面不会显示它。"
        "其他信息显示在“设置 > 系统 > 关于”的“支持”一栏，那里不显示 LOGO。";
    if (policySet(system, kHelpCustomizedValue)) {
        note += "\r\n本机设置了 HelpCustomized = 1，“关于”里只显示支持链接，不显示这些信息。";
    }
    if (policySet(system, kDisableLogonBackgroundImageValue)) {
        note += "\r\n本机的策略 DisableLogonBackgroundImage = 1 让登录界面不显示任何背景图片。";
    }
    return note;
}

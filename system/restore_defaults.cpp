#include "system/restore_defaults.h"

#include "system/oem_paths.h"
#include "system/write_report.h"

void restoreDefaults(SystemServices& system, UserServices& user) {
    WriteReport report;
    report.check(system.writeRegistryNumber(kOemBackgroundValue, 0),
                 "注册表值 登录背景开关（OEMBackground）");
    report.check(system.writeRegistryText(kLogoValue, ""), "注册表值 LOGO路径（Logo）");
    report.check(system.writeRegistryText(kManufacturerValue, ""),
                 "注册表值 制造商（Manufacturer）");
    report.check(system.writeRegistryText(kModelValue, ""), "注册表值 型号（Model）");
    report.check(system.writeRegistryText(kSupportHoursValue, ""), "注册表值 时间（SupportHours）");
    report.check(system.writeRegistryText(kSupportPhoneValue, ""),
                 "注册表值 技术热线（SupportPhone）");
    report.check(system.writeRegistryText(kSupportUrlValue, ""), "注册表值 网站支持（SupportURL）");
    // The title carries one trailing blank, unlike every other message.
    report.show(user, "恢复成功！", "提示 ");
}

#include "system/apply_oem_settings.h"

#include "system/completion_note.h"
#include "system/oem_paths.h"
#include "system/write_report.h"

namespace {

// A folder that exists already is what we wanted.
WriteResult ensureDirectory(SystemServices& system, const Text& path) {
    const WriteResult created = system.createDirectory(path);
    if (created || system.directoryExists(path)) return WriteResult::success();
    return created;
}

}  // namespace

void applyOemSettings(const OemProfile& profile, SystemServices& system, UserServices& user) {
    const OemPaths paths = oemPathsFor(system.windowsDirectory());
    WriteReport report;

    report.check(ensureDirectory(system, paths.infoFolder), "文件夹 " + paths.infoFolder);
    report.check(ensureDirectory(system, paths.backgroundsFolder),
                 "文件夹 " + paths.backgroundsFolder);

    // An empty source never replaces a picture that is there; it is reported,
    // as the user chose something that did not arrive.
    const Bytes& logo = profile.logoBytes();
    if (logo.empty()) {
        report.fail("所选的LOGO图片没有内容，没有写入");
    } else {
        report.check(system.writeFileBytes(paths.logoFile, logo), "LOGO文件 " + paths.logoFile);
    }
    const Text backgroundPath = profile.text(ProfileField::BackgroundPath);
    if (!backgroundPath.empty()) {
        const std::optional<Bytes> background = system.readFile(backgroundPath);
        if (!background) {
            report.fail("无法读取背景图片 " + backgroundPath);
        } else if (background->empty()) {
            report.fail("背景图片 " + backgroundPath + " 是空文件，没有复制");
        } else {
            report.check(system.writeFileBytes(paths.backgroundFile, *background),
                         "背景图片文件 " + paths.backgroundFile);
        }
    }

    report.check(
        system.writeRegistryText(kManufacturerValue, profile.text(ProfileField::Manufacturer)),
        "注册表值 制造商（Manufacturer）");
    report.check(system.writeRegistryText(kModelValue, profile.text(ProfileField::Model)),
                 "注册表值 型号（Model）");
    report.check(
        system.writeRegistryText(kSupportHoursValue, profile.text(ProfileField::SupportHours)),
        "注册表值 时间（SupportHours）");
    report.check(
        system.writeRegistryText(kSupportPhoneValue, profile.text(ProfileField::SupportPhone)),
        "注册表值 技术热线（SupportPhone）");
    report.check(system.writeRegistryText(kSupportUrlValue, profile.text(ProfileField::SupportUrl)),
                 "注册表值 网站支持（SupportURL）");
    report.check(system.writeRegistryText(kLogoValue, paths.logoFile), "注册表值 LOGO路径（Logo）");
    report.check(system.writeRegistryNumber(kOemBackgroundValue, 1),
                 "注册表值 登录背景开关（OEMBackground）");

    Text done = "OEM信息设置完毕！请打开计算机的属性栏查看。";
    if (report.allSucceeded()) {
        const Text note = completionNote(system);
        if (!note.empty()) done += "\r\n\r\n" + note;
    }
    report.show(user, done, "提示");
}

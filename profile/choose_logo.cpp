#include "profile/choose_logo.h"

#include <optional>
#include <utility>

namespace {

void refuseAsTooLarge(UserServices& user) {
    user.showMessage("请选择宽小于176，高小于120的图片", kMessageInformation, "提示");
}

}  // namespace

void chooseLogo(OemProfile& profile, SystemServices& system, UserServices& user) {
    user.setDialogFilter("OEM LOGO位图(*.BMP)|*.bmp");
    if (!user.openFileDialog()) return;
    const Text path = user.dialogFileName();

    // Read once, and only when its length could be a logo's: what is measured
    // is what is stored, and a huge file is never read whole.
    const std::optional<std::uint64_t> length = system.fileLength(path);
    if (length && *length > kMaxLogoFileBytes) {
        refuseAsTooLarge(user);
        return;
    }
    std::optional<Bytes> logo;
    if (length) logo = system.readFile(path);
    if (!logo) {
        user.showMessage(
            "无法读取所选的文件。它可能正被其他程序使用，或者文件名含有本程序无法处理的字符。",
            kMessageInformation, "提示");
        return;
    }
    // The file may have grown since its length was taken.
    if (logo->size() > kMaxLogoFileBytes) {
        refuseAsTooLarge(user);
        return;
    }
    const PictureSize size = user.measurePicture(*logo, path);
    if (size.width > kMaxLogoWidth || size.height > kMaxLogoHeight) {
        refuseAsTooLarge(user);
        return;
    }
    profile.setText(ProfileField::LogoPath, path);
    profile.setLogoBytes(std::move(*logo));
}

#include "profile/choose_logo.h"

void chooseLogo(OemProfile& profile, SystemServices& system, UserServices& user) {
    user.setDialogFilter("OEM LOGO位图(*.BMP)|*.bmp");
    if (!user.openFileDialog()) return;

    // The height is not measured once the width has refused the file.
    const bool fits = user.imageWidth(user.dialogFileName()) <= kMaxLogoWidth &&
                      user.imageHeight(user.dialogFileName()) <= kMaxLogoHeight;
    if (!fits) {
        user.showMessage("请选择宽小于176，高小于120的图片", kMessageInformation, "提示");
        return;
    }
    profile.setText(ProfileField::LogoPath, user.dialogFileName());
    profile.setLogoBytes(system.readFileBytes(profile.text(ProfileField::LogoPath)));
}

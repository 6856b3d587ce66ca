#include "profile/choose_background.h"

void chooseBackground(OemProfile& profile, SystemServices& system, UserServices& user) {
    user.setDialogFilter("登录背景图片（*.jpg）|*.jpg");
    if (!user.openFileDialog()) return;

    // A file that cannot be read counts as empty, and so is accepted.
    const std::uint64_t length = system.fileLength(user.dialogFileName()).value_or(0);
    if (length > kMaxBackgroundBytes) {
        user.showMessage("请选择小于256KB且宽高为4:3的图片", kMessageInformation, "提示");
        return;
    }
    profile.setText(ProfileField::BackgroundPath, user.dialogFileName());
}

#include "app/routing/preview_handlers.h"

void showPreview(const OemProfile& profile, UserServices& user, WindowOperations& windows) {
    // Only a text with no characters at all is empty; blanks pass.
    if (profile.text(ProfileField::BackgroundPath).empty()) {
        user.showMessage("你还没有选择背景图片！", kMessageInformation, "提示");
        return;
    }
    windows.loadWindow(WindowId::Preview, WindowMode::Modeless);
}

void closePreview(WindowOperations& windows) { windows.destroyWindow(WindowId::Preview); }

#include "system/write_report.h"

void WriteReport::check(bool succeeded, const Text& item) {
    if (!succeeded) failedItems_.push_back(item);
}

void WriteReport::show(UserServices& user, const Text& successText,
                       const Text& successTitle) const {
    if (allSucceeded()) {
        user.showMessage(successText, kMessageInformation, successTitle);
        return;
    }
    Text text = "设置没有全部写入，以下项目失败：\r\n";
    for (const Text& item : failedItems_) text += "    " + item + "\r\n";
    text += "\r\n请右键点击本程序，选择“以管理员身份运行”后再试。";
    user.showMessage(text, kMessageWarning, "提示");
}

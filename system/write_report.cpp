#include "system/write_report.h"

#include <string>

namespace {

Text reasonFor(const WriteResult& result) {
    switch (result.failure) {
    case WriteFailure::None: return "";
    case WriteFailure::AccessDenied: return "没有写入的权限";
    case WriteFailure::InUse: return "文件正被其他程序使用，请关闭那个程序后再试";
    case WriteFailure::DiskFull: return "磁盘已满，请腾出空间后再试";
    case WriteFailure::InTheWay: return "这个位置已有同名的文件或文件夹，请移走它后再试";
    case WriteFailure::NotFound: return "找不到它所在的文件夹";
    case WriteFailure::Other: break;
    }
    if (result.systemError == 0) return "";
    return "系统错误代码 " + std::to_string(result.systemError);
}

}  // namespace

void WriteReport::check(const WriteResult& result, const Text& item) {
    if (!result) failedItems_.push_back({item, result});
}

void WriteReport::fail(const Text& itemSayingWhy) {
    failedItems_.push_back({itemSayingWhy, WriteResult::because(WriteFailure::Other)});
}

void WriteReport::show(UserServices& user, const Text& successText,
                       const Text& successTitle) const {
    if (allSucceeded()) {
        user.showMessage(successText, kMessageInformation, successTitle);
        return;
    }
    Text text = "设置没有全部写入，以下项目失败：\r\n";
    bool accessDenied = false;
    for (const FailedItem& failed : failedItems_) {
        const Text reason = reasonFor(failed.result);
        text += "    " + failed.item + (reason.empty() ? "" : "（" + reason + "）") + "\r\n";
        accessDenied = accessDenied || failed.result.failure == WriteFailure::AccessDenied;
    }
    if (accessDenied) {
        text += "\r\n请右键点击本程序，选择“以管理员身份运行”后再试。";
    } else {
        text.resize(text.size() - 2);  // no blank line below the list
    }
    user.showMessage(text, kMessageWarning, "提示");
}

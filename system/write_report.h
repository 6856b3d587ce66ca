#pragma once
// Collects the writes that failed and why, so a failure is never reported as
// success and the user learns what to do about it.
#include <vector>

#include "platform/text.h"
#include "platform/user_services.h"
#include "platform/write_result.h"

class WriteReport {
public:
    // Records `item` as failed, with the cause, unless `result` succeeded.
    void check(const WriteResult& result, const Text& item);
    // Records an item that failed for a reason its own text gives.
    void fail(const Text& itemSayingWhy);
    bool allSucceeded() const { return failedItems_.empty(); }

    // The success message as given, or one warning that lists every failure
    // with its cause; the administrator advice only when access was denied.
    void show(UserServices& user, const Text& successText, const Text& successTitle) const;

private:
    struct FailedItem {
        Text item;
        WriteResult result;
    };
    std::vector<FailedItem> failedItems_;
};

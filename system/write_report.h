#pragma once
// Collects the writes that failed, so a failure is never reported as success.
#include <vector>

#include "platform/text.h"
#include "platform/user_services.h"

class WriteReport {
public:
    // Records `item` as failed unless `succeeded`.
    void check(bool succeeded, const Text& item);
    bool allSucceeded() const { return failedItems_.empty(); }
    const std::vector<Text>& failedItems() const { return failedItems_; }

    // The success message as given, or one warning that lists every failure.
    void show(UserServices& user, const Text& successText, const Text& successTitle) const;

private:
    std::vector<Text> failedItems_;
};

#include "platform/dialog_filter.h"

#include "platform/ansi_text.h"

Text toDialogFilterList(const Text& filter) {
    Text trimmed = filter;
    while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();

    Text list;
    list.reserve(trimmed.size() + 2);
    int trailingSeparators = 0;
    for (std::size_t i = 0; i < trimmed.size();) {
        const std::size_t length = cp936CharacterLength(trimmed, i);
        if (length == 1 && trimmed[i] == '|') {
            list.push_back('\0');
            ++trailingSeparators;
        } else {
            list.append(trimmed, i, length);
            trailingSeparators = 0;
        }
        i += length;
    }
    if (trailingSeparators < 2) list.append(2, '\0');
    return list;
}

#pragma once
// The open-file dialog control: it keeps its filter and its file name between
// openings, so the last confirmed path is offered again.
#include <windows.h>

#include <array>

#include "platform/bytes.h"

class OpenFileDialogControl {
public:
    static constexpr std::size_t kFileNameBufferSize = 260;

    // Label and pattern pairs joined by "|".
    void setFilter(const Text& filter) { filter_ = filter; }
    // Modal over `owner`. True when the user confirmed a file, which then is
    // the file name; on cancel the file name stays as it was.
    bool open(HWND owner);
    Text fileName() const { return Text(fileName_.data()); }

private:
    Text filter_;
    std::array<char, kFileNameBufferSize> fileName_{};
};

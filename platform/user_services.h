#pragma once
// Messages, the open-file dialog control and image measuring.
#include "platform/bytes.h"
#include "platform/text.h"

enum MessageStyle : int {
    kMessageWarning = 48,
    kMessageInformation = 64,
};

struct PictureSize {
    int width = 0;
    int height = 0;
};

class UserServices {
public:
    virtual ~UserServices() = default;

    // A task-modal message box with no owner; the button pressed is ignored.
    virtual void showMessage(const Text& text, int style, const Text& title) = 0;
    // The dialog control keeps its filter and file name between openings.
    virtual void setDialogFilter(const Text& filter) = 0;
    // True when the user confirmed a file; dialogFileName() then holds it.
    virtual bool openFileDialog() = 0;
    virtual Text dialogFileName() const = 0;
    // The size of the picture in `bytes`, read from `path`; 0 x 0 when it
    // cannot be measured.
    virtual PictureSize measurePicture(const Bytes& bytes, const Text& path) = 0;
};

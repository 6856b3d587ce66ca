// The pixel size of a picture file.
#include <windows.h>

#include "platform/image/image_decoder.h"
#include "platform/win32/win32_user_services.h"

namespace {

bool measureBySystem(const Text& path, PictureSize& size) {
    const HANDLE image = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                    LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_MONOCHROME);
    if (image == nullptr) return false;
    BITMAP bitmap{};
    const bool measured = GetObjectA(image, sizeof bitmap, &bitmap) == sizeof bitmap;
    DeleteObject(image);
    if (!measured) return false;
    size = {bitmap.bmWidth, bitmap.bmHeight};
    return true;
}

bool isBitmapFile(const Bytes& bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

}  // namespace

PictureSize Win32UserServices::measurePicture(const Bytes& bytes, const Text& path) {
    PictureSize size;
    if (!bytes.empty() && measureImage(bytes.data(), bytes.size(), size.width, size.height)) {
        return size;
    }
    // The system loads only bitmap files from a file, so nothing else is
    // read a second time for it.
    size = {};
    if (path.empty() || !isBitmapFile(bytes) || !measureBySystem(path, size)) size = {};
    return size;
}

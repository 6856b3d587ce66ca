// The pixel size of a picture file.
#include <windows.h>

#include "platform/image/image_decoder.h"
#include "platform/win32/win32_system_services.h"
#include "platform/win32/win32_user_services.h"

namespace {

struct ImageSize {
    int width = 0;
    int height = 0;
};

bool measureBySystem(const Text& path, ImageSize& size) {
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

// 0 x 0 when neither the decoders nor the system can measure the file.
ImageSize measureImageFile(const Text& path) {
    ImageSize size;
    if (path.empty()) return size;
    const Bytes bytes = Win32SystemServices().readFileBytes(path);
    if (!bytes.empty() && measureImage(bytes.data(), bytes.size(), size.width, size.height)) {
        return size;
    }
    size = {};
    if (!measureBySystem(path, size)) size = {};
    return size;
}

}  // namespace

int Win32UserServices::imageWidth(const Text& path) { return measureImageFile(path).width; }

int Win32UserServices::imageHeight(const Text& path) { return measureImageFile(path).height; }

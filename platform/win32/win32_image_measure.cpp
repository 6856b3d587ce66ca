#include "platform/win32/win32_image_measure.h"

#include <windows.h>

#include "platform/image/image_decoder.h"
#include "platform/win32/win32_files.h"

namespace win32 {
namespace {

bool measureBySystem(const Text& path, int& width, int& height) {
    const HANDLE image = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0,
                                    LR_LOADFROMFILE | LR_CREATEDIBSECTION | LR_MONOCHROME);
    if (image == nullptr) return false;
    BITMAP bitmap{};
    const bool measured = GetObjectA(image, sizeof bitmap, &bitmap) == sizeof bitmap;
    DeleteObject(image);
    if (!measured) return false;
    width = bitmap.bmWidth;
    height = bitmap.bmHeight;
    return true;
}

}  // namespace

bool measureImageFile(const Text& path, int& width, int& height) {
    width = 0;
    height = 0;
    if (path.empty()) return false;
    const Bytes bytes = readFile(path).value_or(Bytes{});
    if (!bytes.empty() && measureImage(bytes.data(), bytes.size(), width, height)) return true;
    width = 0;
    height = 0;
    return measureBySystem(path, width, height);
}

}  // namespace win32

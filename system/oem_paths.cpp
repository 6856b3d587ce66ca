#include "system/oem_paths.h"

#include <algorithm>
#include <cctype>

namespace {

const char kDefaultWindowsFolder[] = "C:\\Windows";

bool equalsIgnoringCase(const Text& a, const Text& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](unsigned char x, unsigned char y) {
               return std::tolower(x) == std::tolower(y);
           });
}

}  // namespace

OemPaths oemPathsFor(const Text& windowsDirectory) {
    Text windows = windowsDirectory;
    while (!windows.empty() && windows.back() == '\\') windows.pop_back();
    if (windows.empty() || equalsIgnoringCase(windows, kDefaultWindowsFolder)) {
        windows = kDefaultWindowsFolder;
    }
    OemPaths paths;
    paths.infoFolder = windows + "\\System32\\oobe\\info";
    paths.backgroundsFolder = paths.infoFolder + "\\Backgrounds";
    paths.logoFile = paths.infoFolder + "\\oemlogo.bmp";
    paths.backgroundFile = paths.backgroundsFolder + "\\BackgroundDefault.jpg";
    return paths;
}

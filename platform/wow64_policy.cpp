#include "platform/wow64_policy.h"

#include "platform/ansi_text.h"

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

char foldAscii(char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    return isSeparator(c) ? '\\' : c;
}

}  // namespace

std::uint32_t registryViewFlags(bool runningUnderWow64) {
    return runningUnderWow64 ? kRegistryView64Key : 0;
}

bool isInsideWindowsDirectory(const Text& fullPath, const Text& windowsDirectory) {
    // Trailing separators of the folder do not count ("C:\Windows\").
    std::size_t prefixLength = 0;
    for (std::size_t i = 0; i < windowsDirectory.size();) {
        const std::size_t length = cp936CharacterLength(windowsDirectory, i);
        i += length;
        if (length == 2 || !isSeparator(windowsDirectory[i - 1])) prefixLength = i;
    }
    if (prefixLength == 0 || fullPath.size() < prefixLength) return false;

    // Double-byte characters must match exactly; only single bytes fold.
    for (std::size_t i = 0; i < prefixLength;) {
        const std::size_t length = cp936CharacterLength(windowsDirectory, i);
        if (length == 2) {
            if (fullPath.compare(i, 2, windowsDirectory, i, 2) != 0) return false;
        } else if (foldAscii(fullPath[i]) != foldAscii(windowsDirectory[i])) {
            return false;
        }
        i += length;
    }
    return fullPath.size() == prefixLength || isSeparator(fullPath[prefixLength]);
}

bool needsRedirectionOff(bool runningUnderWow64, const Text& fullPath,
                         const Text& windowsDirectory) {
    return runningUnderWow64 && isInsideWindowsDirectory(fullPath, windowsDirectory);
}

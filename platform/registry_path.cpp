#include "platform/registry_path.h"

#include "platform/ansi_text.h"

RegistryPath splitRegistryPath(const Text& fullPath) {
    std::size_t lastSeparator = Text::npos;
    for (std::size_t i = 0; i < fullPath.size(); i += cp936CharacterLength(fullPath, i)) {
        if (fullPath[i] == '\\') lastSeparator = i;
    }
    if (lastSeparator == Text::npos) return {Text{}, fullPath};
    return {fullPath.substr(0, lastSeparator), fullPath.substr(lastSeparator + 1)};
}

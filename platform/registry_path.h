#pragma once
// A registry full path is the key path, a backslash and the value name.
#include "platform/text.h"

struct RegistryPath {
    Text keyPath;
    Text valueName;
};

// Splits at the last backslash; without one, the whole text names a value of
// the root key itself.
RegistryPath splitRegistryPath(const Text& fullPath);

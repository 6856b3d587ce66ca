#pragma once
// Raw bytes, as files and pictures hold them.
#include <cstdint>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

#pragma once
// Text and bytes as every part of the program passes them: text is a byte
// string in the ANSI code page (936 for every built-in text), bytes are raw.
#include <cstdint>
#include <string>
#include <vector>

using Text = std::string;
using Bytes = std::vector<std::uint8_t>;

#pragma once
// Text as every part of the program passes it: a byte string in the ANSI
// code page (936 for every built-in text).
#include <string>

using Text = std::string;

#pragma once
// The pixel size of a picture file.
#include "platform/bytes.h"

namespace win32 {

// Measured from the content by the decoders; a file they cannot read is
// tried as a bitmap by the system. False, with 0 x 0, when both fail.
bool measureImageFile(const Text& path, int& width, int& height);

}  // namespace win32

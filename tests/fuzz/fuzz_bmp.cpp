#include "platform/image/image_formats.h"
#include "tests/fuzz/fuzz_checks.h"

VELLUMARK_FUZZ_FORMAT(decodeBitmap, measureBitmap)

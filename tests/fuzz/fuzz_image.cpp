// The public entry points, with format detection in front of the decoders.
#include "platform/image/image_decoder.h"
#include "tests/fuzz/fuzz_checks.h"

VELLUMARK_FUZZ_FORMAT(decodeImage, measureImage)

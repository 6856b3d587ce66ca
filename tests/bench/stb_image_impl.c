/* stb_image compiled once, with the same compiler and build flags as our
   decoders, so the benchmark compares like with like. */
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_ONLY_JPEG
#include <stb_image.h>

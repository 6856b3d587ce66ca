#pragma once
// Stepping through text in code page 936 a character at a time. A lead byte
// (0x81-0xFE) starts a two-byte character whose trail byte may equal an ASCII
// '\' or '|', so a scan for separators must never look at trail bytes.
#include <cstddef>

#include "platform/text.h"

constexpr bool isCp936LeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Bytes taken by the character starting at `position`; a lead byte at the very
// end of the text stands alone.
inline std::size_t cp936CharacterLength(const Text& text, std::size_t position) {
    const bool doubleByte =
        isCp936LeadByte(static_cast<unsigned char>(text[position])) && position + 1 < text.size();
    return doubleByte ? 2 : 1;
}

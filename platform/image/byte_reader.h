#pragma once
// A bounded little-endian reader over picture bytes. Reading past the end
// yields zeros and marks the reader failed, so a header can be read field by
// field and checked once with ok().
#include <cstddef>
#include <cstdint>

class ByteReader {
public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }
    std::size_t position() const { return position_; }
    std::size_t remaining() const { return size_ - position_; }

    bool seek(std::uint64_t offset) {
        if (offset > size_) {
            ok_ = false;
            return false;
        }
        position_ = static_cast<std::size_t>(offset);
        return true;
    }

    bool skip(std::uint64_t count) { return seek(position_ + count); }

    // Pointer to `count` bytes at the current position, or null when fewer remain.
    const std::uint8_t* take(std::uint64_t count) {
        if (count > remaining()) {
            ok_ = false;
            return nullptr;
        }
        const std::uint8_t* start = data_ + position_;
        position_ += static_cast<std::size_t>(count);
        return start;
    }

    std::uint8_t u8() {
        const std::uint8_t* p = take(1);
        return p ? p[0] : 0;
    }

    std::uint16_t u16() {
        const std::uint8_t* p = take(2);
        return p ? static_cast<std::uint16_t>(p[0] | (p[1] << 8)) : 0;
    }

    std::uint32_t u32() {
        const std::uint8_t* p = take(4);
        return p ? static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                       (static_cast<std::uint32_t>(p[2]) << 16) |
                       (static_cast<std::uint32_t>(p[3]) << 24)
                 : 0;
    }

    std::int32_t i32() { return static_cast<std::int32_t>(u32()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t position_ = 0;
    bool ok_ = true;
};

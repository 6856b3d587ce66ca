#pragma once
// Which rows and columns of a source picture land in the decoded output.
// On each axis the output is min(source, box); cut off, the output takes the
// first pixels, shrunk, the pixel nearest each output pixel's centre. A
// source row or column lands on at most one output one either way.
#include "platform/image/image_decoder.h"

#include <algorithm>
#include <cstdint>

class SampleAxis {
public:
    SampleAxis(std::uint64_t source, int box, BoxFit fit)
        : source_(source),
          output_(static_cast<int>(
              std::min<std::uint64_t>(source, box > 0 ? static_cast<std::uint64_t>(box) : 0))),
          shrunk_(fit == BoxFit::ShrinkToBox && source > static_cast<std::uint64_t>(output_)) {}

    std::uint64_t sourceSize() const { return source_; }
    int outputSize() const { return output_; }

    std::uint64_t sourceOf(int output) const {
        const std::uint64_t position = static_cast<std::uint64_t>(output);
        return shrunk_ ? ((2 * position + 1) * source_) / (2 * static_cast<std::uint64_t>(output_))
                       : position;
    }

    // The output position a source position lands on, or -1.
    int outputOf(std::uint64_t source) const {
        if (!shrunk_)
            return source < static_cast<std::uint64_t>(output_) ? static_cast<int>(source) : -1;
        if (source >= source_) return -1;
        // The sampled positions are the output's centres rounded down, so
        // the one for `source` is next to its proportional place.
        const int near = static_cast<int>((source * static_cast<std::uint64_t>(output_)) / source_);
        for (int candidate = std::max(near - 1, 0); candidate <= near + 1 && candidate < output_;
             ++candidate)
            if (sourceOf(candidate) == source) return candidate;
        return -1;
    }

    // One past the last source position any output position needs.
    std::uint64_t sourceNeeded() const { return output_ > 0 ? sourceOf(output_ - 1) + 1 : 0; }

private:
    std::uint64_t source_;
    int output_;
    bool shrunk_;
};

struct SampleGrid {
    SampleGrid(std::uint64_t sourceWidth, std::uint64_t sourceHeight, const DecodeTarget& target)
        : columns(sourceWidth, target.width, target.fit),
          rows(sourceHeight, target.height, target.fit) {}

    SampleAxis columns;
    SampleAxis rows;
};

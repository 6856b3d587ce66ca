// JPEG through libjpeg. libjpeg reports fatal errors through a callback that
// must not return; ours jumps back to the caller, so a broken file is simply
// undecodable. The functions that call setjmp hold no C++ objects with
// destructors, which the jump would skip.
#include "platform/image/image_formats.h"

#include <algorithm>
#include <climits>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>

#if !defined(JCS_ALPHA_EXTENSIONS)
#error "libjpeg-turbo is required: rows are decoded straight into BGRA"
#endif
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "BGRA bytes are read as 0xAARRGGBB only on little-endian machines"
#endif

namespace {

// A progressive file can hold thousands of tiny scans, each of which makes
// libjpeg walk the whole image; real encoders write about ten.
constexpr long kMaxProgressiveScans = 500;

// A progressive or multi-scan file keeps every coefficient of the picture
// in memory (2 bytes each, 64 a block) until its last scan. Past this much
// libjpeg would want a temporary file; without one it refuses the picture.
constexpr long kMaxJpegMemory = 48L * 1024 * 1024;

// The work of the scans, in block visits: each scan visits every block of
// its components once, plus once for every 16 coefficients it carries, as
// an arithmetic-coded block costs about that much more per coefficient.
// Here a visit costs about 10 ns, so the cap is a fifth of a second; an
// ordinary progressive file of 100 megapixels (or a sequential one of any
// size the pixel cap allows) stays within it, hundreds of scans refining one
// coefficient each of a large picture do not.
constexpr std::uint64_t kCoefficientsPerBlockVisit = 16;
constexpr std::uint64_t kMaxJpegBlockVisits = 16'000'000;

struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void leaveDecoder(j_common_ptr info) {
    JpegErrorManager* errors = reinterpret_cast<JpegErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

// libjpeg would print warnings and errors to stderr; the caller only needs
// to know whether the picture decoded.
void discardMessage(j_common_ptr) {}

struct ScanBudget {
    jpeg_progress_mgr base;
    int lastCountedScan = 0;
    std::uint64_t blockVisits = 0;
};

// libjpeg calls this before each row of blocks it reads, so a new scan is
// counted, whole, before any of its data is decoded.
void chargeScans(j_common_ptr common) {
    j_decompress_ptr info = reinterpret_cast<j_decompress_ptr>(common);
    ScanBudget* budget = reinterpret_cast<ScanBudget*>(info->progress);
    if (info->input_scan_number > kMaxProgressiveScans) leaveDecoder(common);
    if (info->input_scan_number == budget->lastCountedScan) return;
    budget->lastCountedScan = info->input_scan_number;
    std::uint64_t blocks = 0;
    for (int i = 0; i < info->comps_in_scan && i < MAX_COMPS_IN_SCAN; ++i) {
        const jpeg_component_info* component = info->cur_comp_info[i];
        blocks +=
            static_cast<std::uint64_t>(component->width_in_blocks) * component->height_in_blocks;
    }
    const std::uint64_t coefficients =
        info->Se >= info->Ss ? static_cast<std::uint64_t>(info->Se - info->Ss + 1) : 1;
    budget->blockVisits += blocks * (1 + coefficients / kCoefficientsPerBlockVisit);
    if (budget->blockVisits > kMaxJpegBlockVisits) leaveDecoder(common);
}

struct JpegSession {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    ScanBudget budget;
};

bool readHeader(JpegSession& session, const std::uint8_t* data, std::size_t size) {
    if (size > ULONG_MAX) return false;
    jpeg_decompress_struct& info = session.info;
    jpeg_create_decompress(&info);
    info.mem->max_memory_to_use = kMaxJpegMemory;
    session.budget.base.progress_monitor = chargeScans;
    info.progress = &session.budget.base;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    return jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
}

bool measureWithin(JpegSession& session, const std::uint8_t* data, std::size_t size, int& width,
                   int& height) {
    if (setjmp(session.errors.jump)) return false;
    if (!readHeader(session, data, size)) return false;
    width = static_cast<int>(session.info.image_width);
    height = static_cast<int>(session.info.image_height);
    return true;
}

// Stretched into a smaller box, libjpeg scales by the least eighths that
// still give at least the box's pixels; the rows are sampled from there.
void scaleForBox(jpeg_decompress_struct& info, const DecodeTarget& target) {
    if (target.fit != BoxFit::ShrinkToBox) return;
    const JDIMENSION wantedWidth =
        std::min<JDIMENSION>(info.image_width, static_cast<JDIMENSION>(target.width));
    const JDIMENSION wantedHeight =
        std::min<JDIMENSION>(info.image_height, static_cast<JDIMENSION>(target.height));
    info.scale_denom = 8;
    for (unsigned eighths = 1; eighths <= 8; ++eighths) {
        info.scale_num = eighths;
        jpeg_calc_output_dimensions(&info);
        if (info.output_width >= wantedWidth && info.output_height >= wantedHeight) return;
    }
}

bool decodeWithin(JpegSession& session, const std::uint8_t* data, std::size_t size,
                  const DecodeTarget& target, DecodedImage& out) {
    if (setjmp(session.errors.jump)) return false;
    if (!readHeader(session, data, size)) return false;
    jpeg_decompress_struct& info = session.info;
    // Checked before libjpeg allocates anything for the whole picture.
    if (!withinPixelCap(info.image_width, info.image_height) || target.width <= 0 ||
        target.height <= 0)
        return false;
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) return false;
    // BGRA bytes are 0xAARRGGBB on a little-endian machine, alpha filled with 0xFF.
    info.out_color_space = JCS_EXT_BGRA;
    scaleForBox(info, target);
    if (!jpeg_start_decompress(&info)) return false;
    if (info.output_components != 4) return false;

    const SampleGrid grid(info.output_width, info.output_height, target);
    if (!allocateImage(out, grid, kOpaqueBlack)) return false;
    // Freed with the decompressor, which a jump out of here also reaches.
    JSAMPARRAY row = (*info.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&info), JPOOL_IMAGE,
                                               info.output_width * 4, 1);
    const JDIMENSION rowsNeeded = static_cast<JDIMENSION>(grid.rows.sourceNeeded());
    while (info.output_scanline < rowsNeeded) {
        const JDIMENSION sourceRow = info.output_scanline;
        if (jpeg_read_scanlines(&info, row, 1) != 1) return false;
        const int outputRow = grid.rows.outputOf(sourceRow);
        if (outputRow < 0) continue;
        std::uint32_t* pixels = out.pixels.data() + static_cast<std::size_t>(outputRow) * out.width;
        for (int outputColumn = 0; outputColumn < out.width; ++outputColumn)
            std::memcpy(&pixels[outputColumn], row[0] + 4 * grid.columns.sourceOf(outputColumn), 4);
    }
    // Rows past the last one shown are never read; destroying the
    // decompressor ends the decode there.
    return true;
}

void prepareSession(JpegSession& session) {
    session = JpegSession();
    session.info.err = jpeg_std_error(&session.errors.base);
    session.errors.base.error_exit = leaveDecoder;
    session.errors.base.output_message = discardMessage;
}

}  // namespace

bool decodeJpeg(const std::uint8_t* data, std::size_t size, const DecodeTarget& target,
                DecodedImage& out) {
    JpegSession session;
    prepareSession(session);
    const bool decoded = decodeWithin(session, data, size, target, out);
    jpeg_destroy_decompress(&session.info);
    if (!decoded) out = DecodedImage();
    return decoded;
}

bool measureJpeg(const std::uint8_t* data, std::size_t size, int& width, int& height) {
    JpegSession session;
    prepareSession(session);
    const bool measured = measureWithin(session, data, size, width, height);
    jpeg_destroy_decompress(&session.info);
    return measured;
}

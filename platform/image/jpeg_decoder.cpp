// JPEG through libjpeg. libjpeg reports fatal errors through a callback that
// must not return; ours jumps back to the caller, so a broken file is simply
// undecodable. The functions that call setjmp hold no C++ objects with
// destructors, which the jump would skip.
#include "platform/image/image_formats.h"

#include <climits>
#include <csetjmp>
#include <cstdio>

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

struct JpegErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void leaveDecoder(j_common_ptr info)
{
    JpegErrorManager* errors = reinterpret_cast<JpegErrorManager*>(info->err);
    std::longjmp(errors->jump, 1);
}

// libjpeg would print warnings and errors to stderr; the caller only needs
// to know whether the picture decoded.
void discardMessage(j_common_ptr) {}

void limitScans(j_common_ptr info)
{
    j_decompress_ptr decompressor = reinterpret_cast<j_decompress_ptr>(info);
    if (decompressor->input_scan_number > kMaxProgressiveScans)
        leaveDecoder(info);
}

struct JpegSession {
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    jpeg_progress_mgr progress;
};

bool readHeader(JpegSession& session, const std::uint8_t* data, std::size_t size)
{
    if (size > ULONG_MAX)
        return false;
    jpeg_decompress_struct& info = session.info;
    jpeg_create_decompress(&info);
    session.progress.progress_monitor = limitScans;
    info.progress = &session.progress;
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    return jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
}

bool measureWithin(JpegSession& session, const std::uint8_t* data, std::size_t size, int& width, int& height)
{
    if (setjmp(session.errors.jump))
        return false;
    if (!readHeader(session, data, size))
        return false;
    width = static_cast<int>(session.info.image_width);
    height = static_cast<int>(session.info.image_height);
    return true;
}

bool decodeWithin(JpegSession& session, const std::uint8_t* data, std::size_t size, DecodedImage& out)
{
    if (setjmp(session.errors.jump))
        return false;
    if (!readHeader(session, data, size))
        return false;
    jpeg_decompress_struct& info = session.info;
    // Checked before libjpeg allocates anything for the whole picture.
    if (!withinPixelCap(info.image_width, info.image_height))
        return false;
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK)
        return false;
    // BGRA bytes are 0xAARRGGBB on a little-endian machine, alpha filled with 0xFF.
    info.out_color_space = JCS_EXT_BGRA;
    if (!allocateImage(out, static_cast<int>(info.image_width), static_cast<int>(info.image_height), kOpaqueBlack))
        return false;
    if (!jpeg_start_decompress(&info))
        return false;
    if (info.output_width != info.image_width || info.output_height != info.image_height ||
        info.output_components != 4)
        return false;

    while (info.output_scanline < info.output_height) {
        JSAMPROW row = reinterpret_cast<JSAMPROW>(out.pixels.data() +
                                                  static_cast<std::size_t>(info.output_scanline) * info.output_width);
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}

void prepareSession(JpegSession& session)
{
    session = JpegSession();
    session.info.err = jpeg_std_error(&session.errors.base);
    session.errors.base.error_exit = leaveDecoder;
    session.errors.base.output_message = discardMessage;
}

}  // namespace

bool decodeJpeg(const std::uint8_t* data, std::size_t size, DecodedImage& out)
{
    JpegSession session;
    prepareSession(session);
    const bool decoded = decodeWithin(session, data, size, out);
    jpeg_destroy_decompress(&session.info);
    if (!decoded)
        out = DecodedImage();
    return decoded;
}

bool measureJpeg(const std::uint8_t* data, std::size_t size, int& width, int& height)
{
    JpegSession session;
    prepareSession(session);
    const bool measured = measureWithin(session, data, size, width, height);
    jpeg_destroy_decompress(&session.info);
    return measured;
}

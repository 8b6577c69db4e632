// Convert: SavetoJPEG writes an uncompressed bitmap file as a JPEG file with
// libjpeg-turbo. Paths arrive as zero-terminated code page 932 texts.
//
// Result: 0 when the JPEG file was written; 1 when the source cannot be read, 2 when
// it is not a bitmap file the reader knows (or is truncated), 3 when encoding failed,
// 4 when the target could not be written. Nothing is written unless the whole JPEG
// was made, and the target is replaced as a whole.
#include "BitmapFileReader.h"
#include "platform/Cp932.h"
#include "platform/FileReplace.h"

#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <jpeglib.h>

#define GB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

enum Result : int32_t { Written = 0, Unreadable = 1, NotABitmap = 2, EncodeFailed = 3, WriteFailed = 4 };

struct ErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void OnError(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->back, 1);
}

void OnMessage(j_common_ptr, int) {} // warnings are not printed

// Encodes the picture into `out` (malloc'd by libjpeg); false on failure. No C++
// object lives in this frame across the jump.
bool Encode(const gb::RgbPicture& picture, int quality, bool progressive, unsigned char** out, unsigned long* size) {
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = OnError;
    errors.manager.emit_message = OnMessage;
    if (setjmp(errors.back)) {
        jpeg_destroy_compress(&info);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, out, size);
    info.image_width = JDIMENSION(picture.width);
    info.image_height = JDIMENSION(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    const size_t rowBytes = size_t(picture.width) * 3;
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(picture.rgb.data() + size_t(info.next_scanline) * rowBytes);
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    return true;
}

} // namespace

GB_EXPORT int32_t SavetoJPEG(const char* source, const char* target, uint8_t quality, int16_t progressive) {
    if (!source || !target || !*source || !*target) return Unreadable;
    gb::RgbPicture picture;
    switch (gb::ReadBitmapFile(gb::Utf8(source), picture)) {
    case gb::BitmapReadResult::Ok: break;
    case gb::BitmapReadResult::Unreadable: return Unreadable;
    default: return NotABitmap;
    }
    // The quality byte is libjpeg's 1-100 scale; 0 means the lowest, above 100 the
    // highest.
    const int scale = quality < 1 ? 1 : (quality > 100 ? 100 : quality);
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    if (!Encode(picture, scale, progressive != 0, &jpeg, &size)) {
        std::free(jpeg);
        return EncodeFailed;
    }
    const bool written = gb::ReplaceFileContents(gb::Utf8(target), std::string_view(reinterpret_cast<char*>(jpeg), size));
    std::free(jpeg);
    return written ? Written : WriteFailed;
}

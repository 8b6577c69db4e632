// Helpers for writing picture plug-ins in C++: reading the source the program names,
// answering GetPluginInfo, and making the bitmap blocks it frees.
#pragma once

#include "PicturePlugin.h"

#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iconv.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace spi {

// The program passes file names in code page 932; the file system names them in UTF-8.
inline std::string FileNameOf(const char* cp932) {
    std::string out;
    if (!cp932) return out;
    iconv_t cd = iconv_open("UTF-8", "CP932");
    if (cd == reinterpret_cast<iconv_t>(-1)) return cp932;
    size_t inLeft = std::strlen(cp932);
    char* in = const_cast<char*>(cp932);
    out.resize(inLeft * 3 + 4);
    char* o = out.data();
    size_t outLeft = out.size();
    size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    if (r == static_cast<size_t>(-1)) return cp932;
    out.resize(out.size() - outLeft);
    return out;
}

// The bytes of the source: a file from an offset, or a block of memory. Files larger
// than `limit` are refused (an empty result).
inline bool ReadSource(const char* source, intptr_t length, uint32_t flag, std::vector<unsigned char>& bytes,
                       size_t limit = size_t(512) << 20) {
    bytes.clear();
    if (!source) return false;
    if ((flag & 7) == SPI_INPUT_MEMORY) {
        if (length <= 0 || size_t(length) > limit) return false;
        bytes.assign(reinterpret_cast<const unsigned char*>(source),
                     reinterpret_cast<const unsigned char*>(source) + length);
        return true;
    }
    int fd = open(FileNameOf(source).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = fstat(fd, &st) == 0 && st.st_size >= length && size_t(st.st_size - length) <= limit;
    if (ok) {
        bytes.resize(size_t(st.st_size - length));
        size_t done = 0;
        while (ok && done < bytes.size()) {
            ssize_t n = pread(fd, bytes.data() + done, bytes.size() - done, off_t(length + intptr_t(done)));
            if (n <= 0) ok = false;
            else done += size_t(n);
        }
    }
    close(fd);
    return ok;
}

// The file's first bytes for IsSupported: from the descriptor, or the 2048-byte buffer.
inline std::vector<unsigned char> HeadOf(intptr_t head, size_t count) {
    std::vector<unsigned char> bytes(count);
    if (head >= 0 && head < 65536) {
        ssize_t n = pread(int(head), bytes.data(), count, 0);
        bytes.resize(n > 0 ? size_t(n) : 0);
    } else {
        std::memcpy(bytes.data(), reinterpret_cast<const void*>(head), count < 2048 ? count : 2048);
    }
    return bytes;
}

// Copies `text` into the buffer: at most `length` bytes, with the terminating zero when
// there is room for it (the four-character version fills a 4-byte buffer exactly).
inline int32_t Answer(const char* text, char* buffer, int32_t length) {
    if (!buffer || length <= 0) return 0;
    size_t n = std::strlen(text);
    if (n > size_t(length)) n = size_t(length);
    std::memcpy(buffer, text, n);
    if (n < size_t(length)) buffer[n] = 0;
    return int32_t(n);
}

inline size_t RowBytes(int32_t width, int bitCount) { return ((size_t(width) * size_t(bitCount) + 31) / 32) * 4; }

// Allocates the two blocks of a 24-bit bottom-up bitmap; the pixel block is zeroed.
inline bool MakeBitmap24(int32_t width, int32_t height, void** bitmapInfo, void** pixels, unsigned char** data) {
    if (width <= 0 || height <= 0 || !bitmapInfo || !pixels) return false;
    size_t size = RowBytes(width, 24) * size_t(height);
    auto* header = static_cast<SpiBitmapInfoHeader*>(std::calloc(1, sizeof(SpiBitmapInfoHeader)));
    auto* bits = static_cast<unsigned char*>(std::calloc(1, size));
    if (!header || !bits) {
        std::free(header);
        std::free(bits);
        return false;
    }
    header->size = sizeof(SpiBitmapInfoHeader);
    header->width = width;
    header->height = height;
    header->planes = 1;
    header->bitCount = 24;
    header->sizeImage = uint32_t(size);
    *bitmapInfo = header;
    *pixels = bits;
    *data = bits;
    return true;
}

} // namespace spi

// libFuzzer target for the album file reader: any bytes must read without a crash, a
// read past the end or an allocation beyond what the bytes can hold. Run fuzz.sh.
#include "album/AlbumFileFormat.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    gb::AlbumReader reader(bytes);
    reader.Skip(gb::AlbumSignature().size());
    std::optional<gb::AlbumInfo> info = reader.ReadAlbumInfo();
    if (!info) return 0;
    // Every gallery takes at least 28 bytes of the file.
    if (info->Galleries.size() * 28 > size) __builtin_trap();
    if (info->SheetLength > 0) reader.ReadBytes(size_t(info->SheetLength));
    reader.ReadAlbumExtra();
    // What was read writes back to the same record.
    std::string again;
    gb::EncodeAlbumInfo(*info, again);
    gb::AlbumReader second(again);
    if (!second.ReadAlbumInfo()) __builtin_trap();
    return 0;
}

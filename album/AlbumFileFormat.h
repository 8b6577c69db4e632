#pragma once
// The byte layout of the album file "Browse.GBX": the signature, the AlbumInfo record,
// the thumbnail sheet as JPEG bytes, and the AlbumExtra record. Fields are packed and
// little-endian; texts are a 16-bit byte count and the bytes in code page 932.
//
// Reading checks every count and length against the bytes that remain, so a truncated
// or hostile file gives a failure, never an allocation beyond the file's size or a read
// past its end.
#include "AlbumRecords.h"

#include <optional>
#include <string>
#include <string_view>

namespace gb {

// The signature in code page 932 (21 bytes).
const std::string& AlbumSignature();

// Appends the encoded record to `out`.
void EncodeAlbumInfo(const AlbumInfo& info, std::string& out);
void EncodeAlbumExtra(const AlbumExtra& extra, std::string& out);

// Reads sequentially from a byte string.
class AlbumReader {
public:
    explicit AlbumReader(std::string_view bytes) : bytes_(bytes) {}

    bool Skip(size_t count);
    std::optional<AlbumInfo> ReadAlbumInfo();
    std::optional<std::string_view> ReadBytes(size_t count);
    // A record cut short by the end of the file reads as far as it goes; the rest is 0.
    AlbumExtra ReadAlbumExtra();
    size_t Position() const { return at_; }
    size_t Remaining() const { return bytes_.size() - at_; }

private:
    bool Int16(int16_t& v);
    bool Int32(int32_t& v);
    bool Double(double& v);
    bool Flag(bool& v);
    bool Text(std::string& v);
    bool Gallery(GalleryInfo& g);

    std::string_view bytes_;
    size_t at_ = 0;
};

// The whole album file for these records and sheet bytes.
std::string EncodeAlbumFile(const AlbumInfo& info, std::string_view sheet, const AlbumExtra& extra);

} // namespace gb

#include "AlbumFileFormat.h"

#include "platform/Conventions.h"
#include "platform/Cp932.h"

#include <cstring>

namespace gb {
namespace {

// The smallest encoded gallery: two empty texts and 24 bytes of numbers.
constexpr size_t kMinGallerySize = 2 + 2 + 24;

template <class T>
void Put(std::string& out, T value) {
    char bytes[sizeof(T)];
    std::memcpy(bytes, &value, sizeof(T)); // the platform is little-endian, as the file
    out.append(bytes, sizeof(T));
}

void PutFlag(std::string& out, bool v) { Put<int16_t>(out, FlagOf(v)); }

// A text longer than a 16-bit count can say is cut, never at half a character.
void PutText(std::string& out, const std::string& utf8) {
    std::string bytes = Cp932(utf8);
    std::string_view cut = Cp932Prefix(bytes, 0xFFFF);
    Put<uint16_t>(out, uint16_t(cut.size()));
    out.append(cut);
}

void PutGallery(std::string& out, const GalleryInfo& g) {
    PutText(out, g.Title);
    PutText(out, g.FileName);
    Put(out, g.Width);
    Put(out, g.Height);
    Put(out, g.FileStamp);
    PutFlag(out, g.ThumbMade);
    Put(out, g.CellLeft);
    Put(out, g.CellTop);
    Put(out, g.ThumbWidth);
    Put(out, g.ThumbHeight);
    PutFlag(out, g.Selected);
}

} // namespace

const std::string& AlbumSignature() {
    static const std::string signature = Cp932("Glimmerbox 標準ﾌｫｰﾏｯﾄ");
    return signature;
}

void EncodeAlbumInfo(const AlbumInfo& a, std::string& out) {
    PutFlag(out, a.Stored);
    PutText(out, a.Title);
    PutText(out, a.Folder);
    Put(out, a.Stamp);
    if (a.Galleries.empty()) {
        Put<int16_t>(out, 0);
    } else {
        Put<int16_t>(out, 1);
        Put<int32_t>(out, int32_t(a.Galleries.size()));
        Put<int32_t>(out, 1);
        for (const GalleryInfo& g : a.Galleries) PutGallery(out, g);
    }
    Put(out, a.GalleryCount);
    Put(out, a.CurrentGallery);
    Put(out, a.Zoom);
    Put(out, a.SheetLength);
    Put(out, a.CellSize);
    Put(out, a.Columns);
    PutFlag(out, a.SheetChanged);
    Put(out, a.Effect);
    Put(out, a.Interval);
    PutFlag(out, a.SoundEffects);
    PutText(out, a.Music);
}

void EncodeAlbumExtra(const AlbumExtra& e, std::string& out) {
    Put(out, e.LiveFilter);
    PutFlag(out, e.StampRange);
    Put(out, e.StampEnd);
    PutFlag(out, e.ShowTitle);
    Put(out, e.PencilSize);
    Put(out, e.PencilColor);
}

std::string EncodeAlbumFile(const AlbumInfo& info, std::string_view sheet, const AlbumExtra& extra) {
    std::string out = AlbumSignature();
    EncodeAlbumInfo(info, out);
    out.append(sheet);
    EncodeAlbumExtra(extra, out);
    return out;
}

bool AlbumReader::Skip(size_t count) {
    if (count > Remaining()) return false;
    at_ += count;
    return true;
}

std::optional<std::string_view> AlbumReader::ReadBytes(size_t count) {
    if (count > Remaining()) return std::nullopt;
    std::string_view part = bytes_.substr(at_, count);
    at_ += count;
    return part;
}

bool AlbumReader::Int16(int16_t& v) {
    if (Remaining() < 2) return false;
    std::memcpy(&v, bytes_.data() + at_, 2);
    at_ += 2;
    return true;
}

bool AlbumReader::Int32(int32_t& v) {
    if (Remaining() < 4) return false;
    std::memcpy(&v, bytes_.data() + at_, 4);
    at_ += 4;
    return true;
}

bool AlbumReader::Double(double& v) {
    if (Remaining() < 8) return false;
    std::memcpy(&v, bytes_.data() + at_, 8);
    at_ += 8;
    return true;
}

bool AlbumReader::Flag(bool& v) {
    int16_t raw = 0;
    if (!Int16(raw)) return false;
    v = BoolOf(raw);
    return true;
}

bool AlbumReader::Text(std::string& v) {
    int16_t raw = 0;
    if (!Int16(raw)) return false;
    std::optional<std::string_view> bytes = ReadBytes(uint16_t(raw));
    if (!bytes) return false;
    v = Utf8(*bytes);
    return true;
}

bool AlbumReader::Gallery(GalleryInfo& g) {
    return Text(g.Title) && Text(g.FileName) && Int16(g.Width) && Int16(g.Height) && Double(g.FileStamp) &&
           Flag(g.ThumbMade) && Int16(g.CellLeft) && Int16(g.CellTop) && Int16(g.ThumbWidth) &&
           Int16(g.ThumbHeight) && Flag(g.Selected);
}

std::optional<AlbumInfo> AlbumReader::ReadAlbumInfo() {
    AlbumInfo a;
    int16_t dimensions = 0;
    if (!Flag(a.Stored) || !Text(a.Title) || !Text(a.Folder) || !Double(a.Stamp) || !Int16(dimensions))
        return std::nullopt;
    if (dimensions == 1) {
        int32_t count = 0, lowerBound = 0;
        if (!Int32(count) || !Int32(lowerBound)) return std::nullopt;
        // The list cannot hold more galleries than the remaining bytes can encode.
        if (count < 0 || size_t(count) > Remaining() / kMinGallerySize) return std::nullopt;
        a.Galleries.resize(size_t(count));
        for (GalleryInfo& g : a.Galleries)
            if (!Gallery(g)) return std::nullopt;
    } else if (dimensions != 0) {
        return std::nullopt;
    }
    if (!Int16(a.GalleryCount) || !Int16(a.CurrentGallery) || !Int16(a.Zoom) || !Int32(a.SheetLength) ||
        !Int16(a.CellSize) || !Int32(a.Columns) || !Flag(a.SheetChanged) || !Int16(a.Effect) ||
        !Int16(a.Interval) || !Flag(a.SoundEffects) || !Text(a.Music))
        return std::nullopt;
    return a;
}

AlbumExtra AlbumReader::ReadAlbumExtra() {
    AlbumExtra e;
    int16_t raw = 0;
    if (!Int16(e.LiveFilter)) return e;
    if (!Int16(raw)) return e;
    e.StampRange = BoolOf(raw);
    if (!Double(e.StampEnd)) return e;
    if (!Int16(raw)) return e;
    e.ShowTitle = BoolOf(raw);
    if (Remaining() >= 1) e.PencilSize = uint8_t(bytes_[at_++]);
    if (Remaining() >= 1) e.PencilColor = uint8_t(bytes_[at_++]);
    return e;
}

} // namespace gb

#include "album/AlbumFileFormat.h"
#include "platform/Cp932.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

std::string Hex(std::string_view bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : bytes) {
        if (!out.empty()) out += ' ';
        out += digits[c >> 4];
        out += digits[c & 15];
    }
    return out;
}

AlbumInfo Sample(int galleries) {
    AlbumInfo a;
    a.Stored = true;
    a.Title = "旅行";
    a.Folder = "/photos/trip";
    a.Stamp = 46000.5;
    for (int i = 1; i <= galleries; ++i) {
        GalleryInfo g;
        g.Title = "写真" + std::to_string(i);
        g.FileName = "p" + std::to_string(i) + ".jpg";
        g.Width = 640, g.Height = 480, g.FileStamp = 45000.25, g.ThumbMade = true;
        g.CellLeft = int16_t(80 * (i - 1)), g.ThumbWidth = 80, g.ThumbHeight = 60, g.Selected = i == 2;
        a.Galleries.push_back(g);
    }
    a.GalleryCount = int16_t(galleries);
    a.CurrentGallery = galleries ? 1 : 0;
    a.Zoom = 100, a.SheetLength = 3, a.CellSize = 80, a.Columns = 8, a.Effect = 15, a.Interval = 3;
    a.SoundEffects = true;
    a.Music = "bgm.mid";
    return a;
}

TEST(AlbumFileFormat, LayoutOfAnEmptyAlbum) {
    AlbumInfo a = Sample(0);
    a.Title = "";
    a.Folder = "";
    a.Music = "";
    a.Stamp = 0;
    std::string file = EncodeAlbumFile(a, "JPG", AlbumExtra());
    ASSERT_EQ(AlbumSignature().size(), 21u);
    EXPECT_EQ(file.substr(0, 21), Cp932("Glimmerbox 標準ﾌｫｰﾏｯﾄ"));
    // Stored, empty title and folder, the date, an empty gallery list.
    EXPECT_EQ(Hex(file.substr(21, 6)), "FF FF 00 00 00 00");
    EXPECT_EQ(Hex(file.substr(35, 2)), "00 00");
    // 42 bytes of record, the sheet, 16 bytes of the second record.
    EXPECT_EQ(file.size(), 21u + 42 + 3 + 16);
    EXPECT_EQ(file.substr(21 + 42, 3), "JPG");
}

TEST(AlbumFileFormat, GalleryListHeaderAndJapaneseByteCounts) {
    AlbumInfo a = Sample(2);
    std::string out;
    EncodeAlbumInfo(a, out);
    EXPECT_EQ(Hex(out.substr(2, 2)), "04 00"); // 旅行 is four bytes in code page 932
    size_t list = 2 + 6 + 2 + 12 + 8;
    EXPECT_EQ(Hex(out.substr(list, 10)), "01 00 02 00 00 00 01 00 00 00");
    // Each gallery: two texts and 24 bytes of numbers.
    size_t firstGallery = list + 10;
    EXPECT_EQ(Hex(out.substr(firstGallery, 2)), "05 00"); // 写真1
    EXPECT_EQ(out.size(), 42u + 4 + 12 + 8 + 2 * (2 + 5 + 2 + 6 + 24) + 7);

    AlbumReader reader(out);
    std::optional<AlbumInfo> back = reader.ReadAlbumInfo();
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, a);
    EXPECT_EQ(reader.Remaining(), 0u);
}

TEST(AlbumFileFormat, ExtraRecordIsSixteenBytesAndReadsShortFilesAsZero) {
    AlbumExtra e;
    e.LiveFilter = 13, e.StampRange = true, e.StampEnd = 46001, e.ShowTitle = true, e.PencilSize = 2, e.PencilColor = 5;
    std::string out;
    EncodeAlbumExtra(e, out);
    ASSERT_EQ(out.size(), 16u);
    EXPECT_EQ(AlbumReader(out).ReadAlbumExtra(), e);
    AlbumExtra cut = AlbumReader(out.substr(0, 4)).ReadAlbumExtra();
    EXPECT_EQ(cut.LiveFilter, 13);
    EXPECT_TRUE(cut.StampRange);
    EXPECT_EQ(cut.StampEnd, 0);
}

TEST(AlbumFileFormat, TruncatedOrHostileRecordsFailWithoutReadingPastTheEnd) {
    std::string out;
    EncodeAlbumInfo(Sample(3), out);
    for (size_t length = 0; length < out.size(); ++length)
        EXPECT_FALSE(AlbumReader(std::string_view(out).substr(0, length)).ReadAlbumInfo()) << length;

    // A gallery count of two billion in a short file is refused before any allocation.
    std::string hostile = out;
    size_t list = 2 + 6 + 2 + 12 + 8;
    hostile.replace(list + 2, 4, std::string("\x00\x00\x00\x7F", 4));
    EXPECT_FALSE(AlbumReader(hostile).ReadAlbumInfo());
    hostile.replace(list + 2, 4, std::string("\xFF\xFF\xFF\xFF", 4));
    EXPECT_FALSE(AlbumReader(hostile).ReadAlbumInfo());
    // Only 0 and 1 are gallery-list dimension counts.
    hostile = out;
    hostile[list] = 2;
    EXPECT_FALSE(AlbumReader(hostile).ReadAlbumInfo());
}

} // namespace
} // namespace gb

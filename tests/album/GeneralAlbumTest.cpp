#include "AlbumTestSupport.h"
#include "album/AlbumFileFormat.h"
#include "album/AlbumUrl.h"
#include "album/FormEngine.h"
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "platform/Conventions.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

using test::ReadAll;
using test::WritePicture;

class AlbumFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::ResetAlbumState();
        AppSettings = AppSettingsRecord();
        AppSettings.Quality = 50;
        folder = dir.path().toStdString() + "/旅行 2026";
        mkdir(folder.c_str(), 0755);
        WritePicture(folder + "/a.jpg", 640, 480, QColor(200, 30, 30));
        WritePicture(folder + "/b.jpg", 480, 640, QColor(30, 30, 200));
    }
    void TearDown() override {
        if (!Album.Folder.empty()) DeleteWorkFiles();
    }
    // Opens the folder as the main window does, makes every thumbnail, and closes it.
    void OpenMakeThumbnailsClose(const std::string& path) {
        LoadAlbum(path);
        BuildGalleryList(!Album.Stored);
        RelayoutSheet();
        for (int i = 1; i <= Album.GalleryCount; ++i) GetThumbnail(i, false);
        SaveAlbum(path);
    }
    QTemporaryDir dir;
    std::string folder;
};

TEST_F(AlbumFileTest, NewFolderGetsDefaultsAndClosingWritesTheFile) {
    LoadAlbum(folder);
    EXPECT_FALSE(Album.Stored);
    EXPECT_EQ(Album.Title, "旅行 2026");
    EXPECT_EQ(Album.Folder, folder);
    EXPECT_EQ(Album.Zoom, 100);
    EXPECT_EQ(Album.CellSize, 80);
    EXPECT_EQ(Album.Columns, 8);
    EXPECT_EQ(Album.Interval, 3);
    EXPECT_TRUE(Album.SheetChanged);
    EXPECT_EQ(Extra, AlbumExtra());
    struct stat st {};
    stat(folder.c_str(), &st);
    EXPECT_EQ(Album.Stamp, DateFromTime(st.st_mtime));
    EXPECT_FALSE(BitmapWorkFile().empty());
    EXPECT_NE(BitmapWorkFile(), JpegWorkFile());

    BuildGalleryList(true);
    RelayoutSheet();
    GetThumbnail(1, false);
    GetThumbnail(2, false);
    std::string work = JpegWorkFile();
    SaveAlbum(folder);
    EXPECT_TRUE(JpegWorkFile().empty());
    EXPECT_NE(access(work.c_str(), F_OK), 0); // work files are gone

    std::string file = ReadAll(folder + "/Browse.GBX");
    ASSERT_GT(file.size(), 21u);
    EXPECT_EQ(file.substr(21, 2), "\xFF\xFF");
    AlbumInfo stored = ReadAlbumInfo(folder);
    ASSERT_EQ(stored.Galleries.size(), 2u);
    EXPECT_EQ(stored.Gallery(2).Title, "b");
    EXPECT_EQ(stored.Gallery(2).ThumbWidth, 60);
    EXPECT_TRUE(stored.Gallery(2).ThumbMade);
    EXPECT_FALSE(stored.SheetChanged);
    EXPECT_GT(stored.SheetLength, 0);
    // The stored sheet is a JPEG.
    size_t sheetAt = 21 + [&] { std::string r; EncodeAlbumInfo(stored, r); return r.size(); }();
    EXPECT_EQ(file.substr(sheetAt, 2), "\xFF\xD8");
}

TEST_F(AlbumFileTest, UnchangedOpenAndCloseWritesTheSameBytes) {
    OpenMakeThumbnailsClose(folder);
    std::string first = ReadAll(folder + "/Browse.GBX");
    OpenMakeThumbnailsClose(folder);
    EXPECT_TRUE(Album.Stored);
    EXPECT_EQ(ReadAll(folder + "/Browse.GBX"), first);
}

TEST_F(AlbumFileTest, MovedFolderOpensWithItsNewPathAndThumbnails) {
    OpenMakeThumbnailsClose(folder);
    std::string moved = dir.path().toStdString() + "/別の名前";
    ASSERT_EQ(rename(folder.c_str(), moved.c_str()), 0);
    FormEngine::Instance().ResizeSheet(0, 0); // as small as before the first album
    LoadAlbum(moved);
    EXPECT_EQ(Album.Folder, moved);
    EXPECT_EQ(Album.Title, "旅行 2026");
    ASSERT_EQ(Album.GalleryCount, 2);
    EXPECT_TRUE(Album.Gallery(1).ThumbMade);
    // The thumbnail comes out of the stored sheet: red, like the picture.
    QColor red = GetThumbnail(1, false).Image().pixelColor(40, 30);
    EXPECT_GT(red.red(), 150);
    EXPECT_LT(red.blue(), 100);
    SaveAlbum(moved);
}

TEST_F(AlbumFileTest, ReadOnlyAlbumFileIsMadeWritableAndReplaced) {
    OpenMakeThumbnailsClose(folder);
    std::string file = folder + "/Browse.GBX";
    chmod(file.c_str(), 0444);
    LoadAlbum(folder);
    struct stat st {};
    stat(file.c_str(), &st);
    EXPECT_TRUE(st.st_mode & S_IWUSR);
    Album.Title = "新しい題";
    SaveAlbum(folder);
    EXPECT_EQ(ReadAlbumInfo(folder).Title, "新しい題");
}

TEST_F(AlbumFileTest, NonCreatableStreamReadsButNeverWrites) {
    AppSettings.NonCreatableStream = true;
    OpenMakeThumbnailsClose(folder);
    EXPECT_NE(access((folder + "/Browse.GBX").c_str(), F_OK), 0);

    AppSettings.NonCreatableStream = false;
    OpenMakeThumbnailsClose(folder);
    std::string before = ReadAll(folder + "/Browse.GBX");
    AppSettings.NonCreatableStream = true;
    LoadAlbum(folder);
    EXPECT_TRUE(Album.Stored);
    Album.Title = "changed";
    SaveAlbum(folder);
    EXPECT_EQ(ReadAll(folder + "/Browse.GBX"), before);
}

TEST_F(AlbumFileTest, DamagedFileIsKeptAsideAndTheAlbumStartsAfresh) {
    std::ofstream(folder + "/Browse.GBX", std::ios::binary) << "not an album file";
    LoadAlbum(folder);
    EXPECT_FALSE(Album.Stored);
    EXPECT_EQ(Album.Title, "旅行 2026");
    BuildGalleryList(true);
    RelayoutSheet();
    SaveAlbum(folder);
    EXPECT_EQ(ReadAll(folder + "/Browse.GBX.damaged"), "not an album file");
    EXPECT_EQ(ReadAlbumInfo(folder).GalleryCount, 2);
}

TEST_F(AlbumFileTest, TruncatedSheetKeepsTheGalleriesButNotTheirThumbnails) {
    OpenMakeThumbnailsClose(folder);
    std::string file = ReadAll(folder + "/Browse.GBX");
    std::string record;
    EncodeAlbumInfo(ReadAlbumInfo(folder), record);
    std::ofstream(folder + "/Browse.GBX", std::ios::binary) << file.substr(0, 21 + record.size() + 10);
    LoadAlbum(folder);
    ASSERT_EQ(Album.GalleryCount, 2);
    EXPECT_EQ(Album.Gallery(1).Title, "a");
    EXPECT_FALSE(Album.Gallery(1).ThumbMade);
    EXPECT_TRUE(Album.SheetChanged);
    SaveAlbum(folder);
}

TEST_F(AlbumFileTest, ReadAlbumInfoPeeksWithoutCheckingTheSignature) {
    EXPECT_EQ(ReadAlbumInfo(folder), AlbumInfo());
    EXPECT_EQ(ReadAlbumInfo(folder + "/missing"), AlbumInfo());
    AlbumInfo a = DefaultAlbumInfo(folder);
    a.Title = "題";
    std::string bytes(21, 'x');
    EncodeAlbumInfo(a, bytes);
    std::ofstream(folder + "/Browse.GBX", std::ios::binary) << bytes;
    Album.Title = "current";
    EXPECT_EQ(ReadAlbumInfo(folder).Title, "題");
    EXPECT_EQ(Album.Title, "current");
}

TEST_F(AlbumFileTest, MissingAndReadOnlyFoldersLoseNothing) {
    // A folder that is gone opens as an empty album of its own and writes nothing.
    Album.Title = "previous album";
    std::string gone = folder + "/gone";
    LoadAlbum(gone);
    EXPECT_EQ(Album.Folder, gone);
    EXPECT_EQ(Album.GalleryCount, 0);
    EXPECT_NE(Album.Title, "previous album");
    SaveAlbum(gone);
    EXPECT_NE(access(gone.c_str(), F_OK), 0);

    // A folder that cannot be written keeps its album file as it was.
    OpenMakeThumbnailsClose(folder);
    std::string before = ReadAll(folder + "/Browse.GBX");
    chmod(folder.c_str(), 0555);
    if (access(folder.c_str(), W_OK) == 0) {
        chmod(folder.c_str(), 0755);
        GTEST_SKIP() << "this user writes into read-only folders";
    }
    LoadAlbum(folder);
    Album.Title = "not stored";
    SaveAlbum(folder);
    chmod(folder.c_str(), 0755);
    EXPECT_EQ(ReadAll(folder + "/Browse.GBX"), before);
}

class AlbumUrlTest : public AlbumFileTest {};

TEST_F(AlbumUrlTest, ShortcutFileIsChosenReadAndWritten) {
    Album.Folder = folder;
    EXPECT_EQ(AlbumUrlFile(), folder + "/Browse.URL");
    EXPECT_EQ(ReadAlbumUrl(), "");
    WriteAlbumUrl("https://example.org/写真/");
    EXPECT_EQ(ReadAll(folder + "/Browse.URL"), "[InternetShortcut]\r\nURL=https://example.org/\x8e\xca\x90\x5e/\r\n");
    EXPECT_EQ(ReadAlbumUrl(), "https://example.org/写真/");

    std::remove((folder + "/Browse.URL").c_str());
    std::ofstream(folder + "/Trip.url") << "[InternetShortcut]\r\nURL=http://a/\r\nIconIndex=3\r\n";
    EXPECT_EQ(AlbumUrlFile(), folder + "/Trip.url");
    WriteAlbumUrl("http://b/" + std::string(300, 'x'));
    EXPECT_EQ(ReadAlbumUrl().size(), 254u);
    EXPECT_NE(ReadAll(folder + "/Trip.url").find("IconIndex=3"), std::string::npos);

    AppSettings.NonCreatableStream = true;
    WriteAlbumUrl("http://never/");
    EXPECT_EQ(ReadAlbumUrl().substr(0, 9), "http://b/");
}

} // namespace
} // namespace gb

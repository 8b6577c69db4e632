// The Internet page against a web server of the test on 127.0.0.1: searching a page,
// choosing pictures, downloading them into the album folder, the overwrite option,
// refused and failed downloads, names that cannot be stored, and cancelling.
#include "EditorTestSupport.h"
#include "TestWebServer.h"
#include "album/AlbumRecords.h"
#include "album/AlbumUrl.h"
#include "editor/InternetPage.h"
#include "platform/FileIO.h"
#include "platform/Folders.h"
#include "platform/net/AsyncDownloads.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::DialogEcho;
using test::EventLogWatch;
using test::Message;
using test::PictureBytes;
using test::TestWebServer;

bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 20000); }

std::string FileText(const std::string& path) { return ReadFileBytes(path).value_or("<missing>"); }

// The temporary download files left behind.
int Leftovers() { return int(QDir(QString::fromStdString(TempPath())).entryList({"~DL*.TMP"}, QDir::Files).size()); }

class InternetPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        server.Serve("/dir/index.html",
                     "<html><body><img src=\"pic/a.jpg\"><IMG SRC = \"/img/b.GIF\">"
                     "<a href=\"big/c.jpg\">c</a><a href=\"x.png\">png</a><img src=\"pic/a.jpg\">"
                     "<img src=\"pic/st*r.jpg\"><img src=\"pic/gone.jpg\"></body></html>");
        server.Serve("/dir/pic/a.jpg", a, "image/jpeg");
        server.Serve("/img/b.GIF", b, "image/gif");
        server.Serve("/dir/big/c.jpg", c, "image/jpeg");
        server.Serve("/dir/pic/st*r.jpg", c, "image/jpeg");
        page.TextAddress->setText(QString::fromStdString(server.Url("/dir/index.html")));
    }

    std::vector<std::string> Items() const {
        std::vector<std::string> items;
        for (int i = 0; i < page.ListParse->count(); ++i) items.push_back(page.ListParse->item(i)->text().toStdString());
        std::sort(items.begin(), items.end());
        return items;
    }
    QListWidgetItem* Item(const std::string& text) const {
        const auto found = page.ListParse->findItems(QString::fromStdString(text), Qt::MatchExactly);
        return found.isEmpty() ? nullptr : found.first();
    }
    void Search() {
        page.CommandParse->click();
        ASSERT_EQ(page.State(), InternetPage::Searching);
        ASSERT_TRUE(WaitFor([&] { return page.State() == InternetPage::Results; }));
    }
    // Downloads the named pictures and waits until the page is done.
    void Download(const std::vector<std::string>& names) {
        for (const std::string& name : names) Item(name)->setSelected(true);
        ASSERT_TRUE(page.CommandDownload->isEnabled());
        page.CommandDownload->click();
        ASSERT_TRUE(WaitFor([&] { return page.State() == InternetPage::Finished; }));
    }
    std::string InAlbum(const std::string& name) const { return album.Folder() + "/" + name; }
    int BusyCount() const {
        int count = 0;
        for (const auto& busy : status)
            if (busy) count += *busy ? 1 : -1;
        return count;
    }

    QTemporaryDir dir;
    DialogEcho echo;
    EventLogWatch log;
    TestWebServer server;
    test::OpenAlbum album{dir, "旅の写真", {{"1.jpg", PictureBytes(40, 30, 60)}, {"a.jpg", PictureBytes(40, 30, 100)}}};
    QByteArray a = PictureBytes(64, 48, 10), b = PictureBytes(20, 20, 90, "GIF"), c = PictureBytes(48, 64, 200);
    std::vector<std::optional<bool>> status;
    std::vector<int16_t> messages, thumbnails;
    int reloads = 0, properties = 0;
    InternetPage page{{[this](std::optional<bool> busy, int16_t message) {
                           status.push_back(busy);
                           messages.push_back(message);
                       },
                       [this](int16_t mode) { thumbnails.push_back(mode); }, [this] { ++properties; },
                       [this] { ++reloads; }}};
};

TEST_F(InternetPageTest, APageShowsItsPicturesAndTheChosenOnesBecomeGalleries) {
    Search();
    EXPECT_EQ(Items(), (std::vector<std::string>{"a.jpg", "b.GIF", "gone.jpg", "st*r.jpg", "ﾘﾝｸ~c.jpg"}));
    EXPECT_EQ(page.FoundLinks[size_t(Item("b.GIF")->data(Qt::UserRole).toInt() - 1)], server.Url("/img/b.GIF"));
    EXPECT_EQ(page.FoundLinks[size_t(Item("ﾘﾝｸ~c.jpg")->data(Qt::UserRole).toInt() - 1)], server.Url("/dir/big/c.jpg"));
    EXPECT_EQ(ReadAlbumUrl(), server.Url("/dir/index.html"));
    EXPECT_TRUE(QFile::exists(QString::fromStdString(InAlbum("Browse.URL"))));

    // JPEG only: the .jpg items in any case, the list locked; free choice clears them.
    page.OptionQueries[InternetPage::QueryJpeg]->click();
    EXPECT_FALSE(page.ListParse->isEnabled());
    EXPECT_EQ(page.ListParse->selectedItems().size(), 4);
    EXPECT_FALSE(Item("b.GIF")->isSelected());
    EXPECT_TRUE(page.CommandDownload->isEnabled());
    page.OptionQueries[InternetPage::QueryFree]->click();
    EXPECT_TRUE(page.ListParse->isEnabled());
    EXPECT_TRUE(page.ListParse->selectedItems().isEmpty());
    EXPECT_FALSE(page.CommandDownload->isEnabled());

    Download({"b.GIF", "ﾘﾝｸ~c.jpg"});
    EXPECT_EQ(FileText(InAlbum("b.GIF")), b.toStdString());
    EXPECT_EQ(FileText(InAlbum("ﾘﾝｸ~c.jpg")), c.toStdString());
    ASSERT_EQ(Album.GalleryCount, 4);
    EXPECT_EQ(Album.Gallery(3).FileName == "b.GIF" || Album.Gallery(4).FileName == "b.GIF", true);
    EXPECT_EQ(thumbnails, (std::vector<int16_t>{2, 2}));
    EXPECT_EQ(reloads, 2);
    EXPECT_EQ(properties, 2);
    EXPECT_EQ(Items(), (std::vector<std::string>{"a.jpg", "gone.jpg", "st*r.jpg"}));
    EXPECT_FALSE(page.CommandDownload->isEnabled());
    EXPECT_TRUE(page.CommandDownload->isVisibleTo(&page));
    EXPECT_FALSE(page.CommandBlank->isVisibleTo(&page));
    EXPECT_EQ(BusyCount(), 0);
    EXPECT_EQ(messages.back(), 2009);
    EXPECT_EQ(Leftovers(), 0);
    EXPECT_EQ(echo.Take(), "");
}

TEST_F(InternetPageTest, ANameAlreadyInTheFolderIsReplacedOnlyWithTheOverwriteOption) {
    Album.Gallery(2).Title = "港の朝";
    const std::string before = FileText(InAlbum("a.jpg"));
    Search();
    page.CheckQuery->setChecked(false);
    Download({"a.jpg"});
    EXPECT_EQ(FileText(InAlbum("a.jpg")), before);
    EXPECT_TRUE(thumbnails.empty());

    Search();
    EXPECT_FALSE(page.CheckQuery->isChecked()); // the choice stays
    page.CheckQuery->setChecked(true);
    Download({"a.jpg"});
    EXPECT_EQ(FileText(InAlbum("a.jpg")), a.toStdString());
    ASSERT_EQ(Album.GalleryCount, 2);
    EXPECT_EQ(Album.Gallery(2).FileName, "a.jpg");
    EXPECT_EQ(Album.Gallery(2).Title, "港の朝");
    EXPECT_EQ(thumbnails, std::vector<int16_t>{0});
    EXPECT_EQ(Leftovers(), 0);
}

TEST_F(InternetPageTest, FailedAndUnstorablePicturesLeaveTheListAndAreLogged) {
    Search();
    Download({"gone.jpg", "st*r.jpg"});
    // gone.jpg was not found on the server; st*r.jpg arrived but is no plain file name.
    EXPECT_FALSE(QFile::exists(QString::fromStdString(InAlbum("gone.jpg"))));
    EXPECT_TRUE(QDir(QString::fromStdString(album.Folder())).entryList({"st*"}).isEmpty());
    EXPECT_EQ(Album.GalleryCount, 2);
    ASSERT_EQ(log.Events().size(), 1u);
    EXPECT_NE(log.Events()[0].find("gone.jpg"), std::string::npos);
    EXPECT_EQ(Items(), (std::vector<std::string>{"a.jpg", "b.GIF", "ﾘﾝｸ~c.jpg"}));
    EXPECT_EQ(BusyCount(), 0);
    EXPECT_EQ(Leftovers(), 0);
}

TEST_F(InternetPageTest, ASearchThatCannotBeHadAsksToCheckTheAddress) {
    struct Case {
        std::string address;
        bool logged;
    } cases[] = {
        {"not an address", true},                      // refused at once
        {server.Url("/missing.html"), true},           // the server has no such page
        {"gopher://127.0.0.1/x.html", true},           // a scheme the downloads do not speak
    };
    for (const Case& c : cases) {
        const size_t events = log.Events().size();
        page.TextAddress->setText(QString::fromStdString(c.address));
        page.CommandParse->click();
        ASSERT_TRUE(WaitFor([&] { return page.State() == InternetPage::Results; })) << c.address;
        EXPECT_EQ(echo.Take(), Message("アドレスを確認してください", 48)) << c.address;
        EXPECT_EQ(log.Events().size() > events, c.logged) << c.address;
        EXPECT_EQ(page.ListParse->count(), 0);
    }
    EXPECT_EQ(BusyCount(), 0);
    // A page without pictures is no failure.
    server.Serve("/plain.html", "<p>nothing to see</p>");
    page.TextAddress->setText(QString::fromStdString(server.Url("/plain.html")));
    Search();
    EXPECT_EQ(page.ListParse->count(), 0);
    EXPECT_EQ(echo.Take(), "");
}

TEST_F(InternetPageTest, CancelStopsWaitingAndAPictureArrivingLaterIsStillStored) {
    server.Hold("/dir/pic/a.jpg");
    QTest::keyClick(page.TextAddress, Qt::Key_Return); // Enter presses "検索..."
    ASSERT_TRUE(WaitFor([&] { return page.State() == InternetPage::Results; }));
    const int key = Item("a.jpg")->data(Qt::UserRole).toInt();
    Item("a.jpg")->setSelected(true);
    page.CommandDownload->click();
    ASSERT_EQ(page.State(), InternetPage::Downloading);
    EXPECT_TRUE(page.CommandBlank->isVisibleTo(&page));
    ASSERT_TRUE(WaitFor([&] {
        return std::count(server.Requested().begin(), server.Requested().end(), "/dir/pic/a.jpg") > 0;
    }));
    QTest::keyClick(&page, Qt::Key_Escape); // Esc presses "キャンセル"
    EXPECT_EQ(echo.Take(), Message("ダウンロードを取り消しました\\nすでに要求した処理はそのまま継続されます", 64));
    EXPECT_EQ(page.State(), InternetPage::Ready);
    EXPECT_EQ(page.Internet->PendingReads(), 0);
    EXPECT_EQ(BusyCount(), 0);
    EXPECT_EQ(Leftovers(), 0);

    // A completion already on its way when the cancel came.
    const std::string late = TempPath() + "late-a.jpg";
    ASSERT_TRUE(WriteFileBytes(late, a.toStdString()));
    AsyncProperty arrived;
    arrived.Type = AsyncTypeFile;
    arrived.Key = InternetPage::KeyOf(key);
    arrived.Ok = true;
    arrived.File = late;
    page.Internet_AsyncReadComplete(arrived);
    EXPECT_EQ(FileText(InAlbum("a.jpg")), a.toStdString());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(late)));
    EXPECT_EQ(page.State(), InternetPage::Finished);
    EXPECT_EQ(BusyCount(), 0);

    // One whose key no item carries is logged and its file removed.
    ASSERT_TRUE(WriteFileBytes(late, "x"));
    page.Internet_AsyncReadComplete(arrived);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(late)));
    EXPECT_FALSE(log.Events().empty());
}

TEST_F(InternetPageTest, TheNewPageStartsEmptyAndWaitsForAnAddress) {
    InternetPage fresh({});
    EXPECT_EQ(fresh.TextAddress->text(), ""); // the album has no address yet
    EXPECT_FALSE(fresh.CommandParse->isEnabled());
    EXPECT_FALSE(fresh.CheckBrowser->isEnabled());
    for (QWidget* w : std::initializer_list<QWidget*>{fresh.ListParse, fresh.OptionQueries[0], fresh.CheckQuery,
                                                      fresh.CommandDownload})
        EXPECT_FALSE(w->isEnabled());
    EXPECT_TRUE(fresh.OptionQueries[0]->isChecked());
    EXPECT_TRUE(fresh.CheckQuery->isChecked());
    EXPECT_FALSE(fresh.CommandBlank->isVisibleTo(&fresh));
    fresh.TextAddress->setText("http://h.example/");
    EXPECT_TRUE(fresh.CommandParse->isEnabled());
    EXPECT_TRUE(fresh.CheckBrowser->isEnabled());
    EXPECT_EQ(fresh.Internet->size(), QSize(24, 24));
}

TEST(AsyncDownloads, FilesAndBytesArriveWithTheirKeysAndCancelledOnesNever) {
    TestWebServer server;
    server.Serve("/p.jpg", "picture bytes", "image/jpeg");
    server.Serve("/page.html", "<p>", "text/html; charset=Shift_JIS");
    server.Hold("/slow.jpg");
    AsyncDownloads downloads;
    std::vector<AsyncResult> done;
    downloads.Completed = [&](const AsyncResult& r) { done.push_back(r); };
    std::string error;
    ASSERT_TRUE(downloads.Start(server.Url("/p.jpg"), AsyncTypeFile, " 1", error));
    ASSERT_TRUE(downloads.Start(server.Url("/page.html"), AsyncTypeByteArray, "", error));
    ASSERT_TRUE(downloads.Start(server.Url("/slow.jpg"), AsyncTypeFile, " 2", error));
    ASSERT_TRUE(WaitFor([&] { return done.size() == 2; }));
    ASSERT_TRUE(WaitFor([&] { return server.Requested().size() == 3; }));
    EXPECT_TRUE(downloads.Cancel(" 2"));
    EXPECT_FALSE(downloads.Cancel(" 2"));
    QTest::qWait(50);
    ASSERT_EQ(done.size(), 2u);
    for (const AsyncResult& r : done) {
        EXPECT_TRUE(r.Ok) << r.Error;
        if (r.Type == AsyncTypeFile) {
            EXPECT_EQ(r.Key, " 1");
            EXPECT_EQ(FileText(r.File), "picture bytes");
            RemoveFile(r.File);
        } else {
            EXPECT_EQ(r.Bytes, "<p>");
            EXPECT_EQ(r.ContentType, "text/html; charset=Shift_JIS");
        }
    }
    EXPECT_EQ(Leftovers(), 0);
    for (const char* refused : {"relative/x.jpg", "mailto:someone@example.com", ""})
        EXPECT_FALSE(downloads.Start(refused, AsyncTypeFile, "", error)) << refused;
}

} // namespace
} // namespace gb

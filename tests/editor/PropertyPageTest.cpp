// The album property pages: each control writes the album records at once, the pages
// show the records again, and outside edit mode nothing can be changed.
#include "../options/ModalSteps.h"
#include "album/AlbumRecords.h"
#include "editor/AlbumPropertyPage.h"
#include "editor/GeneralProperty.h"
#include "editor/LockableComboBox.h"
#include "editor/SlideshowPropertyPage.h"
#include "shell/CompanionLibraries.h"
#include "toolkit/ClassImageList.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <deque>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::ModalSteps;

double Day(int year, int month, int day) { return DayCountOfDate(QDate(year, month, day)); }

TEST(PropertyRules, TheCaptionShowsTheTitleBeforeTheProgramTitle) {
    EXPECT_EQ(AlbumCaption(""), AppTitle());
    EXPECT_EQ(AlbumCaption("夏休み"), "夏休み - " + AppTitle());
}

TEST(PropertyRules, CountsUseTheSectionOfTheirSign) {
    const std::string format = "全 # 点;<ｴﾗｰ>;(なし)";
    EXPECT_EQ(FormatCount(12, format), "全 12 点");
    EXPECT_EQ(FormatCount(1, format), "全 1 点");
    EXPECT_EQ(FormatCount(0, format), "(なし)");
    EXPECT_EQ(FormatCount(-1, format), "<ｴﾗｰ>");
    EXPECT_EQ(FormatCount(-5, "# 枚"), "-5 枚");
}

TEST(PropertyRules, TheScreenSizeIsTheLeadingNumberWithinTenToAThousand) {
    const std::pair<std::string, std::optional<int16_t>> cases[] = {
        {"100%", 100}, {"2000%", 1000}, {"5", 10},      {"abc", 10},     {"", 10},        {"150%", 150},
        {" 75 %", 75}, {"-20%", 10},    {"100.5", 100}, {"101.5%", 102}, {"99999", std::nullopt},
        {"32767", 1000}, {"1000%x", 1000},
    };
    for (const auto& [text, zoom] : cases) EXPECT_EQ(ZoomOfText(text), zoom) << text;
}

TEST(PropertyRules, LiveFiltersAreEntriesOneToFourForTwelveToFifteen) {
    const std::pair<int16_t, int> cases[] = {{0, 0}, {12, 1}, {13, 2}, {14, 3}, {15, 4}, {5, 0}, {16, 0}};
    for (const auto& [filter, entry] : cases) {
        EXPECT_EQ(LiveFilterEntry(filter), entry) << filter;
        if (entry != 0) {
            EXPECT_EQ(LiveFilterOfEntry(entry), filter);
        }
    }
    EXPECT_EQ(LiveFilterOfEntry(0), 0);
}

class PropertyPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        album = QDir(dir.path()).filePath("アルバム").toStdString();
        elsewhere = QDir(dir.path()).filePath("音楽").toStdString();
        QDir().mkpath(QString::fromStdString(album));
        QDir().mkpath(QString::fromStdString(elsewhere));
        Album = AlbumInfo();
        Extra = AlbumExtra();
        Album.Title = "夏休み";
        Album.Folder = album;
        Album.Stamp = Day(2024, 5, 3) + 0.5; // noon
        Album.Zoom = 100;
        Album.Interval = 3;
        commands.UseMask = true;
        commands.MaskColor = 0xFF00FF;
        commands.Create();
        for (int i = 0; i < 13; ++i) commands.Add(QImage(16, 16, QImage::Format_RGB32));
        window.resize(340, 520);
        albumPage = new AlbumPropertyPage(&window);
        albumPage->resize(340, 520);
        slideshowPage = new SlideshowPropertyPage(&window, commands);
        slideshowPage->resize(340, 520);
        window.show();
    }
    void TearDown() override {
        Album = AlbumInfo();
        Extra = AlbumExtra();
    }
    void Show(bool editMode) {
        albumPage->ShowAlbumProperties();
        slideshowPage->ShowAlbumProperties();
        albumPage->ApplyEditMode(editMode);
        slideshowPage->ApplyEditMode(editMode);
    }
    void WriteFile(const std::string& path, const std::string& content) {
        QFile f(QString::fromStdString(path));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.data(), qint64(content.size()));
    }

    QTemporaryDir dir;
    std::string album, elsewhere;
    ClassImageList commands;
    QWidget window;
    AlbumPropertyPage* albumPage = nullptr;
    SlideshowPropertyPage* slideshowPage = nullptr;
};

TEST_F(PropertyPageTest, ThePagesShowTheRecordsWithoutChangingThem) {
    Album.GalleryCount = 12;
    Album.Effect = 7;
    Album.Music = "bgm.mid";
    Album.SoundEffects = true;
    Extra.LiveFilter = 13;
    const AlbumInfo before = Album;
    const AlbumExtra extraBefore = Extra;
    Show(true);
    EXPECT_EQ(albumPage->TextTitle->text().toStdString(), "夏休み");
    EXPECT_EQ(albumPage->LabelGallery->text().toStdString(), "全 12 点");
    EXPECT_EQ(albumPage->TextPath->text().toStdString(), album);
    EXPECT_EQ(albumPage->CalendarStamp.SelMin(), Day(2024, 5, 3));
    EXPECT_EQ(slideshowPage->ComboZoom->currentText().toStdString(), "100%");
    EXPECT_EQ(slideshowPage->TextInterval->text().toStdString(), "3");
    EXPECT_EQ(slideshowPage->ComboBoxExEffect.ListIndex(), 7);
    EXPECT_EQ(slideshowPage->ComboBoxExEffect.List(7), "ディゾルブ");
    EXPECT_EQ(slideshowPage->ComboEffect->currentIndex(), 2);
    EXPECT_TRUE(slideshowPage->OptionSounds[1]->isChecked());
    EXPECT_EQ(slideshowPage->TextSound->text().toStdString(), "bgm.mid");
    EXPECT_TRUE(slideshowPage->CommandSound->isEnabled());
    EXPECT_TRUE(slideshowPage->CheckSound->isChecked());
    // The time of day of the album date survives the showing.
    EXPECT_EQ(Album, before);
    EXPECT_EQ(Extra, extraBefore);

    Album.GalleryCount = 0;
    Extra.StampRange = true;
    Extra.StampEnd = Day(2024, 5, 5);
    Show(true);
    EXPECT_EQ(albumPage->LabelGallery->text().toStdString(), "(なし)");
    EXPECT_EQ(albumPage->CalendarStamp.SelMax(), Day(2024, 5, 5));
}

TEST_F(PropertyPageTest, TheCalendarStoresADayOrARangeOfAtMostTenDays) {
    Show(true);
    struct Case {
        double first, last;
        bool accepted;
        double stamp, end;
        bool range;
    } cases[] = {
        {Day(2024, 5, 3), Day(2024, 5, 5), true, Day(2024, 5, 3), Day(2024, 5, 5), true},
        {Day(2024, 6, 1), Day(2024, 6, 1), true, Day(2024, 6, 1), Day(2024, 6, 1), false},
        {Day(2024, 7, 1), Day(2024, 7, 10), true, Day(2024, 7, 1), Day(2024, 7, 10), true},
        {Day(2024, 8, 1), Day(2024, 8, 11), false, Day(2024, 7, 1), Day(2024, 7, 10), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(albumPage->CalendarStamp.SelRange(c.first, c.last), c.accepted);
        albumPage->CalendarStamp.Events.Change(); // as the calendar reports a choice
        EXPECT_EQ(Album.Stamp, c.stamp);
        EXPECT_EQ(Extra.StampEnd, c.end);
        EXPECT_EQ(Extra.StampRange, c.range);
    }
}

TEST_F(PropertyPageTest, TypingChangesTitleSizeAndIntervalAtOnce) {
    Show(true);
    QTest::keyClicks(albumPage->TextTitle, "!");
    EXPECT_EQ(Album.Title, "夏休み!");

    const std::pair<const char*, int16_t> zooms[] = {{"2000%", 1000}, {"5", 10}, {"xyz", 10}, {"75%", 75}};
    for (const auto& [text, zoom] : zooms) {
        slideshowPage->ComboZoom->lineEdit()->clear();
        QTest::keyClicks(slideshowPage->ComboZoom->lineEdit(), text);
        EXPECT_EQ(Album.Zoom, zoom) << text;
    }
    slideshowPage->ComboZoom->setEditText("99999");
    EXPECT_EQ(Album.Zoom, 75); // too large for the record: the size stays

    QLineEdit* interval = slideshowPage->TextInterval;
    interval->setFocus();
    interval->selectAll();
    QTest::keyClicks(interval, "a1b23");
    EXPECT_EQ(interval->text().toStdString(), "12");
    EXPECT_EQ(Album.Interval, 12);
    EXPECT_EQ(slideshowPage->UpDownInterval.Current(), 12);
}

TEST_F(PropertyPageTest, TheIntervalArrowsStopAtOneAndFifty) {
    Show(true);
    QLineEdit* interval = slideshowPage->TextInterval;
    interval->setText("49");
    for (int i = 0; i < 3; ++i) QTest::keyClick(interval, Qt::Key_Up);
    EXPECT_EQ(Album.Interval, 50);
    interval->setText("2");
    for (int i = 0; i < 3; ++i) QTest::keyClick(interval, Qt::Key_Down);
    EXPECT_EQ(Album.Interval, 1);
    EXPECT_EQ(interval->text().toStdString(), "1");
    // A number outside the range stands while it is typed; leaving the box puts the
    // up-down control's position in its place.
    interval->setText("0");
    EXPECT_EQ(Album.Interval, 0);
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(interval, &out);
    EXPECT_EQ(interval->text().toStdString(), "1");
    EXPECT_EQ(Album.Interval, 1);
}

TEST_F(PropertyPageTest, EffectFilterAndSoundsAreStoredAsChosen) {
    Show(true);
    ASSERT_EQ(slideshowPage->ComboBoxExEffect.ListCount(), 16);
    EXPECT_EQ(slideshowPage->ComboBoxExEffect.List(0), "(なし)");
    EXPECT_EQ(slideshowPage->ComboBoxExEffect.List(15), "ランダム");
    slideshowPage->ComboBoxExEffect.SetListIndex(11);
    slideshowPage->ComboBoxExEffect.Events.Change();
    EXPECT_EQ(Album.Effect, 11);

    slideshowPage->ComboEffect->setCurrentIndex(2);
    emit slideshowPage->ComboEffect->activated(2);
    EXPECT_EQ(Extra.LiveFilter, 13);
    slideshowPage->ShowAlbumProperties();
    EXPECT_EQ(slideshowPage->ComboEffect->currentIndex(), 2);

    slideshowPage->CheckSound->click();
    EXPECT_TRUE(Album.SoundEffects);
    slideshowPage->CheckSound->click();
    EXPECT_FALSE(Album.SoundEffects);

    Album.Music = "bgm.mid";
    slideshowPage->ShowAlbumProperties();
    slideshowPage->OptionSounds[0]->click();
    EXPECT_EQ(Album.Music, "");
    EXPECT_TRUE(slideshowPage->TextSound->text().isEmpty());
    EXPECT_FALSE(slideshowPage->CommandSound->isEnabled());
    slideshowPage->OptionSounds[1]->click();
    EXPECT_TRUE(slideshowPage->CommandSound->isEnabled());
}

TEST_F(PropertyPageTest, OutsideEditModeEveryEditingControlIsLocked) {
    Album.Music = "bgm.mid";
    Show(false);
    EXPECT_TRUE(albumPage->TextTitle->isReadOnly());
    EXPECT_FALSE(albumPage->CommandTitle->isEnabled());
    EXPECT_FALSE(albumPage->CalendarStamp.Enabled());
    EXPECT_TRUE(slideshowPage->ComboZoom->Locked());
    EXPECT_FALSE(slideshowPage->TextInterval->isEnabled());
    EXPECT_FALSE(slideshowPage->UpDownInterval.Enabled());
    EXPECT_FALSE(slideshowPage->ComboBoxExEffect.Enabled());
    EXPECT_FALSE(slideshowPage->ComboEffect->isEnabled());
    EXPECT_FALSE(slideshowPage->FrameSound->isEnabled());
    EXPECT_FALSE(slideshowPage->CommandSound->isEnabled());
    EXPECT_FALSE(slideshowPage->CheckSound->isEnabled());
    // The folder can still be selected and copied.
    EXPECT_TRUE(albumPage->TextPath->isEnabled());
    albumPage->TextPath->selectAll();
    EXPECT_EQ(albumPage->TextPath->selectedText().toStdString(), album);

    QTest::keyClicks(albumPage->TextTitle, "x");
    QTest::keyClicks(slideshowPage->ComboZoom->lineEdit(), "5");
    EXPECT_EQ(Album.Title, "夏休み");
    EXPECT_EQ(Album.Zoom, 100);

    Show(true);
    EXPECT_FALSE(albumPage->TextTitle->isReadOnly());
    EXPECT_FALSE(slideshowPage->ComboZoom->Locked());
    EXPECT_TRUE(slideshowPage->CommandSound->isEnabled());
}

// The music choice with scripted answers: Yes copies, No keeps the path, Cancel keeps
// the old music, a failed copy offers Abort, Retry and Ignore.
TEST_F(PropertyPageTest, MusicFromTheAlbumIsKeptByNameAndFromElsewhereAsAsked) {
    struct Case {
        const char* what;
        std::string folder;
        std::deque<int> answers;
        std::deque<bool> copies; // results of the copy attempts
        std::optional<std::string> music;
        bool quit;
        int asked;
    } cases[] = {
        {"album folder", album, {}, {}, "song.mid", false, 0},
        {"elsewhere, No", elsewhere, {7}, {}, elsewhere + "/song.mid", false, 1},
        {"elsewhere, Yes", elsewhere, {6}, {true}, "song.mid", false, 1},
        {"elsewhere, Cancel", elsewhere, {2}, {}, std::nullopt, false, 1},
        {"copy fails, Retry", elsewhere, {6, 4}, {false, true}, "song.mid", false, 2},
        {"copy fails, Ignore", elsewhere, {6, 5}, {false}, "song.mid", false, 2},
        {"copy fails, Abort", elsewhere, {6, 3}, {false}, std::nullopt, true, 2},
    };
    for (const Case& c : cases) {
        std::deque<int> answers = c.answers;
        std::deque<bool> copies = c.copies;
        std::vector<uint32_t> styles;
        DialogPrompts prompts;
        prompts.Message = [&](const std::string&, uint32_t style) {
            styles.push_back(style);
            int answer = answers.front();
            answers.pop_front();
            return answer;
        };
        int copied = 0;
        auto copy = [&](const std::string& from, const std::string& to) {
            EXPECT_EQ(from, elsewhere + "/song.mid");
            EXPECT_EQ(to, album + "/song.mid");
            ++copied;
            bool ok = copies.front();
            copies.pop_front();
            return ok;
        };
        bool quit = false;
        EXPECT_EQ(MusicOfChoice(album, c.folder, "song.mid", prompts, copy, quit), c.music) << c.what;
        EXPECT_EQ(quit, c.quit) << c.what;
        EXPECT_EQ(int(styles.size()), c.asked) << c.what;
        const std::vector<uint32_t> expected = {35u, 18u};
        for (size_t i = 0; i < styles.size(); ++i) EXPECT_EQ(styles[i], expected[i]) << c.what;
        EXPECT_TRUE(copies.empty()) << c.what;
    }
}

TEST_F(PropertyPageTest, ChoosingMusicFromElsewhereAndAnsweringYesCopiesItIntoTheAlbum) {
    WriteFile(elsewhere + "/海.mid", "MThd");
    Show(true);
    slideshowPage->ChooseFile = [&](std::string& folder, std::string& name) {
        folder = elsewhere;
        name = "海.mid";
        return true;
    };
    std::string question;
    ModalSteps steps;
    steps.Then([&](QWidget* box) {
        question = ModalSteps::Texts(box);
        ModalSteps::Click(box, "はい");
    });
    slideshowPage->OptionSounds[1]->click();
    slideshowPage->CommandSound->click();
    EXPECT_EQ(steps.Pending(), 0u);
    EXPECT_NE(question.find("選択した音楽はアルバムとは別の場所に存在しています"), std::string::npos) << question;
    EXPECT_EQ(Album.Music, "海.mid");
    EXPECT_EQ(slideshowPage->TextSound->text().toStdString(), "海.mid");
    QFile copied(QString::fromStdString(album + "/海.mid"));
    ASSERT_TRUE(copied.open(QIODevice::ReadOnly));
    EXPECT_EQ(copied.readAll().toStdString(), "MThd");

    // A cancelled file dialog changes nothing.
    slideshowPage->ChooseFile = [](std::string&, std::string&) { return false; };
    slideshowPage->CommandSound->click();
    EXPECT_EQ(Album.Music, "海.mid");
}

} // namespace
} // namespace gb

// The gallery dialog: numbering of titles with "#" and "*", renaming files and the
// album folder (collisions go through Retry / Cancel and never replace an entry), the
// facts of the album page, and the dialog itself driven through its controls.
#include "ModalSteps.h"
#include "album/AlbumRecords.h"
#include "options/FormDialog.h"
#include "options/GeneralNaming.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
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

// Prompts answered from a script, remembering what they were asked.
struct ScriptedPrompts {
    std::deque<int> buttons;
    std::deque<std::string> answers;
    std::vector<std::string> asked;

    DialogPrompts Prompts() {
        DialogPrompts prompts;
        prompts.Message = [this](const std::string& text, uint32_t style) {
            asked.push_back(text + " [" + std::to_string(style) + "]");
            if (buttons.empty()) return 2; // Cancel ends whatever loop a test did not expect
            int button = buttons.front();
            buttons.pop_front();
            return button;
        };
        prompts.Input = [this](const std::string& prompt, const std::string& defaultText) {
            asked.push_back(prompt + " <" + defaultText + ">");
            if (answers.empty()) return std::string();
            std::string answer = answers.front();
            answers.pop_front();
            return answer;
        };
        return prompts;
    }
};

class GalleryDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder = QDir(dir.path()).filePath("旅行").toStdString();
        QDir().mkpath(QString::fromStdString(folder));
        Album = AlbumInfo();
        Album.Title = "夏の旅";
        Album.Folder = folder;
    }
    void TearDown() override { Album = AlbumInfo(); }

    // A gallery with a file of `bytes` bytes (none when negative).
    void AddGallery(const std::string& file, bool selected, int bytes = 10) {
        GalleryInfo gallery;
        gallery.FileName = file;
        gallery.Title = file.substr(0, file.rfind('.'));
        gallery.Selected = selected;
        Album.Galleries.push_back(gallery);
        Album.GalleryCount = int16_t(Album.Galleries.size());
        if (bytes >= 0) WriteFile(file, std::string(size_t(bytes), 'x'));
    }
    void WriteFile(const std::string& name, const std::string& content) {
        QFile f(QString::fromStdString(folder + "/" + name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content.data(), qint64(content.size()));
    }
    std::string ReadFile(const std::string& name) {
        QFile f(QString::fromStdString(folder + "/" + name));
        return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string("<missing>");
    }
    std::vector<std::string> Titles() {
        std::vector<std::string> titles;
        for (const GalleryInfo& g : Album.Galleries) titles.push_back(g.Title);
        return titles;
    }
    std::vector<std::string> Files() {
        QStringList names = QDir(QString::fromStdString(folder)).entryList(QDir::Files, QDir::Name);
        std::vector<std::string> files;
        for (const QString& n : names) files.push_back(n.toStdString());
        return files;
    }

    QTemporaryDir dir;
    std::string folder;
};

TEST(Numbering, TitlesAreCutAtTheMarkersAndNumberedPlainOrPadded) {
    struct Case {
        std::string title;
        Numbering kind;
        long start;
        std::string amended; // "" when the title kept its marker
        std::vector<std::string> titles;
    } cases[] = {
        {"Day # of trip", Numbering::Plain, 9, "", {"Day 9 of trip", "Day 10 of trip", "Day 11 of trip"}},
        {"A#B#C", Numbering::Plain, 1, "", {"A1C", "A2C"}},
        {"Trip", Numbering::Padded, 1, "Trip *****", {"Trip 00001", "Trip 00002"}},
        {"Trip ***", Numbering::Padded, 1, "", {"Trip 001", "Trip 002"}},
        {"a*b**c", Numbering::Padded, 7, "", {"a007c"}},        // three stars in all: three digits
        {"写真", Numbering::Plain, 0, "写真 #", {"写真 ", "写真 1"}}, // index 0 is empty
        {"x#", Numbering::Plain, -1, "", {"x-1", "x"}},
        {"No * here", Numbering::Plain, 1, "No * here #", {"No * here 1"}},
        {"v*", Numbering::Padded, -2, "", {"v-2", "v-1", "v0"}},
    };
    for (const Case& c : cases) {
        const NumberingPlan plan = PlanNumbering(c.title, c.kind);
        EXPECT_EQ(plan.Amended, !c.amended.empty()) << c.title;
        if (plan.Amended) {
            EXPECT_EQ(plan.Title, c.amended);
        }
        long value = c.start;
        for (const std::string& expected : c.titles) EXPECT_EQ(NumberedTitle(plan, value++), expected) << c.title;
    }
}

TEST(Numbering, StartValuesAreNumbersOrOne) {
    const std::pair<std::string, int> cases[] = {
        {"1", 1}, {"9", 9}, {" 12 ", 12}, {"-3", -3}, {"2.5", 2}, {"3.5", 4}, {"1e2", 100},
        {"x", 1}, {"", 1}, {"1x", 1}, {"99999", 32767}, {"-99999", -32768},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(StartValueOf(text), value) << text;
    EXPECT_TRUE(IsNumericText("+4"));
    EXPECT_FALSE(IsNumericText("."));
    EXPECT_FALSE(IsNumericText("1e"));
}

TEST(Numbering, ByteCountsAreGroupedWithAtLeastFourDigits) {
    const std::pair<uint64_t, std::string> cases[] = {
        {0, "0,000. ﾊﾞｲﾄ"}, {123, "0,123. ﾊﾞｲﾄ"}, {1234, "1,234. ﾊﾞｲﾄ"}, {1234567, "1,234,567. ﾊﾞｲﾄ"},
        {5000000000ULL, "5,000,000,000. ﾊﾞｲﾄ"},
    };
    for (const auto& [bytes, text] : cases) EXPECT_EQ(FormatByteCount(bytes), text);
}

TEST_F(GalleryDialogTest, NumberingChangesOnlyTheSelectedGalleriesInOrder) {
    AddGallery("a.jpg", true);
    AddGallery("b.jpg", false);
    AddGallery("c.jpg", true);
    AddGallery("d.jpg", true);
    ScriptedPrompts script;
    EXPECT_TRUE(ApplyGalleryPage(Album, {"Day # of trip", Numbering::Plain, "9", false}, script.Prompts()));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Day 9 of trip", "b", "Day 10 of trip", "Day 11 of trip"}));
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg", "d.jpg"}));
}

TEST_F(GalleryDialogTest, AMissingMarkerIsAskedAboutAndCancelChangesNothing) {
    AddGallery("a.jpg", true);
    AddGallery("b.jpg", true);
    const std::string question =
        "インデックスを意味するキーワードが含まれていません\n次に示すタイトルを記述したものとして処理します"
        "\r\n\r\n\t'Trip *****' [49]";
    ScriptedPrompts cancel;
    cancel.buttons = {2};
    EXPECT_FALSE(ApplyGalleryPage(Album, {"Trip", Numbering::Padded, "1", true}, cancel.Prompts()));
    EXPECT_EQ(cancel.asked, std::vector<std::string>{question});
    EXPECT_EQ(Titles(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.jpg", "b.jpg"}));

    ScriptedPrompts ok;
    ok.buttons = {1};
    EXPECT_TRUE(ApplyGalleryPage(Album, {"Trip", Numbering::Padded, "1", true}, ok.Prompts()));
    EXPECT_EQ(ok.asked, std::vector<std::string>{question});
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Trip 00001", "Trip 00002"}));
    EXPECT_EQ(Files(), (std::vector<std::string>{"Trip 00001.jpg", "Trip 00002.jpg"}));
    EXPECT_EQ(Album.Gallery(2).FileName, "Trip 00002.jpg");
}

TEST_F(GalleryDialogTest, OneTitleForAllAndFilesKeepTheirExtension) {
    AddGallery("IMG_0001.JPG", true);
    AddGallery("README", false);
    ScriptedPrompts script;
    EXPECT_TRUE(ApplyGalleryPage(Album, {"Beach", Numbering::Unchosen, "1", true}, script.Prompts()));
    EXPECT_EQ(Album.Gallery(1).Title, "Beach");
    EXPECT_EQ(Album.Gallery(1).FileName, "Beach.JPG");
    EXPECT_EQ(Files(), (std::vector<std::string>{"Beach.JPG", "README"}));

    // A file without extension takes the title alone.
    Album.Gallery(1).Selected = false;
    Album.Gallery(2).Selected = true;
    EXPECT_TRUE(ApplyGalleryPage(Album, {"説明", Numbering::None, "1", true}, script.Prompts()));
    EXPECT_EQ(Album.Gallery(2).FileName, "説明");
    EXPECT_TRUE(script.asked.empty());
}

TEST_F(GalleryDialogTest, ATakenNameIsNeverReplacedAndRetryOrCancelDecides) {
    const std::string refused = "ファイル フォルダ名が不適切です\r\n\r\n\t'IMG_0002.JPG' から\r\n\t'Beach.JPG' へ [21]";
    const std::string another = "他のファイル フォルダ名をおねがいします... <Beach.JPG>";
    struct Case {
        const char* what;
        std::deque<int> buttons;
        std::deque<std::string> answers;
        std::string fileName;
        std::vector<std::string> asked;
    } cases[] = {
        {"cancel keeps the old name", {2}, {}, "IMG_0002.JPG", {refused}},
        {"retry with another name", {4}, {"Sea.JPG"}, "Sea.JPG", {refused, another}},
        {"retry, then the input box cancelled", {4}, {""}, "IMG_0002.JPG", {refused, another}},
        {"retry with a folder path, then cancel",
         {4, 2},
         {"sub/Sea.JPG"},
         "IMG_0002.JPG",
         {refused, another, "ファイル フォルダ名が不適切です\r\n\r\n\t'IMG_0002.JPG' から\r\n\t'sub/Sea.JPG' へ [21]"}},
    };
    for (const Case& c : cases) {
        SetUp();
        WriteFile("Beach.JPG", "the beach");
        WriteFile("IMG_0002.JPG", "second");
        ScriptedPrompts script;
        script.buttons = c.buttons;
        script.answers = c.answers;
        const std::string name = RenameEntry(script.Prompts(), folder, "IMG_0002.JPG", "Beach.JPG");
        EXPECT_EQ(name, c.fileName) << c.what;
        EXPECT_EQ(script.asked, c.asked) << c.what;
        EXPECT_EQ(ReadFile("Beach.JPG"), "the beach") << c.what;
        EXPECT_EQ(ReadFile(name), "second") << c.what;
    }
}

TEST_F(GalleryDialogTest, RenamingToItsOwnNameOrAMissingEntry) {
    WriteFile("same.jpg", "x");
    ScriptedPrompts script;
    EXPECT_EQ(RenameEntry(script.Prompts(), folder, "same.jpg", "same.jpg"), "same.jpg");
    EXPECT_TRUE(script.asked.empty());
    EXPECT_EQ(RenameEntry(script.Prompts(), folder, "gone.jpg", "new.jpg"), "gone.jpg");
    EXPECT_EQ(script.asked.size(), 1u);
}

TEST_F(GalleryDialogTest, TheAlbumPageRenamesTheFolderOnlyWhenChecked) {
    EXPECT_FALSE(FolderBearsTitle(Album));
    ScriptedPrompts script;
    ApplyAlbumPage(Album, {"秋の旅", false}, script.Prompts());
    EXPECT_EQ(Album.Title, "秋の旅");
    EXPECT_EQ(Album.Folder, folder);

    ApplyAlbumPage(Album, {"秋の旅", true}, script.Prompts());
    const std::string renamed = QDir(dir.path()).filePath("秋の旅").toStdString();
    EXPECT_EQ(Album.Folder, renamed);
    EXPECT_TRUE(QDir(QString::fromStdString(renamed)).exists());
    EXPECT_TRUE(FolderBearsTitle(Album));
    EXPECT_TRUE(script.asked.empty());

    // A sibling of that name exists: Cancel keeps the folder where it is.
    QDir().mkpath(QDir(dir.path()).filePath("冬"));
    script.buttons = {2};
    ApplyAlbumPage(Album, {"冬", true}, script.Prompts());
    EXPECT_EQ(Album.Title, "冬");
    EXPECT_EQ(Album.Folder, renamed);
}

TEST_F(GalleryDialogTest, TheTotalSizeCountsMissingFilesAsNothing) {
    AddGallery("a.jpg", false, 1000);
    AddGallery("b.jpg", false, 234);
    AddGallery("gone.jpg", false, -1);
    EXPECT_EQ(GalleryBytes(Album), 1234u);
}

// The dialog itself, driven through its controls.
class FormDialogTest : public GalleryDialogTest {
protected:
    FormDialog form;
    QWidget owner;
};

TEST_F(FormDialogTest, WithoutSelectionOnlyCancelCloses) {
    AddGallery("a.jpg", false);
    ModalSteps steps;
    steps.Then([&](QWidget* window) {
        EXPECT_EQ(window, &form);
        EXPECT_EQ(form.LabelTitle->text().toStdString(), "選択したギャラリーのプロパティ");
        EXPECT_FALSE(form.CommandOK->isEnabled());
        EXPECT_FALSE(form.TextItems[2]->isEnabled());
        EXPECT_FALSE(form.CheckItems[1]->isEnabled());
        for (QRadioButton* option : form.OptionItems) EXPECT_FALSE(option->isEnabled());
        QTest::keyClick(window, Qt::Key_Escape);
    });
    EXPECT_FALSE(form.Dialog(&owner, FormDialog::PageGalleries));
    EXPECT_EQ(steps.Pending(), 0u);
    EXPECT_EQ(form.TextItems[2]->parentWidget(), form.FramePages[FormDialog::PageGalleries]);
}

TEST_F(FormDialogTest, OneSelectedGalleryTakesTheTitleAndItsFileIsRenamed) {
    AddGallery("IMG_0001.JPG", true);
    AddGallery("IMG_0002.JPG", false);
    ModalSteps steps;
    steps.Then([&](QWidget*) {
        EXPECT_EQ(form.TextItems[2]->text().toStdString(), "IMG_0001");
        for (QRadioButton* option : form.OptionItems) EXPECT_FALSE(option->isEnabled());
        EXPECT_TRUE(form.CheckItems[1]->isEnabled());
        form.TextItems[2]->setText("");
        EXPECT_FALSE(form.CommandOK->isEnabled());
        form.TextItems[2]->setText("Beach");
        form.CheckItems[1]->setChecked(true);
        form.CommandOK->click();
    });
    EXPECT_TRUE(form.Dialog(&owner, FormDialog::PageGalleries));
    EXPECT_EQ(Album.Gallery(1).Title, "Beach");
    EXPECT_EQ(Album.Gallery(1).FileName, "Beach.JPG");
    EXPECT_EQ(Files(), (std::vector<std::string>{"Beach.JPG", "IMG_0002.JPG"}));
}

TEST_F(FormDialogTest, SeveralGalleriesStartWithoutIndexAndTheStartValueSnapsBack) {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) AddGallery(name, true);
    ModalSteps steps;
    steps.Then([&](QWidget*) {
        EXPECT_TRUE(form.OptionItems[0]->isChecked());
        EXPECT_FALSE(form.TextItems[3]->isEnabled());
        EXPECT_FALSE(form.CheckItems[1]->isEnabled());
        form.OptionItems[1]->click();
        EXPECT_TRUE(form.TextItems[3]->isEnabled());
        EXPECT_TRUE(form.CheckItems[1]->isEnabled());
        form.TextItems[3]->setText("x");
        EXPECT_EQ(form.TextItems[3]->text().toStdString(), "1");
        form.TextItems[3]->setText("9");
        form.TextItems[2]->setText("Day # of trip");
        form.CheckItems[1]->setChecked(true);
        form.OptionItems[0]->click(); // back to no index: the file box is cleared
        EXPECT_FALSE(form.CheckItems[1]->isChecked());
        form.OptionItems[1]->click();
        form.CommandOK->click();
    });
    EXPECT_TRUE(form.Dialog(&owner, FormDialog::PageGalleries));
    EXPECT_EQ(Titles(), (std::vector<std::string>{"Day 9 of trip", "Day 10 of trip", "Day 11 of trip"}));
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.jpg", "b.jpg", "c.jpg"}));
}

TEST_F(FormDialogTest, TheAlbumPageShowsTheFolderAndSizeAndAGrayedBoxWhenTheFolderBearsTheTitle) {
    AddGallery("a.jpg", false, 2000);
    Album.Title = "旅行";
    ModalSteps steps;
    steps.Then([&](QWidget*) {
        EXPECT_EQ(form.LabelTitle->text().toStdString(), "アルバムのプロパティ");
        EXPECT_EQ(form.TextItems[0]->text().toStdString(), "旅行");
        EXPECT_EQ(form.CheckItems[0]->checkState(), Qt::PartiallyChecked);
        EXPECT_EQ(form.TextItems[1]->text().toStdString(), folder);
        EXPECT_TRUE(form.TextItems[1]->isReadOnly());
        EXPECT_EQ(form.LabelItems[1]->text().toStdString(), "2,000. ﾊﾞｲﾄ");
        EXPECT_FALSE(form.LabelItems[0]->text().isEmpty());
        form.TextItems[0]->setText("新しい旅行");
        form.CommandOK->click();
    });
    EXPECT_TRUE(form.Dialog(&owner, FormDialog::PageAlbum));
    EXPECT_EQ(Album.Title, "新しい旅行");
    EXPECT_EQ(Album.Folder, folder); // grayed is not checked: nothing renamed

    steps.Then([&](QWidget*) {
        EXPECT_EQ(form.CheckItems[0]->checkState(), Qt::Unchecked);
        form.CheckItems[0]->click();
        EXPECT_EQ(form.CheckItems[0]->checkState(), Qt::Checked);
        form.CommandOK->click();
    });
    EXPECT_TRUE(form.Dialog(&owner, FormDialog::PageAlbum));
    EXPECT_EQ(Album.Folder, QDir(dir.path()).filePath("新しい旅行").toStdString());
}

TEST_F(FormDialogTest, ACollisionAsksInTheProgramsBoxesAndRetryWithAnotherNameSucceeds) {
    AddGallery("IMG_0002.JPG", true);
    WriteFile("Beach.JPG", "the beach");
    ModalSteps steps;
    std::string refusal;
    steps
        .Then([&](QWidget*) {
            form.TextItems[2]->setText("Beach");
            form.CheckItems[1]->setChecked(true);
            form.CommandOK->click();
        })
        .Then([&](QWidget* box) {
            refusal = ModalSteps::Texts(box);
            ModalSteps::Click(box, "再試行");
        })
        .Then([&](QWidget* input) {
            auto* edit = input->findChild<QLineEdit*>();
            ASSERT_NE(edit, nullptr);
            EXPECT_EQ(edit->text().toStdString(), "Beach.JPG");
            edit->setText("Sea.JPG");
            ModalSteps::Click(input, "OK");
        });
    EXPECT_TRUE(form.Dialog(&owner, FormDialog::PageGalleries));
    EXPECT_EQ(steps.Pending(), 0u);
    EXPECT_NE(refusal.find("'IMG_0002.JPG' から"), std::string::npos) << refusal;
    EXPECT_NE(refusal.find("'Beach.JPG' へ"), std::string::npos) << refusal;
    EXPECT_EQ(Album.Gallery(1).Title, "Beach"); // the title stands whatever the file is called
    EXPECT_EQ(Album.Gallery(1).FileName, "Sea.JPG");
    EXPECT_EQ(ReadFile("Beach.JPG"), "the beach");
}

TEST_F(FormDialogTest, AnUnknownPageShowsNothing) {
    EXPECT_FALSE(form.Dialog(&owner, 3003));
    EXPECT_FALSE(form.isVisible());
}

} // namespace
} // namespace gb

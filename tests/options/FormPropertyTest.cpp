// The options window in process: settings shown and applied with "OK" only, the
// quality slider's positions, the plug-in list with its status texts, registering
// and removing plug-ins, the plug-in information window, the history and
// association actions, and the visual-style switch.
#include "app/AppSettings.h"
#include "app/FormMain.h"
#include "options/FormPlugin.h"
#include "options/FormProperty.h"
#include "options/OptionsWindowLink.h"
#include "options/VisualStyle.h"
#include "platform/Folders.h"
#include "plugins/GeneralPlugin.h"
#include "tests/shell/ModalDriver.h"
#include "tests/slideshow/DialogEcho.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace gb {
namespace {

using test::DialogEcho;
using test::WhenModal;

const std::string kFixtures = std::getenv("GB_FIXTURE_PLUGINS") ? std::getenv("GB_FIXTURE_PLUGINS") : "";

std::string Fixture(const char* name) { return kFixtures + "/" + name + ".spi"; }

std::string Message(const char* text, int style) {
    return "MsgBox\tGlimmerbox\t" + std::string(text) + "\t" + std::to_string(style) + "\n";
}

class FormPropertyTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppSettings = AppSettingsRecord();
        Plugins = PluginRegistry();
        Plugins.FilterTitle = "Susie プラグイン";
        BuildPatternList();
    }
    void TearDown() override {
        AppSettings = AppSettingsRecord();
        Plugins = PluginRegistry();
    }
    FormProperty::MainWindowLink History() {
        return {[this] { return history; }, [this] {
                    history = false;
                    ++trashed;
                }};
    }
    std::vector<std::string> Rows(FormProperty& form) {
        std::vector<std::string> rows;
        for (int i = 0; i < form.ListViewPlugin.ListItemCount(); ++i)
            rows.push_back(form.ListViewPlugin.ListItems(i, 0) + " | " + form.ListViewPlugin.ListItems(i, 1) + " | " +
                           std::to_string(form.ListViewPlugin.ListItemImage(i)));
        return rows;
    }
    std::vector<std::string> Paths() const {
        std::vector<std::string> paths;
        for (const PluginEntry& e : Plugins.Entries) paths.push_back(e.Path);
        return paths;
    }
    // Chooses `path` in the open-file dialog of "登録(&A)...".
    void Register(FormProperty& form, const std::string& path) {
        WhenModal([path](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            ASSERT_TRUE(dialog);
            dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QString::fromStdString(path));
            static_cast<QDialog*>(dialog)->accept();
        });
        form.CommandRegister->click();
    }

    bool history = false;
    int trashed = 0;
};

TEST_F(FormPropertyTest, TheSliderStandsForFiveQualitiesAndOtherValuesOpenAtTheFirst) {
    struct Case {
        int quality, position;
        const char* name;
        int stored;
    } cases[] = {{0, 1, "ドラフト", 10},       {10, 1, "ドラフト", 10},  {25, 2, "スタンダード", 25},
                 {50, 3, "ファイン", 50},       {60, 1, "ドラフト", 10},  {75, 4, "スーパーファイン", 75},
                 {100, 5, "フォト", 100},      {99, 1, "ドラフト", 10}};
    for (const Case& c : cases) {
        AppSettings.Quality = uint8_t(c.quality);
        FormProperty form(History());
        EXPECT_EQ(form.SliderQuality.Current(), c.position) << c.quality;
        EXPECT_EQ(form.ToolTipsQuality.ToolText(0), c.name) << c.quality;
        EXPECT_FALSE(form.ImageQuality->pixmap().isNull());
        form.CommandOK->click();
        EXPECT_EQ(AppSettings.Quality, c.stored) << c.quality;
    }
}

TEST_F(FormPropertyTest, SettingsChangeWithOkOnlyAndOthersHasThreeEntriesHere) {
    AppSettings.Effect = 2;
    AppSettings.v1Compatible = true;
    FormProperty form(History());
    EXPECT_EQ(form.windowTitle(), "オプション");
    ASSERT_EQ(form.ListOthers->count(), 3); // no visual styles on this platform
    EXPECT_EQ(form.ListOthers->item(2)->text(), "起動時に終了時の情報を復元する");
    EXPECT_EQ(form.ComboBoxExSound.ListIndex(), 2);
    EXPECT_EQ(form.ComboBoxExSound.List(0), "カメラのシャッター音");
    const Qt::CheckState expected[] = {Qt::Unchecked, Qt::Checked, Qt::Unchecked};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(form.ListOthers->item(i)->checkState(), expected[i]);

    form.ComboBoxExSound.SetListIndex(1);
    form.SliderQuality.SetCurrent(4);
    form.ListOthers->item(0)->setCheckState(Qt::Checked);
    form.ListOthers->item(1)->setCheckState(Qt::Unchecked);
    form.ListOthers->item(2)->setCheckState(Qt::Checked);
    form.CommandCancel->click();
    EXPECT_EQ(AppSettings.Effect, 2);
    EXPECT_EQ(AppSettings.Quality, 0);
    EXPECT_TRUE(AppSettings.v1Compatible);
    EXPECT_FALSE(AppSettings.NonCreatableStream);

    form.CommandOK->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(AppSettings.Effect, 1);
    EXPECT_EQ(AppSettings.Quality, 75);
    EXPECT_TRUE(AppSettings.NonCreatableStream);
    EXPECT_FALSE(AppSettings.v1Compatible);
    EXPECT_TRUE(AppSettings.Suspending);
}

TEST_F(FormPropertyTest, PluginRowsShowTheNameOrWhyThePluginCannotBeUsed) {
    ASSERT_FALSE(kFixtures.empty());
    const std::string missing = kFixtures + "/gone.spi";
    Plugins.Entries = {{Fixture("fxA"), "", false}, {Fixture("fxMulti"), "", false}, {missing, "", false}};
    BuildPatternList();
    FormProperty form(History());
    EXPECT_EQ(Rows(form), (std::vector<std::string>{"fxA fixture | " + Fixture("fxA") + " | 0",
                                                     "<リンクできません> | " + Fixture("fxMulti") + " | 1",
                                                     "<リンクが切れています> | " + missing + " | 1"}));
    EXPECT_FALSE(form.CommandRemove->isEnabled());
    form.ListViewPlugin.SetSelIndex(2);
    EXPECT_TRUE(form.CommandRemove->isEnabled());
    form.CommandRemove->click();
    EXPECT_EQ(form.ListViewPlugin.ListItemCount(), 2);
    EXPECT_FALSE(form.CommandRemove->isEnabled());
    EXPECT_EQ(Plugins.Entries.size(), 3u); // nothing changes before "OK"

    // The information window: the names, the selected one, every pattern sorted.
    form.ListViewPlugin.SetSelIndex(1);
    int shownIndex = -2;
    QStringList formats;
    QString caption;
    WhenModal([&](QWidget* modal) {
        auto* info = dynamic_cast<FormPlugin*>(modal);
        ASSERT_TRUE(info);
        caption = info->windowTitle();
        shownIndex = info->ComboTitle->currentIndex();
        for (int i = 0; i < info->ListFormat->count(); ++i) formats << info->ListFormat->item(i)->text();
        info->CommandCancel->click();
    });
    form.ListViewPlugin_DblClick();
    EXPECT_EQ(caption, "プラグインについて");
    EXPECT_EQ(shownIndex, 1);
    QStringList sorted = formats;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(formats, sorted);
    EXPECT_TRUE(formats.contains("*.fxa"));
    EXPECT_TRUE(formats.contains("*.BMP"));

    // Removing every row and confirming empties the registry.
    while (form.ListViewPlugin.ListItemCount() > 0) form.ListViewPlugin.RemoveListItem(0);
    form.CommandOK->click();
    EXPECT_TRUE(Plugins.Entries.empty());
    EXPECT_EQ(Plugins.PatternList, (std::vector<std::string>{"*.BMP", "*.GIF", "*.JPG", "*.WMF", "*.EMF"}));
}

TEST_F(FormPropertyTest, ARegisteredPluginWaitsForOkAndTheSameFileIsRefused) {
    ASSERT_FALSE(kFixtures.empty());
    Plugins.Entries = {{Fixture("fxA"), "", false}};
    BuildPatternList();
    DialogEcho echo;
    {
        FormProperty form(History());
        Register(form, Fixture("fxB"));
        EXPECT_EQ(echo.Take(), "OpenFile\tプラグインの選択\t\t6148\n");
        ASSERT_EQ(form.ListViewPlugin.ListItemCount(), 2);
        EXPECT_EQ(form.ListViewPlugin.ListItems(1, 0), "<リンクを待っています>");
        EXPECT_TRUE(form.ListViewPlugin.ListItemState(1, 4)); // drawn dimmed
        EXPECT_EQ(form.ListViewPlugin.ListItemImage(1), 0);
        Register(form, Fixture("fxB")); // once is enough
        EXPECT_EQ(echo.Take(), "OpenFile\tプラグインの選択\t\t6148\n" + Message("選択したプラグインはすでに挿入されています", 48));
        EXPECT_EQ(form.ListViewPlugin.ListItemCount(), 2);
        form.CommandCancel->click();
    }
    EXPECT_EQ(Paths(), std::vector<std::string>{Fixture("fxA")});
    {
        FormProperty form(History());
        Register(form, Fixture("fxMulti"));
        form.CommandOK->click();
    }
    EXPECT_EQ(Paths(), (std::vector<std::string>{Fixture("fxA"), Fixture("fxMulti")}));
    FormProperty again(History());
    EXPECT_EQ(again.ListViewPlugin.ListItems(1, 0), "<リンクできません>"); // it contributes no patterns
}

TEST_F(FormPropertyTest, HistoryIsClearedAtOnceAndTheAssociationReportsItsResult) {
    history = true;
    FormProperty form(History());
    EXPECT_TRUE(form.CommandTrash->isEnabled());
    form.CommandTrash->click();
    EXPECT_EQ(trashed, 1);
    EXPECT_FALSE(form.CommandTrash->isEnabled());
    FormProperty empty(History());
    EXPECT_FALSE(empty.CommandTrash->isEnabled());

    int registered = 0;
    for (bool works : {true, false}) {
        form.RegisterDocument = [&registered, works] {
            ++registered;
            return works;
        };
        DialogEcho echo;
        form.CommandAssociate->click();
        EXPECT_EQ(echo.Take(), Message("保存したドキュメントをアプリケーションに関連付けますか", 36) +
                                   (works ? Message("アプリケーションへの関連付けが完了しました\\n次回からは保存した"
                                                    "ドキュメントをダブルクリックするだけでOKです", 64)
                                          : Message("アプリケーションへの関連付けができません", 16)));
    }
    EXPECT_EQ(registered, 2);
    WhenModal([](QWidget* modal) {
        for (QPushButton* b : modal->findChildren<QPushButton*>())
            if (b->text().startsWith("いいえ")) b->click();
    });
    form.CommandAssociate->click();
    EXPECT_EQ(registered, 2);
}

TEST_F(FormPropertyTest, TheMainWindowOpensTheOptionsOverItsHistory) {
    FormMain main;
    InstallOptionsWindow(main);
    AppSettings.Quality = 60;
    bool trash = true;
    WhenModal([&](QWidget* modal) {
        auto* form = dynamic_cast<FormProperty*>(modal);
        ASSERT_TRUE(form);
        trash = form->CommandTrash->isEnabled();
        form->CommandOK->click();
    });
    main.Seams.ShowOptions(main);
    EXPECT_FALSE(trash); // a new main window has no history
    EXPECT_EQ(AppSettings.Quality, 10);
}

TEST(VisualStyle, TheManifestMovesBetweenItsTwoNamesAndFailuresAreIgnored) {
    QTemporaryDir dir;
    const std::string oldProgram = ProgramFolder();
    SetProgramFolder(dir.path().toStdString());
    const auto make = [](const std::string& path) {
        QFile f(QString::fromStdString(path));
        f.open(QIODevice::WriteOnly);
    };
    EXPECT_FALSE(CanUseVisualStyles());
    EXPECT_EQ(ActiveManifestPath().substr(0, dir.path().size()), dir.path().toStdString());
    EXPECT_FALSE(IsVisualStyleOn());
    SetVisualStyle(true); // nothing parked: nothing happens
    EXPECT_FALSE(IsVisualStyleOn());
    make(ParkedManifestPath());
    SetVisualStyle(true);
    EXPECT_TRUE(IsVisualStyleOn());
    EXPECT_FALSE(QFile::exists(QString::fromStdString(ParkedManifestPath())));
    make(ParkedManifestPath()); // the other name taken: the switch does nothing
    SetVisualStyle(false);
    EXPECT_TRUE(IsVisualStyleOn());
    QFile::remove(QString::fromStdString(ParkedManifestPath()));
    SetVisualStyle(false);
    EXPECT_FALSE(IsVisualStyleOn());
    EXPECT_TRUE(QFile::exists(QString::fromStdString(ParkedManifestPath())));
    SetProgramFolder(oldProgram);
}

TEST(FormPlugin, IndexZeroSelectsNoName) {
    FormPlugin window;
    WhenModal([](QWidget* modal) { static_cast<FormPlugin*>(modal)->CommandCancel->click(); });
    window.Dialog(nullptr, {"一", "二"}, 0, {"*.b", "*.A", "*.c"});
    EXPECT_EQ(window.ComboTitle->count(), 2);
    EXPECT_EQ(window.ComboTitle->currentIndex(), -1);
    EXPECT_EQ(window.ListFormat->item(0)->text(), "*.A");
    EXPECT_EQ(window.ListFormat->item(2)->text(), "*.c");
    EXPECT_FALSE(window.isVisible());
    WhenModal([](QWidget* modal) { static_cast<FormPlugin*>(modal)->CommandCancel->click(); });
    window.Dialog(nullptr, {"一", "二"}, 3, {});
    EXPECT_EQ(window.ComboTitle->currentIndex(), -1);
}

} // namespace
} // namespace gb

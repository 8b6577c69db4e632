#include "FormProperty.h"

#include "DocumentAssociation.h"
#include "FormPlugin.h"
#include "VisualStyle.h"
#include "app/AppSettings.h"
#include "app/GeneralMain.h"
#include "platform/Desktop.h"
#include "platform/DirectorySearch.h"
#include "plugins/GeneralPlugin.h"
#include "resources/StringTable.h"
#include "shell/ClassDialog.h"
#include "shell/ClassHelp.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"

#include <QEvent>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QWhatsThis>
#include <algorithm>
#include <map>

namespace gb {
namespace {

enum : int { kSoundNames = 5001, kCannotLink = 5004, kLinkBroken = 5005, kLinkWaiting = 5006, kChoosePlugin = 5007 };
enum : int { kAskAssociate = 10002, kAssociated = 10003, kNotAssociated = 10004, kPluginTwice = 10020 };
enum : int { kQualityNames = 500 };
enum : uint32_t { kStop = 16, kQuestion = 36, kExclamation = 48, kInformation = 64 };
enum : int32_t { kUsableImage = 0, kUnusableImage = 1, kCutState = 4 };
enum : int { kYes = 6 };
// The help topics of the groups: sound effect, quality, plug-ins, others, maintenance.
constexpr int32_t kHelpTopics[] = {801, 802, 803, 804, 805};
constexpr uint8_t kQualities[] = {10, 25, 50, 75, 100};
// The open-file flags for a plug-in: the file and its path must exist, no read-only box.
constexpr uint32_t kPluginFileFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;

QImage Picture(const char* name) { return QImage(QString(":/options/") + name); }

} // namespace

// In What's-This mode a click on a group, or on a control inside it that has no
// help of its own, pops up the group's help topic.
class FormProperty::HelpTopics : public QObject {
public:
    explicit HelpTopics(FormProperty& form) : form_(form) {}
    void Watch(QWidget* group, int32_t topic) {
        topics_[group] = topic;
        group->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::QueryWhatsThis && event->type() != QEvent::WhatsThis) return false;
        auto it = topics_.find(watched);
        if (it == topics_.end()) return false;
        if (event->type() == QEvent::WhatsThis) {
            ClassHelp help;
            help.hOwnerWnd = HandleOf(&form_);
            help.Path = HelpFile;
            help.PopupHelp(it->second);
        }
        event->accept();
        return true;
    }

private:
    FormProperty& form_;
    std::map<QObject*, int32_t> topics_;
};

FormProperty::FormProperty(MainWindowLink link, QWidget* owner)
    : QDialog(owner), RegisterDocument(RegisterDocumentType), link_(std::move(link)),
      helpTopics_(std::make_unique<HelpTopics>(*this)) {
    setWindowTitle("オプション");
    setFont(QFont(QString::fromStdString(MapFontName("MS UI Gothic")), 9));
    BuildControls();
    LoadControls();
    ShowOptions();
}

FormProperty::~FormProperty() {
    Behavior.SetAccelerator(false);
    Behavior.Detach();
    ListViewPlugin.Destroy();
    ImagesPlugin.Destroy();
    SliderQuality.Destroy();
    ToolTipsQuality.Destroy();
    ComboBoxExSound.Destroy();
    ImagesSound.Destroy();
}

void FormProperty::BuildControls() {
    resize(584, 424);
    const char* const titles[] = {"効果音(&E)", "サムネイル画質(&Q)", "プラグイン(&P)", "その他(&O)", "メンテナンス(&M)"};
    const QRect places[] = {{8, 8, 260, 60}, {8, 76, 260, 78}, {276, 8, 300, 362}, {8, 162, 260, 116}, {8, 286, 260, 84}};
    for (int i = 0; i < 5; ++i) {
        groups_[i] = new QGroupBox(titles[i], this);
        groups_[i]->setGeometry(places[i]);
        helpTopics_->Watch(groups_[i], kHelpTopics[i]);
    }
    QGroupBox* quality = groups_[1];
    ImageQuality = new QLabel(quality);
    ImageQuality->setGeometry(10, 26, 32, 32);
    auto* low = new QLabel("低い", quality);
    low->setGeometry(50, 34, 30, 18);
    auto* high = new QLabel("高い", quality);
    high->setGeometry(222, 34, 30, 18);

    QGroupBox* plugins = groups_[2];
    auto* logo = new QLabel(plugins);
    logo->setPixmap(QPixmap::fromImage(Picture("logo.png")));
    logo->setGeometry(12, 24, 24, 24);
    const QFont tahoma(QString::fromStdString(MapFontName("Tahoma")), 8);
    auto* powered = new QLabel("powered by", plugins);
    powered->setFont(tahoma);
    powered->setGeometry(42, 20, 200, 14);
    auto* susie = new QLabel("Susie Plug-in", plugins);
    susie->setFont(QFont(tahoma.family(), 10, QFont::Bold));
    susie->setGeometry(42, 34, 200, 18);
    CommandRegister = new QPushButton("登録(&A)...", plugins);
    CommandRegister->setGeometry(12, 324, 132, 28);
    CommandRemove = new QPushButton("解除(&R)", plugins);
    CommandRemove->setGeometry(156, 324, 132, 28);

    ListOthers = new QListWidget(groups_[3]);
    ListOthers->setGeometry(10, 22, 240, 84);
    const char* const others[] = {"アルバムに関する情報を保存しない", "お気に入りから選択しない",
                                  "起動時に終了時の情報を復元する", "テーマとビジュアル スタイル <再起動が必要>"};
    for (const char* text : others) {
        auto* item = new QListWidgetItem(text, ListOthers);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }

    CommandTrash = new QPushButton("履歴のクリア(&C)", groups_[4]);
    CommandTrash->setGeometry(10, 22, 240, 26);
    CommandAssociate = new QPushButton("ドキュメントの関連付け(&F)...", groups_[4]);
    CommandAssociate->setGeometry(10, 52, 240, 26);

    CommandHelp = new QPushButton("ヘルプ(&H)", this);
    CommandHelp->setGeometry(8, 382, 100, 30);
    CommandOK = new QPushButton("OK", this);
    CommandOK->setGeometry(368, 382, 100, 30);
    CommandOK->setDefault(true);
    CommandCancel = new QPushButton("キャンセル", this);
    CommandCancel->setGeometry(476, 382, 100, 30);

    connect(CommandRegister, &QPushButton::clicked, this, [this] { CommandRegister_Click(); });
    connect(CommandRemove, &QPushButton::clicked, this, [this] { CommandRemove_Click(); });
    connect(ListOthers, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        ListOthers_ItemCheck(ListOthers->row(item));
    });
    connect(CommandTrash, &QPushButton::clicked, this, [this] { CommandTrash_Click(); });
    connect(CommandAssociate, &QPushButton::clicked, this, [this] { CommandAssociate_Click(); });
    connect(CommandHelp, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });
    connect(CommandOK, &QPushButton::clicked, this, [this] { CommandOK_Click(); });
    connect(CommandCancel, &QPushButton::clicked, this, [this] { CommandCancel_Click(); });
}

void FormProperty::LoadControls() {
    // The sound-effect list.
    ImagesSound.UseMask = true;
    ImagesSound.MaskColor = 0xFF00FF;
    ImagesSound.Create();
    ImagesSound.Add(Picture("sound501.png"));
    ComboBoxExSound.Style = 2;
    ComboBoxExSound.FloatingListBoxLength = 120;
    ComboBoxExSound.Create(HandleOf(groups_[0]), 0);
    ComboBoxExSound.DockingImageList(&ImagesSound);
    ComboBoxExSound.Move(10, 24, 240, 26);
    for (int i = 0; i < 3; ++i) ComboBoxExSound.AddItem(LoadResString(kSoundNames + i), 0);
    ComboBoxExSound.SetFocus();

    // The quality slider with its tool tip.
    ToolTipsQuality.Create(HandleOf(this), 0);
    ToolTipsQuality.Margin(2, 2);
    ToolTipsQuality.Add("", 0);
    SliderQuality.ToolTips = true;
    SliderQuality.HelpContextID = kHelpTopics[1];
    SliderQuality.Create(HandleOf(groups_[1]), 0);
    SliderQuality.SetMin(1);
    SliderQuality.SetMax(5);
    SliderQuality.SetSmallChange(1);
    SliderQuality.SetLargeChange(1);
    SliderQuality.Move(80, 24, 140, 36);
    SliderQuality.DockingToolTips(&ToolTipsQuality);
    SliderQuality.Events.Scroll = [this] { SliderQuality_Scroll(); };

    // The plug-in list.
    ImagesPlugin.UseMask = true;
    ImagesPlugin.MaskColor = 0xFF00FF;
    ImagesPlugin.Create();
    ImagesPlugin.Add(Picture("plugin502.png"));
    ImagesPlugin.Add(Picture("plugin503.png"));
    ListViewPlugin.SetStyle(1);
    ListViewPlugin.MultiSelect = false;
    ListViewPlugin.LabelEdit = false;
    ListViewPlugin.Sort = 0;
    ListViewPlugin.HideSelection = true; // the selection stays visible
    ListViewPlugin.HelpContextID = kHelpTopics[2];
    ListViewPlugin.Create(HandleOf(groups_[2]), 0);
    ListViewPlugin.DockingImageList(1, &ImagesPlugin);
    ListViewPlugin.Move(12, 58, 276, 258);
    ListViewPlugin.AddColumnHeader(0, 100, "タイトル");
    ListViewPlugin.AddColumnHeader(0, 200, "場所");
    ListViewPlugin.Events.ItemChange = [this](int32_t, int32_t) { ListViewPlugin_ItemChange(); };
    ListViewPlugin.Events.DblClick = [this] { ListViewPlugin_DblClick(); };

    Behavior.Attach(this);
    Behavior.TabOrder(&ComboBoxExSound, 1);
    Behavior.TabOrder(&SliderQuality, 2);
    Behavior.TabOrder(&ListViewPlugin, 5);
    Behavior.SetAccelerator(true);

    if (CanUseVisualStyles()) {
        const QSignalBlocker quiet(ListOthers);
        ListOthers->item(VisualStyles)->setCheckState(IsVisualStyleOn() ? Qt::Checked : Qt::Unchecked);
    } else {
        delete ListOthers->takeItem(VisualStyles);
    }
}

uint8_t FormProperty::QualityOfPosition(int position) { return kQualities[std::clamp(position, 1, 5) - 1]; }

int FormProperty::PositionOfQuality(int quality) {
    if (quality <= kQualities[0]) return 1;
    for (int k = 2; k <= 5; ++k)
        if (quality == kQualities[k - 1]) return k;
    return 1;
}

void FormProperty::AddPluginRow(const std::string& text, int image, const std::string& path) {
    ListViewPlugin.AddListItem(text, image);
    ListViewPlugin.SetListItems(ListViewPlugin.ListItemCount() - 1, 1, path);
}

void FormProperty::ShowOptions() {
    showing_ = true;
    ComboBoxExSound.SetListIndex(AppSettings.Effect);
    SliderQuality.SetCurrent(PositionOfQuality(AppSettings.Quality));
    SliderQuality_Scroll();
    {
        const QSignalBlocker quiet(ListOthers);
        const bool flags[] = {AppSettings.NonCreatableStream, AppSettings.v1Compatible, AppSettings.Suspending};
        for (int i = 0; i < 3; ++i) ListOthers->item(i)->setCheckState(flags[i] ? Qt::Checked : Qt::Unchecked);
    }
    CommandTrash->setEnabled(link_.CanTrashRecents && link_.CanTrashRecents());
    ListViewPlugin.ClearListItems();
    for (const PluginEntry& entry : Plugins.Entries) {
        if (entry.Usable) AddPluginRow(entry.Name, kUsableImage, entry.Path);
        else AddPluginRow(LoadResString(PathExists(entry.Path) ? kCannotLink : kLinkBroken), kUnusableImage, entry.Path);
    }
    showing_ = false;
    ListViewPlugin_ItemChange();
}

void FormProperty::SliderQuality_Scroll() {
    const int k = SliderQuality.Current();
    ImageQuality->setPixmap(QPixmap::fromImage(Picture(("quality500" + std::to_string(k) + ".png").c_str())));
    ToolTipsQuality.ToolTipText(0, LoadResString(kQualityNames + k));
}

void FormProperty::CommandRegister_Click() {
    ClassDialog dialog;
    dialog.DialogTitle(LoadResString(kChoosePlugin));
    dialog.FilterName(Plugins.FilterTitle + "|" + Plugins.FilterPattern);
    dialog.FilterNumber(1);
    dialog.Flags = kPluginFileFlags;
    dialog.LoadDialog(HandleOf(this));
    if (dialog.Cancel() || dialog.ListCount() == 0) return;
    const std::string path = dialog.Path() + "/" + dialog.List(0);
    for (int row = 0; row < ListViewPlugin.ListItemCount(); ++row) {
        if (MatchesPattern(ListViewPlugin.ListItems(row, 1), path)) {
            MsgBox(HandleOf(this), LoadResString(kPluginTwice), AppTitle(), kExclamation);
            return;
        }
    }
    AddPluginRow(LoadResString(kLinkWaiting), kUsableImage, path);
    ListViewPlugin.SetListItemState(ListViewPlugin.ListItemCount() - 1, kCutState, true);
    ListViewPlugin_ItemChange();
}

void FormProperty::CommandRemove_Click() {
    const int row = ListViewPlugin.SelIndex();
    if (row < 0) return;
    ListViewPlugin.RemoveListItem(row);
    // No other row takes the selection, so that a second press removes nothing.
    ListViewPlugin.SetSelIndex(-1);
    ListViewPlugin_ItemChange();
}

void FormProperty::ListViewPlugin_ItemChange() {
    if (showing_) return;
    CommandRemove->setEnabled(ListViewPlugin.SelCount() > 0);
}

void FormProperty::ListViewPlugin_DblClick() {
    std::vector<std::string> names;
    for (const PluginEntry& entry : Plugins.Entries) names.push_back(entry.Name);
    const int selected = ListViewPlugin.SelIndex();
    FormPlugin window(this);
    window.Dialog(this, names, selected < 0 ? 0 : selected + 1, Plugins.PatternList);
}

void FormProperty::ListOthers_ItemCheck(int index) {
    // The visual styles switch at once; the other entries wait for "OK".
    if (index == VisualStyles && ListOthers->count() > VisualStyles)
        SetVisualStyle(ListOthers->item(VisualStyles)->checkState() == Qt::Checked);
}

void FormProperty::CommandTrash_Click() {
    if (link_.TrashRecents) link_.TrashRecents();
    CommandTrash->setEnabled(link_.CanTrashRecents && link_.CanTrashRecents());
}

void FormProperty::CommandAssociate_Click() {
    if (MsgBox(HandleOf(this), LoadResString(kAskAssociate), AppTitle(), kQuestion) != kYes) return;
    if (RegisterDocument && RegisterDocument()) MsgBox(HandleOf(this), LoadResString(kAssociated), AppTitle(), kInformation);
    else MsgBox(HandleOf(this), LoadResString(kNotAssociated), AppTitle(), kStop);
}

void FormProperty::CommandHelp_Click() { QWhatsThis::enterWhatsThisMode(); }

void FormProperty::CommandOK_Click() {
    hide();
    ApplyOptions();
}

void FormProperty::CommandCancel_Click() { hide(); }

void FormProperty::ApplyOptions() {
    AppSettings.Effect = uint8_t(std::max(0, ComboBoxExSound.ListIndex()));
    AppSettings.Quality = QualityOfPosition(SliderQuality.Current());
    AppSettings.NonCreatableStream = ListOthers->item(NoAlbumStream)->checkState() == Qt::Checked;
    AppSettings.v1Compatible = ListOthers->item(NoLibraryChoice)->checkState() == Qt::Checked;
    AppSettings.Suspending = ListOthers->item(RestoreOnStart)->checkState() == Qt::Checked;
    Plugins.Entries.clear();
    for (int row = 0; row < ListViewPlugin.ListItemCount(); ++row)
        Plugins.Entries.push_back({ListViewPlugin.ListItems(row, 1), "", false});
    BuildPatternList();
}

} // namespace gb

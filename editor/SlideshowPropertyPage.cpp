#include "SlideshowPropertyPage.h"

#include "GeneralProperty.h"
#include "LockableComboBox.h"
#include "album/AlbumRecords.h"
#include "app/GeneralMain.h"
#include "platform/desktop/FileOperation.h"
#include "resources/StringTable.h"
#include "shell/ClassDialog.h"
#include "toolkit/ClassImageList.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>

namespace gb {
namespace {

constexpr int kMargin = 8;
constexpr int kRow = 22;
constexpr int kCaption = 18;

// The screen sizes offered, largest first.
const char* const kZooms[] = {"1000%", "500%", "200%", "150%", "100%", "75%", "50%", "25%", "10%"};
// The live filters: their texts, and the values they store.
const char* const kLiveFilters[] = {"(なし)", "モノトーン ライブ", "セピア調 ライブ", "あざやか色彩 ライブ", "ランダム"};

// The effects, numbered as the slideshow numbers them: 0 none, 1-11 transitions,
// 12-14 colour filters, 15 random.
constexpr int kEffects = 16;
constexpr int32_t kTransitionImage = 11, kFilterImage = 12;
int32_t EffectImage(int effect) {
    if (effect == 0) return -1;
    return effect >= 12 && effect <= 14 ? kFilterImage : kTransitionImage;
}

constexpr int32_t kShortestInterval = 1, kLongestInterval = 50;

// The music the file dialog offers, and its options: hide the read-only box, keep the
// current folder, path and file must exist.
constexpr const char* kMusicFilter =
    "ﾐｭｰｼﾞｯｸ ｸﾘｯﾌﾟ|*.MID;*.RMI;*.WAV;*.MP3;*.MPG|MIDIｼｰｹﾝｽ|*.MID;*.RMI|WAVEｻｳﾝﾄﾞ|*.WAV|MPEG MP3ﾌｫｰﾏｯﾄ|*.MP3;*.MPG";
constexpr uint32_t kMusicFlags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

// The interval box as the up-down control's buddy.
class BuddyOf : public InterfaceDock {
public:
    explicit BuddyOf(QWidget* window) : window_(HandleOf(window)) {}
    std::intptr_t Handle() override { return window_; }
    int32_t Superclass() override { return 0; }
    void Receive(InterfaceDock*) override {}

private:
    Hwnd window_;
};

} // namespace

SlideshowPropertyPage::SlideshowPropertyPage(QWidget* parent, ClassImageList& commands) : QWidget(parent) {
    const char* captions[4] = {"画面サイズ(&R)", "表示の切り替え間隔(&I)", "エフェクト(&E)", "エフェクト(&E)"};
    for (int i = 0; i < 4; ++i) captions_[i] = new QLabel(QString::fromUtf8(captions[i]), this);

    ComboZoom = new LockableComboBox(this);
    for (const char* zoom : kZooms) ComboZoom->addItem(QString::fromUtf8(zoom));
    captions_[0]->setBuddy(ComboZoom);
    connect(ComboZoom, &QComboBox::activated, this, [this](int index) { ComboZoom_Change(ComboZoom->itemText(index)); });
    connect(ComboZoom, &QComboBox::editTextChanged, this, [this](const QString& text) { ComboZoom_Change(text); });

    TextInterval = new QLineEdit(this);
    TextInterval->setMaxLength(2);
    TextInterval->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,2}")), TextInterval));
    TextInterval->installEventFilter(this);
    captions_[1]->setBuddy(TextInterval);
    connect(TextInterval, &QLineEdit::textChanged, this, [this](const QString& text) { TextInterval_Change(text); });
    LabelInterval = new QLabel(QString::fromUtf8("秒"), this);
    BuddyOf buddy(TextInterval);
    UpDownInterval.Mode = 1;
    UpDownInterval.Alignment = true;
    UpDownInterval.DockingBuddy(&buddy);
    UpDownInterval.Create(HandleOf(this), 0);
    UpDownInterval.SetMin(kShortestInterval);
    UpDownInterval.SetMax(kLongestInterval);

    ComboBoxExEffect.Style = 2;
    ComboBoxExEffect.FloatingListBoxLength = 200;
    ComboBoxExEffect.Create(HandleOf(this), 0);
    ComboBoxExEffect.DockingImageList(&commands);
    for (int n = 0; n < kEffects; ++n) ComboBoxExEffect.AddItem(LoadResString(2100 + n), EffectImage(n), -1, -1, n);
    captions_[2]->setBuddy(WidgetOf(ComboBoxExEffect.hComboBoxEx));
    ComboBoxExEffect.Events.Change = [this] {
        if (filling_) return;
        const int32_t index = ComboBoxExEffect.ListIndex();
        if (index >= 0) Album.Effect = int16_t(ComboBoxExEffect.ItemData(index));
    };

    ComboEffect = new QComboBox(this);
    for (int entry = 0; entry < 5; ++entry)
        ComboEffect->addItem(QString::fromUtf8(kLiveFilters[entry]), int(LiveFilterOfEntry(entry)));
    captions_[3]->setBuddy(ComboEffect);
    connect(ComboEffect, &QComboBox::activated, this,
            [this](int index) { Extra.LiveFilter = int16_t(ComboEffect->itemData(index).toInt()); });

    FrameSound = new QGroupBox(QString::fromStdString(LoadResString(2010)), this);
    OptionSounds[0] = new QRadioButton(QString::fromUtf8("再生しない(&N)"), FrameSound);
    OptionSounds[1] = new QRadioButton(QString::fromUtf8("次の音楽を再生する(&Y)"), FrameSound);
    for (int k = 0; k < 2; ++k)
        connect(OptionSounds[k], &QRadioButton::clicked, this, [this, k] { OptionSounds_Click(k); });
    TextSound = new QLineEdit(FrameSound);
    TextSound->setReadOnly(true); // shows the music; what is typed there is discarded
    CommandSound = new QPushButton(QString::fromUtf8("選択(&D)..."), FrameSound);
    connect(CommandSound, &QPushButton::clicked, this, [this] { CommandSound_Click(); });
    CheckSound = new QCheckBox(QString::fromUtf8("スライドショー効果音(&S)"), FrameSound);
    connect(CheckSound, &QCheckBox::clicked, this, [](bool checked) { Album.SoundEffects = checked; });

    ChooseFile = [this](std::string& folder, std::string& name) { return ShowFileDialog(folder, name); };
    Arrange();
}

SlideshowPropertyPage::~SlideshowPropertyPage() {
    ComboBoxExEffect.Destroy();
    UpDownInterval.Destroy();
}

void SlideshowPropertyPage::Arrange() {
    const int w = width();
    int y = kMargin;
    captions_[0]->setGeometry(kMargin, y, w - 2 * kMargin, kCaption);
    y += kCaption;
    ComboZoom->setGeometry(kMargin, y, 120, kRow);
    y += kRow + kMargin;
    captions_[1]->setGeometry(kMargin, y, w - 2 * kMargin, kCaption);
    y += kCaption;
    TextInterval->setGeometry(kMargin, y, 40, kRow);
    UpDownInterval.Calculate();
    LabelInterval->setGeometry(kMargin + 64, y, 40, kRow);
    y += kRow + kMargin;
    captions_[2]->setGeometry(kMargin, y, w - 2 * kMargin, kCaption);
    y += kCaption;
    ComboBoxExEffect.Move(kMargin, y, w - 2 * kMargin, 26);
    y += 26 + kMargin;
    captions_[3]->setGeometry(kMargin, y, w - 2 * kMargin, kCaption);
    y += kCaption;
    ComboEffect->setGeometry(kMargin, y, w - 2 * kMargin, kRow + 2);
    y += kRow + 2 + kMargin;
    const int inner = w - 2 * kMargin;
    FrameSound->setGeometry(kMargin, y, inner, 150);
    OptionSounds[0]->setGeometry(10, 22, inner - 20, kRow);
    OptionSounds[1]->setGeometry(10, 46, inner - 20, kRow);
    TextSound->setGeometry(28, 72, inner - 28 - 10, kRow);
    CommandSound->setGeometry(inner - 10 - 90, 98, 90, 24);
    CheckSound->setGeometry(10, 124, inner - 20, kRow);
}

void SlideshowPropertyPage::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Arrange();
}

void SlideshowPropertyPage::ShowAlbumProperties() {
    filling_ = true;
    ComboZoom->setEditText(QString::number(Album.Zoom) + QLatin1Char('%'));
    TextInterval->setText(QString::number(Album.Interval));
    UpDownInterval.SetCurrent(Album.Interval);
    ComboBoxExEffect.SetListIndex(Album.Effect);
    const bool music = !Album.Music.empty();
    OptionSounds[music ? 1 : 0]->setChecked(true);
    OptionSounds_Click(music ? 1 : 0);
    TextSound->setText(QString::fromStdString(Album.Music));
    CommandSound->setEnabled(music);
    CheckSound->setChecked(Album.SoundEffects);
    ComboEffect->setCurrentIndex(LiveFilterEntry(Extra.LiveFilter));
    filling_ = false;
}

void SlideshowPropertyPage::ApplyEditMode(bool editMode) {
    ComboZoom->SetLocked(!editMode);
    TextInterval->setEnabled(editMode);
    UpDownInterval.SetEnabled(editMode);
    ComboBoxExEffect.SetEnabled(editMode);
    ComboEffect->setEnabled(editMode);
    FrameSound->setEnabled(editMode);
    for (QRadioButton* option : OptionSounds) option->setEnabled(editMode);
    const bool music = !TextSound->text().isEmpty();
    OptionSounds[music ? 1 : 0]->setChecked(true);
    OptionSounds_Click(music ? 1 : 0);
    CommandSound->setEnabled(editMode && music);
    CheckSound->setEnabled(editMode);
    ApplyControlColours({ComboZoom, ComboZoom->lineEdit(), TextInterval, ComboEffect});
}

void SlideshowPropertyPage::ComboZoom_Change(const QString& text) {
    if (filling_ || ComboZoom->Locked()) return;
    if (const std::optional<int16_t> zoom = ZoomOfText(text.toStdString())) Album.Zoom = *zoom;
}

void SlideshowPropertyPage::TextInterval_Change(const QString& text) {
    if (filling_) return;
    const int32_t seconds = text.toInt();
    Album.Interval = int16_t(seconds);
    UpDownInterval.SetCurrent(seconds);
}

void SlideshowPropertyPage::OptionSounds_Click(int index) {
    if (index == 0) {
        TextSound->clear();
        Album.Music.clear();
        CommandSound->setEnabled(false);
    } else {
        CommandSound->setEnabled(true);
    }
}

bool SlideshowPropertyPage::ShowFileDialog(std::string& folder, std::string& name) {
    ClassDialog dialog;
    dialog.DialogTitle(LoadResString(2010));
    dialog.InitDir(Album.Folder);
    dialog.FilterName(kMusicFilter);
    dialog.FilterNumber(1);
    dialog.Flags = kMusicFlags;
    dialog.LoadDialog(HandleOf(window()));
    if (dialog.Cancel() || dialog.ListCount() == 0) return false;
    folder = dialog.Path();
    name = dialog.List(0);
    return !name.empty();
}

void SlideshowPropertyPage::CommandSound_Click() {
    std::string folder, name;
    if (!ChooseFile(folder, name)) return;
    const Hwnd owner = HandleOf(window());
    bool quit = false;
    const std::optional<std::string> music = MusicOfChoice(
        Album.Folder, folder, name, DialogPrompts::OwnedBy(owner),
        [owner](const std::string& from, const std::string& to) {
            return ShellFileOperation(owner, FO_COPY, from, to, FOF_SILENT | FOF_NOCONFIRMATION | FOF_NOERRORUI) == 0;
        },
        quit);
    if (quit) {
        if (Events.Quit) Events.Quit();
        return;
    }
    if (music) Album.Music = *music;
    TextSound->setText(QString::fromStdString(Album.Music));
}

bool SlideshowPropertyPage::eventFilter(QObject* watched, QEvent* event) {
    // Leaving the interval box puts the up-down control's position (1 to 50) into it.
    if (watched == TextInterval && event->type() == QEvent::FocusOut)
        TextInterval->setText(QString::number(UpDownInterval.Current()));
    return QWidget::eventFilter(watched, event);
}

} // namespace gb

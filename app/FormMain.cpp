#include "FormMain.h"

#include "AppSettings.h"
#include "FileDropTarget.h"
#include "FormAbout.h"
#include "GeneralMain.h"
#include "MainWindowRules.h"
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "library/GeneralLibrary.h"
#include "platform/Desktop.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "platform/TwipRect.h"
#include "platform/window/WindowStyle.h"
#include "plugins/GeneralPlugin.h"
#include "resources/StringTable.h"
#include "shell/ClassHelp.h"
#include "shell/ClassPathDialog.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"
#include "slideshow/FormTheater.h"
#include "slideshow/KeyShift.h"
#include "toolkit/ToolBarControl.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <algorithm>
#include <climits>

namespace gb {
namespace {

// Geometry of the window's design, in twips.
constexpr TwipRect kWindow{0, 0, 4800, 900};
constexpr TwipRect kFrameControler{0, 0, 4110, 900};
constexpr TwipRect kShapeJogs[2] = {{1425, 0, 2685, 480}, {1425, 495, 2685, 405}};
constexpr TwipRect kQuickViewer{0, 0, 1410, 900};
constexpr TwipRect kTitle{4125, 0, 675, 900};
constexpr TwipRect kCommandButtons[2] = {{375, 75, 240, 240}, {75, 75, 240, 240}};
// The command tool bar's two rows above the status bar, beneath the quick viewer.
constexpr int kSpeedRowPixels = 22;
constexpr int kJogButtonWidth = 22;

enum CommandButton : int { ButtonExit = 0, ButtonHelp = 1 };

// Images of the tool bars' image lists, in the order of the program's bitmaps
// 101-107 and 111-117.
enum SpeedImage : int32_t { ImageChoose = 0, ImageProperties, ImageClipOff, ImageClipOn, ImageTheater, ImageRandom, ImageRepeat };

// Tool bar styles and states.
constexpr int32_t kButton = 0, kSeparator = 1, kCheck = 2, kCheckGroup = 6, kDropDown = 8;

// Caption-drawing flags: 1 active, 8 text, 32 gradient.
constexpr int32_t kCaptionActive = 41, kCaptionInactive = 40;

int16_t ToInt16(long long value) { return int16_t(std::clamp<long long>(value, SHRT_MIN, SHRT_MAX)); }

QImage AppPicture(const QString& name) { return QImage(QStringLiteral(":/app/") + name); }

// The folder part of a path ("" when the path lies directly in the root).
std::string FolderOf(const std::string& path) {
    const long slash = FindLast(1, path, "/", BinaryCompare);
    return slash > 1 ? path.substr(0, size_t(slash - 1)) : std::string();
}

} // namespace

// Hands the slideshow the theater window, which is created when first needed.
class FormMain::CinemaLink : public CinemaScreen {
public:
    explicit CinemaLink(FormMain& main) : main_(main) {}
    bool IsCinemaRunning() override { return main_.Theater().IsCinemaRunning(); }
    void ShowCinema() override { main_.Theater().ShowCinema(); }
    void HideCinema() override { main_.Theater().HideCinema(); }
    bool StartCinema() override { return main_.Theater().StartCinema(); }

private:
    FormMain& main_;
};

FormMain::FormMain() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), menus_(this) {
    setWindowTitle(QString::fromStdString(AppTitle()));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/glimmerbox.png")));
    setFixedSize(kWindow.Pixels().size());

    FrameControler = new QWidget(this);
    FrameControler->setGeometry(kFrameControler.Pixels());
    for (int i = 0; i < 2; ++i) {
        ShapeJogs[i] = new QWidget(FrameControler);
        ShapeJogs[i]->setGeometry(kShapeJogs[i].Pixels());
        ShapeJogs[i]->hide();
    }
    PictureQuickViewer = new QWidget(FrameControler);
    PictureQuickViewer->setGeometry(kQuickViewer.Pixels());
    PictureQuickViewer->hide();
    quickViewerCanvas_.Bind(HandleOf(PictureQuickViewer));
    quickViewerCanvas_.SetBackColor(SystemColor(0x8000000F));
    quickViewerCanvas_.SetForeColor(SystemColor(0x80000012));

    PictureTitle = new TitleStrip(this);
    PictureTitle->setGeometry(kTitle.Pixels());
    PictureTitle->setFocusPolicy(Qt::StrongFocus);
    const char* tips[2] = {"終了", "ヘルプ"};
    const QString pictures[2] = {QStringLiteral("exit.png"), QStringLiteral("help.png")};
    for (int i = 0; i < 2; ++i) {
        CommandButtons[i] = new QPushButton(PictureTitle);
        CommandButtons[i]->setToolTip(QString::fromUtf8(tips[i]));
        CommandButtons[i]->setIcon(QIcon(QPixmap::fromImage(AppPicture(pictures[i]))));
        CommandButtons[i]->setIconSize(QSize(12, 12));
        CommandButtons[i]->setGeometry(kCommandButtons[i].Pixels());
    }

    WindowEffects.hWnd = HandleOf(this);
    WindowEffects.hDC = PictureTitle->hDC();
    Multimedia.Exception = 3;

    jogControls_ = std::make_unique<JogControls>(this, SliderJog, ToolBarJog, StatusBar, TimerSlideshow,
                                                 PictureQuickViewer, quickViewerCanvas_);
    jogControls_->QuickViewerClosed = [this] {
        ToolBarSpeed.Refresh();
        StatusBar.Refresh();
    };
    cinema_ = std::make_unique<CinemaLink>(*this);
    slideshow_ = std::make_unique<ClassSlideshow>(*jogControls_, *cinema_, Multimedia);

    BuildControls();

    connect(&TimerSlideshow, &QTimer::timeout, this, [this] { Show([this] { slideshow_->TimerSlideshow_Timer(); }); });
    placementCheck_.setSingleShot(true);
    placementCheck_.setInterval(150);
    connect(&placementCheck_, &QTimer::timeout, this, [this] { PullOnScreen(); });

    // The desktop moves the window while the title strip is dragged; a desktop that
    // cannot leaves the mouse moves to the strip, which then moves the window.
    PictureTitle->LeftButtonDown = [this](const QPoint& global) {
        moving_ = true;
        dragOffset_ = global - pos();
        WindowEffects.Move();
    };
    PictureTitle->LeftButtonDrag = [this](const QPoint& global) {
        if (moving_) move(global - dragOffset_);
    };
    PictureTitle->LeftButtonUp = [this] {
        if (moving_) PullOnScreen();
    };
    ButtonHelper.SetEscape(PictureTitle);
    for (QPushButton* button : CommandButtons)
        connect(button, &QPushButton::pressed, this, [this, button] { ButtonHelper.BlurFocus(button); });
    connect(CommandButtons[ButtonExit], &QPushButton::clicked, this, [this] { close(); });
    connect(CommandButtons[ButtonHelp], &QPushButton::clicked, this, [this] {
        ClassHelp help;
        help.hOwnerWnd = HandleOf(this);
        help.Path = HelpFile;
        help.Start(0);
    });

    DropTarget = new FileDropTarget(FrameControler, [this](const std::string& path) { OpenLocation(path); });

    menus_.Recents().Chosen = [this](const std::string& folder) { MenuRecents_Click(folder); };
    menus_.FileCommand = [this](int index) { MenuFiles_Click(index); };
    menus_.ViewCommand = [this](int index) { MenuViews_Click(index); };

    Seams.ChooseAlbum = [](FormMain& main) {
        ClassPathDialog chooser;
        chooser.Caption = LoadResString(101);
        return chooser.Dialog(HandleOf(&main)) ? chooser.Path : std::string();
    };
    Seams.ShowAlbumEditor = [](FormMain&) {};
    Seams.UnloadAlbumEditor = [](FormMain&) {};
    Seams.ShowOptions = [](FormMain&) {};

    Behavior.Events.Activate = [this] { Remake(); };
    Behavior.Events.Deactivate = [this] { Remake(); };
}

FormMain::~FormMain() {
    DestroyControls();
    theater_.reset();
}

void FormMain::BuildControls() {
    const Hwnd frame = HandleOf(FrameControler);

    ImagesSpeed.UseMask = true;
    ImagesSpeed.MaskColor = 0xFF00FF;
    ImagesSpeed.Create();
    for (int id = 101; id <= 107; ++id) ImagesSpeed.Add(AppPicture(QStringLiteral("toolbar%1.png").arg(id)));

    const QRect left = kQuickViewer.Pixels();
    ToolBarSpeed.Create(frame, QRect(left.x(), left.y(), left.width(), 2 * kSpeedRowPixels), ImagesSpeed);
    ToolBarSpeed.AddButton(0, SpeedChooseAlbum, kDropDown, 0, ImageChoose);
    ToolBarSpeed.AddButton(0, SpeedProperties, kDropDown, 0, ImageProperties);
    ToolBarSpeed.AddButton(1, SpeedClip, kCheck, 0, ImageClipOff);
    ToolBarSpeed.AddButton(1, SpeedTheater, kCheck, 0, ImageTheater);
    ToolBarSpeed.AddButton(1, SpeedRandom, kCheck, 0, ImageRandom);
    ToolBarSpeed.AddButton(1, SpeedRepeat, kCheck, 0, ImageRepeat);
    const std::pair<int32_t, int> tips[] = {{SpeedChooseAlbum, 101}, {SpeedProperties, 102}, {SpeedClip, 103},
                                            {SpeedTheater, 104},     {SpeedRandom, 105},     {SpeedRepeat, 106}};
    for (const auto& [key, id] : tips) ToolBarSpeed.SetToolTip(key, LoadResString(id));
    ToolBarSpeed.Events.ItemClick = [this](int32_t key) { ToolBarSpeed_ItemClick(key); };
    ToolBarSpeed.Events.DropDown = [this](int32_t key, int32_t x, int32_t y) { ToolBarSpeed_DropDown(key, x, y); };

    StatusBar.Align = 0x8 | 0x3; // placed by the window, beneath the command tool bar
    StatusBar.Create(frame, 0);
    StatusBar.SetStyle(1);
    StatusBar.Move(left.x(), 2 * kSpeedRowPixels, left.width(), left.height() - 2 * kSpeedRowPixels);

    SliderJog.SelMode = true;
    SliderJog.Create(frame, 0);
    SliderJog.Fit(ShapeJogs[0], 0);
    SliderJog.SetMin(1);
    SliderJog.SetMax(1);
    SliderJog.Events.Scroll = [this] { Show([this] { slideshow_->SliderJog_Scroll(); }); };

    ImagesJog.UseMask = true;
    ImagesJog.MaskColor = 0xFF00FF;
    ImagesJog.Create();
    for (int id = 111; id <= 117; ++id) ImagesJog.Add(AppPicture(QStringLiteral("toolbar%1.png").arg(id)));

    ToolBarJog.SetAlign(0x1 | 0x8);
    ToolBarJog.SetFlat(true);
    ToolBarJog.Create(frame, 0);
    SpeedToolBar::Compact(ToolBarJog, kJogButtonWidth, kShapeJogs[1].Pixels().height());
    ToolBarJog.DockingImageList(&ImagesJog);
    ToolBarJog.Fit(ShapeJogs[1], 0);
    ToolBarJog.AddButton(JogFirst, kButton, 0, "", 0);
    ToolBarJog.AddButton(JogPrevious, kButton, 0, "", 1);
    ToolBarJog.AddButton(JogSeparatorLeft, kSeparator, 0, "", -1);
    ToolBarJog.AddButton(JogStop, kCheckGroup, 0, "", 2);
    ToolBarJog.AddButton(JogPause, kCheckGroup, 0, "", 3);
    ToolBarJog.AddButton(JogPlay, kCheckGroup, 0, "", 4);
    ToolBarJog.AddButton(JogSeparatorRight, kSeparator, 0, "", -1);
    ToolBarJog.AddButton(JogNext, kButton, 0, "", 5);
    ToolBarJog.AddButton(JogLast, kButton, 0, "", 6);
    ToolBarJog.Events.ItemClick = [this](int32_t key) { Show([this, key] { slideshow_->ToolBarJog_ItemClick(key); }); };

    PictureQuickViewer->raise();
    controlsBuilt_ = true;
}

void FormMain::DestroyControls() {
    if (!controlsBuilt_) return;
    controlsBuilt_ = false;
    Behavior.SetAccelerator(false);
    Behavior.Detach();
    ToolBarJog.Destroy();
    ImagesJog.Destroy();
    SliderJog.Destroy();
    StatusBar.Destroy();
    ToolBarSpeed.Destroy();
    ImagesSpeed.Destroy();
}

FormTheater& FormMain::Theater() {
    if (!theater_) {
        theater_ = std::make_unique<FormTheater>(this);
        theater_->Events.KeyDown = [this](int key, int shift) { Form_KeyDown(key, shift); };
        theater_->Events.KeyUp = [this](int key, int shift) { Form_KeyUp(key, shift); };
    }
    return *theater_;
}

void FormMain::Form_Load(const std::string& commandLine) {
    RestoreState();
    WindowEffects.SetAlwaysVisible(AppSettings.Clip != 0);
    Behavior.Attach(this);
    Behavior.SetAccelerator(true);
    Multimedia.Exception = 3;
    show();
    PictureTitle->setFocus(Qt::OtherFocusReason);
    Active = isActiveWindow();
    Remake();
    OpenLocation(commandLine);
}

void FormMain::RestoreState() {
    LoadSettings();
    LoadLibraryList();
    LoadPluginList();

    move(AppSettings.X, AppSettings.Y);

    switch (LayeredSwitchOf(AppSettings.AlphaBlend)) {
    case LayeredSwitch::On:
        Layered = true;
        SetWindowLong(HandleOf(this), GWL_EXSTYLE, GetWindowLong(HandleOf(this), GWL_EXSTYLE) | WS_EX_LAYERED);
        break;
    case LayeredSwitch::Off: Layered = false; break;
    case LayeredSwitch::Unchanged: break;
    }

    const HistoryList& history = AppSettings.History;
    const size_t count = std::min<size_t>(size_t(std::max<int16_t>(history.Count, 0)), history.List.size());
    menus_.Recents().Restore(std::vector<std::string>(history.List.begin(), history.List.begin() + long(count)));

    const std::pair<int32_t, int32_t> toggles[] = {{SpeedClip, AppSettings.Clip},
                                                   {SpeedTheater, AppSettings.Theater},
                                                   {SpeedRandom, AppSettings.Random},
                                                   {SpeedRepeat, AppSettings.Repeat}};
    for (const auto& [key, setting] : toggles) {
        const uint32_t state = uint32_t(ToolBarSpeed.ButtonState(key));
        ToolBarSpeed.SetButtonState(key, int32_t(setting ? state | TBSTATE_CHECKED : state & ~uint32_t(TBSTATE_CHECKED)));
        ToolBarSpeed_ItemClick(key);
    }

    menus_.MenuViews(MainMenus::ViewQuickViewer)->setChecked(AppSettings.QuickViewer);
    BuildPatternList();
    LockJog(true);
}

void FormMain::StoreState() {
    LockJog(false);
    AppSettings.X = ToInt16(x());
    AppSettings.Y = ToInt16(y());
    const std::vector<std::string> tags = menus_.Recents().Tags();
    AppSettings.History.Count = int16_t(tags.size());
    AppSettings.History.List = tags;
    menus_.Recents().TrashRecents();
    SavePluginList();
    SaveLibraryList();
    SaveSettings();
}

void FormMain::OpenLocation(const std::string& given) {
    ++opening_;
    if (!given.empty()) {
        try {
            std::string path = TrimLocation(given);
            const Hwnd owner = HandleOf(this);
            if (path.find('/') == std::string::npos) {
                MsgBox(owner, LoadResString(10006), AppTitle(), MB_ICONINFORMATION);
            } else if (!PathExists(path)) {
                MsgBox(owner, LoadResString(10005), AppTitle(), MB_ICONEXCLAMATION);
            } else {
                LockJog(true);
                bool open = true;
                if (FindLast(1, path, "Browse.GBX", TextCompare) > 0) {
                    path = FolderOf(path);
                } else if (FileExists(path)) {
                    open = MsgBox(owner, LoadResString(10007), AppTitle(), MB_YESNO | MB_ICONQUESTION) == IDYES;
                    if (open) path = FolderOf(path);
                }
                // The folder of a file that lies in the root is the root itself.
                if (open && path.empty()) {
                    open = false;
                    MsgBox(owner, LoadResString(10006), AppTitle(), MB_ICONINFORMATION);
                }
                if (open) {
                    Slideshow(ShowStop);
                    if (!Album.Folder.empty()) {
                        SaveAlbum(Album.Folder);
                        Seams.UnloadAlbumEditor(*this);
                    }
                    QApplication::processEvents();
                    LoadAlbum(path);
                    BuildGalleryList(!Album.Stored);
                    RelayoutSheet();
                    AddRecent();
                }
                LockJog(false);
            }
        } catch (const std::exception&) {
            // Reload below leaves the controls consistent.
        }
    }
    Reload();
    --opening_;
    CloseWhenIdle();
}

void FormMain::AddRecent() { menus_.Recents().AddRecent(Album.Folder); }

bool FormMain::CanTrashRecents() const { return menus_.Recents().CanTrashRecents(); }

void FormMain::TrashRecents() { menus_.Recents().TrashRecents(); }

void FormMain::Reload() {
    const int count = Album.GalleryCount;
    LockJog(count <= 0);
    SliderJog.SetMin(1);
    SliderJog.SetMax(std::max(1, count));
    SliderJog.SetCurrent(Album.CurrentGallery);
    SliderJog.Interval(JogTickFrequency(count));
    for (int32_t key : {JogFirst, JogPrevious, JogNext, JogLast}) ToolBarJog.SetButtonEnabled(key, count > 1);
    const bool open = !Album.Folder.empty();
    menus_.MenuViews(MainMenus::ViewProperties)->setEnabled(open);
    menus_.MenuViews(MainMenus::ViewQuickViewer)->setEnabled(open);
}

void FormMain::LockJog(bool flag) {
    SliderJog.SetEnabled(!flag);
    for (int32_t key : {JogFirst, JogPrevious, JogStop, JogPause, JogPlay, JogNext, JogLast})
        ToolBarJog.SetButtonEnabled(key, !flag);
}

void FormMain::SuspendTopmost(bool flag) {
    if (flag) {
        slideshow_->State.SavedTopmost = WindowEffects.AlwaysVisible();
        WindowEffects.SetAlwaysVisible(false);
    } else {
        WindowEffects.SetAlwaysVisible(slideshow_->State.SavedTopmost);
    }
}

void FormMain::Slideshow(int32_t mode) {
    Show([this, mode] { slideshow_->Slideshow(mode); });
}

// Runs one call of the slideshow; a close that came in while it ran follows now.
void FormMain::Show(const std::function<void()>& call) {
    call();
    CloseWhenIdle();
}

bool FormMain::Busy() const { return opening_ > 0 || slideshow_->Busy(); }

void FormMain::CloseWhenIdle() {
    if (!closePending_ || Busy()) return;
    closePending_ = false;
    close();
}

void FormMain::Form_KeyDown(int keyCode, int shift) {
    Show([this, keyCode, shift] { slideshow_->Form_KeyDown(keyCode, shift); });
}

void FormMain::Form_KeyUp(int keyCode, int shift) { slideshow_->Form_KeyUp(keyCode, shift); }

void FormMain::keyPressEvent(QKeyEvent* event) {
    Form_KeyDown(VirtualKeyFromQtKey(event->key()), ShiftStateOf(event->modifiers()));
}

void FormMain::keyReleaseEvent(QKeyEvent* event) {
    Form_KeyUp(VirtualKeyFromQtKey(event->key()), ShiftStateOf(event->modifiers()));
}

void FormMain::PauseRunningShow() {
    if (slideshow_->State.Mode == ShowPlay) Slideshow(ShowPause);
}

void FormMain::ToolBarSpeed_ItemClick(int32_t key) {
    switch (key) {
    case SpeedChooseAlbum:
        PauseRunningShow();
        MenuFiles_Click(MainMenus::FileChooseAlbum);
        break;
    case SpeedProperties:
        PauseRunningShow();
        MenuViews_Click(MainMenus::ViewProperties);
        break;
    case SpeedClip:
    case SpeedTheater:
    case SpeedRandom:
    case SpeedRepeat: ApplyToggle(key, ToolBarSpeed.ButtonState(key) & TBSTATE_CHECKED); break;
    default: break;
    }
}

void FormMain::ApplyToggle(int32_t key, bool pressed) {
    switch (key) {
    case SpeedClip:
        ToolBarSpeed.SetButtons(SpeedClip, pressed ? ImageClipOn : ImageClipOff);
        AppSettings.Clip = pressed;
        WindowEffects.SetAlwaysVisible(pressed);
        break;
    case SpeedTheater:
        AppSettings.Theater = pressed;
        Theater().CinemaTheaterMode(pressed);
        if (Theater().IsCinemaRunning()) Theater().StartCinema();
        break;
    case SpeedRandom: AppSettings.Random = pressed; break;
    case SpeedRepeat: AppSettings.Repeat = pressed; break;
    }
}

void FormMain::ToolBarSpeed_DropDown(int32_t key, int32_t x, int32_t y) {
    QMenu* menu = key == SpeedChooseAlbum ? menus_.MenuFile() : key == SpeedProperties ? menus_.MenuView() : nullptr;
    if (menu) menu->exec(QPoint(x, y));
}

void FormMain::MenuFiles_Click(int index) {
    if (index != MainMenus::FileChooseAlbum) return;
    SuspendTopmost(true);
    const std::string folder = Seams.ChooseAlbum(*this);
    if (!folder.empty()) OpenLocation(folder);
    SuspendTopmost(false);
}

void FormMain::MenuRecents_Click(const std::string& folder) { OpenLocation(folder); }

void FormMain::MenuViews_Click(int index) {
    SuspendTopmost(true);
    switch (index) {
    case MainMenus::ViewProperties:
        if (menus_.MenuViews(MainMenus::ViewProperties)->isEnabled()) Seams.ShowAlbumEditor(*this);
        else QApplication::beep();
        break;
    case MainMenus::ViewQuickViewer:
        AppSettings.QuickViewer = menus_.MenuViews(MainMenus::ViewQuickViewer)->isChecked();
        break;
    case MainMenus::ViewOptions: Seams.ShowOptions(*this); break;
    case MainMenus::ViewAbout: ShowAbout(); break;
    default: break;
    }
    SuspendTopmost(false);
}

void FormMain::ShowAbout() {
    FormAbout about(this);
    about.exec();
}

void FormMain::Remake() {
    if (Layered) setWindowOpacity(LayeredOpacity(Active, AppSettings.AlphaBlend) / 255.0);
    WindowEffects.DrawTitle(0, 0, int16_t(PictureTitle->width()), int16_t(PictureTitle->height()),
                            Active ? kCaptionActive : kCaptionInactive);
    PictureTitle->update();
    FrameControler->update();
}

void FormMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        Active = isActiveWindow();
        Remake();
    }
}

void FormMain::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (moving_) placementCheck_.start();
}

void FormMain::PullOnScreen() {
    if (IsKeyDown(VK_LBUTTON, false)) {
        placementCheck_.start();
        return;
    }
    moving_ = false;
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!s) return;
    const QRect frame = frameGeometry();
    const QPoint place = KeepOnScreen(frame, s->geometry());
    if (place != frame.topLeft()) move(pos() + (place - frame.topLeft()));
}

// Closing is never refused: the open album is put away, every other window unloads,
// then the state is written.
void FormMain::closeEvent(QCloseEvent* event) {
    if (!closing_ && Busy()) {
        // A close that arrives while the message loop runs inside the opening of an
        // album or a change of the show (the end signal, for one) would save a
        // half-opened album; it follows as soon as that work is done.
        event->ignore();
        closePending_ = true;
        return;
    }
    event->accept();
    if (closing_) return;
    closing_ = true;
    QueryUnload();
    Unload();
    QApplication::quit();
}

void FormMain::QueryUnload() {
    if (Album.Folder.empty()) return;
    Slideshow(ShowStop);
    SaveAlbum(Album.Folder);
}

void FormMain::Unload() {
    hide();
    // Letting the message loop run may end windows of the list, so each is held
    // by a guarded pointer.
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != this) windows.emplace_back(window);
    for (const QPointer<QWidget>& window : windows) {
        QApplication::processEvents();
        if (!window) continue;
        if (theater_ && window == theater_.get()) theater_->Unload();
        window->close();
    }
    StoreState();
    DestroyControls();
}

} // namespace gb

#include "FormThumbnail.h"

#include "AlbumPropertyPage.h"
#include "GeneralProperty.h"
#include "MailDocuments.h"
#include "SlideshowPropertyPage.h"
#include "album/AlbumUrl.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "app/GeneralMain.h"
#include "options/FormDialog.h"
#include "platform/Desktop.h"
#include "platform/KeyState.h"
#include "platform/MessageBox.h"
#include "resources/StringTable.h"
#include "shell/ClassHelp.h"
#include "shell/ClassShell.h"
#include "shell/ClassTheme.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"
#include "toolkit/ListViewControl.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <climits>

namespace gb {
namespace {

// The window's design size in twips, which is also its least size.
constexpr int kDesignWidth = 12600, kDesignHeight = 8100;
constexpr int kTabStripWidth = 420;
constexpr int kProgressWidth = 160;
constexpr int kAnimationSide = 26;
constexpr int kStatusHeight = 20;
constexpr int kThumbnailSide = 80;

// The first fill waits a tenth of a second; the icons are arranged again half a
// second after the last change of size.
constexpr int kFirstFill = 100, kRearrange = 500;

// Window states of the placement record.
constexpr int32_t kStateNormal = 0, kStateMinimised = 1, kStateMaximised = 2;

// The command images: bitmaps 201-208 and 211-215 become indexes 0 to 12.
constexpr int kCommandPictures[] = {201, 202, 203, 204, 205, 206, 207, 208, 211, 212, 213, 214, 215};
constexpr int32_t kTabImage = 8;

// Tool bar styles and states.
constexpr int32_t kButton = 0, kSeparator = 1, kCheck = 2, kCheckGroup = 6, kCheckGroupText = 70, kWholeDropDown = 136;
constexpr int32_t kPressed = 1;

int16_t ToTwips(int pixels, int twipsPerPixel) {
    return int16_t(std::clamp<long>(long(pixels) * twipsPerPixel, SHRT_MIN, SHRT_MAX));
}

QImage EditorPicture(const QString& name) { return QImage(QStringLiteral(":/editor/") + name); }

QCursor DragCursor(int id) {
    const QPixmap picture = QPixmap::fromImage(EditorPicture(QStringLiteral("cursor%1.png").arg(id)));
    return id == 11 ? QCursor(picture, 1, 1) : QCursor(picture, 16, 16);
}

} // namespace

FormThumbnail::FormThumbnail(MainWindowLink main)
    : QWidget(nullptr, Qt::Window), main_(std::move(main)), menus_(this), list_(ListViewThumbnail, ImagesThumbnail),
      status_(StatusBar, AnimateBusy) {
    setWindowTitle(QString::fromStdString(AppTitle()));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/glimmerbox.png")));
    setFont(QFont(QString::fromStdString(MapFontName("MS UI Gothic")), 9));
    resize(kDesignWidth / TwipsPerPixelX(), kDesignHeight / TwipsPerPixelY());

    AskYesNo = [this](int id) { return MsgBox(HandleOf(this), LoadResString(id), AppTitle(), MB_YESNO | MB_ICONQUESTION) == IDYES; };

    list_.Hooks.ShowStatus = [this](std::optional<bool> busy, int16_t message) { ShowStatus(busy, message); };
    list_.Hooks.ShowProgress = [this](bool visible) { ProgressBar.SetVisible(visible); };
    list_.Hooks.SetProgress = [this](int32_t percent) {
        ProgressBar.SetPercent(percent);
        ProgressBar.Refresh();
    };
    list_.Hooks.Redraw = [this] { ListViewThumbnail.Refresh(); };
    list_.Hooks.Inform = [this](int id, uint32_t style) { Inform(id, style); };
    list_.Hooks.Trash = [this](const std::string& path) {
        ClassShell shell;
        shell.hOwnerWnd = HandleOf(this);
        shell.DisabledCheckDialog(true);
        shell.DisabledStepDialog(true);
        shell.DisabledErrorDialog(true);
        shell.Trash(path, true);
    };
    list_.Hooks.Mail = [this](const std::string& paths, const std::string& titles) {
        return MAPISendDocuments(HandleOf(this), ";", paths, titles, 0);
    };
    status_.EnableRebuilding = [this](bool enabled) {
        menus_.MenuAction(ThumbnailMenus::ActionNewThumbnails)->setEnabled(enabled);
        menus_.MenuAction(ThumbnailMenus::ActionRefresh)->setEnabled(enabled);
        ToolBarSpeed.SetButtonEnabled(SpeedNewThumbnails, enabled);
        ToolBarSpeed.SetButtonEnabled(SpeedRefresh, enabled);
        ToolBarSpeed.Refresh();
    };
    menus_.ActionCommand = [this](int index) { MenuActions_Click(index); };
    menus_.GalleryCommand = [this](int index) { MenuGalleries_Click(index); };
    menus_.HelpCommand = [this] { ShowContextHelp(); };
    MenuHelper.SetOwner(this);

    BuildControls();

    TimerThumbnail.setSingleShot(false);
    TimerThumbnail.setInterval(kFirstFill);
    connect(&TimerThumbnail, &QTimer::timeout, this, [this] { TimerThumbnail_Timer(); });
    refreshLater_.setSingleShot(true);
    refreshLater_.setInterval(0);
    connect(&refreshLater_, &QTimer::timeout, this, [this] { RefreshCommands(); });

    RestorePlacement();
    Form_Resize();
    TabStripProperty.SetCurrent(PageAlbum);
    TabStripProperty_Click();
    ShowAlbumProperties();
    if (EditorExtensions().InternetPage) EditorExtensions().InternetPage(*this, pageFrames_[PageInternet]);
    ShowStatus(std::nullopt, 0);
    RefreshCommands();
    ApplyEditMode();
}

FormThumbnail::~FormThumbnail() {
    if (!unloaded_) DeleteWallpaperFile();
    DestroyControls();
}

void FormThumbnail::BuildControls() {
    const Hwnd window = HandleOf(this);

    ImagesCommand.UseMask = true;
    ImagesCommand.MaskColor = 0xFF00FF;
    ImagesCommand.Create();
    for (int id : kCommandPictures) ImagesCommand.Add(EditorPicture(QStringLiteral("command%1.png").arg(id)));

    ImagesThumbnail.SetListImageWidth(kThumbnailSide);
    ImagesThumbnail.SetListImageHeight(kThumbnailSide);
    ImagesThumbnail.Create();

    BuildToolBar();

    AnimateBusy.Opaque = true;
    AnimateBusy.Center = false;
    AnimateBusy.Create(window, 0);
    AnimateBusy.Size(kAnimationSide, kAnimationSide);
    AnimateBusy.LoadFromResource(0, 1);

    ReBar.FixedOrder = true;
    ReBar.Align = 0x8 | 0x1; // placed by the window, across its top
    ReBar.ForeColor = SystemColor(0x80000012);
    ReBar.BackColor = SystemColor(0x8000000F);
    ReBar.Create(window, 0);
    ReBar.AddBand(0, &ToolBarSpeed, 0, "");
    ReBar.AddBand(0, &AnimateBusy, 0, "");

    StatusBar.Align = 0x8 | 0x3; // placed by the window, along its bottom
    StatusBar.SizeGrip = true;
    StatusBar.Create(window, 0);
    StatusBar.SetPanelHeight(kStatusHeight);
    StatusBar.AddPanels({std::nullopt});
    StatusBar.Calculate();

    ProgressBar.Style = 1;
    ProgressBar.Create(window, 0);
    ProgressBar.SetVisible(false);

    BuildList();
    BuildPages();

    Themed = ClassTheme().IsThemeMode();
    Tracker.MinWidth = int16_t(kDesignWidth / TwipsPerPixelX());
    Tracker.MinHeight = int16_t(kDesignHeight / TwipsPerPixelY());
    Tracker.SetOwner(window);
    Tracker.Attach();
    controlsBuilt_ = true;
}

void FormThumbnail::BuildToolBar() {
    ToolBarSpeed.SetFlat(true);
    ToolBarSpeed.SetTransparent(true);
    ToolBarSpeed.SetBorder(false);
    ToolBarSpeed.SetWrapable(false);
    ToolBarSpeed.SetList(true); // text beside the images
    ToolBarSpeed.SetAlign(0x8);
    ToolBarSpeed.SetDropDownArrow(true);
    ToolBarSpeed.SetMixedCaption(true);
    ToolBarSpeed.Create(HandleOf(this), 0);
    ToolBarSpeed.DockingImageList(&ImagesCommand);
    ToolBarSpeed.SetButtonWidth(22, 0);
    ToolBarSpeed.AddButton(SpeedNewThumbnails, kButton, 0, "", 0);
    ToolBarSpeed.AddButton(SpeedRefresh, kButton, 0, "", 1);
    ToolBarSpeed.AddButton(20, kSeparator, 0, "", -1);
    ToolBarSpeed.AddButton(SpeedPrint, kButton, 0, "", 2);
    ToolBarSpeed.AddButton(30, kSeparator, 0, "", -1);
    ToolBarSpeed.AddButton(SpeedViewer, kCheckGroup, kPressed, "", 3);
    ToolBarSpeed.AddButton(SpeedEditMode, kCheckGroupText, 0, LoadResString(205), 4);
    ToolBarSpeed.AddButton(40, kSeparator, 0, "", -1);
    ToolBarSpeed.AddButton(SpeedSmartViewer, kCheck, 0, "", 5);
    ToolBarSpeed.AddButton(SpeedProperties, kWholeDropDown, 0, "", 6);
    ToolBarSpeed.AddButton(50, kSeparator, 0, "", -1);
    ToolBarSpeed.AddButton(SpeedHelp, kButton, 0, "", 7);
    ToolBarSpeed.Calculate(); // sized to its buttons before the rebar takes it
    ToolBarSpeed.Events.ItemClick = [this](int32_t key) { ToolBarSpeed_ItemClick(key); };
    ToolBarSpeed.Events.DropDown = [this](int32_t key, int32_t x, int32_t y) { ToolBarSpeed_DropDown(key, x, y); };

    ToolTipsSpeed.Create(HandleOf(this), 0);
    const std::pair<int32_t, int> tips[] = {{SpeedNewThumbnails, 201}, {SpeedRefresh, 202}, {SpeedPrint, 203},
                                            {SpeedViewer, 204},        {SpeedEditMode, 205}, {SpeedSmartViewer, 206},
                                            {SpeedProperties, 207},    {SpeedHelp, 208}};
    for (const auto& [key, id] : tips) ToolTipsSpeed.Add(LoadResString(id), key);
    ToolTipsSpeed.Margin(2, 2);
    ToolBarSpeed.DockingToolTips(&ToolTipsSpeed);
    ToolTipsSpeed.Complete();
}

void FormThumbnail::BuildList() {
    ListViewThumbnail.DragDropMode = true;
    ListViewThumbnail.MultiSelect = true;
    ListViewThumbnail.LabelEdit = true;
    ListViewThumbnail.HideSelection = false; // the selection shows only while the list has the focus
    ListViewThumbnail.Wrapable = true;
    ListViewThumbnail.HasScrollBars = true;
    ListViewThumbnail.HasColumnHeader = false;
    ListViewThumbnail.HelpContextID = kHelpContext;
    ListViewThumbnail.Create(HandleOf(this), 0);
    ListViewThumbnail.DockingImageList(0, &ImagesThumbnail);
    ListViewThumbnail.SetStyle(0);
    // The common controls of this platform are of version 6: a white list with black
    // text over the watermark.
    ListViewThumbnail.SetBackColor(0xFFFFFF);
    ListViewThumbnail.SetForeColor(0x000000);
    SetListWallpaper();
    ConnectList();
}

void FormThumbnail::BuildPages() {
    TabStripProperty.Create(HandleOf(this), 0);
    TabStripProperty.DockingImageList(&ImagesCommand);
    for (int k = 0; k < kPages; ++k) TabStripProperty.AddTab(LoadResString(209 + k), kTabImage + k);
    TabStripProperty.HelpContextID = kPageHelpContext;
    TabStripProperty.Events.Change = [this] { TabStripProperty_Click(); };

    albumPage_ = new AlbumPropertyPage(this);
    slideshowPage_ = new SlideshowPropertyPage(this, ImagesCommand);
    pageFrames_[PageAlbum] = albumPage_;
    pageFrames_[PageSlideshow] = slideshowPage_;
    pageFrames_[PageInternet] = new QWidget(this);
    for (QWidget* frame : pageFrames_) {
        frame->setProperty("HelpContextID", kPageHelpContext);
        frame->hide();
    }

    albumPage_->Events.TitleChanged = [this] { setWindowTitle(QString::fromStdString(AlbumCaption(Album.Title))); };
    albumPage_->Events.TitleEntered = [this] { ShowAlbumProperties(); };
    albumPage_->Events.TitleCommand = [this] {
        GalleryDialog().Dialog(this, FormDialog::PageAlbum);
        ShowAlbumProperties();
    };
    slideshowPage_->Events.Quit = [this] {
        if (main_.Quit) main_.Quit();
    };
}

void FormThumbnail::DestroyControls() {
    if (!controlsBuilt_) return;
    controlsBuilt_ = false;
    TimerThumbnail.stop();
    Tracker.Detach();
    ListViewThumbnail.Destroy();
    TabStripProperty.Destroy();
    ProgressBar.Destroy();
    StatusBar.Destroy();
    ReBar.Destroy();
    AnimateBusy.Destroy();
    ToolTipsSpeed.Destroy();
    ToolBarSpeed.Destroy();
    ImagesThumbnail.Destroy();
    ImagesCommand.Destroy();
}

void FormThumbnail::ConnectList() {
    ItemViewEvents& events = ListViewThumbnail.Events;
    events.GotFocus = [this] { ListViewThumbnail_Focus(true); };
    events.LostFocus = [this] { ListViewThumbnail_Focus(false); };
    events.ItemChange = [this](int32_t, int32_t) {
        list_.SelectionChanged();
        // A burst of changes (select all, a move) refreshes the commands once.
        refreshLater_.start();
    };
    events.Click = [this](int32_t button) { ListViewThumbnail_Click(button); };
    events.DblClick = [this] { PlaySelected(); };
    events.Edit = [this](const std::string& before, const std::string& after) { list_.LabelEdited(before, after); };
    events.Drag = [this](int32_t) { ListViewThumbnail_Drag(); };
    events.Hover = [this](int32_t button, int32_t x, int32_t y) { list_.Hovered(button, x, y); };
    events.Drop = [this](int32_t x, int32_t y) { ListViewThumbnail_Drop(x, y); };
}

FormDialog& FormThumbnail::GalleryDialog() {
    if (!galleryDialog_) galleryDialog_ = std::make_unique<FormDialog>();
    return *galleryDialog_;
}

void FormThumbnail::RestorePlacement() {
    if (!AppSettings.Suspending) return;
    const PlacementRecord& placement = AppSettings.ThumbnailPlacement;
    const int tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
    if (placement.State == kStateNormal && placement.Width > 0 && placement.Height > 0) {
        move(placement.Left / tx, placement.Top / ty);
        resize(std::max(placement.Width / tx, minimumWidth()), std::max(placement.Height / ty, minimumHeight()));
    }
    if (placement.State == kStateMaximised) setWindowState(Qt::WindowMaximized);
    else if (placement.State == kStateMinimised) setWindowState(Qt::WindowMinimized);
}

// Lays the window out. Nothing happens while it is minimised.
void FormThumbnail::Form_Resize() {
    if (isMinimized() || !controlsBuilt_) return;
    const int w = width(), h = height();
    QMenuBar* bar = menus_.MenuBar();
    const int top = bar->sizeHint().height();
    bar->setGeometry(0, 0, w, top);
    ReBar.Move(0, top, w, std::max(ReBar.Height(), kAnimationSide + 4));
    ReBar.Calculate();
    const int bandsBottom = top + ReBar.Height();

    const int statusHeight = std::max(StatusBar.Height(), kStatusHeight + 2);
    StatusBar.Move(0, h - statusHeight, w, statusHeight);
    StatusBar.Calculate();
    ProgressBar.Move(w - (kProgressWidth + 20), h - statusHeight, kProgressWidth, statusHeight);
    if (QWidget* progress = WidgetOf(ProgressBar.hProgress)) progress->raise();

    const int pageHeight = std::max(0, h - statusHeight - bandsBottom);
    TabStripProperty.Move(0, bandsBottom, kTabStripWidth, pageHeight);
    QWidget* frame = pageFrames_[LastPage];
    frame->setGeometry(TabStripProperty.Left() + TabStripProperty.ScaleLeft(),
                       TabStripProperty.Top() + TabStripProperty.ScaleTop(), TabStripProperty.ScaleWidth(),
                       TabStripProperty.ScaleHeight());
    frame->raise();
    ListViewThumbnail.Move(kTabStripWidth, bandsBottom, std::max(1, w - kTabStripWidth), std::max(1, pageHeight));
    TimerThumbnail.start();
}

void FormThumbnail::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void FormThumbnail::TimerThumbnail_Timer() {
    TimerThumbnail.stop();
    if (TimerThumbnail.interval() == kFirstFill) {
        TimerThumbnail.setInterval(kRearrange);
        LoadThumbnails(ThumbnailList::FullReload);
    }
    ListViewThumbnail.Arrange();
}

void FormThumbnail::TabStripProperty_Click() {
    const int page = std::clamp<int>(TabStripProperty.Current(), 0, kPages - 1);
    pageFrames_[LastPage]->hide();
    LastPage = page;
    Form_Resize();
    pageFrames_[page]->show();
}

void FormThumbnail::ShowStatus(std::optional<bool> busy, int16_t message) { status_.ShowStatus(busy, message); }

void FormThumbnail::LoadThumbnails(int16_t mode) { list_.LoadThumbnails(mode); }

void FormThumbnail::RescanGalleries(bool rebuild) {
    BuildGalleryList(rebuild);
    if (rebuild || RefreshGalleryList()) {
        RelayoutSheet();
        if (main_.Reload) main_.Reload();
        if (main_.Slideshow) main_.Slideshow(1);
    }
}

void FormThumbnail::ShowAlbumProperties() {
    setWindowTitle(QString::fromStdString(AlbumCaption(Album.Title)));
    albumPage_->ShowAlbumProperties();
    slideshowPage_->ShowAlbumProperties();
}

void FormThumbnail::ApplyEditMode() {
    albumPage_->ApplyEditMode(EditMode());
    slideshowPage_->ApplyEditMode(EditMode());
}

void FormThumbnail::SetEditMode(bool value) {
    list_.EditMode = value;
    RefreshCommands();
    ApplyEditMode();
}

void FormThumbnail::PlaySelected() {
    if (list_.PlaySelected() && main_.Slideshow) main_.Slideshow(2);
}

void FormThumbnail::ShowGalleryInfo() {
    const int16_t gallery = list_.SelectedGallery();
    if (gallery <= 0 || gallery > Album.GalleryCount || gallery > int(Album.Galleries.size())) return;
    ClassShell shell;
    shell.hOwnerWnd = HandleOf(this);
    shell.Execute(Album.Folder + "/" + Album.Gallery(gallery).FileName, "", 0, 10, true);
}

void FormThumbnail::ShowContextHelp() {
    ClassHelp help;
    help.hOwnerWnd = HandleOf(this);
    help.Path = HelpFile;
    if (list_.ListHasFocus) help.Start(kHelpContext);
    else help.PopupHelp(pageFrames_[LastPage]->property("HelpContextID").toInt());
}

void FormThumbnail::PrintIndex() {
    if (EditorExtensions().PrintIndex) EditorExtensions().PrintIndex(*this);
}

void FormThumbnail::SetListWallpaper() {
    RunStep([this] {
        WallpaperFile = TempFileName(TempFolder(), "~GB");
        if (WallpaperFile.empty()) return;
        EditorPicture(QStringLiteral("watermark2001.png")).save(QString::fromStdString(WallpaperFile), "BMP");
        ListViewThumbnail.Wallpaper(WallpaperFile, false, 100, 100);
    });
}

void FormThumbnail::DeleteWallpaperFile() {
    RunStep([this] {
        if (!WallpaperFile.empty() && PathExists(WallpaperFile)) QFile::remove(QString::fromStdString(WallpaperFile));
    });
}

void FormThumbnail::Inform(int messageId, uint32_t style) {
    MsgBox(HandleOf(this), LoadResString(messageId), AppTitle(), style);
}

void FormThumbnail::ListViewThumbnail_Focus(bool gained) {
    // A menu that pops up takes the focus only for as long as it is open; the list
    // keeps it as far as the commands are concerned.
    if (QApplication::activePopupWidget()) return;
    list_.ListHasFocus = gained;
    RefreshCommands();
}

void FormThumbnail::ListViewThumbnail_Click(int32_t button) {
    if (button == 2) ShowGalleryMenu(QCursor::pos(), true);
}

void FormThumbnail::ListViewThumbnail_Drag() {
    list_.DragStarted();
    const QCursor cursor = DragCursor(EditMode() ? 11 : 12);
    SetDragCursor(&cursor);
}

void FormThumbnail::ListViewThumbnail_Drop(int32_t x, int32_t y) {
    SetDragCursor(nullptr);
    if (list_.Dropped(x, y) == 0) return;
    BuildGalleryList(false);
    RelayoutSheet();
    LoadThumbnails(ThumbnailList::RefreshItems);
}

void FormThumbnail::SetDragCursor(const QCursor* cursor) {
    QWidget* targets[] = {this, WidgetOf(ListViewThumbnail.hListView)};
    auto* control = static_cast<ListViewControl*>(targets[1]);
    for (QWidget* target : {targets[0], targets[1], control ? control->View()->viewport() : nullptr}) {
        if (!target) continue;
        if (cursor) target->setCursor(*cursor);
        else target->unsetCursor();
    }
}

void FormThumbnail::closeEvent(QCloseEvent* event) {
    DeleteWallpaperFile();
    // The close box and the system menu only hide the window; a close by the program
    // unloads it.
    if (event->spontaneous()) {
        event->ignore();
        hide();
        return;
    }
    Unload();
    QWidget::closeEvent(event);
}

void FormThumbnail::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    PlacementRecord& placement = AppSettings.ThumbnailPlacement;
    placement.State = isMaximized() ? kStateMaximised : isMinimized() ? kStateMinimised : kStateNormal;
    if (placement.State == kStateNormal) {
        const int tx = TwipsPerPixelX(), ty = TwipsPerPixelY();
        placement.Left = ToTwips(x(), tx);
        placement.Top = ToTwips(y(), ty);
        placement.Width = ToTwips(width(), tx);
        placement.Height = ToTwips(height(), ty);
    }
    TimerThumbnail.stop();
}

void FormThumbnail::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ThemeChange) {
        if (main_.Remake) main_.Remake();
        update();
    }
}

} // namespace gb

#include "FormLibrary.h"

#include "GeneralLibrary.h"
#include "LibraryDragData.h"
#include "album/GeneralAlbum.h"
#include "app/AppSettings.h"
#include "app/FileDropTarget.h"
#include "app/GeneralMain.h"
#include "platform/FileIO.h"
#include "platform/MessageBox.h"
#include "platform/window/WindowCapture.h"
#include "resources/StringTable.h"
#include "shell/ClassPathDialog.h"
#include "shell/CompanionLibraries.h"
#include "shell/GeneralWin32ExAPI.h"

#include <QAction>
#include <QApplication>
#include <QDrag>
#include <QDropEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>

namespace gb {
namespace {

enum : int { kAllLocations = 7001, kTitlePrompt = 7002, kNewTitle = 7003, kChooseCaption = 7004, kShortcutCaption = 7005 };
enum : int32_t { kCut = 0x4, kDropHighlight = 0x8, kBold = 0x10 };
enum : int { kRootImage = 0, kLibraryImage = 1, kShortcutImage = 2 };
enum : uint32_t { kWindowColour = 0x80000005, kButtonFace = 0x8000000F, kScrollBarColour = 0x80000000 };

constexpr int kMargin = 8;
constexpr int kRowHeight = 28;
constexpr int kFlashTicks = 4;

QColor ColourOf(uint32_t code) {
    const uint32_t rgb = SystemColor(code);
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

// The text up to its first zero character, as the input box's answer is read.
std::string UpToZero(const std::string& text) { return text.substr(0, text.find('\0')); }

std::vector<std::string> LocalPaths(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

} // namespace

FormLibrary::FormLibrary() {
    setWindowTitle("お気に入り");
    BuildControls();
    ImagesLibrary.UseMask = true;
    ImagesLibrary.MaskColor = 0xFF00FF;
    ImagesLibrary.Create();
    for (const char* picture : {":/library/tree209.png", ":/library/tree210.png", ":/library/tree211.png"})
        ImagesLibrary.Add(QImage(picture));

    TreeLibrary.DragDropMode = true;
    TreeLibrary.HideSelection = true; // the selection stays drawn without the focus
    TreeLibrary.LabelEdit = false;
    TreeLibrary.Sort = 0;
    TreeLibrary.ToolTips = true;
    TreeLibrary.HelpContextID = kHelpContext;
    TreeLibrary.Create(HandleOf(PictureLibrary), 0);
    TreeLibrary.DockingImageList(0, &ImagesLibrary);
    TreeLibrary.SetBaseColor(SystemColor(kWindowColour));
    ItemViewEvents& events = TreeLibrary.Events;
    events.ItemChange = [this](int32_t node, int32_t) { TreeLibrary_ItemChange(node); };
    events.DblClick = [this] { TreeLibrary_DblClick(); };
    events.Click = [this](int32_t button) { TreeLibrary_Click(button); };
    events.Drag = [this](int32_t node) { TreeLibrary_Drag(node); };
    events.Hover = [this](int32_t button, int32_t x, int32_t y) { TreeLibrary_Hover(button, x, y); };
    events.Drop = [this](int32_t x, int32_t y) { TreeLibrary_Drop(x, y); };
    ButtonHelper.SetEscape(WidgetOf(TreeLibrary.hTreeView));

    Behavior.Attach(this);
    Behavior.TabOrder(&TreeLibrary, 0);
    Behavior.SetAccelerator(true);
    Grip.SetTarget(ScrollGrip);
    Grip.SetAutoAnchor(true);

    resize(640, 440);
    setMinimumSize(600, 300);
    LayOut();
    RebuildTree();

    TimerFlash.setInterval(100);
    connect(&TimerFlash, &QTimer::timeout, this, [this] { TimerFlash_Timer(); });
    TimerFlash.start();
}

FormLibrary::~FormLibrary() {
    TimerFlash.stop();
    Behavior.SetAccelerator(false);
    Behavior.Detach();
    TreeLibrary.Destroy();
    ImagesLibrary.Destroy();
}

void FormLibrary::BuildControls() {
    PictureLibrary = new QFrame(this);
    PictureLibrary->setAcceptDrops(true);
    PictureLibrary->installEventFilter(this);

    ImageTitle = new QLabel(this);
    ImageTitle->setPixmap(QPixmap(":/library/title.png"));
    const std::pair<int, const char*> buttons[] = {{NewLibrary, "新しいライブラリ"},
                                                   {NewShortcut, "新しいアルバムへのショートカット"},
                                                   {Erase, "消去"},
                                                   {Rename, "タイトルの変更"}};
    for (const auto& [index, caption] : buttons) {
        QPushButton* button = new QPushButton(caption, this);
        CommandButtons[index] = button;
        // Pressing only moves the focus look; the click runs the command.
        connect(button, &QPushButton::pressed, this, [this, button] { ButtonHelper.BlurFocus(button); });
        connect(button, &QPushButton::released, this, [this, button] { ButtonHelper.BlurFocus(button); });
        connect(button, &QPushButton::clicked, this, [this, i = index] { CommandButtons_Click(i); });
    }
    CommandDialog = new QPushButton("すべての場所から選択", this);
    CommandDialog->setAutoFillBackground(true);
    connect(CommandDialog, &QPushButton::clicked, this, [this] { CommandDialog_Click(); });

    FrameSpeed = new QFrame(this);
    CommandStart = new QPushButton("スタート", FrameSpeed);
    CommandHelp = new QPushButton("ヘルプ(&H)", FrameSpeed);
    connect(CommandStart, &QPushButton::clicked, this, [this] { CommandStart_Click(); });
    connect(CommandHelp, &QPushButton::clicked, this, [this] { CommandHelp_Click(); });

    ScrollGrip = new QScrollBar(Qt::Vertical, this);

    Menu = new QMenu(this);
    const char* const entries[] = {"新しいライブラリ(&L)...", "新しいアルバムへのショートカット(&A)...", nullptr,
                                   "消去(&C)", nullptr, "タイトルの変更(&T)..."};
    for (int i = 0; i < 6; ++i) {
        Menus[i] = entries[i] ? Menu->addAction(entries[i]) : Menu->addSeparator();
        if (!Menus[i]->isSeparator()) connect(Menus[i], &QAction::triggered, this, [this, i] { Menus_Click(i); });
    }
}

void FormLibrary::LayOut() {
    const int width = this->width(), height = this->height();
    const int frameWidth = 110, frameHeight = 2 * kRowHeight + kMargin;
    FrameSpeed->setGeometry(width - frameWidth - kMargin, height - frameHeight - kMargin, frameWidth, frameHeight);
    CommandStart->setGeometry(0, 0, frameWidth, kRowHeight);
    CommandHelp->setGeometry(0, kRowHeight + kMargin, frameWidth, kRowHeight);
    PictureLibrary->setGeometry(kMargin, kMargin, width - 2 * kMargin, FrameSpeed->y() - 2 * kMargin);
    TreeLibrary.Move(0, 0, PictureLibrary->width(), PictureLibrary->height());

    // The title picture, the commands and the choice from all locations keep 8 above
    // the bottom edge.
    const int lower = height - kMargin - kRowHeight, upper = lower - kMargin - kRowHeight;
    ImageTitle->setGeometry(kMargin, height - kMargin - frameHeight, 48, frameHeight);
    int x = kMargin + 48 + kMargin;
    for (QPushButton* button : {CommandButtons[NewLibrary], CommandButtons[NewShortcut]}) {
        button->setGeometry(x, upper, button->sizeHint().width(), kRowHeight);
        x += button->width() + kMargin / 2;
    }
    x = kMargin + 48 + kMargin;
    for (QPushButton* button : {CommandButtons[Erase], CommandButtons[Rename], CommandDialog}) {
        button->setGeometry(x, lower, button->sizeHint().width(), kRowHeight);
        x += button->width() + kMargin / 2;
    }
    Grip.Form_Resize();
}

void FormLibrary::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    LayOut();
}

void FormLibrary::Dialog(QWidget* owner) {
    Path.clear();
    if (AppSettings.v1Compatible) {
        Path = ChooseFolder(LoadResString(kChooseCaption), owner);
        return;
    }
    exec();
}

bool FormLibrary::IsHeading(int node) const {
    return node >= 1 && node <= AppSettings.Favorites.Count && LibraryEntryAt(node).IsLibrary != 0;
}

void FormLibrary::RebuildTree() {
    TreeLibrary.SetVisible(false);
    TreeLibrary.ClearNodes();
    TreeLibrary.AddNode(ClassTreeView::RootFamily, LoadResString(kAllLocations), kRootImage);
    // Entry i becomes node i: headings at the top level, each shortcut under the
    // heading before it (at the top level when none came before).
    int32_t group = ClassTreeView::RootFamily;
    for (int i = 1; i <= AppSettings.Favorites.Count; ++i) {
        const LibraryEntry entry = LibraryEntryAt(i);
        if (entry.IsLibrary) {
            TreeLibrary.AddNode(ClassTreeView::RootFamily, entry.Text, kLibraryImage, -1, -1, i);
            group = i;
            continue;
        }
        const AlbumInfo album = ReadAlbumInfo(entry.Text);
        TreeLibrary.AddNode(group, album.Stored ? album.Title : "'" + entry.Text + "'", kShortcutImage, -1, -1, i);
        if (!album.Stored) TreeLibrary.SetNodeState(i, kCut, true);
    }
    for (int node = 0; node < TreeLibrary.NodeCount(); ++node) {
        if (!TreeLibrary.HasChildren(node)) continue;
        TreeLibrary.SetNodeState(node, kBold, true);
        TreeLibrary.Expand(node);
    }
    if (TreeLibrary.NodeCount() > 0) TreeLibrary.SetSelIndex(0);
    selected_ = int16_t(std::max(0, TreeLibrary.SelIndex()));
    TreeLibrary.SetVisible(true);
    UpdateCommands();
}

void FormLibrary::UpdateCommands() {
    const bool any = selected_ != 0;
    const bool heading = IsHeading(selected_);
    for (int index : {Erase, Rename}) {
        const bool on = index == Erase ? any : heading;
        CommandButtons[index]->setEnabled(on);
        Menus[index]->setEnabled(on);
    }
    for (int index : {NewLibrary, NewShortcut}) {
        CommandButtons[index]->setEnabled(true);
        Menus[index]->setEnabled(true);
    }
    CommandStart->setEnabled(any && !heading);
}

std::string FormLibrary::ChooseFolder(const std::string& caption, QWidget* owner) {
    ClassPathDialog chooser;
    chooser.Caption = caption;
    chooser.RootPath = 0;
    chooser.DisabledSpecialPaths(true);
    return chooser.Dialog(HandleOf(owner ? owner : this)) ? chooser.Path : std::string();
}

void FormLibrary::Menus_Click(int index) {
    const int s = selected_;
    switch (index) {
    case NewLibrary: {
        std::string answer;
        InputBox(HandleOf(this), LoadResString(kTitlePrompt), AppTitle(), LoadResString(kNewTitle), answer);
        answer = UpToZero(answer);
        if (!answer.empty() && InsertLibraryEntry(-1, answer, s)) RebuildTree();
        break;
    }
    case NewShortcut: {
        const std::string folder = ChooseFolder(LoadResString(kShortcutCaption), this);
        if (!folder.empty() && InsertLibraryEntry(0, folder, s)) RebuildTree();
        break;
    }
    case Erase:
        if (s != 0 && DeleteLibraryEntry(s)) RebuildTree();
        break;
    case Rename: {
        if (!IsHeading(s)) break;
        std::string answer;
        InputBox(HandleOf(this), LoadResString(kTitlePrompt), AppTitle(), LibraryEntryAt(s).Text, answer);
        answer = UpToZero(answer);
        if (answer.empty()) break;
        AppSettings.Favorites.Texts[size_t(s - 1)] = answer;
        RebuildTree();
        break;
    }
    default:
        break;
    }
    UpdateCommands();
}

void FormLibrary::CommandButtons_Click(int index) {
    TreeLibrary.SetFocus();
    Menus_Click(index);
}

void FormLibrary::CommandDialog_Click() {
    const std::string folder = ChooseFolder(LoadResString(kChooseCaption), this);
    if (folder.empty()) {
        QApplication::beep();
        return;
    }
    Path = folder;
    hide();
}

void FormLibrary::CommandStart_Click() {
    const int s = selected_;
    if (s < 1 || s > AppSettings.Favorites.Count || IsHeading(s)) return;
    Path = LibraryEntryAt(s).Text;
    hide();
}

void FormLibrary::CommandHelp_Click() {
    ClassHelp help;
    help.hOwnerWnd = HandleOf(this);
    help.Path = HelpFile;
    help.Start(kHelpContext);
}

void FormLibrary::TimerFlash_Timer() {
    ++flashTicks_;
    if (flashTicks_ > kFlashTicks) {
        TimerFlash.stop();
        return;
    }
    QPalette palette = CommandDialog->palette();
    palette.setColor(QPalette::Button, ColourOf(flashTicks_ % 2 == 1 ? kButtonFace : kScrollBarColour));
    CommandDialog->setPalette(palette);
}

void FormLibrary::TreeLibrary_ItemChange(int32_t) {
    selected_ = int16_t(std::max(0, TreeLibrary.SelIndex()));
    UpdateCommands();
}

void FormLibrary::TreeLibrary_DblClick() {
    const int s = std::max(0, TreeLibrary.SelIndex());
    if (s == 0) CommandDialog_Click();
    else if (!IsHeading(s)) CommandStart_Click();
}

void FormLibrary::TreeLibrary_Click(int32_t button) {
    if (button == 2) Menu->popup(QCursor::pos());
}

void FormLibrary::TreeLibrary_Drag(int32_t) {
    selected_ = int16_t(std::max(0, TreeLibrary.SelIndex()));
    dragging_ = selected_ != 0;
    if (dragCursor_) QApplication::restoreOverrideCursor();
    QApplication::setOverrideCursor(dragging_ ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    dragCursor_ = true;
}

void FormLibrary::SetDropHighlight(int node) {
    for (int i = 0; i < TreeLibrary.NodeCount(); ++i)
        if (TreeLibrary.NodeState(i, kDropHighlight) != (i == node)) TreeLibrary.SetNodeState(i, kDropHighlight, i == node);
}

void FormLibrary::TreeLibrary_Hover(int32_t, int32_t x, int32_t y) {
    if (!dragCursor_) return;
    // Leaving the tree area turns the drag into one of the library as a file.
    const QWidget* tree = WidgetOf(TreeLibrary.hTreeView);
    if (tree && !tree->rect().contains(x, y)) {
        DragLibraryOut();
        return;
    }
    int32_t flags = 0;
    SetDropHighlight(TreeLibrary.HitTest(x, y, flags));
}

void FormLibrary::EndDrag() {
    if (dragCursor_) QApplication::restoreOverrideCursor();
    dragCursor_ = false;
    SetDropHighlight(-1);
}

void FormLibrary::TreeLibrary_Drop(int32_t x, int32_t y) {
    EndDrag();
    if (dragging_) {
        int32_t flags = 0;
        const int t = TreeLibrary.HitTest(x, y, flags);
        const int s = selected_;
        if (t >= 0 && MoveLibraryEntry(s, t)) {
            RebuildTree();
            UpdateCommands();
            TreeLibrary.SetSelIndex(t != 0 && t <= s - 1 ? t + 1 : t);
        }
    }
    dragging_ = false;
}

void FormLibrary::DragLibraryOut() {
    EndDrag();
    dragging_ = false;
    ReleaseCapture();
    // Started once the mouse event is over, so that the drag has the mouse to itself.
    QTimer::singleShot(0, this, [this] {
        auto* drag = new QDrag(PictureLibrary);
        drag->setMimeData(new LibraryDragData);
        LibraryDragData::DragEnded(drag->exec(Qt::CopyAction | Qt::MoveAction | Qt::LinkAction));
    });
}

bool FormLibrary::AcceptsDrop(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    return !(buttons & Qt::RightButton) && FileDropTarget::Accepts(true, modifiers);
}

bool FormLibrary::eventFilter(QObject* watched, QEvent* event) {
    if (watched != PictureLibrary) return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (drag->mimeData()->hasUrls() && AcceptsDrop(drag->buttons(), drag->modifiers())) drag->acceptProposedAction();
        else drag->ignore();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const std::vector<std::string> paths = LocalPaths(drop->mimeData());
        if (paths.empty()) {
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        DropPaths(paths);
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void FormLibrary::DropPaths(const std::vector<std::string>& paths) {
    // Several dropped albums keep their order, one after the other.
    int after = selected_;
    const auto insert = [&after](std::string folder) {
        if (folder.empty()) folder = "/";
        if (InsertLibraryEntry(0, folder, after)) ++after;
    };
    for (std::string path : paths) {
        while (path.size() > 1 && path.back() == '/') path.pop_back();
        const bool isFile = FileExists(path);
        if (isFile && FindLast(1, path, "Browse.GBX", TextCompare) > 0) {
            insert(path.substr(0, path.rfind('/')));
        } else if (isFile) {
            QApplication::beep();
            if (IsLibraryListFile(path)) ImportLibraryList(path);
        } else if (EntryExists(path) && path.find('/') != std::string::npos) {
            insert(path);
        } else {
            // The error value of the program's own errors, in a plain box.
            ShowMessageBox(HandleOf(this), "80040000", "", MB_OK);
        }
    }
    RebuildTree();
    UpdateCommands();
}

} // namespace gb

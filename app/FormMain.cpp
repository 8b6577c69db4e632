#include "FormMain.h"

#include "AppSettings.h"
#include "GeneralMain.h"
#include "album/GeneralAlbum.h"
#include "album/GeneralSheet.h"
#include "platform/MessageBox.h"
#include "plugins/GeneralPlugin.h"
#include "resources/StringTable.h"
#include "shell/GeneralWin32ExAPI.h"
#include "platform/Desktop.h"
#include "shell/CompanionLibraries.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace gb {
namespace {

// Twips to pixels at this screen's density.
int PixelsX(int twips) { return twips / TwipsPerPixelX(); }
int PixelsY(int twips) { return twips / TwipsPerPixelY(); }

// The title strip: a vertical caption bar drawn in the active or inactive colours.
class TitleStrip : public QWidget {
public:
    using QWidget::QWidget;
    bool active = true;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        QColor from = palette().color(active ? QPalette::Active : QPalette::Inactive, QPalette::Highlight);
        QLinearGradient gradient(0, 0, 0, height());
        gradient.setColorAt(0, from);
        gradient.setColorAt(1, from.lighter(active ? 160 : 120));
        p.fillRect(rect(), gradient);
        p.setPen(palette().color(QPalette::HighlightedText));
        QFont font(QStringLiteral("Tahoma"));
        font.setPixelSize(11);
        font.setBold(true);
        p.setFont(font);
        p.translate(width() - 4, height() - 2);
        p.rotate(-90);
        p.drawText(0, 0, QString::fromStdString(AppTitle()));
    }
};

} // namespace

FormMain::FormMain() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setWindowTitle(QString::fromStdString(AppTitle()));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/glimmerbox.png")));
    setFixedSize(PixelsX(4800), PixelsY(900));

    FrameControler = new QWidget(this);
    FrameControler->setGeometry(0, 0, PixelsX(4110), PixelsY(900));
    LabelStatus = new QLabel(FrameControler);
    LabelStatus->setGeometry(8, 0, FrameControler->width() - 16, FrameControler->height());
    LabelStatus->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    LabelStatus->setWordWrap(true);

    PictureTitle = new TitleStrip(this);
    PictureTitle->setGeometry(PixelsX(4125), 0, PixelsX(675), PixelsY(900));
    PictureTitle->installEventFilter(this);
    const char* captions[2] = {"終了", "ヘルプ"};
    const int lefts[2] = {375, 75};
    for (int i = 0; i < 2; ++i) {
        CommandButtons[i] = new QPushButton(PictureTitle);
        CommandButtons[i]->setToolTip(QString::fromUtf8(captions[i]));
        CommandButtons[i]->setText(i == 0 ? QStringLiteral("×") : QStringLiteral("?"));
        CommandButtons[i]->setFocusPolicy(Qt::NoFocus);
        CommandButtons[i]->setGeometry(PixelsX(lefts[i]), PixelsY(75), PixelsX(240), PixelsY(240));
    }
    connect(CommandButtons[0], &QPushButton::clicked, this, [this] { close(); });
}

void FormMain::Form_Load(const std::string& commandLine) {
    RestoreState();
    show();
    OpenLocation(commandLine);
}

void FormMain::RestoreState() {
    LoadSettings();
    LoadPluginList();
    move(AppSettings.X, AppSettings.Y);
    BuildPatternList();
}

void FormMain::StoreState() {
    AppSettings.X = int16_t(x());
    AppSettings.Y = int16_t(y());
    SavePluginList();
    SaveSettings();
}

void FormMain::OpenLocation(const std::string& given) {
    std::string path = given;
    if (!path.empty()) {
        if (path.front() == '"') path = path.size() >= 2 ? path.substr(1, path.size() - 2) : std::string();
        if (!path.empty() && path.back() == '/') path.pop_back();
        Hwnd owner = HandleOf(this);
        if (path.find('/') == std::string::npos) {
            MsgBox(owner, LoadResString(10006), AppTitle(), MB_ICONINFORMATION);
        } else if (!PathExists(path)) {
            MsgBox(owner, LoadResString(10005), AppTitle(), MB_ICONEXCLAMATION);
        } else {
            bool open = true;
            long at = FindLast(1, path, "Browse.GBX", TextCompare);
            if (at > 0) {
                path = path.substr(0, size_t(FindLast(1, path, "/", BinaryCompare) - 1));
            } else if (FileExists(path)) {
                open = MsgBox(owner, LoadResString(10007), AppTitle(), MB_YESNO | MB_ICONQUESTION) == IDYES;
                if (open) path = path.substr(0, size_t(FindLast(1, path, "/", BinaryCompare) - 1));
            }
            if (open && !path.empty()) {
                if (!Album.Folder.empty()) SaveAlbum(Album.Folder);
                QApplication::processEvents();
                LoadAlbum(path);
                BuildGalleryList(!Album.Stored);
                RelayoutSheet();
            }
        }
    }
    Reload();
}

void FormMain::Reload() {
    LabelStatus->setText(Album.Folder.empty()
                             ? QString::fromStdString(AppTitle())
                             : QString::fromUtf8("%1\n%2 枚の写真")
                                   .arg(QString::fromStdString(Album.Title))
                                   .arg(Album.GalleryCount));
}

// Closing is never refused: the open album is put away, every other window unloads,
// then the state is written.
void FormMain::closeEvent(QCloseEvent* event) {
    event->accept();
    if (closing_) return;
    closing_ = true;
    QueryUnload();
    Unload();
    QApplication::quit();
}

void FormMain::QueryUnload() {
    if (!Album.Folder.empty()) SaveAlbum(Album.Folder);
}

void FormMain::Unload() {
    hide();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window == this) continue;
        QApplication::processEvents();
        window->close();
    }
    StoreState();
}

void FormMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) Remake();
}

void FormMain::Remake() {
    static_cast<TitleStrip*>(PictureTitle)->active = isActiveWindow();
    PictureTitle->update();
}

// Dragging the title strip moves the window, which then stays inside the screen.
bool FormMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched != PictureTitle) return false;
    auto* mouse = static_cast<QMouseEvent*>(event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (mouse->button() != Qt::LeftButton) return false;
        dragging_ = true;
        dragOffset_ = mouse->globalPosition().toPoint() - pos();
        return true;
    case QEvent::MouseMove:
        if (dragging_) move(mouse->globalPosition().toPoint() - dragOffset_);
        return dragging_;
    case QEvent::MouseButtonRelease: {
        if (!dragging_) return false;
        dragging_ = false;
        QRect screen = QGuiApplication::primaryScreen()->geometry();
        QRect frame = frameGeometry();
        int left = std::max(0, frame.left()), top = std::max(0, frame.top());
        if (left + frame.width() > screen.right() + 1) left = screen.right() + 1 - frame.width();
        if (top + frame.height() > screen.bottom() + 1) top = screen.bottom() + 1 - frame.height();
        move(left, top);
        return true;
    }
    default:
        return false;
    }
}

} // namespace gb

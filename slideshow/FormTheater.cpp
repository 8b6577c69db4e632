#include "FormTheater.h"

#include "DisplayGeometry.h"
#include "EffectNumber.h"
#include "KeyShift.h"
#include "TheaterPencil.h"
#include "TransitionRenderer.h"
#include "album/AlbumRecords.h"
#include "album/GeneralSheet.h"
#include "app/AppSettings.h"
#include "platform/Desktop.h"
#include "platform/KeyState.h"
#include "platform/Random.h"
#include "platform/draw/Rounding.h"
#include "platform/loader/PictureLoader.h"

#include <QApplication>
#include <QBitmap>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <climits>
#include <cmath>

namespace gb {
namespace {

// The client area before the first picture: 2400 x 1800 twips.
constexpr int kStartWidthTwips = 2400;
constexpr int kStartHeightTwips = 1800;

// The album zoom as the album editor allows it.
constexpr int kMinZoom = 10;
constexpr int kMaxZoom = 1000;
// The largest picture the window shows: larger display rectangles are scaled down
// (keeping the aspect), so that a big picture at a high zoom cannot exhaust memory.
constexpr double kMaxDisplayPixels = 25e6;
constexpr int kMaxDisplaySide = SHRT_MAX;

// The placement states of the settings.
constexpr int32_t kPlacementNormal = 0;
constexpr int32_t kPlacementMaximised = 2;

// A fully transparent 32 x 32 pointer.
QCursor TransparentCursor() {
    QBitmap shape(32, 32), mask(32, 32);
    shape.clear();
    mask.clear();
    return QCursor(shape, mask, 0, 0);
}

// The program's cursor resource 15, shown while the presentation switches.
QCursor SwitchingCursor() {
    QPixmap picture(QStringLiteral(":/cursors/cursor15.png"));
    return picture.isNull() ? QCursor(Qt::WaitCursor) : QCursor(picture, picture.width() / 2, picture.height() / 2);
}

int16_t ToInt16(long long value) { return int16_t(std::clamp<long long>(value, SHRT_MIN, SHRT_MAX)); }

} // namespace

FormTheater::FormTheater(QWidget* controller)
    : QWidget(nullptr, Qt::Window), controller_(controller), menu_(this) {
    setWindowTitle(QStringLiteral(" "));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    resize(kStartWidthTwips / TwipsPerPixelX(), kStartHeightTwips / TwipsPerPixelY());

    screen_.Bind(HandleOf(this));
    screen_.SetBackColor(Rgb(0, 0, 0));
    screen_.SetForeColor(Rgb(255, 255, 255));
    QFont font(QString::fromStdString(MapFontName("MS UI Gothic")), 9);
    font.setBold(true);
    screen_.SetFont(font);
    setCursor(TransparentCursor());

    // The buffer draws into its persistent image, which the transitions copy from.
    buffer_.SetBackColor(Rgb(0, 0, 0));
    buffer_.SetPersistentDrawing(true);

    // Load.
    behavior_.Attach(this);
    effects_.hWnd = HandleOf(this);
    effects_.hDC = screen_.hDC();
    media_.Exception = 3;
    engine_.Attach(buffer_.hDC());
    if (AppSettings.Suspending) {
        const PlacementRecord& placement = AppSettings.TheaterPlacement;
        if (placement.State == kPlacementNormal)
            move(placement.Left / TwipsPerPixelX(), placement.Top / TwipsPerPixelY());
        if (placement.State == kPlacementMaximised) setWindowState(Qt::WindowMaximized);
    }

    menu_.Events.Controller = [this] { ToggleController(); };
    menu_.Events.Title = [this] {
        Extra.ShowTitle = !Extra.ShowTitle;
        Redraw();
    };
    menu_.Events.PencilMode = [this] {
        PencilMode = !PencilMode;
        ApplyMousePointer();
        SetPen();
    };
    menu_.Events.PencilSize = [this](int size) {
        Extra.PencilSize = uint8_t(size);
        SetPen();
    };
    menu_.Events.PencilColor = [this](int colour) {
        Extra.PencilColor = uint8_t(colour);
        SetPen();
    };
    menu_.Events.EraseAll = [this] { screen_.Clear(); };
}

FormTheater::~FormTheater() { Unload(); }

void FormTheater::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    PlacementRecord& placement = AppSettings.TheaterPlacement;
    if (TheaterMode) {
        placement.State = kPlacementMaximised;
    } else {
        placement.State = kPlacementNormal;
        placement.Left = ToInt16((long long)(x()) * TwipsPerPixelX());
        placement.Top = ToInt16((long long)(y()) * TwipsPerPixelY());
    }
    engine_.Detach();
    behavior_.Detach();
    desktop_.SetLockedScreenSaver(false);
}

// Clears what the window shows and its persistent image.
void FormTheater::ClearWindow() {
    screen_.SetPersistentDrawing(true);
    screen_.Clear();
    screen_.SetPersistentDrawing(false);
}

QPoint FormTheater::ControllerCentre() const {
    if (!controller_) return {};
    const QRect r = controller_->frameGeometry();
    return {r.left() + r.width() / 2, r.top() + r.height() / 2};
}

bool FormTheater::IsCinemaRunning() { return isVisible(); }

void FormTheater::ShowCinema() {
    const QPoint centre = ControllerCentre();
    effects_.Appear(false, ToInt16(centre.x()), ToInt16(centre.y()), 0, 0);
    ClearWindow();
    show();
    if (TheaterMode) FillScreen();
    raise();
    activateWindow();
    setFocus(Qt::OtherFocusReason);
    repaint();
    ApplyMousePointer();
    if (TheaterMode) desktop_.SetLockedScreenSaver(true);
}

void FormTheater::HideCinema() {
    if (TheaterMode) desktop_.SetLockedScreenSaver(false);
    ApplyMousePointer();
    ClearWindow();
    hide();
    lower();
    if (controller_) {
        controller_->show();
        const QPoint centre = ControllerCentre();
        effects_.Leave(false, ToInt16(centre.x()), ToInt16(centre.y()), 0, 0);
    }
}

void FormTheater::CinemaTheaterMode(bool value) {
    TheaterMode = value;
    QApplication::setOverrideCursor(SwitchingCursor());
    switching_ = true;
    ClearWindow();
    setWindowState(Qt::WindowMinimized);
    const bool visible = isVisible();
    if (value) {
        // Changing the frame re-creates the native window, which hides it.
        setWindowFlag(Qt::FramelessWindowHint, true);
        setWindowState(Qt::WindowMaximized);
        if (visible) {
            show();
            FillScreen();
            desktop_.SetLockedScreenSaver(true);
        }
    } else {
        if (visible) desktop_.SetLockedScreenSaver(false);
        setWindowFlag(Qt::FramelessWindowHint, false);
        setWindowState(Qt::WindowNoState);
        if (visible) show();
        setWindowTitle(QStringLiteral(" "));
    }
    switching_ = false;
    repaint();
    QApplication::restoreOverrideCursor();
}

// A maximised window covers the screen's work area; a desktop without a window
// manager does not do that by itself.
void FormTheater::FillScreen() {
    if (!isMaximized()) return;
    if (QScreen* s = screen()) setGeometry(s->availableGeometry());
}

void FormTheater::ApplyResizeRule() {
    if (switching_ || isMinimized()) return;
    if (isMaximized() && !TheaterMode) setWindowState(Qt::WindowNoState);
    else if (!isMaximized() && TheaterMode) {
        setWindowState(Qt::WindowMaximized);
        FillScreen();
    }
}

void FormTheater::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyResizeRule();
}

void FormTheater::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) ApplyResizeRule();
}

QRect FormTheater::ComputeDisplayRect(int pictureWidth, int pictureHeight) const {
    if (TheaterMode) return FitCentred(pictureWidth, pictureHeight, width(), height());
    const int zoom = std::clamp<int>(Album.Zoom, kMinZoom, kMaxZoom);
    double w = RoundHalfEven(double(pictureWidth) * zoom / 100);
    double h = RoundHalfEven(double(pictureHeight) * zoom / 100);
    const double scale = std::min({1.0, std::sqrt(kMaxDisplayPixels / std::max(1.0, w * h)),
                                   kMaxDisplaySide / std::max(1.0, w), kMaxDisplaySide / std::max(1.0, h)});
    if (scale < 1) w = std::floor(w * scale), h = std::floor(h * scale);
    return {0, 0, std::max(1, int(w)), std::max(1, int(h))};
}

bool FormTheater::StartCinema() {
    behavior_.Activate();
    const int index = Album.CurrentGallery;
    if (index < 1 || index > Album.GalleryCount || index > int(Album.Galleries.size())) return false;
    GalleryInfo& gallery = Album.Gallery(index);

    std::string title = Album.Title;
    const bool blank = title.find_first_not_of(' ') == std::string::npos;
    caption_ = blank ? gallery.Title : title + " " + gallery.Title;

    // Where the picture will be shown is known from its header, so a camera picture is
    // decoded at about the size it is shown at instead of at full size.
    const std::string path = Album.Folder + "/" + gallery.FileName;
    const QSize header = PictureFileSize(path);
    const QSize fit = header.isEmpty() ? QSize() : ComputeDisplayRect(header.width(), header.height()).size();
    bool preview = false;
    const Picture picture = LoadPictureFile(path, preview, gallery.Width, gallery.Height, fit);
    if (picture.IsEmpty()) return false;

    display_ = ComputeDisplayRect(gallery.Width, gallery.Height);
    if (display_.size() != lastDisplaySize_) ClearWindow();
    lastDisplaySize_ = display_.size();

    if (!TheaterMode) {
        setWindowTitle(QString::fromStdString(caption_));
        resize(display_.size());
        screen_.Resize(width(), height());
    }

    // The picture on black (a metafile on white), through the live filter, at the
    // display size.
    buffer_.SetBackgroundPicture(Picture());
    buffer_.SetBackColor(picture.IsMetafile() ? Rgb(255, 255, 255) : Rgb(0, 0, 0));
    int filter = Extra.LiveFilter;
    if (filter == EffectRandom) filter = EffectMonotone + std::clamp(int(Rnd() * 3), 0, 2);
    if (filter != 0) {
        // The filter works on the picture at its own size; the result is then scaled.
        ClearBuffer(picture.PixelWidth(), picture.PixelHeight());
        buffer_.DrawPicture(picture, 0, 0);
        TransitionRenderer renderer(buffer_, engine_);
        renderer.S = {buffer_.hDC(), buffer_.Image(), 0, 0, ToInt16(buffer_.Width()), ToInt16(buffer_.Height())};
        renderer.D = renderer.S;
        renderer.Render(false, {filter});
        const Picture filtered = buffer_.Image();
        ClearBuffer(display_.width(), display_.height());
        buffer_.DrawPicture(filtered, 0, 0, display_.width(), display_.height());
    } else {
        // Without a filter the picture is scaled straight to the display size: the same
        // result without a full-size copy of a large photograph.
        ClearBuffer(display_.width(), display_.height());
        buffer_.DrawPicture(picture, 0, 0, display_.width(), display_.height());
    }

    int effect = Album.Effect;
    if (effect == EffectRandom) effect = EffectWipeHorizontal + std::clamp(int(Rnd() * 11), 0, 10);
    if (effect >= EffectNone && effect <= EffectStripes) {
        PlaySoundEffect();
        RenderPicture(true, {effect});
    } else if (effect >= EffectFade && effect <= EffectVivid) {
        RenderPicture(true, {effect});
        PlaySoundEffect();
    } else {
        RenderPicture(true, {effect});
    }
    return true;
}

// The buffer at a new size, all of it the back colour.
void FormTheater::ClearBuffer(int width, int height) {
    buffer_.Resize(0, 0);
    buffer_.Resize(std::max(1, width), std::max(1, height));
}

void FormTheater::RenderPicture(bool Display, const std::vector<int>& effects) {
    TransitionRenderer renderer(screen_, engine_);
    renderer.D = {screen_.hDC(), screen_.Image(), ToInt16(display_.x()), ToInt16(display_.y()),
                  ToInt16(display_.width()), ToInt16(display_.height())};
    renderer.S = {buffer_.hDC(), buffer_.Image(), 0, 0, ToInt16(buffer_.Width()), ToInt16(buffer_.Height())};
    renderer.TheaterMode = TheaterMode;
    renderer.Caption = caption_;
    renderer.ShowTitle = Extra.ShowTitle;
    renderer.Render(Display, effects);
}

void FormTheater::Redraw() {
    if (display_.isEmpty()) return;
    RenderPicture(true, {});
}

void FormTheater::PlaySoundEffect() {
    if (Album.SoundEffects) media_.SoundFromResource(int16_t(AppSettings.Effect + 1), "SOUND", 0);
}

void FormTheater::ApplyMousePointer() {
    const bool arrow = PencilMode || (controller_ && controller_->isVisible());
    setCursor(arrow ? QCursor(Qt::ArrowCursor) : TransparentCursor());
}

void FormTheater::ToggleController() {
    if (!TheaterMode || !controller_) return;
    controller_->setVisible(!controller_->isVisible());
    ApplyMousePointer();
}

void FormTheater::SetPen() {
    screen_.SetDrawWidth(PencilWidth(Extra.PencilSize));
    screen_.SetForeColor(PencilColour(Extra.PencilColor));
}

void FormTheater::keyPressEvent(QKeyEvent* event) {
    if (Events.KeyDown) Events.KeyDown(VirtualKeyFromQtKey(event->key()), ShiftStateOf(event->modifiers()));
}

void FormTheater::keyReleaseEvent(QKeyEvent* event) {
    if (Events.KeyUp) Events.KeyUp(VirtualKeyFromQtKey(event->key()), ShiftStateOf(event->modifiers()));
}

void FormTheater::mousePressEvent(QMouseEvent* event) {
    if (!PencilMode || event->button() != Qt::LeftButton) return;
    SetPen();
    lastPoint_ = event->position().toPoint();
    pencilDown_ = true;
    screen_.SetPixel(lastPoint_.x(), lastPoint_.y());
}

void FormTheater::mouseMoveEvent(QMouseEvent* event) {
    if (!PencilMode || !pencilDown_ || !(event->buttons() & Qt::LeftButton)) return;
    const QPoint point = event->position().toPoint();
    screen_.Line(lastPoint_.x(), lastPoint_.y(), point.x(), point.y());
    lastPoint_ = point;
}

void FormTheater::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pencilDown_ = false;
    if (event->button() != Qt::RightButton) return;
    menu_.Update({TheaterMode, controller_ && controller_->isVisible(), Extra.ShowTitle, PencilMode, Extra.PencilSize,
                  Extra.PencilColor});
    menu_.Popup(event->globalPosition().toPoint());
}

void FormTheater::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) ToggleController();
}

// The user closing the window stops the show, which hides it; the window itself lives
// until the program ends.
void FormTheater::closeEvent(QCloseEvent* event) {
    if (unloaded_ || !event->spontaneous()) {
        event->accept();
        return;
    }
    event->ignore();
    if (Events.KeyDown) Events.KeyDown(VK_ESCAPE, 0);
}

} // namespace gb

#pragma once
// The drawing area of a window or of an off-screen picture box. It keeps two images of
// its size: the screen image (what the window shows) and the persistent image (what a
// repaint or a clear restores). With persistent drawing off, drawing goes to the
// screen; with it on, drawing goes to the persistent image and reaches the screen when
// the switch goes off, at a refresh, or when the window repaints.
//
// Its device context (hDC) follows the switch in the same way. Bound to a window, the
// canvas follows the window's size and paints the screen image into it. Drawing on the
// screen shows when the event loop next paints, or at once with PresentScreens: code
// that blocks the thread between the steps of an animation presents before each sleep.
#include "ColorRef.h"
#include "DrawHandles.h"
#include "ImagePixelStore.h"
#include "Picture.h"
#include "platform/WindowHandle.h"

#include <QFont>
#include <QPointer>
#include <QRegion>
#include <memory>
#include <string>

namespace gb {

class CanvasWidgetFilter;

// Paints now, on every bound window, what was drawn on its screen and not shown yet.
void PresentScreens();
// PresentScreens, then the program's sleep (platform/Clock.h). Presents closer together
// than the screen's refresh interval are left to the next one, which follows within
// that interval: the screen could not show them anyway.
void PresentAndSleep(uint32_t milliseconds);

class Canvas {
public:
    explicit Canvas(int width = 0, int height = 0);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    // Paints into the window from now on and takes its client size; 0 unbinds.
    void Bind(Hwnd window);
    Hwnd Window() const;

    Hdc hDC() const { return dc_; }
    int Width() const { return persistent_.Size().width(); }
    int Height() const { return persistent_.Size().height(); }
    // Both images take the new size; what fits stays, the new part is the back colour
    // with the background picture.
    void Resize(int width, int height);

    bool PersistentDrawing() const { return persistentDrawing_; }
    void SetPersistentDrawing(bool on);

    ColorRef BackColor() const { return backColor_; }
    void SetBackColor(ColorRef colour) { backColor_ = colour; }
    ColorRef ForeColor() const { return foreColor_; }
    void SetForeColor(ColorRef colour) { foreColor_ = colour; }
    int DrawWidth() const { return drawWidth_; }
    void SetDrawWidth(int width) { drawWidth_ = width < 1 ? 1 : width; }
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    int CurrentX() const { return currentX_; }
    int CurrentY() const { return currentY_; }
    void SetCurrentPosition(int x, int y) { currentX_ = x, currentY_ = y; }

    // The picture behind the drawing: setting it replaces the persistent image by the
    // back colour with the picture at 0,0 (and the screen with it).
    const gb::Picture& BackgroundPicture() const { return picture_; }
    void SetBackgroundPicture(const gb::Picture& picture);
    // The persistent image as a bitmap picture (a snapshot).
    gb::Picture Image() const;

    // Persistent drawing on: the persistent image becomes the back colour with the
    // background picture. Off: the screen gets the persistent image back.
    void Clear();
    // The screen gets the persistent image back and the window repaints.
    void Refresh();

    void FillRect(int x, int y, int width, int height, ColorRef colour);
    // A line in the fore colour and draw width.
    void Line(int x1, int y1, int x2, int y2);
    // A point in the fore colour; wider than one pixel it is a round dot.
    void SetPixel(int x, int y);
    // Text in the font and fore colour with its top-left corner at the current
    // position; the background shows through. The position moves to the next line.
    void Print(const std::string& text);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;
    // The picture at its own pixel size, or stretched into the rectangle.
    void DrawPicture(const gb::Picture& picture, int x, int y);
    void DrawPicture(const gb::Picture& picture, int x, int y, int width, int height);

    const QImage& ScreenImage() const { return screen_.Image(); }
    const QImage& PersistentImage() const { return persistent_.Image(); }

    // Paints what was drawn on the screen and not shown yet into the window now.
    void Present();

private:
    friend class CanvasWidgetFilter;
    class Store;

    ImagePixelStore& Active() { return persistentDrawing_ ? persistent_ : screen_; }
    // After drawing into the active image: show it or remember it for later.
    void Touched(const QRect& area);
    // Copies the persistent image's pending area to the screen and shows it.
    void FlushPending();
    void ShowScreen(const QRect& area);
    void Draw(const QRect& touched, const std::function<void(QPainter&)>& draw);
    void PaintWindow(QPainter& painter, const QRect& area);
    void FollowWindowSize();
    // The back colour with the background picture, inside `area` of the persistent image.
    void PaintBackground(const QRegion& area);

    ImagePixelStore screen_;
    ImagePixelStore persistent_;
    std::unique_ptr<Store> store_;
    Hdc dc_ = 0;
    bool persistentDrawing_ = false;
    QRect pending_;  // persistent drawing not yet on the screen image
    QRect unshown_;  // screen image not yet painted into the window
    ColorRef backColor_ = Rgb(255, 255, 255);
    ColorRef foreColor_ = Rgb(0, 0, 0);
    int drawWidth_ = 1;
    QFont font_;
    int currentX_ = 0;
    int currentY_ = 0;
    gb::Picture picture_;
    QPointer<QWidget> widget_;
    QPointer<CanvasWidgetFilter> filter_;
};

} // namespace gb

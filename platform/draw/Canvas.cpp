#include "Canvas.h"

#include "CanvasWidgetFilter.h"
#include "DrawRecorder.h"
#include "Gdi.h"
#include "platform/Clock.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <set>
#include <QPainter>
#include <QWidget>

namespace gb {

// The pixel store behind the canvas's device context: the active image, with the
// screen kept up to date after each change.
class Canvas::Store : public PixelStore {
public:
    explicit Store(Canvas& canvas) : canvas_(canvas) {}
    QSize Size() const override { return canvas_.persistent_.Size(); }
    QImage Read(QRect& area) const override { return canvas_.Active().Read(area); }
    void Write(QPoint at, const QImage& source, const QRect& area) override {
        canvas_.Active().Write(at, source, area);
        canvas_.Touched(QRect(at, area.size()));
    }
    void Paint(const QRect& touched, const std::function<void(QPainter&)>& draw) override {
        canvas_.Active().Paint(touched, draw);
        canvas_.Touched(touched);
    }

private:
    Canvas& canvas_;
};

namespace {

// The canvases whose windows have drawing not yet shown.
std::set<Canvas*>& Unshown() {
    static std::set<Canvas*> canvases;
    return canvases;
}

QRgb ToQRgb(ColorRef colour) { return qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour)); }

void Record(DrawRecord::Kind kind, Hdc dc, int x, int y, int width, int height, ColorRef colour = 0) {
    if (!CurrentDrawRecorder()) return;
    DrawRecord record;
    record.kind = kind;
    record.target = dc, record.x = x, record.y = y, record.width = width, record.height = height;
    record.colour = colour;
    RecordDraw(record);
}

} // namespace

Canvas::Canvas(int width, int height)
    : screen_(QSize(width, height), ToQRgb(Rgb(255, 255, 255))),
      persistent_(QSize(width, height), ToQRgb(Rgb(255, 255, 255))),
      store_(std::make_unique<Store>(*this)) {
    dc_ = CreateStoreContext(store_.get());
    SetDeviceContextFont(dc_, font_);
}

namespace {

uint32_t lastPresent = 0;

// The time between two pictures of the screen: more presents than that cannot show.
uint32_t RefreshInterval() {
    static const uint32_t interval = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double rate = screen && screen->refreshRate() > 1.0 ? screen->refreshRate() : 60.0;
        return uint32_t(std::clamp(1000.0 / rate, 5.0, 20.0));
    }();
    return interval;
}

} // namespace

void PresentScreens() {
    lastPresent = TimeGetTime();
    // One at a time from the set: a canvas destroyed meanwhile has left it.
    while (!Unshown().empty()) (*Unshown().begin())->Present();
}

void PresentAndSleep(uint32_t milliseconds) {
    // Steps shorter than a screen refresh are presented with a later step (at most
    // one refresh later), as the screen would show them anyway.
    if (TimeGetTime() - lastPresent >= RefreshInterval()) PresentScreens();
    Sleep(milliseconds);
}

Canvas::~Canvas() {
    Unshown().erase(this);
    DeleteStoreContext(dc_);
    if (filter_) {
        filter_->Release();
        filter_->deleteLater();
    }
}

void Canvas::Bind(Hwnd window) {
    if (filter_) {
        filter_->Release();
        if (widget_) widget_->removeEventFilter(filter_);
        filter_->deleteLater();
    }
    widget_ = WidgetOf(window);
    if (!widget_) return;
    // The canvas paints every pixel of the window itself.
    widget_->setAttribute(Qt::WA_OpaquePaintEvent);
    filter_ = new CanvasWidgetFilter(*this, widget_);
    widget_->installEventFilter(filter_);
    FollowWindowSize();
}

Hwnd Canvas::Window() const { return HandleOf(widget_); }

void Canvas::SetFont(const QFont& font) {
    font_ = font;
    SetDeviceContextFont(dc_, font_);
}

void Canvas::Resize(int width, int height) {
    const QRect before = persistent_.Bounds();
    const QSize size(width, height);
    screen_.Resize(size, ToQRgb(backColor_));
    persistent_.Resize(size, ToQRgb(backColor_));
    pending_ &= persistent_.Bounds();
    // The new part shows the background picture, on the screen too.
    const QRegion added = QRegion(persistent_.Bounds()) - QRegion(before);
    if (picture_.IsEmpty() || added.isEmpty()) return;
    PaintBackground(added);
    for (const QRect& rect : added) {
        QRect from = rect;
        screen_.Write(rect.topLeft(), persistent_.Read(from), from);
    }
}

void Canvas::FollowWindowSize() {
    if (!widget_) return;
    Resize(widget_->width(), widget_->height());
}

void Canvas::SetPersistentDrawing(bool on) {
    DrawRecord record;
    record.kind = DrawRecord::Kind::PersistentDrawing;
    record.target = dc_;
    record.on = on;
    RecordDraw(record);
    persistentDrawing_ = on;
    if (!on) FlushPending();
}

void Canvas::PaintBackground(const QRegion& area) {
    if (area.isEmpty() || persistent_.Image().isNull()) return;
    QPainter painter(&persistent_.Image());
    painter.setClipRegion(area);
    painter.fillRect(persistent_.Bounds(), ToQColor(backColor_));
    if (!picture_.IsEmpty()) picture_.Draw(painter, QRect(0, 0, picture_.PixelWidth(), picture_.PixelHeight()));
}

void Canvas::SetBackgroundPicture(const gb::Picture& picture) {
    picture_ = picture;
    PaintBackground(persistent_.Bounds());
    pending_ = persistent_.Bounds();
    if (!persistentDrawing_) FlushPending();
}

Picture Canvas::Image() const { return gb::Picture::FromImage(persistent_.Image()); }

void Canvas::Clear() {
    Record(DrawRecord::Kind::Clear, dc_, 0, 0, Width(), Height(), backColor_);
    if (persistentDrawing_) PaintBackground(persistent_.Bounds());
    pending_ = persistent_.Bounds();
    if (!persistentDrawing_) FlushPending();
}

void Canvas::Refresh() {
    Record(DrawRecord::Kind::Refresh, dc_, 0, 0, Width(), Height());
    pending_ = persistent_.Bounds();
    FlushPending();
}

void Canvas::Touched(const QRect& area) {
    const QRect inside = area & persistent_.Bounds();
    if (inside.isEmpty()) return;
    if (persistentDrawing_)
        pending_ |= inside;
    else
        ShowScreen(inside);
}

void Canvas::FlushPending() {
    const QRect area = pending_ & persistent_.Bounds();
    pending_ = QRect();
    if (area.isEmpty()) return;
    QRect from = area;
    screen_.Write(area.topLeft(), persistent_.Read(from), from);
    ShowScreen(area);
}

void Canvas::ShowScreen(const QRect& area) {
    if (!widget_ || !widget_->isVisible()) return;
    // One rectangle around everything not shown: a present paints it in one go, and
    // the window's pending update stays that one rectangle (thousands of separate
    // strips would make its region slow to build).
    const QRect before = unshown_;
    unshown_ |= area;
    Unshown().insert(this);
    if (unshown_ != before) widget_->update(unshown_);
}

void Canvas::Present() {
    const QRect area = unshown_;
    unshown_ = QRect();
    Unshown().erase(this);
    if (widget_ && widget_->isVisible() && !area.isEmpty()) widget_->repaint(area);
}

void Canvas::PaintWindow(QPainter& painter, const QRect& area) {
    if (area.contains(unshown_)) {
        unshown_ = QRect();
        Unshown().erase(this);
    }
    if (!pending_.isEmpty()) {
        const QRect part = pending_ & persistent_.Bounds();
        pending_ = QRect();
        QRect from = part;
        if (!part.isEmpty()) screen_.Write(part.topLeft(), persistent_.Read(from), from);
    }
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(area.topLeft(), screen_.Image(), area & screen_.Bounds());
    const QRegion outside = QRegion(area) - QRegion(screen_.Bounds());
    for (const QRect& rect : outside) painter.fillRect(rect, ToQColor(backColor_));
}

void Canvas::Draw(const QRect& touched, const std::function<void(QPainter&)>& draw) {
    const QRect inside = touched & persistent_.Bounds();
    if (inside.isEmpty()) return;
    store_->Paint(inside, draw);
}

void Canvas::FillRect(int x, int y, int width, int height, ColorRef colour) {
    Record(DrawRecord::Kind::FillRect, dc_, x, y, width, height, colour);
    const QRect rect(x, y, width, height);
    Draw(rect, [&](QPainter& painter) { painter.fillRect(rect, ToQColor(colour)); });
}

void Canvas::Line(int x1, int y1, int x2, int y2) {
    Record(DrawRecord::Kind::Line, dc_, x1, y1, x2 - x1, y2 - y1, foreColor_);
    const int reach = drawWidth_ / 2 + 2;
    const QRect bounds = QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)))
                             .adjusted(-reach, -reach, reach, reach);
    Draw(bounds, [&](QPainter& painter) {
        painter.setRenderHint(QPainter::Antialiasing, drawWidth_ > 1);
        painter.setPen(QPen(ToQColor(foreColor_), drawWidth_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(x1, y1, x2, y2);
    });
    currentX_ = x2, currentY_ = y2;
}

void Canvas::SetPixel(int x, int y) {
    Record(DrawRecord::Kind::Pixel, dc_, x, y, drawWidth_, drawWidth_, foreColor_);
    if (drawWidth_ <= 1) {
        Draw(QRect(x, y, 1, 1), [&](QPainter& painter) { painter.fillRect(QRect(x, y, 1, 1), ToQColor(foreColor_)); });
    } else {
        const double radius = drawWidth_ / 2.0;
        const QRect bounds(x - drawWidth_, y - drawWidth_, 2 * drawWidth_ + 1, 2 * drawWidth_ + 1);
        Draw(bounds, [&](QPainter& painter) {
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ToQColor(foreColor_));
            painter.drawEllipse(QPointF(x + 0.5, y + 0.5), radius, radius);
        });
    }
    currentX_ = x, currentY_ = y;
}

void Canvas::Print(const std::string& text) {
    DrawRecord record;
    record.kind = DrawRecord::Kind::Print;
    record.target = dc_, record.x = currentX_, record.y = currentY_, record.colour = foreColor_, record.text = text;
    RecordDraw(record);
    const QString line = QString::fromUtf8(text);
    const QFontMetrics metrics(font_);
    const QRect bounds(currentX_, currentY_, metrics.horizontalAdvance(line), metrics.height());
    const int x = currentX_, baseline = currentY_ + metrics.ascent();
    // Glyphs may reach a little beyond their advance (italics, overhangs).
    Draw(bounds.adjusted(-metrics.height(), 0, metrics.height(), 0), [&](QPainter& painter) {
        painter.setFont(font_);
        painter.setPen(ToQColor(foreColor_));
        painter.drawText(QPoint(x, baseline), line);
    });
    currentX_ = 0;
    currentY_ += metrics.height();
}

int Canvas::TextWidth(const std::string& text) const {
    return QFontMetrics(font_).horizontalAdvance(QString::fromUtf8(text));
}

int Canvas::TextHeight(const std::string& text) const {
    const int lines = 1 + int(std::count(text.begin(), text.end(), '\n'));
    return QFontMetrics(font_).height() * lines;
}

void Canvas::DrawPicture(const gb::Picture& picture, int x, int y) {
    DrawPicture(picture, x, y, picture.PixelWidth(), picture.PixelHeight());
}

void Canvas::DrawPicture(const gb::Picture& picture, int x, int y, int width, int height) {
    Record(DrawRecord::Kind::DrawPicture, dc_, x, y, width, height);
    if (picture.IsEmpty() || width <= 0 || height <= 0) return;
    const QRect target(x, y, width, height);
    Draw(target, [&](QPainter& painter) { picture.Draw(painter, target); });
}

} // namespace gb

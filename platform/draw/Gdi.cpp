#include "Gdi.h"

#include "DibSection.h"
#include "DrawRecorder.h"
#include "ImagePixelStore.h"

#include <QFont>
#include <QPainter>
#include <optional>
#include <memory>
#include <unordered_map>

namespace gb {
namespace {

struct BitmapObject {
    std::unique_ptr<PixelStore> store;
    Hdc selectedInto = 0;
    bool stock = false;
};

struct ContextObject {
    PixelStore* ownStore = nullptr; // a canvas's store; otherwise the selected bitmap's
    Hbitmap selected = 0;
    int stretchMode = BLACKONWHITE;
    std::optional<QFont> font; // the font of the canvas the context belongs to
};

// The objects of the layer. One user-interface thread: no locks.
struct Objects {
    std::unordered_map<std::intptr_t, ContextObject> contexts;
    std::unordered_map<std::intptr_t, BitmapObject> bitmaps;
    std::intptr_t next = 0x1000;
    Hbitmap stock = 0;

    std::intptr_t NewHandle() {
        next += 4;
        return next;
    }
};

Objects& TheObjects() {
    static Objects objects;
    return objects;
}

ContextObject* ContextOf(Hdc dc) {
    auto& contexts = TheObjects().contexts;
    auto it = contexts.find(dc);
    return it == contexts.end() ? nullptr : &it->second;
}

BitmapObject* BitmapOf(Hgdiobj object) {
    auto& bitmaps = TheObjects().bitmaps;
    auto it = bitmaps.find(object);
    return it == bitmaps.end() ? nullptr : &it->second;
}

Hbitmap StockBitmap() {
    Objects& objects = TheObjects();
    if (!objects.stock) {
        objects.stock = objects.NewHandle();
        BitmapObject stock;
        stock.store = std::make_unique<ImagePixelStore>(QSize(1, 1));
        stock.stock = true;
        objects.bitmaps.emplace(objects.stock, std::move(stock));
    }
    return objects.stock;
}

PixelStore* StoreOf(Hdc dc) {
    ContextObject* context = ContextOf(dc);
    if (!context) return nullptr;
    if (context->ownStore) return context->ownStore;
    BitmapObject* bitmap = BitmapOf(context->selected);
    return bitmap ? bitmap->store.get() : nullptr;
}

Hbitmap AddBitmap(std::unique_ptr<PixelStore> store) {
    Objects& objects = TheObjects();
    Hbitmap handle = objects.NewHandle();
    BitmapObject bitmap;
    bitmap.store = std::move(store);
    objects.bitmaps.emplace(handle, std::move(bitmap));
    return handle;
}

// Copies `area` of `source` to `at` in `target`, clipped to both.
void CopyClipped(PixelStore& target, QPoint at, PixelStore& source, QRect area) {
    const QRect wanted = area;
    area &= source.Bounds();
    if (area.isEmpty()) return;
    at += area.topLeft() - wanted.topLeft();
    QRect placed(at, area.size());
    const QRect visible = placed & target.Bounds();
    if (visible.isEmpty()) return;
    area = QRect(area.topLeft() + (visible.topLeft() - placed.topLeft()), visible.size());
    QRect inImage = area;
    QImage pixels = source.Read(inImage);
    target.Write(visible.topLeft(), pixels, inImage);
}

// Draws `area` of `pixels` stretched into `placed` of `target`.
void StretchInto(PixelStore& target, const QRect& placed, const QImage& pixels, const QRect& area, int mode) {
    const QRect visible = placed & target.Bounds();
    if (visible.isEmpty() || area.isEmpty()) return;
    if (mode == HALFTONE && placed.width() <= area.width() && placed.height() <= area.height()) {
        // Averaging every source pixel: Qt's smooth scaling reduces by area.
        QImage scaled = pixels.copy(area).scaled(placed.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        target.Write(visible.topLeft(), scaled, visible.translated(-placed.topLeft()));
        return;
    }
    target.Paint(visible, [&](QPainter& painter) {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, mode == HALFTONE);
        painter.drawImage(QRectF(placed), pixels, QRectF(area));
    });
}

// The source pixels of `area` of a store for stretching; parts outside the store
// read as black.
QImage StretchSource(PixelStore& source, QRect& area) {
    if (source.Bounds().contains(area)) return source.Read(area);
    QRect inside = area & source.Bounds();
    QImage pixels(area.size(), QImage::Format_RGB32);
    pixels.fill(0xFF000000u);
    if (!inside.isEmpty()) {
        QRect inImage = inside;
        QImage part = source.Read(inImage);
        QPainter painter(&pixels);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(inside.topLeft() - area.topLeft(), part, inImage);
    }
    area = QRect(QPoint(0, 0), area.size());
    return pixels;
}

} // namespace

Hdc CreateCompatibleDC(Hdc) {
    Objects& objects = TheObjects();
    Hdc handle = objects.NewHandle();
    ContextObject context;
    context.selected = StockBitmap();
    objects.contexts.emplace(handle, context);
    return handle;
}

bool DeleteDC(Hdc dc) {
    ContextObject* context = ContextOf(dc);
    if (!context || context->ownStore) return false;
    if (BitmapObject* bitmap = BitmapOf(context->selected); bitmap && !bitmap->stock) bitmap->selectedInto = 0;
    TheObjects().contexts.erase(dc);
    return true;
}

bool IsDeviceContext(Hdc dc) { return ContextOf(dc) != nullptr; }

Hbitmap CreateCompatibleBitmap(Hdc, int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxDibSide || height > kMaxDibSide ||
        uint64_t(width) * uint64_t(height) * 4 > kMaxDibBytes)
        return 0;
    return AddBitmap(std::make_unique<ImagePixelStore>(QSize(width, height)));
}

Hbitmap CreateDIBSection(Hdc, const BitmapInfo* info, unsigned usage, uint8_t** bits) {
    if (bits) *bits = nullptr;
    if (usage != DIB_RGB_COLORS) return 0;
    std::unique_ptr<DibSection> dib = DibSection::Create(info);
    if (!dib) return 0;
    if (bits) *bits = dib->Bits();
    return AddBitmap(std::move(dib));
}

Hgdiobj SelectObject(Hdc dc, Hgdiobj object) {
    ContextObject* context = ContextOf(dc);
    BitmapObject* bitmap = BitmapOf(object);
    if (!context || context->ownStore || !bitmap) return 0;
    if (!bitmap->stock && bitmap->selectedInto && bitmap->selectedInto != dc) return 0;
    Hbitmap previous = context->selected;
    if (BitmapObject* old = BitmapOf(previous); old && !old->stock) old->selectedInto = 0;
    if (!bitmap->stock) bitmap->selectedInto = dc;
    context->selected = object;
    return previous;
}

bool DeleteObject(Hgdiobj object) {
    BitmapObject* bitmap = BitmapOf(object);
    if (!bitmap || bitmap->stock || bitmap->selectedInto) return false;
    TheObjects().bitmaps.erase(object);
    return true;
}

QSize BitmapSize(Hbitmap handle) {
    BitmapObject* bitmap = BitmapOf(handle);
    return bitmap ? bitmap->store->Size() : QSize(0, 0);
}

int SetStretchBltMode(Hdc dc, int mode) {
    ContextObject* context = ContextOf(dc);
    if (!context || mode < BLACKONWHITE || mode > HALFTONE) return 0;
    int previous = context->stretchMode;
    context->stretchMode = mode;
    return previous;
}

int GetStretchBltMode(Hdc dc) {
    ContextObject* context = ContextOf(dc);
    return context ? context->stretchMode : 0;
}

bool BitBlt(Hdc target, int x, int y, int width, int height, Hdc source, int sourceX, int sourceY, uint32_t rop) {
    DrawRecord record;
    record.kind = DrawRecord::Kind::BitBlt;
    record.target = target, record.x = x, record.y = y, record.width = width, record.height = height;
    record.source = source, record.sourceX = sourceX, record.sourceY = sourceY;
    record.sourceWidth = width, record.sourceHeight = height, record.rop = rop;
    RecordDraw(record);

    PixelStore* to = StoreOf(target);
    PixelStore* from = StoreOf(source);
    if (!to || !from || rop != SRCCOPY || width < 0 || height < 0) return false;
    CopyClipped(*to, QPoint(x, y), *from, QRect(sourceX, sourceY, width, height));
    return true;
}

bool StretchBlt(Hdc target, int x, int y, int width, int height, Hdc source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, uint32_t rop) {
    ContextObject* context = ContextOf(target);
    DrawRecord record;
    record.kind = DrawRecord::Kind::StretchBlt;
    record.target = target, record.x = x, record.y = y, record.width = width, record.height = height;
    record.source = source, record.sourceX = sourceX, record.sourceY = sourceY;
    record.sourceWidth = sourceWidth, record.sourceHeight = sourceHeight, record.rop = rop;
    record.stretchMode = context ? context->stretchMode : 0;
    RecordDraw(record);

    PixelStore* to = StoreOf(target);
    PixelStore* from = StoreOf(source);
    if (!to || !from || rop != SRCCOPY) return false;
    if (width < 0 || height < 0 || sourceWidth < 0 || sourceHeight < 0) return false;
    if (width == 0 || height == 0 || sourceWidth == 0 || sourceHeight == 0) return true;
    if (width == sourceWidth && height == sourceHeight) {
        CopyClipped(*to, QPoint(x, y), *from, QRect(sourceX, sourceY, width, height));
        return true;
    }
    QRect area(sourceX, sourceY, sourceWidth, sourceHeight);
    QImage pixels = StretchSource(*from, area);
    StretchInto(*to, QRect(x, y, width, height), pixels, area, context->stretchMode);
    return true;
}

int StretchDIBits(Hdc target, int x, int y, int width, int height, int sourceX, int sourceY, int sourceWidth,
                  int sourceHeight, const void* bits, const BitmapInfo* info, unsigned usage, uint32_t rop) {
    ContextObject* context = ContextOf(target);
    DrawRecord record;
    record.kind = DrawRecord::Kind::StretchDIBits;
    record.target = target, record.x = x, record.y = y, record.width = width, record.height = height;
    record.sourceX = sourceX, record.sourceY = sourceY;
    record.sourceWidth = sourceWidth, record.sourceHeight = sourceHeight, record.rop = rop;
    record.stretchMode = context ? context->stretchMode : 0;
    record.bitCount = info ? info->bmiHeader.biBitCount : 0;
    RecordDraw(record);

    PixelStore* to = StoreOf(target);
    DibLayout layout;
    if (!to || !bits || usage != DIB_RGB_COLORS || rop != SRCCOPY || !DescribeDib(info, layout)) return 0;
    if (width <= 0 || height <= 0 || sourceWidth <= 0 || sourceHeight <= 0) return 0;
    // The source rectangle of a bottom-up bitmap is measured from its bottom row.
    const int top = layout.bottomUp ? layout.height - sourceY - sourceHeight : sourceY;
    const QRect wanted(sourceX, top, sourceWidth, sourceHeight);
    const QRect dibBounds(0, 0, layout.width, layout.height);
    const auto* pixels = static_cast<const uint8_t*>(bits);
    if (width == sourceWidth && height == sourceHeight) {
        QRect area = wanted & dibBounds;
        if (area.isEmpty()) return 0;
        QPoint at = QPoint(x, y) + (area.topLeft() - wanted.topLeft());
        const QRect visible = QRect(at, area.size()) & to->Bounds();
        if (visible.isEmpty()) return area.height();
        area = QRect(area.topLeft() + (visible.topLeft() - at), visible.size());
        QImage part = DibToImage(pixels, layout, area);
        to->Write(visible.topLeft(), part, QRect(QPoint(0, 0), part.size()));
        return area.height();
    }
    QImage whole(wanted.size(), QImage::Format_RGB32);
    whole.fill(0xFF000000u);
    const QRect inside = wanted & dibBounds;
    if (!inside.isEmpty()) {
        QImage part = DibToImage(pixels, layout, inside);
        QPainter painter(&whole);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(inside.topLeft() - wanted.topLeft(), part);
    }
    StretchInto(*to, QRect(x, y, width, height), whole, QRect(QPoint(0, 0), wanted.size()), context->stretchMode);
    return sourceHeight;
}

ColorRef GetPixel(Hdc dc, int x, int y) {
    PixelStore* store = StoreOf(dc);
    if (!store || !store->Bounds().contains(x, y)) return CLR_INVALID;
    QRect area(x, y, 1, 1);
    QImage pixels = store->Read(area);
    return FromQRgb(pixels.pixel(area.topLeft()));
}

ColorRef SetPixel(Hdc dc, int x, int y, ColorRef colour) {
    PixelStore* store = StoreOf(dc);
    if (!store || !store->Bounds().contains(x, y)) return CLR_INVALID;
    QImage pixel(1, 1, QImage::Format_RGB32);
    pixel.setPixel(0, 0, ToQColor(colour).rgb());
    store->Write(QPoint(x, y), pixel, QRect(0, 0, 1, 1));
    return colour;
}

QSize DeviceContextSize(Hdc dc) {
    PixelStore* store = StoreOf(dc);
    return store ? store->Size() : QSize(0, 0);
}

QImage DeviceContextImage(Hdc dc) {
    PixelStore* store = StoreOf(dc);
    if (!store) return QImage();
    QRect area = store->Bounds();
    QImage pixels = store->Read(area);
    return pixels.copy(area).convertToFormat(QImage::Format_RGB32);
}

Hdc CreateStoreContext(PixelStore* store) {
    if (!store) return 0;
    Objects& objects = TheObjects();
    Hdc handle = objects.NewHandle();
    ContextObject context;
    context.ownStore = store;
    objects.contexts.emplace(handle, context);
    return handle;
}

void DeleteStoreContext(Hdc dc) {
    ContextObject* context = ContextOf(dc);
    if (context && context->ownStore) TheObjects().contexts.erase(dc);
}

bool PaintDeviceContext(Hdc dc, const std::function<void(QPainter&)>& paint) {
    PixelStore* store = StoreOf(dc);
    if (!store) return false;
    store->Paint(store->Bounds(), paint);
    return true;
}

void SetDeviceContextFont(Hdc dc, const QFont& font) {
    if (ContextObject* context = ContextOf(dc)) context->font = font;
}

bool DeviceContextFont(Hdc dc, QFont& font) {
    ContextObject* context = ContextOf(dc);
    if (!context || !context->font) return false;
    font = *context->font;
    return true;
}

} // namespace gb

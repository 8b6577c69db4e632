#include "EmfPlayer.h"

#include "AnsiText.h"
#include "ByteReader.h"
#include "DibImage.h"
#include "EmfRecords.h"
#include "PaletteRecords.h"

#include <QLinearGradient>
#include <algorithm>
#include <cmath>

namespace gb {
namespace {

using namespace emf;

// Sizes of the reference device when the header gives none: a 96 DPI screen.
const QSizeF kFallbackPixels(1920, 1080);
const QSizeF kFallbackMillimetres(1920 * 25.4 / 96, 1080 * 25.4 / 96);

QPointF ReadPointL(ByteReader& r) {
    double x = r.S32();
    double y = r.S32();
    return QPointF(x, y);
}

QRectF ReadRectL(ByteReader& r) {
    double left = r.S32(), top = r.S32(), right = r.S32(), bottom = r.S32();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

QTransform ReadXform(ByteReader& r) {
    double m11 = r.F32(), m12 = r.F32(), m21 = r.F32(), m22 = r.F32(), dx = r.F32(), dy = r.F32();
    return QTransform(m11, m12, m21, m22, dx, dy);
}

// `count` points of 32 or 16 bits; a count beyond the record is cut to what is there.
std::vector<QPointF> ReadPoints(ByteReader& r, size_t count, bool small) {
    size_t size = small ? 4 : 8;
    count = std::min(count, r.Remaining() / size);
    std::vector<QPointF> points;
    points.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        if (small) {
            double x = r.S16();
            double y = r.S16();
            points.emplace_back(x, y);
        } else {
            points.push_back(ReadPointL(r));
        }
    }
    return points;
}

// The rectangles of a region data block (header, then rectangles).
std::vector<QRectF> ReadRegionRects(std::span<const uint8_t> data) {
    ByteReader r(data);
    uint32_t headerSize = r.U32();
    r.U32(); // type
    uint32_t count = r.U32();
    if (!r.Ok() || headerSize < 32 || headerSize > data.size()) return {};
    r.Seek(headerSize);
    count = uint32_t(std::min<size_t>(count, r.Remaining() / 16));
    std::vector<QRectF> rects;
    rects.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        QRectF rect = ReadRectL(r).normalized();
        if (!rect.isEmpty()) rects.push_back(rect);
    }
    return rects;
}

LogFont ReadFont(ByteReader& r) {
    LogFont font;
    font.height = r.S32();
    font.width = r.S32();
    font.escapement = r.S32();
    font.orientation = r.S32();
    font.weight = r.S32();
    font.italic = r.U8() != 0;
    font.underline = r.U8() != 0;
    font.strikeOut = r.U8() != 0;
    font.charSet = r.U8();
    r.U8();
    r.U8();
    r.U8();
    font.pitchAndFamily = r.U8();
    if (!r.Ok()) return LogFont();
    std::u16string face;
    for (int i = 0; i < 32 && r.Remaining() >= 2; ++i) {
        char16_t c = r.U16();
        if (c == 0) break;
        face.push_back(c);
    }
    font.face = QString::fromStdU16String(face);
    return font;
}

// The stock objects a record may select by number.
GdiObject StockObject(uint32_t number) {
    auto brush = [](uint32_t colour, uint32_t style = LogBrush::Solid) {
        LogBrush b;
        b.style = style;
        b.colour = colour;
        return GdiObject(b);
    };
    auto pen = [](uint32_t colour, uint32_t style = LogPen::Solid) {
        LogPen p;
        p.style = style;
        p.colour = colour;
        return GdiObject(p);
    };
    switch (number) {
    case 0: return brush(0xFFFFFF);
    case 1: return brush(0xC0C0C0);
    case 2: return brush(0x808080);
    case 3: return brush(0x404040);
    case 4: return brush(0x000000);
    case 5: return brush(0, LogBrush::Null);
    case 6: return pen(0xFFFFFF);
    case 7: return pen(0x000000);
    case 8: return pen(0, LogPen::Null);
    case 10: case 11: case 12: case 13: case 14: case 16: case 17: return LogFont();
    case 18: return brush(0xFFFFFF);
    case 19: return pen(0x000000);
    default: return std::monostate();
    }
}

} // namespace

std::optional<EmfPlayer::Header> EmfPlayer::ReadHeader(std::span<const uint8_t> emf) {
    ByteReader r(emf);
    uint32_t type = r.U32();
    uint32_t size = r.U32();
    if (!r.Ok() || type != emf::Header || size < kMinHeaderSize || size > emf.size()) return std::nullopt;
    EmfPlayer::Header header;
    int32_t bl = r.S32(), bt = r.S32(), br = r.S32(), bb = r.S32();
    int64_t fl = r.S32(), ft = r.S32(), fr = r.S32(), fb = r.S32();
    uint32_t signature = r.U32();
    if (signature != kSignature) return std::nullopt;
    r.Seek(72);
    double devW = r.S32(), devH = r.S32(), mmW = r.S32(), mmH = r.S32();
    if (!r.Ok()) return std::nullopt;
    if (devW > 0 && devH > 0 && mmW > 0 && mmH > 0) {
        header.devicePixels = QSizeF(devW, devH);
        header.deviceMillimetres = QSizeF(mmW, mmH);
    } else {
        header.devicePixels = kFallbackPixels;
        header.deviceMillimetres = kFallbackMillimetres;
    }
    header.bounds = QRect(QPoint(bl, bt), QPoint(br, bb));
    // The frame in 0.01 mm is the picture's size; a file without one is measured by the
    // bounds of its drawing on the reference device.
    if (fr != fl && fb != ft) {
        header.frame = QRectF(QPointF(double(fl), double(ft)), QPointF(double(fr), double(fb))).normalized();
    } else {
        // Bounds include their right and bottom edges; (0, 0, -1, -1) is nothing.
        if (br < bl || bb < bt) return std::nullopt;
        QRectF pixels(bl, bt, double(br) - bl + 1, double(bb) - bt + 1);
        double kx = header.deviceMillimetres.width() * 100 / header.devicePixels.width();
        double ky = header.deviceMillimetres.height() * 100 / header.devicePixels.height();
        header.frame = QRectF(pixels.left() * kx, pixels.top() * ky, pixels.width() * kx, pixels.height() * ky);
    }
    if (!(header.frame.width() >= 1) || !(header.frame.height() >= 1)) return std::nullopt;
    return header;
}

EmfPlayer::EmfPlayer(std::span<const uint8_t> emf, const Header& header) : emf_(emf), header_(header) {}

void EmfPlayer::Play(QPainter& painter, const QRectF& target) {
    GdiCanvas canvas(painter, target, emf_.size());
    canvas_ = &canvas;
    objects_.clear();
    canvas.State().mapping.SetReferenceDevice(header_.devicePixels, header_.deviceMillimetres);
    double kx = header_.devicePixels.width() / (header_.deviceMillimetres.width() * 100);
    double ky = header_.devicePixels.height() / (header_.deviceMillimetres.height() * 100);
    QRectF frame(header_.frame.left() * kx, header_.frame.top() * ky, header_.frame.width() * kx,
                 header_.frame.height() * ky);
    canvas.SetDeviceToTarget(QTransform::fromTranslate(-frame.left(), -frame.top()) *
                             QTransform::fromScale(target.width() / frame.width(), target.height() / frame.height()) *
                             QTransform::fromTranslate(target.left(), target.top()));
    size_t pos = 0;
    while (pos + 8 <= emf_.size()) {
        ByteReader r(emf_.subspan(pos, 8));
        uint32_t type = r.U32();
        uint32_t size = r.U32();
        if (size < 8 || size % 4 != 0 || size > emf_.size() - pos || type == Eof) break;
        PlayRecord(type, emf_.subspan(pos, size));
        pos += size;
    }
    canvas_ = nullptr;
    objects_.clear();
}

// ----- objects -----

void EmfPlayer::SelectObject(uint32_t index) {
    GdiObject stock;
    const GdiObject* object = nullptr;
    if (index & kStockObject) {
        stock = StockObject(index & ~kStockObject);
        object = &stock;
    } else if (auto it = objects_.find(index); it != objects_.end()) {
        object = &it->second;
    }
    if (!object) return;
    GdiState& state = canvas_->State();
    if (auto pen = std::get_if<LogPen>(object)) state.pen = *pen;
    else if (auto brush = std::get_if<LogBrush>(object)) state.brush = *brush;
    else if (auto font = std::get_if<LogFont>(object)) state.font = *font;
}

const LogBrush* EmfPlayer::Brush(uint32_t index) const {
    auto it = objects_.find(index);
    return it == objects_.end() ? nullptr : std::get_if<LogBrush>(&it->second);
}

QImage EmfPlayer::Bitmap(std::span<const uint8_t> record, uint32_t offInfo, uint32_t infoSize, uint32_t offBits,
                         uint32_t bitsSize, uint32_t usage, bool keepAlpha) const {
    ByteReader r(record);
    std::span<const uint8_t> info = r.At(offInfo, infoSize);
    std::span<const uint8_t> bits = r.At(offBits, bitsSize);
    if (info.empty() || bits.empty()) return {};
    DibOptions options;
    options.paletteIndices = usage == 1;
    options.palette = canvas_->State().palette ? &canvas_->State().palette->entries : nullptr;
    options.keepAlpha = keepAlpha;
    return DecodeDib(info, bits, options);
}

void EmfPlayer::CreateBrush(uint32_t type, std::span<const uint8_t> record) {
    ByteReader r(record);
    r.Skip(8);
    uint32_t index = r.U32();
    LogBrush brush;
    if (type == CreateBrushIndirect) {
        brush.style = r.U32();
        brush.colour = r.U32();
        brush.hatch = r.U32();
        if (brush.style != LogBrush::Null && brush.style != LogBrush::Hatched) brush.style = LogBrush::Solid;
    } else {
        uint32_t usage = r.U32(), offInfo = r.U32(), infoSize = r.U32(), offBits = r.U32(), bitsSize = r.U32();
        brush.style = LogBrush::DibPatternPt;
        brush.pattern = Bitmap(record, offInfo, infoSize, offBits, bitsSize, type == CreateMonoBrush ? 0 : usage);
        brush.monochrome = type == CreateMonoBrush;
        if (brush.pattern.isNull()) brush.style = LogBrush::Solid;
    }
    if (!r.Ok() || index == 0 || (index & kStockObject)) return;
    objects_[index] = brush;
}

void EmfPlayer::CreatePen(std::span<const uint8_t> record) {
    ByteReader r(record);
    r.Skip(8);
    uint32_t index = r.U32();
    LogPen pen;
    uint32_t type = ByteReader(record).U32();
    if (type == emf::CreatePen) {
        pen.style = r.U32();
        pen.width = std::abs(double(r.S32()));
        r.S32();
        pen.colour = r.U32();
    } else {
        r.Skip(16); // the bitmap of a pattern pen, drawn here in its colour
        pen.extended = true;
        pen.style = r.U32();
        pen.width = std::abs(double(r.S32()));
        uint32_t brushStyle = r.U32();
        pen.colour = r.U32();
        r.U32(); // hatch
        uint32_t entries = r.U32();
        if (brushStyle == LogBrush::Null) pen.style = (pen.style & ~LogPen::StyleMask) | LogPen::Null;
        for (uint32_t i = 0; i < entries && i < 16 && r.Remaining() >= 4; ++i) pen.userStyle.push_back(r.U32());
        if (pen.BaseStyle() == LogPen::UserStyle && pen.userStyle.empty()) pen.style &= ~LogPen::StyleMask;
    }
    if (!r.Ok() || index == 0 || (index & kStockObject)) return;
    objects_[index] = pen;
}

// ----- records -----

void EmfPlayer::PlayRecord(uint32_t type, std::span<const uint8_t> record) {
    GdiCanvas& c = *canvas_;
    GdiState& state = c.State();
    GdiMapping& mapping = state.mapping;
    ByteReader r(record);
    r.Skip(8);
    switch (type) {
    case PolyBezier: case Polygon: case Polyline: case PolyBezierTo: case PolylineTo:
    case PolyBezier16: case Polygon16: case Polyline16: case PolyBezierTo16: case PolylineTo16:
        PlayPoly(type, r);
        break;
    case PolyPolyline: case PolyPolygon: case PolyPolyline16: case PolyPolygon16:
        PlayPolyPoly(type, r);
        break;
    case PolyDraw:
    case PolyDraw16: {
        r.Skip(16);
        uint32_t count = r.U32();
        bool small = type == PolyDraw16;
        if (uint64_t(count) * (small ? 5 : 9) > r.Remaining()) break;
        std::vector<QPointF> points = ReadPoints(r, count, small);
        std::span<const uint8_t> types = r.Take(count);
        c.PolyDraw(points, types);
        break;
    }
    case SetWindowExtEx: { QPointF p = ReadPointL(r); if (r.Ok()) mapping.SetWindowExt(QSizeF(p.x(), p.y())); break; }
    case SetWindowOrgEx: { QPointF p = ReadPointL(r); if (r.Ok()) mapping.SetWindowOrg(p); break; }
    case SetViewportExtEx: { QPointF p = ReadPointL(r); if (r.Ok()) mapping.SetViewportExt(QSizeF(p.x(), p.y())); break; }
    case SetViewportOrgEx: { QPointF p = ReadPointL(r); if (r.Ok()) mapping.SetViewportOrg(p); break; }
    case ScaleViewportExtEx:
    case ScaleWindowExtEx: {
        double xNum = r.S32(), xDenom = r.S32(), yNum = r.S32(), yDenom = r.S32();
        if (!r.Ok()) break;
        if (type == ScaleWindowExtEx) mapping.ScaleWindowExt(xNum, xDenom, yNum, yDenom);
        else mapping.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
        break;
    }
    case SetMapMode: mapping.SetMapMode(int(r.U32())); break;
    case SetWorldTransform: { QTransform t = ReadXform(r); if (r.Ok()) mapping.SetWorldTransform(t); break; }
    case ModifyWorldTransform: {
        QTransform t = ReadXform(r);
        uint32_t mode = r.U32();
        if (r.Ok()) mapping.ModifyWorldTransform(t, int(mode));
        break;
    }
    case SetPixelV: {
        QPointF p = ReadPointL(r);
        uint32_t colour = r.U32();
        if (r.Ok()) c.SetPixel(p, colour);
        break;
    }
    case SetBkMode: {
        uint32_t mode = r.U32();
        if (mode == GdiState::Transparent || mode == GdiState::Opaque) state.backMode = int(mode);
        break;
    }
    case SetPolyFillMode: {
        uint32_t mode = r.U32();
        if (mode == GdiState::Alternate || mode == GdiState::Winding) state.fillMode = int(mode);
        break;
    }
    case SetRop2: {
        uint32_t rop = r.U32();
        if (rop >= 1 && rop <= 16) state.rop2 = int(rop);
        break;
    }
    case SetStretchBltMode: c.SetStretchBltMode(int(r.U32())); break;
    case SetTextAlign: state.textAlign = r.U32(); break;
    case SetTextColor: { uint32_t colour = r.U32(); if (r.Ok()) state.textColour = colour; break; }
    case SetBkColor: { uint32_t colour = r.U32(); if (r.Ok()) state.backColour = colour; break; }
    case SetArcDirection: {
        uint32_t direction = r.U32();
        if (direction == GdiState::CounterClockwise || direction == GdiState::Clockwise) state.arcDirection = int(direction);
        break;
    }
    case OffsetClipRgn: { QPointF p = ReadPointL(r); if (r.Ok()) c.OffsetClip(p); break; }
    case MoveToEx: { QPointF p = ReadPointL(r); if (r.Ok()) c.MoveTo(p); break; }
    case LineTo: { QPointF p = ReadPointL(r); if (r.Ok()) c.LineTo(p); break; }
    case ExcludeClipRect: { QRectF box = ReadRectL(r); if (r.Ok()) c.ExcludeClipRect(box); break; }
    case IntersectClipRect: { QRectF box = ReadRectL(r); if (r.Ok()) c.IntersectClipRect(box); break; }
    case SaveDc: c.SaveDC(); break;
    case RestoreDc: { int32_t which = r.S32(); if (r.Ok()) c.RestoreDC(which); break; }
    case emf::SelectObject: { uint32_t index = r.U32(); if (r.Ok()) SelectObject(index); break; }
    case DeleteObject: { uint32_t index = r.U32(); if (r.Ok()) objects_.erase(index); break; }
    case emf::CreatePen: case ExtCreatePen: CreatePen(record); break;
    case CreateBrushIndirect: case CreateMonoBrush: case CreateDibPatternBrushPt: CreateBrush(type, record); break;
    case ExtCreateFontIndirectW: {
        uint32_t index = r.U32();
        LogFont font = ReadFont(r);
        if (index != 0 && !(index & kStockObject)) objects_[index] = font;
        break;
    }
    case CreatePalette: {
        uint32_t index = r.U32();
        auto palette = ReadLogPalette(r);
        if (index != 0 && !(index & kStockObject)) objects_[index] = palette;
        break;
    }
    case SelectPalette: {
        uint32_t index = r.U32();
        auto it = objects_.find(index);
        if (it != objects_.end())
            if (auto palette = std::get_if<std::shared_ptr<LogPalette>>(&it->second)) state.palette = *palette;
        if (index == (kStockObject | 15)) state.palette.reset();
        break;
    }
    case SetPaletteEntries: {
        uint32_t index = r.U32(), start = r.U32(), count = r.U32();
        auto it = objects_.find(index);
        if (it == objects_.end()) break;
        auto palette = std::get_if<std::shared_ptr<LogPalette>>(&it->second);
        if (!palette || !*palette) break;
        auto changed = ChangePaletteEntries(**palette, start, count, r);
        if (state.palette == *palette) state.palette = changed;
        *palette = changed;
        break;
    }
    case AngleArc: {
        QPointF centre = ReadPointL(r);
        double radius = r.U32();
        double start = r.F32(), sweep = r.F32();
        if (r.Ok()) c.AngleArc(centre, radius, start, sweep);
        break;
    }
    case Ellipse: { QRectF box = ReadRectL(r); if (r.Ok()) c.Ellipse(box); break; }
    case Rectangle: { QRectF box = ReadRectL(r); if (r.Ok()) c.Rectangle(box); break; }
    case RoundRect: {
        QRectF box = ReadRectL(r);
        QPointF corner = ReadPointL(r);
        if (r.Ok()) c.RoundRect(box, QSizeF(corner.x(), corner.y()));
        break;
    }
    case Arc: case Chord: case Pie: case ArcTo: {
        QRectF box = ReadRectL(r);
        QPointF start = ReadPointL(r), end = ReadPointL(r);
        if (!r.Ok()) break;
        GdiCanvas::ArcKind kind = type == Arc ? GdiCanvas::ArcKind::Arc
                                  : type == Chord ? GdiCanvas::ArcKind::Chord
                                  : type == Pie ? GdiCanvas::ArcKind::Pie : GdiCanvas::ArcKind::ArcTo;
        c.Arc(box, start, end, kind);
        break;
    }
    case BeginPath: c.BeginPath(); break;
    case EndPath: c.EndPath(); break;
    case CloseFigure: c.CloseFigure(); break;
    case FillPath: c.FillPath(); break;
    case StrokeAndFillPath: c.StrokeAndFillPath(); break;
    case StrokePath: c.StrokePath(); break;
    case WidenPath: c.WidenPath(); break;
    case AbortPath: c.AbortPath(); break;
    case SelectClipPath: { uint32_t mode = r.U32(); if (r.Ok()) c.SelectClipPath(int(mode)); break; }
    case FillRgn: case FrameRgn: case InvertRgn: case PaintRgn: case ExtSelectClipRgn: PlayRegion(type, record); break;
    case BitBlt: case StretchBlt: case MaskBlt: case PlgBlt: case SetDiBitsToDevice: case StretchDiBits:
    case AlphaBlend: case TransparentBlt:
        PlayBlit(type, record);
        break;
    case ExtTextOutA: case ExtTextOutW: case PolyTextOutA: case PolyTextOutW: PlayText(type, record); break;
    case SmallTextOut: PlaySmallText(record); break;
    case GradientFill: PlayGradient(record); break;
    default: break; // unknown, or nothing to draw (comments, colour adjustment, layout)
    }
}

void EmfPlayer::PlayPoly(uint32_t type, ByteReader& r) {
    r.Skip(16); // bounds
    uint32_t count = r.U32();
    bool small = type >= PolyBezier16;
    std::vector<QPointF> points = ReadPoints(r, count, small);
    GdiCanvas& c = *canvas_;
    switch (small ? type - PolyBezier16 + PolyBezier : type) {
    case PolyBezier: c.PolyBezier(points); break;
    case Polygon: c.Polygon(points); break;
    case Polyline: c.Polyline(points); break;
    case PolyBezierTo: c.PolyBezierTo(points); break;
    case PolylineTo: c.PolylineTo(points); break;
    default: break;
    }
}

void EmfPlayer::PlayPolyPoly(uint32_t type, ByteReader& r) {
    r.Skip(16);
    uint32_t polygons = r.U32();
    uint32_t total = r.U32();
    bool small = type == PolyPolyline16 || type == PolyPolygon16;
    if (!r.Ok() || uint64_t(polygons) * 4 > r.Remaining()) return;
    std::vector<uint32_t> counts(polygons);
    uint64_t sum = 0;
    for (uint32_t& n : counts) sum += n = r.U32();
    if (sum != total) return; // the counts and the total must agree
    std::vector<QPointF> points = ReadPoints(r, total, small);
    if (type == PolyPolygon || type == PolyPolygon16) canvas_->PolyPolygon(points, counts);
    else canvas_->PolyPolyline(points, counts);
}

void EmfPlayer::PlayRegion(uint32_t type, std::span<const uint8_t> record) {
    ByteReader r(record);
    r.Skip(8);
    if (type == ExtSelectClipRgn) {
        uint32_t size = r.U32();
        uint32_t mode = r.U32();
        if (!r.Ok()) return;
        std::vector<QRectF> rects = ReadRegionRects(r.Take(std::min<size_t>(size, r.Remaining())));
        canvas_->SelectClipDeviceRects(rects, int(mode));
        return;
    }
    r.Skip(16); // bounds
    uint32_t size = r.U32();
    uint32_t brush = (type == FillRgn || type == FrameRgn) ? r.U32() : 0;
    QPointF stroke = type == FrameRgn ? ReadPointL(r) : QPointF();
    if (!r.Ok()) return;
    GdiRegion region;
    region.rects = ReadRegionRects(r.Take(std::min<size_t>(size, r.Remaining())));
    switch (type) {
    case FillRgn: if (const LogBrush* b = Brush(brush)) canvas_->FillRegion(region, *b); break;
    case FrameRgn: if (const LogBrush* b = Brush(brush)) canvas_->FrameRegion(region, *b, QSizeF(stroke.x(), stroke.y())); break;
    case InvertRgn: canvas_->InvertRegion(region); break;
    case PaintRgn: canvas_->PaintRegion(region); break;
    default: break;
    }
}

void EmfPlayer::PlayBlit(uint32_t type, std::span<const uint8_t> record) {
    GdiCanvas& c = *canvas_;
    ByteReader r(record);
    r.Skip(8 + 16); // header, bounds
    if (type == SetDiBitsToDevice || type == StretchDiBits) {
        double xDest = r.S32(), yDest = r.S32(), xSrc = r.S32(), ySrc = r.S32(), cxSrc = r.S32(), cySrc = r.S32();
        uint32_t offInfo = r.U32(), infoSize = r.U32(), offBits = r.U32(), bitsSize = r.U32(), usage = r.U32();
        uint32_t rop = 0xCC0020;
        double cxDest = cxSrc, cyDest = cySrc;
        if (type == StretchDiBits) {
            rop = r.U32();
            cxDest = r.S32();
            cyDest = r.S32();
        }
        if (!r.Ok()) return;
        QRectF dest(xDest, yDest, cxDest, cyDest);
        if ((rop >> 16 & 0xFF) != 0xCC && !r.At(offInfo, infoSize).size()) {
            c.PatBlt(dest, rop);
            return;
        }
        QImage image = Bitmap(record, offInfo, infoSize, offBits, bitsSize, usage);
        if (image.isNull()) return;
        // DIB source rectangles count rows from the bottom of a bottom-up bitmap.
        if (DibBottomUp(r.At(offInfo, infoSize))) ySrc = image.height() - ySrc - cySrc;
        c.StretchImage(image, QRectF(xSrc, ySrc, cxSrc, cySrc), dest, rop);
        return;
    }
    if (type == PlgBlt) {
        QPointF p0 = ReadPointL(r), p1 = ReadPointL(r), p2 = ReadPointL(r);
        double xSrc = r.S32(), ySrc = r.S32(), cxSrc = r.S32(), cySrc = r.S32();
        QTransform xform = ReadXform(r);
        r.U32(); // background colour
        uint32_t usage = r.U32(), offInfo = r.U32(), infoSize = r.U32(), offBits = r.U32(), bitsSize = r.U32();
        if (!r.Ok() || cxSrc == 0 || cySrc == 0) return;
        QImage image = Bitmap(record, offInfo, infoSize, offBits, bitsSize, usage);
        if (image.isNull()) return;
        QRectF source = xform.isIdentity() ? QRectF(xSrc, ySrc, cxSrc, cySrc) : xform.mapRect(QRectF(xSrc, ySrc, cxSrc, cySrc));
        if (source.width() == 0 || source.height() == 0) return;
        double m11 = (p1.x() - p0.x()) / source.width(), m12 = (p1.y() - p0.y()) / source.width();
        double m21 = (p2.x() - p0.x()) / source.height(), m22 = (p2.y() - p0.y()) / source.height();
        QTransform toLogical(m11, m12, m21, m22, p0.x() - m11 * source.x() - m21 * source.y(),
                             p0.y() - m12 * source.x() - m22 * source.y());
        QRectF clipped = source.normalized() & QRectF(image.rect());
        c.TransformImage(image, clipped, toLogical);
        return;
    }
    // Bit block transfers: BitBlt, StretchBlt, MaskBlt, AlphaBlend, TransparentBlt.
    double xDest = r.S32(), yDest = r.S32(), cxDest = r.S32(), cyDest = r.S32();
    uint32_t rop = r.U32(); // the blend function or transparent colour for the last two
    double xSrc = r.S32(), ySrc = r.S32();
    QTransform xform = ReadXform(r);
    r.U32(); // background colour
    uint32_t usage = r.U32(), offInfo = r.U32(), infoSize = r.U32(), offBits = r.U32(), bitsSize = r.U32();
    double cxSrc = cxDest, cySrc = cyDest;
    if (type == StretchBlt || type == AlphaBlend || type == TransparentBlt) {
        cxSrc = r.S32();
        cySrc = r.S32();
    }
    if (!r.Ok()) return;
    QRectF dest(xDest, yDest, cxDest, cyDest);
    if (infoSize == 0 || bitsSize == 0) {
        if (type == BitBlt || type == StretchBlt || type == MaskBlt) c.PatBlt(dest, rop);
        return;
    }
    bool alpha = type == AlphaBlend && ((rop >> 24) & 0xFF) == 1;
    QImage image = Bitmap(record, offInfo, infoSize, offBits, bitsSize, usage, alpha);
    if (image.isNull()) return;
    QRectF source(xSrc, ySrc, cxSrc, cySrc);
    if (!xform.isIdentity() && xform.isInvertible()) source = xform.mapRect(source);
    double opacity = 1.0;
    if (type == AlphaBlend) {
        opacity = ((rop >> 16) & 0xFF) / 255.0;
        rop = 0xCC0020;
    } else if (type == TransparentBlt) {
        // The transparent colour becomes see-through; everything else is copied.
        QRgb key = qRgb(rop & 0xFF, (rop >> 8) & 0xFF, (rop >> 16) & 0xFF);
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
        }
        rop = 0xCC0020;
    }
    c.StretchImage(image, source, dest, rop, opacity);
}

void EmfPlayer::PlayText(uint32_t type, std::span<const uint8_t> record) {
    bool wide = type == ExtTextOutW || type == PolyTextOutW;
    if (type == ExtTextOutA || type == ExtTextOutW) {
        PlayTextRun(record, 8 + 16 + 12, wide);
        return;
    }
    ByteReader r(record);
    r.Skip(8 + 16 + 12);
    uint32_t count = r.U32();
    if (!r.Ok()) return;
    size_t at = r.Position();
    for (uint32_t i = 0; i < count && at + 40 <= record.size(); ++i, at += 40) PlayTextRun(record, at, wide);
}

// One text structure at `at`: reference point, character count, string offset, options,
// rectangle, advances offset. Offsets count from the start of the record.
void EmfPlayer::PlayTextRun(std::span<const uint8_t> record, size_t at, bool wide) {
    ByteReader r(record);
    r.Seek(at);
    TextRun run;
    run.reference = ReadPointL(r);
    uint32_t chars = r.U32();
    uint32_t offString = r.U32();
    uint32_t options = r.U32();
    QRectF rect = ReadRectL(r);
    uint32_t offDx = r.U32();
    if (!r.Ok()) return;
    run.options = options & (TextRun::Opaque | TextRun::Clipped | TextRun::GlyphIndex | TextRun::Pdy);
    run.hasRect = !rect.normalized().isEmpty();
    run.rect = rect;
    std::span<const uint8_t> string = r.At(offString, size_t(chars) * (wide ? 2 : 1));
    if (string.empty() && chars > 0) return;
    if (wide) {
        std::u16string text(chars, u'\0');
        for (uint32_t i = 0; i < chars; ++i) text[i] = char16_t(string[2 * i] | string[2 * i + 1] << 8);
        run.text = QString::fromStdU16String(text);
    } else {
        run.text = DecodeAnsiText(string, canvas_->State().font.charSet).text;
    }
    bool pdy = options & TextRun::Pdy;
    std::span<const uint8_t> dx = offDx ? r.At(offDx, size_t(chars) * 4 * (pdy ? 2 : 1)) : std::span<const uint8_t>();
    if (!dx.empty() && size_t(run.text.size()) == chars) {
        ByteReader d(dx);
        for (uint32_t i = 0; i < chars; ++i) {
            run.dx.push_back(d.S32());
            if (pdy) run.dy.push_back(d.S32());
        }
    }
    canvas_->TextOut(run);
}

void EmfPlayer::PlaySmallText(std::span<const uint8_t> record) {
    enum { NoRect = 0x100, SmallChars = 0x200 };
    ByteReader r(record);
    r.Skip(8);
    TextRun run;
    run.reference = ReadPointL(r);
    uint32_t chars = r.U32();
    uint32_t options = r.U32();
    r.Skip(12); // graphics mode and scales
    if (!(options & NoRect)) {
        run.rect = ReadRectL(r);
        run.hasRect = true;
    }
    if (!r.Ok()) return;
    run.options = options & (TextRun::Opaque | TextRun::Clipped | TextRun::GlyphIndex);
    bool small = options & SmallChars;
    std::span<const uint8_t> string = r.Take(size_t(chars) * (small ? 1 : 2));
    if (!r.Ok()) return;
    if (small) {
        run.text = DecodeAnsiText(string, canvas_->State().font.charSet).text;
    } else {
        std::u16string text(chars, u'\0');
        for (uint32_t i = 0; i < chars; ++i) text[i] = char16_t(string[2 * i] | string[2 * i + 1] << 8);
        run.text = QString::fromStdU16String(text);
    }
    canvas_->TextOut(run);
}

void EmfPlayer::PlayGradient(std::span<const uint8_t> record) {
    enum { RectH = 0, RectV = 1, Triangle = 2 };
    ByteReader r(record);
    r.Skip(8 + 16);
    uint32_t vertices = r.U32(), shapes = r.U32(), mode = r.U32();
    if (!r.Ok() || mode > Triangle) return;
    uint64_t shapeSize = mode == Triangle ? 12 : 8;
    if (uint64_t(vertices) * 16 + uint64_t(shapes) * shapeSize > r.Remaining()) return;
    struct Vertex {
        QPointF point;
        QColor colour;
    };
    std::vector<Vertex> vs(vertices);
    for (Vertex& v : vs) {
        v.point = ReadPointL(r);
        int red = r.U16() >> 8, green = r.U16() >> 8, blue = r.U16() >> 8;
        r.U16();
        v.colour = QColor(red, green, blue);
    }
    for (uint32_t i = 0; i < shapes; ++i) {
        if (mode == Triangle) {
            uint32_t a = r.U32(), b = r.U32(), d = r.U32();
            if (a >= vertices || b >= vertices || d >= vertices) continue;
            // Shaded triangles are filled with the mean of their corner colours.
            QColor mean((vs[a].colour.red() + vs[b].colour.red() + vs[d].colour.red()) / 3,
                        (vs[a].colour.green() + vs[b].colour.green() + vs[d].colour.green()) / 3,
                        (vs[a].colour.blue() + vs[b].colour.blue() + vs[d].colour.blue()) / 3);
            QPainterPath path(vs[a].point);
            path.lineTo(vs[b].point);
            path.lineTo(vs[d].point);
            path.closeSubpath();
            canvas_->FillWith(path, QBrush(mean));
        } else {
            uint32_t a = r.U32(), b = r.U32();
            if (a >= vertices || b >= vertices) continue;
            QRectF box = QRectF(vs[a].point, vs[b].point).normalized();
            QPointF end = mode == RectH ? QPointF(vs[b].point.x(), vs[a].point.y()) : QPointF(vs[a].point.x(), vs[b].point.y());
            QLinearGradient gradient(vs[a].point, end);
            gradient.setColorAt(0, vs[a].colour);
            gradient.setColorAt(1, vs[b].colour);
            QPainterPath path;
            path.addRect(box);
            canvas_->FillWith(path, QBrush(gradient));
        }
    }
}

} // namespace gb

#include "WmfPlayer.h"

#include "AnsiText.h"
#include "ByteReader.h"
#include "DibImage.h"
#include "PaletteRecords.h"
#include "WmfRecords.h"
#include "platform/Cp932.h"

#include <algorithm>
#include <string_view>

namespace gb {
namespace {

using namespace wmf;

// Walks the records after the header, calling `visit(function, params)` until the end
// record, a malformed record or the end of the bytes; `visit` returns false to stop.
template <typename Visit>
void ForEachRecord(std::span<const uint8_t> wmf, Visit visit) {
    ByteReader header(wmf);
    header.U16();
    uint16_t headerWords = header.U16();
    size_t pos = std::max<size_t>(size_t(headerWords) * 2, kHeaderSize);
    while (pos + 6 <= wmf.size()) {
        ByteReader r(wmf.subspan(pos, 6));
        uint64_t bytes = uint64_t(r.U32()) * 2;
        uint16_t function = r.U16();
        if (bytes < 6 || bytes > wmf.size() - pos) return;
        if (function == Eof) return;
        if (!visit(function, wmf.subspan(pos + 6, size_t(bytes) - 6))) return;
        pos += size_t(bytes);
    }
}

QPointF ReadPoint(ByteReader& r) {
    double x = r.S16();
    double y = r.S16();
    return QPointF(x, y);
}

// Four 16-bit values in the order left, top, right, bottom.
QRectF ReadRectLtrb(ByteReader& r) {
    double left = r.S16(), top = r.S16(), right = r.S16(), bottom = r.S16();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

// Four 16-bit values in the reverse order a record stores its arguments in.
QRectF ReadRectBrtl(ByteReader& r) {
    double bottom = r.S16(), right = r.S16(), top = r.S16(), left = r.S16();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

LogFont ReadFont(ByteReader& r) {
    LogFont font;
    font.height = r.S16();
    font.width = r.S16();
    font.escapement = r.S16();
    font.orientation = r.S16();
    font.weight = r.S16();
    font.italic = r.U8() != 0;
    font.underline = r.U8() != 0;
    font.strikeOut = r.U8() != 0;
    font.charSet = r.U8();
    r.U8(); // output precision
    r.U8(); // clip precision
    r.U8(); // quality
    font.pitchAndFamily = r.U8();
    if (!r.Ok()) font = LogFont();
    std::span<const uint8_t> face = r.Take(std::min<size_t>(32, r.Remaining()));
    size_t length = std::find(face.begin(), face.end(), uint8_t(0)) - face.begin();
    font.face = QString::fromStdString(FromCp932(std::string_view(reinterpret_cast<const char*>(face.data()), length)).text);
    return font;
}

GdiRegion ReadRegion(ByteReader& r) {
    GdiRegion region;
    r.U16(); // next in chain
    r.U16(); // object type
    r.U32(); // object count
    r.U16(); // region size
    uint16_t scans = r.U16();
    r.U16(); // largest scan
    QRectF bounds = ReadRectLtrb(r);
    for (uint16_t s = 0; s < scans && r.Ok(); ++s) {
        uint16_t count = r.U16();
        double top = r.S16(), bottom = r.S16();
        if (size_t(count) * 2 > r.Remaining()) break;
        for (uint16_t i = 0; i + 1 < count; i += 2) {
            double left = r.S16(), right = r.S16();
            if (right > left && bottom > top) region.rects.push_back(QRectF(QPointF(left, top), QPointF(right, bottom)));
        }
        r.U16(); // count again
    }
    if (region.rects.empty() && scans == 0 && r.Ok() && !bounds.normalized().isEmpty())
        region.rects.push_back(bounds.normalized());
    return region;
}

} // namespace

bool WmfPlayer::ValidHeader(std::span<const uint8_t> wmf) {
    ByteReader r(wmf);
    uint16_t type = r.U16();
    uint16_t headerWords = r.U16();
    uint16_t version = r.U16();
    return r.Ok() && wmf.size() >= kHeaderSize && (type == 1 || type == 2) && headerWords == 9 &&
           (version == 0x0100 || version == 0x0300);
}

WmfPlayer::Window WmfPlayer::ScanWindow(std::span<const uint8_t> wmf) {
    Window window;
    ForEachRecord(wmf, [&](uint16_t function, std::span<const uint8_t> params) {
        ByteReader r(params);
        if (function == SetMapMode) {
            uint16_t mode = r.U16();
            if (r.Ok() && !window.extent) window.mapMode = mode;
        } else if (function == SetWindowOrg && !window.origin) {
            double y = r.S16(), x = r.S16();
            if (r.Ok()) window.origin = QPointF(x, y);
        } else if (function == SetWindowExt && !window.extent) {
            double y = r.S16(), x = r.S16();
            if (r.Ok() && x != 0 && y != 0) window.extent = QSizeF(x, y);
        }
        return !(window.origin && window.extent);
    });
    return window;
}

WmfPlayer::WmfPlayer(std::span<const uint8_t> wmf, size_t fileSize) : wmf_(wmf), fileSize_(fileSize) {}

void WmfPlayer::Play(QPainter& painter, const QRectF& target, const View& view) {
    GdiCanvas canvas(painter, target, fileSize_);
    canvas_ = &canvas;
    objects_.clear();
    freeSlots_ = {};
    GdiMapping& mapping = canvas.State().mapping;
    mapping.SetFixedViewport(view.viewportOrg, view.viewportExt);
    mapping.SetWindowOrg(view.windowOrg);
    mapping.SetWindowExt(view.windowExt);
    ForEachRecord(wmf_, [&](uint16_t function, std::span<const uint8_t> params) {
        PlayRecord(function, params);
        return true;
    });
    canvas_ = nullptr;
    objects_.clear();
}

// ----- object table -----

void WmfPlayer::CreateObject(GdiObject object) {
    if (!freeSlots_.empty()) {
        uint16_t slot = freeSlots_.top();
        freeSlots_.pop();
        objects_[slot] = std::move(object);
        return;
    }
    // Files whose header undercounts their objects still get room for what they
    // create, as far as 16-bit indices reach; only creating records grow the table.
    if (objects_.size() >= 0xFFFF) return;
    objects_.push_back(std::move(object));
}

const GdiObject* WmfPlayer::Object(uint16_t index) const {
    if (index >= objects_.size() || std::holds_alternative<std::monostate>(objects_[index])) return nullptr;
    return &objects_[index];
}

void WmfPlayer::SelectObject(uint16_t index) {
    const GdiObject* object = Object(index);
    if (!object) return;
    GdiState& state = canvas_->State();
    if (auto pen = std::get_if<LogPen>(object)) state.pen = *pen;
    else if (auto brush = std::get_if<LogBrush>(object)) state.brush = *brush;
    else if (auto font = std::get_if<LogFont>(object)) state.font = *font;
    else if (auto palette = std::get_if<std::shared_ptr<LogPalette>>(object)) state.palette = *palette;
    else if (auto region = std::get_if<GdiRegion>(object)) canvas_->SelectClipRegion(*region);
}

void WmfPlayer::DeleteObject(uint16_t index) {
    if (!Object(index)) return;
    objects_[index] = std::monostate();
    freeSlots_.push(index);
}

const GdiRegion* WmfPlayer::Region(uint16_t index) const {
    const GdiObject* object = Object(index);
    return object ? std::get_if<GdiRegion>(object) : nullptr;
}

const LogBrush* WmfPlayer::Brush(uint16_t index) const {
    const GdiObject* object = Object(index);
    return object ? std::get_if<LogBrush>(object) : nullptr;
}

std::vector<QPointF> WmfPlayer::ReadPoints(ByteReader& r, size_t count) const {
    // A count beyond the record is cut to the points that are there.
    count = std::min(count, r.Remaining() / 4);
    std::vector<QPointF> points;
    points.reserve(count);
    for (size_t i = 0; i < count; ++i) points.push_back(ReadPoint(r));
    return points;
}

GdiObject WmfPlayer::ReadPatternBrush(uint16_t function, std::span<const uint8_t> params) const {
    LogBrush brush;
    brush.style = LogBrush::Pattern;
    brush.colour = 0;
    ByteReader r(params);
    if (function == CreatePatternBrush) {
        // A bitmap header, 18 bytes the platform used for a pointer, then the bits.
        std::span<const uint8_t> header = r.Take(10);
        r.Skip(18);
        if (r.Ok()) {
            std::vector<uint8_t> bitmap(header.begin(), header.end());
            std::span<const uint8_t> bits = r.Take(r.Remaining());
            bitmap.insert(bitmap.end(), bits.begin(), bits.end());
            brush.pattern = DecodeBitmap16(bitmap, qRgb(0, 0, 0), qRgb(255, 255, 255));
            brush.monochrome = true;
        }
    } else {
        uint16_t style = r.U16();
        uint16_t usage = r.U16();
        std::span<const uint8_t> rest = r.Take(r.Remaining());
        if (style == LogBrush::Pattern) {
            brush.pattern = DecodeBitmap16(rest, qRgb(0, 0, 0), qRgb(255, 255, 255));
            brush.monochrome = true;
        } else {
            DibOptions options;
            options.paletteIndices = usage == 1;
            options.palette = canvas_->State().palette ? &canvas_->State().palette->entries : nullptr;
            brush.pattern = DecodePackedDib(rest, options);
            brush.style = LogBrush::DibPatternPt;
        }
    }
    if (brush.pattern.isNull()) brush.style = LogBrush::Solid;
    return brush;
}

// ----- records -----

void WmfPlayer::PlayRecord(uint16_t function, std::span<const uint8_t> params) {
    GdiCanvas& c = *canvas_;
    GdiState& state = c.State();
    GdiMapping& mapping = state.mapping;
    ByteReader r(params);
    switch (function) {
    case SaveDc: c.SaveDC(); break;
    case RestoreDc: c.RestoreDC(r.S16()); break;
    case SetBkColor: state.backColour = r.U32(); break;
    case SetTextColor: state.textColour = r.U32(); break;
    case SetBkMode: {
        uint16_t mode = r.U16();
        if (mode == GdiState::Transparent || mode == GdiState::Opaque) state.backMode = mode;
        break;
    }
    case SetMapMode: mapping.SetMapMode(r.U16()); break;
    case SetRop2: {
        uint16_t rop = r.U16();
        if (rop >= 1 && rop <= 16) state.rop2 = rop;
        break;
    }
    case SetPolyFillMode: {
        uint16_t mode = r.U16();
        if (mode == GdiState::Alternate || mode == GdiState::Winding) state.fillMode = mode;
        break;
    }
    case SetStretchBltMode: c.SetStretchBltMode(r.U16()); break;
    case SetTextCharExtra: state.charExtra = r.S16(); break;
    case SetTextAlign: state.textAlign = r.U16(); break;
    case SetWindowOrg: { QPointF p(0, 0); p.ry() = r.S16(); p.rx() = r.S16(); if (r.Ok()) mapping.SetWindowOrg(p); break; }
    case SetWindowExt: { double y = r.S16(), x = r.S16(); if (r.Ok()) mapping.SetWindowExt(QSizeF(x, y)); break; }
    case SetViewportOrg: { double y = r.S16(), x = r.S16(); if (r.Ok()) mapping.SetViewportOrg(QPointF(x, y)); break; }
    case SetViewportExt: { double y = r.S16(), x = r.S16(); if (r.Ok()) mapping.SetViewportExt(QSizeF(x, y)); break; }
    case OffsetWindowOrg: { double y = r.S16(), x = r.S16(); if (r.Ok()) mapping.OffsetWindowOrg(QPointF(x, y)); break; }
    case OffsetViewportOrg: { double y = r.S16(), x = r.S16(); if (r.Ok()) mapping.OffsetViewportOrg(QPointF(x, y)); break; }
    case ScaleWindowExt:
    case ScaleViewportExt: {
        double yDenom = r.S16(), yNum = r.S16(), xDenom = r.S16(), xNum = r.S16();
        if (!r.Ok()) break;
        if (function == ScaleWindowExt) mapping.ScaleWindowExt(xNum, xDenom, yNum, yDenom);
        else mapping.ScaleViewportExt(xNum, xDenom, yNum, yDenom);
        break;
    }
    case MoveTo: { double y = r.S16(), x = r.S16(); if (r.Ok()) c.MoveTo(QPointF(x, y)); break; }
    case LineTo: { double y = r.S16(), x = r.S16(); if (r.Ok()) c.LineTo(QPointF(x, y)); break; }
    case Polygon:
    case Polyline: {
        uint16_t count = r.U16();
        std::vector<QPointF> points = ReadPoints(r, count);
        if (function == Polygon) c.Polygon(points);
        else c.Polyline(points);
        break;
    }
    case PolyPolygon: {
        uint16_t polygons = r.U16();
        if (size_t(polygons) * 2 > r.Remaining()) break;
        std::vector<uint32_t> counts(polygons);
        size_t total = 0;
        for (uint32_t& n : counts) total += n = r.U16();
        std::vector<QPointF> points = ReadPoints(r, total);
        c.PolyPolygon(points, counts);
        break;
    }
    case Rectangle: { QRectF box = ReadRectBrtl(r); if (r.Ok()) c.Rectangle(box); break; }
    case Ellipse: { QRectF box = ReadRectBrtl(r); if (r.Ok()) c.Ellipse(box); break; }
    case RoundRect: {
        double height = r.S16(), width = r.S16();
        QRectF box = ReadRectBrtl(r);
        if (r.Ok()) c.RoundRect(box, QSizeF(width, height));
        break;
    }
    case Arc:
    case Pie:
    case Chord: {
        double yEnd = r.S16(), xEnd = r.S16(), yStart = r.S16(), xStart = r.S16();
        QRectF box = ReadRectBrtl(r);
        if (!r.Ok()) break;
        GdiCanvas::ArcKind kind = function == Arc ? GdiCanvas::ArcKind::Arc
                                  : function == Pie ? GdiCanvas::ArcKind::Pie : GdiCanvas::ArcKind::Chord;
        c.Arc(box, QPointF(xStart, yStart), QPointF(xEnd, yEnd), kind);
        break;
    }
    case SetPixel: {
        uint32_t colour = r.U32();
        double y = r.S16(), x = r.S16();
        if (r.Ok()) c.SetPixel(QPointF(x, y), colour);
        break;
    }
    case PatBlt: {
        uint32_t rop = r.U32();
        double height = r.S16(), width = r.S16(), y = r.S16(), x = r.S16();
        if (r.Ok()) c.PatBlt(QRectF(x, y, width, height), rop);
        break;
    }
    case TextOut: TextOutRecord(params); break;
    case ExtTextOut: ExtTextOutRecord(params); break;
    case ExcludeClipRect:
    case IntersectClipRect: {
        QRectF box = ReadRectBrtl(r);
        if (!r.Ok()) break;
        if (function == ExcludeClipRect) c.ExcludeClipRect(box);
        else c.IntersectClipRect(box);
        break;
    }
    case OffsetClipRgn: { double y = r.S16(), x = r.S16(); if (r.Ok()) c.OffsetClip(QPointF(x, y)); break; }
    case SelectClipRegion: {
        const GdiRegion* region = Region(r.U16());
        if (region) c.SelectClipRegion(*region);
        else c.ResetClip();
        break;
    }
    case FillRegion: {
        uint16_t region = r.U16(), brush = r.U16();
        if (Region(region) && Brush(brush)) c.FillRegion(*Region(region), *Brush(brush));
        break;
    }
    case FrameRegion: {
        uint16_t region = r.U16(), brush = r.U16();
        double height = r.S16(), width = r.S16();
        if (r.Ok() && Region(region) && Brush(brush)) c.FrameRegion(*Region(region), *Brush(brush), QSizeF(width, height));
        break;
    }
    case InvertRegion: { if (const GdiRegion* region = Region(r.U16())) c.InvertRegion(*region); break; }
    case PaintRegion: { if (const GdiRegion* region = Region(r.U16())) c.PaintRegion(*region); break; }
    case wmf::SelectObject: SelectObject(r.U16()); break;
    case SelectPalette: SelectObject(r.U16()); break;
    case wmf::DeleteObject: DeleteObject(r.U16()); break;
    case CreatePenIndirect: {
        LogPen pen;
        pen.style = r.U16();
        pen.width = std::abs(int(r.S16()));
        r.S16();
        pen.colour = r.U32();
        if (!r.Ok()) pen = LogPen();
        CreateObject(pen);
        break;
    }
    case CreateBrushIndirect: {
        LogBrush brush;
        brush.style = r.U16();
        brush.colour = r.U32();
        brush.hatch = r.U16();
        if (brush.style != LogBrush::Null && brush.style != LogBrush::Hatched) brush.style = LogBrush::Solid;
        CreateObject(brush);
        break;
    }
    case CreateFontIndirect: CreateObject(ReadFont(r)); break;
    case CreatePalette: CreateObject(ReadLogPalette(r)); break;
    case CreateRegion: CreateObject(ReadRegion(r)); break;
    case CreatePatternBrush:
    case DibCreatePatternBrush: CreateObject(ReadPatternBrush(function, params)); break;
    case SetPalEntries:
    case AnimatePalette: {
        uint16_t start = r.U16(), count = r.U16();
        if (state.palette) state.palette = ChangePaletteEntries(*state.palette, start, count, r);
        break;
    }
    case BitBlt:
    case StretchBlt:
    case DibBitBlt:
    case DibStretchBlt:
    case StretchDib:
    case SetDibToDev: Blit(function, params); break;
    default: break; // unknown, or nothing to draw (palette realisation, escapes, flood fills)
    }
}

void WmfPlayer::Blit(uint16_t function, std::span<const uint8_t> params) {
    GdiCanvas& c = *canvas_;
    ByteReader r(params);
    bool withoutBitmap = params.size() == size_t(function >> 8) * 2 &&
                         (function == BitBlt || function == StretchBlt || function == DibBitBlt || function == DibStretchBlt);
    uint32_t rop = 0xCC0020;
    uint16_t usage = 0;
    double srcH = 0, srcW = 0, ySrc = 0, xSrc = 0, destH = 0, destW = 0, yDest = 0, xDest = 0;
    bool stretch = function == StretchBlt || function == DibStretchBlt || function == StretchDib;
    if (function == SetDibToDev) {
        usage = r.U16();
        r.U16(); // scan count
        r.U16(); // start scan
        ySrc = r.S16();
        xSrc = r.S16();
        destH = srcH = r.S16();
        destW = srcW = r.S16();
        yDest = r.S16();
        xDest = r.S16();
        rop = 0xCC0020;
    } else {
        rop = r.U32();
        if (function == StretchDib) usage = r.U16();
        if (stretch) {
            srcH = r.S16();
            srcW = r.S16();
        }
        ySrc = r.S16();
        xSrc = r.S16();
        if (withoutBitmap) r.U16();
        destH = r.S16();
        destW = r.S16();
        if (!stretch) {
            srcH = destH;
            srcW = destW;
        }
        yDest = r.S16();
        xDest = r.S16();
    }
    if (!r.Ok()) return;
    QRectF dest(xDest, yDest, destW, destH);
    if (withoutBitmap) {
        c.PatBlt(dest, rop);
        return;
    }
    std::span<const uint8_t> bitmap = r.Take(r.Remaining());
    QImage image;
    bool bottomUp = false;
    if (function == BitBlt || function == StretchBlt) {
        GdiState& s = c.State();
        image = DecodeBitmap16(bitmap, s.Colour(s.textColour).rgb(), s.Colour(s.backColour).rgb());
    } else {
        DibOptions options;
        options.paletteIndices = usage == 1;
        options.palette = c.State().palette ? &c.State().palette->entries : nullptr;
        image = DecodePackedDib(bitmap, options);
        // Only the DIB functions count source rows from the bottom of bottom-up bitmaps;
        // the block transfers address the source bitmap top down.
        bottomUp = (function == StretchDib || function == SetDibToDev) && DibBottomUp(bitmap);
    }
    if (image.isNull()) return;
    if (bottomUp) ySrc = image.height() - ySrc - srcH;
    c.StretchImage(image, QRectF(xSrc, ySrc, srcW, srcH), dest, rop);
}

void WmfPlayer::TextOutRecord(std::span<const uint8_t> params) {
    ByteReader r(params);
    uint16_t count = r.U16();
    std::span<const uint8_t> bytes = r.Take(std::min<size_t>(count, r.Remaining()));
    r.Seek(2 + ((size_t(count) + 1) & ~size_t(1)));
    double y = r.S16(), x = r.S16();
    if (!r.Ok()) return;
    TextRun run;
    run.reference = QPointF(x, y);
    run.text = DecodeAnsiText(bytes, canvas_->State().font.charSet).text;
    canvas_->TextOut(run);
}

void WmfPlayer::ExtTextOutRecord(std::span<const uint8_t> params) {
    ByteReader r(params);
    double y = r.S16(), x = r.S16();
    uint16_t count = r.U16();
    uint16_t options = r.U16();
    TextRun run;
    run.reference = QPointF(x, y);
    run.options = options & (TextRun::Opaque | TextRun::Clipped | TextRun::GlyphIndex);
    if (options & (TextRun::Opaque | TextRun::Clipped)) {
        run.rect = ReadRectLtrb(r);
        run.hasRect = true;
    }
    if (!r.Ok()) return;
    std::span<const uint8_t> bytes = r.Take(std::min<size_t>(count, r.Remaining()));
    if (count % 2) r.Skip(std::min<size_t>(1, r.Remaining()));
    AnsiText text = DecodeAnsiText(bytes, canvas_->State().font.charSet);
    run.text = text.text;
    // One advance per byte; a double-byte character advances by the sum of its two.
    if (r.Remaining() >= size_t(bytes.size()) * 2 && !bytes.empty()) {
        std::vector<double> perByte(bytes.size());
        for (double& dx : perByte) dx = r.S16();
        size_t at = 0;
        run.dx.reserve(text.sourceBytes.size());
        for (int n : text.sourceBytes) {
            double sum = 0;
            for (int k = 0; k < n && at < perByte.size(); ++k) sum += perByte[at++];
            run.dx.push_back(sum);
        }
    }
    canvas_->TextOut(run);
}

} // namespace gb

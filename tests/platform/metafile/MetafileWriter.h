#pragma once
// Test helpers that write Windows metafiles and enhanced metafiles record by record,
// and device-independent bitmaps pixel by pixel.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

namespace gb::test {

class ByteWriter {
public:
    ByteWriter& U8(uint8_t v) { bytes.push_back(v); return *this; }
    ByteWriter& U16(uint16_t v) { return U8(v & 0xFF).U8(v >> 8); }
    ByteWriter& S16(int16_t v) { return U16(uint16_t(v)); }
    ByteWriter& U32(uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    ByteWriter& S32(int32_t v) { return U32(uint32_t(v)); }
    ByteWriter& F32(float v) { uint32_t b; std::memcpy(&b, &v, 4); return U32(b); }
    ByteWriter& Raw(const std::vector<uint8_t>& v) { bytes.insert(bytes.end(), v.begin(), v.end()); return *this; }
    ByteWriter& Raw(const std::string& v) { bytes.insert(bytes.end(), v.begin(), v.end()); return *this; }
    ByteWriter& Pad(size_t multiple) { while (bytes.size() % multiple) bytes.push_back(0); return *this; }
    std::vector<uint8_t> bytes;
};

// COLORREF of a colour.
inline uint32_t Ref(QColor c) { return uint32_t(c.red()) | uint32_t(c.green()) << 8 | uint32_t(c.blue()) << 16; }

// A packed DIB (information header, colour table, rows bottom up) of `image` at `bits`
// bits per pixel: 1, 4 and 8 use a table of the image's colours in order of appearance.
inline std::vector<uint8_t> MakeDib(const QImage& source, int bits) {
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> table;
    if (bits <= 8) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (std::find(table.begin(), table.end(), image.pixel(x, y)) == table.end()) table.push_back(image.pixel(x, y));
        table.resize(size_t(1) << bits, qRgb(0, 0, 0));
    }
    int stride = (image.width() * bits + 31) / 32 * 4;
    ByteWriter w;
    w.U32(40).S32(image.width()).S32(image.height()).U16(1).U16(uint16_t(bits)).U32(0)
        .U32(uint32_t(stride * image.height())).U32(0).U32(0).U32(uint32_t(table.size())).U32(0);
    for (QRgb c : table) w.U8(uint8_t(qBlue(c))).U8(uint8_t(qGreen(c))).U8(uint8_t(qRed(c))).U8(0);
    for (int y = image.height() - 1; y >= 0; --y) {
        std::vector<uint8_t> row(size_t(stride), 0);
        for (int x = 0; x < image.width(); ++x) {
            QRgb c = image.pixel(x, y);
            size_t index = size_t(std::find(table.begin(), table.end(), c) - table.begin());
            switch (bits) {
            case 1: row[x / 8] |= uint8_t(index << (7 - x % 8)); break;
            case 4: row[x / 2] |= uint8_t(index << (x % 2 ? 0 : 4)); break;
            case 8: row[x] = uint8_t(index); break;
            case 24: row[3 * x] = uint8_t(qBlue(c)); row[3 * x + 1] = uint8_t(qGreen(c)); row[3 * x + 2] = uint8_t(qRed(c)); break;
            case 32: row[4 * x] = uint8_t(qBlue(c)); row[4 * x + 1] = uint8_t(qGreen(c)); row[4 * x + 2] = uint8_t(qRed(c)); break;
            }
        }
        w.Raw(row);
    }
    return w.bytes;
}

// Size of the information header and colour table of a DIB made by MakeDib.
inline size_t DibInfoBytes(int bits) { return 40 + (bits <= 8 ? (size_t(4) << bits) : 0); }

// A Windows metafile. Arguments are given in the order of the drawing functions; the
// writer stores them in the reverse order the records use.
class WmfWriter {
public:
    WmfWriter& Record(uint16_t function, std::initializer_list<int> args) {
        ByteWriter w;
        for (auto it = std::rbegin(args); it != std::rend(args); ++it) w.S16(int16_t(*it));
        return Raw(function, w.bytes);
    }
    WmfWriter& Raw(uint16_t function, const std::vector<uint8_t>& params) {
        std::vector<uint8_t> p = params;
        if (p.size() % 2) p.push_back(0);
        records_.U32(uint32_t(3 + p.size() / 2)).U16(function).Raw(p);
        return *this;
    }
    WmfWriter& SetMapMode(int mode) { return Record(0x0103, {mode}); }
    WmfWriter& SetWindowOrg(int x, int y) { return Record(0x020B, {x, y}); }
    WmfWriter& SetWindowExt(int x, int y) { return Record(0x020C, {x, y}); }
    WmfWriter& SetBkMode(int mode) { return Record(0x0102, {mode}); }
    WmfWriter& SetTextAlign(int align) { return Record(0x012E, {align}); }
    WmfWriter& SetTextColor(QColor c) { return Raw(0x0209, ByteWriter().U32(Ref(c)).bytes); }
    WmfWriter& SaveDc() { return Record(0x001E, {}); }
    WmfWriter& RestoreDc(int which) { return Record(0x0127, {which}); }
    WmfWriter& SelectObject(int index) { return Record(0x012D, {index}); }
    WmfWriter& DeleteObject(int index) { return Record(0x01F0, {index}); }
    WmfWriter& CreateBrush(int style, QColor c, int hatch = 0) {
        return Raw(0x02FC, ByteWriter().U16(uint16_t(style)).U32(Ref(c)).U16(uint16_t(hatch)).bytes);
    }
    WmfWriter& CreatePen(int style, int width, QColor c) {
        return Raw(0x02FA, ByteWriter().U16(uint16_t(style)).S16(int16_t(width)).S16(0).U32(Ref(c)).bytes);
    }
    WmfWriter& CreateFont(int height, const std::string& faceCp932, int charSet = 128, int weight = 400) {
        ByteWriter w;
        w.S16(int16_t(height)).S16(0).S16(0).S16(0).S16(int16_t(weight)).U8(0).U8(0).U8(0).U8(uint8_t(charSet))
            .U8(0).U8(0).U8(0).U8(0).Raw(faceCp932).U8(0);
        return Raw(0x02FB, w.bytes);
    }
    WmfWriter& Rectangle(int l, int t, int r, int b) { return Record(0x041B, {l, t, r, b}); }
    WmfWriter& Ellipse(int l, int t, int r, int b) { return Record(0x0418, {l, t, r, b}); }
    WmfWriter& Pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye) {
        return Record(0x081A, {l, t, r, b, xs, ys, xe, ye});
    }
    WmfWriter& MoveTo(int x, int y) { return Record(0x0214, {x, y}); }
    WmfWriter& LineTo(int x, int y) { return Record(0x0213, {x, y}); }
    WmfWriter& IntersectClipRect(int l, int t, int r, int b) { return Record(0x0416, {l, t, r, b}); }
    WmfWriter& Polygon(const std::vector<QPoint>& points) {
        ByteWriter w;
        w.S16(int16_t(points.size()));
        for (QPoint p : points) w.S16(int16_t(p.x())).S16(int16_t(p.y()));
        return Raw(0x0324, w.bytes);
    }
    WmfWriter& TextOut(int x, int y, const std::string& cp932) {
        ByteWriter w;
        w.S16(int16_t(cp932.size())).Raw(cp932).Pad(2).S16(int16_t(y)).S16(int16_t(x));
        return Raw(0x0521, w.bytes);
    }
    WmfWriter& StretchDib(const std::vector<uint8_t>& dib, int sw, int sh, int x, int y, int w, int h) {
        ByteWriter b;
        b.U32(0x00CC0020).U16(0).S16(int16_t(sh)).S16(int16_t(sw)).S16(0).S16(0)
            .S16(int16_t(h)).S16(int16_t(w)).S16(int16_t(y)).S16(int16_t(x)).Raw(dib);
        return Raw(0x0F43, b.bytes);
    }

    // The file: an optional placeable header with `box` and `inch`, the standard header,
    // the records and the end record.
    std::vector<uint8_t> Bytes(bool placeable = false, QRect box = {}, int inch = 1440, int objects = 16) const {
        ByteWriter w;
        if (placeable) {
            ByteWriter h;
            h.U32(0x9AC6CDD7).U16(0).S16(int16_t(box.left())).S16(int16_t(box.top()))
                .S16(int16_t(box.left() + box.width())).S16(int16_t(box.top() + box.height())).U16(uint16_t(inch)).U32(0);
            uint16_t sum = 0;
            for (size_t i = 0; i < h.bytes.size(); i += 2) sum ^= uint16_t(h.bytes[i] | h.bytes[i + 1] << 8);
            h.U16(sum);
            w.Raw(h.bytes);
        }
        size_t words = (18 + records_.bytes.size() + 6) / 2;
        w.U16(1).U16(9).U16(0x0300).U32(uint32_t(words)).U16(uint16_t(objects)).U32(0).U16(0);
        w.Raw(records_.bytes);
        w.U32(3).U16(0);
        return w.bytes;
    }

private:
    ByteWriter records_;
};

// An enhanced metafile on a reference device of `devicePixels` and `deviceMillimetres`,
// with the frame `frame` in 0.01 mm.
class EmfWriter {
public:
    EmfWriter(QRect frame, QSize devicePixels = {1000, 1000}, QSize deviceMillimetres = {250, 250})
        : frame_(frame), pixels_(devicePixels), millimetres_(deviceMillimetres) {}

    EmfWriter& Record(uint32_t type, const std::vector<uint8_t>& data) {
        records_.U32(type).U32(uint32_t(8 + (data.size() + 3) / 4 * 4)).Raw(data).Pad(4);
        ++count_;
        return *this;
    }
    EmfWriter& Ints(uint32_t type, std::initializer_list<int32_t> values) {
        ByteWriter w;
        for (int32_t v : values) w.S32(v);
        return Record(type, w.bytes);
    }
    EmfWriter& SetMapMode(int mode) { return Ints(17, {mode}); }
    EmfWriter& SetWindowExt(int x, int y) { return Ints(9, {x, y}); }
    EmfWriter& SetWindowOrg(int x, int y) { return Ints(10, {x, y}); }
    EmfWriter& SetViewportExt(int x, int y) { return Ints(11, {x, y}); }
    EmfWriter& SetViewportOrg(int x, int y) { return Ints(12, {x, y}); }
    EmfWriter& SaveDc() { return Ints(33, {}); }
    EmfWriter& RestoreDc(int which) { return Ints(34, {which}); }
    EmfWriter& SelectObject(uint32_t index) { return Ints(37, {int32_t(index)}); }
    EmfWriter& CreateBrush(int index, QColor c, int style = 0, int hatch = 0) {
        return Ints(39, {index, style, int32_t(Ref(c)), hatch});
    }
    EmfWriter& CreatePen(int index, int style, int width, QColor c) { return Ints(38, {index, style, width, 0, int32_t(Ref(c))}); }
    EmfWriter& Rectangle(int l, int t, int r, int b) { return Ints(43, {l, t, r, b}); }
    EmfWriter& MoveTo(int x, int y) { return Ints(27, {x, y}); }
    EmfWriter& LineTo(int x, int y) { return Ints(54, {x, y}); }
    EmfWriter& Pie(int l, int t, int r, int b, int xs, int ys, int xe, int ye) { return Ints(47, {l, t, r, b, xs, ys, xe, ye}); }
    EmfWriter& IntersectClipRect(int l, int t, int r, int b) { return Ints(30, {l, t, r, b}); }
    // A clip region of device rectangles (left, top, right, bottom) combined by `mode`.
    EmfWriter& ExtSelectClipRgn(const std::vector<QRect>& rects, int mode) {
        ByteWriter region;
        region.U32(32).U32(1).U32(uint32_t(rects.size())).U32(uint32_t(16 * rects.size())).S32(0).S32(0).S32(0).S32(0);
        for (QRect r : rects) region.S32(r.left()).S32(r.top()).S32(r.left() + r.width()).S32(r.top() + r.height());
        return Record(75, ByteWriter().U32(uint32_t(region.bytes.size())).U32(uint32_t(mode)).Raw(region.bytes).bytes);
    }
    EmfWriter& SetWorldTransform(float m11, float m12, float m21, float m22, float dx, float dy) {
        return Record(35, ByteWriter().F32(m11).F32(m12).F32(m21).F32(m22).F32(dx).F32(dy).bytes);
    }
    EmfWriter& CreateFont(int index, int height, const std::u16string& face) {
        ByteWriter w;
        w.S32(index).S32(height).S32(0).S32(0).S32(0).S32(400).U8(0).U8(0).U8(0).U8(1).U8(0).U8(0).U8(0).U8(0);
        for (int i = 0; i < 32; ++i) w.U16(i < int(face.size()) ? uint16_t(face[size_t(i)]) : 0);
        return Record(82, w.bytes);
    }
    EmfWriter& ExtTextOutW(int x, int y, const std::u16string& text) {
        // Header 8, bounds 16, mode and scales 12, text structure 40, then the string.
        ByteWriter w;
        w.S32(0).S32(0).S32(-1).S32(-1).U32(1).F32(1).F32(1);
        w.S32(x).S32(y).U32(uint32_t(text.size())).U32(8 + 16 + 12 + 40).U32(0).S32(0).S32(0).S32(-1).S32(-1).U32(0);
        for (char16_t c : text) w.U16(c);
        return Record(84, w.bytes);
    }
    EmfWriter& StretchDiBits(const std::vector<uint8_t>& dib, int bits, int sw, int sh, int x, int y, int w, int h) {
        size_t info = DibInfoBytes(bits);
        uint32_t offInfo = 8 + 72;
        ByteWriter b;
        b.S32(0).S32(0).S32(-1).S32(-1).S32(x).S32(y).S32(0).S32(0).S32(sw).S32(sh)
            .U32(offInfo).U32(uint32_t(info)).U32(uint32_t(offInfo + info)).U32(uint32_t(dib.size() - info))
            .U32(0).U32(0x00CC0020).S32(w).S32(h).Raw(dib);
        return Record(81, b.bytes);
    }

    std::vector<uint8_t> Bytes() const {
        ByteWriter w;
        uint32_t size = uint32_t(88 + records_.bytes.size() + 20);
        w.U32(1).U32(88).S32(0).S32(0).S32(pixels_.width() - 1).S32(pixels_.height() - 1)
            .S32(frame_.left()).S32(frame_.top()).S32(frame_.left() + frame_.width()).S32(frame_.top() + frame_.height())
            .U32(0x464D4520).U32(0x10000).U32(size).U32(uint32_t(count_ + 2)).U16(16).U16(0).U32(0).U32(0).U32(0)
            .S32(pixels_.width()).S32(pixels_.height()).S32(millimetres_.width()).S32(millimetres_.height());
        w.Raw(records_.bytes);
        w.U32(14).U32(20).U32(0).U32(16).U32(20);
        return w.bytes;
    }

private:
    QRect frame_;
    QSize pixels_;
    QSize millimetres_;
    ByteWriter records_;
    int count_ = 0;
};

} // namespace gb::test

#pragma once
// A log of what the drawing layer is asked to draw: block transfers and the drawing
// operations of canvases, with their arguments, in call order. Tests install one to
// check the sequence a renderer produces without looking at every pixel.
#include "ColorRef.h"
#include "DrawHandles.h"

#include <cstdint>
#include <string>
#include <vector>

namespace gb {


struct DrawRecord {
    enum class Kind {
        BitBlt,
        StretchBlt,
        StretchDIBits,
        Clear,             // canvas cleared (persistent: the switch at that moment)
        Refresh,           // canvas screen restored from the persistent image
        FillRect,
        Line,
        Pixel,
        Print,             // text at x, y in `colour`
        DrawPicture,       // picture drawn into x, y, width, height
        PersistentDrawing, // the switch set to `on`
    };
    Kind kind = Kind::BitBlt;
    Hdc target = 0;
    int x = 0, y = 0, width = 0, height = 0;
    Hdc source = 0;
    int sourceX = 0, sourceY = 0, sourceWidth = 0, sourceHeight = 0;
    uint32_t rop = 0;
    int stretchMode = 0;
    int bitCount = 0;     // StretchDIBits: the description's bit count
    ColorRef colour = 0;
    std::string text;
    bool on = false;
};

class DrawRecorder {
public:
    virtual ~DrawRecorder() = default;
    virtual void Record(const DrawRecord& record) = 0;
};

// nullptr stops recording. The caller keeps ownership.
void SetDrawRecorder(DrawRecorder* recorder);
DrawRecorder* CurrentDrawRecorder();

// Passes a record to the recorder, if any.
void RecordDraw(const DrawRecord& record);

// Records into a list for the lifetime of this object.
class ScopedDrawLog : public DrawRecorder {
public:
    ScopedDrawLog() { SetDrawRecorder(this); }
    ~ScopedDrawLog() override { SetDrawRecorder(nullptr); }
    ScopedDrawLog(const ScopedDrawLog&) = delete;
    ScopedDrawLog& operator=(const ScopedDrawLog&) = delete;

    void Record(const DrawRecord& record) override { records.push_back(record); }
    std::vector<DrawRecord> records;
};

} // namespace gb

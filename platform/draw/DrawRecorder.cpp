#include "DrawRecorder.h"

namespace gb {
namespace {
DrawRecorder* current = nullptr;
}

void SetDrawRecorder(DrawRecorder* recorder) { current = recorder; }
DrawRecorder* CurrentDrawRecorder() { return current; }

void RecordDraw(const DrawRecord& record) {
    if (current) current->Record(record);
}

} // namespace gb

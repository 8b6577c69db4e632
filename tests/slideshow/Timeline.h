#pragma once
// What a test drove, in order: the drawing layer's records and the sleeps of a virtual
// clock, in one list.
#include "platform/Clock.h"
#include "platform/draw/DrawRecorder.h"

#include <functional>
#include <string>
#include <vector>

namespace gb {

class Timeline : public DrawRecorder, public VirtualClock {
public:
    struct Entry {
        bool sleep = false;
        uint32_t milliseconds = 0;
        DrawRecord draw;
    };

    Timeline() {
        SetDrawRecorder(this);
        SetClock(this);
    }
    ~Timeline() override {
        SetDrawRecorder(nullptr);
        SetClock(nullptr);
    }

    void Record(const DrawRecord& record) override { entries.push_back({false, 0, record}); }
    void Sleep(uint32_t milliseconds) override {
        VirtualClock::Sleep(milliseconds);
        entries.push_back({true, milliseconds, {}});
        if (onSleep) onSleep();
    }

    // The draws of one kind, in order.
    std::vector<DrawRecord> Draws(DrawRecord::Kind kind) const {
        std::vector<DrawRecord> found;
        for (const Entry& e : entries)
            if (!e.sleep && e.draw.kind == kind) found.push_back(e.draw);
        return found;
    }
    // The order of transfers and sleeps as words: "B" a block transfer, "S" a
    // stretched one, "D" a DIB drawing, a number a sleep; other draws are left out.
    std::string Rhythm() const {
        std::string words;
        for (const Entry& e : entries) {
            std::string word;
            if (e.sleep) word = std::to_string(e.milliseconds);
            else if (e.draw.kind == DrawRecord::Kind::BitBlt) word = "B";
            else if (e.draw.kind == DrawRecord::Kind::StretchBlt) word = "S";
            else if (e.draw.kind == DrawRecord::Kind::StretchDIBits) word = "D";
            else continue;
            words += words.empty() ? word : " " + word;
        }
        return words;
    }

    std::vector<Entry> entries;
    std::function<void()> onSleep;
};

} // namespace gb

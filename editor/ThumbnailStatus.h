#pragma once
// The album editor's busy state and status display: a count of the busy operations in
// progress, which drives the pointer, the busy animation, the two rebuilding commands
// and the status panel's text and icon.
#include <QImage>
#include <cstdint>
#include <functional>
#include <optional>

namespace gb {

class ClassAnimate;
class ClassStatusBar;

class ThumbnailStatus {
public:
    ThumbnailStatus(ClassStatusBar& bar, ClassAnimate& animation);
    // A window that goes while busy gives the pointer back.
    ~ThumbnailStatus();
    ThumbnailStatus(const ThumbnailStatus&) = delete;
    ThumbnailStatus& operator=(const ThumbnailStatus&) = delete;

    // The two rebuilding commands are offered only while nothing is busy.
    std::function<void(bool enabled)> EnableRebuilding;

    // Never below 0.
    int16_t BusyCount = 0;

    // busy true starts a busy operation, false ends one, nullopt leaves the count;
    // message 0 shows the default text ("しばらくお待ちください..." while busy,
    // "準備ができました" otherwise).
    void ShowStatus(std::optional<bool> busy, int16_t message);

private:
    ClassStatusBar& bar_;
    ClassAnimate& animation_;
    QImage busyIcon_;
    QImage idleIcon_;
    bool pointerBusy_ = false;
};

} // namespace gb

#include "ThumbnailStatus.h"

#include "platform/Desktop.h"
#include "resources/StringTable.h"
#include "toolkit/ClassAnimate.h"
#include "toolkit/ClassStatusBar.h"

namespace gb {

ThumbnailStatus::ThumbnailStatus(ClassStatusBar& bar, ClassAnimate& animation)
    : bar_(bar), animation_(animation), busyIcon_(QStringLiteral(":/editor/icon11.png")),
      idleIcon_(QStringLiteral(":/editor/icon12.png")) {}

ThumbnailStatus::~ThumbnailStatus() {
    if (pointerBusy_) SetBusyCursor(false);
}

void ThumbnailStatus::ShowStatus(std::optional<bool> busy, int16_t message) {
    if (busy == true) ++BusyCount;
    else if (busy == false && BusyCount > 0) --BusyCount;
    const bool working = BusyCount > 0;

    if (working != pointerBusy_) {
        SetBusyCursor(working);
        pointerBusy_ = working;
    }
    if (EnableRebuilding) EnableRebuilding(!working);
    if (working) {
        animation_.Play(true);
    } else {
        animation_.Pause();
        animation_.Reset();
    }
    const int id = message != 0 ? message : working ? 2001 : 2002;
    bar_.SetPanels(0, LoadResString(id));
    bar_.SetPanelIcon(0, working ? busyIcon_ : idleIcon_);
    bar_.Refresh();
}

} // namespace gb

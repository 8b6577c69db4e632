#pragma once
// The contract by which toolkit objects hand each other their handles: an image list
// to a list view, a tool-tip window to a slider, a buddy to an up-down control.
#include <cstdint>

namespace gb {

// What kind of toolkit object a partner is (Superclass).
enum DockKind : int32_t {
    KindAnimate = 1, KindBehavior = 2, KindCalendar = 3, KindClock = 4, KindComboBoxEx = 5,
    KindDragListBox = 6, KindImageList = 7, KindKeySpot = 8, KindListView = 9, KindProgress = 10,
    KindReBar = 11, KindSlider = 13, KindStatusBar = 14, KindTabStrip = 15, KindToolBar = 16,
    KindToolTips = 17, KindTreeView = 18, KindUpDown = 19,
};

class InterfaceDock {
public:
    virtual ~InterfaceDock() = default;
    // The handle the partner needs: the control's window, or the image list.
    virtual std::intptr_t Handle() = 0;
    virtual int32_t Superclass() = 0;
    // A partner announces itself; only the tool tips act on it.
    virtual void Receive(InterfaceDock* Interface) = 0;
};

} // namespace gb

#pragma once
// The slider wrapper: a track bar with a range, a selection range, tick marks, a tool
// tip; Scroll is raised for every user move.
#include "ClassCommonControlsEx.h"
#include "SliderControl.h"
#include "InterfaceDock.h"
#include "InterfaceSubclass.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QVariant>
#include <functional>

namespace gb {

class ClassSlider : public InterfaceDock, public InterfaceSubclass {
public:
    ClassSlider();
    ~ClassSlider() override;
    ClassSlider(const ClassSlider&) = delete;
    ClassSlider& operator=(const ClassSlider&) = delete;

    Hwnd hSlider = 0;

    // Creation settings.
    int32_t Orientation = 0; // 2: vertical
    int32_t Style = 0;
    bool SelMode = false;
    bool HasScrollBar = true; // false: no thumb
    bool ToolTips = false;

    int32_t HelpContextID = 0;
    QVariant Tag;

    struct EventHandlers {
        std::function<void()> GotFocus;
        std::function<void()> LostFocus;
        std::function<void()> Scroll;
    } Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS
    void WhatsThisHelp() { Extender.WhatsThisHelp(HelpContextID); }

    void DockingToolTips(InterfaceDock* partner);
    int32_t Current() const;
    void SetCurrent(int32_t value);
    int32_t Min() const;
    void SetMin(int32_t value);
    int32_t Max() const;
    void SetMax(int32_t value);
    int32_t LargeChange() const;
    void SetLargeChange(int32_t value);
    int32_t SmallChange() const;
    void SetSmallChange(int32_t value);
    void SelRange(int32_t start, int32_t end);
    int32_t SelStart() const;
    void SetSelStart(int32_t value);
    // The selection end minus SelStart.
    int32_t SelLength() const;
    void SetSelLength(int32_t value);
    void SelClear();
    // The tick frequency; 0 removes all tick marks.
    void Interval(int32_t frequency);
    void ScrollBarLength(int32_t length);
    // Flat again, with its frame redrawn.
    void Update();

    std::intptr_t Handle() override { return hSlider; }
    int32_t Superclass() override { return KindSlider; }
    void Receive(InterfaceDock*) override {}
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam, LParam, bool&) override {}

private:
    void Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam);
    SliderControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<SliderControl> control_;
};

} // namespace gb

#pragma once
// The tab-strip wrapper: tabs with captions and images over a display area where the
// owner places its pages (ScaleLeft, ScaleTop, ScaleWidth, ScaleHeight).
#include "ClassCommonControlsEx.h"
#include "InterfaceDock.h"
#include "InterfaceSubclass.h"
#include "TabStripControl.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QVariant>
#include <functional>
#include <string>

namespace gb {

class ClassTabStrip : public InterfaceDock, public InterfaceSubclass {
public:
    ClassTabStrip();
    ~ClassTabStrip() override;
    ClassTabStrip(const ClassTabStrip&) = delete;
    ClassTabStrip& operator=(const ClassTabStrip&) = delete;

    Hwnd hTabStrip = 0;

    // Creation settings.
    bool ClipChildren = false;
    int32_t Style = 0;
    int32_t Direction = 0;
    int32_t Arrange = 0;
    int32_t Focus = 0;
    bool Alignment = false;
    bool Wrappable = false;
    bool Flat = false;
    bool Opaque = false;

    int32_t HelpContextID = 0;
    QVariant Tag;

    struct EventHandlers {
        std::function<void()> GotFocus;
        std::function<void()> LostFocus;
        std::function<void()> Change;
    } Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    void WhatsThisHelp() { Extender.WhatsThisHelp(HelpContextID); }

    void DockingImageList(InterfaceDock* Reference);
    void DockingToolTips(InterfaceDock* partner);
    void AddTab(const std::string& Caption, int32_t Image = -1, int32_t Index = -1);
    void RemoveTab(int32_t Index);
    void ClearTabs();
    int32_t TabCount() const;
    int32_t Current() const;
    void SetCurrent(int32_t Index);
    void SetTabWidth(int32_t width);
    int32_t TabHeight() const;
    int32_t Lines() const;
    // The display area inside the tabs.
    int32_t ScaleLeft() const;
    int32_t ScaleTop() const;
    int32_t ScaleWidth() const;
    int32_t ScaleHeight() const;
    void Margin(int32_t width, int32_t height);

    std::intptr_t Handle() override { return hTabStrip; }
    int32_t Superclass() override { return KindTabStrip; }
    void Receive(InterfaceDock*) override {}
    LResult Callback(Hwnd hWnd, unsigned wmInfo, WParam wParam, LParam lParam, bool& Default) override;
    void CallbackWindowsEx(WParam, LParam, bool&) override {}

private:
    void Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam);
    TabStripControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<TabStripControl> control_;
};

} // namespace gb

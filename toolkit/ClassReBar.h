#pragma once
// The rebar wrapper: bands that hold other toolkit controls (a tool bar, an
// animation), with captions; Resize is raised when the bar's height changes.
#include "ClassCommonControlsEx.h"
#include "InterfaceDock.h"
#include "ReBarControl.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QVariant>
#include <functional>
#include <string>
#include <vector>

namespace gb {

class ClassReBar : public InterfaceDock {
public:
    ClassReBar();
    ~ClassReBar() override;
    ClassReBar(const ClassReBar&) = delete;
    ClassReBar& operator=(const ClassReBar&) = delete;

    Hwnd hReBar = 0;

    // Creation settings.
    bool ClipChildren = false;
    int32_t Align = 0;
    bool Arrange = false;
    bool Border = true;
    bool FixedOrder = false;
    uint32_t ForeColor = 0xFFFFFFFF; // none: the desktop's colours
    uint32_t BackColor = 0xFFFFFFFF;
    QVariant Tag;

    struct EventHandlers {
        std::function<void()> Resize;
    } Events;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS

    void DockingImageList(InterfaceDock* Reference);
    // The band's least child size: the window's own size for Align 0, (Strength, the
    // window's height) for Align 1-3 or 10, (Strength, its width) for 129-131 or 138.
    void AddBand(int32_t style, InterfaceDock* DockedItem, int32_t Strength, const std::string& caption,
                 int32_t Image = -1);
    void RemoveBand(int32_t index);
    void ClearBands();
    int32_t BandCount() const;
    int32_t BandWidth(int32_t index) const;
    int32_t BandHeight(int32_t index) const;
    int32_t Lines() const { return BandCount() > 0 ? 1 : 0; }
    // Lays the bar out again after its parent changed size.
    void Calculate();
    void Wallpaper(const QImage& picture, const std::vector<int32_t>& bands);

    std::intptr_t Handle() override { return hReBar; }
    int32_t Superclass() override { return KindReBar; }
    void Receive(InterfaceDock*) override {}

private:
    void Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam);
    ReBarControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<ReBarControl> control_;
};

} // namespace gb

#pragma once
// The up-down wrapper. With Mode 1 it applies every step itself: the new position
// (current plus change) is kept within the range and written into the buddy as
// decimal text (Mode reads 3 while it writes).
#include "ClassCommonControlsEx.h"
#include "InterfaceDock.h"
#include "UpDownControl.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QVariant>

namespace gb {

class ClassUpDown : public InterfaceDock {
public:
    ClassUpDown();
    ~ClassUpDown() override;
    ClassUpDown(const ClassUpDown&) = delete;
    ClassUpDown& operator=(const ClassUpDown&) = delete;

    Hwnd hUpDown = 0;

    // Creation settings.
    bool Spin = false;     // wraps round
    int32_t Mode = 0;      // 0: the control writes the buddy; 1: the wrapper does
    bool Alignment = false; // at the buddy's right
    QVariant Tag;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS

    void DockingBuddy(InterfaceDock* partner);
    int32_t Min() const;
    void SetMin(int32_t value);
    int32_t Max() const;
    void SetMax(int32_t value);
    int32_t Current() const;
    void SetCurrent(int32_t value);
    // Moves the control beside its buddy and in front of it.
    void Calculate();

    std::intptr_t Handle() override { return hUpDown; }
    int32_t Superclass() override { return KindUpDown; }
    void Receive(InterfaceDock*) override {}

private:
    void Extender_Send(unsigned& wmInfo, WParam& wParam, LParam& lParam);
    UpDownControl* Control() const { return control_.data(); }

    ClassCommonControlsEx Extender;
    QPointer<UpDownControl> control_;
    Hwnd buddy_ = 0;
};

} // namespace gb

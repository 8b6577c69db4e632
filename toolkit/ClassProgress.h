#pragma once
// The progress-bar wrapper: a position from 0 to 100 (written as a byte).
#include "ClassCommonControlsEx.h"
#include "InterfaceDock.h"
#include "WrapperMembers.h"

#include <QPointer>
#include <QProgressBar>
#include <QVariant>

namespace gb {

class ClassProgress : public InterfaceDock {
public:
    ClassProgress() = default;
    ~ClassProgress() override;
    ClassProgress(const ClassProgress&) = delete;
    ClassProgress& operator=(const ClassProgress&) = delete;

    Hwnd hProgress = 0;
    int32_t Orientation = 0; // 4: vertical
    int32_t Style = 0;       // 1: smooth
    QVariant Tag;

    void Create(Hwnd hWnd, std::intptr_t hDC);
    void Destroy();
    GB_SITE_MEMBERS
    GB_SITE_SCALE_MEMBERS

    int32_t Percent() const;
    void SetPercent(int32_t value);

    std::intptr_t Handle() override { return hProgress; }
    int32_t Superclass() override { return KindProgress; }
    void Receive(InterfaceDock*) override {}

private:
    ClassCommonControlsEx Extender;
    QPointer<QProgressBar> control_;
};

} // namespace gb
